#include "ui/ExtCtrls.h"
#include "ui/Forms.h"
#include "ui/Measure.h"

TTimer::TTimer(TForm& owner, const ControlDesign& design)
    : owner_(owner), id_(owner.AddTimer(*this)), interval_(design.Interval) {
    SetEnabled(design.Enabled);
}

TTimer::~TTimer() {
    SetEnabled(false);
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (enabled)
        SetTimer(owner_.Handle(), id_, static_cast<UINT>(interval_), nullptr);
    else
        KillTimer(owner_.Handle(), id_);
}

void TTimer::Fire() {
    if (OnTimer) Application.Call(OnTimer);
}

static UINT TextAlignment(TAlignment alignment) {
    return alignment == TAlignment::Center ? DT_CENTER : alignment == TAlignment::Right ? DT_RIGHT : DT_LEFT;
}

// Draws the caption of a custom control in its font and font colour.
static void DrawCaption(HDC dc, HFONT font, COLORREF color, const std::string& text, RECT rect, UINT format) {
    SelectObjectScope selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

TPanel::TPanel(TControl& parent, const ControlDesign& design) : TControl(&parent, design) {
    RegisterControlClass("TPanel");
    CreateHandle("TPanel", WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

void TPanel::Paint(HDC dc) {
    RECT rect;
    GetClientRect(handle_, &rect);
    if (design_.Bevel != TBevelCut::None) {
        DrawEdge(dc, &rect, design_.Bevel == TBevelCut::Lowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER,
                 BF_RECT | BF_ADJUST);
    }
    InflateRect(&rect, -2, 0);
    DrawCaption(dc, FontHandleOf(), ColorToRGB(EffectiveFont().Color), Caption(), rect,
                DT_SINGLELINE | DT_VCENTER | TextAlignment(design_.Alignment));
}

TGroupBox::TGroupBox(TControl& parent, const ControlDesign& design) : TControl(&parent, design) {
    RegisterControlClass("TGroupBox");
    CreateHandle("TGroupBox", WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

void TGroupBox::Paint(HDC dc) {
    RECT rect;
    GetClientRect(handle_, &rect);
    const std::string caption = Caption();
    SIZE text = {0, 0};
    {
        SelectObjectScope selected(dc, FontHandleOf());
        GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
    }
    RECT frame = rect;
    frame.top = text.cy / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    RECT label = {Scaled(8), 0, Scaled(8) + text.cx, text.cy};
    FillRect(dc, &label, BackgroundBrush());
    DrawCaption(dc, FontHandleOf(), ColorToRGB(EffectiveFont().Color), caption, label, DT_SINGLELINE);
}

TBevel::TBevel(TControl& parent, const ControlDesign& design) : TControl(&parent, design) {
    RegisterControlClass("TBevel");
    CreateHandle("TBevel", 0);
    SendToBack();
}

void TBevel::PaintBackground(HDC dc) {
    Parent()->PaintBackgroundFor(*this, dc);
}

void TBevel::Paint(HDC dc) {
    RECT rect;
    GetClientRect(handle_, &rect);
    DrawEdge(dc, &rect, design_.Bevel == TBevelCut::Raised ? EDGE_BUMP : EDGE_ETCHED, BF_RECT);
}

TImage::TImage(TControl& parent, const ControlDesign& design) : TControl(&parent, design) {
    CreateHandle("STATIC", SS_ICON | SS_CENTERIMAGE);
}

void TImage::SetIcon(HICON icon) {
    SendMessageA(handle_, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

TGauge::TGauge(TControl& parent, const ControlDesign& design) : TControl(&parent, design) {
    RegisterControlClass("TGauge");
    CreateHandle("TGauge", 0);
    Update();
}

int TGauge::PercentDone() const {
    return GaugePercent(min_, max_, progress_);
}

void TGauge::SetMaxValue(int maxValue) {
    max_ = maxValue;
    Update();
}

void TGauge::SetProgress(int progress) {
    progress_ = progress;
    Update();
}

void TGauge::Update() {
    SetCaption(GaugeText(PercentDone()));
    Invalidate();
    UpdateWindow(handle_); // the copy loops that move the gauge do not wait for paint messages
}

void TGauge::Paint(HDC dc) {
    RECT rect;
    GetClientRect(handle_, &rect);
    FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&rect, -1, -1);
    RECT done = rect, rest = rect;
    done.right = rect.left + (rect.right - rect.left) * PercentDone() / 100;
    rest.left = done.right;
    const COLORREF barColor = ColorToRGB(Color());
    BrushHandle bar(CreateSolidBrush(barColor));
    FillRect(dc, &done, bar.get());
    FillRect(dc, &rest, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    // The text in white over the bar and in black over the rest.
    const std::string text = Caption();
    const UINT format = DT_SINGLELINE | DT_CENTER | DT_VCENTER;
    for (const auto& [part, color] : {std::pair{done, RGB(255, 255, 255)}, std::pair{rest, RGB(0, 0, 0)}}) {
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, part.left, part.top, part.right, part.bottom);
        DrawCaption(dc, FontHandleOf(), color, text, rect, format);
        RestoreDC(dc, saved);
    }
}

static ControlDesign PageDesign(const char* name) {
    ControlDesign design;
    design.Name = name;
    design.Caption = name;
    design.Align = TAlign::Client;
    design.Visible = false;
    return design;
}

TPage::TPage(TControl& notebook, const char* name) : TControl(&notebook, PageDesign(name)) {
    RegisterControlClass("TPage");
    CreateHandle("TPage", WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

TNotebook::TNotebook(TControl& parent, const ControlDesign& design,
                     std::initializer_list<const char*> pageNames)
    : TControl(&parent, design) {
    RegisterControlClass("TNotebook");
    CreateHandle("TNotebook", WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
    for (const char* name : pageNames)
        pages_.push_back(std::make_unique<TPage>(*this, name));
    SetPageIndex(0);
}

void TNotebook::SetPageIndex(int index) {
    if (index < 0 || index >= PageCount()) return;
    pageIndex_ = index;
    for (int i = 0; i < PageCount(); ++i)
        Page(i).SetVisible(i == index);
}

std::string TNotebook::ActivePage() const {
    return pages_.empty() ? "" : pages_[static_cast<size_t>(pageIndex_)]->Name();
}

void TNotebook::SetActivePage(const std::string& name) {
    for (int i = 0; i < PageCount(); ++i)
        if (name == Page(i).Name()) SetPageIndex(i);
}
