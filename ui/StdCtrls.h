// Label, button, bitmap button, check box, edit, memo, list box and owner-drawn combo box:
// each a system control whose window text is its caption.
#pragma once
#include "ui/Control.h"

class TLabel : public TControl {
  public:
    TLabel(TControl& parent, const ControlDesign& design);
    void SetCaption(const std::string& caption);

  private:
    void FitToCaption();
};

class TButton : public TControl {
  public:
    TButton(TControl& parent, const ControlDesign& design);
    TNotifyEvent OnClick;
    // Sets the form's modal result when the button has one, then runs OnClick.
    void Click() override;
    bool IsDefault() const override { return design_.Default; }
    bool IsCancel() const override { return design_.Cancel; }

  protected:
    TButton(TControl& parent, const ControlDesign& design, DWORD style);
    void Command(WORD code) override;
};

// A push button with a picture of its kind: a green tick for OK, a red cross for Cancel.
// The kinds bring their modal result and their Enter or Escape role.
class TBitBtn : public TButton {
  public:
    TBitBtn(TControl& parent, const ControlDesign& design);

  protected:
    void DrawItem(const DRAWITEMSTRUCT& item) override;
};

class TCheckBox : public TControl {
  public:
    TCheckBox(TControl& parent, const ControlDesign& design);
    bool Checked() const;
    void SetChecked(bool checked);
};

class TEdit : public TControl {
  public:
    TEdit(TControl& parent, const ControlDesign& design);
    std::string Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }
};

class TMemo : public TControl {
  public:
    TMemo(TControl& parent, const ControlDesign& design);
    std::string Text() const { return Caption(); }
    void SetText(const std::string& text);
    // Replaces the lines with a text file's; throws "Kann Datei %s nicht öffnen" when it
    // cannot be opened, leaving the lines as they were.
    void LoadFromFile(const std::string& path);
};

class TListBox : public TControl {
  public:
    TListBox(TControl& parent, const ControlDesign& design);
    void Add(const std::string& item);
    void Clear();
    int Count() const;
    int ItemIndex() const;
    void SetItemIndex(int index);
};

// A drop-down list whose items its form draws (OnDrawItem with Canvas, item index, rectangle
// and state); the item texts stay readable by other programs.
class TComboBox : public TControl {
  public:
    TComboBox(TControl& parent, const ControlDesign& design);
    void Add(const std::string& item);
    void Clear();
    int Count() const;
    std::string Item(int index) const;
    int ItemIndex() const;
    void SetItemIndex(int index);

    std::function<void(HDC canvas, int index, const RECT& rect, UINT state)> OnDrawItem;

  protected:
    void DrawItem(const DRAWITEMSTRUCT& item) override;
};
