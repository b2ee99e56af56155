#include <guitoolkit/core/GuiToolkitSeams.h>

SHORT CGTKeyState::GetKeyState(int iVirtualKey) const
{
    return ::GetKeyState(iVirtualKey);
}

SHORT CGTKeyState::GetAsyncKeyState(int iVirtualKey) const
{
    return ::GetAsyncKeyState(iVirtualKey);
}

BOOL CGTCursor::GetPosition(POINT& oPoint) const
{
    return ::GetCursorPos(&oPoint);
}

HWND CGTCursor::WindowAt(POINT iPoint) const
{
    return ::WindowFromPoint(iPoint);
}

DWORD CGTClock::Milliseconds() const
{
    return ::GetTickCount();
}

void CGTScreenDrawing::DrawDragRect(LPCRECT iRect, SIZE iSize, LPCRECT iLast, SIZE iLastSize) const
{
    CWnd* desktop = CWnd::GetDesktopWindow();
    CDC* dc = desktop->GetDCEx(nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    if (dc == nullptr)
        return;
    // No new rectangle only erases the last one.
    const CRect none(0, 0, 0, 0);
    dc->DrawDragRect(iRect != nullptr ? iRect : &none, iSize, iLast, iLastSize);
    desktop->ReleaseDC(dc);
}

void CGTBeeper::Beep(UINT iType) const
{
    ::MessageBeep(iType);
}

UINT_PTR CGTShellAppBars::Send(DWORD iMessage, APPBARDATA& ioData) const
{
    return ::SHAppBarMessage(iMessage, &ioData);
}
