#include <guitoolkit/toolbars/CButtonsList.h>
#include <guitoolkit/core/CGTToolBarImages.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/toolbars/CGTToolbarButton.h>
#include <algorithm>

namespace {
const int horizontalInset = 4;
const int verticalInset = 5;
const int gap = 4;
const UINT scrollBarId = 1;
}  // namespace

BEGIN_MESSAGE_MAP(CButtonsList, CButton)
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
    ON_WM_VSCROLL()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SIZE()
END_MESSAGE_MAP()

CButtonsList::CButtonsList()
    : m_Images(nullptr), m_Selected(nullptr), m_ButtonSize(0, 0), m_ScrollOffset(0), m_ScrollMax(0), m_RowsPerPage(1)
{
}

CButtonsList::~CButtonsList() = default;

void CButtonsList::SetImages(CGTToolBarImages* iImages)
{
    m_Images = iImages;
    m_ButtonSize = iImages != nullptr ? CSize(iImages->sizeImage.cx + 6, iImages->sizeImage.cy + 7) : CSize(0, 0);
    RebuildLocations();
}

void CButtonsList::AddButton(CGTToolbarButton* iButton)
{
    m_Buttons.emplace_back(iButton);
    iButton->OnChangeParent(this);
    if (HWND control = iButton->GetHwnd())
        ::EnableWindow(control, FALSE);
    RebuildLocations();
}

void CButtonsList::RemoveAllButtons()
{
    m_Selected = nullptr;
    m_Buttons.clear();
    RebuildLocations();
}

CGTToolbarButton* CButtonsList::GetButton(int iIndex) const
{
    return iIndex >= 0 && iIndex < GetCount() ? m_Buttons[iIndex].get() : nullptr;
}

int CButtonsList::IndexOf(const CGTToolbarButton* iButton) const
{
    for (int index = 0; index < GetCount(); ++index)
        if (m_Buttons[index].get() == iButton)
            return index;
    return -1;
}

CRect CButtonsList::ButtonArea() const
{
    CRect client(0, 0, 0, 0);
    if (GetSafeHwnd() != nullptr)
        GetClientRect(&client);
    client.DeflateRect(horizontalInset, verticalInset);
    client.right -= ::GetSystemMetrics(SM_CXVSCROLL) + 1;
    return client;
}

void CButtonsList::RebuildLocations()
{
    if (GetSafeHwnd() == nullptr)
        return;
    const CRect area = ButtonArea();
    CPoint at = area.TopLeft();
    int bottom = area.top;
    for (const auto& button : m_Buttons) {
        if (at.x + m_ButtonSize.cx > area.right && at.x != area.left) {
            at.x = area.left;
            at.y += RowPitch();
        }
        button->SetRect(CRect(at, m_ButtonSize));
        bottom = at.y + m_ButtonSize.cy;
        at.x += m_ButtonSize.cx + gap;
    }
    m_RowsPerPage = std::max(area.Height() / std::max(RowPitch(), 1), 1);
    m_ScrollMax = std::max(bottom - area.bottom, 0L);
    m_ScrollOffset = std::min(m_ScrollOffset, m_ScrollMax);
    if (m_ScrollMax > 0) {
        if (m_ScrollBar.GetSafeHwnd() == nullptr) {
            CRect client;
            GetClientRect(&client);
            const CRect bar(client.right - ::GetSystemMetrics(SM_CXVSCROLL) - 1, client.top + 1, client.right - 1,
                            client.bottom - 1);
            m_ScrollBar.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, bar, this, scrollBarId);
        }
        m_ScrollBar.SetScrollRange(0, m_ScrollMax, FALSE);
        m_ScrollBar.SetScrollPos(m_ScrollOffset);
    } else if (m_ScrollBar.GetSafeHwnd() != nullptr) {
        m_ScrollBar.DestroyWindow();
    }
    Invalidate();
}

void CButtonsList::OnSize(UINT iType, int iWidth, int iHeight)
{
    CButton::OnSize(iType, iWidth, iHeight);
    RebuildLocations();
}

void CButtonsList::ScrollTo(int iOffset)
{
    const int offset = std::clamp(iOffset, 0, m_ScrollMax);
    if (offset == m_ScrollOffset)
        return;
    m_ScrollOffset = offset;
    if (m_ScrollBar.GetSafeHwnd() != nullptr)
        m_ScrollBar.SetScrollPos(offset);
    CRect area;
    GetClientRect(&area);
    area.right -= ::GetSystemMetrics(SM_CXVSCROLL) + 1;
    InvalidateRect(&area);
}

void CButtonsList::OnVScroll(UINT iCode, UINT iPosition, CScrollBar* iBar)
{
    const int pitch = RowPitch();
    int offset = m_ScrollOffset;
    switch (iCode) {
    case SB_LINEUP:
        offset -= pitch;
        break;
    case SB_LINEDOWN:
        offset += pitch;
        break;
    case SB_PAGEUP:
        offset -= pitch * m_RowsPerPage;
        break;
    case SB_PAGEDOWN:
        offset += pitch * m_RowsPerPage;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        offset = (static_cast<int>(iPosition) + pitch / 2) / pitch * pitch;
        break;
    case SB_TOP:
        offset = 0;
        break;
    case SB_BOTTOM:
        offset = m_ScrollMax;
        break;
    default:
        CButton::OnVScroll(iCode, iPosition, iBar);
        return;
    }
    ScrollTo(offset);
}

void CButtonsList::InvalidateButton(const CGTToolbarButton* iButton)
{
    if (iButton == nullptr || GetSafeHwnd() == nullptr)
        return;
    CRect rect = iButton->Rect();
    rect.OffsetRect(0, -m_ScrollOffset);
    rect.InflateRect(2, 2);
    InvalidateRect(&rect);
}

void CButtonsList::EnsureVisible(const CGTToolbarButton* iButton)
{
    if (iButton == nullptr || GetSafeHwnd() == nullptr)
        return;
    const CRect area = ButtonArea();
    const CRect rect = iButton->Rect();
    if (rect.top - m_ScrollOffset < area.top)
        ScrollTo(rect.top - area.top);
    else if (rect.bottom - m_ScrollOffset > area.bottom)
        ScrollTo(rect.bottom - area.bottom);
}

void CButtonsList::SelectButton(CGTToolbarButton* iButton)
{
    if (iButton == m_Selected) {
        InvalidateButton(iButton);
        return;
    }
    InvalidateButton(m_Selected);
    m_Selected = iButton;
    InvalidateButton(iButton);
    EnsureVisible(iButton);
    if (CWnd* parent = GetSafeHwnd() != nullptr ? GetParent() : nullptr)
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), reinterpret_cast<LPARAM>(m_hWnd));
}

BOOL CButtonsList::SelectButtonByID(int iImage)
{
    if (iImage < 0) {
        SelectButton(nullptr);
        return TRUE;
    }
    for (const auto& button : m_Buttons) {
        if (button->GetImage() == iImage) {
            SelectButton(button.get());
            return TRUE;
        }
    }
    return FALSE;
}

void CButtonsList::OnLButtonDown(UINT, CPoint iPoint)
{
    SetFocus();
    const CPoint point(iPoint.x, iPoint.y + m_ScrollOffset);
    for (const auto& button : m_Buttons) {
        if (button->Rect().PtInRect(point)) {
            SelectButton(button.get());
            return;
        }
    }
}

void CButtonsList::OnKeyDown(UINT iKey, UINT iRepeat, UINT iFlags)
{
    const int count = GetCount();
    const int selected = IndexOf(m_Selected);
    int next = -1;
    switch (iKey) {
    case VK_HOME:
        next = 0;
        break;
    case VK_END:
        next = count - 1;
        break;
    case VK_LEFT:
    case VK_UP:
        next = selected > 0 ? selected - 1 : selected;
        break;
    case VK_RIGHT:
    case VK_DOWN:
        next = selected < 0 ? 0 : std::min(selected + 1, count - 1);
        break;
    default:
        CButton::OnKeyDown(iKey, iRepeat, iFlags);
        return;
    }
    if (next >= 0 && next < count)
        SelectButton(m_Buttons[next].get());
}

UINT CButtonsList::OnGetDlgCode()
{
    return DLGC_WANTARROWS;
}

void CButtonsList::OnSysColorChange()
{
    CButton::OnSysColorChange();
    if (m_Images != nullptr)
        m_Images->Reload();
    Invalidate();
}

BOOL CButtonsList::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CButtonsList::DrawItem(LPDRAWITEMSTRUCT iDrawItem)
{
    CDC* dc = CDC::FromHandle(iDrawItem->hDC);
    const CRect client = iDrawItem->rcItem;
    const BOOL enabled = IsWindowEnabled();
    const GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    dc->FillSolidRect(&client, enabled ? globals.colorWindow : globals.colorBtnFace);
    CGTImageDrawPass pass;
    if (m_Images != nullptr && m_Images->BeginDrawing(pass)) {
        const CRect area = ButtonArea();
        for (const auto& button : m_Buttons) {
            CRect rect = button->Rect();
            rect.OffsetRect(0, -m_ScrollOffset);
            if (rect.bottom <= area.top - verticalInset || rect.top >= area.bottom + verticalInset)
                continue;
            const UINT style = button->m_Style;
            if (button.get() == m_Selected)
                button->m_Style |= TBBS_CHECKED;
            if (!enabled)
                button->m_Style |= TBBS_DISABLED;
            button->OnDraw(dc, rect, m_Images, TRUE, FALSE, FALSE, TRUE, TRUE);
            button->m_Style = style;
        }
        m_Images->FinishDrawing(pass);
    }
    CGTVisualManager::GetCurrent()->DrawControlBorder(dc, client, this);
}
