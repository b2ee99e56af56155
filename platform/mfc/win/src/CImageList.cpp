#include "afxstate.h"
#include "afxhandlemap.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

static CHandleMap<CImageList, HIMAGELIST>& ImageListMap()
{
    static thread_local CHandleMap<CImageList, HIMAGELIST> map(
        [](HIMAGELIST h) {
            CImageList* pList = new CImageList;
            pList->m_hImageList = h;
            return pList;
        },
        [](CImageList* pList) { pList->m_hImageList = nullptr; });
    return map;
}

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST h) { return ImageListMap().FromHandle(h); }
CImageList* PASCAL CImageList::FromHandlePermanent(HIMAGELIST h) { return ImageListMap().LookupPermanent(h); }
void PASCAL CImageList::DeleteTempMap() { ImageListMap().DeleteTemp(); }

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    if (hImageList == nullptr)
        return FALSE;
    m_hImageList = hImageList;
    ImageListMap().SetPermanent(hImageList, this);
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST h = m_hImageList;
    if (h != nullptr && ImageListMap().LookupPermanent(h) == this)
        ImageListMap().RemoveHandle(h);
    m_hImageList = nullptr;
    return h;
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

BOOL PASCAL CImageList::DragLeave(CWnd* pWndLock) { return ImageList_DragLeave(pWndLock->GetSafeHwnd()); }
