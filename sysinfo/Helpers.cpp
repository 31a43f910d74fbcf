#include "sysinfo/Helpers.h"
#include "sysinfo/OsQueries.h"
#include "sysinfo/StrUtil.h"
#include "ui/MessagePump.h"
#include <windows.h>

std::string ProgramDir;
bool CopyErrorFlag = false;

static std::string ModuleFileName() {
    char buffer[MAX_PATH + 1];
    DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    return std::string(buffer, length < sizeof buffer ? length : 0);
}

void InitHelpers() {
    CopyErrorFlag = false;
    ProgramDir = AddBackslash(ExcludeTrailingBackslash(ExtractFilePath(ModuleFileName())));
    InitPlatform();
}

std::string GetProgramDir() { return ExtractFilePath(ModuleFileName()); }

std::string GetProgramFileName() { return ExtractFileName(ModuleFileName()); }

std::string GetWindowsDir() {
    char buffer[144];
    UINT length = GetWindowsDirectoryA(buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer) return "";
    return std::string(buffer, length);
}

bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Sleeps in the system instead of spinning: the wait keeps its meaning (more than the
// given time has passed; messages are handled while pumping) without holding a core.
void Delay(int milliseconds, bool pump) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (pump) ProcessMessages();
        const int elapsed = static_cast<int>(GetTickCount() - start);
        if (elapsed > milliseconds) return;
        const DWORD wait = static_cast<DWORD>(milliseconds - elapsed) + 1;
        if (pump)
            MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
        else
            Sleep(wait);
    }
}
