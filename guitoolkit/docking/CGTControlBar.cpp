#include <guitoolkit/docking/CGTControlBar.h>

IMPLEMENT_DYNAMIC(CGTControlBar, CGTBaseControlBar)

BEGIN_MESSAGE_MAP(CGTControlBar, CGTBaseControlBar)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
END_MESSAGE_MAP()

CGTControlBar::CGTControlBar() : m_Impl(*this) {}

CGTControlBar::~CGTControlBar() = default;

BOOL CGTControlBar::Create(LPCWSTR iClassName, DWORD iStyle, const RECT& iRect, CWnd* iParent, UINT iId,
                           DWORD iBarStyle)
{
    m_dwStyle = iBarStyle;
    if (!CWnd::Create(iClassName, nullptr, iStyle | WS_CHILD, iRect, iParent, iId))
        return FALSE;
    SetOwner(iParent);
    return TRUE;
}

BOOL CGTControlBar::SaveState(LPCWSTR, int, UINT)
{
    return TRUE;
}

BOOL CGTControlBar::LoadState(LPCWSTR, int, UINT)
{
    return TRUE;
}

void CGTControlBar::Serialize(CArchive&) {}

void CGTControlBar::AdjustClientRectByBorders(CRect& ioRect, BOOL iHorizontal) const
{
    CalcInsideRect(ioRect, iHorizontal);
}

void CGTControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* ioParams)
{
    CRect client(ioParams->rgrc[0]);
    m_Impl.CalcNcSize(client);
    ioParams->rgrc[0] = client;
}

void CGTControlBar::OnNcPaint()
{
    m_Impl.DrawNcArea();
}
