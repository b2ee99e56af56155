// What the global record learns from the display: colour depth and system colours.
// Tests put a screen of their own in place to reach the low-colour and high-contrast
// paths that a real display here never shows.
#pragma once
#include <afxwin.h>

class CGTScreenInfo {
public:
    virtual ~CGTScreenInfo() = default;
    virtual int BitsPerPixel() const;
    virtual COLORREF SysColor(int index) const;
    virtual HBRUSH SysColorBrush(int index) const;

    // The screen in use (the real display until another one is set).
    static CGTScreenInfo& Current();
    // Puts a screen in place (null: the real display); returns the one it replaces.
    static CGTScreenInfo* Select(CGTScreenInfo* screen);
};
