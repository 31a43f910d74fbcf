#include "ui/StringList.h"
#include "sysinfo/StrUtil.h"

std::string TStringList::NameOf(const std::string& line) {
    auto eq = line.find('=');
    return eq == std::string::npos ? line : line.substr(0, eq);
}

std::string TStringList::ValueOf(const std::string& line) {
    auto eq = line.find('=');
    return eq == std::string::npos ? std::string() : line.substr(eq + 1);
}

int TStringList::IndexOfName(const std::string& name) const {
    const std::string wanted = AsciiLower(name);
    for (int i = 0; i < Count(); ++i)
        if (AsciiLower(NameOf(Lines[static_cast<size_t>(i)])) == wanted) return i;
    return -1;
}

std::string TStringList::Values(const std::string& name) const {
    int i = IndexOfName(name);
    return i < 0 ? std::string() : ValueOf(Lines[static_cast<size_t>(i)]);
}

void TStringList::SetValue(const std::string& name, const std::string& value) {
    int i = IndexOfName(name);
    if (value.empty()) {
        if (i >= 0) Lines.erase(Lines.begin() + i);
    } else if (i >= 0) {
        Lines[static_cast<size_t>(i)] = name + "=" + value;
    } else {
        Lines.push_back(name + "=" + value);
    }
}
