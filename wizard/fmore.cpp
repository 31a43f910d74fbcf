#include "wizard/fmore.h"
#include "forms/fmore.h"
#include "startup/Fsetup.h"
#include "startup/StartupRules.h"

Tf_more* f_more = nullptr;

Tf_more::Tf_more()
    : TForm(fmoreLayout::Form), BitBtn1(*this, fmoreLayout::BitBtn1),
      GroupBox1(*this, fmoreLayout::GroupBox1), cbStartmenu(GroupBox1, fmoreLayout::cbStartmenu),
      cbDesktop(GroupBox1, fmoreLayout::cbDesktop), Label1(GroupBox1, fmoreLayout::Label1) {
    OnCreate = [this] { FormCreate(); };
}

// In the middle of the background's area right of the step tree; f_Setup is sized by now.
void Tf_more::FormCreate() {
    SetBounds(LeftRightOfTree(f_Setup->ClientWidth(), f_Setup->TreeView1.Width(), Width()),
              CentredTop(f_Setup->ClientHeight(), Height()), Width(), Height());
}
