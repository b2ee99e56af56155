// The popup that a colour menu button or a colour cell drops down: a toolkit popup menu
// whose bar is a colour bar.
#pragma once
#include <guitoolkit/controls/CGTColorBar.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>

class CColorPopup : public CGTPopupMenu {
    DECLARE_DYNAMIC(CColorPopup)
public:
    // iReceiver: the control the popup opens for; null for a colour menu button's popup.
    explicit CColorPopup(const GTColorBarSettings& iSettings, IGTColorReceiver* iReceiver = nullptr);
    ~CColorPopup() override;

    CGTColorBar& GetColorBar() { return m_ColorBar; }
    // A free colour bar copied from this one, with the menu button's command.
    CGTToolBar* CreateTearOffBar(CWnd* iParent, UINT iId, LPCWSTR iName) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    DECLARE_MESSAGE_MAP()

private:
    CGTColorBar m_ColorBar;
};
