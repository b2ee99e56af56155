// How a tab window draws: its background, the frame round the tab windows and the tabs, the
// active one last, all through the current look; and what the look reads of it.
#include <guitoolkit/docking/CGTTabWnd.h>
#include <guitoolkit/core/CGTMemDC.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/docking/CGTBaseControlBar.h>
#include <algorithm>

void CGTTabWnd::OnPaint()
{
    CPaintDC paint(this);
    CGTMemDC memory(paint, this);
    CDC& dc = memory.GetDC();
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    CRect client;
    GetClientRect(client);
    if (!m_TransparentBackground && !look->FillTabBackground(&dc, client, m_TabsArea, &m_Look))
        dc.FillRect(client, &theGuiToolkitGlobals.brushBarFace);
    if (!m_TabsArea.IsRectEmpty()) {
        CRect strip(client.left, m_TabsArea.top, client.right, m_TabsArea.bottom);
        look->FillTabArea(&dc, strip, &m_Look);
    }
    const int border = m_TabBorderSize;
    if (border > 0 && m_DrawFrame) {
        CRect frame = m_WndArea;
        frame.InflateRect(border + 1, border + 1);
        CBrush* old = dc.SelectObject(&theGuiToolkitGlobals.brushBarFace);
        dc.PatBlt(frame.left, frame.top, frame.Width(), border, PATCOPY);
        dc.PatBlt(frame.left, frame.bottom - border, frame.Width(), border, PATCOPY);
        dc.PatBlt(frame.left, frame.top, border, frame.Height(), PATCOPY);
        dc.PatBlt(frame.right - border, frame.top, border, frame.Height(), PATCOPY);
        dc.SelectObject(old);
        frame.DeflateRect(border, border);
        dc.Draw3dRect(frame, theGuiToolkitGlobals.colorBarShadow, theGuiToolkitGlobals.colorBarHighlight);
    }
    PaintTabs(dc);
}

void CGTTabWnd::PaintTabs(CDC& iDc)
{
    if (AreTabsHidden())
        return;
    const int saved = iDc.SaveDC();
    iDc.IntersectClipRect(m_TabsArea);
    iDc.SetBkMode(TRANSPARENT);
    iDc.SetTextColor(theGuiToolkitGlobals.colorBarText);
    for (int i = GetTabCount() - 1; i >= 0; --i) {
        if (!m_Tabs[i]->m_Visible || i == m_ActiveTab || m_Tabs[i]->m_Rect.IsRectEmpty())
            continue;
        const int state = iDc.SaveDC();
        m_DrawnTab = i;
        iDc.SelectObject(TabFont(i));
        if (m_Flat)
            DrawFlatTab(&iDc, m_Tabs[i], FALSE);
        else
            DrawTab(&iDc, m_Tabs[i], FALSE);
        iDc.RestoreDC(state);
    }
    if (IsTabVisible(m_ActiveTab) && !m_Tabs[m_ActiveTab]->m_Rect.IsRectEmpty()) {
        m_DrawnTab = m_ActiveTab;
        iDc.SelectObject(TabFont(m_ActiveTab));
        if (m_Flat) {
            if (m_ActiveTabTextColor != static_cast<COLORREF>(-1))
                iDc.SetTextColor(m_ActiveTabTextColor);
            iDc.SelectObject(&m_FlatBoldFont);
            DrawFlatTab(&iDc, m_Tabs[m_ActiveTab], TRUE);
            DrawActiveFlatEdge(iDc, *m_Tabs[m_ActiveTab]);
        } else {
            DrawTab(&iDc, m_Tabs[m_ActiveTab], TRUE);
        }
    }
    m_DrawnTab = -1;
    iDc.RestoreDC(saved);
}

void CGTTabWnd::DrawTab(CDC* iDc, CGTTabInfo* iTab, BOOL iActive)
{
    const int index =
        static_cast<int>(std::find(m_Tabs.GetData(), m_Tabs.GetData() + m_Tabs.GetSize(), iTab) - m_Tabs.GetData());
    if ((m_Look4 || m_Look5 || m_Look6Or7) && iTab->m_Rect.left < m_TabsArea.left && !iActive)
        return;
    CGTVisualManager::GetCurrent()->DrawTab(iDc, iTab->m_Rect, index, iActive, &m_Look);
}

void CGTTabWnd::DrawFlatTab(CDC* iDc, CGTTabInfo* iTab, BOOL iActive)
{
    const CRect rect = iTab->m_Rect;
    const int slope = rect.Height() / 4;
    const int page = m_Location == 1 ? rect.bottom : rect.top;
    const int edge = m_Location == 1 ? rect.top : rect.bottom - 1;
    const CPoint outline[] = {CPoint(rect.left, page), CPoint(rect.left + slope, edge),
                              CPoint(rect.right - slope, edge), CPoint(rect.right, page)};
    CBrush own;
    const int index =
        static_cast<int>(std::find(m_Tabs.GetData(), m_Tabs.GetData() + m_Tabs.GetSize(), iTab) - m_Tabs.GetData());
    const COLORREF color = GetTabBkColor(index);
    CBrush* fill = &theGuiToolkitGlobals.brushBarFace;
    if (iActive)
        fill = m_ActiveTabBrush.GetSafeHandle() != nullptr ? &m_ActiveTabBrush : &theGuiToolkitGlobals.brushWindow;
    else if (color != static_cast<COLORREF>(-1) && own.CreateSolidBrush(color))
        fill = &own;
    CPen pen(PS_SOLID, 1, theGuiToolkitGlobals.colorBarDarkShadow);
    CPen* oldPen = iDc->SelectObject(&pen);
    CBrush* oldBrush = iDc->SelectObject(fill);
    iDc->Polygon(outline, 4);
    iDc->SelectObject(oldBrush);
    iDc->SelectObject(oldPen);
    CRect text = rect;
    text.DeflateRect(slope, 0);
    iDc->DrawText(iTab->m_IconOnly ? CString() : iTab->m_Label, text,
                  DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void CGTTabWnd::DrawActiveFlatEdge(CDC& iDc, const CGTTabInfo& iTab)
{
    const COLORREF color =
        m_ActiveTabColor != static_cast<COLORREF>(-1) ? m_ActiveTabColor : theGuiToolkitGlobals.colorWindow;
    const int y = m_Location == 1 ? iTab.m_Rect.bottom - 1 : iTab.m_Rect.top;
    iDc.FillSolidRect(iTab.m_Rect.left + 1, y, iTab.m_Rect.Width() - 1, 1, color);
}

BOOL CGTTabWnd::OnEraseBkgnd(CDC* iDc)
{
    if (m_TransparentBackground || GetVisibleTabCount() > 0)
        return TRUE;
    CRect client;
    GetClientRect(client);
    iDc->FillRect(client, &theGuiToolkitGlobals.brushBarFace);
    return TRUE;
}

CGTTabWnd* CGTTabButton::GetTabWnd() const
{
    return DYNAMIC_DOWNCAST(CGTTabWnd, GetParent());
}

void CGTTabButton::FillFace(CDC* iDc, const CRect& iRect)
{
    CGTTabWnd* tabWnd = GetTabWnd();
    if (tabWnd == nullptr) {
        CGTButton::FillFace(iDc, iRect);
        return;
    }
    CGTVisualManager::GetCurrent()->FillTabButton(iDc, iRect, this, tabWnd->GetLook());
}

void CGTTabButton::DrawBorder(CDC* iDc, CRect& ioRect, UINT iState)
{
    CGTTabWnd* tabWnd = GetTabWnd();
    if (tabWnd == nullptr) {
        CGTButton::DrawBorder(iDc, ioRect, iState);
        return;
    }
    CGTVisualManager::GetCurrent()->DrawTabButtonBorder(iDc, ioRect, this, iState, tabWnd->GetLook());
    ioRect.DeflateRect(1, 1);
}

CWnd* CGTTabWndLook::GetControlWindow() const
{
    return &m_Owner;
}

GTTabLook CGTTabWndLook::GetTabLook() const
{
    if (m_Owner.IsFlatTab())
        return GTTabLook::Flat;
    if (m_Owner.IsLook4())
        return GTTabLook::SlopedCompact;
    if (m_Owner.IsLook5() || m_Owner.IsLook6Or7())
        return GTTabLook::Sloped;
    return GTTabLook::Plain3D;
}

BOOL CGTTabWndLook::AreTabsOnTop() const
{
    return m_Owner.GetLocation() == 1;
}

int CGTTabWndLook::GetActiveTab() const
{
    return m_Owner.GetActiveTab();
}

int CGTTabWndLook::GetHighlightedTab() const
{
    return m_Owner.GetHotTab();
}

CRect CGTTabWndLook::GetTabAreaRect() const
{
    return m_Owner.GetTabsAreaRect();
}

CString CGTTabWndLook::GetTabLabel(int tab) const
{
    CString label;
    m_Owner.GetTabLabel(tab, label);
    return label;
}

COLORREF CGTTabWndLook::GetTabBackgroundColor(int tab) const
{
    return m_Owner.GetTabBkColor(tab);
}

COLORREF CGTTabWndLook::GetTabTextColor(int tab) const
{
    return tab == m_Owner.GetActiveTab() ? m_Owner.GetActiveTabTextColor() : static_cast<COLORREF>(-1);
}

void CGTTabWndLook::SetTabBackgroundColor(int tab, COLORREF color)
{
    m_Owner.SetTabBkColor(tab, color);
}

BOOL CGTTabWndLook::DrawsColoredTabs() const
{
    return m_Owner.IsAutoColor() || m_Owner.IsColored();
}

CImageList* CGTTabWndLook::GetImageList() const
{
    return m_Owner.GetImageList();
}

int CGTTabWndLook::GetTabImage(int tab) const
{
    return static_cast<int>(m_Owner.GetTabImage(tab));
}

HICON CGTTabWndLook::GetTabIcon(int tab) const
{
    return m_Owner.GetTabHicon(tab);
}

CSize CGTTabWndLook::GetImageSize() const
{
    return m_Owner.GetImageSize();
}

IGTLookBar* CGTTabWndLook::GetParentBar() const
{
    return DYNAMIC_DOWNCAST(CGTBaseControlBar, m_Owner.GetParent());
}
