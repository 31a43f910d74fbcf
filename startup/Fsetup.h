// Tf_Setup: the main form. Decides the mode, reads the first settings, covers the screen with
// the gradient and the step tree, and opens the wizard or the uninstall window over it.
#pragma once
#include "ui/ComCtrls.h"
#include "ui/ExtCtrls.h"
#include "ui/Forms.h"
#include "ui/StdCtrls.h"

extern bool UnattendedMode;

class Tf_Setup : public TForm {
  public:
    Tf_Setup();

    TTimer Timer1;
    TLabel Label1;
    TPanel Panel1;
    TTreeView TreeView1;
    TLabel lbProgName;
    TPanel SetupType;
    TTimer AutoTimer;

    void FormCreate();
    void Timer1Timer();
    void FormPaint();
    void AutoTimerTimer();

  private:
    void PrepareGradient();
    void SetUpMode(bool installMode);
    void LookUpEarlierInstallation();
};

extern Tf_Setup* f_Setup;

// Whether Shift and Ctrl are both held; tests replace it, since a new process under Wine
// starts with an empty key state.
extern bool (*ShiftCtrlQuery)();
