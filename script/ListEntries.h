// Interpreting the list sections of the setup script and the installation log.
#pragma once
#include "ui/StringList.h"
#include <string>
#include <vector>

// The values of the keys "1" to "N", N being the number of entries; a missing number
// gives an empty name at its place, and numbers above N are not read.
std::vector<std::string> NumberedEntries(const TStringList& list);

// One line of "Items": the shortcut's target relative to the target directory, and its name.
struct ShortcutItem {
    std::string File;
    std::string Title;
};
constexpr std::size_t kMaxShortcutTitle = 255;
// Each entry split at its first "=", the name cut to 255 characters.
std::vector<ShortcutItem> ShortcutItems(const TStringList& list);

// Values of the keys "File1", "File2", ... in ascending number, wherever they stand and
// whatever numbers are missing, so a gap never hides the entries above it.
std::vector<std::string> LoggedFiles(const TStringList& list);
