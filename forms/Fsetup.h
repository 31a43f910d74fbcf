// The background window: gradient, banner, program name, title panel and step tree.
#pragma once
#include "ui/Design.h"

namespace FsetupLayout {

constexpr FormDesign Form{.ClassName = "Tf_Setup",
                          .Caption = "Setup",
                          .ClientWidth = 800,
                          .ClientHeight = 600,
                          .MinimizeBox = true,
                          .Color = clSilver};

constexpr ControlDesign Timer1{.Name = "Timer1", .Enabled = false, .Interval = 200};
constexpr ControlDesign Label1{.Name = "Label1",
                               .Height = 18,
                               .Align = TAlign::Bottom,
                               .Caption = "    Vorlund Setup Vers. 2.01 v. 01.07.2004",
                               .Font = {"Arial", 15, fsBold, clLime},
                               .Color = clBlack};
constexpr ControlDesign Panel1{.Name = "Panel1", .Width = 201, .Align = TAlign::Left};
constexpr ControlDesign TreeView1{.Name = "TreeView1",
                                  .Align = TAlign::Client,
                                  .Font = {"Times New Roman", 15, 0, clBlack},
                                  .Color = clWhite,
                                  .Indent = 19};
constexpr ControlDesign lbProgName{.Name = "lbProgName",
                                   .Left = 213,
                                   .Top = 8,
                                   .Font = {"Arial", 23, fsBold | fsItalic, clWhite},
                                   .Transparent = true,
                                   .AutoSize = true};
constexpr ControlDesign SetupType{.Name = "SetupType",
                                  .Height = 41,
                                  .Align = TAlign::Top,
                                  .Caption = "Setup",
                                  .Font = {"Arial", 22, fsBold, clLime},
                                  .Color = clBlack,
                                  .Alignment = TAlignment::Center,
                                  .Bevel = TBevelCut::Lowered};
constexpr ControlDesign AutoTimer{.Name = "AutoTimer", .Enabled = false, .Interval = 2000};

constexpr const char* InstallSteps[] = {"START",
                                        "1. Begrüßung",
                                        "2. Information",
                                        "3. Lizenzbedingungen",
                                        "4. Installationsverzeichnis",
                                        "5. Dateien kopieren",
                                        "6. Shortcuts",
                                        "ZIEL"};
constexpr const char* UninstallSteps[] = {"START", "1. Sicherheitsabfrage", "2. Programmdateien löschen",
                                          "3. Abfrage Daten löschen", "ZIEL"};

constexpr const char* InstallTitle = "Setup";
constexpr const char* UninstallTitle = "Deinstallation";
constexpr TColor UninstallTitleColor = clRed;

} // namespace FsetupLayout
