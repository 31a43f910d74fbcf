#include "TestUtil.h"
#include "script/InstallLog.h"
#include "script/Settings.h"
#include "sysinfo/Helpers.h"
#include "sysinfo/StrUtil.h"
#include "ui/IniFile.h"
#include <gtest/gtest.h>
#include <windows.h>

namespace {
class InstallLogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetInstallSettings();
        InstallSettings.TargetDir = dir.Path() + "Programme\\Test";
        CreateDirectoryA((dir / "Programme").c_str(), nullptr);
        CreateDirectoryA(InstallSettings.TargetDir.c_str(), nullptr);
        InstallSettings.ProgramName = "Kundenverwaltung";
        InstallSettings.GroupName = "Kunden";
        InstallSettings.StartMenuFolder = "KV";
        ProgramDir = InstallSettings.TargetDir + "\\"; // the uninstaller runs from there
    }
    // The file's name as it stands in its directory.
    std::string NameOnDisk() {
        WIN32_FIND_DATAA data;
        HANDLE find = FindFirstFileA((ProgramDir + "*.log").c_str(), &data);
        if (find == INVALID_HANDLE_VALUE) return "";
        FindClose(find);
        return data.cFileName;
    }
    TempDir dir;
};
} // namespace

TEST_F(InstallLogTest, WriterUpperCasesReaderAsksLowerCase) {
    EXPECT_EQ(InstallLogWritePath(), AsciiUpper(dir.Path()) + "PROGRAMME\\TEST\\INSTALL1.LOG");
    EXPECT_EQ(InstallLogReadPath(), ProgramDir + "install1.log");
    RecordInstalledFile(1, "c:\\programme\\test\\app.exe");
    EXPECT_EQ(NameOnDisk(), "INSTALL1.LOG");
    EXPECT_EQ(ReadInstalledFiles(), (std::vector<std::string>{"c:\\programme\\test\\app.exe"}));
}

TEST_F(InstallLogTest, WritesSectionsInOrderAndTheNameOnce) {
    RecordInstalledFile(1, "c:\\t\\app.exe");
    RecordInstalledFile(2, "c:\\t\\müller.dll");
    RecordInstalledFile(3, "c:\\windows\\w.dll");
    RecordInstalledFile(4, "c:\\t\\uninstal.exe");
    EXPECT_EQ(InstallSettings.ProgramName, "");
    RecordUserAccount("C:\\users\\root");
    EXPECT_EQ(ReadFileBytes(InstallLogWritePath()),
              "[General]\r\nName=Kundenverwaltung\r\n"
              "[InstalledFiles]\r\nFile1=c:\\t\\app.exe\r\nFile2=c:\\t\\müller.dll\r\n"
              "File3=c:\\windows\\w.dll\r\nFile4=c:\\t\\uninstal.exe\r\n"
              "[Group]\r\nName=Kunden\r\n[StartMenu]\r\nFolder=KV\r\n"
              "[BenutzerKonto]\r\nUserName=C:\\users\\root\r\n");
}

TEST_F(InstallLogTest, EmptyNameAndUserLeaveTheirSectionsOut) {
    InstallSettings.ProgramName.clear();
    RecordInstalledFile(1, "c:\\t\\a.exe");
    RecordUserAccount("");
    std::string text = ReadFileBytes(InstallLogWritePath());
    EXPECT_EQ(text.find("[General]"), std::string::npos);
    EXPECT_EQ(text.find("[BenutzerKonto]"), std::string::npos);
    UninstallNames names = ReadUninstallNames();
    EXPECT_EQ(names.StartMenuFolder, "KV");
    EXPECT_EQ(names.SelectedUserDir, "");
}

TEST_F(InstallLogTest, ReaderSeesEveryEntryAcrossGapsAndEarlierRuns) {
    // First run: five files. Second run, smaller, skips its second file.
    for (int i = 1; i <= 5; ++i) RecordInstalledFile(i, "c:\\t\\first" + std::to_string(i));
    InstallSettings.ProgramName = "Kundenverwaltung";
    RecordInstalledFile(1, "c:\\t\\second1");
    RecordInstalledFile(3, "c:\\t\\second3");
    EXPECT_EQ(ReadInstalledFiles(), (std::vector<std::string>{"c:\\t\\second1", "c:\\t\\first2", "c:\\t\\second3",
                                                              "c:\\t\\first4", "c:\\t\\first5"}));
}

TEST_F(InstallLogTest, MissingLogReadsEmpty) {
    EXPECT_TRUE(ReadInstalledFiles().empty());
    UninstallNames names = ReadUninstallNames();
    EXPECT_EQ(names.StartMenuFolder, "");
    EXPECT_EQ(names.SelectedUserDir, "");
}

TEST_F(InstallLogTest, UnwritableLogRaisesWithUpperCasedPathAndKeepsTheName) {
    InstallSettings.TargetDir = dir.Path() + "gibt es nicht\\unter";
    try {
        RecordInstalledFile(1, "c:\\x");
        FAIL() << "no error";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message, "Kann nicht nach " + InstallLogWritePath() + " schreiben");
        EXPECT_NE(e.Message.find("GIBT ES NICHT\\UNTER\\INSTALL1.LOG"), std::string::npos);
    }
    EXPECT_EQ(InstallSettings.ProgramName, "Kundenverwaltung");
}
