// What a user sees, on a real X display: a toolkit MDI frame (menu bar, toolbar and a docked
// pane) with four documents in tab groups. The user drags a tab to the right edge of its
// group, which makes a second group beside it, then drags the splitter between the two. The
// arrangement is saved, every document closed, and the arrangement loaded again. The
// screenshot is kept beside the test as mdi-demo-groups.bmp.
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/frame/CGTMDIChildWnd.h>
#include <guitoolkit/frame/CGTMDIFrameWnd.h>
#include <guitoolkit/toolbars/CGTMenuBar.h>
#include <gtest/gtest.h>
#include "GtToolbarsTestIds.h"
#include "ScreenTestSupport.h"

void PrintTo(const CRect& iRect, std::ostream* ioStream)
{
    *ioStream << '(' << iRect.left << ',' << iRect.top << ")-(" << iRect.right << ',' << iRect.bottom << ')';
}

namespace {
const UINT paneId = 0xE8E0;
const LPCWSTR documents[] = {L"Users", L"Computers", L"Applications", L"Hours"};

// A document window that shows its name on a white page and is saved under its name.
class DemoDocument : public CGTMDIChildWnd {
public:
    CString GetStateDocumentName(CObject*& oObject) const override
    {
        oObject = nullptr;
        return GetChildTitle();
    }

protected:
    BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext*) override
    {
        return m_Page.Create(L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 10, 10), this,
                             AFX_IDW_PANE_FIRST);
    }

private:
    CWnd m_Page;
};

class MdiDemo : public CGTMDIFrameWnd {
public:
    BOOL CreateDemo(const CRect& iRect)
    {
        if (!Create(nullptr, L"MDI demo", WS_OVERLAPPEDWINDOW, iRect) || !CreateDockBars(0xF000))
            return FALSE;
        m_Menu = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_GT_TEST_MENU));
        if (m_Menu == nullptr || !m_MenuBar.CreateEx(this) || !m_ToolBar.CreateEx(this) ||
            !m_ToolBar.LoadToolBar(IDR_GT_TEST_BAR) ||
            !m_Pane.Create(L"Servers", this, CRect(0, 0, 140, 200), TRUE, paneId, WS_CHILD | WS_VISIBLE | 0x1000))
            return FALSE;
        m_MenuBar.CreateFromMenu(m_Menu, TRUE);
        for (CGTToolBar* bar : {static_cast<CGTToolBar*>(&m_MenuBar), static_cast<CGTToolBar*>(&m_ToolBar)}) {
            bar->EnableDocking(0xF000);
            DockBar(bar);
        }
        m_Pane.EnableDocking(0xF000);
        m_Pane.DockToFrameWindow(0x1000, nullptr, GTDockByMouse, nullptr, -1, FALSE);
        GetClientArea().SwitchTabGroups(TRUE, MDITabSettings());
        ShowWindow(SW_SHOW);
        RecalcLayout();
        for (LPCWSTR name : documents)
            OpenDocumentWindow(name, nullptr);
        return TRUE;
    }
    CWnd* OpenDocumentWindow(const CString& iName, CObject*) override
    {
        auto* document = new DemoDocument;
        if (!document->Create(nullptr, iName, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, rectDefault, this))
            return nullptr;
        document->ActivateFrame();
        GetClientArea().SyncSingleTabs(FALSE);
        RecalcLayout();
        return document;
    }
    CGTTabWnd* Group(int iIndex) const
    {
        const CObList& groups = const_cast<MdiDemo*>(this)->GetClientArea().GetTabGroups();
        POSITION position = groups.FindIndex(iIndex);
        return position != nullptr ? static_cast<CGTTabWnd*>(groups.GetAt(position)) : nullptr;
    }
    int GroupCount() { return static_cast<int>(GetClientArea().GetTabGroups().GetCount()); }

    CGTMenuBar m_MenuBar;
    CGTToolBar m_ToolBar;
    CGTDockingControlBar m_Pane;

protected:
    afx_msg void OnDestroy()
    {
        CGTMDIFrameWnd::OnDestroy();
        ::DestroyMenu(m_Menu);
    }
    DECLARE_MESSAGE_MAP()

private:
    HMENU m_Menu = nullptr;
};

BEGIN_MESSAGE_MAP(MdiDemo, CGTMDIFrameWnd)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

class DemoApp : public CWinApp {
public:
    DemoApp() : CWinApp(L"MdiDemo") { SetRegistryKey(L"ZorvaneTests\\MdiDemo"); }
    ~DemoApp() override
    {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\ZorvaneTests\\MdiDemo");
        free(const_cast<LPWSTR>(m_pszRegistryKey));
        m_pszRegistryKey = nullptr;
    }
};

CRect ScreenRect(const CWnd& iWindow)
{
    CRect rect;
    iWindow.GetWindowRect(&rect);
    return rect;
}

std::vector<CString> Labels(const CGTTabWnd& iGroup)
{
    std::vector<CString> labels;
    for (int i = 0; i < iGroup.GetTabCount(); ++i) {
        CString label;
        iGroup.GetTabLabel(i, label);
        labels.push_back(label);
    }
    return labels;
}

// Every document of a group lies on the group's window area.
void ExpectChildrenFill(const CGTTabWnd& iGroup)
{
    CRect area;
    iGroup.GetWndArea(area);
    iGroup.ClientToScreen(area);
    for (int i = 0; i < iGroup.GetTabCount(); ++i)
        EXPECT_EQ(area, ScreenRect(*iGroup.GetTabWnd(i))) << i;
}
}  // namespace

TEST(MdiDemo, ATabDraggedToTheRightEdgeMakesASecondGroupWhoseSplitterMovesAndBothComeBack)
{
    DemoApp app;
    auto* frame = new MdiDemo;
    ASSERT_TRUE(frame->CreateDemo(CRect(20, 20, 780, 560)));
    app.m_pMainWnd = frame;
    LetItDraw(app, 800);
    ASSERT_EQ(frame->GroupCount(), 1);
    CGTTabWnd* first = frame->Group(0);
    ASSERT_EQ(first->GetTabCount(), 4);

    // The user drags the last tab to the right edge of its group.
    CRect tab;
    first->GetTabRect(3, tab);
    first->ClientToScreen(tab);
    const CRect group = ScreenRect(*first);
    PlayInput(app, DragSteps(tab.CenterPoint(), CPoint(group.right - 12, group.CenterPoint().y)));
    LetItDraw(app, 500);
    ASSERT_EQ(frame->GroupCount(), 2);
    CGTTabWnd* second = frame->Group(1);
    EXPECT_EQ(Labels(*first), (std::vector<CString>{L"Users", L"Computers", L"Applications"}));
    EXPECT_EQ(Labels(*second), std::vector<CString>{L"Hours"});

    // Then drags the splitter 80 pixels to the left.
    const CRect left = ScreenRect(*first);
    const CPoint strip(left.right - 3, left.CenterPoint().y);
    PlayInput(app, DragSteps(strip, CPoint(strip.x - 80, strip.y)));
    LetItDraw(app, 500);
    const CRect newLeft = ScreenRect(*first);
    const CRect newRight = ScreenRect(*second);
    EXPECT_LT(newLeft.right, left.right - 60);
    EXPECT_EQ(newLeft.right, newRight.left);
    EXPECT_EQ(newLeft.top, newRight.top);
    EXPECT_GE(newLeft.Width(), 40);
    EXPECT_GE(newRight.Width(), 40);
    ExpectChildrenFill(*first);
    ExpectChildrenFill(*second);
    Screenshot(ScreenRect(*frame)).Save(L"mdi-demo-groups.bmp");

    // Saved, everything closed, loaded again.
    ASSERT_TRUE(frame->SaveTabsLayout(L"Demo"));
    frame->GetClientArea().CloseAllChildren(nullptr);
    LetItDraw(app, 300);
    EXPECT_EQ(frame->GroupCount(), 0);
    ASSERT_TRUE(frame->LoadTabsLayout(L"Demo"));
    LetItDraw(app, 500);
    ASSERT_EQ(frame->GroupCount(), 2);
    EXPECT_EQ(Labels(*frame->Group(0)), (std::vector<CString>{L"Users", L"Computers", L"Applications"}));
    EXPECT_EQ(Labels(*frame->Group(1)), std::vector<CString>{L"Hours"});
    EXPECT_EQ(ScreenRect(*frame->Group(0)), newLeft);
    EXPECT_EQ(ScreenRect(*frame->Group(1)), newRight);
    Screenshot(ScreenRect(*frame)).Save(L"mdi-demo-restored.bmp");
    frame->DestroyWindow();
    app.m_pMainWnd = nullptr;
}
