#pragma once
#include <windows.h>

// Lets the user-interface thread handle every message that is waiting, so windows
// repaint and buttons react during a long step. A WM_QUIT is put back for the main loop.
void ProcessMessages();

// Hands one message to its window, after giving the window's top-level form the chance to
// treat it as dialog keyboard input (Tab, Enter, Escape, accelerators).
void DispatchWithDialogKeys(MSG& msg);
