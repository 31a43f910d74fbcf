#include "ui/IniFile.h"
#include <windows.h>

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
    char buffer[kValueBufferSize];
    DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer,
                                            sizeof buffer, fileName_.c_str());
    return std::string(buffer, length);
}

std::vector<std::string> TIniFile::ReadSection(const std::string& section) const {
    std::vector<char> buffer(kSectionBufferSize);
    DWORD length = GetPrivateProfileStringA(section.c_str(), nullptr, "", buffer.data(),
                                            static_cast<DWORD>(buffer.size()), fileName_.c_str());
    // Key names, each closed by a zero byte; the system cuts the list to fit.
    std::vector<std::string> keys;
    const char* p = buffer.data();
    const char* end = p + length;
    while (p < end && *p) {
        std::string key(p);
        p += key.size() + 1;
        keys.push_back(std::move(key));
    }
    return keys;
}

TStringList TIniFile::ReadSectionValues(const std::string& section) const {
    TStringList list;
    for (const std::string& key : ReadSection(section))
        list.SetValue(key, ReadString(section, key, ""));
    return list;
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), fileName_.c_str()))
        throw EIniFileException(FormatMessage1("Kann nicht nach %s schreiben", fileName_));
}
