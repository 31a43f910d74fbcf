// The installation log Install1.log: written by the installer into the target
// directory, read back by the uninstaller that runs from there.
#pragma once
#include <string>
#include <vector>

// AddBackslash(TargetDir) + "Install1.log", upper-cased (ASCII letters only).
std::string InstallLogWritePath();
// ProgramDir + "install1.log".
std::string InstallLogReadPath();

// The entry of one handled file of the copy sequence. The program name goes in once per
// run: it is written with the first entry and then cleared in InstallSettings.
// Throws EIniFileException when the log cannot be written.
void RecordInstalledFile(int number, const std::string& loggedPath);
// The profile folder of the account that received the start-menu entries; nothing when empty.
void RecordUserAccount(const std::string& selectedUserDir);

// Every logged file in ascending number.
std::vector<std::string> ReadInstalledFiles();

struct UninstallNames {
    std::string StartMenuFolder; // default empty
    std::string SelectedUserDir; // default empty
};
UninstallNames ReadUninstallNames();
