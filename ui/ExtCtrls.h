// Timer, panel, group box, bevel, image, gauge and page book.
#pragma once
#include "ui/Control.h"
#include <initializer_list>
#include <memory>

class TForm;

// Not a window: a timer of its form's window, firing OnTimer while enabled.
class TTimer {
  public:
    TTimer(TForm& owner, const ControlDesign& design);
    ~TTimer();
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    TNotifyEvent OnTimer;
    void Fire();

  private:
    TForm& owner_;
    UINT id_;
    int interval_;
    bool enabled_ = false;
};

// A container with a bevel, a colour and a caption placed by its alignment.
class TPanel : public TControl {
  public:
    TPanel(TControl& parent, const ControlDesign& design);

  protected:
    void Paint(HDC dc) override;
};

class TGroupBox : public TControl {
  public:
    TGroupBox(TControl& parent, const ControlDesign& design);

  protected:
    void Paint(HDC dc) override;
};

// An etched frame; it lies beneath its siblings and lets the parent show through.
class TBevel : public TControl {
  public:
    TBevel(TControl& parent, const ControlDesign& design);
    void PaintBackground(HDC dc) override;

  protected:
    void Paint(HDC dc) override;
};

class TImage : public TControl {
  public:
    TImage(TControl& parent, const ControlDesign& design);
    void SetIcon(HICON icon);
};

// A bar in the control's colour with the percentage in its middle.
// The window text is that percentage, so other programs can read the progress.
class TGauge : public TControl {
  public:
    TGauge(TControl& parent, const ControlDesign& design);
    int MinValue() const { return min_; }
    int MaxValue() const { return max_; }
    int Progress() const { return progress_; }
    void SetMaxValue(int maxValue);
    void SetProgress(int progress);
    void AddProgress(int delta) { SetProgress(progress_ + delta); }
    int PercentDone() const;

  protected:
    void Paint(HDC dc) override;

  private:
    void Update();
    int min_ = 0, max_ = 100, progress_ = 0;
};

// One page of a page book; its window text is the page name.
class TPage : public TControl {
  public:
    TPage(TControl& notebook, const char* name);
};

// Pages stacked on each other, one shown at a time, known by their names.
class TNotebook : public TControl {
  public:
    TNotebook(TControl& parent, const ControlDesign& design, std::initializer_list<const char*> pageNames);
    TPage& Page(int index) { return *pages_[static_cast<size_t>(index)]; }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    int PageIndex() const { return pageIndex_; }
    void SetPageIndex(int index);
    std::string ActivePage() const;
    void SetActivePage(const std::string& name);

  private:
    std::vector<std::unique_ptr<TPage>> pages_;
    int pageIndex_ = 0;
};
