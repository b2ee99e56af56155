#include "afxstate.h"
#include "afxhandlemap.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)
IMPLEMENT_DYNAMIC(CPalette, CGdiObject)

// A temporary object of the class that matches the kind of handle.
static CGdiObject* NewTempGdiObject(HGDIOBJ h)
{
    CGdiObject* pObject;
    switch (::GetObjectType(h)) {
    case OBJ_PEN:
    case OBJ_EXTPEN:
        pObject = new CPen;
        break;
    case OBJ_BRUSH:
        pObject = new CBrush;
        break;
    case OBJ_FONT:
        pObject = new CFont;
        break;
    case OBJ_BITMAP:
        pObject = new CBitmap;
        break;
    case OBJ_REGION:
        pObject = new CRgn;
        break;
    case OBJ_PAL:
        pObject = new CPalette;
        break;
    default:
        pObject = new CGdiObject;
        break;
    }
    pObject->m_hObject = h;
    return pObject;
}

static CHandleMap<CGdiObject, HGDIOBJ>& GdiMap()
{
    static thread_local CHandleMap<CGdiObject, HGDIOBJ> map(NewTempGdiObject,
                                                            [](CGdiObject* p) { p->m_hObject = nullptr; });
    return map;
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return GdiMap().FromHandle(hObject);
}
void PASCAL CGdiObject::DeleteTempMap()
{
    GdiMap().DeleteTemp();
}

// Stock objects and system-colour brushes belong to the system: any number of objects may
// hold one, and deleting one does nothing.
static bool IsSystemObject(HGDIOBJ h)
{
    if (h == nullptr)
        return false;
    for (int i = 0; i <= STOCK_LAST; i++)
        if (::GetStockObject(i) == h)
            return true;
    for (int i = 0; i <= COLOR_MENUBAR; i++)
        if (::GetSysColorBrush(i) == h)
            return true;
    return false;
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (!IsSystemObject(hObject))
        return GdiMap().Attach(this, m_hObject, hObject, [this] { DeleteObject(); });
    DeleteObject();
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    return GdiMap().Detach(this, m_hObject);
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    return ::DeleteObject(Detach());
}

CBrush::CBrush(CBitmap* pBitmap)
{
    CreatePatternBrush(pBitmap);
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap)
{
    return Attach(::CreatePatternBrush((HBITMAP)pBitmap->GetSafeHandle()));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCWSTR lpszFaceName, CDC* pDC)
{
    LOGFONTW logFont = {};
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = nPointSize;
    lstrcpynW(logFont.lfFaceName, lpszFaceName, _countof(logFont.lfFaceName));
    return CreatePointFontIndirect(&logFont, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONTW* lpLogFont, CDC* pDC)
{
    HDC hDC = pDC != nullptr ? pDC->m_hAttribDC : ::GetDC(nullptr);
    // Tenths of a point to logical units of the device.
    LOGFONTW logFont = *lpLogFont;
    POINT pt = {0, MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), logFont.lfHeight, 720)};
    ::DPtoLP(hDC, &pt, 1);
    POINT ptOrg = {0, 0};
    ::DPtoLP(hDC, &ptOrg, 1);
    logFont.lfHeight = -abs(pt.y - ptOrg.y);
    if (pDC == nullptr)
        ::ReleaseDC(nullptr, hDC);
    return CreateFontIndirect(&logFont);
}

BOOL CBitmap::LoadBitmap(LPCWSTR lpszResourceName)
{
    return Attach(::LoadBitmapW(AfxFindResourceHandle(lpszResourceName, (LPCWSTR)RT_BITMAP), lpszResourceName));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return Attach(::CreateCompatibleBitmap(pDC->GetSafeHdc(), nWidth, nHeight));
}

CSize CBitmap::SetBitmapDimension(int nWidth, int nHeight)
{
    SIZE size;
    ::SetBitmapDimensionEx((HBITMAP)m_hObject, nWidth, nHeight, &size);
    return size;
}

CSize CBitmap::GetBitmapDimension() const
{
    SIZE size;
    ::GetBitmapDimensionEx((HBITMAP)m_hObject, &size);
    return size;
}

BOOL CPalette::CreateHalftonePalette(CDC* pDC)
{
    return Attach(::CreateHalftonePalette(pDC->GetSafeHdc()));
}

int CPalette::GetEntryCount() const
{
    WORD nEntries = 0;
    ::GetObjectW(m_hObject, sizeof(WORD), &nEntries);
    return nEntries;
}
