#include "Medium.h"
#include "Driver.h"
#include "ui/Registry.h"

namespace e2e {

std::string UninstallKey(const std::string& startMenuFolder) {
    return "\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + startMenuFolder;
}

Medium::Medium(const std::string& programName) : programName_(programName) {
    static int counter = 0;
    startMenuFolder_ = "E2E Test " + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
    const std::string setup = HostPath(E2E_SETUP_EXE);
    CopyFileA(setup.c_str(), ProgramPath().c_str(), FALSE);
}

Medium::~Medium() {
    TRegistry(HKEY_LOCAL_MACHINE).DeleteKey(UninstallKey(startMenuFolder_));
}

bool Medium::HasProgram() const {
    return GetFileAttributesA(ProgramPath().c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Medium::Write(const std::string& name, const std::string& bytes) const {
    WriteFileBytes(dir_ / name, bytes);
}

void Medium::WriteSetupScript(const std::string& programTitle, const std::string& defaultPath) const {
    Write("Setup.lst", "[General]\r\nName=" + programTitle + "\r\ndefaultPath=" + defaultPath +
                           "\r\n\r\n[StartMenu]\r\nFolder=" + startMenuFolder_ +
                           "\r\n\r\n[Group]\r\nName=\r\n");
}

void Medium::WriteInstallLog(const std::string& programTitle) const {
    Write("INSTALL1.LOG",
          "[General]\r\nName=" + programTitle + "\r\n[InstalledFiles]\r\nFile1=" + Dir() +
              "uninstal.exe\r\n[Group]\r\nName=\r\n[StartMenu]\r\nFolder=" + startMenuFolder_ + "\r\n");
}

} // namespace e2e
