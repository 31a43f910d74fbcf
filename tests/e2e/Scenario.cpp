#include "Scenario.h"

namespace e2e {

void WriteMedium(const Medium& medium, bool install) {
    if (!install) {
        medium.WriteInstallLog(kAppTitle);
        return;
    }
    medium.WriteSetupScript(kAppTitle, ProposedTarget(medium));
    medium.Write("Vertrag.Txt", "Lizenzvertrag\r\nNutzung auf eigene Gefahr.\r\n");
}

std::string ProposedTarget(const Medium& medium) {
    return medium.Dir() + "Ziel";
}

bool IsBackground(const Window& window) {
    const RECT rect = window.Rect();
    const std::string caption = window.Text();
    return (caption == "Setup" || caption == "Deinstallation") &&
           rect.right - rect.left == GetSystemMetrics(SM_CXSCREEN);
}

Window WaitBackground(const Process& program) {
    return program.WaitWindow(IsBackground);
}

Window FirstOverBackground(const Process& program) {
    for (const auto& window : program.TopWindows())
        if (!IsBackground(window)) return window;
    return {};
}

Window WaitWindowOverBackground(const Process& program) {
    // A starting window may show for a moment before its caption and bounds are final; only a
    // window seen twice in a row counts.
    Window candidate, found;
    WaitUntil([&] {
        const Window now = FirstOverBackground(program);
        if (now && now.Handle() == candidate.Handle()) found = now;
        candidate = now;
        return static_cast<bool>(found);
    });
    return found;
}

int Scaled(int designPixels) {
    return MulDiv(designPixels, ScreenPixelsPerInch(), 120);
}

ScreenImage Screenshot(const std::string& scenario) {
    const std::string dir = HostPath(E2E_SCREENS_DIR);
    CreateDirectoryA(dir.c_str(), nullptr);
    ScreenImage image = ScreenImage::Capture();
    image.SavePng(dir + "\\" + scenario + "-" + std::to_string(ScreenPixelsPerInch()) + "ppi-" +
                  std::to_string(ScreenBitsPerPixel()) + "bpp.png");
    return image;
}

std::string WithoutLineEnd(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

RECT RelativeTo(const RECT& screenRect, const Window& window) {
    const RECT client = window.ClientRect();
    return {screenRect.left - client.left, screenRect.top - client.top, screenRect.right - client.left,
            screenRect.bottom - client.top};
}

} // namespace e2e
