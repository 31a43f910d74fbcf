// Tf_info: the readme viewer, reloading Liesmich.txt each time it becomes active.
#pragma once
#include "ui/ExtCtrls.h"
#include "ui/Forms.h"
#include "ui/StdCtrls.h"

class Tf_info : public TForm {
  public:
    Tf_info();

    TMemo Memo1;
    TPanel Panel1;
    TButton bnGoOn;

    void FormCreate();
    void bnGoOnClick();
    void FormActivate();
};

extern Tf_info* f_info;
