// The driver proven on a program whose windows are known: what it reads and does must be true
// before any scenario of Setup.exe can be believed.
#include "Driver.h"
#include "Screen.h"
#include <cstdlib>
#include <gtest/gtest.h>

using namespace e2e;

namespace {

std::vector<std::string> Texts(const std::vector<TreeItem>& items) {
    std::vector<std::string> texts;
    for (const auto& item : items)
        texts.push_back(item.text);
    return texts;
}

int SelectedIndex(const std::vector<TreeItem>& items) {
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].selected) return static_cast<int>(i);
    return -1;
}

class DriverTest : public ::testing::Test {
  protected:
    Process probe{HostPath(E2E_PROBE_EXE), ""};
    Window window;

    void SetUp() override {
        ASSERT_TRUE(probe.Started());
        window = probe.WaitWindow("Probe");
        ASSERT_TRUE(window) << "the probe's window did not appear";
    }
};

} // namespace

// The run's screen is the one its variant asked for; otherwise the variant tests nothing new.
TEST(Screen, MatchesTheRunsSettings) {
    const char* ppi = std::getenv("E2E_EXPECT_PPI");
    const char* bpp = std::getenv("E2E_EXPECT_BPP");
    EXPECT_EQ(ScreenPixelsPerInch(), ppi ? std::atoi(ppi) : 96);
    if (bpp) {
        EXPECT_EQ(ScreenBitsPerPixel(), std::atoi(bpp));
    }
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
}

TEST_F(DriverTest, ReadsWindowAndControls) {
    EXPECT_EQ(window.ClassName(), "E2EProbe");
    const RECT rect = window.Rect();
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.top, 50);
    EXPECT_EQ(rect.right - rect.left, 400);
    EXPECT_EQ(rect.bottom - rect.top, 300);

    const Window counter = window.Control("Zähler: 0", "Static");
    ASSERT_TRUE(counter);
    const RECT at = counter.Rect();
    const RECT client = window.ClientRect();
    EXPECT_EQ(at.left - client.left, 10);
    EXPECT_EQ(at.top - client.top, 210);
    EXPECT_TRUE(window.Control("Versteckt", "Button"));
    EXPECT_FALSE(window.Control("Versteckt", "Button").Visible());
    EXPECT_FALSE(window.Control("Gesperrt").Enabled());
    EXPECT_TRUE(window.Control("&Weiter").Enabled());
    EXPECT_TRUE(window.ControlOfClass("SysTreeView32"));
    EXPECT_FALSE(window.Control("&Weiter", "Static"));

    // Hidden and disabled buttons are not clickable, as for a person.
    EXPECT_FALSE(window.Click("Versteckt"));
    EXPECT_FALSE(window.Click("Gesperrt"));
    EXPECT_FALSE(window.Click("Nichts"));
}

TEST_F(DriverTest, ReadsTreeItemsAndFollowsTheSelection) {
    const Window tree = window.ControlOfClass("SysTreeView32");
    auto items = probe.TreeItems(tree);
    EXPECT_EQ(Texts(items), (std::vector<std::string>{"START", "1. Begrüßung", "2. Information"}));
    EXPECT_EQ(SelectedIndex(items), 1);
    EXPECT_FALSE(items.empty() || items[0].hasChildren);

    ASSERT_TRUE(window.Click("&Weiter"));
    EXPECT_TRUE(WaitUntil([&] { return SelectedIndex(probe.TreeItems(tree)) == 2; }));
    EXPECT_TRUE(WaitUntil([&] { return window.Control("Zähler: 1") ? true : false; }));
}

TEST_F(DriverTest, AnswersAMessageBoxOverItsOwner) {
    ASSERT_TRUE(window.Click("&Frage"));
    const Window box = probe.WaitWindow("Bestätigen");
    ASSERT_TRUE(box);
    EXPECT_EQ(box.MessageText(), "Einen Schritt weiter?");
    EXPECT_EQ(box.Owner().Handle(), window.Handle());
    EXPECT_FALSE(window.Enabled()); // modal: the owner waits
    EXPECT_EQ(probe.TopWindows().size(), 2u);

    ASSERT_TRUE(box.Click("&Yes"));
    const Window tree = window.ControlOfClass("SysTreeView32");
    EXPECT_TRUE(WaitUntil([&] { return SelectedIndex(probe.TreeItems(tree)) == 2; }));
    EXPECT_TRUE(WaitUntil([&] { return window.Enabled(); }));
    EXPECT_TRUE(WaitUntil([&] { return probe.TopWindows().size() == 1; }));
}

TEST_F(DriverTest, SeesTheProgramEndWithItsWholeExitCode) {
    EXPECT_FALSE(probe.WaitExit(100).has_value());
    EXPECT_TRUE(probe.Running());
    ASSERT_TRUE(window.Click("&Ende"));
    EXPECT_EQ(probe.WaitExit(), std::optional<DWORD>(4660));
    EXPECT_FALSE(probe.Running());
}

// Keys held by the driver reach the program's start-up, and only that program's.
TEST(DriverKeys, HoldsShiftAndCtrlForTheStartOnly) {
    Process held(HostPath(E2E_PROBE_EXE), "", true);
    ASSERT_TRUE(held.WaitWindow("Probe mit Umschalt+Strg")) << "the probe did not see the keys";
    held.ReleaseKeys();
    Process plain(HostPath(E2E_PROBE_EXE), "");
    EXPECT_TRUE(plain.WaitWindow("Probe"));
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
}

TEST_F(DriverTest, CapturesTheScreenAsShown) {
    const RECT client = window.ClientRect();
    ScreenImage screen = ScreenImage::Capture();
    ASSERT_EQ(screen.Width(), GetSystemMetrics(SM_CXSCREEN));
    // Right of the buttons the probe shows nothing but its navy background.
    EXPECT_EQ(screen.At(client.right - 5, client.top + 5), (Rgb{0, 0, 128}));
    EXPECT_EQ(screen.Count({client.right - 20, client.top, client.right, client.top + 20}, Rgb{0, 0, 128}),
              400);

    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string path = std::string(temp) + "e2e-probe.png";
    ASSERT_TRUE(screen.SavePng(path));
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    unsigned char head[24] = {};
    DWORD read = 0;
    ReadFile(file, head, sizeof head, &read, nullptr);
    const DWORD size = GetFileSize(file, nullptr);
    CloseHandle(file);
    DeleteFileA(path.c_str());
    EXPECT_EQ(std::string(reinterpret_cast<char*>(head), 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(head[18] * 256 + head[19], screen.Width()); // IHDR width, low half
    EXPECT_EQ(head[22] * 256 + head[23], screen.Height());
    EXPECT_GT(size, static_cast<DWORD>(screen.Width() * screen.Height() * 3));
}
