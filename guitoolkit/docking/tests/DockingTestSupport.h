// Stand-ins for the docking tests: a frame that owns a dock manager and is laid out through
// it, a pump for posted messages, bars of a fixed size, a mini frame that says how many bars
// it holds, and the global record's screen facts held still. The seams of the core (cursor,
// keys, clock, drag rectangles on the screen) are in <guitoolkit/core/tests/FakeSeams.h>.
#pragma once
#include <guitoolkit/core/CGTWorkspaceSettings.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/tests/FakeSeams.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/docking/CGTControlBar.h>
#include <guitoolkit/docking/CGTDockBar.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTSlider.h>
#include <guitoolkit/docking/IGTDockingFrame.h>
#include <commctrl.h>
#include <functional>
#include <memory>
#include <vector>

// A workspace whose stored data carries the given version.
struct VersionedWorkspace : CGTWorkspaceSettings {
    VersionedWorkspace(int iMajor, int iMinor)
    {
        m_DataVersionMajor = iMajor;
        m_DataVersionMinor = iMinor;
    }
};

// The bytes an archive writes.
inline std::vector<BYTE> Archived(const std::function<void(CArchive&)>& iWrite)
{
    CMemFile file;
    {
        CArchive archive(&file, CArchive::store);
        iWrite(archive);
    }
    const UINT size = static_cast<UINT>(file.GetLength());
    BYTE* data = file.Detach();
    std::vector<BYTE> bytes(data, data + size);
    free(data);
    return bytes;
}

// Dispatches every message posted to the thread so far.
inline void PumpMessages()
{
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

inline CRect WindowRect(const CWnd& iWindow)
{
    CRect rect;
    iWindow.GetWindowRect(&rect);
    return rect;
}

// Whether the window has the visible style (its frame may be hidden).
inline BOOL Shown(const CWnd& iWindow)
{
    return (iWindow.GetStyle() & WS_VISIBLE) != 0;
}

// Puts a child window in a new band at the end of a rebar, at its size.
inline void AddBand(CWnd& ioRebar, CWnd& iChild, CSize iSize)
{
    REBARBANDINFOW band = {};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE;
    band.hwndChild = iChild.GetSafeHwnd();
    band.cxMinChild = iSize.cx;
    band.cyMinChild = iSize.cy;
    ioRebar.SendMessage(RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
}

// The global record as the tests expect the screen: a local session of 32 bits per pixel.
class FixedScreenFacts {
public:
    FixedScreenFacts() : m_Bits(theGuiToolkitGlobals.bitsPerPixel), m_Remote(theGuiToolkitGlobals.isRemoteSession)
    {
        theGuiToolkitGlobals.bitsPerPixel = 32;
        theGuiToolkitGlobals.isRemoteSession = FALSE;
    }
    ~FixedScreenFacts()
    {
        theGuiToolkitGlobals.bitsPerPixel = m_Bits;
        theGuiToolkitGlobals.isRemoteSession = m_Remote;
    }

private:
    int m_Bits;
    BOOL m_Remote;
};

// A top-level frame on the test's stack that owns a dock manager: its layout and its bars'
// requests go through the manager it names (its own unless a derived frame names another),
// and Escape takes the mouse from a slider that drags.
class TestDockingFrame : public CFrameWnd, public IGTDockingFrame {
public:
    explicit TestDockingFrame(CRect iRect = CRect(0, 0, 600, 400))
    {
        m_DockManager.SetOwnerFrame(this);
        Create(nullptr, L"Docking", WS_OVERLAPPEDWINDOW, iRect);
    }
    ~TestDockingFrame() override { DestroyWindow(); }

    CGTDockManager* GetDockManager() override { return &m_DockManager; }
    void AdjustDockingLayout(HDWP iDefer = nullptr) override
    {
        ++m_Layouts;
        GetDockManager()->RecalcLayout(iDefer);
    }
    BOOL OnCloseDockingPane(CGTDockingControlBar*) override { return TRUE; }
    void OnMoveMiniFrame(CGTMiniFrameWnd* iFrame) override { GetDockManager()->ProcessFloatingFrameMove(iFrame); }
    BOOL MayMoveMiniFrame(CGTMiniFrameWnd*) override { return TRUE; }
    BOOL MayCloseMiniFrame(CGTMiniFrameWnd*) override { return TRUE; }
    void ShowBar(CGTBaseControlBar* iBar, BOOL iShow, BOOL iDelay, BOOL iActivate) override
    {
        iBar->ShowBar(iShow, iDelay, iActivate);
    }
    void RemoveTearOffBar(CGTBaseControlBar*) override {}

    void RecalcLayout(BOOL) override { AdjustDockingLayout(); }
    BOOL PreTranslateMessage(MSG* ioMessage) override
    {
        if (ioMessage->message == WM_KEYDOWN && ioMessage->wParam == VK_ESCAPE) {
            if (auto* slider = DYNAMIC_DOWNCAST(CGTSlider, GetCapture())) {
                slider->SendMessage(WM_CANCELMODE);
                return TRUE;
            }
        }
        return CFrameWnd::PreTranslateMessage(ioMessage);
    }

    // A dock bar of a side along the frame's client area (deleted with its window).
    CGTDockBar* AddDockBar(DWORD iSide)
    {
        auto* dockBar = new CGTDockBar;
        dockBar->Create(iSide, CRect(), this);
        return dockBar;
    }

    CGTDockManager m_DockManager;
    int m_Layouts = 0;

protected:
    void PostNcDestroy() override {}
};

// A window's rectangle in its parent's client coordinates.
inline CRect PlaceInParent(const CWnd& iWindow)
{
    CRect rect;
    iWindow.GetWindowRect(&rect);
    iWindow.GetParent()->ScreenToClient(&rect);
    return rect;
}

// A bar that asks its row for a fixed size; it may dock on every side and float.
class FixedBar : public CGTControlBar {
public:
    FixedBar(CWnd& iParent, CSize iSize, UINT iId = 100, DWORD iBehaviour = GTBehaviourAll) : m_Size(iSize)
    {
        CreateEx(0, nullptr, WS_CHILD | WS_VISIBLE, CRect(CPoint(0, 0), iSize), &iParent, iId, iBehaviour);
        SetBorders(0, 0, 0, 0);
        EnableDocking(GTSideAny);
    }
    ~FixedBar() override { DestroyWindow(); }
    CSize GetStretchLimit(BOOL, BOOL iHorizontal) override
    {
        return iHorizontal ? m_Size : CSize(m_Size.cy, m_Size.cx);
    }
    CRect Place() const { return PlaceInParent(*this); }
    using CGTControlBar::BuildDockingMenu;

    CSize m_Size;
};

// A docking pane's window at a place of its parent, without the pane's own creation.
class PlainPane : public CGTDockingControlBar {
public:
    PlainPane(CWnd& iParent, const CRect& iRect, UINT iId)
    {
        CGTControlBar::CreateEx(0, nullptr, WS_CHILD | WS_VISIBLE, iRect, &iParent, iId);
    }
    ~PlainPane() override { DestroyWindow(); }
};

// A mini frame that says how many bars it holds and counts the empty-frame checks it gets.
class CountingMiniFrame : public CGTMiniFrameWnd {
public:
    CountingMiniFrame(CWnd& iOwner, int iBars) : m_Bars(iBars)
    {
        CWnd::CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP | WS_VISIBLE, CRect(50, 50, 250, 150), &iOwner, 0);
    }
    int GetBarCount() const override { return m_Bars; }
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override
    {
        if (iMessage == GTMSG_CHECKEMPTYMINIFRAME)
            ++m_Checks;
        return CGTMiniFrameWnd::WindowProc(iMessage, iWParam, iLParam);
    }

    int m_Bars;
    int m_Checks = 0;
};

// A frame with a top dock bar of a given length, the bars made for it and a fake cursor.
struct TopDockBar {
    explicit TopDockBar(int iLength = 400) : dockBar(*frame.AddDockBar(GTSideTop))
    {
        dockBar.MoveToRect(CRect(0, 0, iLength, 0));
    }
    FixedBar& NewBar(int iLength = 100, int iThickness = 20)
    {
        bars.push_back(std::make_unique<FixedBar>(frame, CSize(iLength, iThickness), 300 + int(bars.size())));
        return *bars.back();
    }
    // Docks a new bar at a place in the dock bar's client coordinates; iShortest is the
    // shortest it may get.
    FixedBar& Dock(int iAt, int iAcross, int iLength = 100, int iThickness = 20, int iShortest = 1)
    {
        FixedBar& bar = NewBar(iLength, iThickness);
        bar.SetStoredSize(CSize(iShortest, 1));
        const CRect target(iAt, iAcross, iAt + iLength, iAcross + iThickness);
        bar.DockToTarget(&dockBar, &target, GTDockByRect);
        return bar;
    }
    int Thickness() const
    {
        CRect window;
        dockBar.GetWindowRect(&window);
        return window.Height();
    }
    int RowOf(const CGTControlBar& iBar) const { return dockBar.GetRowIndex(iBar.GetDockRow()); }
    // Puts the fake cursor at a point of the dock bar's client area.
    void CursorAt(CPoint iPoint)
    {
        dockBar.ClientToScreen(&iPoint);
        cursor.m_Position = iPoint;
    }

    TestDockingFrame frame;
    CGTDockBar& dockBar;
    std::vector<std::unique_ptr<FixedBar>> bars;
    FakeCursor cursor;
};
