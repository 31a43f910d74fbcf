// The screen as the user sees it: captured from the screen device, read pixel by pixel, and
// saved as a PNG file for a person to look at.
#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include <windows.h>

namespace e2e {

struct Rgb {
    int red, green, blue;
    bool operator==(const Rgb&) const = default;
};

class ScreenImage {
  public:
    static ScreenImage Capture();

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb At(int x, int y) const;
    // Counts the pixels of this exact colour inside a rectangle (screen coordinates).
    int Count(const RECT& area, Rgb colour) const;
    bool SavePng(const std::string& path) const;

  private:
    int width_ = 0, height_ = 0;
    std::vector<uint32_t> pixels_; // 0x00RRGGBB, top row first
};

// Colour depth and pixels per inch of the screen, as every program of this session sees them.
int ScreenBitsPerPixel();
int ScreenPixelsPerInch();

} // namespace e2e
