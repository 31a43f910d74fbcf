#include "startup/Fsetup.h"
#include "forms/Fsetup.h"
#include "script/SetupScript.h"
#include "script/Settings.h"
#include "startup/Gradient.h"
#include "startup/ModeWindows.h"
#include "startup/StartupRules.h"
#include "sysinfo/Helpers.h"
#include "ui/Registry.h"

using namespace FsetupLayout;

bool UnattendedMode = false;
Tf_Setup* f_Setup = nullptr;

static bool QueryShiftCtrl() {
    return GetKeyState(VK_SHIFT) < 0 && GetKeyState(VK_CONTROL) < 0;
}
bool (*ShiftCtrlQuery)() = QueryShiftCtrl;

// Created once and kept for the whole run.
static bool GradientEnabled = false;
static BitmapHandle GradientBitmap;

static const char kUninstallKey[] = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

Tf_Setup::Tf_Setup()
    : TForm(FsetupLayout::Form), Timer1(*this, FsetupLayout::Timer1), Label1(*this, FsetupLayout::Label1),
      Panel1(*this, FsetupLayout::Panel1), TreeView1(Panel1, FsetupLayout::TreeView1),
      lbProgName(*this, FsetupLayout::lbProgName), SetupType(Panel1, FsetupLayout::SetupType),
      AutoTimer(*this, FsetupLayout::AutoTimer) {
    for (const char* step : InstallSteps)
        TreeView1.Add(step);
    OnCreate = [this] { FormCreate(); };
    OnPaint = [this] { FormPaint(); };
    Timer1.OnTimer = [this] { Timer1Timer(); };
    AutoTimer.OnTimer = [this] { AutoTimerTimer(); };
}

static std::string FirstParameterLowered() {
    std::string parameter = FirstParameter(GetCommandLineA());
    if (!parameter.empty()) CharLowerBuffA(parameter.data(), static_cast<DWORD>(parameter.size()));
    return parameter;
}

void Tf_Setup::FormCreate() {
    if (FirstParameterLowered() == "/s") UnattendedMode = true;
    if (ShiftCtrlQuery()) UnattendedMode = true;
    TreeView1.Select(0);
    Application.ProcessMessages();
    PrepareGradient();
    const bool installMode = IsInstallProgramName(GetProgramFileName());
    SetUpMode(installMode);
    SetBounds(1, 1, ScreenWidth(), WorkArea().bottom - 3);

    const std::string scriptName = ScriptNameFor(installMode);
    if (!FileExists(ProgramDir + scriptName)) {
        Application.ShowMessageBox(MissingScriptMessage(ProgramDir, scriptName), Application.Title, MB_OK);
        Application.Terminate();
        return;
    }
    ReadStartupSettings(ProgramDir + scriptName);
    lbProgName.SetCaption(InstallSettings.ProgramName);
    LookUpEarlierInstallation();
}

void Tf_Setup::PrepareGradient() {
    if (ScreenBitsPerPixel() <= 8) {
        GradientEnabled = false;
        return;
    }
    GradientEnabled = true;
    if (GradientBitmap.get()) return;
    ScreenDC screen;
    GradientBitmap.reset(CreateCompatibleBitmap(screen.get(), 1, kGradientRows));
    HDC memory = CreateCompatibleDC(screen.get());
    {
        SelectObjectScope selected(memory, GradientBitmap.get());
        for (int row = 0; row < kGradientRows; ++row)
            SetPixel(memory, 0, row, GradientRowColor(row));
    }
    DeleteDC(memory);
}

void Tf_Setup::SetUpMode(bool installMode) {
    if (installMode) {
        SetupType.SetCaption(InstallTitle);
        TreeView1.Select(1);
        return;
    }
    TreeView1.Clear();
    for (const char* step : UninstallSteps)
        TreeView1.Add(step);
    SetupType.SetCaption(UninstallTitle);
    SetupType.SetFontColor(UninstallTitleColor);
    SetCaption(UninstallTitle);
}

// A reinstallation proposes the directory of the earlier installation's uninstaller.
void Tf_Setup::LookUpEarlierInstallation() {
    std::string uninstallString;
    {
        TRegistry registry(HKEY_LOCAL_MACHINE);
        if (!registry.OpenKey(kUninstallKey + InstallSettings.StartMenuFolder, true)) return;
        try {
            uninstallString = registry.ReadString("UninstallString");
        } catch (const ERegistryException&) {
            return; // a value of another type is no uninstall string
        }
    }
    const std::string dir = EarlierInstallDir(uninstallString);
    if (!dir.empty() && DirectoryExists(dir)) InstallSettings.DefaultPath = dir;
}

void Tf_Setup::FormPaint() {
    if (!GradientEnabled) return;
    HDC memory = CreateCompatibleDC(Canvas());
    {
        SelectObjectScope selected(memory, GradientBitmap.get());
        SetStretchBltMode(Canvas(), COLORONCOLOR);
        StretchBlt(Canvas(), 0, 0, Width(), Height(), memory, 0, 0, 1, kGradientRows, SRCCOPY);
    }
    DeleteDC(memory);
}

void Tf_Setup::Timer1Timer() {
    if (!Timer1.Enabled()) return;
    Timer1.SetEnabled(false);
    const bool installMode = IsInstallProgramName(GetProgramFileName());
    std::unique_ptr<TForm> window =
        installMode ? ModeWindows.CreateWizard() : ModeWindows.CreateUninstaller();
    window->SetBounds(LeftRightOfTree(ClientWidth(), TreeView1.Width(), window->Width()),
                      CentredTop(Height(), window->Height()), window->Width(), window->Height());
    if (installMode && UnattendedMode) AutoTimer.SetEnabled(true);
    window->ShowModal();
    window.reset();
    Close();
}

void Tf_Setup::AutoTimerTimer() {
    AutoTimer.SetEnabled(false);
    ModeWindows.ClickThroughWizard();
}
