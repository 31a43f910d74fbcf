#include "script/SetupScript.h"
#include "script/Settings.h"
#include "sysinfo/Helpers.h"
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    InitHelpers();
    const std::string script = SetupScriptPath();
    if (!FileExists(script)) {
        std::string text = "Datei Setup.lst nicht gefunden: " + script;
        MessageBoxA(nullptr, text.c_str(), "Setup", MB_OK);
        return 0;
    }
    ReadStartupSettings(script);
    MessageBoxA(nullptr, InstallSettings.ProgramName.c_str(), "Setup", MB_OK);
    return 0;
}
