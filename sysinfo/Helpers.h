// Program-wide paths, flags and the wait between steps.
#pragma once
#include <string>

// Directory of the running program, with one trailing backslash.
extern std::string ProgramDir;
// Set by the file installation when a file could not be installed.
extern bool CopyErrorFlag;

// Sets the globals above as the program starts; tests call it to start afresh.
void InitHelpers();

std::string GetProgramDir();
// As the system gives it: no trailing backslash unless it is a drive root.
std::string GetWindowsDir();
// File name of the running program, without its directory.
std::string GetProgramFileName();

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

// Returns once more than the given milliseconds have passed, letting waiting messages be
// handled meanwhile when pump is set.
void Delay(int milliseconds, bool pump);
