// The message dialog driven as a user would: from a timer inside its modal loop.
#include "ui/Dialogs.h"
#include "ui/Forms.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

enum class Action { Enter, Escape, CloseBox, ClickNo };

struct Seen {
    std::string caption;
    std::vector<std::string> buttons;
    Action action = Action::Enter;
};
Seen seen;

std::string TextOf(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

BOOL CALLBACK CollectButton(HWND child, LPARAM) {
    char cls[32] = "";
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Button") == 0) seen.buttons.push_back(TextOf(child));
    return TRUE;
}

BOOL CALLBACK FindNo(HWND child, LPARAM found) {
    if (TextOf(child) == "&Nein") *reinterpret_cast<HWND*>(found) = child;
    return TRUE;
}

void CALLBACK Drive(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = FindWindowA("TMessageForm", nullptr);
    if (!dialog || !IsWindowVisible(dialog)) return;
    KillTimer(nullptr, id);
    seen.caption = TextOf(dialog);
    EnumChildWindows(dialog, CollectButton, 0);
    HWND no = nullptr;
    switch (seen.action) {
    case Action::Enter:
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
        break;
    case Action::Escape:
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
        break;
    case Action::CloseBox:
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        break;
    case Action::ClickNo:
        EnumChildWindows(dialog, FindNo, reinterpret_cast<LPARAM>(&no));
        PostMessageA(no, BM_CLICK, 0, 0);
        break;
    }
}

} // namespace

TEST(MessageDlg, CaptionsButtonsAndKeysByType) {
    struct Case {
        TMsgDlgType type;
        unsigned buttons;
        Action action;
        const char* caption;
        std::vector<std::string> captions;
        int result;
    } cases[] = {
        {TMsgDlgType::Information, mbOK, Action::Enter, "Information", {"OK"}, mrOk},
        {TMsgDlgType::Warning, mbOK, Action::Escape, "Warnung", {"OK"}, mrOk},
        {TMsgDlgType::Confirmation, mbYes | mbNo, Action::Enter, "Bestätigen", {"&Ja", "&Nein"}, mrYes},
        {TMsgDlgType::Confirmation, mbYes | mbNo, Action::Escape, "Bestätigen", {"&Ja", "&Nein"}, mrNo},
        {TMsgDlgType::Confirmation, mbYes | mbNo, Action::ClickNo, "Bestätigen", {"&Ja", "&Nein"}, mrNo},
        // Closing a yes/no question is no consent: it answers like Escape.
        {TMsgDlgType::Confirmation, mbYes | mbNo, Action::CloseBox, "Bestätigen", {"&Ja", "&Nein"}, mrNo},
        {TMsgDlgType::Warning,
         mbYes | mbNo | mbCancel,
         Action::Enter,
         "Warnung",
         {"&Ja", "&Nein", "Abbrechen"},
         mrYes},
        {TMsgDlgType::Warning,
         mbYes | mbNo | mbCancel,
         Action::Escape,
         "Warnung",
         {"&Ja", "&Nein", "Abbrechen"},
         mrCancel},
        {TMsgDlgType::Warning,
         mbYes | mbNo | mbCancel,
         Action::CloseBox,
         "Warnung",
         {"&Ja", "&Nein", "Abbrechen"},
         mrCancel},
    };
    for (const auto& c : cases) {
        seen = Seen{};
        seen.action = c.action;
        SetTimer(nullptr, 0, 20, Drive);
        const int result = MessageDlg("Verzeichnis existiert nicht!\r\rErstellen?", c.type, c.buttons);
        EXPECT_EQ(result, c.result) << c.caption << " " << static_cast<int>(c.action);
        EXPECT_EQ(seen.caption, c.caption);
        EXPECT_EQ(seen.buttons, c.captions);
    }
}
