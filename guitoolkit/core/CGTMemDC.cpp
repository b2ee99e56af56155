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
