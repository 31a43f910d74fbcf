// Whole-file reading and writing for the media tool, with errors as Exception.
#pragma once
#include <string>

std::string LoadFile(const std::string& path);
// Writes all bytes or, on any failure, removes what was written and throws.
void SaveFile(const std::string& path, const std::string& bytes);
// The last component of a path; both slashes separate.
std::string BaseName(const std::string& path);
