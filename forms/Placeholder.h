// Stands where the wizard or the uninstall window will open, until their modules exist.
#pragma once
#include "ui/Design.h"

namespace PlaceholderLayout {

constexpr FormDesign FormCaptioned(const char* caption) {
    return {.ClassName = "TPlaceholder",
            .Caption = caption,
            .ClientWidth = 517,
            .ClientHeight = 150,
            .Border = TBorderStyle::Dialog,
            .SystemMenu = false};
}
constexpr ControlDesign TextSaying(const char* caption) {
    return {.Name = "Label1",
            .Left = 24,
            .Top = 24,
            .Width = 469,
            .Height = 60,
            .Caption = caption,
            .Font = {"Arial", 15},
            .WordWrap = true};
}

constexpr FormDesign Wizard = FormCaptioned("Setup");
constexpr FormDesign Uninstaller = FormCaptioned("Deinstallation");
constexpr ControlDesign WizardText =
    TextSaying("Der Installationsassistent ist in dieser Programmversion noch nicht "
               "enthalten. Es wurde nichts installiert.");
constexpr ControlDesign UninstallerText = TextSaying(
    "Die Deinstallation ist in dieser Programmversion noch nicht enthalten. Es wurde nichts entfernt.");
constexpr ControlDesign bnEnd{.Name = "bnEnd",
                              .Left = 24,
                              .Top = 100,
                              .Width = 90,
                              .Height = 30,
                              .Caption = "&Beenden",
                              .Font = {"MS Sans Serif", 15},
                              .ModalResult = mrOk,
                              .Default = true};

} // namespace PlaceholderLayout
