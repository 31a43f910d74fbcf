#include "ui/ComCtrls.h"

TTreeView::TTreeView(TControl& parent, const ControlDesign& design) : TControl(&parent, design) {
    CreateHandle(WC_TREEVIEWA,
                 TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS | TVS_SHOWSELALWAYS | WS_TABSTOP,
                 WS_EX_CLIENTEDGE);
    if (design.Indent) SendMessageA(handle_, TVM_SETINDENT, static_cast<WPARAM>(Scaled(design.Indent)), 0);
}

void TTreeView::Add(const std::string& text) {
    TVINSERTSTRUCTA insert = {};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>(text.c_str());
    items_.push_back(reinterpret_cast<HTREEITEM>(
        SendMessageA(handle_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert))));
}

void TTreeView::Clear() {
    SendMessageA(handle_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    items_.clear();
}

std::string TTreeView::Item(int index) const {
    char text[260] = "";
    TVITEMA item = {};
    item.mask = TVIF_TEXT;
    item.hItem = items_.at(static_cast<size_t>(index));
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(handle_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return text;
}

void TTreeView::Select(int index) {
    if (index < 0 || index >= Count()) return;
    SendMessageA(handle_, TVM_SELECTITEM, TVGN_CARET,
                 reinterpret_cast<LPARAM>(items_[static_cast<size_t>(index)]));
}

int TTreeView::SelectedIndex() const {
    auto selected = reinterpret_cast<HTREEITEM>(SendMessageA(handle_, TVM_GETNEXTITEM, TVGN_CARET, 0));
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i] == selected) return static_cast<int>(i);
    return -1;
}
