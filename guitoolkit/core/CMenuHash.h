// The process's store of the button sets that menu bars and popup menus showed for each
// menu handle, kept in temporary files so that customised menus survive being rebuilt.
// While it serialises a bar it is busy: the button serialisers then write and read all
// their version-dependent fields, whatever the workspace's data version.
#pragma once
#include <afxwin.h>

class CMenuHash {
public:
    CMenuHash() = default;
    virtual ~CMenuHash() = default;
    CMenuHash(const CMenuHash&) = delete;
    CMenuHash& operator=(const CMenuHash&) = delete;

    BOOL IsBusy() const { return m_Busy; }
    // The bar's Serialize, busy while it runs; busy ends however the bar's part ends (its
    // exceptions pass on).
    void SerializeBar(CObject& ioBar, CArchive& ioArchive);

    static CMenuHash& Instance();

private:
    BOOL m_Busy = FALSE;
};
