// The program block: one installer and uninstaller in one file.
#include "startup/Fsetup.h"
#include "sysinfo/Helpers.h"
#include "wizard/Fprogrs.h"
#include "wizard/fInfo.h"
#include "wizard/fmore.h"
#include <commctrl.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    InitHelpers();
    InitCommonControls(); // present in every comctl32, unlike InitCommonControlsEx
    Application.Title = "Setup";
    Application.CreateForm(f_Setup);
    Application.CreateForm(f_info);
    Application.CreateForm(f_more);
    Application.CreateForm(f_Progress);
    if (UnattendedMode) Application.ShowMainForm = false;
    f_Setup->Timer1.SetEnabled(true);
    Application.Run();
    Application.DestroyForms();
    return 0;
}
