// The setup script Setup.lst, read at its three moments: start-up, copy start and
// shell integration. Each reading opens the file anew.
#pragma once
#include "script/ListEntries.h"
#include <string>
#include <vector>

// ProgramDir + "Setup.lst".
std::string SetupScriptPath();

// The five start-up reads into InstallSettings, in their fixed order. The installation
// log answers the same reads when uninstalling.
void ReadStartupSettings(const std::string& scriptPath);

struct CopyLists {
    std::vector<std::string> ProgramFiles; // into the target directory, by number
    std::vector<std::string> WindowsFiles; // into the Windows directory, by number
};
// "programfiles", then "Windows", then "Group" "Name" (default "Gruppex") into GroupName.
CopyLists ReadCopyStart();

// The shortcuts of "Items", in file order.
std::vector<ShortcutItem> ReadShortcutItems();
