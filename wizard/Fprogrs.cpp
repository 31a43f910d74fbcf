#include "wizard/Fprogrs.h"
#include "forms/Fprogrs.h"

Tf_Progress* f_Progress = nullptr;

Tf_Progress::Tf_Progress()
    : TForm(FprogrsLayout::Form), Label1(*this, FprogrsLayout::Label1), pnFrom(*this, FprogrsLayout::pnFrom),
      Label2(*this, FprogrsLayout::Label2), pnTo(*this, FprogrsLayout::pnTo),
      bnEsc(*this, FprogrsLayout::bnEsc), Gauge1(*this, FprogrsLayout::Gauge1) {
    bnEsc.OnClick = [this] { bnEscClick(); };
}

// The work shown here cannot be cancelled: the button is there, and pressing it changes nothing.
void Tf_Progress::bnEscClick() {}
