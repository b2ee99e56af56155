// The small borderless frame a drop-down button opens beside itself: a bar of the group's
// buttons in one row (beside a vertical bar) or one column (under a horizontal bar), kept on
// the screen's work area. It never takes the activation, and closes when the application
// loses it; it deletes itself when its window goes.
#pragma once
#include <guitoolkit/toolbars/CGTDropDownToolBar.h>

class CGTDropDownToolbarButton;

class CGTDropDownFrame : public CMiniFrameWnd {
public:
    explicit CGTDropDownFrame(CGTDropDownToolbarButton* iButton);
    ~CGTDropDownFrame() override;

    // At (iX, iY) on the screen; both -1: the parent's client origin + (5, 5).
    BOOL Create(CWnd* iParent, int iX, int iY, CGTDropDownToolBar* iGroup);
    void RecalcLayout(BOOL iNotify = TRUE) override;
    CGTDropDownToolBar& GetBar() { return m_Bar; }
    CGTDropDownToolbarButton* GetButton() const { return m_Button; }
    // The button goes before the frame.
    void ForgetButton() { m_Button = nullptr; }

protected:
    void PostNcDestroy() override;
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    afx_msg void OnPaint();
    afx_msg int OnMouseActivate(CWnd* iTopParent, UINT iHitTest, UINT iMessage);
    afx_msg void OnActivateApp(BOOL iActive, DWORD iThreadId);
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    // The buttons stand in a column under a horizontal bar.
    BOOL IsColumn() const;

    CGTDropDownToolbarButton* m_Button;
    CGTDropDownToolBar m_Bar;
    CGTDropDownToolBar* m_Group;
    CPoint m_Position;
};
