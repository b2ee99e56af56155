#include <guitoolkit/core/GTClipboardImage.h>
#include <guitoolkit/core/CGTLocalResource.h>
#include <guitoolkit/core/CGTSelectedBitmap.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitResources.h>

namespace {
// The bitmap, no longer selected anywhere, or null when drawing failed.
HBITMAP DrawOnFace(SIZE size, const std::function<BOOL(CDC&)>& draw)
{
    CBitmap image;
    HDC screen = ::GetDC(nullptr);
    image.Attach(::CreateCompatibleBitmap(screen, size.cx, size.cy));
    ::ReleaseDC(nullptr, screen);
    if (image.GetSafeHandle() == nullptr)
        return nullptr;
    {
        CGTSelectedBitmap target(static_cast<HBITMAP>(image.GetSafeHandle()));
        if (!target.IsValid())
            return nullptr;
        RECT all = {0, 0, size.cx, size.cy};
        ::FillRect(target.Dc(), &all, theGuiToolkitGlobals.brushBtnFace);
        CDC dc;
        dc.Attach(target.Dc());
        const BOOL drawn = draw(dc);
        dc.Detach();
        if (!drawn)
            return nullptr;
    }
    return static_cast<HBITMAP>(image.Detach());
}

// The clipboard owns the bitmap once it takes it; a bitmap it refuses is deleted.
BOOL PutOnClipboard(HBITMAP image)
{
    CWnd* mainWindow = AfxGetMainWnd();
    if (!::OpenClipboard(mainWindow != nullptr ? mainWindow->GetSafeHwnd() : nullptr)) {
        ::DeleteObject(image);
        return FALSE;
    }
    const BOOL handed = ::EmptyClipboard() && ::SetClipboardData(CF_BITMAP, image) != nullptr;
    ::CloseClipboard();
    if (!handed)
        ::DeleteObject(image);
    return handed;
}
}  // namespace

BOOL CopyDrawingToClipboard(SIZE iSize, const std::function<BOOL(CDC&)>& iDraw)
{
    try {
        CGTLocalResource toolkitResources;
        HBITMAP image = DrawOnFace(iSize, iDraw);
        if (image == nullptr || !PutOnClipboard(image)) {
            AfxMessageBox(IDS_GT_CANNOT_COPY_IMAGE);
            return FALSE;
        }
        return TRUE;
    } catch (CException* error) {
        error->Delete();
        AfxMessageBox(IDS_GT_INTERNAL_ERROR);
        return FALSE;
    }
}
