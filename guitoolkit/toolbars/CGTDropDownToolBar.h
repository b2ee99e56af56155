// The toolbars of a drop-down button's group. One such bar (usually hidden) holds the group's
// buttons; the pop-up frame of the drop-down button shows a second one that borrows those
// very buttons and their images, never owning them, and runs the command chosen on it. The
// bar that lends its buttons takes no changes while they are shown elsewhere.
#pragma once
#include <guitoolkit/toolbars/CGTToolBar.h>

class CGTDropDownFrame;

class CGTDropDownToolBar : public CGTToolBar {
    DECLARE_SERIAL(CGTDropDownToolBar)
public:
    CGTDropDownToolBar();
    ~CGTDropDownToolBar() override;

    // Always with the bar's own images.
    BOOL LoadBitmapEx(const GTToolBarImageIds& iImageIds, BOOL iLocked) override;
    BOOL LoadToolBarEx(UINT iResourceId, const GTToolBarImageIds& iImageIds, BOOL iLocked) override;
    // Against the bar's own command target.
    void OnUpdateCmdUI(CFrameWnd* iTarget, BOOL iDisableIfNoHandler) override;
    // The pop-up frame's bar runs the chosen command and closes the frame.
    BOOL TakesButtonCommand(CGTToolbarButton* iButton) override;
    // Refused while the buttons are lent or borrowed.
    int InsertButton(CGTToolbarButton* iButton, int iIndex = -1) override;
    BOOL RemoveButton(int iIndex) override;
    void RemoveAllButtons() override;
    BOOL OnRemoveDraggedButton(CGTToolbarButton* iButton) override;
    GTLookBarKind GetLookKind() const override { return GTLookBarKind::DropDownToolbar; }

    // Shows the group bar's buttons and images in this bar of the frame.
    void BorrowButtonsOf(CGTDropDownToolBar& ioGroup, CGTDropDownFrame& iFrame);
    // Gives the borrowed buttons back.
    void ReturnButtons();
    BOOL IsLent() const { return m_Borrower != nullptr; }
    CGTToolBarImages& Images() { return ImagesOf(GTToolBarImageKind::Images); }

protected:
    afx_msg void OnMouseMove(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonUp(UINT iFlags, CPoint iPoint);
    DECLARE_MESSAGE_MAP()

    BOOL IsBorrowing() const { return m_Lender != nullptr; }

    CGTDropDownFrame* m_Frame;
    CGTDropDownToolBar* m_Lender;
    CGTDropDownToolBar* m_Borrower;
};
