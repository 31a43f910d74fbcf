// The compressed-file reader: expands InputName into OutputName through 32,768-byte
// buffers and the LZH decoder. One expansion at a time.
#pragma once
#include "ui/Exception.h"
#include <cstdint>
#include <string>

class ELzrw1Exception : public Exception {
  public:
    using Exception::Exception;
};

// Set by the caller before each expansion; kept afterwards.
extern std::string InputName;
extern std::string OutputName;

// 1 on success, -1 on any failure, a truncated or visibly damaged stream included. Once the
// output file was created, a failure deletes it.
int32_t ExpandFile();

// ExpandFile with the reason: raises ELzrw1Exception or ElzhException on failure.
void ExpandFileOrThrow();

// The decoder's callbacks, one byte per call. Count 0 on the write side flushes.
void ReadInputBytes(uint8_t* buffer, uint16_t count, uint16_t& actual);
void WriteOutputBytes(uint8_t* buffer, uint16_t count, uint16_t& actual);
