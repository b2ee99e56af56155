#include <guitoolkit/core/CGTScreenInfo.h>

namespace {
CGTScreenInfo* selectedScreen = nullptr;
}

int CGTScreenInfo::BitsPerPixel() const
{
    HDC dc = ::GetDC(nullptr);
    int bits = ::GetDeviceCaps(dc, BITSPIXEL);
    ::ReleaseDC(nullptr, dc);
    return bits;
}

COLORREF CGTScreenInfo::SysColor(int index) const
{
    return ::GetSysColor(index);
}

HBRUSH CGTScreenInfo::SysColorBrush(int index) const
{
    return ::GetSysColorBrush(index);
}

CGTScreenInfo& CGTScreenInfo::Current()
{
    static CGTScreenInfo display;
    return selectedScreen != nullptr ? *selectedScreen : display;
}

CGTScreenInfo* CGTScreenInfo::Select(CGTScreenInfo* screen)
{
    CGTScreenInfo* previous = selectedScreen;
    selectedScreen = screen;
    return previous;
}
