// A hyperlink drawn as underlined text on the parent's background; a click opens the link
// through the shell.
#pragma once
#include <guitoolkit/controls/CGTButton.h>

class CGTURLLinkButton : public CGTButton {
    DECLARE_DYNCREATE(CGTURLLinkButton)
public:
    CGTURLLinkButton();

    // Empty: the window text.
    void SetURL(LPCWSTR iLink) { m_Link = iLink; }
    void SetURLPrefix(LPCWSTR iPrefix) { m_Prefix = iPrefix; }
    void SetMultilineText(BOOL iOn = TRUE) { m_MultiLine = iOn; }
    void SetAlwaysUnderlineText(BOOL iOn = TRUE) { m_AlwaysUnderline = iOn; }
    // A click is left to the parent and opens nothing.
    void SetDefaultClickProcessing(BOOL iOn = TRUE) { m_DefaultClickProcessing = iOn; }

    void DrawFocusMark(CDC* iDc, const CRect& iRect) override;
    void DrawContent(CDC* iDc, CRect iRect, UINT iState) override;
    virtual CSize FitToText(BOOL iCenterVertically = FALSE, BOOL iCenterHorizontally = FALSE);
    BOOL PreTranslateMessage(MSG* iMsg) override;

protected:
    afx_msg BOOL OnClicked();
    DECLARE_MESSAGE_MAP()

    CString m_Link;
    CString m_Prefix;
    BOOL m_MultiLine;
    BOOL m_AlwaysUnderline;
    BOOL m_DefaultClickProcessing;
};
