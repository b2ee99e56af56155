#pragma once
#include <guitoolkit/docking/CGTPropertySheet.h>

// The options page where the server's computer is named; applying it reconnects the viewer.
class CPPageServer : public CGTPropertyPage {
public:
    CPPageServer();

    // An empty name is refused and the sheet stays open (FALSE). Any other name, the same one
    // too, is stored, and the document empties its caches and trees and connects again.
    BOOL OnApply() override;

protected:
    void DoDataExchange(CDataExchange* iExchange) override;
    BOOL OnInitDialog() override;
    afx_msg void OnServerNameChanged();
    DECLARE_MESSAGE_MAP()

private:
    CString m_ServerName;
};
