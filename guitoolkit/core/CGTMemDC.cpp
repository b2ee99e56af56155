#include <guitoolkit/core/CGTMemDC.h>

BOOL CGTMemDC::UseMemoryDC = TRUE;

CGTMemDC::CGTMemDC(CDC& target, CWnd* window) : Target(target), IsMemDC(FALSE), OldBitmap(nullptr)
{
    window->GetClientRect(&Rect);
    Rect.right += window->GetScrollPos(SB_HORZ);
    Rect.bottom += window->GetScrollPos(SB_VERT);
    Create();
}

CGTMemDC::CGTMemDC(CDC& target, const CRect& rect) : Target(target), IsMemDC(FALSE), OldBitmap(nullptr), Rect(rect)
{
    Create();
}

void CGTMemDC::Create()
{
    if (!UseMemoryDC || !MemDC.CreateCompatibleDC(&Target))
        return;
    if (!Bitmap.CreateCompatibleBitmap(&Target, Rect.Width(), Rect.Height()))
        return;
    OldBitmap = MemDC.SelectObject(&Bitmap);
    // The bitmap's first pixel stands for the rectangle's top left: callers draw, and the
    // copy reads, at the target's coordinates.
    MemDC.SetViewportOrg(-Rect.left, -Rect.top);
    IsMemDC = TRUE;
}

CGTMemDC::~CGTMemDC()
{
    if (IsMemDC) {
        CRect clip;
        switch (Target.GetClipBox(&clip)) {
        case NULLREGION:
            break;
        case SIMPLEREGION:
            // Only what the bitmap holds: the clip box may reach past it.
            clip &= Rect;
            Target.BitBlt(clip.left, clip.top, clip.Width(), clip.Height(), &MemDC, clip.left, clip.top, SRCCOPY);
            break;
        default:
            Target.BitBlt(Rect.left, Rect.top, Rect.Width(), Rect.Height(), &MemDC, Rect.left, Rect.top, SRCCOPY);
            break;
        }
        MemDC.SelectObject(OldBitmap);
    }
    Bitmap.DeleteObject();
    MemDC.DeleteDC();
}
