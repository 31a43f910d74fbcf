#include "TestUtil.h"
#include "ui/IniFile.h"
#include <gtest/gtest.h>

TEST(IniFile, MissingFileGivesDefaults) {
    TempDir dir;
    TIniFile ini(dir / "none.ini");
    EXPECT_EQ(ini.ReadString("General", "Name", "Programm"), "Programm");
    EXPECT_TRUE(ini.ReadSection("programfiles").empty());
    EXPECT_EQ(ini.ReadSectionValues("programfiles").Count(), 0);
}

TEST(IniFile, ReadsCrLfAndLfFilesWithUmlauts) {
    for (const char* eol : {"\r\n", "\n"}) {
        TempDir dir;
        std::string e = eol;
        WriteFileBytes(dir / "a.ini", "[General]" + e + "Name=Grüße an Jürgen" + e + "Leer=" + e + "[Größe]" + e +
                                          "Schlüssel=ä" + e);
        TIniFile ini(dir / "a.ini");
        EXPECT_EQ(ini.ReadString("general", "NAME", "x"), "Grüße an Jürgen");
        EXPECT_EQ(ini.ReadString("General", "Leer", "x"), ""); // present but empty: not the default
        EXPECT_EQ(ini.ReadString("Größe", "Schlüssel", ""), "ä");
    }
}

TEST(IniFile, LongValueIsCutTo1023Characters) {
    TempDir dir;
    WriteFileBytes(dir / "a.ini", "[S]\r\nK=" + std::string(1500, 'v') + "\r\n");
    EXPECT_EQ(TIniFile(dir / "a.ini").ReadString("S", "K", ""), std::string(1023, 'v'));
}

TEST(IniFile, KeyListIsCutAtTheBuffer) {
    TempDir dir;
    std::string text = "[InstalledFiles]\r\n";
    const int total = 1500; // "File1".."File1500" need far more than 8,192 bytes
    for (int i = 1; i <= total; ++i) text += "File" + std::to_string(i) + "=c:\\x\\" + std::to_string(i) + "\r\n";
    WriteFileBytes(dir / "a.ini", text);
    auto keys = TIniFile(dir / "a.ini").ReadSection("InstalledFiles");
    ASSERT_GT(keys.size(), 1000u);
    EXPECT_LT(keys.size(), static_cast<size_t>(total));
    for (size_t i = 0; i + 1 < keys.size(); ++i) EXPECT_EQ(keys[i], "File" + std::to_string(i + 1));
}

TEST(IniFile, SectionValuesInFileOrderWithoutEmptyOrRepeatedKeys) {
    TempDir dir;
    WriteFileBytes(dir / "a.ini", "[programfiles]\n2=B.DLL\n1=A.EX_\n3=\n2=OTHER.DLL\n4=D.TXT\n");
    TStringList list = TIniFile(dir / "a.ini").ReadSectionValues("programfiles");
    EXPECT_EQ(list.Lines, (std::vector<std::string>{"2=B.DLL", "1=A.EX_", "4=D.TXT"}));
}

TEST(IniFile, WriteAddsWithoutLosingEntriesAndCreatesTheFile) {
    TempDir dir;
    TIniFile ini(dir / "new.ini");
    ini.WriteString("A", "x", "1");
    ini.WriteString("B", "y", "Müller");
    ini.WriteString("A", "x", "2");
    EXPECT_EQ(ini.ReadString("A", "x", ""), "2");
    EXPECT_EQ(ini.ReadString("B", "y", ""), "Müller");
    EXPECT_NE(ReadFileBytes(dir / "new.ini").find("[A]\r\nx=2\r\n"), std::string::npos);
}

TEST(IniFile, RefusedWriteRaisesWithPath) {
    TempDir dir;
    const std::string path = dir / "missing\\dir\\x.ini";
    TIniFile ini(path);
    try {
        ini.WriteString("A", "x", "1");
        FAIL() << "no error";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message, "Kann nicht nach " + path + " schreiben");
    }
}
