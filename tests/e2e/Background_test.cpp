// The background window in both modes, as the user sees it: caption, step tree, title panel,
// banner, the layout scaled from the 120-PPI designs, its colours on screen, and the window
// that opens over it. Run at 96 and 120 pixels per inch and at 24 and 8 bits per pixel.
#include "Scenario.h"
// After windows.h, which Scenario.h brings.
#include <commctrl.h>
#include "ui/Registry.h"
#include <gtest/gtest.h>
#include <memory>

using namespace e2e;

namespace {

const std::string kBanner = "    Vorlund Setup Vers. 2.01 v. 01.07.2004";
const std::vector<std::string> kInstallSteps = {"START",
                                                "1. Begrüßung",
                                                "2. Information",
                                                "3. Lizenzbedingungen",
                                                "4. Installationsverzeichnis",
                                                "5. Dateien kopieren",
                                                "6. Shortcuts",
                                                "ZIEL"};
const std::vector<std::string> kUninstallSteps = {
    "START", "1. Sicherheitsabfrage", "2. Programmdateien löschen", "3. Abfrage Daten löschen", "ZIEL"};

constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kLime{0, 255, 0}, kRed{255, 0, 0},
    kSilver{192, 192, 192};

struct ModeCase {
    const char* programName;
    bool install;
    const char* shot; // screenshot name: Wine's file names ignore case, so not the program's name
};

std::string CaseName(const ::testing::TestParamInfo<ModeCase>& info) {
    std::string name = info.param.programName;
    for (auto& c : name)
        if (c == '.') c = '_';
    return name;
}

void PrintTo(const ModeCase& c, std::ostream* out) {
    *out << c.programName;
}

RECT Inner(RECT rect, int by) {
    return {rect.left + by, rect.top + by, rect.right - by, rect.bottom - by};
}

class BackgroundTest : public ::testing::TestWithParam<ModeCase> {
  protected:
    Medium medium{GetParam().programName};
    std::unique_ptr<Process> program;
    Window background, tree, title, banner, name;

    void SetUp() override {
        ASSERT_TRUE(medium.HasProgram());
        WriteMedium(medium, GetParam().install);
        program = std::make_unique<Process>(medium.ProgramPath(), "");
        ASSERT_TRUE(program->Started());
        background = WaitBackground(*program);
        ASSERT_TRUE(background) << "no full-screen background window";
        tree = background.ControlOfClass("SysTreeView32");
        title = background.Control(Caption());
        banner = background.Control(kBanner);
        name = background.Control(kAppTitle);
        ASSERT_TRUE(tree) << "no step tree";
        ASSERT_TRUE(title) << "no title panel \"" << Caption() << "\"";
        ASSERT_TRUE(banner) << "no banner";
        ASSERT_TRUE(name) << "no program name";
    }

    std::string Caption() const { return GetParam().install ? "Setup" : "Deinstallation"; }

    // Everything that the screen must show of the background, as a list of what is wrong.
    std::string ScreenFindings(const ScreenImage& screen) const {
        std::string wrong;
        auto check = [&](bool ok, const char* what) {
            if (!ok) wrong += std::string(what) + "; ";
        };
        const RECT client = background.ClientRect();
        const RECT bannerRect = banner.Rect();
        const int x = client.right - 10; // right of everything that opens over the background
        const Rgb top = screen.At(x, client.top + 1), bottom = screen.At(x, bannerRect.top - 2);
        if (ScreenBitsPerPixel() <= 8) {
            check(top == kSilver && bottom == kSilver, "plain silver background");
        } else {
            check(top.red == 0 && top.green == 0 && top.blue >= 120, "navy at the top");
            check(bottom.red == 0 && bottom.green == 0 && bottom.blue <= 12, "black at the bottom");
            bool fades = true;
            for (int y = client.top + 1; y < bannerRect.top - 1; ++y) {
                const Rgb above = screen.At(x, y - 1), here = screen.At(x, y);
                fades = fades && here.red == 0 && here.green == 0 && here.blue <= above.blue;
            }
            check(fades, "blue fading downwards");
        }
        const RECT titleInner = Inner(title.Rect(), 3);
        check(screen.At(titleInner.left, titleInner.top) == kBlack, "black title panel");
        const Rgb titleText = GetParam().install ? kLime : kRed,
                  otherText = GetParam().install ? kRed : kLime;
        check(screen.Count(titleInner, titleText) > 20, "title in its mode's colour");
        check(screen.Count(titleInner, otherText) == 0, "title in no other colour");
        check(screen.Count(bannerRect, kLime) > 20, "lime banner text");
        check(screen.At(bannerRect.right - 3, (bannerRect.top + bannerRect.bottom) / 2) == kBlack,
              "black banner");
        check(screen.Count(name.Rect(), kWhite) > 20, "white program name");
        const RECT treeRect = tree.Rect();
        check(screen.At(treeRect.right - 6, treeRect.bottom - 6) == kWhite, "white step tree");
        return wrong;
    }
};

} // namespace

TEST_P(BackgroundTest, ShowsTheModeInCaptionTreeAndTitle) {
    EXPECT_EQ(background.Text(), Caption());
    const RECT rect = background.Rect();
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(rect.left, 1);
    EXPECT_EQ(rect.top, 1);
    EXPECT_EQ(rect.right - rect.left, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(rect.bottom - rect.top, work.bottom - 3);
    EXPECT_TRUE(background.Style() & WS_SYSMENU);
    EXPECT_TRUE(background.Style() & WS_MINIMIZEBOX);
    EXPECT_FALSE(background.Style() & WS_MAXIMIZEBOX);

    std::vector<std::string> texts;
    for (const auto& item : program->TreeItems(tree)) {
        texts.push_back(item.text);
        EXPECT_FALSE(item.hasChildren) << item.text;
    }
    EXPECT_EQ(texts, GetParam().install ? kInstallSteps : kUninstallSteps);
    EXPECT_TRUE(tree.Style() & TVS_SHOWSELALWAYS);
    EXPECT_EQ(title.Parent().Handle(), tree.Parent().Handle()) << "title and tree share the left panel";

    // Every start looks up, and so creates, the uninstall key named in the script or log.
    EXPECT_TRUE(TRegistry(HKEY_LOCAL_MACHINE).OpenKey(UninstallKey(medium.StartMenuFolder()), false));
}

// Install mode starts at the welcome step; uninstall mode leaves its steps to the uninstaller.
TEST_P(BackgroundTest, SelectsTheWelcomeStepInInstallModeOnly) {
    int selected = -1, index = 0;
    for (const auto& item : program->TreeItems(tree)) {
        if (item.selected) selected = index;
        ++index;
    }
    EXPECT_EQ(selected, GetParam().install ? 1 : -1);
}

TEST_P(BackgroundTest, LaysOutTheDesignScaledToTheScreen) {
    const RECT client = background.ClientRect();
    const int clientWidth = client.right - client.left, clientHeight = client.bottom - client.top;
    const RECT bannerAt = RelativeTo(banner.Rect(), background);
    EXPECT_EQ(bannerAt.left, 0);
    EXPECT_EQ(bannerAt.right, clientWidth);
    EXPECT_EQ(bannerAt.bottom, clientHeight);
    EXPECT_NEAR(bannerAt.bottom - bannerAt.top, Scaled(18), 1);

    const RECT panelAt = RelativeTo(tree.Parent().Rect(), background);
    EXPECT_EQ(panelAt.left, 0);
    EXPECT_EQ(panelAt.top, 0);
    EXPECT_EQ(panelAt.bottom, bannerAt.top);
    EXPECT_NEAR(panelAt.right - panelAt.left, Scaled(201), 1);

    const RECT titleAt = RelativeTo(title.Rect(), background), treeAt = RelativeTo(tree.Rect(), background);
    EXPECT_EQ(titleAt.left, panelAt.left);
    EXPECT_EQ(titleAt.top, panelAt.top);
    EXPECT_EQ(titleAt.right, panelAt.right);
    EXPECT_NEAR(titleAt.bottom - titleAt.top, Scaled(41), 1);
    EXPECT_EQ(treeAt.left, panelAt.left);
    EXPECT_EQ(treeAt.top, titleAt.bottom);
    EXPECT_EQ(treeAt.right, panelAt.right);
    EXPECT_EQ(treeAt.bottom, panelAt.bottom);

    const RECT nameAt = RelativeTo(name.Rect(), background);
    EXPECT_NEAR(nameAt.left, Scaled(213), 1);
    EXPECT_NEAR(nameAt.top, Scaled(8), 1);
}

TEST_P(BackgroundTest, PaintsGradientTitleAndBannerColours) {
    // The window paints after it appears: wait until the screen shows it, then keep that picture.
    WaitUntil([&] { return ScreenFindings(ScreenImage::Capture()).empty(); }, 5000);
    const ScreenImage screen = Screenshot(std::string("background-") + GetParam().shot);
    EXPECT_EQ(ScreenFindings(screen), "");
}

TEST_P(BackgroundTest, OpensItsWindowCentredRightOfTheTreeAndEndsWithIt) {
    const Window window = WaitWindowOverBackground(*program);
    ASSERT_TRUE(window) << "no window opened over the background";
    EXPECT_EQ(window.Text(), Caption());
    EXPECT_TRUE(WaitUntil([&] { return !background.Enabled(); })) << "the window is not modal";

    const RECT client = background.ClientRect(), outer = background.Rect(), at = window.Rect(),
               treeRect = tree.Rect();
    const int treeWidth = treeRect.right - treeRect.left, width = at.right - at.left,
              height = at.bottom - at.top;
    EXPECT_EQ(at.left, (client.right - client.left - treeWidth - width) / 2 + treeWidth);
    EXPECT_EQ(at.top, (outer.bottom - outer.top - height) / 2);
    Screenshot(std::string("over-background-") + GetParam().shot);

    // Both windows end the program at once with their "&Beenden".
    ASSERT_TRUE(window.Click("&Beenden"));
    EXPECT_EQ(program->WaitExit(), std::optional<DWORD>(0));
}

INSTANTIATE_TEST_SUITE_P(Modes, BackgroundTest,
                         ::testing::Values(ModeCase{"Setup.exe", true, "install"},
                                           ModeCase{"setup.EXE", true, "install-name-case"},
                                           ModeCase{"Uninstal.exe", false, "uninstall"},
                                           ModeCase{"Setup1.exe", false, "uninstall-Setup1"}),
                         CaseName);
