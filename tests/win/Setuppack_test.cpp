#include "codec/Container.h"
#include "tests/core/TestData.h"
#include "TestUtil.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <random>

namespace {

// The media tool of the same build: tools\setuppack.exe beside the tests' folder.
std::string Setuppack() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string dir = path;
    dir.erase(dir.rfind('\\'));
    return dir.substr(0, dir.rfind('\\') + 1) + "tools\\setuppack.exe";
}

// A run that hangs until RunProgram gives up must not pass for an error exit.
long RunSetuppack(const std::string& arguments) {
    DWORD start = GetTickCount();
    long code = RunProgram("\"" + Setuppack() + "\" " + arguments, 30000);
    EXPECT_LT(GetTickCount() - start, 30000u) << arguments;
    return code;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(Setuppack, CompressesUnderTheStoredNameAndExpandsBack) {
    TempDir dir;
    std::mt19937 rnd(3);
    std::string random(70000, '\0');
    for (char& c : random)
        c = static_cast<char>(rnd());
    WriteFileBytes(dir / "RANDOM.BIN", random);
    WriteFileBytes(dir / "README.TXT", ReadTestData("lzhuf/german_cp1252.txt"));
    WriteFileBytes(dir / "APP.EXE", ReadTestData("lzhuf/mixed_32769.bin"));

    ASSERT_EQ(RunSetuppack("compress \"" + dir / "README.TXT" + "\""), 0);
    ASSERT_EQ(RunSetuppack("compress \"" + dir / "RANDOM.BIN" + "\" \"" + dir / "R.DAT" + "\""), 0);
    CreateDirectoryA((dir / "media").c_str(), nullptr);
    ASSERT_EQ(RunSetuppack("compress -o \"" + dir / "media" + "\" \"" + dir / "APP.EXE" + "\" \"" +
                           dir / "README.TXT" + "\""),
              0);

    struct Case {
        std::string container, original;
    } cases[] = {{dir / "README.TX_", dir / "README.TXT"},
                 {dir / "R.DAT", dir / "RANDOM.BIN"},
                 {dir / "media\\APP.EX_", dir / "APP.EXE"},
                 {dir / "media\\README.TX_", dir / "README.TXT"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ReadFileBytes(c.container).substr(0, 4), "!HZL") << c.container;
        ASSERT_EQ(RunSetuppack("expand \"" + c.container + "\" \"" + dir / "OUT" + "\""), 0) << c.container;
        EXPECT_TRUE(ReadFileBytes(dir / "OUT") == ReadFileBytes(c.original)) << c.container;
    }
}

TEST(Setuppack, ExpandsTheFixtures) {
    TempDir dir;
    for (const auto& fixture : LzhufFixtures) {
        ASSERT_EQ(RunSetuppack("expand \"" + TestDataPath(std::string("lzhuf/") + fixture.container) +
                               "\" \"" + dir / "OUT" + "\""),
                  0);
        EXPECT_TRUE(ReadFileBytes(dir / "OUT") == ReadTestData(std::string("lzhuf/") + fixture.original))
            << fixture.container;
    }
}

TEST(Setuppack, BadInputFailsWithoutOutput) {
    TempDir dir;
    std::string good = ReadTestData("lzhuf/mixed_32769.bi_");
    WriteFileBytes(dir / "PLAIN.EX_", "MZ not compressed");
    WriteFileBytes(dir / "SHORT.EX_", good.substr(0, good.size() / 2));
    WriteFileBytes(dir / "GOOD.EX_", good);
    WriteFileBytes(dir / "NOEXT", "x");
    struct Case {
        std::string arguments, output;
    } cases[] = {
        {"expand \"" + dir / "PLAIN.EX_" + "\" \"" + dir / "OUT" + "\"", dir / "OUT"},
        {"expand \"" + dir / "SHORT.EX_" + "\" \"" + dir / "OUT" + "\"", dir / "OUT"},
        {"expand \"" + dir / "MISSING.EX_" + "\" \"" + dir / "OUT" + "\"", dir / "OUT"},
        {"expand \"" + dir / "GOOD.EX_" + "\" \"" + dir / "NO\\DIR\\OUT" + "\"", dir / "NO\\DIR\\OUT"},
        {"compress \"" + dir / "MISSING.EXE" + "\"", dir / "MISSING.EX_"},
        {"compress \"" + dir / "NOEXT" + "\"", dir / "NOEXT_"},
        {"compress -o \"" + dir / "NO\\DIR" + "\" \"" + dir / "GOOD.EX_" + "\"", dir / "NO\\DIR\\GOOD.EX_"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RunSetuppack(c.arguments), 1) << c.arguments;
        EXPECT_FALSE(Exists(c.output)) << c.arguments;
    }
    EXPECT_EQ(RunSetuppack(""), 2);
    EXPECT_EQ(RunSetuppack("expand only-one-name"), 2);
}

} // namespace
