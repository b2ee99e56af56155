// A scrollable grid of image buttons from which the user picks one image (the button
// appearance dialog's user images). It owns its buttons; a new selection is told to the
// parent as a click of the list.
#pragma once
#include <afxwin.h>
#include <memory>
#include <vector>

class CGTToolBarImages;
class CGTToolbarButton;

class CButtonsList : public CButton {
public:
    CButtonsList();
    ~CButtonsList() override;

    // The strip the buttons draw from; the buttons' size follows its images.
    void SetImages(CGTToolBarImages* iImages);
    // The list takes the button.
    void AddButton(CGTToolbarButton* iButton);
    void RemoveAllButtons();
    int GetCount() const { return static_cast<int>(m_Buttons.size()); }
    CGTToolbarButton* GetButton(int iIndex) const;
    // Null clears the selection.
    void SelectButton(CGTToolbarButton* iButton);
    // The button showing that image; a negative image clears the selection. FALSE when none
    // shows it.
    BOOL SelectButtonByID(int iImage);
    CGTToolbarButton* GetSelectedButton() const { return m_Selected; }
    CSize GetButtonSize() const { return m_ButtonSize; }
    int GetScrollOffset() const { return m_ScrollOffset; }
    int GetScrollMax() const { return m_ScrollMax; }
    int GetRowsPerPage() const { return m_RowsPerPage; }
    CScrollBar* GetScrollBar() { return m_ScrollBar.GetSafeHwnd() != nullptr ? &m_ScrollBar : nullptr; }

    void DrawItem(LPDRAWITEMSTRUCT iDrawItem) override;

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    afx_msg void OnLButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg void OnKeyDown(UINT iKey, UINT iRepeat, UINT iFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnVScroll(UINT iCode, UINT iPosition, CScrollBar* iBar);
    afx_msg void OnSysColorChange();
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    DECLARE_MESSAGE_MAP()

private:
    // Places the buttons in rows and shows the scroll bar when they do not fit.
    void RebuildLocations();
    int RowPitch() const { return m_ButtonSize.cy + 5; }
    // The area the buttons are drawn in: the client area less the scroll bar.
    CRect ButtonArea() const;
    int IndexOf(const CGTToolbarButton* iButton) const;
    void InvalidateButton(const CGTToolbarButton* iButton);
    void ScrollTo(int iOffset);
    void EnsureVisible(const CGTToolbarButton* iButton);

    std::vector<std::unique_ptr<CGTToolbarButton>> m_Buttons;
    CGTToolBarImages* m_Images;
    CGTToolbarButton* m_Selected;
    CSize m_ButtonSize;
    int m_ScrollOffset;
    int m_ScrollMax;
    int m_RowsPerPage;
    CScrollBar m_ScrollBar;
};
