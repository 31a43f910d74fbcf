// A list of "name=value" lines with case-insensitive look-up by name, as filled
// from a list section of an INI file.
#pragma once
#include <string>
#include <vector>

class TStringList {
public:
    int Count() const { return static_cast<int>(Lines.size()); }
    const std::string& operator[](int i) const { return Lines[static_cast<size_t>(i)]; }
    void Add(const std::string& line) { Lines.push_back(line); }
    void Clear() { Lines.clear(); }

    // Index of the first line "name=..." (ASCII case-insensitive), or -1.
    int IndexOfName(const std::string& name) const;
    // Text behind the first "=" of the name's line; "" when absent.
    std::string Values(const std::string& name) const;
    // Sets the name's value; an empty value removes the line, a new name is appended.
    void SetValue(const std::string& name, const std::string& value);
    static std::string NameOf(const std::string& line);
    static std::string ValueOf(const std::string& line);

    std::vector<std::string> Lines;
};
