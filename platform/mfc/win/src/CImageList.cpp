#include "afxstate.h"
#include "afxhandlemap.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

static CHandleMap<CImageList, HIMAGELIST>& ImageListMap()
{
    static thread_local CHandleMap<CImageList, HIMAGELIST> map(&CImageList::m_hImageList);
    return map;
}

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST h)
{
    return ImageListMap().FromHandle(h);
}
CImageList* PASCAL CImageList::FromHandlePermanent(HIMAGELIST h)
{
    return ImageListMap().LookupPermanent(h);
}
void PASCAL CImageList::DeleteTempMap()
{
    ImageListMap().DeleteTemp();
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    return ImageListMap().Attach(this, m_hImageList, hImageList, [this] { DeleteImageList(); });
}

HIMAGELIST CImageList::Detach()
{
    return ImageListMap().Detach(this, m_hImageList);
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == nullptr)
        return FALSE;
    return ImageList_Destroy(Detach());
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Create(MAKEINTRESOURCEW(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCWSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszBitmapID, (LPCWSTR)RT_BITMAP);
    return Attach(ImageList_LoadImageW(hInst, lpszBitmapID, cx, nGrow, crMask, IMAGE_BITMAP, LR_CREATEDIBSECTION));
}

BOOL CImageList::DrawIndirect(IMAGELISTDRAWPARAMS* pimldp)
{
    pimldp->cbSize = sizeof(IMAGELISTDRAWPARAMS);
    pimldp->himl = m_hImageList;
    return ImageList_DrawIndirect(pimldp);
}

BOOL PASCAL CImageList::DragEnter(CWnd* pWndLock, CPoint point)
{
    return ImageList_DragEnter(pWndLock->GetSafeHwnd(), point.x, point.y);
}

BOOL PASCAL CImageList::DragLeave(CWnd* pWndLock)
{
    return ImageList_DragLeave(pWndLock->GetSafeHwnd());
}
