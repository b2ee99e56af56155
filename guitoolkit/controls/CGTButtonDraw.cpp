// Painting of the owner-draw button: face, border, image, label and focus mark.
#include <guitoolkit/controls/CGTButton.h>
#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/CGTMemDC.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>

void CGTButton::DrawItem(LPDRAWITEMSTRUCT iDrawItem)
{
    CDC* target = CDC::FromHandle(iDrawItem->hDC);
    CRect rect = iDrawItem->rcItem;
    CGTMemDC memory(*target, rect);
    CDC& dc = memory.GetDC();
    FillFace(&dc, rect);
    DrawBorder(&dc, rect, iDrawItem->itemState);
    DrawContent(&dc, rect, iDrawItem->itemState);
    if ((iDrawItem->itemState & ODS_FOCUS) && m_DrawFocus)
        DrawFocusMark(&dc, rect);
}

void CGTButton::FillFace(CDC* iDc, const CRect& iRect)
{
    if (!m_Transparent) {
        if (m_FaceColor != (COLORREF)-1)
            iDc->FillSolidRect(iRect, m_FaceColor);
        else
            iDc->FillRect(iRect, &theGuiToolkitGlobals.brushBtnFace);
    } else {
        theGuiToolkitGlobals.DrawParentBackground(this, iDc, iRect);
    }
    if (m_Checked && m_HighlightChecked && !(m_Pushed && m_Highlighted))
        CGTDrawManager(*iDc).BrightenRect(iRect, -1, (COLORREF)-1, 0, (COLORREF)-1);
}

void CGTButton::DrawBorder(CDC* iDc, CRect& ioRect, UINT iState)
{
    if (m_BorderStyle == BorderNone) {
        ioRect.DeflateRect(2, 2);
        return;
    }
    const BOOL themed = IsThemedDrawing();
    if (themed && CGTVisualManager::GetCurrent()->DrawPushButtonThemed(iDc, ioRect, this, iState)) {
        ioRect.DeflateRect(2, 2);
        return;
    }
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    const BOOL down = (m_Pushed && m_Highlighted) || (iState & ODS_SELECTED) || m_Checked;
    if (!down) {
        if (m_BorderStyle == BorderFlat && !m_Highlighted) {
            ioRect.DeflateRect(2, 2);
            return;
        }
        iDc->Draw3dRect(ioRect, g.colorBtnHighlight, g.colorBtnDarkShadow);
        ioRect.DeflateRect(1, 1);
        if (m_BorderStyle == Border3D || (m_BorderStyle == BorderSemiFlat && m_Highlighted)) {
            iDc->Draw3dRect(ioRect, g.colorBtnLight, g.colorBtnShadow);
            ioRect.DeflateRect(1, 1);
        }
        return;
    }
    iDc->Draw3dRect(ioRect, g.colorBtnDarkShadow, g.colorBtnHighlight);
    ioRect.DeflateRect(1, 1);
    if (m_BorderStyle != BorderFlat) {
        iDc->Draw3dRect(ioRect, g.colorBtnShadow, g.colorBtnLight);
        ioRect.DeflateRect(1, 1);
    }
    ioRect.left += m_PushOffset.cx;
    ioRect.top += m_PushOffset.cy;
}

void CGTButton::DrawFocusMark(CDC* iDc, const CRect& iRect)
{
    CRect rect = iRect;
    rect.DeflateRect(1, 1);
    if (!IsThemedDrawing()) {
        rect.DeflateRect(1, 1);
        const COLORREF face = m_FaceColor != (COLORREF)-1 ? m_FaceColor : theGuiToolkitGlobals.colorBtnFace;
        iDc->Draw3dRect(rect, face, face);
    }
    iDc->DrawFocusRect(rect);
}

CFont* CGTButton::SelectLabelFont(CDC* iDc)
{
    HFONT font = m_Font != nullptr ? m_Font : (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    return CFont::FromHandle((HFONT)::SelectObject(iDc->GetSafeHdc(), font));
}

int CGTButton::GetHorzMargin() const
{
    return 10;
}

int CGTButton::GetVertMargin() const
{
    return 5;
}

void CGTButton::DrawLabel(CDC* iDc, CRect iRect, const CString& iText, UINT iFlags, UINT)
{
    iDc->DrawText(iText, iRect, iFlags);
}

void CGTButton::DrawContent(CDC* iDc, CRect iRect, UINT iState)
{
    CString text;
    GetWindowText(text);
    const BOOL disabled = (iState & ODS_DISABLED) && m_DisabledLook;
    CRect textRect = iRect;
    if (m_ImageSize.cx > 0) {
        CRect imageRect = iRect;
        if (text.IsEmpty()) {
            imageRect = CRect(CPoint(iRect.left + (iRect.Width() - m_ImageSize.cx) / 2,
                                     iRect.top + (iRect.Height() - m_ImageSize.cy) / 2),
                              m_ImageSize);
        } else if (m_ImageOnTop) {
            imageRect = CRect(CPoint(iRect.left + (iRect.Width() - m_ImageSize.cx) / 2, iRect.top + GetVertMargin()),
                              m_ImageSize);
            textRect.top = imageRect.bottom + GetVertMargin();
        } else if (m_ImageOnRight) {
            imageRect = CRect(CPoint(iRect.right - GetHorzMargin() - m_ImageSize.cx,
                                     iRect.top + (iRect.Height() - m_ImageSize.cy) / 2),
                              m_ImageSize);
            textRect.right = imageRect.left - GetHorzMargin();
        } else {
            imageRect =
                CRect(CPoint(iRect.left + GetHorzMargin() / 2, iRect.top + (iRect.Height() - m_ImageSize.cy) / 2),
                      m_ImageSize);
            textRect.left = imageRect.right + GetHorzMargin();
        }
        DrawImage(iDc, imageRect, disabled);
    }
    if (text.IsEmpty())
        return;
    UINT flags = DT_END_ELLIPSIS;
    if (text.Find(L'\n') < 0)
        flags |= DT_SINGLELINE | DT_VCENTER;
    else
        textRect.DeflateRect(0, GetVertMargin() / 2);
    if (m_TextAlign == AlignLeft)
        textRect.left += GetHorzMargin() / 2;
    else if (m_TextAlign == AlignRight) {
        flags |= DT_RIGHT;
        textRect.right -= GetHorzMargin() / 2;
    } else
        flags |= DT_CENTER;
    if (GetExStyle() & WS_EX_LAYOUTRTL)
        flags |= DT_RTLREADING;
    CFont* oldFont = SelectLabelFont(iDc);
    const int oldMode = iDc->SetBkMode(TRANSPARENT);
    COLORREF color = m_TextColor != (COLORREF)-1 ? m_TextColor : theGuiToolkitGlobals.colorBtnText;
    if (m_Highlighted && m_HoverColor != (COLORREF)-1)
        color = m_HoverColor;
    if (disabled) {
        iDc->SetTextColor(theGuiToolkitGlobals.colorBtnHighlight);
        CRect embossed = textRect;
        embossed.OffsetRect(1, 1);
        DrawLabel(iDc, embossed, text, flags, iState);
        color = theGuiToolkitGlobals.colorGrayText;
    }
    const COLORREF oldColor = iDc->SetTextColor(color);
    DrawLabel(iDc, textRect, text, flags, iState);
    if (m_AutoToolTipDirty) {
        m_AutoToolTipDirty = FALSE;
        const BOOL cut = (flags & DT_SINGLELINE) && iDc->GetTextExtent(text).cx > textRect.Width();
        SetToolTipText(cut ? (LPCWSTR)text : nullptr);
    }
    iDc->SetTextColor(oldColor);
    iDc->SetBkMode(oldMode);
    iDc->SelectObject(oldFont);
}

void CGTButton::DrawImage(CDC* iDc, const CRect& iRect, BOOL iDisabled)
{
    if (m_Glyph >= 0) {
        const int glyph = iDisabled && m_DisabledGlyph > 0 ? m_DisabledGlyph : m_Glyph;
        CGTMenuGlyphs::Draw(iDc, glyph, iRect.TopLeft(), m_GlyphStyle, iRect.Size());
        return;
    }
    // The checked set when it has images, else the normal one: disabled, else hot, else normal.
    const int first = m_Checked && m_Images[3].count > 0 ? 3 : 0;
    int index = first;
    if (iDisabled && m_Images[first + 2].count > 0)
        index = first + 2;
    else if (m_Highlighted && m_Images[first + 1].count > 0)
        index = first + 1;
    CGTToolBarImages& images = m_Images[index];
    const BOOL grey = iDisabled && m_Images[first + 2].count == 0;
    CGTImageDrawPass pass;
    if (!images.BeginDrawing(pass))
        return;
    images.DrawImage(iDc, iRect.left, iRect.top, 0, FALSE, grey);
    images.FinishDrawing(pass);
}

CSize CGTButton::FitToContent(BOOL iCalcOnly)
{
    CString text;
    GetWindowText(text);
    CClientDC client(this);
    CFont* oldFont = SelectLabelFont(&client);
    CSize textSize(0, 0);
    if (text.Find(L'\n') >= 0) {
        CRect rect;
        GetClientRect(rect);
        client.DrawText(text, rect, DT_CALCRECT);
        textSize = rect.Size();
    } else if (!text.IsEmpty()) {
        textSize = client.GetTextExtent(text);
    }
    client.SelectObject(oldFont);
    const int horizontal = GetHorzMargin();
    const int vertical = GetVertMargin();
    CSize size;
    if (m_ImageOnTop) {
        size.cx = horizontal + std::max(textSize.cx, m_ImageSize.cx) + (textSize.cx > 0 ? horizontal : 0);
        size.cy = m_ImageSize.cy + 2 * vertical + textSize.cy + (textSize.cy > 0 ? vertical : 0);
    } else {
        size.cx = horizontal + m_ImageSize.cx + textSize.cx + (textSize.cx > 0 ? horizontal : 0);
        size.cy = std::max(textSize.cy, m_ImageSize.cy) + 2 * vertical;
    }
    if (!iCalcOnly)
        SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return size;
}
