// The message dialog: captions by dialog type, its buttons, and the measures of its layout.
#pragma once
#include "ui/Design.h"

namespace MessageForm {

constexpr FormDesign Form{.ClassName = "TMessageForm", .Border = TBorderStyle::Dialog, .ScreenCenter = true};

constexpr const char* WarningCaption = "Warnung";
constexpr const char* ErrorCaption = "Fehler";
constexpr const char* InformationCaption = "Information";
constexpr const char* ConfirmationCaption = "Bestätigen";

// In the order in which the buttons stand, left to right.
constexpr ControlDesign Yes{.Name = "Yes", .Caption = "&Ja", .ModalResult = mrYes};
constexpr ControlDesign No{.Name = "No", .Caption = "&Nein", .ModalResult = mrNo};
constexpr ControlDesign OK{.Name = "OK", .Caption = "OK", .ModalResult = mrOk};
constexpr ControlDesign Cancel{.Name = "Cancel", .Caption = "Abbrechen", .ModalResult = mrCancel};

constexpr ControlDesign Image{.Name = "Image"};
constexpr ControlDesign Message{.Name = "Message", .WordWrap = true};

// Design pixels.
constexpr int Margin = 10;
constexpr int ButtonWidth = 94;
constexpr int ButtonHeight = 31;
constexpr int ButtonSpacing = 8;
constexpr int TextMaxWidth = 480;

} // namespace MessageForm
