// String and path helpers on byte strings in the ANSI code page. No Win32 here:
// these build and are tested natively as well.
#pragma once
#include <string>

// The path with exactly one backslash at its end; empty stays empty.
std::string AddBackslash(const std::string& path);
// Every occurrence of oldText replaced; inserted text is never searched again.
std::string ReplaceAll(const std::string& text, const std::string& oldText, const std::string& newText);

// Only the ASCII letters change case.
std::string AsciiUpper(std::string text);
std::string AsciiLower(std::string text);

// Everything up to and including the last backslash or colon ("" when there is none).
std::string ExtractFilePath(const std::string& path);
// Everything after the last backslash or colon.
std::string ExtractFileName(const std::string& path);
// The extension of the last path component, from its last dot, dot included ("" when none).
std::string ExtractFileExt(const std::string& path);
// One trailing backslash removed, if there is one.
std::string ExcludeTrailingBackslash(const std::string& path);
// Leading and trailing blanks and control characters (<= ' ') removed.
std::string Trim(const std::string& text);
