// The base of every control and form: one real window, its place among its parent's
// children, its font and colour. The window procedure is a thin dispatcher: notifications
// that a child sends its parent are handed back to the child (reflection).
#pragma once
#include "ui/Design.h"
#include "ui/GdiObject.h"
#include <functional>
#include <string>
#include <vector>
#include <windows.h>

using TNotifyEvent = std::function<void()>;

class TForm;

class TControl {
  public:
    TControl(TControl* parent, const ControlDesign& design);
    virtual ~TControl();
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    HWND Handle() const { return handle_; }
    TControl* Parent() const { return parent_; }
    TForm& Form();
    const char* Name() const { return design_.Name; }

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    // Pixels, relative to the parent's client area (forms: to the screen).
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetBounds(int left, int top, int width, int height);

    bool Visible() const;
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    void SetFocus();
    void SendToBack();

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    void SetFontColor(TColor color);
    FontDesign EffectiveFont() const;
    void Invalidate();

    // Buttons answer these; other controls are never default, cancel or clickable.
    virtual bool IsDefault() const { return false; }
    virtual bool IsCancel() const { return false; }
    virtual void Click() {}
    int Id() const { return id_; }
    TControl* FindById(int id);
    TControl* FindButton(bool wantDefault);

    // Fills a rectangle with what this control shows behind its children.
    virtual void PaintBackground(HDC dc);
    // What a transparent child shows: this control's background, in the child's coordinates.
    void PaintBackgroundFor(TControl& child, HDC dc);

    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);

  protected:
    // Makes the window; custom classes share this layer's window procedure.
    void CreateHandle(const char* className, DWORD style, DWORD exStyle = 0);
    static void RegisterControlClass(const char* className, HICON icon = nullptr);
    void ApplyFont();
    HFONT FontHandleOf() const { return fontHandle_.get(); }
    HBRUSH BackgroundBrush();
    // Design measures scaled to the screen.
    int Scaled(int designPixels) const;
    // Item height that an owner-drawn box being created asks its parent for.
    static int PendingItemHeight;

    virtual void Paint(HDC) {}
    virtual HBRUSH CtlColor(HDC dc);
    virtual void Command(WORD) {}
    virtual LRESULT Notify(const NMHDR&) { return 0; }
    virtual void DrawItem(const DRAWITEMSTRUCT&) {}
    virtual void Realign();

    ControlDesign design_;
    HWND handle_ = nullptr;

  private:
    friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);
    TControl* parent_;
    std::vector<TControl*> children_;
    int id_ = 0;
    TColor color_;
    FontDesign font_;
    FontHandle fontHandle_;
    BrushHandle brush_;
};

// The control behind a window of this layer, or nullptr for any other window.
TControl* ControlOf(HWND window);
// A colour value with system colours resolved.
COLORREF ColorToRGB(TColor color);
int ScreenPixelsPerInch();
