#include <guitoolkit/toolbars/CHelpComboBoxButton.h>

IMPLEMENT_SERIAL(CHelpComboBoxButton, CGTToolbarComboBoxButton, VERSIONABLE_SCHEMA | 1)

CHelpComboBoxButton::CHelpComboBoxButton(UINT iCommandId, int iWidth, LPCWSTR iPrompt)
    : CGTToolbarComboBoxButton(iCommandId, -1, CBS_DROPDOWN, iWidth), m_Prompt(iPrompt != nullptr ? iPrompt : L"")
{
}

void CHelpComboBoxButton::Serialize(CArchive& ioArchive)
{
    CGTToolbarComboBoxButton::Serialize(ioArchive);
    if (ioArchive.IsStoring())
        ioArchive << m_Prompt;
    else
        ioArchive >> m_Prompt;
}

void CHelpComboBoxButton::CopyFrom(const CGTToolbarButton& iSource)
{
    CGTToolbarComboBoxButton::CopyFrom(iSource);
    if (const auto* source = dynamic_cast<const CHelpComboBoxButton*>(&iSource))
        m_Prompt = source->m_Prompt;
}
