#include "startup/Gradient.h"
#include <gtest/gtest.h>

TEST(Gradient, BlendColorMixesEachByteOnItsOwn) {
    struct Case {
        std::uint32_t a, b;
        int i, n;
        std::uint32_t out;
    } cases[] = {
        {0x800000, 0, 0, 256, 0x800000},      {0x800000, 0, 1, 256, 0x7F0000},
        {0x800000, 0, 255, 256, 0},           {0x800000, 0, 128, 256, 0x400000},
        {0x0000FF, 0xFF0000, 1, 2, 0x7F007F}, // 255/2 truncates in both bytes
        {0xFF000000, 0, 1, 2, 0x7F000000},    // the top byte blends too, without spilling
        {0x102030, 0x102030, 7, 9, 0x102030},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BlendColor(c.a, c.b, c.i, c.n), c.out) << c.i << "/" << c.n;
}

TEST(Gradient, RowsRunFromNavyToBlackWithoutRedOrGreen) {
    EXPECT_EQ(GradientRowColor(0), 0x800000u);
    EXPECT_EQ(GradientRowColor(kGradientRows - 1), 0u);
    for (int row = 1; row < kGradientRows; ++row) {
        const std::uint32_t color = GradientRowColor(row);
        EXPECT_EQ(color & 0xFFFF, 0u) << row;
        EXPECT_LE(color, GradientRowColor(row - 1)) << row;
        EXPECT_EQ(color >> 16, static_cast<std::uint32_t>((256 - row) * 128 / 256)) << row;
    }
}
