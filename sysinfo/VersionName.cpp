#include "sysinfo/VersionName.h"

std::string VersionNameOf(const VersionRecord& v) {
    if (v.platformId == kPlatformWin9x) {
        if (v.major != 4) return "Unknown";
        if (v.minor == 0) return "Windows 95";
        if (v.minor == 10)
            // 98SE says " A " here; only the second character is looked at.
            return v.csdVersion[1] == 'A' ? "Windows 98SE" : "Windows 98";
        if (v.minor == 90) return "Windows ME";
        return "Unknown";
    }
    if (v.platformId == kPlatformNT) {
        if (v.major <= 4) return "Windows NT";
        if (v.major == 5 && v.minor == 0) return "Windows 2000";
        if (v.major == 5 && v.minor == 1) return "Windows XP";
        return "Unknown";
    }
    return "Unknown";
}
