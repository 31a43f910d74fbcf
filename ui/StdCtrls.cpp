#include "ui/StdCtrls.h"
#include "ui/Exception.h"
#include "ui/Forms.h"
#include "ui/Measure.h"

static DWORD StaticAlignment(const ControlDesign& design) {
    if (design.Alignment == TAlignment::Center) return SS_CENTER;
    if (design.Alignment == TAlignment::Right) return SS_RIGHT;
    return design.WordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
}

TLabel::TLabel(TControl& parent, const ControlDesign& design) : TControl(&parent, design) {
    CreateHandle("STATIC", StaticAlignment(design));
    FitToCaption();
}

void TLabel::SetCaption(const std::string& caption) {
    TControl::SetCaption(caption);
    FitToCaption();
}

void TLabel::FitToCaption() {
    if (!design_.AutoSize || design_.WordWrap) return;
    const std::string text = Caption();
    RECT rect = {0, 0, 0, 0};
    ScreenDC dc;
    SelectObjectScope selected(dc.get(), FontHandleOf());
    DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &rect, DT_CALCRECT | DT_SINGLELINE);
    // A little room for italic overhang, which the measured extent leaves out.
    SetBounds(Left(), Top(), rect.right + Scaled(4), rect.bottom);
}

TButton::TButton(TControl& parent, const ControlDesign& design)
    : TButton(parent, design, design.Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) {}

TButton::TButton(TControl& parent, const ControlDesign& design, DWORD style) : TControl(&parent, design) {
    CreateHandle("BUTTON", style | WS_TABSTOP);
}

void TButton::Command(WORD code) {
    if (code == BN_CLICKED) Click();
}

void TButton::Click() {
    if (!IsWindowEnabled(handle_)) return; // a click sent to a disabled button does nothing
    if (design_.ModalResult != mrNone) Form().ModalResult = design_.ModalResult;
    if (OnClick) Application.Call(OnClick);
}

static ControlDesign WithKind(ControlDesign design) {
    if (design.Kind == TBitBtnKind::OK) {
        if (!*design.Caption) design.Caption = "OK";
        design.ModalResult = mrOk;
        design.Default = true;
    } else if (design.Kind == TBitBtnKind::Cancel) {
        if (!*design.Caption) design.Caption = "Abbrechen";
        design.ModalResult = mrCancel;
        design.Cancel = true;
    }
    return design;
}

TBitBtn::TBitBtn(TControl& parent, const ControlDesign& design)
    : TButton(parent, WithKind(design), BS_OWNERDRAW) {}

// The pictures are drawn as lines, so they scale with the button and need no resources.
static void DrawKindGlyph(HDC dc, TBitBtnKind kind, int x, int y, int size) {
    const bool ok = kind == TBitBtnKind::OK;
    PenHandle pen(CreatePen(PS_SOLID, size / 6 + 1, ok ? RGB(0, 128, 0) : RGB(192, 0, 0)));
    SelectObjectScope selected(dc, pen.get());
    if (ok) {
        POINT tick[] = {{x, y + size / 2}, {x + size / 3, y + size - 2}, {x + size, y + 1}};
        Polyline(dc, tick, 3);
    } else {
        MoveToEx(dc, x + 1, y + 1, nullptr);
        LineTo(dc, x + size - 1, y + size - 1);
        MoveToEx(dc, x + size - 1, y + 1, nullptr);
        LineTo(dc, x + 1, y + size - 1);
    }
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
    RECT rect = item.rcItem;
    const bool pushed = item.itemState & ODS_SELECTED;
    const bool focused = item.itemState & ODS_FOCUS;
    if (focused || IsDefault()) {
        FrameRect(item.hDC, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&rect, -1, -1);
    }
    DrawFrameControl(item.hDC, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    const std::string caption = Caption();
    HDC dc = item.hDC;
    SelectObjectScope selected(dc, FontHandleOf());
    RECT textRect = {0, 0, 0, 0};
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &textRect, DT_CALCRECT | DT_SINGLELINE);
    const int glyph = design_.Kind == TBitBtnKind::Custom ? 0 : Scaled(14);
    const int gap = glyph ? Scaled(6) : 0;
    const int total = glyph + gap + textRect.right;
    const int offset = pushed ? 1 : 0;
    int x = (rect.left + rect.right - total) / 2 + offset;
    const int middle = (rect.top + rect.bottom) / 2 + offset;
    if (glyph) DrawKindGlyph(dc, design_.Kind, x, middle - glyph / 2, glyph);
    x += glyph + gap;
    RECT text = {x, middle - textRect.bottom / 2, x + textRect.right,
                 middle - textRect.bottom / 2 + textRect.bottom};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(handle_) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_SINGLELINE);
    if (focused) {
        InflateRect(&rect, -Scaled(4), -Scaled(4));
        DrawFocusRect(dc, &rect);
    }
}

TCheckBox::TCheckBox(TControl& parent, const ControlDesign& design) : TControl(&parent, design) {
    CreateHandle("BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP);
}

bool TCheckBox::Checked() const {
    return SendMessageA(handle_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool checked) {
    SendMessageA(handle_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// Edit fields and lists default to the window colour, not the form's.
static ControlDesign WindowColored(ControlDesign design) {
    if (design.Color == clBtnFace) design.Color = clWindow;
    return design;
}

TEdit::TEdit(TControl& parent, const ControlDesign& design) : TControl(&parent, WindowColored(design)) {
    CreateHandle("EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE);
}

TMemo::TMemo(TControl& parent, const ControlDesign& design) : TControl(&parent, WindowColored(design)) {
    CreateHandle("EDIT",
                 ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_TABSTOP |
                     (design.ScrollBar ? WS_VSCROLL : 0),
                 WS_EX_CLIENTEDGE);
    SendMessageA(handle_, EM_LIMITTEXT, 0, 0); // no 32 KB limit on a long readme
}

void TMemo::SetText(const std::string& text) {
    SetCaption(WindowsLineBreaks(text));
}

void TMemo::LoadFromFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw Exception(FormatMessage1("Kann Datei %s nicht öffnen", path));
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        content.append(buffer, read);
    CloseHandle(file);
    SetText(content);
}

TListBox::TListBox(TControl& parent, const ControlDesign& design) : TControl(&parent, WindowColored(design)) {
    CreateHandle("LISTBOX",
                 LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_TABSTOP | (design.ScrollBar ? WS_VSCROLL : 0),
                 WS_EX_CLIENTEDGE);
    if (design.ItemHeight) SendMessageA(handle_, LB_SETITEMHEIGHT, 0, Scaled(design.ItemHeight));
}

void TListBox::Add(const std::string& item) {
    SendMessageA(handle_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}
void TListBox::Clear() {
    SendMessageA(handle_, LB_RESETCONTENT, 0, 0);
}
int TListBox::Count() const {
    return static_cast<int>(SendMessageA(handle_, LB_GETCOUNT, 0, 0));
}
int TListBox::ItemIndex() const {
    return static_cast<int>(SendMessageA(handle_, LB_GETCURSEL, 0, 0));
}
void TListBox::SetItemIndex(int index) {
    SendMessageA(handle_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

TComboBox::TComboBox(TControl& parent, const ControlDesign& design)
    : TControl(&parent, WindowColored(design)) {
    PendingItemHeight = Scaled(design.ItemHeight ? design.ItemHeight : 20);
    // The height of a drop-down list is that of its field plus the opened list.
    design_.Height += 8 * (design.ItemHeight ? design.ItemHeight : 20);
    CreateHandle("COMBOBOX",
                 CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP);
}

void TComboBox::Add(const std::string& item) {
    SendMessageA(handle_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}
void TComboBox::Clear() {
    SendMessageA(handle_, CB_RESETCONTENT, 0, 0);
}
int TComboBox::Count() const {
    return static_cast<int>(SendMessageA(handle_, CB_GETCOUNT, 0, 0));
}

std::string TComboBox::Item(int index) const {
    const LRESULT length = SendMessageA(handle_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) return "";
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(handle_, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

int TComboBox::ItemIndex() const {
    return static_cast<int>(SendMessageA(handle_, CB_GETCURSEL, 0, 0));
}
void TComboBox::SetItemIndex(int index) {
    SendMessageA(handle_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TComboBox::DrawItem(const DRAWITEMSTRUCT& item) {
    if (!OnDrawItem) return;
    const int index = static_cast<int>(item.itemID);
    const RECT rect = item.rcItem;
    const UINT state = item.itemState;
    HDC dc = item.hDC;
    SelectObjectScope selected(dc, FontHandleOf());
    Application.Call([&] { OnDrawItem(dc, index, rect, state); });
}
