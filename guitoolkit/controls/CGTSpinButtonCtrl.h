// An up-down control whose two halves the current look draws (flat, hot and pressed);
// position, range and buddy stay the system control's.
#pragma once
#include <afxwin.h>
#include <afxcmn.h>

class CGTSpinButtonCtrl : public CSpinButtonCtrl {
    DECLARE_DYNAMIC(CGTSpinButtonCtrl)
public:
    CGTSpinButtonCtrl();

    BOOL IsUpPressed() const { return m_UpPressed; }
    BOOL IsDownPressed() const { return m_DownPressed; }
    BOOL IsUpHot() const { return m_UpHot; }
    BOOL IsDownHot() const { return m_DownHot; }
    // The look's state bits: 1 up pressed, 2 down pressed, 4 up hot, 8 down hot, 16 disabled.
    int GetDrawState() const;

protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonUp(UINT iFlags, CPoint iPoint);
    afx_msg void OnCancelMode();
    afx_msg void OnMouseMove(UINT iFlags, CPoint iPoint);
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    afx_msg void OnMouseLeave();
    DECLARE_MESSAGE_MAP()

private:
    // The upper half is "up".
    void SplitClient(CRect& oUp, CRect& oDown) const;
    void ClearState();
    void TrackLeave();

    BOOL m_UpPressed;
    BOOL m_DownPressed;
    BOOL m_UpHot;
    BOOL m_DownHot;
    BOOL m_Tracking;
};
