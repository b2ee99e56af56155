// How the toolbar paints: the look's background, then each button from the strip its state
// asks for, off screen.
#include <guitoolkit/core/CGTMemDC.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/toolbars/CGTToolBar.h>

CGTToolBarImages& CGTToolBar::PaintImages(GTToolBarImageKind iKind, GTToolBarImageKind iLargeKind)
{
    CGTToolBarImages& large = ImagesOf(iLargeKind);
    return s_LargeIcons && !m_MenuMode && large.count > 0 ? large : ImagesOf(iKind);
}

CGTToolBarImages* CGTToolBar::PaintStrip(const CGTToolbarButton& iButton, BOOL iHot, BOOL& oFromDisabled)
{
    using Kind = GTToolBarImageKind;
    const BOOL disabledLook = (iButton.m_Style & TBBS_DISABLED) && !s_CustomizeMode;
    CGTToolBarImages& normal = PaintImages(Kind::Images, Kind::LargeImages);
    CGTToolBarImages& disabled = PaintImages(Kind::DisabledImages, Kind::LargeDisabledImages);
    oFromDisabled = FALSE;
    if (iButton.m_UserImage)
        return iButton.GetImage() >= 0 ? s_UserImages : nullptr;
    if (m_MenuMode) {
        CGTToolBarImages& disabledMenu = ImagesOf(Kind::DisabledMenuImages);
        CGTToolBarImages& menu = ImagesOf(Kind::MenuImages);
        oFromDisabled = disabledLook && (disabledMenu.count > 0 || (menu.count == 0 && disabled.count > 0));
        if (disabledLook && disabledMenu.count > 0)
            return &disabledMenu;
        if (menu.count > 0)
            return &menu;
        return oFromDisabled ? &disabled : &normal;
    }
    oFromDisabled = disabledLook && disabled.count > 0;
    if (oFromDisabled)
        return &disabled;
    CGTToolBarImages& cold = PaintImages(Kind::ColdImages, Kind::LargeColdImages);
    if (!iHot && !(iButton.m_Style & TBBS_PRESSED) && cold.count > 0 && !iButton.IsDroppedDown())
        return &cold;
    return &normal;
}

void CGTToolBar::DoPaint(CDC* iPaintDc)
{
    CRect clip;
    iPaintDc->GetClipBox(&clip);
    CRect client;
    GetClientRect(&client);
    CGTMemDC memory(*iPaintDc, this);
    CDC* dc = &memory.GetDC();
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    if (GetStyle() & TBSTYLE_TRANSPARENT)
        m_Impl.DrawParentBackground(dc);
    else
        look->DrawBarBackground(dc, this, client, clip);
    dc->SetTextColor(theGuiToolkitGlobals.colorBtnText);
    dc->SetBkMode(TRANSPARENT);
    using Kind = GTToolBarImageKind;
    CGTToolBarImages& normal = PaintImages(Kind::Images, Kind::LargeImages);
    const BOOL fade = look->FadeImages;
    if (PaintImages(Kind::ColdImages, Kind::LargeColdImages).count > 0)
        look->FadeImages = FALSE;
    CGTToolBarImages* current = normal.bitmap != nullptr ? &normal : nullptr;
    CGTImageDrawPass pass;
    const CSize imageSize = m_MenuMode ? GetMenuImageSize() : GetImageSize();
    const auto begin = [&](CGTToolBarImages* ioImages) {
        if (ioImages == nullptr)
            return TRUE;
        if (ioImages->colorTransparent != theGuiToolkitGlobals.colorBtnFace) {
            ioImages->colorTransparent = theGuiToolkitGlobals.colorBtnFace;
            ioImages->BuildFadedImage();
        }
        return ioImages->BeginDrawing(pass, imageSize.cx, imageSize.cy, look->FadeImages);
    };
    if (begin(current)) {
        const BOOL horizontal = IsHorizontal();
        CFont* previousFont = dc->SelectObject(BarFont(horizontal));
        for (int index = 0; index < GetButtonCount(); ++index) {
            CGTToolbarButton* button = GetButton(index);
            if (button->IsSeparator()) {
                const CRect rect = GetButtonDrawRect(*button, horizontal);
                // The look's flag names the bar's direction: across a horizontal bar a separator
                // stands upright, and one that ends a row lies under it as on a vertical bar.
                if (CRect().IntersectRect(rect, clip) && !button->IsHiddenByLayout())
                    DrawSeparator(dc, rect, horizontal && !button->m_Wrap);
                continue;
            }
            if (!CRect().IntersectRect(button->Rect(), clip) || button->IsHiddenByLayout())
                continue;
            const BOOL hot = IsButtonHot(index);
            BOOL fromDisabled = FALSE;
            CGTToolBarImages* strip = PaintStrip(*button, hot, fromDisabled);
            if (normal.bitmap != nullptr && strip != current) {
                if (current != nullptr)
                    current->FinishDrawing(pass);
                current = strip;
                begin(current);
            }
            DrawButtonItem(dc, button, normal.bitmap != nullptr ? current : nullptr, hot, fromDisabled);
        }
        DrawCustomizeSelection(dc);
        DrawInsertionMark(dc);
        dc->SelectObject(previousFont);
        if (current != nullptr)
            current->FinishDrawing(pass);
    }
    look->FadeImages = fade;
}

void CGTToolBar::DrawCustomizeSelection(CDC* iDc)
{
    if (m_SelectedIndex >= GetButtonCount())
        m_SelectedIndex = -1;
    CGTToolbarButton* selected = GetButton(m_SelectedIndex);
    if (!s_CustomizeMode || m_Locked || s_CustomizeSelectionBar != this || selected == nullptr ||
        !selected->CanBeStored())
        return;
    CRect frame = selected->Rect();
    if (selected->GetHwnd() != nullptr)
        frame.InflateRect(0, 1);
    const COLORREF color = theGuiToolkitGlobals.colorBtnText;
    iDc->Draw3dRect(&frame, color, color);
    frame.DeflateRect(1, 1);
    iDc->Draw3dRect(&frame, color, color);
}
