// Small helpers for the tests that run under Wine.
#pragma once
#include <string>

// A fresh directory below the temporary folder, removed with its files at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    // The directory with a trailing backslash.
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

void WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);
void RemoveTree(const std::string& dir);

// Runs a program and waits for it; returns its exit code, or -1 when it did not start.
long RunProgram(const std::string& commandLine, unsigned timeoutMs = 60000);
