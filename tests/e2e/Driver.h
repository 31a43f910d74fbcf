// Drives a program of the build from outside, as a person would: finds its windows by
// caption, reads its controls, clicks buttons, answers dialogs and waits for its end.
// Everything goes through other-process calls, so the program under test is unchanged.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace e2e {

// A window of the program under test; the handle is borrowed, never destroyed here.
class Window {
  public:
    Window() = default;
    explicit Window(HWND handle) : handle_(handle) {}
    explicit operator bool() const { return handle_ != nullptr && IsWindow(handle_); }
    HWND Handle() const { return handle_; }

    std::string Text() const;
    std::string ClassName() const;
    bool Visible() const { return IsWindowVisible(handle_) != 0; }
    bool Enabled() const { return IsWindowEnabled(handle_) != 0; }
    LONG_PTR Style() const { return GetWindowLongPtrA(handle_, GWL_STYLE); }
    RECT Rect() const;       // outer bounds, screen coordinates
    RECT ClientRect() const; // client area, screen coordinates
    Window Owner() const { return Window(GetWindow(handle_, GW_OWNER)); }
    Window Parent() const { return Window(GetParent(handle_)); }

    // Every descendant, in creation order.
    std::vector<Window> Controls() const;
    // The first descendant with this exact text (and class, when one is given).
    Window Control(const std::string& text, const std::string& className = {}) const;
    Window ControlOfClass(const std::string& className) const;
    // The non-empty texts of the static text controls, joined by line feeds: a message box's message.
    std::string MessageText() const;

    // Posts a click to the visible, enabled button with this caption; false when there is none.
    // Posted rather than sent: a click that opens a modal window would not return.
    bool Click(const std::string& caption) const;
    void Close() const { PostMessageA(handle_, WM_CLOSE, 0, 0); }
    // A message without pointers (a check box's state, say); its answer.
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

  private:
    HWND handle_ = nullptr;
};

// Class, caption and outer bounds of a window, for failure reports.
std::string Describe(const Window& window);

struct TreeItem {
    std::string text;
    bool selected = false;
    bool hasChildren = false;
};

// A program started by the driver; still running at the end, it is terminated.
class Process {
  public:
    // holdShiftCtrl: the program starts with Shift and Ctrl held down, as a person holds them
    // while starting it, until ReleaseKeys.
    Process(const std::string& program, const std::string& arguments, bool holdShiftCtrl = false);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Started() const { return info_.hProcess != nullptr; }
    DWORD Id() const { return info_.dwProcessId; }
    bool Running() const;
    void ReleaseKeys();

    // The process's top-level windows, visible ones only unless asked.
    std::vector<Window> TopWindows(bool includeHidden = false) const;
    // Waits for a visible top-level window that satisfies the test; empty after the timeout.
    Window WaitWindow(const std::function<bool(const Window&)>& test, DWORD timeoutMs = 15000) const;
    Window WaitWindow(const std::string& caption, DWORD timeoutMs = 15000) const;
    // The exit code, or nothing when the program still runs after the timeout.
    std::optional<DWORD> WaitExit(DWORD timeoutMs = 15000) const;

    // The top-level items of a tree view of this process (read through its memory).
    std::vector<TreeItem> TreeItems(const Window& tree) const;

  private:
    PROCESS_INFORMATION info_ = {};
    bool keysHeld_ = false;
};

// Polls the condition until it holds or the timeout ends; the last answer.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 15000);

// A path of the build folder as the program under Wine sees it (drive Z: is the Unix root).
std::string HostPath(const char* unixPath);

} // namespace e2e
