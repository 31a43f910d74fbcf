// The readme viewer.
#pragma once
#include "ui/Design.h"

namespace fInfoLayout {

constexpr FormDesign Form{.ClassName = "Tf_info",
                          .Caption = "Aktuelle Info - Liesmich.txt",
                          .ClientWidth = 640,
                          .ClientHeight = 480};

constexpr ControlDesign Memo1{.Name = "Memo1",
                              .Align = TAlign::Client,
                              .Caption = "Memo1",
                              .Font = {"Courier New", 18, fsBold, clBlack},
                              .ScrollBar = true};
constexpr ControlDesign Panel1{
    .Name = "Panel1", .Height = 38, .Align = TAlign::Bottom, .Bevel = TBevelCut::Lowered};
constexpr ControlDesign bnGoOn{
    .Name = "bnGoOn", .Left = 6, .Top = 5, .Width = 121, .Height = 28, .Caption = "&Weiter  >>"};

constexpr const char* ReadmeName = "Liesmich.txt";

} // namespace fInfoLayout
