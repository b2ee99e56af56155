#include <guitoolkit/docking/CGTCaptionBar.h>
#include <guitoolkit/core/CGTMemDC.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/toolbars/CGTToolBar.h>

BEGIN_MESSAGE_MAP(CGTCaptionBar, CGTControlBar)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_RBUTTONUP()
    ON_MESSAGE(WM_SETFONT, &CGTCaptionBar::OnSetFont)
    ON_MESSAGE(WM_GETFONT, &CGTCaptionBar::OnGetFont)
    ON_MESSAGE(WM_MOUSELEAVE, &CGTCaptionBar::OnMouseLeave)
END_MESSAGE_MAP()

void CGTCaptionBar::OnDrawBackground(CDC* iDc, CRect iRect)
{
    CGTVisualManager::GetCurrent()->DrawBarBackground(iDc, this, iRect, iRect);
}

void CGTCaptionBar::OnDrawBorder(CDC* iDc, CRect iRect)
{
    iRect.InflateRect(2, 2);
    CGTVisualManager::GetCurrent()->FillCaptionBarBackground(iDc, this, iRect, m_BorderColor, m_FlatBorder);
}

void CGTCaptionBar::OnDrawText(CDC* iDc, CRect iRect, const CString& iText)
{
    iDc->DrawText(iText, &iRect, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}

void CGTCaptionBar::OnDrawImage(CDC* iDc, CRect iRect)
{
    const CSize size = m_StretchImage ? iRect.Size() : ImageSize();
    if (m_Icon != nullptr) {
        ::DrawIconEx(iDc->GetSafeHdc(), iRect.left, iRect.top, m_Icon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
        return;
    }
    if (m_Images.count < 1)
        return;
    CGTImageDrawPass pass;
    if (m_Images.BeginDrawing(pass, size.cx, size.cy)) {
        m_Images.DrawImage(iDc, iRect.left, iRect.top, 0);
        m_Images.FinishDrawing(pass);
    }
}

void CGTCaptionBar::OnDrawButton(CDC* iDc, CRect iRect, const CString& iText, BOOL iEnabled)
{
    CRect text = iRect;
    text.DeflateRect(m_Margin, 0);
    if (m_ButtonCommand != 0 && iEnabled) {
        text.right -= arrowWidth;
        // A small triangle pointing down, in the text colour, says the button acts.
        const CPoint centre(text.right + arrowWidth / 2, iRect.CenterPoint().y);
        const POINT triangle[] = {{centre.x - 3, centre.y - 1}, {centre.x + 3, centre.y - 1}, {centre.x, centre.y + 2}};
        CBrush brush(iDc->GetTextColor());
        CPen pen(PS_SOLID, 1, iDc->GetTextColor());
        CBrush* oldBrush = iDc->SelectObject(&brush);
        CPen* oldPen = iDc->SelectObject(&pen);
        iDc->Polygon(triangle, 3);
        iDc->SelectObject(oldPen);
        iDc->SelectObject(oldBrush);
    }
    iDc->DrawText(iText, &text, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    const GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    if (m_ButtonPushed)
        iDc->Draw3dRect(&iRect, globals.colorBarShadow, globals.colorBarHighlight);
    else if (m_ButtonHot)
        iDc->Draw3dRect(&iRect, globals.colorBarHighlight, globals.colorBarShadow);
}

int CGTCaptionBar::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CGTControlBar::OnCreate(iCreate) == -1)
        return -1;
    SetWindowText(L"Caption Bar");
    return 0;
}

void CGTCaptionBar::OnPaint()
{
    CPaintDC paint(this);
    CGTMemDC memory(paint, this);
    CDC& dc = memory.GetDC();
    CRect client;
    GetClientRect(client);
    OnDrawBackground(&dc, client);
    if (!m_ImageRect.IsRectEmpty())
        OnDrawImage(&dc, m_ImageRect);
    CFont* oldFont = dc.SelectObject(m_Font != nullptr ? CFont::FromHandle(m_Font) : &theGuiToolkitGlobals.fontRegular);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_TextColor != noColor ? m_TextColor
                                           : CGTVisualManager::GetCurrent()->GetCaptionBarTextColor(this));
    if (!m_ClippedTextRect.IsRectEmpty())
        OnDrawText(&dc, m_ClippedTextRect, m_Text);
    if (!m_ButtonRect.IsRectEmpty())
        OnDrawButton(&dc, m_ButtonRect, m_ButtonText, m_ButtonEnabled);
    dc.SelectObject(oldFont);
}

BOOL CGTCaptionBar::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CGTCaptionBar::OnSize(UINT iType, int iWidth, int iHeight)
{
    CGTControlBar::OnSize(iType, iWidth, iHeight);
    RecalcLayout();
    Invalidate();
}

void CGTCaptionBar::OnSysColorChange() {}

void CGTCaptionBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* ioParams)
{
    ioParams->rgrc[0].top += m_BorderSize;
    ioParams->rgrc[0].bottom -= m_BorderSize;
}

void CGTCaptionBar::OnNcPaint()
{
    CWindowDC dc(this);
    CRect window, client;
    GetWindowRect(window);
    GetClientRect(client);
    ClientToScreen(client);
    client.OffsetRect(-window.TopLeft());
    window.OffsetRect(-window.TopLeft());
    dc.ExcludeClipRect(&client);
    OnDrawBorder(&dc, CRect(window.left, client.bottom, window.right, window.bottom));
    OnDrawBorder(&dc, CRect(window.left, window.top, window.right, client.top));
}

void CGTCaptionBar::RepaintButton()
{
    RedrawWindow(&m_ButtonRect, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CGTCaptionBar::OnMouseMove(UINT iFlags, CPoint iPoint)
{
    CGTControlBar::OnMouseMove(iFlags, iPoint);
    if (!IsButtonClickable())
        return;
    const BOOL hot = m_ButtonRect.PtInRect(iPoint);
    if (hot == m_ButtonHot)
        return;
    m_ButtonHot = hot;
    m_ButtonPushed = (iFlags & MK_LBUTTON) != 0 && hot;
    RepaintButton();
    if (!m_ButtonTrackingLeave) {
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, m_hWnd, 0};
        m_ButtonTrackingLeave = ::TrackMouseEvent(&track);
    }
}

void CGTCaptionBar::OnLButtonDown(UINT iFlags, CPoint iPoint)
{
    CGTControlBar::OnLButtonDown(iFlags, iPoint);
    if (!IsButtonClickable() || !m_ButtonHot)
        return;
    m_ButtonPushed = TRUE;
    RepaintButton();
    if (CWnd* owner = GetOwner())
        owner->SendMessage(WM_COMMAND, m_ButtonCommand);
}

void CGTCaptionBar::OnLButtonUp(UINT iFlags, CPoint iPoint)
{
    if (m_ButtonPushed) {
        m_ButtonPushed = FALSE;
        RepaintButton();
    }
    CGTControlBar::OnLButtonUp(iFlags, iPoint);
}

LRESULT CGTCaptionBar::OnMouseLeave(WPARAM, LPARAM)
{
    m_ButtonTrackingLeave = FALSE;
    if (m_ButtonHot || m_ButtonPushed) {
        m_ButtonHot = FALSE;
        m_ButtonPushed = FALSE;
        RepaintButton();
    }
    return 0;
}

void CGTCaptionBar::OnRButtonUp(UINT, CPoint iPoint)
{
    if (CGTToolBar::IsCustomizeMode()) {
        Default();
        return;
    }
    ClientToScreen(&iPoint);
    ShowBarsContextMenu(GetOwner(), iPoint);
}

LRESULT CGTCaptionBar::OnSetFont(WPARAM iFont, LPARAM)
{
    m_Font = reinterpret_cast<HFONT>(iFont);
    RecalcLayout();
    return 0;
}

LRESULT CGTCaptionBar::OnGetFont(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(m_Font);
}
