#include "ui/Measure.h"
#include <gtest/gtest.h>

TEST(FormMeasure, DesignPixelsScaleFrom120PixelsPerInch) {
    struct Case {
        int design, ppi, screen;
    } cases[] = {
        {201, 120, 201}, {201, 96, 161},                             // 160.8 rounds up
        {18, 96, 14},    {41, 96, 33},                               // 14.4 down, 32.8 up
        {13, 96, 10},    {-13, 96, -10},                             // font heights scale alike in both signs
        {15, 144, 18},   {0, 96, 0},     {517, 96, 414}, {2, 96, 2}, // 1.6 rounds up
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScaleDesign(c.design, c.ppi), c.screen) << c.design << " at " << c.ppi;
}

TEST(FormMeasure, GaugePercentStaysWithinItsRange) {
    struct Case {
        int min, max, progress, percent;
    } cases[] = {
        {0, 100, 0, 0},   {0, 100, 37, 37},
        {0, 6, 1, 16},    {0, 6, 6, 100},
        {0, 3, 2, 66}, // truncated
        {0, 6, 9, 100},   {0, 6, -1, 0},
        {0, 0, 0, 100},                                    // an empty range counts as done
        {10, 20, 15, 50}, {0, 2000000000, 1999999999, 99}, // no overflow on large ranges
    };
    for (const auto& c : cases)
        EXPECT_EQ(GaugePercent(c.min, c.max, c.progress), c.percent) << c.progress;
    EXPECT_EQ(GaugeText(16), "16%");
}

TEST(FormMeasure, LineBreaksBecomeCrLf) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"a\nb", "a\r\nb"},
        {"a\r\nb", "a\r\nb"},
        {"a\rb", "a\r\nb"},
        {"a\n\nb", "a\r\n\r\nb"},
        {"a\r\n\r\n", "a\r\n\r\n"},
        {"\n\r", "\r\n\r\n"}, // LF then CR: two breaks
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WindowsLineBreaks(c.in), c.out);
}
