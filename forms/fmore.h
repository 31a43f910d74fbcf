// The options dialog: desktop and start-menu shortcuts.
#pragma once
#include "ui/Design.h"

namespace fmoreLayout {

constexpr FormDesign Form{.ClassName = "Tf_more",
                          .Caption = "Anwendungs-Einrichtung...",
                          .ClientWidth = 412,
                          .ClientHeight = 242,
                          .Border = TBorderStyle::Dialog};

constexpr ControlDesign BitBtn1{.Name = "BitBtn1",
                                .Left = 16,
                                .Top = 196,
                                .Width = 105,
                                .Height = 33,
                                .Caption = "&Ok",
                                .Kind = TBitBtnKind::OK};
constexpr ControlDesign GroupBox1{.Name = "GroupBox1",
                                  .Left = 16,
                                  .Top = 12,
                                  .Width = 380,
                                  .Height = 170,
                                  .Caption = " Setup kann für das Programm einrichten: ",
                                  .Font = {"MS Sans Serif", 15, fsBold}};
constexpr ControlDesign cbStartmenu{.Name = "cbStartmenu",
                                    .Left = 16,
                                    .Top = 64,
                                    .Width = 350,
                                    .Height = 24,
                                    .Caption = "Einen Eintrag in das &Startmenü vornehmen",
                                    .Font = {"MS Sans Serif", 15}};
constexpr ControlDesign cbDesktop{.Name = "cbDesktop",
                                  .Left = 16,
                                  .Top = 34,
                                  .Width = 350,
                                  .Height = 24,
                                  .Caption = "Auf dem Desktop eine &Verknüpfung anlegen",
                                  .Font = {"MS Sans Serif", 15}};
constexpr ControlDesign Label1{
    .Name = "Label1",
    .Left = 16,
    .Top = 102,
    .Width = 350,
    .Height = 54,
    .Caption = "Wählen Sie bei Bedarf eine oder mehrere der oben angebotenen Optionen aus.",
    .Font = {"Arial", 15, 0, clNavy},
    .WordWrap = true};

} // namespace fmoreLayout
