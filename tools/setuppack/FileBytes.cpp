#include "tools/setuppack/FileBytes.h"
#include "ui/Exception.h"
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string Reason() {
    return std::strerror(errno);
}

} // namespace

std::string LoadFile(const std::string& path) {
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) throw Exception(path + ": cannot read: " + Reason());
    std::string bytes;
    char chunk[65536];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
        bytes.append(chunk, n);
    if (std::ferror(file.get())) throw Exception(path + ": cannot read: " + Reason());
    return bytes;
}

void SaveFile(const std::string& path, const std::string& bytes) {
    File file(std::fopen(path.c_str(), "wb"));
    if (!file) throw Exception(path + ": cannot write: " + Reason());
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
                   std::fflush(file.get()) == 0;
    int error = written ? 0 : errno;
    if (std::fclose(file.release()) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written) {
        std::remove(path.c_str());
        throw Exception(path + ": cannot write: " + std::strerror(error));
    }
}

std::string BaseName(const std::string& path) {
    auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
