#include "script/Settings.h"

TInstallSettings InstallSettings;

void ResetInstallSettings() { InstallSettings = TInstallSettings(); }
