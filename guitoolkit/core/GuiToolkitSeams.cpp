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

void CGTBeeper::Beep(UINT iType) const
{
    ::MessageBeep(iType);
}
