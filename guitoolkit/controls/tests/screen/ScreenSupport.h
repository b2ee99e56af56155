// What the toolkit's screen tests share beside the class library's: letting windows draw, a
// screenshot of a window saved as a bitmap file, and the user's mouse, each move drawn.
#pragma once
#include <ScreenTestSupport.h>
#include <guitoolkit/core/CGTDibSection.h>
#include <afxwin.h>
#include <set>

inline void LetItDraw(int iRounds = 30)
{
    for (int round = 0; round < iRounds; ++round) {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
}

inline BOOL SaveBitmap(const CGTDibSection& iShot, LPCWSTR iPath)
{
    return SaveBitmapFile(iPath, CGTDibSection::Header(iShot.Width(), iShot.Height()), iShot.Bits());
}

// The screen under a window's rectangle.
inline BOOL TakeScreenshot(CWnd& iWindow, CGTDibSection& oShot)
{
    CRect window;
    iWindow.GetWindowRect(window);
    if (!oShot.Create(window.Width(), window.Height()))
        return FALSE;
    HDC memory = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(memory, oShot.Handle());
    HDC screen = ::GetDC(nullptr);
    ::BitBlt(memory, 0, 0, window.Width(), window.Height(), screen, window.left, window.top, SRCCOPY);
    ::ReleaseDC(nullptr, screen);
    ::GdiFlush();
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
    return TRUE;
}

inline size_t CountColors(const CGTDibSection& iShot)
{
    std::set<DWORD> colors;
    for (int y = 0; y < iShot.Height(); ++y)
        for (int x = 0; x < iShot.Width(); ++x)
            colors.insert(*iShot.PixelAt(x, y) & 0xFFFFFF);
    return colors.size();
}

// The mouse at a screen point, with button flags (MOUSEEVENTF_LEFTDOWN...) or none, and what it
// makes the windows draw.
inline void MoveMouse(DWORD iFlags, POINT iPoint)
{
    SendMouse(iFlags, iPoint);
    LetItDraw(2);
}

inline void ClickAt(POINT iPoint)
{
    MoveMouse(0, iPoint);
    MoveMouse(MOUSEEVENTF_LEFTDOWN, iPoint);
    MoveMouse(MOUSEEVENTF_LEFTUP, iPoint);
}

// Presses at one point, moves in steps and releases at the other.
inline void DragFromTo(POINT iFrom, POINT iTo)
{
    MoveMouse(0, iFrom);
    MoveMouse(MOUSEEVENTF_LEFTDOWN, iFrom);
    for (int step = 1; step <= 8; ++step)
        MoveMouse(0, {iFrom.x + (iTo.x - iFrom.x) * step / 8, iFrom.y + (iTo.y - iFrom.y) * step / 8});
    MoveMouse(MOUSEEVENTF_LEFTUP, iTo);
}
