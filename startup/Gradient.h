// Colours of the background gradient; no Win32, so they are tested natively.
#pragma once
#include <cstdint>

// Each of the four bytes blended on its own: ((n - i) * a + i * b) div n.
std::uint32_t BlendColor(std::uint32_t a, std::uint32_t b, int i, int n);

constexpr int kGradientRows = 256;
constexpr std::uint32_t kGradientTop = 0x800000; // navy
constexpr std::uint32_t kGradientBottom = 0x000000;
// Colour of one row of GradientBitmap, row 0 at the top.
std::uint32_t GradientRowColor(int row);
