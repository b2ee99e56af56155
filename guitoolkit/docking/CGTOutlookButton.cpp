#include <guitoolkit/docking/CGTOutlookBarPane.h>
#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>

IMPLEMENT_SERIAL(CGTOutlookButton, CGTToolbarButton, 1)

namespace {
const UINT pressedStyle = 0x20000;
const UINT checkedStyle = 0x10000;
const UINT disabledStyle = 0x40000;
const int imageTop = 5;
const int highlightPercent = 85;
}  // namespace

CGTOutlookButton::CGTOutlookButton() : m_ParentPane(nullptr), m_ImageSize(0, 0), m_WholeText(TRUE) {}

BOOL CGTOutlookButton::CanBeDropped(CGTToolBar* iTarget)
{
    return iTarget != nullptr && iTarget->IsKindOf(RUNTIME_CLASS(CGTOutlookBarPane));
}

void CGTOutlookButton::OnChangeParent(CWnd* iOwner)
{
    CGTToolbarButton::OnChangeParent(iOwner);
    m_ParentPane = DYNAMIC_DOWNCAST(CGTOutlookBarPane, iOwner);
}

void CGTOutlookButton::SetImage(int iImage)
{
    m_Image = iImage;
}

CSize CGTOutlookButton::CalcSize(CDC* iDc, const CSize& iDefaultSize, BOOL)
{
    const int labelWidth = iDefaultSize.cx - iDc->GetTextExtent(L"   ").cx;
    CRect label(0, 0, labelWidth, 0);
    if (m_ShowText && !m_Text.IsEmpty())
        iDc->DrawText(m_Text, label, DT_CALCRECT | DT_WORDBREAK);
    else
        label.bottom = 0;
    m_WholeText = label.Width() <= iDefaultSize.cx;
    const int width = std::max(std::min(static_cast<int>(label.Width()), static_cast<int>(iDefaultSize.cx)),
                               static_cast<int>(m_ImageSize.cx) + 4);
    return CSize(width, iDefaultSize.cy + label.Height() + 10);
}

void CGTOutlookButton::OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages* iImages, BOOL, BOOL iCustomizeMode,
                              BOOL iHighlight, BOOL, BOOL iGrayDisabled)
{
    const BOOL highlightImage = m_ParentPane != nullptr && m_ParentPane->m_HighlightImage;
    CRect rect = iRect;
    if ((m_Style & pressedStyle) != 0 && iHighlight && !iCustomizeMode)
        rect.OffsetRect(1, 1);
    CRect label = rect;
    label.top += imageTop;
    CRect frame(0, 0, 0, 0);
    const int image = GetImage();
    if (iImages != nullptr && image >= 0) {
        const CPoint corner(rect.left + (rect.Width() - m_ImageSize.cx) / 2, rect.top + imageTop);
        const CRect imageRect(corner, m_ImageSize);
        label.top = imageRect.bottom + 2;
        frame = imageRect;
        frame.InflateRect(2, 2);
        if (!highlightImage)
            DrawFrame(iDc, frame, iHighlight);
        else if (iHighlight && !iCustomizeMode)
            CGTDrawManager(*iDc).BrightenRect(frame, highlightPercent, static_cast<COLORREF>(-1), 0,
                                              static_cast<COLORREF>(-1));
        iImages->DrawImage(iDc, corner.x, corner.y, image, FALSE, iGrayDisabled && (m_Style & disabledStyle) != 0);
    } else if (iHighlight && highlightImage) {
        CGTDrawManager(*iDc).BrightenRect(rect, highlightPercent, static_cast<COLORREF>(-1), 0,
                                          static_cast<COLORREF>(-1));
    }
    if (!iCustomizeMode && !frame.IsRectEmpty() && (iHighlight || (m_Style & (checkedStyle | pressedStyle)) != 0)) {
        const BOOL pushed = ((m_Style & pressedStyle) != 0 && iHighlight) || (m_Style & checkedStyle) != 0;
        CGTVisualManager::GetCurrent()->DrawButtonBorder(iDc, this, frame, pushed ? 1 : 2);
    }
    DrawLabel(iDc, label, iHighlight);
}

COLORREF CGTOutlookButton::LabelColor(int iState) const
{
    const BOOL onImage = m_ParentPane != nullptr && m_ParentPane->HasBackgroundImage();
    const BOOL disabled = (m_Style & disabledStyle) != 0;
    COLORREF color = m_ParentPane != nullptr ? m_ParentPane->m_TextColor : static_cast<COLORREF>(-1);
    if (disabled)
        color = onImage ? theGuiToolkitGlobals.colorGrayText : static_cast<COLORREF>(-1);
    if (color != static_cast<COLORREF>(-1))
        return color;
    if (onImage)
        return theGuiToolkitGlobals.colorWindow;
    return CGTVisualManager::GetCurrent()->GetToolbarButtonTextColor(const_cast<CGTOutlookButton*>(this), iState);
}

void CGTOutlookButton::DrawLabel(CDC* iDc, CRect iRect, BOOL iHighlight) const
{
    if (!m_ShowText || m_Text.IsEmpty())
        return;
    const int state = iHighlight ? 2 : (m_Style & (checkedStyle | pressedStyle)) != 0 ? 1 : 0;
    const COLORREF previous = iDc->SetTextColor(LabelColor(state));
    iDc->DrawText(m_Text, iRect, m_WholeText ? DT_CENTER | DT_WORDBREAK : DT_WORDBREAK | DT_END_ELLIPSIS);
    iDc->SetTextColor(previous);
}
