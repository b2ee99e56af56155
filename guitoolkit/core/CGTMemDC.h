// An off-screen device context for one paint: the control draws into GetDC(), and the
// destructor copies the visible part to the target in one bit-block transfer. Without an
// off-screen bitmap (switched off, or not made) the control draws straight onto the target.
#pragma once
#include <afxwin.h>

class CGTMemDC {
public:
    // Off-screen drawing for the whole process; on by default.
    static BOOL UseMemoryDC;

    // Covers the window's client area, grown by its scroll positions.
    CGTMemDC(CDC& target, CWnd* window);
    CGTMemDC(CDC& target, const CRect& rect);
    virtual ~CGTMemDC();
    CGTMemDC(const CGTMemDC&) = delete;
    CGTMemDC& operator=(const CGTMemDC&) = delete;

    CDC& GetDC() { return IsMemDC ? MemDC : Target; }
    BOOL IsMemDCInUse() const { return IsMemDC; }

private:
    void Create();

    CDC& Target;
    BOOL IsMemDC;
    CDC MemDC;
    CBitmap Bitmap;
    CBitmap* OldBitmap;
    CRect Rect;
};
