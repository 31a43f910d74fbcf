#include "Screen.h"
#include <algorithm>
#include <cstdio>

namespace e2e {
namespace {

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0) {
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBigEndian(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    PutBigEndian(out, static_cast<uint32_t>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian(out, Crc32(out.data() + start, out.size() - start));
}

// A zlib stream of stored (uncompressed) blocks: no compressor needed, any viewer reads it.
std::vector<uint8_t> ZlibStored(const std::vector<uint8_t>& raw) {
    std::vector<uint8_t> out = {0x78, 0x01};
    size_t offset = 0;
    do {
        const size_t size = std::min<size_t>(raw.size() - offset, 65535);
        const bool last = offset + size == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<uint8_t>(size));
        out.push_back(static_cast<uint8_t>(size >> 8));
        out.push_back(static_cast<uint8_t>(~size));
        out.push_back(static_cast<uint8_t>(~size >> 8));
        out.insert(out.end(), raw.begin() + static_cast<ptrdiff_t>(offset),
                   raw.begin() + static_cast<ptrdiff_t>(offset + size));
        offset += size;
    } while (offset < raw.size());
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBigEndian(out, (b << 16) | a);
    return out;
}

int ScreenCaps(int index) {
    HDC screen = GetDC(nullptr);
    const int value = GetDeviceCaps(screen, index);
    ReleaseDC(nullptr, screen);
    return value;
}

} // namespace

ScreenImage ScreenImage::Capture() {
    ScreenImage image;
    image.width_ = GetSystemMetrics(SM_CXSCREEN);
    image.height_ = GetSystemMetrics(SM_CYSCREEN);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width_;
    info.bmiHeader.biHeight = -image.height_; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, image.width_, image.height_, screen, 0, 0, SRCCOPY);
        GdiFlush();
        const auto* pixels = static_cast<const uint32_t*>(bits);
        image.pixels_.assign(pixels, pixels + static_cast<size_t>(image.width_) * image.height_);
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (image.pixels_.empty()) image.width_ = image.height_ = 0;
    return image;
}

Rgb ScreenImage::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return {-1, -1, -1};
    const uint32_t pixel = pixels_[static_cast<size_t>(y) * width_ + x];
    return {static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
            static_cast<int>(pixel & 0xFF)};
}

int ScreenImage::Count(const RECT& area, Rgb colour) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (At(x, y) == colour) ++count;
    return count;
}

bool ScreenImage::SavePng(const std::string& path) const {
    if (pixels_.empty()) return false;
    std::vector<uint8_t> raw;
    raw.reserve(static_cast<size_t>(height_) * (1 + 3 * static_cast<size_t>(width_)));
    for (int y = 0; y < height_; ++y) {
        raw.push_back(0); // filter: none
        for (int x = 0; x < width_; ++x) {
            const Rgb pixel = At(x, y);
            raw.push_back(static_cast<uint8_t>(pixel.red));
            raw.push_back(static_cast<uint8_t>(pixel.green));
            raw.push_back(static_cast<uint8_t>(pixel.blue));
        }
    }
    std::vector<uint8_t> header;
    PutBigEndian(header, static_cast<uint32_t>(width_));
    PutBigEndian(header, static_cast<uint32_t>(height_));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8 bits per channel, RGB
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", ZlibStored(raw));
    PutChunk(png, "IEND", {});
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
    return std::fclose(file) == 0 && written;
}

int ScreenBitsPerPixel() {
    return ScreenCaps(BITSPIXEL) * ScreenCaps(PLANES);
}
int ScreenPixelsPerInch() {
    return ScreenCaps(LOGPIXELSY);
}

} // namespace e2e
