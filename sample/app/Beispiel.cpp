// The sample application that the demo medium installs: one window that greets the user.
#include <windows.h>

static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        CreateWindowA("STATIC", "Das Beispielprogramm wurde erfolgreich installiert.", WS_CHILD | WS_VISIBLE,
                      20, 20, 360, 20, hwnd, nullptr, nullptr, nullptr);
        CreateWindowA("BUTTON", "Beenden", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 150, 60, 100, 26, hwnd,
                      reinterpret_cast<HMENU>(IDCANCEL), nullptr, nullptr);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    WNDCLASSA cls = {};
    cls.lpfnWndProc = WindowProc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = "Beispielprogramm";
    RegisterClassA(&cls);
    HWND hwnd = CreateWindowA("Beispielprogramm", "Beispielprogramm", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                              CW_USEDEFAULT, CW_USEDEFAULT, 410, 140, nullptr, nullptr, instance, nullptr);
    ShowWindow(hwnd, show);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
