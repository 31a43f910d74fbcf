// Naming of the Windows version from a version record. Platform-free, so the rules
// for releases that no test machine can play are checked with a table of records.
#pragma once
#include <cstdint>
#include <string>

constexpr std::int32_t kPlatformWin9x = 1; // VER_PLATFORM_WIN32_WINDOWS
constexpr std::int32_t kPlatformNT = 2;    // VER_PLATFORM_WIN32_NT

struct VersionRecord {
    std::int32_t platformId = 0;
    std::int32_t major = 0;
    std::int32_t minor = 0;
    char csdVersion[128] = {}; // service-pack text, zero-filled behind its end
};

// "Windows 95", "Windows 98", "Windows 98SE", "Windows ME", "Windows NT",
// "Windows 2000", "Windows XP" or "Unknown". Callers compare these exact texts.
std::string VersionNameOf(const VersionRecord& v);
