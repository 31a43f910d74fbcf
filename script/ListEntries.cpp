#include "script/ListEntries.h"
#include "sysinfo/StrUtil.h"
#include <algorithm>

std::vector<std::string> NumberedEntries(const TStringList& list) {
    std::vector<std::string> names;
    for (int i = 1; i <= list.Count(); ++i) names.push_back(list.Values(std::to_string(i)));
    return names;
}

std::vector<ShortcutItem> ShortcutItems(const TStringList& list) {
    std::vector<ShortcutItem> items;
    for (const std::string& line : list.Lines) {
        ShortcutItem item{TStringList::NameOf(line), TStringList::ValueOf(line)};
        if (item.Title.size() > kMaxShortcutTitle) item.Title.resize(kMaxShortcutTitle);
        items.push_back(std::move(item));
    }
    return items;
}

// The number of a key "File<n>" as the installer writes it (no leading zeros), or 0.
static long FileKeyNumber(const std::string& key) {
    if (key.size() < 5 || key.size() > 13 || AsciiLower(key.substr(0, 4)) != "file" || key[4] == '0') return 0;
    long number = 0;
    for (std::size_t i = 4; i < key.size(); ++i) {
        if (key[i] < '0' || key[i] > '9') return 0;
        number = number * 10 + (key[i] - '0');
    }
    return number;
}

std::vector<std::string> LoggedFiles(const TStringList& list) {
    std::vector<std::pair<long, std::string>> numbered;
    for (const std::string& line : list.Lines)
        if (long number = FileKeyNumber(TStringList::NameOf(line)))
            numbered.emplace_back(number, TStringList::ValueOf(line));
    std::stable_sort(numbered.begin(), numbered.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> files;
    for (auto& entry : numbered) files.push_back(std::move(entry.second));
    return files;
}
