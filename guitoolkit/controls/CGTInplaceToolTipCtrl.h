// A small popup that shows the whole text of a cut cell or caption exactly over the place
// where the cut text stands. Mouse input that reaches it goes on to its owner at the same
// point, so the tip never takes a click.
#pragma once
#include <afxwin.h>

class CGTInplaceToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CGTInplaceToolTipCtrl)
public:
    CGTInplaceToolTipCtrl();

    BOOL Create(CWnd* iOwner);
    // Shows the text over the rectangle (screen coordinates), as wide as the text and
    // kept inside the monitor's work area; the same rectangle and text again do nothing.
    void Track(const CRect& iRect, const CString& iText);
    void Hide();
    void Deactivate();
    const CString& GetText() const { return m_Text; }
    const CRect& GetLastRect() const { return m_LastRect; }

    BOOL PreTranslateMessage(MSG* iMessage) override;

protected:
    CFont* GetTipFont() const;

    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    afx_msg void OnPaint();
    afx_msg LRESULT OnSetFont(WPARAM iFont, LPARAM iRedraw);
    DECLARE_MESSAGE_MAP()

    CString m_Text;
    CRect m_LastRect;
    int m_Margin;
    HFONT m_Font;
    CWnd* m_Owner;
};
