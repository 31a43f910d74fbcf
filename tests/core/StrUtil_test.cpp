#include "sysinfo/StrUtil.h"
#include <gtest/gtest.h>

TEST(StrUtil, AddBackslash) {
    struct Case { const char* in; const char* out; } cases[] = {
        {"", ""}, {"C:\\", "C:\\"}, {"C:\\App", "C:\\App\\"}, {"C:", "C:\\"},
        {"C:\\App\\\\", "C:\\App\\\\"}, {"a/", "a/\\"},
    };
    for (const auto& c : cases) EXPECT_EQ(AddBackslash(c.in), c.out) << c.in;
}

TEST(StrUtil, ReplaceAll) {
    struct Case { const char* text; const char* from; const char* to; const char* out; } cases[] = {
        {"aXbXc", "X", "XX", "aXXbXXc"},        // inserted text is not searched again
        {"abc", "X", "Y", "abc"},               // nothing found
        {"abc", "", "Y", "abc"},                // empty old text never matches
        {"%SystemDrive%\\P", "%SystemDrive%", "D:", "D:\\P"},
        {"%SYSTEMDRIVE%\\P", "%SystemDrive%", "D:", "%SYSTEMDRIVE%\\P"}, // case-sensitive
        {"aaa", "aa", "b", "ba"},
        {"xx", "x", "", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ReplaceAll(c.text, c.from, c.to), c.out) << c.text;
}

TEST(StrUtil, CaseChangesOnlyAsciiLetters) {
    EXPECT_EQ(AsciiUpper("c:\\programme\\müller\\install1.log"), "C:\\PROGRAMME\\MüLLER\\INSTALL1.LOG");
    EXPECT_EQ(AsciiLower("C:\\ÄRGER\\APP.EXE"), "c:\\Ärger\\app.exe");
}

TEST(StrUtil, PathParts) {
    EXPECT_EQ(ExtractFilePath("C:\\Programme\\App\\Uninstal.exe"), "C:\\Programme\\App\\");
    EXPECT_EQ(ExtractFilePath("A:Setup.exe"), "A:");
    EXPECT_EQ(ExtractFilePath("Setup.exe"), "");
    EXPECT_EQ(ExtractFileName("C:\\x\\Setup.exe"), "Setup.exe");
    EXPECT_EQ(ExtractFileExt("C:\\dir.d\\APP.EX_"), ".EX_");
    EXPECT_EQ(ExtractFileExt("C:\\dir.d\\README"), "");
    EXPECT_EQ(ExcludeTrailingBackslash("C:\\App\\"), "C:\\App");
    EXPECT_EQ(ExcludeTrailingBackslash("C:\\App"), "C:\\App");
}

TEST(StrUtil, Trim) {
    EXPECT_EQ(Trim("  \t\r\n "), "");
    EXPECT_EQ(Trim(" C:\\Profile "), "C:\\Profile");
    EXPECT_EQ(Trim(""), "");
}
