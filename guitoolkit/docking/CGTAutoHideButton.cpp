#include <guitoolkit/docking/CGTAutoHideButton.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/docking/CGTAutoHideToolBar.h>
#include <guitoolkit/docking/CGTDockBarRow.h>
#include <guitoolkit/docking/CGTAutoHideDockBar.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <algorithm>

IMPLEMENT_DYNCREATE(CGTAutoHideButton, CObject)

UINT CGTAutoHideButton::s_DisplayDelay = 400;
int CGTAutoHideButton::s_Margin = 2;
int CGTAutoHideButton::s_BorderWidth = 1;
int CGTAutoHideButton::s_IconTextGap = 10;
int CGTAutoHideButton::s_NoIconLength = 20;
int CGTAutoHideButton::s_OwnStyleOffset = 0;
BOOL CGTAutoHideButton::s_IconOnly = TRUE;
BOOL CGTAutoHideButton::s_DrawBorder = TRUE;
CRuntimeClass* CGTAutoHideButton::s_ButtonClass = RUNTIME_CLASS(CGTAutoHideButton);

CGTAutoHideButton::CGTAutoHideButton()
    : m_Rect(0, 0, 0, 0), m_Front(FALSE), m_Alignment(0), m_Visible(FALSE), m_ToolBar(nullptr), m_Pane(nullptr)
{
}

CGTAutoHideButton::~CGTAutoHideButton() = default;

BOOL CGTAutoHideButton::BindToPane(CGTAutoHideToolBar* iToolBar, CGTDockingControlBar* iPane, DWORD iAlignment)
{
    m_ToolBar = iToolBar;
    m_Pane = iPane;
    m_Alignment = iAlignment;
    iPane->SetAutoHideButton(this, iToolBar);
    m_Rect = CRect(CPoint(0, 0), MeasureButton());
    m_Visible = TRUE;
    return TRUE;
}

void CGTAutoHideButton::SetButtonVisible(BOOL iShow)
{
    m_Visible = iShow;
}

BOOL CGTAutoHideButton::IsButtonVisible() const
{
    return m_Visible;
}

BOOL CGTAutoHideButton::IsHighlighted() const
{
    return m_Pane != nullptr && m_Pane->IsSlidOut();
}

BOOL CGTAutoHideButton::IsHorizontal() const
{
    return (m_Alignment & (GTSideTop | GTSideBottom)) != 0;
}

HICON CGTAutoHideButton::PaneIcon() const
{
    return m_Pane != nullptr && m_Pane->GetSafeHwnd() != nullptr ? m_Pane->GetBarIcon(FALSE) : nullptr;
}

CString CGTAutoHideButton::PaneText() const
{
    CString text;
    if (m_Pane != nullptr && m_Pane->GetSafeHwnd() != nullptr)
        m_Pane->GetWindowText(text);
    return text;
}

BOOL CGTAutoHideButton::ShowsLabel(BOOL iHasIcon) const
{
    return !iHasIcon || !s_IconOnly || (m_ToolBar != nullptr && m_ToolBar->IsRowActive());
}

CSize CGTAutoHideButton::MeasureLabel()
{
    const CString text = PaneText();
    if (m_ToolBar == nullptr || m_Pane == nullptr || text.IsEmpty())
        return CSize(0, 0);
    CClientDC dc(m_ToolBar);
    CFont* old = dc.SelectObject(IsHorizontal() ? &theGuiToolkitGlobals.fontRegular : &theGuiToolkitGlobals.fontVert);
    CSize size = dc.GetTextExtent(text);
    dc.SelectObject(old);
    size += CSize(s_Margin, s_Margin);
    if (!IsHorizontal())
        size = CSize(size.cy, size.cx);
    // A label that is not drawn takes no room; a pane without an icon always shows its label.
    if (!ShowsLabel(PaneIcon() != nullptr))
        (IsHorizontal() ? size.cx : size.cy) = 0;
    return size;
}

CSize CGTAutoHideButton::MeasureButton()
{
    const BOOL horizontal = IsHorizontal();
    const CSize label = MeasureLabel();
    const int textLength = horizontal ? label.cx : label.cy;
    const int textThickness = horizontal ? label.cy : label.cx;
    const BOOL hasIcon = PaneIcon() != nullptr;
    const CSize icon = hasIcon ? CSize(theGuiToolkitGlobals.sizeSmallIcon) : CSize(0, 0);
    const int iconLength = horizontal ? icon.cx : icon.cy;
    const int iconThickness = horizontal ? icon.cy : icon.cx;
    const int thicker = std::max(textThickness, iconThickness);

    int extra = 0;
    if (CGTVisualManager::GetCurrent()->HasAutoHideButtonBorder())
        extra = 2 * (4 + thicker) / 3 + s_OwnStyleOffset;
    else if (!hasIcon)
        extra = s_Margin + s_NoIconLength;
    else if (textLength > 0)
        extra = s_IconTextGap + iconLength;
    else
        extra = s_Margin + 1;

    int length = s_Margin + 2 * s_BorderWidth + textLength + iconLength + extra;
    int thickness = s_Margin + 2 * s_BorderWidth + thicker;
    if (m_ToolBar != nullptr && m_ToolBar->GetDockRow() != nullptr)
        thickness = std::max(thickness, m_ToolBar->GetDockRow()->GetThickness() - CGTAutoHideDockBar::s_Margin);
    return horizontal ? CSize(length, thickness) : CSize(thickness, length);
}

void CGTAutoHideButton::PaintButton(CDC* iDc)
{
    // Every side has a border but the one that faces the frame's edge.
    CRect widths(s_BorderWidth, s_BorderWidth, s_BorderWidth, s_BorderWidth);
    switch (m_Alignment) {
    case GTSideLeft:
        widths.left = 0;
        break;
    case GTSideRight:
        widths.right = 0;
        break;
    case GTSideBottom:
        widths.bottom = 0;
        break;
    default:
        widths.top = 0;
        break;
    }
    PaintButtonFill(iDc, m_Rect);
    PaintButtonEdge(iDc, m_Rect, widths);

    CRect content = m_Rect;
    content.DeflateRect(s_Margin, s_Margin);
    const BOOL horizontal = IsHorizontal();
    HICON icon = PaneIcon();
    const CSize iconSize = theGuiToolkitGlobals.sizeSmallIcon;
    int textStart = horizontal ? content.left : content.top;
    if (icon != nullptr) {
        const CPoint at = horizontal ? CPoint(content.left, content.CenterPoint().y - iconSize.cy / 2)
                                     : CPoint(content.CenterPoint().x - iconSize.cx / 2, content.top);
        ::DrawIconEx(iDc->GetSafeHdc(), at.x, at.y, icon, iconSize.cx, iconSize.cy, 0, nullptr, DI_NORMAL);
        textStart += (horizontal ? iconSize.cx : iconSize.cy) + s_Margin;
    } else {
        textStart += s_Margin;
    }

    const CString text = PaneText();
    if (text.IsEmpty() || !ShowsLabel(icon != nullptr))
        return;
    const int oldMode = iDc->SetBkMode(TRANSPARENT);
    const COLORREF oldColor = iDc->SetTextColor(CGTVisualManager::GetCurrent()->GetAutoHideButtonTextColor(this));
    CFont* oldFont = iDc->SelectObject(horizontal ? &theGuiToolkitGlobals.fontRegular : &theGuiToolkitGlobals.fontVert);
    if (horizontal) {
        CRect label(textStart, content.top, content.right, content.bottom);
        iDc->DrawText(text, &label, DT_SINGLELINE | DT_VCENTER);
    } else {
        // The vertical font runs the text downward, its cells to the left of the point.
        TEXTMETRIC metrics = {};
        iDc->GetTextMetrics(&metrics);
        const int x = content.right - (content.Width() - metrics.tmHeight + 1) / 2;
        iDc->TextOut(x, textStart, text);
    }
    iDc->SelectObject(oldFont);
    iDc->SetTextColor(oldColor);
    iDc->SetBkMode(oldMode);
}

void CGTAutoHideButton::PaintButtonFill(CDC* iDc, CRect iRect)
{
    CGTVisualManager::GetCurrent()->FillAutoHideButton(iDc, iRect, this);
}

void CGTAutoHideButton::PaintButtonEdge(CDC* iDc, CRect iButton, CRect iBorder)
{
    if (s_DrawBorder)
        CGTVisualManager::GetCurrent()->DrawAutoHideButtonBorder(iDc, iButton, iBorder, this);
}

void CGTAutoHideButton::ForwardToPane(CGTDockingControlBar* iTarget)
{
    if (m_Pane != nullptr)
        m_Pane->LeaveAutoHideMode(iTarget);
}

void CGTAutoHideButton::SlideOwnPane(BOOL iShow)
{
    if (m_Pane == nullptr)
        return;
    if (m_Pane->IsSlidOut() != iShow)
        m_Pane->Slide(iShow, TRUE);
    if (m_ToolBar != nullptr)
        m_ToolBar->SetRowActive(iShow);
}
