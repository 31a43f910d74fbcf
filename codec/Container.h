// The compressed file: "!HZL", the expanded size (32-bit little-endian, signed), then the
// LZHUF stream. Platform-free, for the media tool and the fuzz target.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// "!HZL" as the first four bytes read as one little-endian 32-bit value.
constexpr uint32_t CompressedSignature = 0x4C5A4821;
constexpr size_t ContainerHeaderSize = 8;

inline uint32_t LittleEndian32(const uint8_t* bytes) {
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

// Throws Exception when the data is larger than the size field can hold.
std::string PackContainer(std::string_view data);

// Throws Exception with a one-line reason: too short, not a container, truncated or damaged.
std::string UnpackContainer(std::string_view container);
