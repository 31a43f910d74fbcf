#include "ui/Dialogs.h"
#include "forms/MessageForm.h"
#include "ui/ExtCtrls.h"
#include "ui/Forms.h"
#include "ui/StdCtrls.h"
#include <algorithm>

namespace {

struct TypeLook {
    const char* caption;
    LPCSTR icon;
};

TypeLook LookOf(TMsgDlgType type) {
    switch (type) {
    case TMsgDlgType::Warning:
        return {MessageForm::WarningCaption, IDI_EXCLAMATION};
    case TMsgDlgType::Error:
        return {MessageForm::ErrorCaption, IDI_HAND};
    case TMsgDlgType::Information:
        return {MessageForm::InformationCaption, IDI_ASTERISK};
    default:
        return {MessageForm::ConfirmationCaption, IDI_QUESTION};
    }
}

ControlDesign ButtonDesign(const ControlDesign& base, bool isDefault, bool isCancel) {
    ControlDesign design = base;
    design.Default = isDefault;
    design.Cancel = isCancel;
    return design;
}

class TMessageForm : public TForm {
  public:
    TMessageForm(const std::string& text, TMsgDlgType type, unsigned buttons)
        : TForm(MessageForm::Form), Image(*this, MessageForm::Image), Message(*this, MessageForm::Message) {
        const TypeLook look = LookOf(type);
        SetCaption(look.caption);
        Image.SetIcon(LoadIconA(nullptr, look.icon));
        Message.SetCaption(text);
        const unsigned escape = (buttons & mbCancel) ? mbCancel : (buttons & mbNo) ? mbNo : mbOK;
        const unsigned enter = (buttons & mbOK) ? mbOK : (buttons & mbYes) ? mbYes : 0u;
        const std::pair<unsigned, const ControlDesign*> kinds[] = {{mbYes, &MessageForm::Yes},
                                                                   {mbNo, &MessageForm::No},
                                                                   {mbOK, &MessageForm::OK},
                                                                   {mbCancel, &MessageForm::Cancel}};
        for (const auto& [kind, design] : kinds) {
            if (!(buttons & kind)) continue;
            Buttons.push_back(
                std::make_unique<TButton>(*this, ButtonDesign(*design, kind == enter, kind == escape)));
            if (kind == escape) CloseResult = design->ModalResult;
        }
        Arrange(text);
    }

  private:
    void Arrange(const std::string& text) {
        using namespace MessageForm;
        const int margin = Scaled(Margin), buttonWidth = Scaled(ButtonWidth),
                  buttonHeight = Scaled(ButtonHeight), spacing = Scaled(ButtonSpacing);
        const int icon = GetSystemMetrics(SM_CXICON);
        RECT textRect = {0, 0, Scaled(TextMaxWidth), 0};
        {
            ScreenDC dc;
            SelectObjectScope selected(
                dc.get(), reinterpret_cast<HFONT>(SendMessageA(Message.Handle(), WM_GETFONT, 0, 0)));
            DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &textRect,
                      DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
        }
        const int buttonCount = static_cast<int>(Buttons.size());
        const int buttonsWidth = buttonCount * buttonWidth + (buttonCount - 1) * spacing;
        const int textLeft = margin + icon + margin;
        const int textWidth = textRect.right, textHeight = textRect.bottom;
        const int width = std::max(textLeft + textWidth + margin, buttonsWidth + 2 * margin);
        const int bodyHeight = std::max(icon, textHeight);
        const int buttonTop = margin + bodyHeight + margin + margin / 2;
        Image.SetBounds(margin, margin, icon, icon);
        Message.SetBounds(textLeft, margin + std::max(0, (icon - textHeight) / 2), textWidth + 1, textHeight);
        int x = (width - buttonsWidth) / 2;
        for (auto& button : Buttons) {
            button->SetBounds(x, buttonTop, buttonWidth, buttonHeight);
            x += buttonWidth + spacing;
        }
        SetClientSize(width, buttonTop + buttonHeight + margin);
        SetBounds((ScreenWidth() - Width()) / 2, (ScreenHeight() - Height()) / 2, Width(), Height());
    }

    TImage Image;
    TLabel Message;
    std::vector<std::unique_ptr<TButton>> Buttons;
};

} // namespace

int MessageDlg(const std::string& text, TMsgDlgType type, unsigned buttons) {
    TMessageForm form(text, type, buttons);
    return form.ShowModal();
}
