#include "ui/Registry.h"
#include <gtest/gtest.h>

namespace {
const char* kTestKey = "Software\\SetupTests\\Registry";

class RegistryTest : public ::testing::Test {
protected:
    void TearDown() override { TRegistry(HKEY_CURRENT_USER).DeleteKey("Software\\SetupTests"); }
    // Stores a value of any type, past the accessor.
    static void SetRaw(const char* name, DWORD type, const void* data, DWORD size) {
        HKEY key;
        ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kTestKey, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
        RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }
};
} // namespace

TEST_F(RegistryTest, OpenCreatesOnlyWhenAsked) {
    TRegistry reg(HKEY_CURRENT_USER);
    EXPECT_FALSE(reg.OpenKey(kTestKey, false));
    EXPECT_FALSE(reg.HasCurrentKey());
    EXPECT_TRUE(reg.OpenKey(std::string("\\") + kTestKey, true)); // leading backslash: from the root
    EXPECT_TRUE(reg.OpenKey(kTestKey, false));
}

TEST_F(RegistryTest, StringsRoundTripAndAbsentValueIsEmpty) {
    TRegistry reg(HKEY_CURRENT_USER);
    ASSERT_TRUE(reg.OpenKey(kTestKey, true));
    reg.WriteString("UninstallString", "C:\\Programme\\Müll\\Uninstal.exe");
    EXPECT_TRUE(reg.ValueExists("UninstallString"));
    EXPECT_EQ(reg.ReadString("UninstallString"), "C:\\Programme\\Müll\\Uninstal.exe");
    EXPECT_FALSE(reg.ValueExists("Nothing"));
    EXPECT_EQ(reg.ReadString("Nothing"), "");
}

TEST_F(RegistryTest, ExpandableStringIsReadUnexpanded) {
    TRegistry reg(HKEY_CURRENT_USER);
    ASSERT_TRUE(reg.OpenKey(kTestKey, true));
    const char text[] = "%SystemDrive%\\Profiles";
    SetRaw("P", REG_EXPAND_SZ, text, sizeof text);
    SetRaw("NoZero", REG_SZ, "abc", 3);
    EXPECT_EQ(reg.ReadString("P"), text);
    EXPECT_EQ(reg.ReadString("NoZero"), "abc");
}

TEST_F(RegistryTest, OtherTypeRaisesInvalidDataType) {
    TRegistry reg(HKEY_CURRENT_USER);
    ASSERT_TRUE(reg.OpenKey(kTestKey, true));
    DWORD number = 5;
    SetRaw("Zahl", REG_DWORD, &number, sizeof number);
    try {
        reg.ReadString("Zahl");
        FAIL() << "no error";
    } catch (const ERegistryException& e) {
        EXPECT_EQ(e.Message, "Ungültiger Datentyp für 'Zahl'");
    }
}

TEST_F(RegistryTest, DeleteKeyRemovesSubkeys) {
    {
        TRegistry reg(HKEY_CURRENT_USER);
        ASSERT_TRUE(reg.OpenKey(std::string(kTestKey) + "\\Child\\Grandchild", true));
        reg.WriteString("v", "1");
        ASSERT_TRUE(reg.OpenKey(std::string(kTestKey) + "\\Other", true));
    }
    TRegistry reg(HKEY_CURRENT_USER);
    EXPECT_TRUE(reg.DeleteKey(kTestKey));
    EXPECT_FALSE(reg.OpenKey(kTestKey, false));
    EXPECT_FALSE(reg.DeleteKey(kTestKey));
    EXPECT_TRUE(reg.OpenKey("Software\\SetupTests", false)); // the parent stays
}
