#include "sysinfo/Helpers.h"
#include "sysinfo/OsQueries.h"
#include "ui/Registry.h"
#include <cstring>
#include <vector>
#include <gtest/gtest.h>

namespace {
VersionRecord g_fakeVersion;
bool g_versionOk = true;
int g_tokenQueries = 0;

bool FakeVersion(VersionRecord& record) {
    record = g_fakeVersion;
    return g_versionOk;
}
bool FakeAdmin() {
    ++g_tokenQueries;
    return true;
}

void Play(int platform, int major, int minor) {
    g_fakeVersion = VersionRecord();
    g_fakeVersion.platformId = platform;
    g_fakeVersion.major = major;
    g_fakeVersion.minor = minor;
    g_versionOk = true;
    Win32Platform = platform;
}

const char* kNtProfiles = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList";
const char* k9xProfiles = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\ProfileList";

// Plays another system and puts the profile-list values back afterwards.
class OsQueriesTest : public ::testing::Test {
protected:
    void SetUp() override {
        VersionQuery = FakeVersion;
        AdminTokenQuery = FakeAdmin;
        g_tokenQueries = 0;
        TRegistry reg(HKEY_LOCAL_MACHINE);
        if (reg.OpenKey(kNtProfiles, false)) savedNt = reg.ReadString("ProfilesDirectory");
    }
    void TearDown() override {
        VersionQuery = QuerySystemVersion;
        AdminTokenQuery = QueryAdminToken;
        InitPlatform();
        HKEY key;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kNtProfiles, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
            RegSetValueExA(key, "ProfilesDirectory", 0, REG_EXPAND_SZ,
                           reinterpret_cast<const BYTE*>(savedNt.c_str()), static_cast<DWORD>(savedNt.size() + 1));
            RegCloseKey(key);
        }
        TRegistry(HKEY_LOCAL_MACHINE).DeleteKey(k9xProfiles);
    }
    static void SetProfiles(const char* key, DWORD type, const void* data, DWORD size) {
        HKEY handle;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(handle, "ProfilesDirectory", 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(handle);
    }
    static void SetProfiles(const char* key, const std::string& text) {
        SetProfiles(key, REG_EXPAND_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
    }
    std::string savedNt;
};
} // namespace

TEST_F(OsQueriesTest, VersionQueriesFollowTheRecordAndAFailure) {
    Play(2, 5, 1);
    EXPECT_TRUE(IsNTPlatform());
    EXPECT_EQ(GetWindowsVersionName(), "Windows XP");
    Play(1, 4, 10);
    std::memcpy(g_fakeVersion.csdVersion, " A ", 3);
    EXPECT_FALSE(IsNTPlatform());
    EXPECT_EQ(GetWindowsVersionName(), "Windows 98SE");
    g_versionOk = false;
    EXPECT_FALSE(IsNTPlatform());
    EXPECT_EQ(GetWindowsVersionName(), "Unknown");
}

TEST_F(OsQueriesTest, AdminIsNeverAskedOnWin9x) {
    Play(1, 4, 0);
    EXPECT_FALSE(IsAdmin());
    EXPECT_EQ(g_tokenQueries, 0);
    Play(2, 5, 0);
    EXPECT_TRUE(IsAdmin());
    EXPECT_EQ(g_tokenQueries, 1);
}

TEST_F(OsQueriesTest, WineTokenHoldsTheAdministratorsGroup) {
    EXPECT_TRUE(QueryAdminToken());
}

TEST(AdministratorsGroup, MembershipCountsWhateverTheAttributes) {
    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    PSID admins = nullptr, users = nullptr;
    ASSERT_TRUE(AllocateAndInitializeSid(&nt, 2, 32, 544, 0, 0, 0, 0, 0, 0, &admins));
    ASSERT_TRUE(AllocateAndInitializeSid(&nt, 2, 32, 545, 0, 0, 0, 0, 0, 0, &users));
    // A group list as a token gives it: the Administrators group only for deny checks.
    std::vector<BYTE> buffer(sizeof(TOKEN_GROUPS) + sizeof(SID_AND_ATTRIBUTES));
    TOKEN_GROUPS& groups = *reinterpret_cast<TOKEN_GROUPS*>(buffer.data());
    groups.GroupCount = 2;
    groups.Groups[0] = {users, SE_GROUP_ENABLED};
    (&groups.Groups[0])[1] = {admins, SE_GROUP_USE_FOR_DENY_ONLY};
    EXPECT_TRUE(GroupsContainAdministrators(groups)); // deny-only still counts
    groups.GroupCount = 1;
    EXPECT_FALSE(GroupsContainAdministrators(groups));
    groups.GroupCount = 0;
    EXPECT_FALSE(GroupsContainAdministrators(groups));
    FreeSid(admins);
    FreeSid(users);
}

TEST_F(OsQueriesTest, ProfilesDirOnTheNtFamily) {
    Play(2, 5, 1);
    const std::string drive = GetWindowsDir().substr(0, 2);
    struct Case { const char* value; std::string expected; } cases[] = {
        {"%SystemDrive%\\Documents and Settings", drive + "\\Documents and Settings"},
        {"%SYSTEMDRIVE%\\Profiles", "%SYSTEMDRIVE%\\Profiles"}, // matched case-sensitively
        {"   ", "C:\\Dokumente und Einstellungen"},
        {"", "C:\\Dokumente und Einstellungen"},
        {"C:\\Profile ", "C:\\Profile "}, // kept untrimmed
    };
    for (const auto& c : cases) {
        SetProfiles(kNtProfiles, c.value);
        EXPECT_EQ(GetProfilesDir(), c.expected) << c.value;
    }
}

TEST_F(OsQueriesTest, ProfilesDirOnWin9xUsesItsOwnKey) {
    Play(1, 4, 10);
    SetProfiles(kNtProfiles, "C:\\NT\\Profiles");
    TRegistry(HKEY_LOCAL_MACHINE).DeleteKey(k9xProfiles);
    EXPECT_EQ(GetProfilesDir(), "C:\\Dokumente und Einstellungen");
    SetProfiles(k9xProfiles, "C:\\WINDOWS\\Profiles");
    EXPECT_EQ(GetProfilesDir(), "C:\\WINDOWS\\Profiles");
}

TEST_F(OsQueriesTest, ProfilesDirOfAnotherTypeRaises) {
    Play(2, 5, 0);
    DWORD number = 7;
    SetProfiles(kNtProfiles, REG_DWORD, &number, sizeof number);
    try {
        GetProfilesDir();
        FAIL() << "no error";
    } catch (const ERegistryException& e) {
        EXPECT_EQ(e.Message, "Ungültiger Datentyp für 'ProfilesDirectory'");
    }
}

TEST(AccountNames, UserAndComputerAreKnownUnderWine) {
    char expected[256];
    DWORD size = sizeof expected;
    ASSERT_TRUE(GetComputerNameA(expected, &size));
    EXPECT_EQ(GetLocalComputerName(), expected);
    EXPECT_FALSE(GetCurrentUserName().empty());
    EXPECT_NE(GetCurrentUserName(), "All Users");
}
