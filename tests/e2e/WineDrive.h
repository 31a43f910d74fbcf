// A folder as the root of a drive letter of its own, for programs started from a drive root.
// Made through Wine's mount manager, as winecfg makes drives; the letter goes again at the end.
#pragma once
#include <string>

namespace e2e {

class WineDrive {
  public:
    explicit WineDrive(const std::string& folder);
    ~WineDrive();
    WineDrive(const WineDrive&) = delete;
    WineDrive& operator=(const WineDrive&) = delete;

    explicit operator bool() const { return letter_ != 0; }
    std::string Root() const { return std::string(1, letter_) + ":\\"; } // e.g. R:\ .

  private:
    char letter_ = 0;
};

} // namespace e2e
