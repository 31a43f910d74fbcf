// Access to an INI file through the system's private-profile functions. Every call
// opens, reads or changes and closes the file, so a reader holds nothing open.
#pragma once
#include "ui/Exception.h"
#include "ui/StringList.h"
#include <string>
#include <vector>

class EIniFileException : public Exception {
public:
    using Exception::Exception;
};

class TIniFile {
public:
    explicit TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}
    const std::string& FileName() const { return fileName_; }

    // One value through a 1,024-byte buffer: longer values arrive cut to 1,023 characters.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // The section's key names in file order, through an 8,192-byte buffer.
    std::vector<std::string> ReadSection(const std::string& section) const;
    // The section as name=value lines in file order; a key with an empty value is left
    // out, and a key that occurs twice gives one line with its first value.
    TStringList ReadSectionValues(const std::string& section) const;
    // Throws EIniFileException "Kann nicht nach <file> schreiben" when the system refuses.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);

    static constexpr unsigned kValueBufferSize = 1024;
    static constexpr unsigned kSectionBufferSize = 8192;

private:
    std::string fileName_;
};
