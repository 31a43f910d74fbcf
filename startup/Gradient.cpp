#include "startup/Gradient.h"

std::uint32_t BlendColor(std::uint32_t a, std::uint32_t b, int i, int n) {
    std::uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const long long byteA = (a >> shift) & 0xFF;
        const long long byteB = (b >> shift) & 0xFF;
        const long long blended = ((n - i) * byteA + i * byteB) / n;
        result |= (static_cast<std::uint32_t>(blended) & 0xFF) << shift;
    }
    return result;
}

std::uint32_t GradientRowColor(int row) {
    return BlendColor(kGradientTop, kGradientBottom, row, kGradientRows);
}
