// Arithmetic of the form layer that needs no window: design scaling and gauge text.
#pragma once
#include <string>

constexpr int kDesignPixelsPerInch = 120;

// A design measure (pixels at 120 per inch) in pixels of a screen with the given density,
// rounded to the nearest pixel; negative measures (font heights) scale alike.
int ScaleDesign(int designPixels, int pixelsPerInch);

// Share of the way from minValue to maxValue, in whole percent, kept within 0..100.
int GaugePercent(int minValue, int maxValue, int progress);
std::string GaugeText(int percent);

// Text with every line break (CR LF, lone CR, lone LF) made CR LF, as an edit control needs.
std::string WindowsLineBreaks(const std::string& text);
