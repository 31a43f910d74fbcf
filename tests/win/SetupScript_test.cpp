#include "TestUtil.h"
#include "script/SetupScript.h"
#include "script/Settings.h"
#include "sysinfo/Helpers.h"
#include <gtest/gtest.h>

namespace {
class SetupScriptTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetInstallSettings();
        ProgramDir = dir.Path();
    }
    void Script(const std::string& text) { WriteFileBytes(dir / "Setup.lst", text); }
    TempDir dir;
};
} // namespace

TEST_F(SetupScriptTest, StartupReadsValues) {
    Script("[General]\r\nName=Kundenverwaltung\r\ndefaultPath=C:\\Programme\\KV\r\n"
           "[StartMenu]\r\nFolder=KV2000\r\n[Group]\r\nName=Kunden\r\n");
    EXPECT_EQ(SetupScriptPath(), dir / "Setup.lst");
    ReadStartupSettings(SetupScriptPath());
    EXPECT_EQ(InstallSettings.ProgramName, "Kundenverwaltung");
    EXPECT_EQ(InstallSettings.ProgramNameAsRead, "Kundenverwaltung");
    EXPECT_EQ(InstallSettings.DefaultPath, "C:\\Programme\\KV");
    EXPECT_EQ(InstallSettings.StartMenuFolder, "KV2000");
    EXPECT_EQ(InstallSettings.GroupName, "Kunden");
}

TEST_F(SetupScriptTest, StartupDefaults) {
    Script("[Other]\r\nx=1\r\n");
    ReadStartupSettings(SetupScriptPath());
    EXPECT_EQ(InstallSettings.ProgramName, "Programm");
    EXPECT_EQ(InstallSettings.ProgramNameAsRead, "");
    EXPECT_EQ(InstallSettings.DefaultPath, "C:\\App");
    EXPECT_EQ(InstallSettings.StartMenuFolder, "Unbenannt");
    EXPECT_EQ(InstallSettings.GroupName, "");
}

TEST_F(SetupScriptTest, CopyStartReadsListsByNumberAndGroup) {
    Script("[programfiles]\r\n2=HILFE.HL_\r\n1=APP.EX_\r\n4=NIE.TXT\r\n5=\r\n"
           "[Windows]\r\n1=VBRUN.DL_\r\n[Group]\r\n");
    CopyLists lists = ReadCopyStart();
    EXPECT_EQ(lists.ProgramFiles, (std::vector<std::string>{"APP.EX_", "HILFE.HL_", ""}));
    EXPECT_EQ(lists.WindowsFiles, (std::vector<std::string>{"VBRUN.DL_"}));
    EXPECT_EQ(InstallSettings.GroupName, "Gruppex"); // section without the key
}

TEST_F(SetupScriptTest, EmptyGroupNameStaysEmpty) {
    Script("[Group]\r\nName=\r\n");
    ReadCopyStart();
    EXPECT_EQ(InstallSettings.GroupName, "");
}

TEST_F(SetupScriptTest, ScriptGoneLaterGivesEmptyListsAndDefaults) {
    CopyLists lists = ReadCopyStart();
    EXPECT_TRUE(lists.ProgramFiles.empty());
    EXPECT_TRUE(lists.WindowsFiles.empty());
    EXPECT_EQ(InstallSettings.GroupName, "Gruppex");
    EXPECT_TRUE(ReadShortcutItems().empty());
}

TEST_F(SetupScriptTest, ItemsInFileOrder) {
    Script("[Items]\nAPP.EXE=Kundenverwaltung\nDOC\\LIESMICH.TXT=Lies mich\nLEER.TXT=\n");
    auto items = ReadShortcutItems();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].File, "APP.EXE");
    EXPECT_EQ(items[0].Title, "Kundenverwaltung");
    EXPECT_EQ(items[1].File, "DOC\\LIESMICH.TXT");
}

TEST_F(SetupScriptTest, ScriptIsReadAfreshAtEachMoment) {
    Script("[Group]\r\nName=Alt\r\n");
    ReadCopyStart();
    EXPECT_EQ(InstallSettings.GroupName, "Alt");
    Script("[Group]\r\nName=Neu\r\n");
    ReadCopyStart();
    EXPECT_EQ(InstallSettings.GroupName, "Neu");
}
