#include <guitoolkit/controls/CColorButton.h>
#include <guitoolkit/controls/CGTColorBar.h>
#include <guitoolkit/core/CGTColorValues.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <cwchar>

IMPLEMENT_SERIAL(CColorButton, CGTToolbarButton, 1)

namespace {
const COLORREF noColor = static_cast<COLORREF>(-1);

// Filled as a palette-relative colour, so that a 256-colour display shows the palette entry.
void FillColor(CDC* iDc, const CRect& iRect, COLORREF iColor)
{
    CBrush brush(PALETTERGB(GetRValue(iColor), GetGValue(iColor), GetBValue(iColor)));
    iDc->FillRect(&iRect, &brush);
}

void DrawEtched(CDC* iDc, CRect iRect)
{
    const GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    iRect.DeflateRect(0, 0, 1, 1);
    iDc->Draw3dRect(iRect + CPoint(1, 1), globals.colorBtnHighlight, globals.colorBtnHighlight);
    iDc->Draw3dRect(&iRect, globals.colorBtnShadow, globals.colorBtnShadow);
}
}  // namespace

CColorButton::CColorButton() : CColorButton(noColor, FALSE, nullptr, FALSE, nullptr) {}

CColorButton::CColorButton(COLORREF iColor, BOOL iAutomatic, LPCWSTR iText, BOOL iHighlighted, CGTColorBar* iBar)
    : m_Color(iColor), m_Highlighted(iHighlighted), m_Automatic(iAutomatic), m_Other(FALSE), m_Caption(FALSE),
      m_Document(FALSE), m_Indicator(FALSE), m_Bar(iBar)
{
    m_Text = iText != nullptr ? iText : L"";
    m_TextBelow = TRUE;
}

CColorButton* CColorButton::MakeCaption(LPCWSTR iText, CGTColorBar* iBar)
{
    auto* cell = new CColorButton(noColor, FALSE, iText, FALSE, iBar);
    cell->m_Caption = TRUE;
    return cell;
}

CColorButton* CColorButton::MakeOther(LPCWSTR iText, CGTColorBar* iBar)
{
    auto* cell = new CColorButton(noColor, FALSE, iText, FALSE, iBar);
    cell->m_Other = TRUE;
    return cell;
}

CColorButton* CColorButton::MakeDocument(COLORREF iColor, BOOL iHighlighted, CGTColorBar* iBar)
{
    auto* cell = new CColorButton(iColor, FALSE, nullptr, iHighlighted, iBar);
    cell->m_Document = TRUE;
    return cell;
}

CColorButton* CColorButton::MakeIndicator(COLORREF iColor, CGTColorBar* iBar)
{
    auto* cell = new CColorButton(iColor, FALSE, nullptr, FALSE, iBar);
    cell->m_Indicator = TRUE;
    return cell;
}

void CColorButton::OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages*, BOOL, BOOL, BOOL iHighlight, BOOL, BOOL)
{
    CPalette* previousPalette = nullptr;
    if (m_Bar != nullptr && m_Bar->UsesPalette()) {
        previousPalette = iDc->SelectPalette(m_Bar->GetPalette(), FALSE);
        iDc->RealizePalette();
    }
    const UINT savedStyle = m_Style;
    if (m_Highlighted)
        m_Style |= TBBS_CHECKED;
    const BOOL disabled = (m_Style & TBBS_DISABLED) != 0;
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    CRect rect = iRect;
    look->FillButtonInterior(iDc, this, rect, iHighlight && !m_Document ? 2 : 0);
    if (!disabled && !m_Caption) {
        if (m_Style & (TBBS_CHECKED | TBBS_PRESSED))
            look->DrawButtonBorder(iDc, this, rect, 1);
        else if (iHighlight)
            look->DrawButtonBorder(iDc, this, rect, 2);
    }
    rect.DeflateRect(::GetSystemMetrics(SM_CXBORDER) * 2, ::GetSystemMetrics(SM_CYBORDER) * 2);
    if (IsColorCell()) {
        DrawColorBox(iDc, rect, disabled);
    } else {
        if (m_Automatic && m_Color != noColor) {
            CRect box(rect.left + 1, rect.top + 1, rect.left + rect.Height() - 1, rect.bottom - 1);
            DrawColorBox(iDc, box, disabled);
            rect.left = box.right + 1;
        }
        DrawLabel(iDc, rect, disabled);
    }
    m_Style = savedStyle;
    if (previousPalette != nullptr)
        iDc->SelectPalette(previousPalette, FALSE);
}

void CColorButton::DrawColorBox(CDC* iDc, const CRect& iRect, BOOL iDisabled) const
{
    if (iDisabled) {
        DrawEtched(iDc, iRect);
        return;
    }
    FillColor(iDc, iRect, m_Color);
    iDc->Draw3dRect(&iRect, theGuiToolkitGlobals.colorBtnShadow, theGuiToolkitGlobals.colorBtnShadow);
}

void CColorButton::DrawLabel(CDC* iDc, CRect iRect, BOOL iDisabled) const
{
    CFont* previous = iDc->SelectObject(&theGuiToolkitGlobals.fontRegular);
    const int mode = iDc->SetBkMode(TRANSPARENT);
    iDc->SetTextColor(iDisabled ? theGuiToolkitGlobals.colorGrayText : theGuiToolkitGlobals.colorBtnText);
    UINT format = DT_END_ELLIPSIS | DT_VCENTER | DT_SINGLELINE;
    if (!m_Caption)
        format |= DT_CENTER;
    iDc->DrawText(m_Text, &iRect, format);
    iDc->SetBkMode(mode);
    iDc->SelectObject(previous);
}

CString CColorButton::GetTooltip() const
{
    if (CGTToolBar::IsCustomizeMode() || !CGTToolBar::s_ShowTooltips)
        return CString();
    if (!IsColorCell())
        return m_Text;
    CString name;
    if (CGTColorValues::ColorNames().Lookup(m_Color, name))
        return name;
    name.Format(L"Hex={%02X,%02X,%02X}", GetRValue(m_Color), GetGValue(m_Color), GetBValue(m_Color));
    return name;
}

int CColorButton::GetTooltipText(CWnd*, TOOLINFO* ioInfo)
{
    const CString tip = GetTooltip();
    if (tip.IsEmpty())
        return 0;
    ioInfo->lpszText = ::_wcsdup(tip);
    return 1;
}
