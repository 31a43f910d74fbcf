// setuppack: makes and checks the compressed files of a setup medium.
#include "codec/Container.h"
#include "install/CompressedName.h"
#include "sysinfo/StrUtil.h"
#include "tools/setuppack/Bench.h"
#include "tools/setuppack/FileBytes.h"
#include "ui/Exception.h"
#include <cstdio>
#include <string>
#include <vector>

namespace {

const char Usage[] =
    "usage: setuppack compress IN [OUT]       compress IN; OUT defaults to the compressed name\n"
    "                                         beside IN (APP.EXE -> APP.EX_)\n"
    "       setuppack compress -o DIR FILE... compress each FILE into DIR under its compressed name\n"
    "       setuppack expand IN OUT           expand the compressed file IN into OUT\n"
    "       setuppack bench                   time decoding and compressing against gzip\n";

// The stored name, and a warning when the installer would not give the file its name back.
std::string StoredName(const std::string& inputPath) {
    std::string name = BaseName(inputPath);
    std::string stored = CompressedName(name);
    if (stored.empty()) throw Exception(inputPath + ": no three-letter extension; give the output name");
    std::string installed = MapCompressedName(stored);
    if (AsciiUpper(installed) != AsciiUpper(name))
        std::fprintf(stderr, "setuppack: warning: %s will be installed as %s, not as %s\n", stored.c_str(),
                     installed.c_str(), name.c_str());
    return stored;
}

void Compress(const std::string& in, const std::string& out) {
    SaveFile(out, PackContainer(LoadFile(in)));
}

void Expand(const std::string& in, const std::string& out) {
    std::string expanded;
    try {
        expanded = UnpackContainer(LoadFile(in));
    } catch (const Exception& e) {
        if (e.Message.rfind(in, 0) == 0) throw; // already names the file
        throw Exception(in + ": " + e.Message);
    }
    SaveFile(out, expanded);
}

int Run(const std::vector<std::string>& args) {
    if (args.size() >= 4 && args[0] == "compress" && args[1] == "-o") {
        std::string dir = args[2].empty() ? "." : args[2];
        if (dir.back() != '/' && dir.back() != '\\') dir += '/';
        int failures = 0;
        for (size_t i = 3; i < args.size(); ++i) {
            try {
                Compress(args[i], dir + StoredName(args[i]));
            } catch (const Exception& e) {
                std::fprintf(stderr, "setuppack: %s\n", e.Message.c_str());
                ++failures;
            }
        }
        return failures ? 1 : 0;
    }
    if ((args.size() == 2 || args.size() == 3) && args[0] == "compress") {
        std::string in = args[1];
        std::string out =
            args.size() == 3 ? args[2] : in.substr(0, in.size() - BaseName(in).size()) + StoredName(in);
        Compress(in, out);
        return 0;
    }
    if (args.size() == 3 && args[0] == "expand") {
        Expand(args[1], args[2]);
        return 0;
    }
    if (args.size() == 1 && args[0] == "bench") {
        RunBench();
        return 0;
    }
    std::fputs(Usage, stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const Exception& e) {
        std::fprintf(stderr, "setuppack: %s\n", e.Message.c_str());
        return 1;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "setuppack: out of memory\n");
        return 1;
    }
}
