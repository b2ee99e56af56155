#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/core/BrowseForFolderDialog.h>
#include <afxdlgs.h>
#include <shlobj.h>

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

BOOL CGTModalDialogs::OpenFile(LPCWSTR iDefaultExtension, LPCWSTR iFileName, LPCWSTR iFilter, CString& oPath) const
{
    CFileDialog dialog(TRUE, iDefaultExtension, iFileName, 0, iFilter, nullptr);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    oPath = dialog.GetPathName();
    return TRUE;
}

BOOL CGTModalDialogs::BrowseForFolder(LPCWSTR iInitialFolder, CString& oFolder) const
{
    return BrowseForFolderDialog(oFolder, nullptr, iInitialFolder, nullptr, BIF_RETURNONLYFSDIRS);
}

UINT CGTModalDialogs::TrackPopupMenu(HMENU iMenu, UINT iFlags, int iX, int iY, HWND iOwner) const
{
    return static_cast<UINT>(::TrackPopupMenu(iMenu, iFlags | TPM_RETURNCMD, iX, iY, 0, iOwner, nullptr));
}
