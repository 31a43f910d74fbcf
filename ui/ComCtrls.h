// The tree view of the common controls, holding top-level items selected by index.
#pragma once
#include "ui/Control.h"
#include <commctrl.h>

class TTreeView : public TControl {
  public:
    TTreeView(TControl& parent, const ControlDesign& design);
    void Add(const std::string& text);
    void Clear();
    int Count() const { return static_cast<int>(items_.size()); }
    std::string Item(int index) const;
    // Makes the item with this index the selected one.
    void Select(int index);
    // Index of the selected item, or -1 when none is.
    int SelectedIndex() const;

  private:
    std::vector<HTREEITEM> items_;
};
