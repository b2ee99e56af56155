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

void CGTToolBar::DrawBackground(CDC* iPaintDc)
{
    CRect clip;
    iPaintDc->GetClipBox(&clip);
    CRect client;
    GetClientRect(&client);
    CGTMemDC memory(*iPaintDc, this);
    CDC* dc = &memory.GetDC();
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    look->DrawBarBackground(dc, this, client, clip);
    dc->SetTextColor(theGuiToolkitGlobals.colorBtnText);
    dc->SetBkMode(TRANSPARENT);
    using Kind = GTToolBarImageKind;
    CGTToolBarImages& normal = PaintImages(Kind::Images, Kind::LargeImages);
    CGTToolBarImages& cold = PaintImages(Kind::ColdImages, Kind::LargeColdImages);
    CGTToolBarImages& disabled = PaintImages(Kind::DisabledImages, Kind::LargeDisabledImages);
    const BOOL fade = look->FadeImages;
    if (cold.count > 0)
        look->FadeImages = FALSE;
    CGTToolBarImages* current = normal.bitmap != nullptr ? &normal : nullptr;
    CGTImageDrawPass pass;
    const CSize imageSize = m_MenuMode ? GetMenuImageSize() : GetImageSize();
    const auto begin = [&](CGTToolBarImages& ioImages) {
        if (ioImages.colorTransparent != theGuiToolkitGlobals.colorBtnFace) {
            ioImages.colorTransparent = theGuiToolkitGlobals.colorBtnFace;
            ioImages.BuildFadedImage();
        }
        return ioImages.BeginDrawing(pass, imageSize.cx, imageSize.cy, look->FadeImages);
    };
    if (current == nullptr || begin(*current)) {
        const BOOL horizontal = IsHorizontal();
        CFont* previousFont = dc->SelectObject(BarFont(horizontal));
        for (int index = 0; index < GetButtonCount(); ++index) {
            CGTToolbarButton* button = GetButton(index);
            if (button->IsSeparator()) {
                const CRect rect = GetButtonDrawRect(*button, horizontal);
                if (CRect().IntersectRect(rect, clip) && !button->IsHiddenByLayout())
                    DrawSeparator(dc, rect, horizontal && !button->m_Wrap);
                continue;
            }
            if (!CRect().IntersectRect(button->Rect(), clip) || button->IsHiddenByLayout())
                continue;
            const BOOL hot = IsButtonHot(index);
            const BOOL disabledLook = (button->m_Style & TBBS_DISABLED) && !s_CustomizeMode;
            const BOOL fromDisabled = disabledLook && disabled.count > 0;
            CGTToolBarImages* strip = fromDisabled ? &disabled : &normal;
            if (!hot && !fromDisabled && !(button->m_Style & TBBS_PRESSED) && cold.count > 0 &&
                !button->IsDroppedDown())
                strip = &cold;
            if (current != nullptr && strip != current) {
                current->FinishDrawing(pass);
                current = strip;
                begin(*current);
            }
            DrawButtonItem(dc, button, normal.bitmap != nullptr ? current : nullptr, hot, fromDisabled);
        }
        dc->SelectObject(previousFont);
        if (current != nullptr)
            current->FinishDrawing(pass);
    }
    look->FadeImages = fade;
}
