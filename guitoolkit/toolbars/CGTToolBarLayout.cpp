// Where the toolbar's buttons go and how the bar paints: one row along a horizontal bar,
// one column down a vertical one.
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <algorithm>

namespace {
// A DC with the font the bar measures and draws its captions in.
class BarFontDC : public CClientDC {
public:
    BarFontDC(CWnd* iBar, BOOL iHorizontal)
        : CClientDC(iBar->GetSafeHwnd() != nullptr ? iBar : nullptr),
          m_Previous(SelectObject(iHorizontal ? &theGuiToolkitGlobals.fontRegular : &theGuiToolkitGlobals.fontVert))
    {
    }
    ~BarFontDC() override { SelectObject(m_Previous); }

private:
    CFont* m_Previous;
};
}  // namespace

CSize CGTToolBar::CalcLengthLayout(int iLength, BOOL iVertical)
{
    return CalcSize(iVertical ? 0 : LM_HORZ, iLength);
}

void CGTToolBar::AdjustLayout()
{
    RecalcButtonLayout();
    if (GetSafeHwnd() != nullptr)
        Invalidate();
}

CSize CGTToolBar::CalcLayoutSize(BOOL iVertical)
{
    BarFontDC dc(this, !iVertical);
    CSize total(0, 0);
    for (POSITION position = m_Buttons.GetHeadPosition(); position != nullptr;) {
        const CSize size =
            static_cast<CGTToolbarButton*>(m_Buttons.GetNext(position))->CalcSize(&dc, GetButtonSize(), !iVertical);
        if (iVertical) {
            total.cy += size.cy;
            total.cx = std::max(total.cx, size.cx);
        } else {
            total.cx += size.cx;
            total.cy = std::max(total.cy, size.cy);
        }
    }
    return total;
}

int CGTToolBar::GetRowHeight() const
{
    return GetButtonSize().cy;
}

int CGTToolBar::GetColumnWidth() const
{
    return GetButtonSize().cx;
}

void CGTToolBar::GetItemRect(int iIndex, LPRECT oRect) const
{
    const CGTToolbarButton* button = GetButton(iIndex);
    *oRect = button != nullptr ? button->Rect() : CRect(0, 0, 0, 0);
}

void CGTToolBar::GetInvalidateItemRect(int iIndex, LPRECT oRect) const
{
    const CGTToolbarButton* button = GetButton(iIndex);
    *oRect = button != nullptr ? button->GetRect() : CRect(0, 0, 0, 0);
}

CSize CGTToolBar::CalcSize(DWORD iMode, int)
{
    const BOOL horizontal = (iMode & LM_HORZ) != 0;
    CSize size = CalcLayoutSize(!horizontal);
    CRect borders(0, 0, 0, 0);
    AdjustClientRectByBorders(borders, horizontal);
    size.cx -= borders.Width();
    size.cy -= borders.Height();
    if (iMode & LM_STRETCH)
        (horizontal ? size.cx : size.cy) = 32767;
    return size;
}

void CGTToolBar::RecalcButtonLayout()
{
    if (GetSafeHwnd() == nullptr)
        return;
    const BOOL horizontal = IsHorizontal();
    BarFontDC dc(this, horizontal);
    CRect client;
    GetClientRect(&client);
    CPoint at = client.TopLeft();
    for (POSITION position = m_Buttons.GetHeadPosition(); position != nullptr;) {
        auto* button = static_cast<CGTToolbarButton*>(m_Buttons.GetNext(position));
        const CSize size = button->CalcSize(&dc, GetButtonSize(), horizontal);
        button->SetRect(CRect(at, size));
        (horizontal ? at.x : at.y) += horizontal ? size.cx : size.cy;
    }
}

void CGTToolBar::DoPaint(CDC* iDc)
{
    CRect client;
    GetClientRect(&client);
    CRect clip;
    iDc->GetClipBox(&clip);
    CGTVisualManager::GetCurrent()->DrawBarBackground(iDc, this, client, clip);
    const BOOL horizontal = IsHorizontal();
    CGTToolBarImages& images = ImagesOf(GTToolBarImageKind::Images);
    CGTImageDrawPass pass;
    const BOOL drawing = images.bitmap != nullptr && images.BeginDrawing(pass);
    iDc->SetBkMode(TRANSPARENT);
    CFont* previous =
        iDc->SelectObject(horizontal ? &theGuiToolkitGlobals.fontRegular : &theGuiToolkitGlobals.fontVert);
    for (int index = 0; index < GetButtonCount(); ++index) {
        CGTToolbarButton* button = GetButton(index);
        if (!button->IsSeparator())
            DrawButtonItem(iDc, button, drawing ? &images : nullptr, IsButtonHot(index), TRUE);
        else if (!button->IsHiddenByLayout())
            DrawSeparator(iDc, GetButtonDrawRect(*button, horizontal), horizontal);
    }
    iDc->SelectObject(previous);
    if (drawing)
        images.FinishDrawing(pass);
}

void CGTToolBar::DrawSeparator(CDC* iDc, const CRect& iRect, BOOL iHorizontal)
{
    CGTVisualManager::GetCurrent()->DrawSeparator(iDc, this, iRect, iHorizontal);
}

CRect CGTToolBar::GetButtonDrawRect(const CGTToolbarButton& iButton, BOOL) const
{
    return iButton.Rect();
}

int CGTToolBar::CalcMaxButtonHeight()
{
    return GetButtonSize().cy;
}

BOOL CGTToolBar::IsButtonExtraSizeAvailable() const
{
    return FALSE;
}
