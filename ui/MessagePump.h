#pragma once

// Lets the user-interface thread handle every message that is waiting, so windows
// repaint and buttons react during a long step. A WM_QUIT is put back for the main loop.
void ProcessMessages();
