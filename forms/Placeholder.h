// Stands where the wizard or the uninstall window will open, until their modules exist.
#pragma once
#include "ui/Design.h"

namespace PlaceholderLayout {

constexpr FormDesign FormCaptioned(const char* caption, int clientHeight) {
    return {.ClassName = "TPlaceholder",
            .Caption = caption,
            .ClientWidth = 517,
            .ClientHeight = clientHeight,
            .Border = TBorderStyle::Dialog,
            .SystemMenu = false};
}
constexpr ControlDesign TextSaying(const char* caption) {
    return {.Name = "Label1",
            .Left = 24,
            .Top = 20,
            .Width = 469,
            .Height = 44,
            .Caption = caption,
            .Font = {"Arial", 15},
            .WordWrap = true};
}
constexpr ControlDesign EndButtonAt(int top) {
    return {.Name = "bnEnd",
            .Left = 24,
            .Top = top,
            .Width = 90,
            .Height = 30,
            .Caption = "&Beenden",
            .Font = {"MS Sans Serif", 15},
            .ModalResult = mrOk,
            .Default = true};
}

constexpr FormDesign Wizard = FormCaptioned("Setup", 190);
constexpr ControlDesign WizardText =
    TextSaying("Der Installationsassistent ist in dieser Programmversion noch nicht "
               "enthalten. Es wurde nichts installiert.");
constexpr ControlDesign Label2{.Name = "Label2",
                               .Left = 24,
                               .Top = 74,
                               .Caption = "Vorgeschlagenes Installationsverzeichnis:",
                               .Font = {"Arial", 13},
                               .AutoSize = true};
constexpr ControlDesign edPathName{
    .Name = "edPathName", .Left = 24, .Top = 94, .Width = 469, .Height = 24, .Font = {"Arial", 13}};
constexpr ControlDesign bnInfo{.Name = "bnInfo",
                               .Left = 130,
                               .Top = 140,
                               .Width = 90,
                               .Height = 30,
                               .Caption = "Info...",
                               .Font = {"MS Sans Serif", 15}};
constexpr ControlDesign WizardEnd = EndButtonAt(140);

constexpr FormDesign Uninstaller = FormCaptioned("Deinstallation", 130);
constexpr ControlDesign UninstallerText = TextSaying(
    "Die Deinstallation ist in dieser Programmversion noch nicht enthalten. Es wurde nichts entfernt.");
constexpr ControlDesign UninstallerEnd = EndButtonAt(80);

} // namespace PlaceholderLayout
