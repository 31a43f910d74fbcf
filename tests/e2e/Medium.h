// A setup medium for one scenario: a fresh folder with the program under a chosen file name
// and the text files the scenario gives it. The program's uninstall key, which every start
// creates in the machine's registry, goes with the medium.
#pragma once
#include "tests/win/TestUtil.h"
#include <string>

namespace e2e {

// The uninstall key of the machine's registry that belongs to a start-menu folder name.
std::string UninstallKey(const std::string& startMenuFolder);

class Medium {
  public:
    // programName: the file name the program is copied under, e.g. "Setup.exe".
    explicit Medium(const std::string& programName);
    ~Medium();
    Medium(const Medium&) = delete;
    Medium& operator=(const Medium&) = delete;

    bool HasProgram() const;
    const std::string& Dir() const { return dir_.Path(); } // with a trailing backslash
    std::string ProgramPath() const { return dir_ / programName_; }
    // A start-menu folder name of this medium alone, so parallel scenarios never share a key.
    const std::string& StartMenuFolder() const { return startMenuFolder_; }

    void Write(const std::string& name, const std::string& bytes) const;
    // A setup script naming this medium's start-menu folder, with no group, so that nothing
    // lands in the start menu; lines end in CR LF.
    void WriteSetupScript(const std::string& programTitle, const std::string& defaultPath) const;
    // What an installation leaves for the uninstaller, written as the installer names it.
    void WriteInstallLog(const std::string& programTitle) const;

  private:
    TempDir dir_;
    std::string programName_;
    std::string startMenuFolder_;
};

} // namespace e2e
