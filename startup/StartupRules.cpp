#include "startup/StartupRules.h"
#include "sysinfo/StrUtil.h"

bool IsInstallProgramName(const std::string& fileName) {
    return AsciiUpper(fileName) == "SETUP.EXE";
}

std::string ScriptNameFor(bool installMode) {
    return installMode ? "Setup.lst" : "install1.log";
}

std::string MissingScriptMessage(const std::string& programDir, const std::string& scriptName) {
    return "Datei " + scriptName + " nicht gefunden: " + programDir + scriptName;
}

// Reads one parameter from pos on; returns false when none is left.
static bool NextParameter(const std::string& line, size_t& pos, std::string& parameter) {
    while (pos < line.size() && static_cast<unsigned char>(line[pos]) <= ' ')
        ++pos;
    if (pos >= line.size()) return false;
    parameter.clear();
    bool quoted = false;
    for (; pos < line.size(); ++pos) {
        const char c = line[pos];
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && static_cast<unsigned char>(c) <= ' ') {
            break;
        } else {
            parameter += c;
        }
    }
    return true;
}

std::string FirstParameter(const std::string& commandLine) {
    size_t pos = 0;
    std::string parameter;
    if (!NextParameter(commandLine, pos, parameter)) return ""; // the program name
    return NextParameter(commandLine, pos, parameter) ? parameter : "";
}

std::string EarlierInstallDir(const std::string& uninstallString) {
    return ExcludeTrailingBackslash(ExtractFilePath(uninstallString));
}

int LeftRightOfTree(int clientWidth, int treeWidth, int ownWidth) {
    return (clientWidth - treeWidth - ownWidth) / 2 + treeWidth;
}

int CentredTop(int areaHeight, int ownHeight) {
    return (areaHeight - ownHeight) / 2;
}
