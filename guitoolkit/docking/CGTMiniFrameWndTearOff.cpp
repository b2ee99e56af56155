// Tearing a popup menu off into a floating toolbar: the new bar's frame follows the mouse in a
// modal loop until the button is released, and a cancelled tear-off leaves nothing behind.
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/docking/CGTBaseControlBar.h>
#include <guitoolkit/docking/IGTDockingFrame.h>

namespace {
// Where the cursor holds the frame: the middle of its width, just below its top.
CPoint HoldPoint(const CRect& iWindow)
{
    return CPoint(iWindow.Width() / 2, 5);
}

// Runs the loop while the bar holds the capture; 1 for a release, 0 for a cancel.
int FollowMouse(CWnd& ioFrame, CWnd& ioBar)
{
    CRect window;
    ioFrame.GetWindowRect(&window);
    const CPoint hold = HoldPoint(window);
    ioBar.SetCapture();
    ::SetCursorPos(window.left + hold.x, window.top + hold.y);
    int result = 0;
    MSG message;
    while (::GetCapture() == ioBar.GetSafeHwnd()) {
        if (!::GetMessageW(&message, nullptr, 0, 0)) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (message.message == WM_LBUTTONUP) {
            result = 1;
            break;
        }
        if ((message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) || message.message == WM_RBUTTONDOWN)
            break;
        if (message.message == WM_MOUSEMOVE) {
            CPoint cursor;
            CGTCursor::Current().GetPosition(cursor);
            ioFrame.SetWindowPos(nullptr, cursor.x - hold.x, cursor.y - hold.y, 0, 0,
                                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    ::ReleaseCapture();
    return result;
}
}  // namespace

int CGTMiniFrameWnd::TrackTearOff(CWnd* iSource)
{
    auto* bar = DYNAMIC_DOWNCAST(CGTBaseControlBar, GetBar());
    iSource->ShowWindow(SW_HIDE);
    if (CWnd* parent = iSource->GetParent())
        parent->UpdateWindow();
    MSG paint;
    while (::PeekMessageW(&paint, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        ::DispatchMessageW(&paint);
    const int result = bar != nullptr && ::GetCapture() == nullptr ? FollowMouse(*this, *bar) : 0;
    CWnd* owner = CWnd::FromHandlePermanent(m_OwnerFrame);
    if (result == 1) {
        iSource->SendMessage(WM_CLOSE);
        if (owner != nullptr)
            owner->GetTopLevelFrame()->SetFocus();
        return 1;
    }
    if (::IsWindow(iSource->GetSafeHwnd()))
        iSource->ShowWindow(SW_SHOWNOACTIVATE);
    if (bar != nullptr)
        DiscardTearOffBar(*bar, owner);
    return 0;
}

int CGTMiniFrameWnd::TrackNewTearOff(CGTBaseControlBar& ioBar, CWnd* iSource)
{
    if (CGTMiniFrameWnd* frame = ioBar.GetParentMiniFrame())
        return frame->TrackTearOff(iSource);
    DiscardTearOffBar(ioBar, ioBar.GetOwner());
    return 0;
}

void CGTMiniFrameWnd::DiscardTearOffBar(CGTBaseControlBar& ioBar, CWnd* iOwner)
{
    if (IGTDockingFrame* docking = AsDockingFrame(iOwner))
        docking->RemoveTearOffBar(&ioBar);
    ioBar.DestroyWindow();
    delete &ioBar;
}
