#include "TestUtil.h"
#include "ui/Registry.h"
#include <cstring>
#include <gtest/gtest.h>
#include <windows.h>

namespace {
std::string ThisDir() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string dir = path;
    return dir.substr(0, dir.rfind('\\') + 1);
}

// Wine plays the Windows version named under AppDefaults for one program file name; the
// key is removed again so the prefix stays as it was.
class Personality {
public:
    Personality(const std::string& exeName, const std::string& version) : key_("Software\\Wine\\AppDefaults\\" + exeName) {
        TRegistry reg(HKEY_CURRENT_USER);
        if (reg.OpenKey(key_, true)) reg.WriteString("Version", version);
    }
    ~Personality() { TRegistry(HKEY_CURRENT_USER).DeleteKey(key_); }

private:
    std::string key_;
};
} // namespace

TEST(Personality, VersionNamesAndFamilyUnderEveryTargetSystem) {
    struct Case { const char* version; const char* expected; } cases[] = {
        {"win95", "Windows 95|0|0|"}, {"win98", "Windows 98SE|0|0|"}, {"winme", "Windows ME|0|0|"},
        {"nt40", "Windows NT|1|1|"},  {"win2k", "Windows 2000|1|1|"}, {"winxp", "Windows XP|1|1|"},
        {"win7", "Unknown|1|1|"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const std::string exe = std::string("osprobe_") + c.version + ".exe";
        ASSERT_TRUE(CopyFileA((ThisDir() + "osprobe.exe").c_str(), (dir / exe).c_str(), FALSE));
        Personality personality(exe, c.version);
        const std::string out = dir / (std::string(c.version) + ".txt");
        ASSERT_EQ(RunProgram("\"" + (dir / exe) + "\" \"" + out + "\""), 0) << c.version;
        std::string answer = ReadFileBytes(out);
        EXPECT_EQ(answer.substr(0, std::strlen(c.expected)), c.expected) << c.version;
        EXPECT_GT(answer.size(), std::strlen(c.expected)) << "profiles folder missing for " << c.version;
    }
}
