#include "script/InstallLog.h"
#include "script/ListEntries.h"
#include "script/Settings.h"
#include "sysinfo/Helpers.h"
#include "sysinfo/StrUtil.h"
#include "ui/IniFile.h"

std::string InstallLogWritePath() { return AsciiUpper(AddBackslash(InstallSettings.TargetDir) + "Install1.log"); }

std::string InstallLogReadPath() { return ProgramDir + "install1.log"; }

void RecordInstalledFile(int number, const std::string& loggedPath) {
    TIniFile log(InstallLogWritePath());
    if (!InstallSettings.ProgramName.empty()) {
        log.WriteString("General", "Name", InstallSettings.ProgramName);
        InstallSettings.ProgramName.clear();
    }
    log.WriteString("InstalledFiles", "File" + std::to_string(number), loggedPath);
    log.WriteString("Group", "Name", InstallSettings.GroupName);
    log.WriteString("StartMenu", "Folder", InstallSettings.StartMenuFolder);
}

void RecordUserAccount(const std::string& selectedUserDir) {
    if (selectedUserDir.empty()) return;
    TIniFile(InstallLogWritePath()).WriteString("BenutzerKonto", "UserName", selectedUserDir);
}

std::vector<std::string> ReadInstalledFiles() {
    return LoggedFiles(TIniFile(InstallLogReadPath()).ReadSectionValues("Installedfiles"));
}

UninstallNames ReadUninstallNames() {
    TIniFile log(InstallLogReadPath());
    UninstallNames names;
    names.StartMenuFolder = log.ReadString("StartMenu", "Folder", "");
    names.SelectedUserDir = log.ReadString("BenutzerKonto", "UserName", "");
    return names;
}
