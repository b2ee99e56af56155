#include "afxstate.h"

IMPLEMENT_DYNAMIC(CDateTimeCtrl, CWnd)

BOOL CDateTimeCtrl::SetTime(LPSYSTEMTIME pTimeNew)
{
    // Some pickers want a time even when told there is none.
    SYSTEMTIME stNone = {};
    return (BOOL)SendMessage(DTM_SETSYSTEMTIME, pTimeNew == nullptr ? GDT_NONE : GDT_VALID,
                             (LPARAM)(pTimeNew != nullptr ? pTimeNew : &stNone));
}

BOOL CDateTimeCtrl::GetTime(COleDateTime& timeDest) const
{
    SYSTEMTIME st;
    switch (GetTime(&st)) {
    case GDT_VALID:
        timeDest = COleDateTime(st);
        return TRUE;
    case GDT_NONE:
        timeDest.SetStatus(COleDateTime::null);
        return TRUE;
    default:
        timeDest.SetStatus(COleDateTime::invalid);
        return FALSE;
    }
}

BOOL CDateTimeCtrl::SetTime(const COleDateTime& timeNew)
{
    if (timeNew.GetStatus() == COleDateTime::null)
        return SetTime((LPSYSTEMTIME) nullptr);
    SYSTEMTIME st;
    return timeNew.GetStatus() == COleDateTime::valid && timeNew.GetAsSystemTime(st) && SetTime(&st);
}

BOOL CDateTimeCtrl::SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange)
{
    SYSTEMTIME range[2] = {};
    WPARAM flags = 0;
    if (pMinRange != nullptr && pMinRange->GetStatus() == COleDateTime::valid && pMinRange->GetAsSystemTime(range[0]))
        flags |= GDTR_MIN;
    if (pMaxRange != nullptr && pMaxRange->GetStatus() == COleDateTime::valid && pMaxRange->GetAsSystemTime(range[1]))
        flags |= GDTR_MAX;
    return (BOOL)SendMessage(DTM_SETRANGE, flags, (LPARAM)range);
}

void AFXAPI DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, COleDateTime& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    CDateTimeCtrl* pCtrl = static_cast<CDateTimeCtrl*>(CWnd::FromHandle(hWndCtrl));
    if (pDX->m_bSaveAndValidate) {
        if (!pCtrl->GetTime(value))
            pDX->Fail();
    } else if (value.GetStatus() == COleDateTime::invalid || !pCtrl->SetTime(value)) {
        AfxMessageBox(L"The date cannot be shown.", MB_ICONEXCLAMATION);
        pDX->Fail();
    }
}
