// A registry accessor: one root, at most one open key, released by the destructor.
#pragma once
#include "ui/Exception.h"
#include <string>
#include <windows.h>

class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

class TRegistry {
public:
    TRegistry() = default;
    explicit TRegistry(HKEY root) : RootKey(root) {}
    ~TRegistry() { CloseKey(); }
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    HKEY RootKey = HKEY_CURRENT_USER;

    // Opens a path below RootKey (a leading backslash is allowed) with full access,
    // creating it when asked. Closes the key opened before.
    bool OpenKey(const std::string& key, bool canCreate);
    void CloseKey();
    bool HasCurrentKey() const { return currentKey_ != nullptr; }

    bool ValueExists(const std::string& name) const;
    // A string or expandable string, unexpanded; "" when the value is absent. Any other
    // type raises "Ungültiger Datentyp für '<name>'".
    std::string ReadString(const std::string& name) const;
    void WriteString(const std::string& name, const std::string& value);
    // Removes a key below RootKey with all its subkeys (NT does not remove subkeys itself).
    bool DeleteKey(const std::string& key);

private:
    HKEY currentKey_ = nullptr;
};
