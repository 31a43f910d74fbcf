#include "ui/Registry.h"
#include <gtest/gtest.h>

namespace {
const char* kTestKey = "Software\\SetupTests\\Registry";

class RegistryTest : public ::testing::Test {
protected:
    void TearDown() override { TRegistry(HKEY_CURRENT_USER).DeleteKey("Software\\SetupTests"); }
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
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kTestKey, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    const char text[] = "%SystemDrive%\\Profiles";
    RegSetValueExA(key, "P", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
    RegSetValueExA(key, "NoZero", 0, REG_SZ, reinterpret_cast<const BYTE*>("abc"), 3);
    RegCloseKey(key);
    EXPECT_EQ(reg.ReadString("P"), text);
    EXPECT_EQ(reg.ReadString("NoZero"), "abc");
}

TEST_F(RegistryTest, OtherTypeRaisesInvalidDataType) {
    TRegistry reg(HKEY_CURRENT_USER);
    ASSERT_TRUE(reg.OpenKey(kTestKey, true));
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kTestKey, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    DWORD number = 5;
    RegSetValueExA(key, "Zahl", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(key);
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
