#include "sysinfo/Helpers.h"
#include "sysinfo/StrUtil.h"
#include <gtest/gtest.h>
#include <windows.h>

TEST(Helpers, ProgramDirIsTheProgramsDirectoryWithOneBackslash) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string expected = path;
    expected.erase(expected.rfind('\\') + 1);
    CopyErrorFlag = true;
    InitHelpers();
    EXPECT_EQ(ProgramDir, expected);
    EXPECT_EQ(GetProgramDir(), expected);
    EXPECT_FALSE(CopyErrorFlag);
    EXPECT_EQ(GetProgramFileName(), ExtractFileName(path));
}

TEST(Helpers, WindowsDirHasNoTrailingBackslash) {
    std::string dir = GetWindowsDir();
    ASSERT_GE(dir.size(), 3u);
    EXPECT_EQ(dir.substr(1, 2), ":\\");
    EXPECT_NE(dir.back(), '\\');
    EXPECT_TRUE(DirectoryExists(dir));
    EXPECT_FALSE(FileExists(dir));
}

namespace {
int g_received = 0;
LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_USER) ++g_received;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

struct MessageWindow {
    MessageWindow() {
        WNDCLASSA cls = {};
        cls.lpfnWndProc = CountingProc;
        cls.lpszClassName = "DelayTestWindow";
        cls.hInstance = GetModuleHandleA(nullptr);
        RegisterClassA(&cls);
        hwnd = CreateWindowA("DelayTestWindow", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, cls.hInstance, nullptr);
    }
    ~MessageWindow() { DestroyWindow(hwnd); }
    HWND hwnd;
};
} // namespace

TEST(Helpers, DelayWaitsLongerThanAskedAndPumpsOnlyWhenTold) {
    MessageWindow window;
    ASSERT_NE(window.hwnd, nullptr);
    g_received = 0;
    PostMessageA(window.hwnd, WM_USER, 0, 0);
    DWORD start = GetTickCount();
    Delay(60, false);
    EXPECT_GT(static_cast<int>(GetTickCount() - start), 60);
    EXPECT_EQ(g_received, 0);
    Delay(20, true);
    EXPECT_EQ(g_received, 1);
}

TEST(Helpers, DelayOfZeroWaitsForTheTickAndNegativeReturnsAtOnce) {
    MessageWindow window;
    g_received = 0;
    DWORD start = GetTickCount();
    Delay(0, false);
    EXPECT_NE(GetTickCount(), start);
    PostMessageA(window.hwnd, WM_USER, 0, 0);
    Delay(-5, true); // one poll: the waiting message is still handled
    EXPECT_EQ(g_received, 1);
}
