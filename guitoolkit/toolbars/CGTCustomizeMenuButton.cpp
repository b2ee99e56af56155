#include <guitoolkit/toolbars/CGTCustomizeMenuButton.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/CGTPopupMenuBar.h>
#include <guitoolkit/toolbars/GTCommandText.h>

IMPLEMENT_SERIAL(CGTCustomizeMenuButton, CGTToolbarMenuButton, VERSIONABLE_SCHEMA | 1)

CGTToolBar* CGTCustomizeMenuButton::s_Toolbar = nullptr;

namespace {
const int separatorHeight = 4;
}  // namespace

CGTCustomizeMenuButton::CGTCustomizeMenuButton()
    : m_SeparatorItem(FALSE), m_RowItem(FALSE), m_Index(-1), m_Checked(FALSE), m_Present(FALSE), m_Group(FALSE),
      m_Enabled(TRUE)
{
}

CGTCustomizeMenuButton::CGTCustomizeMenuButton(UINT iCommandId, HMENU iMenu, int iImage, LPCWSTR iText, BOOL iUserImage)
    : CGTToolbarMenuButton(iCommandId, iMenu, iImage, iText, iUserImage), m_SeparatorItem(FALSE), m_RowItem(FALSE),
      m_Index(-1), m_Checked(FALSE), m_Present(FALSE), m_Group(FALSE), m_Enabled(TRUE)
{
}

void CGTCustomizeMenuButton::CopyFrom(const CGTToolbarButton& iSource)
{
    CGTToolbarButton::CopyFrom(iSource);
    const auto* source = dynamic_cast<const CGTCustomizeMenuButton*>(&iSource);
    if (source == nullptr)
        return;
    m_Index = source->m_Index;
    m_Checked = source->m_Checked;
    m_SeparatorItem = source->m_SeparatorItem;
    m_Present = source->m_Present;
    m_Group = source->m_Group;
    m_Enabled = source->m_Enabled;
    m_RowItem = source->m_RowItem;
}

void CGTCustomizeMenuButton::SetItem(int iIndex, BOOL iPresent, BOOL iGroup)
{
    m_Index = iIndex;
    m_Present = iPresent;
    m_Group = iGroup;
    m_Checked = FALSE;
    if (s_Toolbar == nullptr)
        return;
    if (iIndex == s_ResetItem) {
        m_Enabled = !s_Toolbar->IsOriginalState();
        return;
    }
    const CGTToolbarButton* button = s_Toolbar->GetButton(iIndex);
    if (!m_SeparatorItem && iPresent && button != nullptr)
        m_Checked = button->IsVisible();
}

CGTPopupMenuBar* CGTCustomizeMenuButton::ParentMenuBar() const
{
    return DYNAMIC_DOWNCAST(CGTPopupMenuBar, m_ParentBar);
}

// --- Size and drawing ---

CSize CGTCustomizeMenuButton::CalcSize(CDC* iDc, const CSize& iDefaultSize, BOOL iHorizontal)
{
    if (m_SeparatorItem)
        return CSize(0, separatorHeight);
    if (m_RowItem)
        return CGTToolbarMenuButton::CalcSize(iDc, iDefaultSize, iHorizontal);
    if (m_Text.IsEmpty())
        m_Text = GetCommandText(m_CommandId);
    const int margin = CGTVisualManager::GetCurrent()->GetMenuImageMargin();
    const CSize size = CGTToolbarMenuButton::CalcSize(iDc, iDefaultSize, iHorizontal);
    TEXTMETRICW metrics = {};
    iDc->GetTextMetrics(&metrics);
    const int width =
        metrics.tmAveCharWidth * m_Text.GetLength() + 2 * CGTToolBar::GetMenuImageSize().cx + 3 * margin + 50;
    return CSize(width, size.cy + (ParentMenuBar() == nullptr ? margin : 0));
}

void CGTCustomizeMenuButton::OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages* iImages, BOOL iHorizontal,
                                    BOOL iCustomizeMode, BOOL iHighlight, BOOL iDrawBorder, BOOL iGrayDisabled)
{
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    if (m_SeparatorItem) {
        CRect line = iRect;
        line.left += CGTToolBar::GetMenuImageSize().cx + 2 * look->GetMenuImageMargin() + 2;
        look->DrawSeparator(iDc, m_ParentBar, line, FALSE);
        return;
    }
    if (m_RowItem) {
        CGTToolbarMenuButton::OnDraw(iDc, iRect, iImages, iHorizontal, iCustomizeMode, iHighlight, iDrawBorder,
                                     iGrayDisabled);
        return;
    }
    // A menu row whose check stands for the button's visibility; the reset item has no image.
    const UINT style = m_Style;
    const int image = m_Image;
    m_Style &= ~(TBBS_CHECKED | TBBS_DISABLED);
    if (m_Checked)
        m_Style |= TBBS_CHECKED;
    if (!m_Enabled)
        m_Style |= TBBS_DISABLED;
    if (m_Index == s_ResetItem)
        m_Image = -1;
    DrawMenuItem(iDc, iRect, FALSE, iHighlight && m_Enabled);
    m_Style = style;
    m_Image = image;
}

// --- Clicks ---

BOOL CGTCustomizeMenuButton::OnClickMenuItem()
{
    if (m_SeparatorItem || !m_Enabled || s_Toolbar == nullptr)
        return TRUE;
    if (CGTPopupMenuBar* bar = ParentMenuBar()) {
        bar->SetHotButton(this);
        bar->Invalidate();
    }
    if (m_RowItem) {
        CGTToolBar* bar = s_Toolbar;
        OnCloseParentPopups();
        if (bar->IsOneRowWithSibling())
            bar->SetTwoRowsWithSibling();
        else
            bar->SetOneRowWithSibling();
        return TRUE;
    }
    if (m_Index == s_ResetItem) {
        s_Toolbar->PostMessage(GTTOOLBAR_RESETPROMPT);
        OnCloseParentPopups();
        return TRUE;
    }
    if (m_Present)
        ToggleButton();
    else
        PutButtonBack();
    return TRUE;
}

void CGTCustomizeMenuButton::ToggleButton()
{
    CGTToolbarButton* button = s_Toolbar->GetButton(m_Index);
    if (button == nullptr)
        return;
    button->SetVisible(!button->IsVisible());
    m_Checked = button->IsVisible();
    if (CGTToolbarButton* next = s_Toolbar->GetButton(m_Index + 1); next != nullptr && next->IsSeparator())
        next->SetVisible(button->IsVisible());
    RefreshToolbar();
}

void CGTCustomizeMenuButton::PutButtonBack()
{
    const CObList& original = s_Toolbar->GetOriginalButtons();
    if (m_Index < 0 || m_Index >= original.GetCount())
        return;
    const auto* button = static_cast<const CGTToolbarButton*>(original.GetAt(original.FindIndex(m_Index)));
    int at = s_Toolbar->InsertButtonCopy(*button, m_Index);
    if (at >= 0) {
        // The items of the buttons after it name their new places.
        CGTPopupMenuBar* bar = ParentMenuBar();
        for (int index = 0; bar != nullptr && index < bar->GetButtonCount(); ++index) {
            auto* item = dynamic_cast<CGTCustomizeMenuButton*>(bar->GetButton(index));
            if (item != nullptr && item != this && item->m_Present && item->m_Index != s_ResetItem &&
                item->m_Index >= at)
                ++item->m_Index;
        }
    } else {
        at = s_Toolbar->InsertButtonCopy(*button);
    }
    if (at < 0)
        return;
    m_Index = at;
    const CGTToolbarButton* next = s_Toolbar->GetButton(at + 1);
    if (m_Group && (next == nullptr || !next->IsSeparator()))
        s_Toolbar->InsertSeparator(at + 1);
    m_Present = TRUE;
    m_Checked = TRUE;
    RefreshToolbar();
}

void CGTCustomizeMenuButton::RefreshToolbar()
{
    CGTPopupMenuBar* bar = ParentMenuBar();
    CGTPopupMenu* outermost = bar != nullptr ? bar->GetParentPopup() : nullptr;
    while (outermost != nullptr && outermost->GetParentPopup() != nullptr)
        outermost = outermost->GetParentPopup();
    const BOOL hide = outermost != nullptr && outermost->GetSafeHwnd() != nullptr;
    if (hide)
        outermost->ShowWindow(SW_HIDE);
    if (s_Toolbar->GetSafeHwnd() != nullptr) {
        s_Toolbar->AdjustLayout();
        if (CGTToolbarButton* customize = s_Toolbar->GetCustomizeButton())
            s_Toolbar->InvalidateButton(s_Toolbar->ButtonToIndex(customize));
    }
    if (bar != nullptr && bar->GetSafeHwnd() != nullptr)
        bar->Invalidate();
    if (hide) {
        outermost->ShowWindow(SW_SHOWNOACTIVATE);
        const CRect screen = outermost->GetScreenRect();
        outermost->UpdateShadow(&screen);
    }
}
