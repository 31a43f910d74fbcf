#include "ui/Forms.h"
#include "ui/ExtCtrls.h"
#include "ui/MessagePump.h"

TApplication Application;

int ScreenWidth() {
    return GetSystemMetrics(SM_CXSCREEN);
}
int ScreenHeight() {
    return GetSystemMetrics(SM_CYSCREEN);
}
int ScreenBitsPerPixel() {
    return GetDeviceCaps(ScreenDC().get(), BITSPIXEL);
}

RECT WorkArea() {
    RECT area = {0, 0, ScreenWidth(), ScreenHeight()};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

static ControlDesign FormAsControl(const FormDesign& design) {
    ControlDesign control;
    control.Name = design.ClassName;
    control.Caption = design.Caption;
    control.Font = design.Font;
    control.Color = design.Color;
    return control;
}

static DWORD FormStyle(const FormDesign& design) {
    DWORD style = WS_CAPTION | WS_CLIPCHILDREN;
    style |= design.Border == TBorderStyle::Sizeable ? (WS_OVERLAPPED | WS_THICKFRAME)
                                                     : (WS_POPUP | DS_MODALFRAME);
    if (design.SystemMenu) style |= WS_SYSMENU;
    if (design.MinimizeBox) style |= WS_MINIMIZEBOX;
    if (design.MaximizeBox) style |= WS_MAXIMIZEBOX;
    return style;
}

TForm::TForm(const FormDesign& design) : TControl(nullptr, FormAsControl(design)), formDesign_(design) {
    RegisterControlClass(design.ClassName, LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1)));
    const DWORD style = FormStyle(design);
    const DWORD exStyle = (design.Border == TBorderStyle::Dialog ? WS_EX_DLGMODALFRAME : 0);
    RECT rect = {0, 0, Scaled(design.ClientWidth), Scaled(design.ClientHeight)};
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    // Every later form belongs to the main form, so it stays above the background window.
    HWND owner = Application.MainForm ? Application.MainForm->Handle() : nullptr;
    CreateWindowExA(exStyle, design.ClassName, design.Caption, style, 0, 0, rect.right - rect.left,
                    rect.bottom - rect.top, owner, nullptr, GetModuleHandleA(nullptr), this);
    ApplyFont();
    if (design.ScreenCenter)
        SetBounds((ScreenWidth() - Width()) / 2, (ScreenHeight() - Height()) / 2, Width(), Height());
}

// The timers, members of the derived form, are gone by now and have stopped themselves.
TForm::~TForm() {
    if (Application.ActiveForm == this) Application.ActiveForm = nullptr;
}

void TForm::DoCreate() {
    if (OnCreate) Application.Call(OnCreate);
}

void TForm::Show() {
    if (OnShow) Application.Call(OnShow);
    ShowWindow(handle_, SW_SHOW);
    BringToFront();
    // The keyboard goes to the default button. Nothing else is focused on purpose: a tree view
    // that gets the focus selects its first item by itself.
    HWND focus = GetFocus();
    if (focus && IsChild(handle_, focus)) return;
    if (TControl* button = FindButton(true)) button->SetFocus();
}

void TForm::Hide() {
    ShowWindow(handle_, SW_HIDE);
}

void TForm::BringToFront() {
    SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(handle_);
}

static BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM list) {
    if (IsWindowVisible(window) && IsWindowEnabled(window))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

int TForm::ShowModal() {
    // The other windows of the program wait while this one is shown.
    std::vector<HWND> disabled;
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow, reinterpret_cast<LPARAM>(&disabled));
    HWND previousActive = GetActiveWindow();
    for (HWND window : disabled)
        EnableWindow(window, FALSE);
    modal_ = true;
    ModalResult = mrNone;
    Show();
    MSG msg;
    while (ModalResult == mrNone && !Application.Terminated) {
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0) {
            Application.Terminate();
            break;
        }
        DispatchWithDialogKeys(msg);
    }
    for (HWND window : disabled)
        EnableWindow(window, TRUE);
    if (previousActive && IsWindow(previousActive)) SetActiveWindow(previousActive);
    Hide();
    modal_ = false;
    return ModalResult;
}

void TForm::Close() {
    if (modal_) {
        ModalResult = CloseResult;
        return;
    }
    Hide();
    if (Application.MainForm == this) Application.Terminate();
}

int TForm::ClientWidth() const {
    RECT rect;
    GetClientRect(handle_, &rect);
    return rect.right;
}

int TForm::ClientHeight() const {
    RECT rect;
    GetClientRect(handle_, &rect);
    return rect.bottom;
}

void TForm::SetClientSize(int width, int height) {
    RECT rect = {0, 0, width, height};
    AdjustWindowRectEx(&rect, static_cast<DWORD>(GetWindowLongPtrA(handle_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(handle_, GWL_EXSTYLE)));
    SetBounds(Left(), Top(), rect.right - rect.left, rect.bottom - rect.top);
}

UINT TForm::AddTimer(TTimer& timer) {
    timers_.push_back(&timer);
    return static_cast<UINT>(timers_.size());
}

void TForm::PaintBackground(HDC dc) {
    TControl::PaintBackground(dc);
    if (!OnPaint) return;
    canvas_ = dc;
    Application.Call(OnPaint);
    canvas_ = nullptr;
}

void TForm::Paint(HDC dc) {
    PaintBackground(dc);
}

// Enter and Escape arrive from the dialog keys as the commands IDOK and IDCANCEL, or as the
// id of a focused button.
void TForm::ClickDialogKey(WORD id) {
    TControl* button = id == IDOK ? FindButton(true) : id == IDCANCEL ? FindButton(false) : FindById(id);
    if (button) button->Click();
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // painted with the rest in Paint
    case WM_CLOSE:
        Close();
        return 0;
    case WM_ACTIVATE:
        // A message box taking and giving back the focus does not count as a new activation.
        if (LOWORD(wParam) != WA_INACTIVE && Application.ActiveForm != this) {
            Application.ActiveForm = this;
            if (OnActivate) Application.Call(OnActivate);
        }
        break;
    case WM_TIMER:
        if (wParam >= 1 && wParam <= timers_.size()) timers_[wParam - 1]->Fire();
        return 0;
    case DM_GETDEFID:
        if (TControl* button = FindButton(true)) return MAKELRESULT(button->Id(), DC_HASDEFID);
        return 0;
    case WM_COMMAND:
        if (!ControlOf(reinterpret_cast<HWND>(lParam))) {
            ClickDialogKey(LOWORD(wParam));
            return 0;
        }
        break;
    }
    return TControl::WndProc(message, wParam, lParam);
}

void TApplication::Run() {
    if (Terminated) return;
    if (MainForm && ShowMainForm) MainForm->Show();
    MSG msg;
    while (!Terminated && GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchWithDialogKeys(msg);
}

void TApplication::Terminate() {
    Terminated = true;
    PostQuitMessage(0);
}

void TApplication::ProcessMessages() {
    ::ProcessMessages();
}

void TApplication::DestroyForms() {
    while (!forms_.empty())
        forms_.pop_back();
    MainForm = nullptr;
}

void TApplication::Call(const TNotifyEvent& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowException(error);
    }
}

void TApplication::ShowException(const std::exception& error) {
    ShowMessageBox(error.what(), Title, MB_OK | MB_ICONSTOP);
}

int TApplication::ShowMessageBox(const std::string& text, const std::string& caption, UINT flags) {
    return MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), flags);
}
