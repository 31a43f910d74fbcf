#include "startup/ModeWindows.h"
#include "forms/Placeholder.h"
#include "ui/StdCtrls.h"

namespace {

// Says plainly that this build has no wizard or uninstall window yet; its one button ends
// the program like the real windows' "Beenden".
class TPlaceholder : public TForm {
  public:
    TPlaceholder(const FormDesign& form, const ControlDesign& text)
        : TForm(form), Label1(*this, text), bnEnd(*this, PlaceholderLayout::bnEnd) {}

    TLabel Label1;
    TButton bnEnd;
};

std::unique_ptr<TForm> CreateWizardPlaceholder() {
    return std::make_unique<TPlaceholder>(PlaceholderLayout::Wizard, PlaceholderLayout::WizardText);
}

std::unique_ptr<TForm> CreateUninstallerPlaceholder() {
    return std::make_unique<TPlaceholder>(PlaceholderLayout::Uninstaller, PlaceholderLayout::UninstallerText);
}

// Nothing to click through: the placeholder waits for the user.
void LeavePlaceholderToUser() {}

} // namespace

ModeWindowHooks ModeWindows = {CreateWizardPlaceholder, LeavePlaceholderToUser, CreateUninstallerPlaceholder};
