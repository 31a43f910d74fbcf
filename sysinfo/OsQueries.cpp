#include "sysinfo/OsQueries.h"
#include "sysinfo/Helpers.h"
#include "sysinfo/StrUtil.h"
#include "ui/Registry.h"
#include <cstring>
#include <memory>

int Win32Platform = 0;
bool (*VersionQuery)(VersionRecord&) = QuerySystemVersion;
bool (*AdminTokenQuery)() = QueryAdminToken;

bool QuerySystemVersion(VersionRecord& record) {
    OSVERSIONINFOA info;
    std::memset(&info, 0, sizeof info);
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) return false;
    record.platformId = static_cast<std::int32_t>(info.dwPlatformId);
    record.major = static_cast<std::int32_t>(info.dwMajorVersion);
    record.minor = static_cast<std::int32_t>(info.dwMinorVersion);
    std::memcpy(record.csdVersion, info.szCSDVersion, sizeof record.csdVersion);
    return true;
}

void InitPlatform() {
    VersionRecord record;
    Win32Platform = VersionQuery(record) ? record.platformId : 0;
}

bool IsNTPlatform() {
    VersionRecord record;
    return VersionQuery(record) && record.platformId == kPlatformNT;
}

std::string GetWindowsVersionName() {
    VersionRecord record;
    return VersionQuery(record) ? VersionNameOf(record) : "Unknown";
}

namespace {
struct HandleCloser {
    void operator()(void* handle) const { CloseHandle(handle); }
};
struct SidFreer {
    void operator()(void* sid) const { FreeSid(sid); }
};
using TokenHandle = std::unique_ptr<void, HandleCloser>;
using SidPtr = std::unique_ptr<void, SidFreer>;
} // namespace

bool GroupsContainAdministrators(const TOKEN_GROUPS& groups) {
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID raw = nullptr;
    if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0,
                                  0, 0, 0, &raw))
        return false;
    SidPtr administrators(raw);
    for (DWORD i = 0; i < groups.GroupCount; ++i)
        if (EqualSid(groups.Groups[i].Sid, administrators.get())) return true;
    return false;
}

bool QueryAdminToken() {
    HANDLE raw = nullptr;
    if (!OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &raw)) {
        if (GetLastError() != ERROR_NO_TOKEN) return false;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raw)) return false;
    }
    TokenHandle token(raw);
    DWORD size = 0;
    GetTokenInformation(token.get(), TokenGroups, nullptr, 0, &size);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return false;
    std::unique_ptr<BYTE[]> buffer(new BYTE[size]);
    if (!GetTokenInformation(token.get(), TokenGroups, buffer.get(), size, &size)) return false;
    return GroupsContainAdministrators(*reinterpret_cast<const TOKEN_GROUPS*>(buffer.get()));
}

bool IsAdmin() {
    if (Win32Platform != VER_PLATFORM_WIN32_NT) return false;
    return AdminTokenQuery();
}

std::string GetProfilesDir() {
    std::string text;
    {
        TRegistry registry(HKEY_LOCAL_MACHINE);
        const bool ntKey = GetWindowsVersionName() == "Windows XP" || IsNTPlatform();
        const char* key = ntKey ? "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList"
                                : "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\ProfileList";
        if (registry.OpenKey(key, false)) {
            text = registry.ReadString("ProfilesDirectory");
            text = ReplaceAll(text, "%SystemDrive%", GetWindowsDir().substr(0, 2));
        }
    }
    if (Trim(text).empty()) return "C:\\Dokumente und Einstellungen";
    return text;
}

std::string GetCurrentUserName() {
    char buffer[256];
    DWORD length = 255;
    if (GetUserNameA(buffer, &length) && length > 0) return std::string(buffer);
    return "All Users";
}

std::string GetLocalComputerName() {
    char buffer[256];
    DWORD length = 255;
    if (GetComputerNameA(buffer, &length)) return std::string(buffer);
    return "";
}
