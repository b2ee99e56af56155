// A shortcut assigned on the customization sheet's Keyboard page of the toolbars' demo, on a
// real X display: the user clicks the key box, presses the keys and Assign; after Close the
// keys run the command in the frame. The screenshot options-page.bmp shows the Options page.
#include <guitoolkit/core/CGTKeyboardManager.h>
#include <guitoolkit/core/CGTKeyHelper.h>
#include <guitoolkit/toolbars/CGTKeyboardPage.h>
#include <guitoolkit/toolbars/CGTOptionsPage.h>
#include <guitoolkit/toolbars/CGTToolbarButton.h>
#include <guitoolkit/toolbars/GTPageResources.h>
#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>
#include "ScreenTestSupport.h"
#include "ToolBarDemoFrame.h"

namespace {
// The keys pressed together as a user presses them, released in the opposite order.
void SendChord(std::initializer_list<WORD> iKeys)
{
    std::vector<INPUT> inputs;
    for (WORD key : iKeys) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = std::rbegin(iKeys); key != std::rend(iKeys); ++key) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

CPoint CentreOf(CWnd& iWindow)
{
    CRect rect;
    iWindow.GetWindowRect(&rect);
    return rect.CenterPoint();
}

CPropertyPage* PageOf(CGTToolbarCustomize& iSheet, CRuntimeClass* iClass)
{
    for (int index = 0; index < iSheet.GetPageCount(); ++index)
        if (iSheet.GetPage(index)->IsKindOf(iClass))
            return iSheet.GetPage(index);
    return nullptr;
}

void Shoot(CWnd& iWindow, LPCWSTR iFile)
{
    CRect shown;
    iWindow.GetWindowRect(&shown);
    Screenshot(shown).Save(iFile);
}
}  // namespace

TEST(KeyboardPageDemo, AShortcutAssignedOnThePageRunsItsCommand)
{
    CWinApp app(L"KeyboardDemo");
    AfxOleInit();
    CGTKeyboardManager keyboard;
    auto* frame = new ToolBarDemoFrame;
    ASSERT_TRUE(frame->CreateDemo(CRect(40, 40, 520, 340)));
    app.m_pMainWnd = frame;
    const ACCEL day = {FVIRTKEY | FCONTROL, 'D', ID_GT_TEST_FIRST};
    frame->m_hAccelTable = ::CreateAcceleratorTableW(const_cast<ACCEL*>(&day), 1);
    CGTToolbarCustomize* sheet = frame->OpenCustomizeSheet();
    ASSERT_NE(nullptr, sheet);
    sheet->SetWindowPos(nullptr, 120, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    auto* page = static_cast<CGTKeyboardPage*>(PageOf(*sheet, RUNTIME_CLASS(CGTKeyboardPage)));
    ASSERT_NE(nullptr, page);
    sheet->SetActivePage(page);
    LetItDraw(app, 500);

    auto* commands = static_cast<CListBox*>(page->GetDlgItem(IDC_GT_KEYS_COMMANDS));
    for (int index = 0; index < commands->GetCount(); ++index) {
        if (reinterpret_cast<CGTToolbarButton*>(commands->GetItemData(index))->m_CommandId == ID_GT_TEST_SECOND) {
            CRect item;
            commands->GetItemRect(index, &item);
            commands->ClientToScreen(&item);
            SendClick(item.CenterPoint());
        }
    }
    LetItDraw(app, 300);
    SendClick(CentreOf(*page->GetDlgItem(IDC_GT_KEYS_NEW)));
    LetItDraw(app, 300);
    SendChord({VK_CONTROL, VK_SHIFT, 'K'});
    LetItDraw(app, 300);
    CString text;
    page->GetDlgItemText(IDC_GT_KEYS_NEW, text);
    // The keys are named by the display's keyboard layout.
    const ACCEL pressed = {FVIRTKEY | FCONTROL | FSHIFT, 'K', 0};
    CString expected;
    CGTKeyHelper(&pressed).Format(expected);
    EXPECT_STREQ(expected, text);
    page->GetDlgItemText(IDC_GT_KEYS_ASSIGNED_TO, text);
    EXPECT_STREQ(L"[Unassigned]", text);
    SendClick(CentreOf(*page->GetDlgItem(IDC_GT_KEYS_ASSIGN)));
    LetItDraw(app, 300);
    EXPECT_EQ(1, static_cast<CListBox*>(page->GetDlgItem(IDC_GT_KEYS_CURRENT))->GetCount());

    sheet->SetActivePage(PageOf(*sheet, RUNTIME_CLASS(CGTOptionsPage)));
    LetItDraw(app, 300);
    Shoot(*sheet, L"options-page.bmp");

    SendClick(CentreOf(*sheet->GetDlgItem(IDCANCEL)));
    LetItDraw(app, 300);
    ASSERT_EQ(nullptr, theActiveCustomizeSheet);
    frame->SetForegroundWindow();
    LetItDraw(app, 200);
    SendChord({VK_CONTROL, VK_SHIFT, 'K'});
    LetItDraw(app, 300);
    EXPECT_EQ(1, frame->CommandCount(ID_GT_TEST_SECOND));
    SendChord({VK_CONTROL, 'D'});
    LetItDraw(app, 300);
    EXPECT_EQ(1, frame->CommandCount(ID_GT_TEST_FIRST));
    frame->DestroyWindow();
}
