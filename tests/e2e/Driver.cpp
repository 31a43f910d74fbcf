#include "Driver.h"
// After windows.h, which Driver.h brings.
#include <commctrl.h>

namespace e2e {
namespace {

// Answers from a hung program must not hang the driver.
constexpr UINT kSendTimeoutMs = 5000;

LRESULT SendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
    return static_cast<LRESULT>(result);
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<Window>*>(list)->emplace_back(child);
    return TRUE;
}

struct TopLevelSearch {
    DWORD processId;
    bool includeHidden;
    std::vector<Window> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TopLevelSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && (search->includeHidden || IsWindowVisible(window)))
        search->found.emplace_back(window);
    return TRUE;
}

// Memory inside the program under test, for messages whose pointers Windows does not carry
// across processes.
class RemoteMemory {
  public:
    RemoteMemory(HANDLE process, SIZE_T size)
        : process_(process),
          address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
    ~RemoteMemory() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;
    char* Address() const { return static_cast<char*>(address_); }
    bool Write(const void* from, SIZE_T size, SIZE_T offset = 0) const {
        return WriteProcessMemory(process_, Address() + offset, from, size, nullptr) != 0;
    }
    bool Read(void* to, SIZE_T size, SIZE_T offset = 0) const {
        return ReadProcessMemory(process_, Address() + offset, to, size, nullptr) != 0;
    }

  private:
    HANDLE process_;
    void* address_;
};

} // namespace

std::string Window::Text() const {
    const auto length = SendTo(handle_, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const auto copied = SendTo(handle_, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

LRESULT Window::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendTo(handle_, message, wParam, lParam);
}

std::string Window::ClassName() const {
    char name[256] = "";
    GetClassNameA(handle_, name, sizeof name);
    return name;
}

RECT Window::Rect() const {
    RECT rect = {};
    GetWindowRect(handle_, &rect);
    return rect;
}

RECT Window::ClientRect() const {
    RECT rect = {};
    GetClientRect(handle_, &rect);
    MapWindowPoints(handle_, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<Window> Window::Controls() const {
    std::vector<Window> list;
    EnumChildWindows(handle_, CollectChild, reinterpret_cast<LPARAM>(&list));
    return list;
}

Window Window::Control(const std::string& text, const std::string& className) const {
    for (const auto& control : Controls())
        if (control.Text() == text &&
            (className.empty() || lstrcmpiA(control.ClassName().c_str(), className.c_str()) == 0))
            return control;
    return {};
}

Window Window::ControlOfClass(const std::string& className) const {
    for (const auto& control : Controls())
        if (lstrcmpiA(control.ClassName().c_str(), className.c_str()) == 0) return control;
    return {};
}

std::string Window::MessageText() const {
    std::string message;
    for (const auto& control : Controls()) {
        if (lstrcmpiA(control.ClassName().c_str(), "Static") != 0) continue;
        const std::string text = control.Text();
        if (text.empty()) continue;
        if (!message.empty()) message += '\n';
        message += text;
    }
    return message;
}

bool Window::Click(const std::string& caption) const {
    for (const auto& control : Controls()) {
        if (control.Text() != caption || !control.Visible() || !control.Enabled()) continue;
        return PostMessageA(control.Handle(), BM_CLICK, 0, 0) != 0;
    }
    return false;
}

std::string Describe(const Window& window) {
    const RECT r = window.Rect();
    return window.ClassName() + " \"" + window.Text() + "\" (" + std::to_string(r.left) + "," +
           std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," + std::to_string(r.bottom) + ")" +
           (window.Visible() ? "" : " hidden");
}

// A new process starts with an empty key state; keys held by the driver reach it only through an
// input state shared with its first thread before that thread runs.
void SetShiftCtrl(bool down) {
    BYTE keys[256];
    GetKeyboardState(keys);
    for (int key : {VK_SHIFT, VK_LSHIFT, VK_CONTROL, VK_LCONTROL})
        keys[key] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

Process::Process(const std::string& program, const std::string& arguments, bool holdShiftCtrl) {
    std::string commandLine = "\"" + program + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                        holdShiftCtrl ? CREATE_SUSPENDED : 0, nullptr, nullptr, &startup, &info_)) {
        info_ = {};
        return;
    }
    if (!holdShiftCtrl) return;
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE); // the driver's thread needs a queue to share
    ResumeThread(info_.hThread);
    // The program's thread has an input state to share only once it has a queue, which it makes at
    // its first window call: try at once and again until then.
    const DWORD start = GetTickCount();
    while (!(keysHeld_ = AttachThreadInput(GetCurrentThreadId(), info_.dwThreadId, TRUE) != 0) &&
           GetTickCount() - start < 5000 && Running())
        Sleep(0);
    SetShiftCtrl(true);
}

void Process::ReleaseKeys() {
    SetShiftCtrl(false);
    if (keysHeld_) AttachThreadInput(GetCurrentThreadId(), info_.dwThreadId, FALSE);
    keysHeld_ = false;
}

Process::~Process() {
    ReleaseKeys();
    if (!Started()) return;
    if (Running()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool Process::Running() const {
    return Started() && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

std::vector<Window> Process::TopWindows(bool includeHidden) const {
    TopLevelSearch search{info_.dwProcessId, includeHidden, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

Window Process::WaitWindow(const std::function<bool(const Window&)>& test, DWORD timeoutMs) const {
    Window found;
    WaitUntil(
        [&] {
            for (const auto& window : TopWindows())
                if (test(window)) {
                    found = window;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return found;
}

Window Process::WaitWindow(const std::string& caption, DWORD timeoutMs) const {
    return WaitWindow([&](const Window& window) { return window.Text() == caption; }, timeoutMs);
}

std::optional<DWORD> Process::WaitExit(DWORD timeoutMs) const {
    if (!Started() || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

std::vector<TreeItem> Process::TreeItems(const Window& tree) const {
    constexpr int kTextMax = 260;
    RemoteMemory remote(info_.hProcess, sizeof(TVITEMA) + kTextMax);
    std::vector<TreeItem> items;
    if (!remote.Address()) return items;
    const HWND handle = tree.Handle();
    const auto selected = SendTo(handle, TVM_GETNEXTITEM, TVGN_CARET, 0);
    for (auto item = SendTo(handle, TVM_GETNEXTITEM, TVGN_ROOT, 0); item != 0;
         item = SendTo(handle, TVM_GETNEXTITEM, TVGN_NEXT, item)) {
        TVITEMA query = {};
        query.mask = TVIF_HANDLE | TVIF_TEXT;
        query.hItem = reinterpret_cast<HTREEITEM>(item);
        query.pszText = remote.Address() + sizeof(TVITEMA);
        query.cchTextMax = kTextMax;
        char text[kTextMax] = "";
        remote.Write(text, sizeof text, sizeof(TVITEMA));
        remote.Write(&query, sizeof query);
        SendTo(handle, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote.Address()));
        remote.Read(text, sizeof text, sizeof(TVITEMA));
        text[kTextMax - 1] = '\0';
        items.push_back({text, item == selected, SendTo(handle, TVM_GETNEXTITEM, TVGN_CHILD, item) != 0});
    }
    return items;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return condition();
        Sleep(20);
    }
}

std::string HostPath(const char* unixPath) {
    std::string path = unixPath;
    for (auto& c : path)
        if (c == '/') c = '\\';
    return "Z:" + path;
}

} // namespace e2e
