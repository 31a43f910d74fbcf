#include "wizard/fInfo.h"
#include "forms/fInfo.h"
#include "sysinfo/Helpers.h"
#include "sysinfo/StrUtil.h"

Tf_info* f_info = nullptr;

Tf_info::Tf_info()
    : TForm(fInfoLayout::Form), Memo1(*this, fInfoLayout::Memo1), Panel1(*this, fInfoLayout::Panel1),
      bnGoOn(Panel1, fInfoLayout::bnGoOn) {
    OnCreate = [this] { FormCreate(); };
    OnActivate = [this] { FormActivate(); };
    bnGoOn.OnClick = [this] { bnGoOnClick(); };
}

// The whole screen; the task bar is not taken into account.
void Tf_info::FormCreate() {
    SetBounds(1, 1, ScreenWidth(), ScreenHeight() - 50);
}

void Tf_info::bnGoOnClick() {
    Close();
}

void Tf_info::FormActivate() {
    Memo1.LoadFromFile(AddBackslash(ProgramDir) + fInfoLayout::ReadmeName);
}
