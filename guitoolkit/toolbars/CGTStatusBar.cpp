#include <guitoolkit/toolbars/CGTStatusBar.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitLibrary.h>

IMPLEMENT_DYNAMIC(CGTStatusBar, CGTControlBar)

namespace {
const DWORD barStyleMask = 0x0040FFFF;
const DWORD iconListFlags = ILC_COLORDDB | ILC_MASK;

// The size of an icon, from its colour bitmap (its mask for a monochrome icon).
CSize IconSize(HICON iIcon)
{
    ICONINFO info = {};
    if (!::GetIconInfo(iIcon, &info))
        return CSize(0, 0);
    BITMAP bitmap = {};
    ::GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
    const int height = info.hbmColor != nullptr ? bitmap.bmHeight : bitmap.bmHeight / 2;
    if (info.hbmColor != nullptr)
        ::DeleteObject(info.hbmColor);
    if (info.hbmMask != nullptr)
        ::DeleteObject(info.hbmMask);
    return CSize(bitmap.bmWidth, height);
}
}  // namespace

CGTStatusBar::CGTStatusBar() : m_Font(nullptr), m_DoubleClicks(FALSE)
{
    m_cxLeftBorder = 4;
    m_cyTopBorder = 2;
    m_cxRightBorder = 0;
    m_cyBottomBorder = 0;
}

CGTStatusBar::~CGTStatusBar()
{
    ReleasePanes();
}

BOOL CGTStatusBar::Create(CWnd* iParent, DWORD iStyle, UINT iId)
{
    return CreateEx(iParent, 0, iStyle, iId);
}

BOOL CGTStatusBar::CreateEx(CWnd* iParent, DWORD, DWORD iStyle, UINT iId)
{
    DWORD barStyle = iStyle & barStyleMask;
    // Along the bottom the bar needs no border line of its own.
    if ((barStyle & (CBRS_ALIGN_ANY | CBRS_BORDER_ANY)) == (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP))
        barStyle &= ~(CBRS_BORDER_ANY | CBRS_BORDER_3D);
    DWORD windowStyle = (iStyle & ~barStyleMask) | WS_CLIPSIBLINGS;
    if (iParent != nullptr && (iParent->GetStyle() & WS_THICKFRAME))
        windowStyle |= GTStatusSizeGrip;
    if (!CreateWithBarStyle(RegisterLibraryWindowClass(L"VADEStatusBar"), windowStyle, iParent, iId, barStyle))
        return FALSE;
    AddBarToOwnerFrame();
    return TRUE;
}

// --- Panes ---

GTStatusPane* CGTStatusBar::GetPane(int iIndex)
{
    return iIndex >= 0 && iIndex < GetCount() ? &m_Panes[iIndex] : nullptr;
}

const GTStatusPane* CGTStatusBar::GetPane(int iIndex) const
{
    return iIndex >= 0 && iIndex < GetCount() ? &m_Panes[iIndex] : nullptr;
}

void CGTStatusBar::ReleasePane(int iIndex)
{
    GTStatusPane& pane = m_Panes[iIndex];
    if (pane.frameCount > 0 && GetSafeHwnd() != nullptr)
        KillTimer(s_TimerBase + iIndex);
    pane.frameCount = pane.currentFrame = 0;
    if (pane.images != nullptr)
        ImageList_Destroy(pane.images);
    pane.images = nullptr;
    pane.iconWidth = pane.iconHeight = 0;
    pane.text.Empty();
    pane.tooltip.Empty();
}

void CGTStatusBar::ReleasePanes()
{
    for (int index = 0; index < GetCount(); ++index)
        ReleasePane(index);
}

BOOL CGTStatusBar::SetIndicators(const UINT* iIds, int iCount)
{
    if (iIds == nullptr) {
        RecalcLayout();
        return TRUE;
    }
    ReleasePanes();
    m_Panes.assign(static_cast<size_t>(std::max(iCount, 0)), GTStatusPane());
    CClientDC dc(nullptr);
    CFont* previous = dc.SelectObject(GetCurrentFont());
    BOOL result = TRUE;
    for (int index = 0; index < iCount && result; ++index) {
        GTStatusPane& pane = m_Panes[index];
        pane.id = iIds[index];
        if (pane.id == 0) {
            pane.textWidth = ::GetSystemMetrics(SM_CXSCREEN) / 4;
            if (index == 0)
                pane.style |= SBPS_STRETCH | SBPS_NOBORDERS;
            continue;
        }
        if (!pane.text.LoadString(pane.id)) {
            result = FALSE;
            continue;
        }
        pane.textWidth = dc.GetTextExtent(pane.text).cx;
    }
    dc.SelectObject(previous);
    RecalcLayout();
    return result;
}

int CGTStatusBar::CommandToIndex(UINT iId) const
{
    for (int index = 0; index < GetCount(); ++index) {
        if (m_Panes[index].id == iId)
            return index;
    }
    return -1;
}

UINT CGTStatusBar::GetPaneStyle(int iIndex) const
{
    const GTStatusPane* pane = GetPane(iIndex);
    return pane != nullptr ? pane->style : 0;
}

void CGTStatusBar::SetPaneStyle(int iIndex, UINT iStyle)
{
    GTStatusPane* pane = GetPane(iIndex);
    if (pane == nullptr || pane->style == iStyle)
        return;
    pane->style = iStyle;
    if (GetSafeHwnd() != nullptr) {
        InvalidateRect(&pane->rect);
        UpdateWindow();
    }
}

CString CGTStatusBar::GetPaneText(int iIndex) const
{
    const GTStatusPane* pane = GetPane(iIndex);
    return pane != nullptr ? pane->text : CString();
}

BOOL CGTStatusBar::SetPaneText(int iIndex, LPCWSTR iText, BOOL iUpdate)
{
    GTStatusPane* pane = GetPane(iIndex);
    if (pane == nullptr)
        return FALSE;
    const CString text = iText != nullptr ? iText : L"";
    if (text == pane->text)
        return TRUE;
    pane->text = text;
    if (iUpdate)
        InvalidatePaneContent(iIndex);
    return TRUE;
}

BOOL CGTStatusBar::SetTipText(int iIndex, LPCWSTR iText)
{
    GTStatusPane* pane = GetPane(iIndex);
    if (pane == nullptr)
        return FALSE;
    pane->tooltip = iText != nullptr ? iText : L"";
    SetBarStyle(GetBarStyle() | CBRS_TOOLTIPS);
    return TRUE;
}

void CGTStatusBar::SetPaneIcon(int iIndex, HICON iIcon, BOOL iUpdate)
{
    GTStatusPane* pane = GetPane(iIndex);
    if (pane == nullptr)
        return;
    SetPaneAnimation(iIndex, nullptr, 0, FALSE);
    if (iIcon != nullptr) {
        const CSize size = IconSize(iIcon);
        pane->images = ImageList_Create(size.cx, size.cy, iconListFlags, 1, 0);
        if (pane->images != nullptr && ImageList_ReplaceIcon(pane->images, -1, iIcon) >= 0) {
            pane->iconWidth = size.cx;
            pane->iconHeight = size.cy;
        }
        RecalcLayout();
    }
    if (iUpdate)
        InvalidatePaneContent(iIndex);
}

void CGTStatusBar::SetPaneAnimation(int iIndex, HIMAGELIST iFrames, UINT iPeriod, BOOL iUpdate)
{
    GTStatusPane* pane = GetPane(iIndex);
    if (pane == nullptr)
        return;
    if (pane->frameCount > 0 && GetSafeHwnd() != nullptr)
        KillTimer(s_TimerBase + iIndex);
    if (pane->images != nullptr)
        ImageList_Destroy(pane->images);
    pane->images = nullptr;
    pane->frameCount = pane->currentFrame = 0;
    pane->iconWidth = pane->iconHeight = 0;
    const int count = iFrames != nullptr ? ImageList_GetImageCount(iFrames) : 0;
    if (count > 0) {
        int width = 0;
        int height = 0;
        ImageList_GetIconSize(iFrames, &width, &height);
        pane->images = ImageList_Create(width, height, iconListFlags, count, 1);
        for (int frame = 0; pane->images != nullptr && frame < count; ++frame) {
            HICON icon = ImageList_GetIcon(iFrames, frame, ILD_NORMAL);
            ImageList_ReplaceIcon(pane->images, -1, icon);
            ::DestroyIcon(icon);
        }
        if (pane->images != nullptr) {
            pane->iconWidth = width;
            pane->iconHeight = height;
            pane->frameCount = count;
        }
        RecalcLayout();
        if (pane->frameCount > 0 && GetSafeHwnd() != nullptr)
            SetTimer(s_TimerBase + iIndex, iPeriod, nullptr);
    }
    if (iUpdate)
        InvalidatePaneContent(iIndex);
}

GTStatusPane* CGTStatusBar::HitTest(CPoint iPoint)
{
    for (GTStatusPane& pane : m_Panes) {
        if (pane.rect.PtInRect(iPoint))
            return &pane;
    }
    return nullptr;
}

void CGTStatusBar::InvalidatePaneContent(int iIndex)
{
    const GTStatusPane* pane = GetPane(iIndex);
    if (pane == nullptr || GetSafeHwnd() == nullptr)
        return;
    CRect rect = pane->rect;
    if (pane->style & SBPS_NOBORDERS)
        rect.bottom -= 1;
    else
        rect.DeflateRect(1, 1);
    InvalidateRect(&rect, FALSE);
    UpdateWindow();
}

CFont* CGTStatusBar::GetCurrentFont() const
{
    return m_Font != nullptr ? CFont::FromHandle(m_Font) : &theGuiToolkitGlobals.fontRegular;
}

// --- Command updates ---

CGTStatusCmdUI::CGTStatusCmdUI(CGTStatusBar& iBar) : m_Bar(iBar)
{
    m_pOther = &iBar;
    m_nIndexMax = static_cast<UINT>(iBar.GetCount());
}

void CGTStatusCmdUI::Enable(BOOL iOn)
{
    m_bEnableChanged = TRUE;
    const UINT style = m_Bar.GetPaneStyle(m_nIndex) & ~SBPS_DISABLED;
    m_Bar.SetPaneStyle(m_nIndex, iOn ? style : style | SBPS_DISABLED);
}

void CGTStatusCmdUI::SetCheck(int iCheck)
{
    const UINT style = m_Bar.GetPaneStyle(m_nIndex) & ~SBPS_POPOUT;
    m_Bar.SetPaneStyle(m_nIndex, iCheck != 0 ? style | SBPS_POPOUT : style);
}

void CGTStatusCmdUI::SetText(LPCWSTR iText)
{
    m_Bar.SetPaneText(m_nIndex, iText, TRUE);
}

void CGTStatusBar::OnUpdateCmdUI(CFrameWnd* iTarget, BOOL iDisableIfNoHandler)
{
    // Indicators are not commands: a pane without a handler keeps its state.
    CGTStatusCmdUI state(*this);
    for (int index = 0; index < GetCount(); ++index) {
        state.m_nID = m_Panes[index].id;
        state.m_nIndex = static_cast<UINT>(index);
        state.DoUpdate(iTarget, FALSE);
    }
    UpdateDialogControls(iTarget, iDisableIfNoHandler);
}

INT_PTR CGTStatusBar::OnToolHitTest(CPoint iPoint, TOOLINFO* oInfo) const
{
    const INT_PTR hit = CGTControlBar::OnToolHitTest(iPoint, oInfo);
    if (hit != -1)
        return hit;
    for (const GTStatusPane& pane : m_Panes) {
        if (!pane.rect.PtInRect(iPoint) || pane.tooltip.IsEmpty())
            continue;
        if (oInfo != nullptr) {
            const size_t length = static_cast<size_t>(pane.tooltip.GetLength()) + 1;
            oInfo->lpszText = static_cast<LPWSTR>(::malloc(length * sizeof(wchar_t)));
            if (oInfo->lpszText != nullptr)
                wcscpy_s(oInfo->lpszText, length, pane.tooltip);
            oInfo->hwnd = m_hWnd;
            oInfo->uFlags = 0;
            oInfo->rect = pane.rect;
            oInfo->uId = pane.id;
        }
        return static_cast<INT_PTR>(pane.id);
    }
    return -1;
}
