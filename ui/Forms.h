// Forms and the application object: creation with ownership, modal and modeless display,
// the message loop, and the standard error box for an error that escapes a handler.
#pragma once
#include "ui/Control.h"
#include <exception>
#include <memory>

class TTimer;

class TForm : public TControl {
  public:
    explicit TForm(const FormDesign& design);
    ~TForm() override;

    TNotifyEvent OnCreate, OnShow, OnActivate, OnPaint;
    int ModalResult = mrNone;
    // What closing the window by its close box or Close() answers in modal display.
    int CloseResult = mrCancel;

    // Runs OnCreate; an error escaping it is reported and the form lives on.
    void DoCreate();
    void Show();
    void Hide();
    int ShowModal();
    void Close();
    void BringToFront();
    bool Modal() const { return modal_; }

    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientSize(int width, int height);
    // Valid while the paint event runs.
    HDC Canvas() const { return canvas_; }

    // Registers a timer of this form; returns its timer id.
    UINT AddTimer(TTimer& timer);
    void PaintBackground(HDC dc) override;
    void Paint(HDC dc) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void ClickDialogKey(WORD id);

    FormDesign formDesign_;
    bool modal_ = false;
    HDC canvas_ = nullptr;
    std::vector<TTimer*> timers_;
};

class TApplication {
  public:
    std::string Title;
    TForm* MainForm = nullptr;
    bool ShowMainForm = true;
    bool Terminated = false;
    TForm* ActiveForm = nullptr;

    // Creates a long-lived form owned by the application; the first becomes the main form.
    // The reference is set before the form's creation event runs.
    template <class Form> void CreateForm(Form*& reference) {
        auto form = std::make_unique<Form>();
        reference = form.get();
        if (!MainForm) MainForm = form.get();
        forms_.push_back(std::move(form));
        reference->DoCreate();
    }
    // Shows the main form (unless told not to) and runs the message loop until the end.
    void Run();
    void Terminate();
    void ProcessMessages();
    // Destroys the owned forms, newest first.
    void DestroyForms();

    // Runs an event handler; an error that escapes it is shown in the standard error box.
    void Call(const TNotifyEvent& handler);
    void ShowException(const std::exception& error);
    // The plain message box, owned by the active window.
    int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags);

  private:
    std::vector<std::unique_ptr<TForm>> forms_;
};

extern TApplication Application;

int ScreenWidth();
int ScreenHeight();
int ScreenBitsPerPixel();
// The desktop without the task bar.
RECT WorkArea();
