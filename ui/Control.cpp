#include "ui/Control.h"
#include "ui/Forms.h"
#include "ui/Measure.h"

static const char kControlProperty[] = "SetupControl";
static int nextControlId = 100; // above IDOK and IDCANCEL, which dialog keys send
int TControl::PendingItemHeight = 16;

TControl* ControlOf(HWND window) {
    return window ? static_cast<TControl*>(GetPropA(window, kControlProperty)) : nullptr;
}

COLORREF ColorToRGB(TColor color) {
    return (color & 0x80000000u) ? GetSysColor(static_cast<int>(color & 0xFF)) : color;
}

int ScreenPixelsPerInch() {
    static const int ppi = GetDeviceCaps(ScreenDC().get(), LOGPIXELSY);
    return ppi;
}

LRESULT CALLBACK ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* control = static_cast<TControl*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        control->handle_ = window;
        SetPropA(window, kControlProperty, control);
    }
    TControl* control = ControlOf(window);
    if (!control) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        RemovePropA(window, kControlProperty);
        control->handle_ = nullptr;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return control->WndProc(message, wParam, lParam);
}

TControl::TControl(TControl* parent, const ControlDesign& design)
    : design_(design), parent_(parent), color_(design.Color), font_(design.Font) {
    if (parent_) parent_->children_.push_back(this);
}

TControl::~TControl() {
    if (parent_) std::erase(parent_->children_, this);
    if (handle_) {
        RemovePropA(handle_, kControlProperty);
        DestroyWindow(handle_);
    }
}

void TControl::RegisterControlClass(const char* className, HICON icon) {
    WNDCLASSA existing;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (GetClassInfoA(instance, className, &existing)) return;
    WNDCLASSA cls = {};
    cls.style = CS_DBLCLKS;
    cls.lpfnWndProc = ControlWindowProc;
    cls.hInstance = instance;
    cls.hIcon = icon;
    cls.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    cls.lpszClassName = className;
    RegisterClassA(&cls);
}

int TControl::Scaled(int designPixels) const {
    return ScaleDesign(designPixels, ScreenPixelsPerInch());
}

void TControl::CreateHandle(const char* className, DWORD style, DWORD exStyle) {
    id_ = nextControlId++;
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (design_.Visible) style |= WS_VISIBLE;
    if (!design_.Enabled) style |= WS_DISABLED;
    HWND window =
        CreateWindowExA(exStyle, className, design_.Caption, style, Scaled(design_.Left), Scaled(design_.Top),
                        Scaled(design_.Width), Scaled(design_.Height), parent_->Handle(),
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), GetModuleHandleA(nullptr), this);
    if (!window) return;
    if (!ControlOf(window)) { // a system class: attach this object to its window
        handle_ = window;
        SetPropA(window, kControlProperty, this);
    }
    ApplyFont();
    if (design_.Align != TAlign::None) parent_->Realign();
}

TForm& TControl::Form() {
    TControl* control = this;
    while (control->parent_)
        control = control->parent_;
    return static_cast<TForm&>(*control);
}

std::string TControl::Caption() const {
    const int length = GetWindowTextLengthA(handle_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(handle_, text.data(), length + 1)));
    return text;
}

void TControl::SetCaption(const std::string& caption) {
    SetWindowTextA(handle_, caption.c_str());
}

static RECT BoundsInParent(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    if (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD)
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int TControl::Left() const {
    return BoundsInParent(handle_).left;
}
int TControl::Top() const {
    return BoundsInParent(handle_).top;
}
int TControl::Width() const {
    RECT rect = BoundsInParent(handle_);
    return rect.right - rect.left;
}
int TControl::Height() const {
    RECT rect = BoundsInParent(handle_);
    return rect.bottom - rect.top;
}

void TControl::SetBounds(int left, int top, int width, int height) {
    SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The control's own flag: true even while its form is still hidden.
bool TControl::Visible() const {
    return (GetWindowLongPtrA(handle_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void TControl::SetVisible(bool visible) {
    ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE);
}

bool TControl::Enabled() const {
    return IsWindowEnabled(handle_);
}

void TControl::SetEnabled(bool enabled) {
    EnableWindow(handle_, enabled);
}

void TControl::SetFocus() {
    ::SetFocus(handle_);
}

void TControl::SendToBack() {
    SetWindowPos(handle_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TControl::SetColor(TColor color) {
    color_ = color;
    brush_.reset();
    Invalidate();
}

void TControl::SetFontColor(TColor color) {
    if (!font_.Name) font_ = EffectiveFont();
    font_.Color = color;
    Invalidate();
}

FontDesign TControl::EffectiveFont() const {
    if (font_.Name) return font_;
    return parent_ ? parent_->EffectiveFont() : FontDesign{"MS Sans Serif", 13};
}

void TControl::ApplyFont() {
    const FontDesign font = EffectiveFont();
    fontHandle_.reset(CreateFontA(-Scaled(font.Height), 0, 0, 0, (font.Style & fsBold) ? FW_BOLD : FW_NORMAL,
                                  (font.Style & fsItalic) != 0, (font.Style & fsUnderline) != 0, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_DONTCARE, font.Name));
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle_.get()), FALSE);
}

void TControl::Invalidate() {
    if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

HBRUSH TControl::BackgroundBrush() {
    if (!brush_.get()) brush_.reset(CreateSolidBrush(ColorToRGB(color_)));
    return brush_.get();
}

TControl* TControl::FindById(int id) {
    if (id_ == id) return this;
    for (TControl* child : children_)
        if (TControl* found = child->FindById(id)) return found;
    return nullptr;
}

TControl* TControl::FindButton(bool wantDefault) {
    if ((wantDefault ? IsDefault() : IsCancel()) && IsWindowVisible(handle_) && IsWindowEnabled(handle_))
        return this;
    for (TControl* child : children_)
        if (TControl* found = child->FindButton(wantDefault)) return found;
    return nullptr;
}

void TControl::PaintBackground(HDC dc) {
    RECT rect;
    GetClientRect(handle_, &rect);
    FillRect(dc, &rect, BackgroundBrush());
}

void TControl::PaintBackgroundFor(TControl& child, HDC dc) {
    const RECT bounds = BoundsInParent(child.Handle());
    const int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, -bounds.left, -bounds.top, nullptr);
    PaintBackground(dc);
    RestoreDC(dc, saved);
}

HBRUSH TControl::CtlColor(HDC dc) {
    SetTextColor(dc, ColorToRGB(EffectiveFont().Color));
    if (design_.Transparent) {
        parent_->PaintBackgroundFor(*this, dc);
        SetBkMode(dc, TRANSPARENT);
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    SetBkColor(dc, ColorToRGB(color_));
    return BackgroundBrush();
}

// Delphi's order: top, bottom, left and right edges first, then the rest to the client.
void TControl::Realign() {
    RECT area;
    GetClientRect(handle_, &area);
    for (TAlign pass : {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Right, TAlign::Client}) {
        for (TControl* child : children_) {
            if (child->design_.Align != pass || !child->handle_) continue;
            const int width = child->Width(), height = child->Height();
            switch (pass) {
            case TAlign::Top:
                child->SetBounds(area.left, area.top, area.right - area.left, height);
                area.top += height;
                break;
            case TAlign::Bottom:
                area.bottom -= height;
                child->SetBounds(area.left, area.bottom, area.right - area.left, height);
                break;
            case TAlign::Left:
                child->SetBounds(area.left, area.top, width, area.bottom - area.top);
                area.left += width;
                break;
            case TAlign::Right:
                area.right -= width;
                child->SetBounds(area.right, area.top, width, area.bottom - area.top);
                break;
            default:
                child->SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
            }
        }
    }
}

LRESULT TControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (TControl* child = ControlOf(reinterpret_cast<HWND>(lParam))) {
            child->Command(HIWORD(wParam));
            return 0;
        }
        break;
    case WM_NOTIFY:
        if (TControl* child = ControlOf(reinterpret_cast<NMHDR*>(lParam)->hwndFrom))
            return child->Notify(*reinterpret_cast<NMHDR*>(lParam));
        break;
    case WM_DRAWITEM:
        if (TControl* child = ControlOf(reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem)) {
            child->DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        }
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        if (TControl* child = ControlOf(reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(child->CtlColor(reinterpret_cast<HDC>(wParam)));
        break;
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = static_cast<UINT>(PendingItemHeight);
        return TRUE;
    case WM_SIZE:
        Realign();
        break;
    case WM_ERASEBKGND:
        PaintBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_PRINTCLIENT:
        PaintBackground(reinterpret_cast<HDC>(wParam));
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(handle_, &paint);
        Paint(dc);
        EndPaint(handle_, &paint);
        return 0;
    }
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcA(handle_, message, wParam, lParam);
        Invalidate(); // custom controls draw their caption themselves
        return result;
    }
    }
    return DefWindowProcA(handle_, message, wParam, lParam);
}
