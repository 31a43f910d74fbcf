// A small window program with known contents, on which the driver's own tests prove every
// way the driver reads and drives a program: caption, controls, clicks, a message box
// with an owner, a tree view's items and selection, the screen's pixels and the exit code.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

namespace {

enum { kNext = 101, kAsk = 102, kEnd = 103, kHidden = 104, kLocked = 105 };

// Navy, so that a screen capture can be checked against a known colour.
constexpr COLORREF kBackground = RGB(0, 0, 128);

HWND tree = nullptr;
HWND counter = nullptr;
int clicks = 0;

void SelectNext() {
    HTREEITEM item = TreeView_GetSelection(tree);
    HTREEITEM next = item ? TreeView_GetNextSibling(tree, item) : nullptr;
    if (next) TreeView_SelectItem(tree, next);
    char text[32];
    wsprintfA(text, "Zähler: %d", ++clicks);
    SetWindowTextA(counter, text);
}

HWND Child(HWND parent, const char* className, const char* text, DWORD style, int x, int y, int w, int h,
           int id) {
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                           nullptr);
}

void CreateControls(HWND window) {
    tree = Child(window, WC_TREEVIEWA, "", WS_BORDER | TVS_SHOWSELALWAYS, 0, 0, 150, 200, 0);
    const char* steps[] = {"START", "1. Begrüßung", "2. Information"};
    TVINSERTSTRUCTA insert = {};
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    HTREEITEM second = nullptr;
    for (const char* step : steps) {
        insert.hParent = TVI_ROOT;
        insert.item.pszText = const_cast<char*>(step);
        HTREEITEM item = TreeView_InsertItem(tree, &insert);
        if (!second && step != steps[0]) second = item;
    }
    TreeView_SelectItem(tree, second);
    Child(window, "BUTTON", "&Weiter", BS_PUSHBUTTON, 170, 10, 90, 30, kNext);
    Child(window, "BUTTON", "&Frage", BS_PUSHBUTTON, 170, 50, 90, 30, kAsk);
    Child(window, "BUTTON", "&Ende", BS_PUSHBUTTON, 170, 90, 90, 30, kEnd);
    ShowWindow(Child(window, "BUTTON", "Versteckt", BS_PUSHBUTTON, 170, 130, 90, 30, kHidden), SW_HIDE);
    EnableWindow(Child(window, "BUTTON", "Gesperrt", BS_PUSHBUTTON, 170, 170, 90, 30, kLocked), FALSE);
    counter = Child(window, "STATIC", "Zähler: 0", SS_LEFT, 10, 210, 150, 20, 0);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        CreateControls(window);
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case kNext:
            SelectNext();
            return 0;
        case kAsk:
            if (MessageBoxA(window, "Einen Schritt weiter?", "Bestätigen", MB_YESNO | MB_ICONQUESTION) ==
                IDYES)
                SelectNext();
            return 0;
        case kEnd:
            DestroyWindow(window);
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = CreateSolidBrush(kBackground);
    windowClass.lpszClassName = "E2EProbe";
    RegisterClassA(&windowClass);
    // Shift and Ctrl held at start, as the program under test checks them.
    const bool keysHeld = GetKeyState(VK_SHIFT) < 0 && GetKeyState(VK_CONTROL) < 0;
    HWND window = CreateWindowExA(0, "E2EProbe", keysHeld ? "Probe mit Umschalt+Strg" : "Probe",
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 100, 50, 400, 300, nullptr,
                                  nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    // Above 255, so the driver proves it reads the whole exit code, not Wine's 8-bit status.
    return 4660;
}
