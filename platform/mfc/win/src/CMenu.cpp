#include "afxstate.h"
#include "afxhandlemap.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

static CHandleMap<CMenu, HMENU>& MenuMap()
{
    static thread_local CHandleMap<CMenu, HMENU> map(&CMenu::m_hMenu);
    return map;
}

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu)
{
    return MenuMap().FromHandle(hMenu);
}
CMenu* PASCAL CMenu::FromHandlePermanent(HMENU hMenu)
{
    return MenuMap().LookupPermanent(hMenu);
}
void PASCAL CMenu::DeleteTempMap()
{
    MenuMap().DeleteTemp();
}

BOOL CMenu::Attach(HMENU hMenu)
{
    return MenuMap().Attach(this, m_hMenu, hMenu, [this] { DestroyMenu(); });
}

HMENU CMenu::Detach()
{
    return MenuMap().Detach(this, m_hMenu);
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == nullptr)
        return FALSE;
    return ::DestroyMenu(Detach());
}

BOOL CMenu::LoadMenu(LPCWSTR lpszResourceName)
{
    return Attach(::LoadMenuW(AfxFindResourceHandle(lpszResourceName, (LPCWSTR)RT_MENU), lpszResourceName));
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    int nLen = ::GetMenuStringW(m_hMenu, nIDItem, nullptr, 0, nFlags);
    if (nLen <= 0) {
        rString.Empty();
        return 0;
    }
    ::GetMenuStringW(m_hMenu, nIDItem, rString.GetBuffer(nLen + 1), nLen + 1, nFlags);
    rString.ReleaseBuffer();
    return rString.GetLength();
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd->GetSafeHwnd(), lpRect);
}

BOOL CMenu::TrackPopupMenuEx(UINT fuFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm)
{
    return ::TrackPopupMenuEx(m_hMenu, fuFlags, x, y, pWnd->GetSafeHwnd(), lptpm);
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}
void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}
