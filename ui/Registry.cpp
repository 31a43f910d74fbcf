#include "ui/Registry.h"
#include <vector>

static std::string RelativeKey(const std::string& key) {
    return !key.empty() && key[0] == '\\' ? key.substr(1) : key;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
    CloseKey();
    std::string path = RelativeKey(key);
    HKEY opened = nullptr;
    LONG rc;
    if (canCreate) {
        DWORD disposition = 0;
        rc = RegCreateKeyExA(RootKey, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                             &opened, &disposition);
    } else {
        rc = RegOpenKeyExA(RootKey, path.c_str(), 0, KEY_ALL_ACCESS, &opened);
    }
    if (rc != ERROR_SUCCESS) return false;
    currentKey_ = opened;
    return true;
}

void TRegistry::CloseKey() {
    if (currentKey_) RegCloseKey(currentKey_);
    currentKey_ = nullptr;
}

bool TRegistry::ValueExists(const std::string& name) const {
    return currentKey_ &&
           RegQueryValueExA(currentKey_, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::string TRegistry::ReadString(const std::string& name) const {
    DWORD type = 0, size = 0;
    if (!currentKey_ || RegQueryValueExA(currentKey_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return "";
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        throw ERegistryException(FormatMessage1("Ungültiger Datentyp für '%s'", name));
    std::vector<char> data(size + 1, '\0');
    if (RegQueryValueExA(currentKey_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS)
        return "";
    data[size] = '\0';
    return std::string(data.data()); // up to the first zero: the stored text may or may not carry one
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
    if (!currentKey_ || RegSetValueExA(currentKey_, name.c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(value.c_str()),
                                       static_cast<DWORD>(value.size() + 1)) != ERROR_SUCCESS)
        throw ERegistryException(FormatMessage1("Fehler beim Setzen der Daten für '%s'", name));
}

// Depth first, because RegDeleteKey on the NT family refuses a key that has subkeys.
static bool DeleteTree(HKEY parent, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(parent, path.c_str(), 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        std::vector<std::string> children;
        char name[256];
        for (DWORD i = 0;; ++i) {
            DWORD length = sizeof name;
            if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
            children.emplace_back(name, length);
        }
        for (const std::string& child : children) DeleteTree(key, child);
        RegCloseKey(key);
    }
    return RegDeleteKeyA(parent, path.c_str()) == ERROR_SUCCESS;
}

bool TRegistry::DeleteKey(const std::string& key) {
    std::string path = RelativeKey(key);
    if (path.empty()) return false;
    return DeleteTree(RootKey, path);
}
