// A bar floating in a mini frame over a docking frame, and mouse input for the frame given in
// screen points with the fake cursor kept there.
#pragma once
#include <guitoolkit/docking/CGTCaptionButton.h>
#include "DockingTestSupport.h"

// A frame that counts the closes it is asked about and answers as told.
class ClosingFrame : public TestDockingFrame {
public:
    BOOL MayCloseMiniFrame(CGTMiniFrameWnd*) override
    {
        ++m_CloseAsks;
        return m_AllowClose;
    }
    int m_CloseAsks = 0;
    BOOL m_AllowClose = TRUE;
};

struct FloatingBar {
    explicit FloatingBar(CRect iAt = CRect(300, 200, 500, 350), DWORD iBehaviour = GTBehaviourAll)
        : bar(frame, iAt.Size(), 640, iBehaviour), mode(CGTDockManager::s_nDockingMode)
    {
        frame.m_DockManager.CreateDockBars(GTSideAny);
        frame.m_DockManager.DockBar(&bar, GTDockBarTopId);
        frame.m_DockManager.RecalcLayout();
        bar.SetWindowText(L"Floating");
        bar.FloatAtRect(iAt, GTDockByRect, TRUE);
        mini = bar.GetParentMiniFrame();
    }
    ~FloatingBar() { CGTDockManager::s_nDockingMode = mode; }

    // The screen centre of a caption button.
    CPoint ButtonCentre(UINT iHitCode) const
    {
        const CRect button = mini->FindCaptionButton(iHitCode)->GetRect();
        return WindowRect(*mini).TopLeft() + button.CenterPoint();
    }
    CPoint CaptionPoint() const
    {
        CRect caption;
        mini->CaptionRectangle(caption);
        return WindowRect(*mini).TopLeft() + CPoint(caption.left + 10, caption.CenterPoint().y);
    }
    // Puts the cursor at a screen point and sends the mouse message there to the frame.
    void Send(UINT iMessage, CPoint iScreen, WPARAM iFlags = MK_LBUTTON)
    {
        cursor.m_Position = iScreen;
        mini->ScreenToClient(&iScreen);
        mini->SendMessage(iMessage, iFlags, MAKELPARAM(iScreen.x, iScreen.y));
    }
    void Click(CPoint iScreen)
    {
        Send(WM_MOUSEMOVE, iScreen, 0);
        Send(WM_LBUTTONDOWN, iScreen);
        Send(WM_LBUTTONUP, iScreen, 0);
    }

    FakeCursor cursor;
    ClosingFrame frame;
    FixedBar bar;
    int mode;
    CGTMiniFrameWnd* mini = nullptr;
};
