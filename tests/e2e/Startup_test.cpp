// Start-up as the user meets it: the missing script, the unattended switch, and the directory of
// an earlier installation that the registry remembers.
#include "Scenario.h"
#include "WineDrive.h"
#include "ui/Registry.h"
#include <map>
#include <optional>
#include <gtest/gtest.h>

using namespace e2e;

namespace {

struct ScriptCase {
    const char* name;
    const char* programName;
    const char* scriptName;
    bool atDriveRoot; // started as X:\Setup.exe
};

class MissingScriptTest : public ::testing::TestWithParam<ScriptCase> {};

struct SwitchCase {
    const char* name;
    const char* arguments;
    bool shiftCtrl; // held down at start
    bool unattended;
};

class UnattendedTest : public ::testing::TestWithParam<SwitchCase> {};

struct EarlierCase {
    const char* name;
    const char* uninstallString; // below the medium; empty: the key has no such value
    bool createDirectory;
    const char* proposed; // below the medium
};

class EarlierInstallationTest : public ::testing::TestWithParam<EarlierCase> {};

bool UninstallKeyExists(const Medium& medium) {
    return TRegistry(HKEY_LOCAL_MACHINE).OpenKey(UninstallKey(medium.StartMenuFolder()), false);
}

// The first edit field that is not a memo: the wizard's path field.
Window PathField(const Window& wizard) {
    for (const auto& control : wizard.Controls())
        if (lstrcmpiA(control.ClassName().c_str(), "Edit") == 0 && !(control.Style() & ES_MULTILINE))
            return control;
    return {};
}

template <class Case> std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

// Failure reports name the case instead of dumping its bytes.
void PrintTo(const ScriptCase& c, std::ostream* out) {
    *out << c.name;
}
void PrintTo(const SwitchCase& c, std::ostream* out) {
    *out << c.name;
}
void PrintTo(const EarlierCase& c, std::ostream* out) {
    *out << c.name;
}

// Watches a start until a window other than the background shows, noting what became of the
// background meanwhile.
struct StartWatch {
    bool backgroundMade = false, backgroundShown = false;
    Window opened;
    std::vector<std::string> seen;
};

StartWatch WatchStart(const Process& program) {
    StartWatch watch;
    Window candidate;
    WaitUntil([&] {
        for (const auto& window : program.TopWindows(true)) {
            if (!IsBackground(window)) continue;
            watch.backgroundMade = true;
            watch.backgroundShown = watch.backgroundShown || window.Visible();
        }
        // As in WaitWindowOverBackground: a window counts when seen twice in a row.
        const Window now = FirstOverBackground(program);
        if (now && now.Handle() == candidate.Handle()) watch.opened = now;
        candidate = now;
        return static_cast<bool>(watch.opened) || !program.Running();
    });
    for (const auto& window : program.TopWindows(true))
        watch.seen.push_back(Describe(window));
    return watch;
}

} // namespace

// Without its script the program says so in a plain box and ends, having shown nothing else.
TEST_P(MissingScriptTest, SaysSoAndEndsWithoutAnotherWindow) {
    const Medium medium(GetParam().programName);
    ASSERT_TRUE(medium.HasProgram());
    std::optional<WineDrive> drive;
    if (GetParam().atDriveRoot) {
        drive.emplace(medium.Dir());
        ASSERT_TRUE(*drive) << "no drive for the medium";
    }
    const std::string dir = drive ? drive->Root() : medium.Dir();
    const Process program(dir + GetParam().programName, "");
    ASSERT_TRUE(program.Started());

    // Every window shown meanwhile; the box itself is struck off at the end.
    std::map<HWND, std::string> shown;
    auto noteShown = [&] {
        for (const auto& window : program.TopWindows())
            shown.emplace(window.Handle(), Describe(window));
    };
    Window box;
    WaitUntil([&] {
        noteShown();
        box = program.WaitWindow("Setup", 0);
        return static_cast<bool>(box) || !program.Running();
    });
    ASSERT_TRUE(box) << "no message box";
    const std::string script = GetParam().scriptName;
    EXPECT_EQ(box.MessageText(), "Datei " + script + " nicht gefunden: " + dir + script);
    EXPECT_EQ(box.ClassName(), "#32770");
    EXPECT_TRUE(box.Control("OK", "Button"));
    EXPECT_FALSE(box.Control("Abbrechen"));

    ASSERT_TRUE(box.Click("OK"));
    WaitUntil([&] {
        noteShown();
        return !program.Running();
    });
    EXPECT_EQ(program.WaitExit(0), std::optional<DWORD>(0));
    shown.erase(box.Handle());
    std::vector<std::string> others;
    for (const auto& [handle, description] : shown)
        others.push_back(description);
    EXPECT_EQ(others, std::vector<std::string>{});
    EXPECT_FALSE(UninstallKeyExists(medium)) << "nothing is written before the program ends";
}

INSTANTIATE_TEST_SUITE_P(Names, MissingScriptTest,
                         ::testing::Values(ScriptCase{"Setup_exe", "Setup.exe", "Setup.lst", false},
                                           ScriptCase{"setup_EXE", "setup.EXE", "Setup.lst", false},
                                           ScriptCase{"Uninstal_exe", "Uninstal.exe", "install1.log", false},
                                           ScriptCase{"Setup_exe_at_drive_root", "Setup.exe", "Setup.lst",
                                                      true}),
                         CaseName<ScriptCase>);

// Only a first parameter "/s", in either case, or Shift and Ctrl held at start make the run
// unattended: then the background is made but never shown.
TEST_P(UnattendedTest, ShowsTheBackgroundOnlyWhenAttended) {
    const Medium medium("Setup.exe");
    ASSERT_TRUE(medium.HasProgram());
    WriteMedium(medium, true);
    Process program(medium.ProgramPath(), GetParam().arguments, GetParam().shiftCtrl);
    ASSERT_TRUE(program.Started());

    const StartWatch watch = WatchStart(program);
    program.ReleaseKeys();
    ::testing::Message windows;
    for (const auto& line : watch.seen)
        windows << "\n  " << line;
    EXPECT_TRUE(watch.backgroundMade) << windows;
    EXPECT_EQ(watch.backgroundShown, !GetParam().unattended) << windows;
    ASSERT_TRUE(watch.opened) << "no window opened over the background" << windows;
    EXPECT_EQ(watch.opened.Text(), "Setup");
}

INSTANTIATE_TEST_SUITE_P(Switches, UnattendedTest,
                         ::testing::Values(SwitchCase{"slash_s", "/s", false, true},
                                           SwitchCase{"slash_S", "/S", false, true},
                                           SwitchCase{"slash_s_then_x", "/s x", false, true},
                                           SwitchCase{"x_then_slash_s", "x /s", false, false},
                                           SwitchCase{"shift_ctrl", "", true, true}),
                         CaseName<SwitchCase>);

// A reinstallation proposes the directory of the earlier installation's uninstaller, if that
// directory still exists; otherwise the script's own proposal stands.
TEST_P(EarlierInstallationTest, ProposesItsDirectoryWhileItExists) {
    const Medium medium("Setup.exe");
    ASSERT_TRUE(medium.HasProgram());
    WriteMedium(medium, true);
    {
        TRegistry key(HKEY_LOCAL_MACHINE);
        ASSERT_TRUE(key.OpenKey(UninstallKey(medium.StartMenuFolder()), true));
        if (*GetParam().uninstallString)
            key.WriteString("UninstallString", medium.Dir() + GetParam().uninstallString);
    }
    if (GetParam().createDirectory) {
        ASSERT_TRUE(CreateDirectoryA((medium.Dir() + "Alt Programm").c_str(), nullptr));
    }
    const Process program(medium.ProgramPath(), "");
    ASSERT_TRUE(program.Started());

    const Window wizard = WaitWindowOverBackground(program);
    ASSERT_TRUE(wizard) << "no wizard";
    const Window path = PathField(wizard);
    ASSERT_TRUE(path) << "no path field on " << Describe(wizard);
    const std::string proposed =
        *GetParam().proposed ? medium.Dir() + GetParam().proposed : ProposedTarget(medium);
    EXPECT_EQ(path.Text(), proposed);

    ASSERT_TRUE(wizard.Click("&Beenden"));
    EXPECT_EQ(program.WaitExit(), std::optional<DWORD>(0));
}

INSTANTIATE_TEST_SUITE_P(
    Entries, EarlierInstallationTest,
    ::testing::Values(EarlierCase{"existing", "Alt Programm\\Uninstal.exe", true, "Alt Programm"},
                      // only one trailing backslash goes
                      EarlierCase{"double_backslash", "Alt Programm\\\\Uninstal.exe", true, "Alt Programm\\"},
                      EarlierCase{"deleted", "Alt Programm\\Uninstal.exe", false, ""},
                      EarlierCase{"no_value", "", false, ""}),
    CaseName<EarlierCase>);
