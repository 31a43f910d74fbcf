// Questions about the running system: version, administrator rights, profile folders,
// user and computer names. Each call asks the system afresh and never shows a message.
#pragma once
#include "sysinfo/VersionName.h"
#include <string>
#include <windows.h>

// Platform id of the running system, taken once as the program starts.
extern int Win32Platform;
void InitPlatform();

bool IsNTPlatform();
std::string GetWindowsVersionName();
bool IsAdmin();
std::string GetProfilesDir();
std::string GetCurrentUserName();
std::string GetLocalComputerName();

// Whether a token's group list holds the local Administrators group; the attributes
// (enabled, deny-only) do not matter.
bool GroupsContainAdministrators(const TOKEN_GROUPS& groups);

// Where the version and the administrator answer come from. The program keeps the
// system's answers; tests put in their own, since Wine always reports an administrator.
extern bool (*VersionQuery)(VersionRecord& record);
extern bool (*AdminTokenQuery)();
bool QuerySystemVersion(VersionRecord& record);
bool QueryAdminToken();
