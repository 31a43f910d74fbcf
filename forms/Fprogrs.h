// The progress window: source, target and a gauge.
#pragma once
#include "ui/Design.h"

namespace FprogrsLayout {

constexpr FormDesign Form{.ClassName = "Tf_Progress",
                          .Caption = "Kopiere...",
                          .ClientWidth = 479,
                          .ClientHeight = 221,
                          .Border = TBorderStyle::Dialog,
                          .ScreenCenter = true};

constexpr FontDesign BoldText{"MS Sans Serif", 13, fsBold};

constexpr ControlDesign Label1{
    .Name = "Label1", .Left = 16, .Top = 12, .Caption = "Von:", .Font = BoldText, .AutoSize = true};
constexpr ControlDesign pnFrom{.Name = "pnFrom",
                               .Left = 16,
                               .Top = 30,
                               .Width = 447,
                               .Height = 22,
                               .Caption = "pnFrom",
                               .Font = BoldText};
constexpr ControlDesign Label2{
    .Name = "Label2", .Left = 16, .Top = 62, .Caption = "Nach:", .Font = BoldText, .AutoSize = true};
constexpr ControlDesign pnTo{
    .Name = "pnTo", .Left = 16, .Top = 80, .Width = 447, .Height = 22, .Caption = "pnTo", .Font = BoldText};
constexpr ControlDesign bnEsc{
    .Name = "bnEsc", .Left = 187, .Top = 168, .Width = 105, .Height = 33, .Kind = TBitBtnKind::Cancel};
constexpr ControlDesign Gauge1{
    .Name = "Gauge1", .Left = 16, .Top = 118, .Width = 447, .Height = 26, .Font = BoldText, .Color = clBlue};

} // namespace FprogrsLayout
