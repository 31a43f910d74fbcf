// The readme viewer, the options dialog and the progress window are made at start-up and wait,
// hidden, for their callers; their texts and places can be read from outside before any of them
// is shown.
#include "Scenario.h"
#include <gtest/gtest.h>
#include <memory>

using namespace e2e;

namespace {

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

class SmallDialogsTest : public ::testing::Test {
  protected:
    Medium medium{"Setup.exe"};
    std::unique_ptr<Process> program;
    Window background, tree;

    void SetUp() override {
        ASSERT_TRUE(medium.HasProgram());
        WriteMedium(medium, true);
        program = std::make_unique<Process>(medium.ProgramPath(), "");
        ASSERT_TRUE(program->Started());
        background = WaitBackground(*program);
        ASSERT_TRUE(background) << "no background";
        tree = background.ControlOfClass("SysTreeView32");
        ASSERT_TRUE(tree);
    }

    Window Dialog(const std::string& caption) const {
        for (const auto& window : program->TopWindows(true))
            if (window.Text() == caption) return window;
        return {};
    }
};

} // namespace

TEST_F(SmallDialogsTest, OptionsDialogWaitsRightOfTheTreeWithBothBoxesUnticked) {
    const Window dialog = Dialog("Anwendungs-Einrichtung...");
    ASSERT_TRUE(dialog) << "no options dialog";
    EXPECT_NEAR(Width(dialog.ClientRect()), Scaled(412), 1);
    EXPECT_NEAR(Height(dialog.ClientRect()), Scaled(242), 1);
    EXPECT_TRUE(dialog.Style() & WS_SYSMENU);
    EXPECT_FALSE(dialog.Style() & WS_THICKFRAME);

    const RECT at = dialog.Rect(), client = background.ClientRect();
    const int treeWidth = Width(tree.Rect());
    EXPECT_EQ(at.left, (Width(client) - treeWidth - Width(at)) / 2 + treeWidth);
    EXPECT_EQ(at.top, (Height(client) - Height(at)) / 2);

    const Window group = dialog.Control(" Setup kann für das Programm einrichten: ");
    const Window desktop = dialog.Control("Auf dem Desktop eine &Verknüpfung anlegen");
    const Window startMenu = dialog.Control("Einen Eintrag in das &Startmenü vornehmen");
    const Window hint =
        dialog.Control("Wählen Sie bei Bedarf eine oder mehrere der oben angebotenen Optionen aus.");
    const Window ok = dialog.Control("&Ok", "Button");
    ASSERT_TRUE(group && desktop && startMenu && hint && ok);
    EXPECT_EQ(desktop.Send(BM_GETCHECK), BST_UNCHECKED);
    EXPECT_EQ(startMenu.Send(BM_GETCHECK), BST_UNCHECKED);
    EXPECT_LT(desktop.Rect().top, startMenu.Rect().top);
    EXPECT_LT(startMenu.Rect().top, hint.Rect().top);
    EXPECT_GE(ok.Rect().top, group.Rect().bottom);
}

TEST_F(SmallDialogsTest, ProgressWindowWaitsInTheMiddleOfTheScreen) {
    const Window window = Dialog("Kopiere...");
    ASSERT_TRUE(window) << "no progress window";
    EXPECT_NEAR(Width(window.ClientRect()), Scaled(479), 1);
    EXPECT_NEAR(Height(window.ClientRect()), Scaled(221), 1);
    const RECT at = window.Rect();
    EXPECT_NEAR(at.left, (GetSystemMetrics(SM_CXSCREEN) - Width(at)) / 2, 1);
    EXPECT_NEAR(at.top, (GetSystemMetrics(SM_CYSCREEN) - Height(at)) / 2, 1);

    const Window from = window.Control("Von:"), fromPanel = window.Control("pnFrom");
    const Window to = window.Control("Nach:"), toPanel = window.Control("pnTo");
    const Window cancel = window.Control("Abbrechen", "Button");
    ASSERT_TRUE(from && fromPanel && to && toPanel && cancel);
    EXPECT_LT(from.Rect().top, fromPanel.Rect().top);
    EXPECT_LT(fromPanel.Rect().top, to.Rect().top);
    EXPECT_LT(to.Rect().top, toPanel.Rect().top);
    EXPECT_LT(toPanel.Rect().top, cancel.Rect().top);
}

TEST_F(SmallDialogsTest, ReadmeViewerWaitsOverTheWholeScreen) {
    const Window viewer = Dialog("Aktuelle Info - Liesmich.txt");
    ASSERT_TRUE(viewer) << "no readme viewer";
    const RECT at = viewer.Rect();
    EXPECT_EQ(at.left, 1);
    EXPECT_EQ(at.top, 1);
    EXPECT_EQ(Width(at), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(Height(at), GetSystemMetrics(SM_CYSCREEN) - 50);
    EXPECT_TRUE(viewer.Style() & WS_THICKFRAME);
    EXPECT_TRUE(viewer.Style() & WS_SYSMENU);
    EXPECT_FALSE(viewer.Style() & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

    const Window memo = viewer.ControlOfClass("Edit");
    ASSERT_TRUE(memo);
    EXPECT_EQ(WithoutLineEnd(memo.Text()), "Memo1");
    EXPECT_TRUE(memo.Style() & WS_VSCROLL);
    const Window goOn = viewer.Control("&Weiter  >>", "Button");
    ASSERT_TRUE(goOn);
    EXPECT_GE(goOn.Rect().top, memo.Rect().bottom) << "the button bar lies below the text";
}
