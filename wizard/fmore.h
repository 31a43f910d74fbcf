// Tf_more: asks whether a desktop and a start-menu shortcut are to be made.
#pragma once
#include "ui/ExtCtrls.h"
#include "ui/Forms.h"
#include "ui/StdCtrls.h"

class Tf_more : public TForm {
  public:
    Tf_more();

    TBitBtn BitBtn1;
    TGroupBox GroupBox1;
    TCheckBox cbStartmenu;
    TCheckBox cbDesktop;
    TLabel Label1;

    void FormCreate();
};

extern Tf_more* f_more;
