// The one record of the installation, filled from the setup script (or, when
// uninstalling, from the installation log) and alive for the whole run.
#pragma once
#include <string>

struct TInstallSettings {
    std::string ProgramName;
    std::string ProgramNameAsRead;
    std::string DefaultPath;
    std::string StartMenuFolder;
    std::string GroupName;
    std::string TargetDir;
    std::string MainProgramPath;
};

extern TInstallSettings InstallSettings;

void ResetInstallSettings();
