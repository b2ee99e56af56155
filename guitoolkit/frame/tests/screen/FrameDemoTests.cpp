// What a user sees, on a real X display: the toolbars' demo as a toolkit frame window (menu
// bar, toolbar, status bar and a docking pane, laid out by the frame's dock manager), closed
// and opened again. The user's changes (a button taken off the toolbar, the pane hidden, the
// window moved and resized) come back from the registry, and the bars stand where they stood.
// The screenshots before closing and after reopening are kept beside the test as
// frame-demo-before.bmp and frame-demo-after.bmp.
#include <guitoolkit/frame/CGTFrameWnd.h>
#include <guitoolkit/frame/CGTWorkspace.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/toolbars/CGTMenuBar.h>
#include <guitoolkit/toolbars/CGTStatusBar.h>
#include <gtest/gtest.h>
#include "GtToolbarsTestIds.h"
#include "ScreenTestSupport.h"

void PrintTo(const CRect& iRect, std::ostream* ioStream)
{
    *ioStream << '(' << iRect.left << ',' << iRect.top << ")-(" << iRect.right << ',' << iRect.bottom << ')';
}

namespace {
const UINT paneId = 0xE8E0;
const UINT indicators[] = {0, ID_GT_TEST_CAPS, ID_GT_TEST_NUM};

class FrameDemo : public CGTFrameWnd {
public:
    BOOL CreateDemo(const CRect& iRect)
    {
        if (!Create(nullptr, L"Frame demo", WS_OVERLAPPEDWINDOW, iRect) || !CreateDockBars(0xF000))
            return FALSE;
        const CString clientClass = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW),
                                                        static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        m_Menu = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_GT_TEST_MENU));
        if (!m_Client.CreateEx(WS_EX_CLIENTEDGE, clientClass, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), this,
                               AFX_IDW_PANE_FIRST) ||
            m_Menu == nullptr || !m_MenuBar.CreateEx(this) || !m_ToolBar.CreateEx(this) ||
            !m_ToolBar.LoadToolBar(IDR_GT_TEST_BAR) || !m_StatusBar.Create(this) ||
            !m_StatusBar.SetIndicators(indicators, 3) ||
            !m_Pane.Create(L"Users", this, CRect(0, 0, 160, 200), TRUE, paneId, WS_CHILD | WS_VISIBLE | 0x1000))
            return FALSE;
        m_MenuBar.CreateFromMenu(m_Menu, TRUE);
        m_ToolBar.SetWindowText(L"Periods");
        for (CGTToolBar* bar : {static_cast<CGTToolBar*>(&m_MenuBar), static_cast<CGTToolBar*>(&m_ToolBar)}) {
            bar->SetBehaviourStyle(GTBehaviourCanFloat | GTBehaviourCanHide);
            bar->EnableDocking(0xF000);
            DockBar(bar);
        }
        m_Pane.EnableDocking(0xF000);
        m_Pane.DockToFrameWindow(0x1000, nullptr, GTDockByMouse, nullptr, -1, FALSE);
        CGTWorkspace::Current()->LoadState(nullptr, &GetFrameImpl());
        ShowWindow(AfxGetApp()->m_nCmdShow);
        RecalcLayout();
        return TRUE;
    }

    CGTMenuBar m_MenuBar;
    CGTToolBar m_ToolBar;
    CGTStatusBar m_StatusBar;
    CGTDockingControlBar m_Pane;
    CWnd m_Client;

protected:
    afx_msg void OnDestroy()
    {
        CGTFrameWnd::OnDestroy();
        ::DestroyMenu(m_Menu);
    }
    DECLARE_MESSAGE_MAP()

private:
    HMENU m_Menu = nullptr;
};

BEGIN_MESSAGE_MAP(FrameDemo, CGTFrameWnd)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

// The demo's settings live in a scratch key of their own.
class DemoApp : public CWinApp {
public:
    DemoApp() : CWinApp(L"FrameDemo")
    {
        SetRegistryKey(L"ZorvaneTests\\FrameDemo");
        Clean();
    }
    ~DemoApp() override
    {
        Clean();
        free(const_cast<LPWSTR>(m_pszRegistryKey));
        m_pszRegistryKey = nullptr;
    }
    static void Clean() { ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\ZorvaneTests\\FrameDemo"); }
};

CRect ScreenRect(const CWnd& iWindow)
{
    CRect rect;
    iWindow.GetWindowRect(&rect);
    return rect;
}

// Where the frame's bars stand, relative to the frame's window.
struct BarPlaces {
    explicit BarPlaces(FrameDemo& iFrame)
    {
        const CPoint origin = ScreenRect(iFrame).TopLeft();
        for (CWnd* bar : {static_cast<CWnd*>(&iFrame.m_MenuBar), static_cast<CWnd*>(&iFrame.m_ToolBar),
                          static_cast<CWnd*>(&iFrame.m_StatusBar)}) {
            CRect rect = ScreenRect(*bar);
            rect.OffsetRect(-origin);
            places.push_back(rect);
        }
    }
    std::vector<CRect> places;
};

std::vector<UINT> Commands(const CGTToolBar& iBar)
{
    std::vector<UINT> commands;
    for (int i = 0; i < iBar.GetButtonCount(); ++i)
        commands.push_back(iBar.GetButton(i)->m_CommandId);
    return commands;
}
}  // namespace

TEST(FrameDemo, TheCustomisedLayoutComesBackWhenTheFrameOpensAgain)
{
    DemoApp app;
    CGTWorkspace workspace(TRUE);
    workspace.SetRegistryBase(L"Settings");

    auto* frame = new FrameDemo;
    ASSERT_TRUE(frame->CreateDemo(CRect(40, 40, 560, 400)));
    app.m_pMainWnd = frame;
    LetItDraw(app, 800);
    EXPECT_EQ((std::vector<UINT>{ID_GT_TEST_FIRST, 0, ID_GT_TEST_SECOND, ID_GT_TEST_THIRD}),
              Commands(frame->m_ToolBar));
    EXPECT_TRUE(frame->m_Pane.IsVisible());

    // The user takes a button off the toolbar, hides the pane, moves and resizes the window.
    frame->m_ToolBar.RemoveButton(2);
    frame->m_ToolBar.AdjustLayout();
    frame->ShowBar(&frame->m_Pane, FALSE, FALSE, FALSE);
    frame->MoveWindow(CRect(90, 70, 690, 470));
    frame->RecalcLayout();
    LetItDraw(app, 800);
    const CRect placed = ScreenRect(*frame);
    const BarPlaces before(*frame);
    // The stretched menu bar follows its frame's new width.
    CRect dockBar;
    frame->m_MenuBar.GetParent()->GetClientRect(&dockBar);
    EXPECT_EQ(dockBar.Width(), ScreenRect(frame->m_MenuBar).Width());
    Screenshot(placed).Save(L"frame-demo-before.bmp");
    frame->SendMessage(WM_CLOSE);
    LetItDraw(app, 300);
    ASSERT_EQ(nullptr, app.m_pMainWnd);

    frame = new FrameDemo;
    ASSERT_TRUE(frame->CreateDemo(CRect(40, 40, 560, 400)));
    app.m_pMainWnd = frame;
    LetItDraw(app, 800);
    EXPECT_EQ((std::vector<UINT>{ID_GT_TEST_FIRST, 0, ID_GT_TEST_THIRD}), Commands(frame->m_ToolBar));
    EXPECT_EQ(placed, ScreenRect(*frame));
    EXPECT_TRUE(frame->m_Pane.IsStateLoaded());
    EXPECT_FALSE(frame->m_Pane.GetRememberedVisibility());
    const BarPlaces after(*frame);
    EXPECT_EQ(before.places, after.places);
    Screenshot(ScreenRect(*frame)).Save(L"frame-demo-after.bmp");
    frame->DestroyWindow();
    app.m_pMainWnd = nullptr;
}
