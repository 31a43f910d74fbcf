// The program's error type: carries a message for the user and nothing else.
// Platform-free, so the decoder can raise its errors natively too.
#pragma once
#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : Message(std::move(message)) {}
    const char* what() const noexcept override { return Message.c_str(); }
    std::string Message;
};

// "%s" in the pattern replaced by the argument (first occurrence only).
inline std::string FormatMessage1(const std::string& pattern, const std::string& arg) {
    std::string text = pattern;
    auto pos = text.find("%s");
    if (pos != std::string::npos) text.replace(pos, 2, arg);
    return text;
}
