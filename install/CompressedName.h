// Installed names of files stored compressed: APP.EX_ is installed as APP.EXE.
#pragma once
#include <string>

// The name with its extension replaced by the first matching row of the name table, or
// unchanged when no row matches.
std::string MapCompressedName(const std::string& name);

// The name to store a file under so that it is expanded when installed: the last letter of
// a three-letter extension becomes "_" (APP.EXE -> APP.EX_). Empty when the name has no
// three-letter extension.
std::string CompressedName(const std::string& name);
