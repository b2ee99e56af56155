// The help search box at the right end of the menu bar: an editable combo box that shows a
// prompt while it is empty. It cannot be customized.
#pragma once
#include <guitoolkit/toolbars/CGTToolbarComboBoxButton.h>

class CHelpComboBoxButton : public CGTToolbarComboBoxButton {
    DECLARE_SERIAL(CHelpComboBoxButton)
public:
    CHelpComboBoxButton(UINT iCommandId = 0, int iWidth = 0, LPCWSTR iPrompt = nullptr);

    // The prompt after the combo box's fields.
    void Serialize(CArchive& ioArchive) override;
    void CopyFrom(const CGTToolbarButton& iSource) override;
    BOOL IsCustomizable() const override { return FALSE; }
    CString GetPrompt() const override { return m_Prompt; }

protected:
    CString m_Prompt;
};
