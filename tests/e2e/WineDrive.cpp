#include "WineDrive.h"
#include <cstring>
#include <vector>
#include <windows.h>
// After windows.h, which it needs.
#include <winioctl.h>

namespace e2e {
namespace {

// Wine 8's request to its mount manager: define (with a mount point) or remove a drive.
struct UnixDriveRequest {
    ULONG size;
    ULONG type;
    ULONG fsType;
    DWORD serial;
    ULONGLONG unixDevice;
    WCHAR letter;
    USHORT mountPointOffset;
    USHORT deviceOffset;
    USHORT labelOffset;
};

constexpr DWORD kDefineUnixDrive = CTL_CODE(0x6d, 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

bool DefineDrive(char letter, const std::string& unixPath) {
    std::vector<char> request(sizeof(UnixDriveRequest) + (unixPath.empty() ? 0 : unixPath.size() + 1));
    auto* drive = reinterpret_cast<UnixDriveRequest*>(request.data());
    drive->size = static_cast<ULONG>(request.size());
    drive->type = DRIVE_FIXED;
    drive->letter = static_cast<WCHAR>(letter - 'A' + 'a');
    if (!unixPath.empty()) {
        drive->mountPointOffset = sizeof(UnixDriveRequest);
        std::memcpy(request.data() + sizeof(UnixDriveRequest), unixPath.c_str(), unixPath.size() + 1);
    }
    HANDLE manager = CreateFileA("\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (manager == INVALID_HANDLE_VALUE) return false;
    DWORD returned = 0;
    const BOOL done = DeviceIoControl(manager, kDefineUnixDrive, request.data(),
                                      static_cast<DWORD>(request.size()), nullptr, 0, &returned, nullptr);
    CloseHandle(manager);
    return done != 0;
}

std::string UnixPathOf(const std::string& folder) {
    using UnixName = char*(CDECL*)(LPCWSTR);
    const auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
    if (!unixName) return {};
    std::wstring wide(folder.size() + 1, L'\0');
    wide.resize(static_cast<size_t>(
        MultiByteToWideChar(CP_ACP, 0, folder.c_str(), -1, wide.data(), static_cast<int>(wide.size())) - 1));
    char* name = unixName(wide.c_str());
    if (!name) return {};
    std::string path = name;
    HeapFree(GetProcessHeap(), 0, name);
    return path;
}

} // namespace

WineDrive::WineDrive(const std::string& folder) {
    const std::string unixPath = UnixPathOf(folder);
    if (unixPath.empty()) return;
    const DWORD used = GetLogicalDrives();
    for (char letter = 'R'; letter <= 'Y'; ++letter) {
        if (used & (1u << (letter - 'A')) || !DefineDrive(letter, unixPath)) continue;
        letter_ = letter;
        return;
    }
}

WineDrive::~WineDrive() {
    if (!letter_) return;
    DefineDrive(letter_, {});
    // The mount manager leaves the drive's name in the system's name space; without this the
    // letter would count as used until the Wine server ends.
    DefineDosDeviceA(DDD_REMOVE_DEFINITION, Root().substr(0, 2).c_str(), nullptr);
}

} // namespace e2e
