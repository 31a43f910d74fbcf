// Stands where the wizard or the uninstall window will open, until their modules exist.
#pragma once
#include "ui/Design.h"

namespace PlaceholderLayout {

constexpr FormDesign Wizard{.ClassName = "TPlaceholder",
                            .Caption = "Setup",
                            .ClientWidth = 517,
                            .ClientHeight = 150,
                            .Border = TBorderStyle::Dialog,
                            .SystemMenu = false};
constexpr FormDesign Uninstaller{.ClassName = "TPlaceholder",
                                 .Caption = "Deinstallation",
                                 .ClientWidth = 517,
                                 .ClientHeight = 150,
                                 .Border = TBorderStyle::Dialog,
                                 .SystemMenu = false};

constexpr ControlDesign WizardText{
    .Name = "Label1",
    .Left = 24,
    .Top = 24,
    .Width = 469,
    .Height = 60,
    .Caption = "Der Installationsassistent ist in dieser Programmversion noch nicht enthalten. "
               "Es wurde nichts installiert.",
    .Font = {"Arial", 15},
    .WordWrap = true};
constexpr ControlDesign UninstallerText{
    .Name = "Label1",
    .Left = 24,
    .Top = 24,
    .Width = 469,
    .Height = 60,
    .Caption =
        "Die Deinstallation ist in dieser Programmversion noch nicht enthalten. Es wurde nichts entfernt.",
    .Font = {"Arial", 15},
    .WordWrap = true};
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
