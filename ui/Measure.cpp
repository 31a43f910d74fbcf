#include "ui/Measure.h"

int ScaleDesign(int designPixels, int pixelsPerInch) {
    const long long scaled = static_cast<long long>(designPixels) * pixelsPerInch;
    const long long half = kDesignPixelsPerInch / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kDesignPixelsPerInch
                                        : (scaled - half) / kDesignPixelsPerInch);
}

int GaugePercent(int minValue, int maxValue, int progress) {
    if (maxValue <= minValue) return progress >= maxValue ? 100 : 0;
    if (progress <= minValue) return 0;
    if (progress >= maxValue) return 100;
    return static_cast<int>(static_cast<long long>(progress - minValue) * 100 / (maxValue - minValue));
}

std::string GaugeText(int percent) {
    return std::to_string(percent) + "%";
}

std::string WindowsLineBreaks(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            out += "\r\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += c;
        }
    }
    return out;
}
