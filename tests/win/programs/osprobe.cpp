// Started by the personality tests under a Windows version that Wine plays for this
// program's file name; writes what the system queries answer into the file named.
#include "sysinfo/Helpers.h"
#include "sysinfo/OsQueries.h"
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    InitHelpers();
    FILE* out = std::fopen(argv[1], "wb");
    if (!out) return 3;
    std::fprintf(out, "%s|%d|%d|%s", GetWindowsVersionName().c_str(), IsNTPlatform() ? 1 : 0, IsAdmin() ? 1 : 0,
                 GetProfilesDir().c_str());
    std::fclose(out);
    return 0;
}
