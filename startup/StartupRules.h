// The start-up's decisions that need no window: mode, switch, names and placement.
#pragma once
#include <string>

// Install mode when the program file is named Setup.exe (ASCII letters compared in upper case).
bool IsInstallProgramName(const std::string& fileName);
// "Setup.lst" when installing, "install1.log" when uninstalling.
std::string ScriptNameFor(bool installMode);
std::string MissingScriptMessage(const std::string& programDir, const std::string& scriptName);

// The first parameter of a command line as the program sees it: the program name skipped,
// parameters split at blanks and control characters, double quotes grouping and removed.
std::string FirstParameter(const std::string& commandLine);

// Directory of an earlier installation's uninstaller: the path up to its last backslash or
// colon, without a trailing backslash.
std::string EarlierInstallDir(const std::string& uninstallString);

// A window centred in the area right of the step tree: its left edge.
int LeftRightOfTree(int clientWidth, int treeWidth, int ownWidth);
// Centred in a height: its top edge (div truncating toward zero).
int CentredTop(int areaHeight, int ownHeight);
