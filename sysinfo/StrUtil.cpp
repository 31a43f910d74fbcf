#include "sysinfo/StrUtil.h"

std::string AddBackslash(const std::string& path) {
    if (path.empty() || path.back() == '\\') return path;
    return path + '\\';
}

std::string ReplaceAll(const std::string& text, const std::string& oldText, const std::string& newText) {
    std::string result = text;
    if (oldText.empty()) return result;
    std::string::size_type pos = 0;
    while ((pos = result.find(oldText, pos)) != std::string::npos) {
        result.replace(pos, oldText.size(), newText);
        pos += newText.size();
    }
    return result;
}

std::string AsciiUpper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string AsciiLower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

static std::string::size_type LastDelimiter(const std::string& path) {
    return path.find_last_of("\\:");
}

std::string ExtractFilePath(const std::string& path) {
    auto pos = LastDelimiter(path);
    return pos == std::string::npos ? std::string() : path.substr(0, pos + 1);
}

std::string ExtractFileName(const std::string& path) {
    auto pos = LastDelimiter(path);
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

std::string ExtractFileExt(const std::string& path) {
    std::string name = ExtractFileName(path);
    auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string ExcludeTrailingBackslash(const std::string& path) {
    if (!path.empty() && path.back() == '\\') return path.substr(0, path.size() - 1);
    return path;
}

std::string Trim(const std::string& text) {
    auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::string::size_type first = 0, last = text.size();
    while (first < last && isBlank(text[first])) ++first;
    while (last > first && isBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}
