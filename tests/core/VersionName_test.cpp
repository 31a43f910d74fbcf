#include "sysinfo/VersionName.h"
#include <cstring>
#include <gtest/gtest.h>

namespace {
VersionRecord Make(int platform, int major, int minor, const char* csd) {
    VersionRecord v;
    v.platformId = platform;
    v.major = major;
    v.minor = minor;
    std::memcpy(v.csdVersion, csd, std::strlen(csd));
    return v;
}
} // namespace

TEST(VersionName, MapsEveryRecord) {
    struct Case { int platform, major, minor; const char* csd; const char* name; } cases[] = {
        {1, 4, 0, "", "Windows 95"},
        {1, 4, 0, " B ", "Windows 95"},         // OSR2
        {1, 4, 10, " A ", "Windows 98SE"},
        {1, 4, 10, "", "Windows 98"},           // the terminating zero stands at the second place
        {1, 4, 10, "A", "Windows 98"},          // A as first character only
        {1, 4, 10, " B", "Windows 98"},
        {1, 4, 90, " ", "Windows ME"},
        {1, 4, 3, "", "Unknown"},
        {1, 5, 0, "", "Unknown"},
        {2, 3, 51, "", "Windows NT"},
        {2, 4, 0, "Service Pack 6a", "Windows NT"},
        {2, -1, 0, "", "Windows NT"},           // compared as signed numbers
        {2, 5, 0, "Service Pack 4", "Windows 2000"},
        {2, 5, 1, "Service Pack 3", "Windows XP"},
        {2, 5, 2, "", "Unknown"},               // Server 2003
        {2, 6, 1, "", "Unknown"},
        {0, 4, 0, "", "Unknown"},               // Win32s
        {3, 4, 0, "", "Unknown"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VersionNameOf(Make(c.platform, c.major, c.minor, c.csd)), c.name)
            << c.platform << " " << c.major << "." << c.minor << " '" << c.csd << "'";
}
