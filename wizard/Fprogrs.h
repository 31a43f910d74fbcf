// Tf_Progress: shows the file being worked on and how far the work has come.
#pragma once
#include "ui/ExtCtrls.h"
#include "ui/Forms.h"
#include "ui/StdCtrls.h"

class Tf_Progress : public TForm {
  public:
    Tf_Progress();

    TLabel Label1;
    TPanel pnFrom;
    TLabel Label2;
    TPanel pnTo;
    TBitBtn bnEsc;
    TGauge Gauge1;

    void bnEscClick();
};

extern Tf_Progress* f_Progress;
