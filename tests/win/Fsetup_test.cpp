// The main form created as the program creates it, in uninstall mode (the test program is
// not named Setup.exe), with a stand-in for the uninstall window.
#include "TestUtil.h"
#include "script/Settings.h"
#include "startup/Fsetup.h"
#include "startup/ModeWindows.h"
#include "startup/StartupRules.h"
#include "sysinfo/Helpers.h"
#include "sysinfo/StrUtil.h"
#include "ui/Registry.h"
#include <gtest/gtest.h>

namespace {

const char kUninstallKey[] = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

constexpr FormDesign StandInDesign{.ClassName = "TStandIn",
                                   .Caption = "Stand-in",
                                   .ClientWidth = 300,
                                   .ClientHeight = 200,
                                   .Border = TBorderStyle::Dialog};

struct StandInRecord {
    int created = 0, freed = 0, left = 0, top = 0, width = 0, height = 0;
} standIn;

class TStandIn : public TForm {
  public:
    TStandIn() : TForm(StandInDesign) {
        ++standIn.created;
        OnShow = [this] { FormShow(); };
    }
    ~TStandIn() override { ++standIn.freed; }
    void FormShow() {
        standIn.left = Left();
        standIn.top = Top();
        standIn.width = Width();
        standIn.height = Height();
        ModalResult = mrOk; // ends the modal display at once
    }
};

std::unique_ptr<TForm> CreateStandIn() {
    return std::make_unique<TStandIn>();
}

bool NoKeys() {
    return false;
}
bool ShiftCtrlHeld() {
    return true;
}

// The log beside the test program, and an earlier installation's registry entry.
class FsetupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InitHelpers();
        ResetInstallSettings();
        UnattendedMode = false;
        Application.Terminated = false;
        Application.Title = "Setup";
        folder = "SetupFormTest" + std::to_string(GetCurrentProcessId());
        WriteFileBytes(ProgramDir + "install1.log", "[General]\r\nName=Kassenbuch\r\n[StartMenu]\r\nFolder=" +
                                                        folder + "\r\n[Group]\r\nName=Kasse\r\n");
    }
    void TearDown() override {
        DeleteFileA((ProgramDir + "install1.log").c_str());
        TRegistry(HKEY_LOCAL_MACHINE).DeleteKey(kUninstallKey + folder);
        ShiftCtrlQuery = NoKeys;
        UnattendedMode = false;
        Application.MainForm = nullptr;
        Application.Terminated = false;
        MSG msg; // the quit message that closing the main form posts
        while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    void WriteUninstallString(const std::string& value) {
        TRegistry registry(HKEY_LOCAL_MACHINE);
        ASSERT_TRUE(registry.OpenKey(kUninstallKey + folder, true));
        registry.WriteString("UninstallString", value);
    }
    std::unique_ptr<Tf_Setup> Create() {
        auto form = std::make_unique<Tf_Setup>();
        f_Setup = form.get();
        Application.MainForm = form.get();
        form->DoCreate();
        return form;
    }
    std::string folder;
};

} // namespace

TEST_F(FsetupTest, UninstallModeShowsItsStepsTitleAndSettings) {
    ShiftCtrlQuery = NoKeys;
    auto form = Create();
    EXPECT_FALSE(UnattendedMode);
    EXPECT_EQ(form->Caption(), "Deinstallation");
    EXPECT_EQ(form->SetupType.Caption(), "Deinstallation");
    EXPECT_EQ(form->SetupType.EffectiveFont().Color, clRed);
    const char* steps[] = {"START", "1. Sicherheitsabfrage", "2. Programmdateien löschen",
                           "3. Abfrage Daten löschen", "ZIEL"};
    ASSERT_EQ(form->TreeView1.Count(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(form->TreeView1.Item(i), steps[i]);
    EXPECT_EQ(form->TreeView1.SelectedIndex(), -1); // nothing until the uninstaller starts
    EXPECT_EQ(form->lbProgName.Caption(), "Kassenbuch");
    EXPECT_EQ(InstallSettings.ProgramName, "Kassenbuch");
    EXPECT_EQ(InstallSettings.GroupName, "Kasse");
    EXPECT_EQ(InstallSettings.DefaultPath, "C:\\App"); // the log has no defaultPath
    EXPECT_EQ(form->Left(), 1);
    EXPECT_EQ(form->Top(), 1);
    EXPECT_EQ(form->Width(), ScreenWidth());
    EXPECT_EQ(form->Height(), WorkArea().bottom - 3);
    // Starting creates the empty uninstall key when none exists.
    TRegistry registry(HKEY_LOCAL_MACHINE);
    EXPECT_TRUE(registry.OpenKey(kUninstallKey + folder, false));
}

TEST_F(FsetupTest, EarlierInstallationProposesItsDirectoryOnlyWhenItExists) {
    TempDir earlier;
    const std::string dir = ExcludeTrailingBackslash(earlier.Path());
    struct Case {
        std::string uninstallString, defaultPath;
    } cases[] = {
        {dir + "\\Uninstal.exe", dir},
        {dir + "\\Weg\\Uninstal.exe", "C:\\App"}, // deleted since: the script's value stays
        {"Uninstal.exe", "C:\\App"},
    };
    for (const auto& c : cases) {
        WriteUninstallString(c.uninstallString);
        ResetInstallSettings();
        auto form = Create();
        EXPECT_EQ(InstallSettings.DefaultPath, c.defaultPath) << c.uninstallString;
    }
}

TEST_F(FsetupTest, UnattendedBySwitchKeys) {
    ShiftCtrlQuery = ShiftCtrlHeld;
    auto form = Create();
    EXPECT_TRUE(UnattendedMode);
}

TEST_F(FsetupTest, Timer1OpensTheModeWindowOnceRightOfTheTreeAndEnds) {
    ShiftCtrlQuery = NoKeys;
    const auto saved = ModeWindows;
    ModeWindows.CreateUninstaller = CreateStandIn;
    standIn = StandInRecord{};
    auto form = Create();
    form->Timer1.SetEnabled(true);
    form->Timer1Timer();
    form->Timer1Timer(); // a second event finds the timer disabled
    ModeWindows = saved;
    EXPECT_EQ(standIn.created, 1);
    EXPECT_EQ(standIn.freed, 1);
    EXPECT_FALSE(form->Timer1.Enabled());
    EXPECT_FALSE(form->AutoTimer.Enabled()); // never in uninstall mode
    EXPECT_EQ(standIn.left, LeftRightOfTree(form->ClientWidth(), form->TreeView1.Width(), standIn.width));
    EXPECT_EQ(standIn.top, CentredTop(form->Height(), standIn.height));
    EXPECT_TRUE(Application.Terminated); // closing the main form ends the program
}
