// Controls as other programs see them, and the readme viewer's loading.
#include "TestUtil.h"
#include "forms/fInfo.h"
#include "sysinfo/Helpers.h"
#include "ui/ExtCtrls.h"
#include "ui/Exception.h"
#include "ui/Forms.h"
#include "ui/StdCtrls.h"
#include "wizard/fInfo.h"
#include <gtest/gtest.h>

namespace {

constexpr FormDesign HostDesign{
    .ClassName = "TControlsHost", .Caption = "Host", .ClientWidth = 400, .ClientHeight = 300};

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

} // namespace

TEST(Controls, EachIsAWindowWhoseTextIsItsCaptionPlacedByDesign) {
    TForm host(HostDesign);
    TPanel panel(host,
                 {.Name = "pnFrom", .Left = 10, .Top = 20, .Width = 200, .Height = 30, .Caption = "pnFrom"});
    TButton button(
        host,
        {.Name = "bnGoOn", .Left = 40, .Top = 80, .Width = 120, .Height = 30, .Caption = "&Weiter  >>"});
    TBitBtn ok(host, {.Name = "BitBtn1",
                      .Left = 40,
                      .Top = 120,
                      .Width = 105,
                      .Height = 33,
                      .Caption = "&Ok",
                      .Kind = TBitBtnKind::OK});
    TCheckBox check(host, {.Name = "cbDesktop",
                           .Left = 10,
                           .Top = 160,
                           .Width = 300,
                           .Height = 24,
                           .Caption = "Auf dem Desktop eine &Verknüpfung anlegen"});
    const int ppi = ScreenPixelsPerInch();
    struct Case {
        TControl* control;
        const char* cls;
        const char* text;
    } cases[] = {
        {&panel, "TPanel", "pnFrom"},
        {&button, "Button", "&Weiter  >>"},
        {&ok, "Button", "&Ok"},
        {&check, "Button", "Auf dem Desktop eine &Verknüpfung anlegen"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lstrcmpiA(ClassOf(c.control->Handle()).c_str(), c.cls), 0) << c.text;
        char text[128] = "";
        SendMessageA(c.control->Handle(), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, c.text);
        EXPECT_EQ(GetParent(c.control->Handle()), host.Handle());
    }
    EXPECT_EQ(button.Left(), MulDiv(40, ppi, 120));
    EXPECT_EQ(button.Width(), MulDiv(120, ppi, 120));
    EXPECT_FALSE(check.Checked());
}

TEST(Controls, ButtonClickSetsModalResultOnlyWhenEnabled) {
    TForm host(HostDesign);
    int clicks = 0;
    TButton button(host, {.Name = "b", .Width = 80, .Height = 24, .Caption = "OK", .ModalResult = mrOk});
    button.OnClick = [&] { ++clicks; };
    button.SetEnabled(false);
    SendMessageA(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(host.ModalResult, mrNone);
    button.SetEnabled(true);
    button.Click();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(host.ModalResult, mrOk);
}

TEST(Controls, GaugeShowsItsPercentageAsWindowText) {
    TForm host(HostDesign);
    TGauge gauge(host, {.Name = "Gauge1", .Width = 300, .Height = 26, .Color = clBlue});
    EXPECT_EQ(gauge.Caption(), "0%");
    gauge.SetMaxValue(6);
    gauge.AddProgress(1);
    EXPECT_EQ(gauge.Caption(), "16%");
    gauge.AddProgress(5);
    EXPECT_EQ(gauge.Caption(), "100%");
}

TEST(Controls, NotebookShowsOnePageByName) {
    TForm host(HostDesign);
    TNotebook book(host, {.Name = "nb1", .Width = 300, .Height = 200}, {"Welcome", "Info", "BGB"});
    EXPECT_EQ(book.ActivePage(), "Welcome");
    book.SetActivePage("BGB");
    EXPECT_EQ(book.PageIndex(), 2);
    for (int i = 0; i < book.PageCount(); ++i)
        EXPECT_EQ((GetWindowLongPtrA(book.Page(i).Handle(), GWL_STYLE) & WS_VISIBLE) != 0, i == 2) << i;
    EXPECT_EQ(book.Page(1).Caption(), "Info");
}

TEST(Controls, MemoLoadsCrLfLinesAndKeepsItsTextWhenTheFileIsMissing) {
    TForm host(HostDesign);
    TMemo memo(host, {.Name = "Memo1", .Width = 300, .Height = 200, .Caption = "Memo1", .ScrollBar = true});
    TempDir dir;
    WriteFileBytes(dir / "a.txt", "Zeile 1\nZeile 2\r\nÄnderung");
    memo.LoadFromFile(dir / "a.txt");
    EXPECT_EQ(memo.Text(), "Zeile 1\r\nZeile 2\r\nÄnderung");
    try {
        memo.LoadFromFile(dir / "fehlt.txt");
        ADD_FAILURE() << "no error for a missing file";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message, "Kann Datei " + (dir / "fehlt.txt") + " nicht öffnen");
    }
    EXPECT_EQ(memo.Text(), "Zeile 1\r\nZeile 2\r\nÄnderung");
}

namespace {
std::string errorBoxText;
void CALLBACK CloseErrorBox(HWND, UINT, UINT_PTR id, DWORD) {
    HWND box = FindWindowA("#32770", "Setup");
    if (!box) return;
    KillTimer(nullptr, id);
    char text[512] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    errorBoxText = text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}
} // namespace

TEST(Controls, ReadmeViewerReloadsOnEveryActivationAndReportsAMissingFile) {
    InitHelpers();
    Application.Title = "Setup";
    const std::string readme = ProgramDir + fInfoLayout::ReadmeName;
    WriteFileBytes(readme, "Erste Fassung");
    Tf_info viewer;
    viewer.FormActivate();
    EXPECT_EQ(viewer.Memo1.Text(), "Erste Fassung");
    WriteFileBytes(readme, "Zweite Fassung");
    viewer.FormActivate();
    EXPECT_EQ(viewer.Memo1.Text(), "Zweite Fassung");
    DeleteFileA(readme.c_str());
    errorBoxText.clear();
    SetTimer(nullptr, 0, 20, CloseErrorBox);
    Application.Call([&] { viewer.FormActivate(); });
    EXPECT_EQ(errorBoxText, "Kann Datei " + readme + " nicht öffnen");
    EXPECT_EQ(viewer.Memo1.Text(), "Zweite Fassung");
}
