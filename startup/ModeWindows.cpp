#include "startup/ModeWindows.h"
#include "forms/Placeholder.h"
#include "script/Settings.h"
#include "ui/StdCtrls.h"
#include "wizard/fInfo.h"

using namespace PlaceholderLayout;

namespace {

// Says plainly that this build has no wizard yet, shows the directory that would be proposed
// and offers the readme; "Beenden" ends the program like the wizard's.
class TWizardPlaceholder : public TForm {
  public:
    TWizardPlaceholder()
        : TForm(Wizard), Label1(*this, WizardText), Label2(*this, PlaceholderLayout::Label2),
          edPathName(*this, PlaceholderLayout::edPathName), bnInfo(*this, PlaceholderLayout::bnInfo),
          bnEnd(*this, WizardEnd) {
        edPathName.SetText(InstallSettings.DefaultPath);
        SendMessageA(edPathName.Handle(), EM_SETREADONLY, TRUE, 0);
        bnInfo.OnClick = [this] { bnInfoClick(); };
    }

    TLabel Label1;
    TLabel Label2;
    TEdit edPathName;
    TButton bnInfo;
    TButton bnEnd;

    void bnInfoClick() { f_info->ShowModal(); }
};

// Says plainly that this build has no uninstall window yet.
class TUninstallPlaceholder : public TForm {
  public:
    TUninstallPlaceholder()
        : TForm(Uninstaller), Label1(*this, UninstallerText), bnEnd(*this, UninstallerEnd) {}

    TLabel Label1;
    TButton bnEnd;
};

std::unique_ptr<TForm> CreateWizardPlaceholder() {
    return std::make_unique<TWizardPlaceholder>();
}

std::unique_ptr<TForm> CreateUninstallerPlaceholder() {
    return std::make_unique<TUninstallPlaceholder>();
}

// Nothing to click through: the placeholder waits for the user.
void LeavePlaceholderToUser() {}

} // namespace

ModeWindowHooks ModeWindows = {CreateWizardPlaceholder, LeavePlaceholderToUser, CreateUninstallerPlaceholder};
