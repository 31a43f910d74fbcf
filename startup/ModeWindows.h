// The windows that Timer1Timer opens over the background: the wizard when installing, the
// uninstall window when uninstalling. Their modules provide them through these hooks; a
// test puts in stand-ins.
#pragma once
#include "ui/Forms.h"
#include <memory>

struct ModeWindowHooks {
    // Creates the wizard (its creation event has run).
    std::unique_ptr<TForm> (*CreateWizard)();
    // Performs Next, Next, Yes, Next on the open wizard, as the unattended mode asks.
    void (*ClickThroughWizard)();
    // Creates the uninstall window (its creation event has run).
    std::unique_ptr<TForm> (*CreateUninstaller)();
};

extern ModeWindowHooks ModeWindows;
