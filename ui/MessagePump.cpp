#include "ui/MessagePump.h"

// GetAncestor is missing on Windows 95, so the parent chain is walked by hand.
static HWND TopLevelOf(HWND window) {
    while (window && (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD))
        window = GetParent(window);
    return window;
}

void DispatchWithDialogKeys(MSG& msg) {
    if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) {
        HWND top = TopLevelOf(msg.hwnd);
        if (top && IsDialogMessageA(top, &msg)) return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

void ProcessMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        DispatchWithDialogKeys(msg);
    }
}
