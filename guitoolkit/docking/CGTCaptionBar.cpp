#include <guitoolkit/docking/CGTCaptionBar.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/docking/GTDockingGeometry.h>
#include <algorithm>

IMPLEMENT_DYNCREATE(CGTCaptionBar, CGTControlBar)

CGTCaptionBar::CGTCaptionBar()
    : m_BackColor(noColor), m_TextColor(noColor), m_BorderColor(noColor), m_Icon(nullptr), m_StretchImage(FALSE),
      m_ImageAlignment(alignLeft), m_ImageRect(0, 0, 0, 0), m_Font(nullptr), m_TextAlignment(alignLeft),
      m_TextRect(0, 0, 0, 0), m_ClippedTextRect(0, 0, 0, 0), m_ButtonCommand(0), m_ButtonAlignment(alignLeft),
      m_ButtonRect(0, 0, 0, 0), m_ButtonPushed(FALSE), m_ButtonHot(FALSE), m_ButtonTrackingLeave(FALSE),
      m_ButtonEnabled(TRUE), m_BorderSize(4), m_Margin(4), m_Spacing(4), m_FixedHeight(-1), m_BarHeight(0),
      m_FlatBorder(FALSE)
{
}

CGTCaptionBar::~CGTCaptionBar() = default;

void CGTCaptionBar::SetIcon(HICON iIcon, int iAlignment)
{
    m_Icon = iIcon;
    m_ImageAlignment = iAlignment;
    AdjustLayout();
}

void CGTCaptionBar::SetText(const CString& iText, int iAlignment)
{
    m_Text = iText;
    m_TextAlignment = iAlignment;
    AdjustLayout();
}

void CGTCaptionBar::SetButton(const CString& iText, UINT iCommand, int iAlignment)
{
    m_ButtonText = iText;
    m_ButtonCommand = iCommand;
    m_ButtonAlignment = iAlignment;
    AdjustLayout();
}

void CGTCaptionBar::AdjustLayout()
{
    if (m_hWnd == nullptr)
        return;
    for (CWnd* window = GetParent(); window != nullptr; window = window->GetParent()) {
        if (auto* frame = DYNAMIC_DOWNCAST(CFrameWnd, window)) {
            if (frame->m_hWnd != nullptr)
                frame->RecalcLayout(TRUE);
            break;
        }
    }
    RecalcLayout();
    Invalidate();
}

CSize CGTCaptionBar::GetStretchLimit(BOOL, BOOL)
{
    RecalcLayout();
    return CSize(32767, m_BarHeight);
}

CSize CGTCaptionBar::ImageSize() const
{
    if (m_Icon != nullptr) {
        ICONINFO info = {};
        if (!::GetIconInfo(m_Icon, &info))
            return CSize(0, 0);
        BITMAP bitmap = {};
        ::GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
        const BOOL monochrome = info.hbmColor == nullptr;
        ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
        return CSize(bitmap.bmWidth, monochrome ? bitmap.bmHeight / 2 : bitmap.bmHeight);
    }
    return m_Images.count > 0 ? CSize(m_Images.sizeImage) : CSize(0, 0);
}

void CGTCaptionBar::RecalcLayout()
{
    CWindowDC screen(nullptr);
    CFont* oldFont =
        screen.SelectObject(m_Font != nullptr ? CFont::FromHandle(m_Font) : &theGuiToolkitGlobals.fontRegular);
    TEXTMETRICW metrics = {};
    screen.GetTextMetrics(&metrics);
    m_BarHeight = m_FixedHeight != -1
        ? m_FixedHeight
        : m_BorderSize + 2 * m_Margin + std::max<int>(metrics.tmHeight + 2, ImageSize().cy);
    CRect client(0, 0, 0, 0);
    if (m_hWnd != nullptr)
        GetClientRect(client);
    if (!client.IsRectEmpty())
        PlaceItems(screen, client);
    screen.SelectObject(oldFont);
}

void CGTCaptionBar::PlaceItems(CDC& iDc, const CRect& iClient)
{
    int left = iClient.left + m_Margin, right = iClient.right - m_Margin;
    BOOL anythingLeft = FALSE, anythingRight = FALSE;
    m_ImageRect.SetRectEmpty();
    m_ButtonRect.SetRectEmpty();
    m_TextRect.SetRectEmpty();
    const CSize image = ImageSize();
    if (image.cx > 0) {
        const int top =
            image.cy <= iClient.Height() ? iClient.top + (iClient.Height() - image.cy) / 2 : iClient.top + m_Margin;
        m_ImageRect.SetRect(0, top, image.cx, m_StretchImage ? iClient.bottom - m_Margin : top + image.cy);
        if (m_ImageAlignment == alignLeft) {
            m_ImageRect.OffsetRect(left, 0);
            left = m_ImageRect.right + m_Spacing;
            anythingLeft = TRUE;
        } else if (m_ImageAlignment == alignRight) {
            m_ImageRect.OffsetRect(right - image.cx, 0);
            right = m_ImageRect.left - m_Spacing;
            anythingRight = TRUE;
        }
    }
    if (!m_ButtonText.IsEmpty()) {
        const int width = iDc.GetTextExtent(m_ButtonText).cx + 2 * m_Spacing + (IsButtonClickable() ? arrowWidth : 0);
        m_ButtonRect.SetRect(0, iClient.top, width, iClient.bottom);
        if (m_ButtonAlignment == alignLeft) {
            m_ButtonRect.OffsetRect(anythingLeft ? left : iClient.left, 0);
            left = m_ButtonRect.right + m_Spacing;
        } else if (m_ButtonAlignment == alignRight) {
            m_ButtonRect.OffsetRect((anythingRight ? right : iClient.right) - width, 0);
            right = m_ButtonRect.left - m_Spacing;
        }
    }
    if (!m_Text.IsEmpty()) {
        CRect measured(0, 0, iClient.Width(), iClient.Height());
        iDc.DrawText(m_Text, &measured, DT_CALCRECT | DT_VCENTER);
        m_TextRect.SetRect(0, iClient.top, measured.Width(), iClient.bottom);
        if (m_TextAlignment == alignLeft)
            m_TextRect.OffsetRect(left, 0);
        else if (m_TextAlignment == alignRight)
            m_TextRect.OffsetRect(right - measured.Width(), 0);
    }
    PlaceCentred(iClient.Width() / 2);
    RemoveOverlaps(iClient);
}

void CGTCaptionBar::PlaceCentred(int iCentre)
{
    CRect* items[] = {&m_ImageRect, &m_ButtonRect, &m_TextRect};
    const int alignments[] = {m_ImageAlignment, m_ButtonAlignment, m_TextAlignment};
    int total = 0;
    for (int item = 0; item < 3; ++item) {
        if (alignments[item] == alignCenter && !items[item]->IsRectEmpty())
            total += items[item]->Width() + m_Spacing;
    }
    int x = iCentre - total / 2;
    for (int item = 0; item < 3; ++item) {
        if (alignments[item] != alignCenter || items[item]->IsRectEmpty())
            continue;
        items[item]->OffsetRect(x - items[item]->left, 0);
        x = items[item]->right + m_Spacing;
    }
}

void CGTCaptionBar::RemoveOverlaps(const CRect& iClient)
{
    CRect inner = iClient;
    inner.DeflateRect(m_Margin, m_Margin);
    m_ClippedTextRect = m_TextRect;
    m_ClippedTextRect.left = std::max(m_ClippedTextRect.left, iClient.left + m_Margin);
    m_ClippedTextRect.right = std::min(m_ClippedTextRect.right, iClient.right - m_Margin);
    const std::pair<const CRect*, int> obstacles[] = {{&m_ImageRect, m_ImageAlignment},
                                                      {&m_ButtonRect, m_ButtonAlignment}};
    for (const auto& [rect, alignment] : obstacles) {
        if (rect->IsRectEmpty() || m_ClippedTextRect.IsRectEmpty())
            continue;
        if (alignment == alignRight)
            m_ClippedTextRect.right = std::min(m_ClippedTextRect.right, rect->left - m_Spacing);
        else
            m_ClippedTextRect.left = std::max(m_ClippedTextRect.left, rect->right + m_Spacing);
    }
    if (m_ClippedTextRect.right < m_ClippedTextRect.left)
        m_ClippedTextRect.SetRectEmpty();
    m_ImageRect = GTGeometry::FitInto(m_ImageRect, inner, !m_StretchImage);
    // The button may reach the client's edge: cutting it by the margin would cut its label.
    m_ButtonRect = GTGeometry::FitInto(m_ButtonRect, iClient, FALSE);
}
