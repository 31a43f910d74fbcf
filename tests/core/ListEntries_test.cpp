#include "script/ListEntries.h"
#include <gtest/gtest.h>

namespace {
// Builds a list the way an INI section is gathered: SetValue per key in file order.
TStringList Section(std::initializer_list<std::pair<const char*, const char*>> keys) {
    TStringList list;
    for (const auto& [key, value] : keys) list.SetValue(key, value);
    return list;
}
} // namespace

TEST(StringList, GathersLikeAnIniSection) {
    TStringList list = Section({{"1", "a.exe"}, {"2", ""}, {"File1", "x"}, {"file1", "y"}});
    EXPECT_EQ(list.Count(), 2);                // empty value left out, repeated key one entry
    EXPECT_EQ(list.Values("FILE1"), "y");
    EXPECT_EQ(list.Values("missing"), "");
    EXPECT_EQ(list.IndexOfName("2"), -1);
}

TEST(NumberedEntries, UsesNumbersNotPositions) {
    EXPECT_EQ(NumberedEntries(Section({{"1", "A.EXE"}, {"2", "B.DLL"}, {"4", "D.TXT"}})),
              (std::vector<std::string>{"A.EXE", "B.DLL", ""})); // key 4 never read
    EXPECT_EQ(NumberedEntries(Section({{"2", "B"}, {"1", "A"}})), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(NumberedEntries(Section({{"1", "A"}, {"2", ""}, {"3", "C"}})),
              (std::vector<std::string>{"A", ""})); // an empty value does not count
    EXPECT_TRUE(NumberedEntries(TStringList()).empty());
}

TEST(ShortcutItems, SplitsAtFirstEqualsAndCutsTitle) {
    TStringList list;
    list.Add("app.exe=Mein Programm");
    list.Add("doc\\liesmich.txt=Lies mich = bitte");
    list.Add("x.exe=" + std::string(300, 'T'));
    auto items = ShortcutItems(list);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].File, "app.exe");
    EXPECT_EQ(items[0].Title, "Mein Programm");
    EXPECT_EQ(items[1].File, "doc\\liesmich.txt");
    EXPECT_EQ(items[1].Title, "Lies mich = bitte");
    EXPECT_EQ(items[2].Title, std::string(255, 'T'));
}

TEST(LoggedFiles, VisitsEveryEntryInAscendingNumber) {
    // A gap (File2, skipped by the copy) must not hide File5; order in the file does not matter.
    auto files = LoggedFiles(Section({{"File3", "c:\\t\\c.dll"}, {"File1", "c:\\t\\a.exe"},
                                      {"File10", "c:\\t\\j"}, {"File5", "c:\\t\\uninstal.exe"},
                                      {"File4", "c:\\windows\\w.dll"}, {"Other", "x"}, {"File", "y"},
                                      {"File07", "z"}, {"FileX", "z"}}));
    EXPECT_EQ(files, (std::vector<std::string>{"c:\\t\\a.exe", "c:\\t\\c.dll", "c:\\windows\\w.dll",
                                               "c:\\t\\uninstal.exe", "c:\\t\\j"}));
    EXPECT_TRUE(LoggedFiles(TStringList()).empty());
}
