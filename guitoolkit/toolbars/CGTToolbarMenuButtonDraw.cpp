// How a menu button looks: a drop-down button with its arrow part on a toolbar, a row of a
// popup menu, an entry of the customization command list.
#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>
#include <guitoolkit/core/CGTCommandManager.h>
#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/toolbars/CGTPopupMenuBar.h>

namespace {
const UINT rightToLeftLayout = 0x00400000;
// The tasks pane's Back and Forward commands never show an image in a menu.
const UINT tasksPaneBack = 17020;
const UINT tasksPaneForward = 17021;

// The glyph that stands for a system command without an image; -1 for none.
int SystemCommandGlyph(UINT iCommandId)
{
    switch (iCommandId) {
    case SC_MINIMIZE:
        return CGTMenuGlyphs::Minimize;
    case SC_MAXIMIZE:
        return CGTMenuGlyphs::Maximize;
    case SC_CLOSE:
        return CGTMenuGlyphs::Close;
    case SC_RESTORE:
        return CGTMenuGlyphs::Restore;
    default:
        return -1;
    }
}

}  // namespace

CString CGTToolbarMenuButton::FitMenuLabel(CDC* iDc, const CString& iLabel, int iWidth)
{
    // Measured as drawn: the "&" of an access key takes no room.
    if (iDc->GetTextExtent(VisibleText(iLabel)).cx <= iWidth)
        return iLabel;
    CString label = iLabel;
    while (!label.IsEmpty() && iDc->GetTextExtent(VisibleText(label + L"...")).cx > iWidth)
        label = label.Left(label.GetLength() - 1);
    return label + L"...";
}

void CGTToolbarMenuButton::OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages* iImages, BOOL iHorizontal,
                                  BOOL iCustomizeMode, BOOL iHighlight, BOOL iDrawBorder, BOOL iGrayDisabled)
{
    if (m_MenuMode) {
        DrawMenuItem(iDc, iRect, iCustomizeMode, iHighlight, iGrayDisabled);
        return;
    }
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    if (m_PaletteMode)
        m_Style &= ~TBBS_CHECKED;
    m_Horizontal = iHorizontal;
    const BOOL open = IsDroppedDown();
    DrawFrame(iDc, iRect, iHighlight || open);
    const CSize glyph = CGTMenuGlyphs::GetSize();
    const CSize arrow = CGTToolBar::IsLargeIcons() ? CSize(glyph.cx * 2, glyph.cy * 2) : glyph;
    const CSize extra = look->GetButtonExtraSize();
    CRect work = iRect;
    if (m_TextBelow && iHorizontal)
        work.DeflateRect(extra.cx / 2 + 1, extra.cy / 2 + 1);
    const int margin = look->GetMenuImageMargin();
    CRect main = work;
    if (iHorizontal)
        main.DeflateRect(margin, 0);
    else
        main.DeflateRect(0, margin);
    CRect arrowRect;
    if (m_DrawArrow) {
        if (iHorizontal) {
            main.right -= arrow.cx;
            arrowRect.SetRect(main.right + 1, work.top, work.right, work.bottom);
            arrowRect.OffsetRect(-extra.cx / 2, -extra.cy / 2);
        } else {
            main.bottom -= arrow.cy + 1;
            arrowRect.SetRect(work.left, main.bottom, work.right, work.bottom);
        }
    }
    const UINT savedStyle = m_Style;
    const BOOL flat = look->FlatOpenMenuButtons;
    const BOOL splitClick = m_ClickedOnArrow && HasRealCommand() && !m_MenuOnly;
    if (flat)
        m_Style &= ~(TBBS_PRESSED | TBBS_CHECKED);
    else if (splitClick)
        m_Style &= ~TBBS_PRESSED;
    else if (open)
        m_Style |= TBBS_PRESSED;
    CGTToolbarButton::OnDraw(iDc, main, iImages, iHorizontal, iCustomizeMode, iHighlight, FALSE, iGrayDisabled);
    if (m_DrawArrow) {
        const BOOL pressedLook = !flat && (m_Style & (TBBS_PRESSED | TBBS_CHECKED));
        if (pressedLook)
            arrowRect.OffsetRect(1, 1);
        if ((iHighlight || (m_Style & TBBS_PRESSED) || open) && HasRealCommand() && !m_MenuOnly) {
            const CRect split(arrowRect.left, arrowRect.top, arrowRect.left + 2, arrowRect.bottom);
            look->DrawMenuButtonBorder(iDc, this, split, iHighlight || (m_Style & TBBS_PRESSED) ? 2 : 0);
        }
        if (open && !pressedLook && !flat)
            arrowRect.OffsetRect(1, 1);
        const BOOL disabled = iCustomizeMode ? !IsCustomizable() : (m_Style & TBBS_DISABLED) != 0;
        DrawDropDownArrow(iDc, arrowRect, disabled);
    }
    m_Style = savedStyle;
    if (iCustomizeMode || !iDrawBorder)
        return;
    if ((m_Style & (TBBS_PRESSED | TBBS_CHECKED)) || open) {
        if (!flat && splitClick) {
            look->DrawMenuButtonBorder(iDc, this, main, 2);
            look->DrawMenuButtonBorder(
                iDc, this, CRect(arrowRect.left, arrowRect.top, arrowRect.right - 1, arrowRect.bottom - 1), 1);
        } else {
            look->DrawMenuButtonBorder(iDc, this, iRect, 1);
        }
    } else if (iHighlight && !(m_Style & (TBBS_CHECKED | TBBS_DISABLED | TBBS_INDETERMINATE))) {
        look->DrawMenuButtonBorder(iDc, this, iRect, 2);
    }
}

void CGTToolbarMenuButton::DrawDropDownArrow(CDC* iDc, CRect iArrow, BOOL iDisabled) const
{
    CSize size = CGTMenuGlyphs::GetSize();
    if (CGTToolBar::IsLargeIcons())
        size = CSize(size.cx * 2, size.cy * 2);
    const int glyph = m_Horizontal && !m_MenuOnly ? CGTMenuGlyphs::ArrowDown : CGTMenuGlyphs::ArrowRight;
    const CPoint at(iArrow.left + (iArrow.Width() - size.cx - 1) / 2, iArrow.top + (iArrow.Height() - size.cy - 1) / 2);
    CGTMenuGlyphs::Draw(iDc, glyph, at, iDisabled ? CGTMenuGlyphs::Grey : CGTMenuGlyphs::Black, size);
}

void CGTToolbarMenuButton::DrawMenuImage(CDC* iDc, const CRect& iColumn, BOOL iHighlight, BOOL iDisabled)
{
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    auto* bar = DYNAMIC_DOWNCAST(CGTPopupMenuBar, m_ParentBar);
    const CSize imageSize = bar != nullptr ? bar->GetImageSize() : CGTToolBar::GetMenuImageSize();
    const CRect image(CPoint(iColumn.left + (iColumn.Width() - imageSize.cx) / 2,
                             iColumn.top + (iColumn.Height() - imageSize.cy) / 2),
                      imageSize);
    BOOL drawn = FALSE;
    HICON icon = nullptr;
    CGTUserToolsManager* tools = CGTUserToolsManager::Current();
    const CGTUserTool* tool = tools != nullptr && !m_UserImage ? tools->FindToolByCommand(m_CommandId) : nullptr;
    if (tool != nullptr) {
        tool->DrawToolIcon(iDc, image);
        drawn = TRUE;
    } else if (CGTDockingValues::TabCommandIcons().Lookup(m_CommandId, icon) && icon != nullptr) {
        ::DrawIconEx(iDc->GetSafeHdc(), image.left, image.top, icon, imageSize.cx, imageSize.cy, 0, nullptr, DI_NORMAL);
        drawn = TRUE;
    } else if (GetImage() >= 0 && !GetCommandManager().IsMenuItemWithoutImage(m_CommandId) &&
               m_CommandId != tasksPaneBack && m_CommandId != tasksPaneForward) {
        CGTToolBar* owner = bar != nullptr ? bar->GetParentToolBar() : nullptr;
        CGTToolBarImages* images = owner != nullptr ? owner->GetLockedMenuImages() : nullptr;
        if (images == nullptr)
            images = CGTToolBar::CommandListImages(m_UserImage);
        CGTImageDrawPass pass;
        if (images != nullptr && images->bitmap != nullptr && GetImage() < images->count &&
            images->BeginDrawing(pass, imageSize.cx, imageSize.cy)) {
            drawn = images->DrawImage(iDc, image.left, image.top, GetImage(), FALSE, iDisabled);
            images->FinishDrawing(pass);
        }
    }
    if (m_Style & TBBS_CHECKED) {
        if (drawn)
            look->DrawButtonBorder(iDc, this, iColumn, 1);
        else
            look->DrawMenuCheck(iDc, this, iColumn, iHighlight, FALSE);
        return;
    }
    const int glyph = SystemCommandGlyph(m_CommandId);
    if (!drawn && glyph >= 0) {
        CRect glyphRect = iColumn;
        glyphRect.DeflateRect(look->GetMenuImageMargin(), 0);
        CGTMenuGlyphs::DrawCentered(iDc, glyph, glyphRect, iDisabled ? CGTMenuGlyphs::Grey : CGTMenuGlyphs::Black);
    }
    if (drawn && iHighlight && !iDisabled && !look->HighlightsWholeMenuItem())
        look->DrawButtonBorder(iDc, this, iColumn, 2);
}

void CGTToolbarMenuButton::DrawMenuItem(CDC* iDc, const CRect& iRect, BOOL iCustomizeMode, BOOL iHighlight,
                                        BOOL iGrayDisabled)
{
    (void)iGrayDisabled;
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    const BOOL disabled = iCustomizeMode ? !IsCustomizable() : (m_Style & TBBS_DISABLED) != 0;
    auto* bar = DYNAMIC_DOWNCAST(CGTPopupMenuBar, m_ParentBar);
    const CSize imageSize = bar != nullptr ? bar->GetImageSize() : CGTToolBar::GetMenuImageSize();
    const int margin = look->GetMenuImageMargin();
    CRect column(iRect.left + margin, iRect.top, iRect.left + margin + imageSize.cx + margin, iRect.bottom);
    COLORREF textColor = look->GetMenuTextColor(iHighlight, disabled);
    if (iHighlight) {
        CRect highlight = iRect;
        if (!look->HighlightsWholeMenuItem())
            highlight.left = column.right + 1;
        look->FillMenuHighlight(iDc, this, highlight, TRUE, disabled, textColor);
    }
    DrawMenuImage(iDc, column, iHighlight, disabled);

    CString label;
    CString shortcut;
    SplitMenuText(m_Text, label, shortcut);
    const CSize glyph = CGTMenuGlyphs::GetSize();
    CRect text(column.right + 3, iRect.top, iRect.right - glyph.cx - 4, iRect.bottom);
    CFont* previousFont = nullptr;
    if (bar != nullptr && m_CommandId == bar->GetDefaultCommand() && m_CommandId != 0)
        previousFont = iDc->SelectObject(&theGuiToolkitGlobals.fontBold);
    const int shortcutWidth = shortcut.IsEmpty() ? 0 : iDc->GetTextExtent(shortcut).cx + 10;
    label = FitMenuLabel(iDc, label, text.Width() - shortcutWidth);
    iDc->SetBkMode(TRANSPARENT);
    const auto drawText = [&](CRect iAt, COLORREF iColor) {
        iDc->SetTextColor(iColor);
        iDc->DrawText(label, &iAt, DT_SINGLELINE | DT_VCENTER);
        if (!shortcut.IsEmpty())
            iDc->DrawText(shortcut, &iAt, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    };
    if (disabled && !iHighlight && look->EmbossDisabled) {
        CRect embossed = text;
        embossed.OffsetRect(1, 1);
        drawText(embossed, theGuiToolkitGlobals.colorBtnHighlight);
    }
    drawText(text, textColor);
    if (previousFont != nullptr)
        iDc->SelectObject(previousFont);

    if (m_CommandId == 0 || m_DrawArrow || m_MenuOnly)
        DrawSubMenuArrow(iDc, iRect, iHighlight, disabled);
}

void CGTToolbarMenuButton::DrawSubMenuArrow(CDC* iDc, const CRect& iRect, BOOL iHighlight, BOOL iDisabled) const
{
    // The toolkit's own glyphs: the symbol font is not installed everywhere.
    const BOOL rightToLeft = m_ParentBar != nullptr && (m_ParentBar->GetExStyle() & rightToLeftLayout);
    const int style = iDisabled ? CGTMenuGlyphs::Grey : iHighlight ? CGTMenuGlyphs::White : CGTMenuGlyphs::Black;
    const CSize glyph = CGTMenuGlyphs::GetSize();
    CRect arrow(iRect.right - 2 - glyph.cx, iRect.top, iRect.right - 2, iRect.bottom);
    if (m_RightArrow) {
        CGTMenuGlyphs::DrawCentered(iDc, CGTMenuGlyphs::ArrowDown, arrow, style);
        arrow.OffsetRect(-glyph.cx, 0);
    }
    CGTMenuGlyphs::DrawCentered(iDc, rightToLeft ? CGTMenuGlyphs::ArrowLeft : CGTMenuGlyphs::ArrowRight, arrow, style);
}

int CGTToolbarMenuButton::DrawInCommandList(CDC* iDc, const CRect& iRect, BOOL iSelected)
{
    const int width = CGTToolbarButton::DrawInCommandList(iDc, iRect, iSelected);
    if (m_CommandId == 0 || !m_SubItems.IsEmpty())
        CGTVisualManager::GetCurrent()->DrawCommandListMenuArrow(iDc, iRect, iSelected);
    return width;
}
