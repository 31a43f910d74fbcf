#include "script/SetupScript.h"
#include "script/Settings.h"
#include "sysinfo/Helpers.h"
#include "ui/IniFile.h"

std::string SetupScriptPath() { return ProgramDir + "Setup.lst"; }

void ReadStartupSettings(const std::string& scriptPath) {
    TIniFile ini(scriptPath);
    InstallSettings.ProgramName = ini.ReadString("General", "Name", "Programm");
    InstallSettings.DefaultPath = ini.ReadString("General", "defaultPath", "C:\\App");
    InstallSettings.StartMenuFolder = ini.ReadString("StartMenu", "Folder", "Unbenannt");
    InstallSettings.GroupName = ini.ReadString("Group", "Name", "");
    InstallSettings.ProgramNameAsRead = ini.ReadString("General", "Name", "");
}

CopyLists ReadCopyStart() {
    TIniFile ini(SetupScriptPath());
    CopyLists lists;
    lists.ProgramFiles = NumberedEntries(ini.ReadSectionValues("programfiles"));
    lists.WindowsFiles = NumberedEntries(ini.ReadSectionValues("Windows"));
    InstallSettings.GroupName = ini.ReadString("Group", "Name", "Gruppex");
    return lists;
}

std::vector<ShortcutItem> ReadShortcutItems() {
    return ShortcutItems(TIniFile(SetupScriptPath()).ReadSectionValues("Items"));
}
