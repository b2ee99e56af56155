#include <guitoolkit/toolbars/CButtonAppearanceModel.h>
#include <guitoolkit/core/CGTCommandManager.h>
#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <guitoolkit/toolbars/CGTToolBar.h>

namespace {
// The command's image among those the toolbars loaded; -1 for none.
int DefaultImageOf(UINT iCommandId)
{
    int image = -1;
    return CGTToolBar::GetDefaultImage(iCommandId, image) && image >= 0 ? image : -1;
}
}  // namespace

CButtonAppearanceModel::CButtonAppearanceModel(const CGTToolbarButton& iButton, BOOL iHasUserImages,
                                               BOOL iUserImagesReadOnly, BOOL iMenuMode)
    : m_CommandId(iButton.m_CommandId), m_ButtonImage(iButton.GetImage()),
      m_DefaultImage(DefaultImageOf(iButton.m_CommandId)), m_Locked(iButton.IsLocked()),
      m_TextBelow(iButton.m_TextBelow), m_HasUserImages(iHasUserImages), m_UserImagesReadOnly(iUserImagesReadOnly),
      m_MenuMode(iMenuMode), m_Image(iButton.GetImage()), m_ShowImage(iButton.m_ShowImage)
{
    CGTUserToolsManager* tools = CGTUserToolsManager::Current();
    m_UserTool = tools != nullptr && tools->FindToolByCommand(m_CommandId) != nullptr;
    m_UserImageChoice = iButton.m_UserImage || (!m_UserTool && m_DefaultImage < 0);
    if (m_MenuMode && GetCommandManager().IsMenuItemWithoutImage(m_CommandId))
        m_ShowImage = FALSE;
    m_ShowText = m_MenuMode || m_TextBelow || iButton.m_ShowText;
    if (!m_ShowImage)
        m_ShowText = TRUE;
    const int tab = iButton.m_Text.Find(L'\t');
    m_Text = tab < 0 ? iButton.m_Text : iButton.m_Text.Left(tab);
    if (tab >= 0)
        m_Suffix = iButton.m_Text.Mid(tab + 1);
}

void CButtonAppearanceModel::ChooseImageOnly()
{
    m_ShowImage = TRUE;
    m_ShowText = FALSE;
}

void CButtonAppearanceModel::ChooseImageAndText()
{
    m_ShowImage = TRUE;
    m_ShowText = TRUE;
}

void CButtonAppearanceModel::ChooseTextOnly()
{
    m_ShowImage = FALSE;
    m_ShowText = TRUE;
}

void CButtonAppearanceModel::ChooseDefaultImage()
{
    m_Image = m_ButtonImage;
    m_UserImageChoice = FALSE;
}

void CButtonAppearanceModel::ChooseUserImage()
{
    m_Image = -1;
    m_UserImageChoice = TRUE;
}

BOOL CButtonAppearanceModel::IsImageOnlyAllowed() const
{
    return !m_MenuMode && !m_TextBelow && IsImageAndTextAllowed();
}

BOOL CButtonAppearanceModel::IsImageAndTextAllowed() const
{
    // A user tool shows its icon.
    return m_HasUserImages || m_ButtonImage >= 0 || m_UserTool;
}

BOOL CButtonAppearanceModel::IsTextEnabled() const
{
    return m_ShowText && !(m_UserTool && m_MenuMode);
}

BOOL CButtonAppearanceModel::IsImageListEnabled() const
{
    return m_ShowImage && m_HasUserImages && m_UserImageChoice && !m_Locked;
}

BOOL CButtonAppearanceModel::IsNewImageEnabled() const
{
    return IsImageListEnabled() && !m_UserImagesReadOnly;
}

BOOL CButtonAppearanceModel::IsEditImageEnabled() const
{
    return IsNewImageEnabled() && m_Image >= 0;
}

BOOL CButtonAppearanceModel::IsUserImageEnabled() const
{
    return m_ShowImage && m_HasUserImages && !m_Locked;
}

BOOL CButtonAppearanceModel::IsDefaultImageEnabled() const
{
    return m_UserTool || (m_ShowImage && m_DefaultImage >= 0 && !m_Locked);
}

CButtonAppearanceModel::Problem CButtonAppearanceModel::Validate()
{
    if (!m_UserImageChoice)
        m_Image = m_UserTool ? 0 : m_DefaultImage;
    if (m_ShowImage && m_Image < 0)
        return NeedImage;
    if (m_ShowText && m_Text.IsEmpty())
        return NeedText;
    return None;
}

void CButtonAppearanceModel::Apply(CGTToolbarButton& ioButton) const
{
    if (!ioButton.m_TextBelow)
        ioButton.m_ShowText = m_ShowText;
    if (m_MenuMode)
        GetCommandManager().EnableMenuItemImage(m_CommandId, m_ShowImage);
    else
        ioButton.m_ShowImage = m_ShowImage;
    ioButton.m_UserImage = m_UserImageChoice;
    ioButton.SetImage(m_Image);
    ioButton.m_Text = m_Suffix.IsEmpty() ? m_Text : m_Text + L"\t" + m_Suffix;
}
