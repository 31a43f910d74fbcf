#include "install/CompressedName.h"
#include "sysinfo/StrUtil.h"
#include <gtest/gtest.h>

TEST(CompressedName, MapCompressedName) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"PROG.EX_", "PROG.EXE"},
        {"prog.ex_", "prog.EXE"}, // the rest keeps its case
        {"C:\\Programme\\App\\HILFE.HL_", "C:\\Programme\\App\\HILFE.HLP"},
        {"A.DL_", "A.DLL"},
        {"A.BI_", "A.BIN"},
        {"A.RE_", "A.RES"},
        {"A.VB_", "A.VBX"},
        {"A.RP_", "A.RPT"},
        {"A.HD_", "A.HDB"},
        {"A.EP_", "A.EPF"},
        {"A.DA_", "A.DAT"},
        {"A.JP_", "A.JPG"},
        {"A.RT_", "A.RTF"},
        {"A.TX_", "A.TXT"},
        {"BRIEF.DO_", "BRIEF.DOT"},
        {"QZT-WW8.DO_", "QZT-WW8.DOC"},       // the whole-name row comes first
        {"x\\Qzt-Ww8.Do_", "x\\Qzt-Ww8.DOC"}, // in any letter case
        {"DATA.XY_", "DATA.XY_"},             // no row
        {"A.EX_X", "A.EXE"},                  // the extension begins with the pattern
        {"Uninstal.exe", "Uninstal.exe"},
        {"C:\\dir.ex_\\README", "C:\\dir.ex_\\README"}, // only the last component's extension
        {"", ""},
        {"A.\xC4X_", "A.\xC4X_"}, // no ANSI case folding
    };
    for (const auto& c : cases)
        EXPECT_EQ(MapCompressedName(c.in), c.out) << c.in;
}

TEST(CompressedName, CompressedNameInstallsBack) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"APP.EXE", "APP.EX_"},
        {"README.TXT", "README.TX_"},
        {"lib.dll", "lib.dl_"},
        {"README", ""},
        {"A.C", ""},
        {"PAGE.HTML", ""},
        {"dir.abc\\README", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CompressedName(c.in), c.out) << c.in;
    for (const char* name : {"APP.EXE", "README.TXT", "lib.dll"})
        EXPECT_EQ(AsciiUpper(MapCompressedName(CompressedName(name))), AsciiUpper(name)) << name;
    // Not every extension comes back: the media tool warns about these.
    EXPECT_EQ(MapCompressedName(CompressedName("LETTER.DOC")), "LETTER.DOT");
    EXPECT_EQ(MapCompressedName(CompressedName("LOGO.BMP")), "LOGO.BM_");
}
