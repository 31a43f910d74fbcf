// What the scenarios know about the program's windows, seen from outside.
#pragma once
#include "Driver.h"
#include "Medium.h"
#include "Screen.h"
#include <string>

namespace e2e {

// The application name of the test media; its umlauts check the code page on the way too.
inline const std::string kAppTitle = "Müllers Kartei 3";

// Install mode: a setup script whose target lies in the medium, and a licence text.
// Uninstall mode: the installation log.
void WriteMedium(const Medium& medium, bool install);
// The target directory that the medium's setup script proposes.
std::string ProposedTarget(const Medium& medium);

// The full-screen background: caption "Setup" or "Deinstallation", as wide as the screen.
bool IsBackground(const Window& window);
// The background once it has been shown.
Window WaitBackground(const Process& program);
// A visible top-level window other than the background: the window that opens over it.
Window FirstOverBackground(const Process& program);
Window WaitWindowOverBackground(const Process& program);

// A design size (pixels at 120 pixels per inch) on this screen.
int Scaled(int designPixels);

// Saves the screen as PNG in the build folder's screenshot folder, named after the scenario,
// the pixels per inch and the colour depth; returns the capture for pixel checks.
ScreenImage Screenshot(const std::string& scenario);

// A memo's text without the line break after its last line.
std::string WithoutLineEnd(std::string text);

// A rectangle of a window relative to the client area of another one.
RECT RelativeTo(const RECT& screenRect, const Window& window);

} // namespace e2e
