// The message dialog: caption by type, the type's icon, German buttons, the modal result.
#pragma once
#include <string>

enum class TMsgDlgType { Warning, Error, Information, Confirmation };

enum TMsgDlgButtons : unsigned { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8 };

// Shows the text and waits for a button: the result is mrYes, mrNo, mrOk or mrCancel. Enter
// presses OK or Yes; Escape and the close box press Cancel, else No, else OK.
int MessageDlg(const std::string& text, TMsgDlgType type, unsigned buttons);
