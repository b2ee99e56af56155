// The commands of a button's customize menu: how the selected button shows, its default
// image, a copy of its image, a group separator before it and a new menu; the enabling of the
// menu's items, and the separator a short sideways drag adds or takes away.
#include <guitoolkit/core/CGTCommandManager.h>
#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>
#include <cstdlib>
#include <memory>

namespace {
// The least drag along the bar that adds or removes a group separator.
const int leastSeparatorDrag = 6;

CGTUserTool* ToolOfCommand(UINT iCommandId)
{
    const CGTUserToolsManager* tools = CGTUserToolsManager::Current();
    return tools != nullptr ? tools->FindToolByCommand(iCommandId) : nullptr;
}

// Shows the button with its image; without one the user picks it, and a cancel puts the
// button back as it was. FALSE on cancel.
BOOL ShowWithImage(CGTToolBar& ioBar, CGTToolbarButton& ioButton, BOOL iShowText,
                   BOOL (CGTToolBar::*iEdit)(CGTToolbarButton&))
{
    const BOOL showText = ioButton.m_ShowText;
    const BOOL showImage = ioButton.m_ShowImage;
    ioButton.m_ShowText = iShowText;
    ioButton.m_ShowImage = TRUE;
    if (ioButton.GetImage() >= 0 || (ioBar.*iEdit)(ioButton))
        return TRUE;
    ioButton.m_ShowText = showText;
    ioButton.m_ShowImage = showImage;
    return FALSE;
}
}  // namespace

void CGTToolBar::EnsureCaption(CGTToolbarButton& ioButton)
{
    if (ioButton.m_Text.IsEmpty())
        LoadButtonText(ioButton);
    if (!ioButton.m_Text.IsEmpty())
        return;
    CGTBeeper::Current().Beep(static_cast<UINT>(-1));
    ioButton.m_ShowText = FALSE;
    ioButton.m_ShowImage = TRUE;
}

void CGTToolBar::OnSetImageOnly()
{
    CGTToolbarButton* button = CustomizeSelection();
    if (button == nullptr || !ShowWithImage(*this, *button, FALSE, &CGTToolBar::EditButtonAppearance))
        return;
    AdjustLayoutWithFrame();
}

void CGTToolBar::OnSetImageAndText()
{
    CGTToolbarButton* button = CustomizeSelection();
    if (button == nullptr || !ShowWithImage(*this, *button, TRUE, &CGTToolBar::EditButtonAppearance))
        return;
    EnsureCaption(*button);
    AdjustLayout();
}

void CGTToolBar::OnSetTextOnly()
{
    CGTToolbarButton* button = CustomizeSelection();
    if (button == nullptr)
        return;
    button->m_ShowText = TRUE;
    button->m_ShowImage = FALSE;
    EnsureCaption(*button);
    AdjustLayoutWithFrame();
}

void CGTToolBar::OnStartGroup()
{
    const CGTToolbarButton* before = GetButton(m_SelectedIndex - 1);
    if (CustomizeSelection() == nullptr || before == nullptr)
        return;
    if (before->IsSeparator()) {
        if (before->IsVisible())
            RemoveButton(m_SelectedIndex - 1);
    } else if (InsertSeparator(m_SelectedIndex) >= 0) {
        ++m_SelectedIndex;
    }
    AdjustLayout();
}

void CGTToolBar::OnResetButton()
{
    CGTToolbarButton* button = CustomizeSelection();
    if (button == nullptr || ToolOfCommand(button->m_CommandId) != nullptr)
        return;
    int image = -1;
    if (GetDefaultImage(button->m_CommandId, image)) {
        button->m_UserImage = FALSE;
        button->SetImage(image);
        button->m_ShowImage = TRUE;
    } else {
        button->m_ShowImage = FALSE;
    }
    button->m_ShowText = m_MenuMode || !button->m_ShowImage;
    LoadButtonText(*button);
    AdjustLayout();
    GetCommandManager().ClearUserImage(button->m_CommandId);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void CGTToolBar::OnCopyButtonImage()
{
    CGTToolbarButton* button = CustomizeSelection();
    if (button == nullptr)
        return;
    if (CGTUserTool* tool = button->m_UserImage ? nullptr : ToolOfCommand(button->m_CommandId)) {
        tool->CopyIconToClipboard();
        return;
    }
    CGTToolBarImages* strip = button->m_UserImage ? s_UserImages : &GetImages(GTToolBarImageKind::Images);
    if (strip == nullptr)
        return;
    CWaitCursor wait;
    strip->CopyImageToClipboard(button->GetImage());
}

void CGTToolBar::OnNewMenu()
{
    auto button = std::make_unique<CGTToolbarMenuButton>();
    button->m_ShowText = TRUE;
    button->m_ShowImage = FALSE;
    if (!EditButtonAppearance(*button))
        return;
    const int index = InsertButton(button.get(), m_SelectedIndex);
    if (index < 0)
        return;
    CGTToolbarMenuButton* inserted = button.release();
    m_SelectedIndex = index;
    AdjustLayout();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    inserted->OnClick(this, FALSE);
}

BOOL CGTToolBar::UpdateMenuItemState(CGTToolbarButton* iButton, CMenu* iPopup)
{
    const auto grey = [iPopup](UINT iCommand) { iPopup->EnableMenuItem(iCommand, MF_BYCOMMAND | MF_GRAYED); };
    if (!iButton->OnCustomizeMenu(iPopup)) {
        if (iButton->GetImage() < 0)
            grey(ID_GT_CUSTOMIZE_COPY_IMAGE);
        if (iButton->m_CommandId == 0 || iButton->m_CommandId == static_cast<UINT>(-1))
            grey(ID_GT_CUSTOMIZE_RESET);
        if (m_MenuMode)
            iButton->m_ShowText = TRUE;
        const BOOL textBelow = iButton->m_TextBelow && IsHorizontal();
        UINT checked = ID_GT_CUSTOMIZE_TEXT;
        if (!iButton->m_ShowText && !textBelow)
            checked = ID_GT_CUSTOMIZE_IMAGE;
        else if (iButton->m_ShowImage)
            checked = ID_GT_CUSTOMIZE_IMAGE_AND_TEXT;
        iPopup->CheckMenuItem(checked, MF_BYCOMMAND | MF_CHECKED);
        if (textBelow)
            grey(ID_GT_CUSTOMIZE_IMAGE);
        if (m_MenuMode) {
            for (const UINT command : {ID_GT_CUSTOMIZE_IMAGE, ID_GT_CUSTOMIZE_TEXT, ID_GT_CUSTOMIZE_IMAGE_AND_TEXT})
                grey(command);
        }
    }
    const int index = ButtonToIndex(iButton);
    if (index == 0)
        grey(ID_GT_CUSTOMIZE_START_GROUP);
    const CGTToolbarButton* before = GetButton(index - 1);
    if (before != nullptr && before->IsSeparator())
        iPopup->CheckMenuItem(ID_GT_CUSTOMIZE_START_GROUP, MF_BYCOMMAND | MF_CHECKED);
    return TRUE;
}

void CGTToolBar::AdjustGroupSeparator(CGTToolbarButton* iButton, POINT iStart, POINT iEnd)
{
    const int index = ButtonToIndex(iButton);
    const int distance = IsHorizontal() ? iEnd.x - iStart.x : iEnd.y - iStart.y;
    if (index <= 0 || std::abs(distance) < leastSeparatorDrag)
        return;
    const CGTToolbarButton* before = GetButton(index - 1);
    if (distance < 0) {
        if (before->IsSeparator() && before->IsVisible())
            RemoveButton(index - 1);
    } else if (!before->IsSeparator()) {
        InsertSeparator(index);
    }
    AdjustLayout();
    m_SelectedIndex = -1;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}
