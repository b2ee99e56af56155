// What a user sees and does, on a real X display: a toolkit dialog with each kind of
// button, a link, a masked date edit with a spin button and a row of typed grid cells. The
// screenshot is checked and kept as controls-demo.bmp beside the test for people to look
// at; a date is typed into the masked edit with the keyboard.
#include <guitoolkit/controls/CGTButton.h>
#include <guitoolkit/controls/CGTDialog.h>
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/CGTGridRow.h>
#include <guitoolkit/controls/CGTMaskEdit.h>
#include <guitoolkit/controls/CGTSpinButtonCtrl.h>
#include <guitoolkit/controls/CGTURLLinkButton.h>
#include <guitoolkit/core/CGTDibSection.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <gtest/gtest.h>
#include "ScreenSupport.h"
#include <memory>
#include <cstdio>
#include <set>

namespace {

// A grid that shows its one row: the grid window's own painting is not the point here.
class OneRowGrid : public CGTGridCtrl {
public:
    OneRowGrid()
    {
        const wchar_t* captions[] = {L"Program", L"Hours", L"Share", L"Active"};
        for (int column = 0; column < 4; ++column)
            m_Columns.InsertColumn(column, captions[column], 90);
        m_Columns.SetColumnAlign(1, 1);
        m_Row.SetOwnerList(this);
        m_Row.SetRowId(1);
        VARIANT value;
        value.vt = VT_BSTR;
        value.bstrVal = ::SysAllocString(L"Spreadsheet");
        m_Row.AddItem(new CGTGridItem(value));
        ::VariantClear(&value);
        value.vt = VT_I4;
        value.lVal = 37;
        m_Row.AddItem(new CGTGridItem(value));
        value.vt = VT_R8;
        value.dblVal = 0.25;
        m_Row.AddItem(new CGTGridItem(value));
        value.vt = VT_BOOL;
        value.boolVal = VARIANT_TRUE;
        m_Row.AddItem(new CGTGridItem(value));
        CGTGridColorTheme theme;
        theme.m_OddRows.m_Fill = RGB(230, 240, 255);
        SetColorTheme(theme, FALSE);
    }

protected:
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect client;
        GetClientRect(client);
        dc.FillRect(client, &theGuiToolkitGlobals.brushWindow);
        const int height = GetRowHeight();
        CFont* oldFont = dc.SelectObject(GetCellFont());
        dc.SetBkMode(TRANSPARENT);
        for (int column = 0, left = 0; column < 4; left += 90, ++column) {
            CRect header(left, 0, left + 90, height + 2);
            dc.FillRect(header, &theGuiToolkitGlobals.brushBtnFace);
            m_Columns.DrawColumn(&dc, column, header, 4, 3, FALSE, column != 1, FALSE);
            m_Row.GetItem(column)->SetRect(CRect(left, height + 2, left + 90, 2 * height + 4));
        }
        m_Row.SetRect(CRect(0, height + 2, 360, 2 * height + 4));
        m_Row.OnDrawItems(&dc, client);
        dc.SelectObject(oldFont);
    }
    DECLARE_MESSAGE_MAP()

    CGTGridRow m_Row{4, 0};
};

BEGIN_MESSAGE_MAP(OneRowGrid, CGTGridCtrl)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
END_MESSAGE_MAP()

struct DialogTemplate {
    DLGTEMPLATE m_Header;
    WORD m_Menu = 0;
    WORD m_Class = 0;
    WCHAR m_Title[14] = L"Toolkit demo";
};

class DemoDialog : public CGTDialog {
public:
    DemoDialog()
    {
        alignas(4) static DialogTemplate s_Template = {{WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 0, 260, 160}};
        CreateIndirect(&s_Template.m_Header);
        MoveWindow(40, 40, 420, 300);
        const wchar_t* captions[] = {L"3D", L"Flat", L"Semi-flat", L"No border"};
        for (int i = 0; i < 4; ++i) {
            m_Buttons[i].Create(captions[i], WS_CHILD | WS_VISIBLE, CRect(10 + i * 98, 10, 100 + i * 98, 36), this,
                                100 + i);
            m_Buttons[i].SetBorderStyle(i);
        }
        m_Buttons[1].SetStdGlyphImage(CGTMenuGlyphs::ArrowRight);
        m_Check.Create(L"Checked", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(10, 46, 100, 72), this, 110);
        m_Check.SetCheck(BST_CHECKED);
        m_Radio.Create(L"Radio", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, CRect(304, 46, 394, 72), this, 115);
        m_Disabled.Create(L"Disabled", WS_CHILD | WS_VISIBLE | WS_DISABLED, CRect(150, 82, 240, 108), this, 116);
        m_Link.Create(L"www.example.org", WS_CHILD | WS_VISIBLE, CRect(120, 50, 280, 70), this, 111);
        m_Date.EnableMask(L"DD DD DDDD", L"__/__/____", L'_');
        m_Date.SetValue(L"24/12/2026");
        m_Date.CreateEx(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE, CRect(10, 84, 110, 106), this, 112);
        m_Spin.Create(WS_CHILD | WS_VISIBLE, CRect(110, 84, 128, 106), this, 113);
        m_Grid.CreateEx(WS_EX_CLIENTEDGE, AfxRegisterWndClass(CS_DBLCLKS), L"", WS_CHILD | WS_VISIBLE,
                        CRect(10, 120, 374, 200), this, 114);
        ShowWindow(SW_SHOWNORMAL);
    }
    ~DemoDialog() override { DestroyWindow(); }

    CGTButton m_Buttons[4];
    CGTButton m_Check;
    CGTButton m_Radio;
    CGTButton m_Disabled;
    CGTURLLinkButton m_Link;
    CGTMaskEdit m_Date;
    CGTSpinButtonCtrl m_Spin;
    OneRowGrid m_Grid;
};

}  // namespace

TEST(ControlsDemo, TheDialogShowsItsControls)
{
    DemoDialog dialog;
    dialog.UpdateWindow();
    LetItDraw();
    CRect window;
    dialog.GetWindowRect(window);
    CGTDibSection shot;
    ASSERT_TRUE(TakeScreenshot(dialog, shot));
    ASSERT_TRUE(SaveBitmap(shot, L"controls-demo.bmp"));
    EXPECT_GT(CountColors(shot), 8u) << "not blank";
    CRect cells;
    dialog.m_Grid.GetWindowRect(cells);
    const DWORD rowTint = CGTDibSection::Swap(RGB(230, 240, 255));
    int tinted = 0;
    for (int y = cells.top - window.top; y < cells.bottom - window.top; ++y)
        for (int x = cells.left - window.left; x < cells.right - window.left; ++x)
            tinted += (*shot.PixelAt(x, y) & 0xFFFFFF) == rowTint;
    EXPECT_GT(tinted, 100) << "the row of cells";
}

namespace {

void Press(WORD iKey)
{
    INPUT input[2] = {{INPUT_KEYBOARD}, {INPUT_KEYBOARD}};
    input[0].ki.wVk = input[1].ki.wVk = iKey;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, input, sizeof(INPUT));
    LetItDraw(4);
}

}  // namespace

TEST(ControlsDemo, ADateIsTypedIntoTheMaskedEdit)
{
    DemoDialog dialog;
    dialog.SetForegroundWindow();
    dialog.m_Date.SetFocus();
    LetItDraw(6);
    ASSERT_EQ(&dialog.m_Date, CWnd::GetFocus());
    int start, end;
    dialog.m_Date.GetSel(start, end);
    EXPECT_EQ(0, start) << "focus selects the first group";
    EXPECT_EQ(2, end);
    struct Step {
        WORD key;
        LPCWSTR shown;
        int caret;
    };
    const Step steps[] = {
        {'0', L"0_/12/2026", 1},                                     // over the selected group
        {'X', L"0_/12/2026", 1},                                     // a letter in a digit place
        {'1', L"01/12/2026", 3},                                     // the group's last place: over the "/"
        {'0', L"01/02/2026", 4},     {VK_DELETE, L"01/0_/2026", 4},  // the rest of the run moves left
        {VK_LEFT, L"01/0_/2026", 3}, {VK_BACK, L"01/0_/2026", 2},    // a group's start: to the previous group's end
    };
    for (const Step& step : steps) {
        Press(step.key);
        CString shown;
        dialog.m_Date.GetWindowText(shown);
        EXPECT_STREQ(step.shown, shown) << step.key;
        EXPECT_STREQ(step.shown, dialog.m_Date.GetText()) << step.key;
        dialog.m_Date.GetSel(start, end);
        EXPECT_EQ(step.caret, start) << step.key;
    }
}
