// The vocabulary of the layout definitions in forms/: plain data, no Win32. Sizes, positions
// and font heights are pixels of designs made at 120 pixels per inch.
#pragma once
#include <cstdint>

// 0x00BBGGRR; with the top bit set, the low byte names a system colour instead.
using TColor = std::uint32_t;
constexpr TColor clBlack = 0x000000, clNavy = 0x800000, clBlue = 0xFF0000, clTeal = 0x808000,
                 clRed = 0x0000FF, clLime = 0x00FF00, clSilver = 0xC0C0C0, clGray = 0x808080,
                 clWhite = 0xFFFFFF;
constexpr TColor clBtnFace = 0x8000000F, clWindow = 0x80000005, clWindowText = 0x80000008;

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4 };

// A font by name and character height; no name means the parent's font.
struct FontDesign {
    const char* Name = nullptr;
    int Height = 0;
    unsigned Style = 0;
    TColor Color = clWindowText;
};

enum class TAlign { None, Top, Bottom, Left, Right, Client };
enum class TAlignment { Left, Center, Right };
enum class TBevelCut { None, Lowered, Raised };
enum class TBitBtnKind { Custom, OK, Cancel };

// Modal results.
constexpr int mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7;

struct ControlDesign {
    const char* Name = "";
    int Left = 0, Top = 0, Width = 0, Height = 0;
    TAlign Align = TAlign::None;
    const char* Caption = "";
    FontDesign Font = {};
    TColor Color = clBtnFace;
    bool Visible = true;
    bool Enabled = true;
    bool Transparent = false; // labels: the parent shows through
    bool WordWrap = false;
    bool AutoSize = false; // labels: sized to their one-line caption
    TAlignment Alignment = TAlignment::Left;
    TBevelCut Bevel = TBevelCut::None;
    bool ScrollBar = false; // memos and list boxes: a vertical scroll bar
    TBitBtnKind Kind = TBitBtnKind::Custom;
    int ModalResult = mrNone;
    bool Default = false; // pressed by Enter
    bool Cancel = false;  // pressed by Escape
    int Interval = 0;     // timers, milliseconds
    int Indent = 0;       // tree views
    int ItemHeight = 0;   // list and combo boxes
};

enum class TBorderStyle { Sizeable, Dialog };

struct FormDesign {
    const char* ClassName = "";
    const char* Caption = "";
    int ClientWidth = 0, ClientHeight = 0;
    TBorderStyle Border = TBorderStyle::Sizeable;
    bool SystemMenu = true;
    bool MinimizeBox = false;
    bool MaximizeBox = false;
    FontDesign Font = {"MS Sans Serif", 13};
    TColor Color = clBtnFace;
    bool ScreenCenter = false;
};
