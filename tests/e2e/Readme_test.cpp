// The readme viewer, reached as the user reaches it: Next on the wizard's welcome page, then
// "Info..." on the information page (or at once on a window that offers it directly).
#include "Scenario.h"
#include <gtest/gtest.h>
#include <memory>

using namespace e2e;

namespace {

const std::string kViewerCaption = "Aktuelle Info - Liesmich.txt";
const std::string kGoOn = "&Weiter  >>";

std::string WithoutLineEnd(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

class ReadmeTest : public ::testing::Test {
  protected:
    Medium medium{"Setup.exe"};
    std::unique_ptr<Process> program;
    Window wizard;

    void SetUp() override {
        ASSERT_TRUE(medium.HasProgram());
        WriteMedium(medium, true);
    }

    void StartAndOpenInfoPage() {
        program = std::make_unique<Process>(medium.ProgramPath(), "");
        ASSERT_TRUE(program->Started());
        wizard = WaitWindowOverBackground(*program);
        ASSERT_TRUE(wizard) << "no wizard";
        // "Info..." is on the second page; a window that shows it at once needs no Next.
        const Window info = wizard.Control("Info...", "Button");
        if (info && info.Visible()) return;
        ASSERT_TRUE(wizard.Click("&Weiter ")) << "neither Info nor Next on " << Describe(wizard);
    }

    // Presses "Info..." (once the information page shows it) and returns the viewer.
    Window OpenViewer() {
        EXPECT_TRUE(WaitUntil([&] { return wizard.Click("Info..."); })) << "no Info button";
        return program->WaitWindow(kViewerCaption);
    }

    std::string MemoText(const Window& viewer) {
        return WithoutLineEnd(viewer.ControlOfClass("Edit").Text());
    }

    void CloseViewerAndEnd(const Window& viewer) {
        ASSERT_TRUE(viewer.Click(kGoOn));
        EXPECT_TRUE(WaitUntil([&] { return !viewer.Visible() && wizard.Enabled(); }));
        ASSERT_TRUE(wizard.Click("&Beenden"));
        EXPECT_EQ(program->WaitExit(), std::optional<DWORD>(0));
    }
};

} // namespace

// The viewer covers the screen from (1, 1) and reads the file anew each time it is opened.
TEST_F(ReadmeTest, ShowsTheFileAndReloadsItOnEveryOpening) {
    const std::string first = "Neu in Version 3:\r\nGrößere Karteikarten.";
    medium.Write("Liesmich.txt", first + "\r\n");
    ASSERT_NO_FATAL_FAILURE(StartAndOpenInfoPage());
    Window viewer = OpenViewer();
    ASSERT_TRUE(viewer) << "no viewer";
    EXPECT_TRUE(WaitUntil([&] { return MemoText(viewer) == first; })) << MemoText(viewer);
    const RECT rect = viewer.Rect();
    EXPECT_EQ(rect.left, 1);
    EXPECT_EQ(rect.top, 1);
    EXPECT_EQ(rect.right - rect.left, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(rect.bottom - rect.top, GetSystemMetrics(SM_CYSCREEN) - 50);
    EXPECT_TRUE(viewer.Style() & WS_THICKFRAME);
    EXPECT_FALSE(viewer.Style() & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    Screenshot("readme");

    ASSERT_TRUE(viewer.Click(kGoOn));
    ASSERT_TRUE(WaitUntil([&] { return !viewer.Visible(); }));
    const std::string second = "Korrektur: Drucken geht wieder.";
    medium.Write("Liesmich.txt", second + "\r\n");
    viewer = OpenViewer();
    ASSERT_TRUE(viewer);
    EXPECT_TRUE(WaitUntil([&] { return MemoText(viewer) == second; })) << MemoText(viewer);
    CloseViewerAndEnd(viewer);
}

// Without the file the error box names it, and the viewer stays usable with its first line.
TEST_F(ReadmeTest, ReportsAMissingFileAndStaysUsable) {
    ASSERT_NO_FATAL_FAILURE(StartAndOpenInfoPage());
    ASSERT_TRUE(WaitUntil([&] { return wizard.Click("Info..."); })) << "no Info button";
    const std::string message = "Kann Datei " + medium.Dir() + "Liesmich.txt nicht öffnen";
    const Window error =
        program->WaitWindow([&](const Window& window) { return window.MessageText() == message; });
    ASSERT_TRUE(error) << "no error box with: " << message;
    ASSERT_TRUE(error.Click("OK"));

    const Window viewer = program->WaitWindow(kViewerCaption);
    ASSERT_TRUE(viewer) << "no viewer";
    EXPECT_TRUE(WaitUntil([&] { return !error.Visible(); }));
    EXPECT_EQ(MemoText(viewer), "Memo1");
    CloseViewerAndEnd(viewer);
}
