#include "startup/StartupRules.h"
#include <gtest/gtest.h>

TEST(StartupRules, OnlySetupExeInstalls) {
    struct Case {
        const char* name;
        bool install;
    } cases[] = {
        {"Setup.exe", true},     {"setup.EXE", true},      {"SETUP.EXE", true}, {"Setup1.exe", false},
        {"Uninstal.exe", false}, {"Setup.exe.bak", false}, {"Setup", false},    {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsInstallProgramName(c.name), c.install) << c.name;
    EXPECT_EQ(ScriptNameFor(true), "Setup.lst");
    EXPECT_EQ(ScriptNameFor(false), "install1.log");
}

TEST(StartupRules, MissingScriptMessageNamesTheFullPath) {
    EXPECT_EQ(MissingScriptMessage("A:\\", "Setup.lst"), "Datei Setup.lst nicht gefunden: A:\\Setup.lst");
    EXPECT_EQ(MissingScriptMessage("C:\\Programme\\App\\", "install1.log"),
              "Datei install1.log nicht gefunden: C:\\Programme\\App\\install1.log");
}

TEST(StartupRules, FirstParameterSkipsTheProgramName) {
    struct Case {
        const char* line;
        const char* first;
    } cases[] = {
        {"Setup.exe /s", "/s"},
        {"Setup.exe /S", "/S"},
        {"Setup.exe /s x", "/s"},
        {"Setup.exe x /s", "x"},
        {"Setup.exe /sx", "/sx"},
        {"\"C:\\Mit Blank\\Setup.exe\" /s", "/s"}, // a quoted program name with a blank
        {"Setup.exe \"/s\"", "/s"},                // quotes are removed
        {"Setup.exe \"a b\" c", "a b"},
        {"Setup.exe   \t/s", "/s"},
        {"Setup.exe", ""},
        {"Setup.exe   ", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FirstParameter(c.line), c.first) << c.line;
}

TEST(StartupRules, EarlierInstallDirIsTheUninstallersDirectory) {
    struct Case {
        const char* uninstallString;
        const char* dir;
    } cases[] = {
        {"C:\\Programme\\App\\Uninstal.exe", "C:\\Programme\\App"},
        {"C:\\Uninstal.exe", "C:"}, // a drive root loses its backslash
        {"C:Uninstal.exe", "C:"},   // up to the colon
        {"Uninstal.exe", ""},       // no directory at all
        {"", ""},
        {"C:\\Programme\\App\\", "C:\\Programme\\App"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EarlierInstallDir(c.uninstallString), c.dir) << c.uninstallString;
}

TEST(StartupRules, PlacementCentresRightOfTheTreeTruncatingTowardZero) {
    struct Case {
        int client, tree, own, left;
    } cases[] = {
        {1016, 161, 420, 378}, // (1016 - 161 - 420) / 2 + 161 = 217 + 161
        {1016, 161, 421, 378}, // 435 / 2 = 217
        {500, 161, 420, 121},  // (-81) / 2 = -40, not -41
        {0, 0, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LeftRightOfTree(c.client, c.tree, c.own), c.left) << c.own;
    EXPECT_EQ(CentredTop(762, 300), 231);
    EXPECT_EQ(CentredTop(100, 301), -100); // -201 / 2 truncates toward zero
}
