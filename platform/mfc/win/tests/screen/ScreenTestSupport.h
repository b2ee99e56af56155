// What on-screen tests share: letting a program draw on the X display, and reading back what
// the screen shows.
#pragma once
#include <afxwin.h>

#include <functional>
#include <vector>

// Lets the program and the X server draw: the messages of a while, each offered to the
// program's windows first as its message loop does, and the idle updates.
void LetItDraw(CWinApp& app, DWORD dwMilliseconds = 1500);

// Mouse input as a user gives it: the pointer moved to a point of the screen, with the
// MOUSEEVENTF_ button flags given.
void SendMouse(DWORD dwFlags, POINT ptScreen);
// A left click there: the move, the press and the release.
void SendClick(POINT ptScreen);
// A key pressed and released as a user types it.
void SendKey(WORD wVirtualKey);
// The mouse pressed at one point, carried to another in steps and released there.
std::vector<std::function<void()>> DragSteps(POINT ptFrom, POINT ptTo);
// Plays the user's steps from a helper thread, a pause after each, while this thread handles
// the messages (a drag, a menu or a dialog may each run a loop of their own meanwhile).
void PlayInput(CWinApp& app, const std::vector<std::function<void()>>& steps, DWORD dwPause = 120);

// Keeps a picture, its header and its pixels as they follow it, as a bitmap file; FALSE when
// the file cannot be written.
BOOL SaveBitmapFile(LPCWSTR lpszPath, const BITMAPINFOHEADER& header, const void* pBits);

// The screen as the user sees it, in a DIB: Pixel answers 0x00RRGGBB.
struct Screenshot {
    CRect rect;  // on the screen
    std::vector<DWORD> pixels;

    explicit Screenshot(const CRect& rectScreen);
    DWORD Pixel(int xScreen, int yScreen) const
    {
        return pixels[(size_t)(yScreen - rect.top) * rect.Width() + (xScreen - rect.left)] & 0x00FFFFFF;
    }
    int Count(DWORD dwColor, const CRect& rectWithin) const;
    // Keeps the picture as a bitmap file for people to look at.
    BOOL Save(LPCWSTR lpszPath) const;
};

// A colour as Screenshot::Pixel answers it.
inline DWORD ToPixel(COLORREF clr)
{
    return (DWORD)((GetRValue(clr) << 16) | (GetGValue(clr) << 8) | GetBValue(clr));
}
