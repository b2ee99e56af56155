// How often each command was used, so that menus can show the recently used commands first
// and hide the rest. The toolbars keep one for the process and store it with their
// parameters: the total, then the map of command to count in the archive's map format.
#pragma once
#include <afxwin.h>
#include <afxtempl.h>

class CCmdUsageCount : public CObject {
    DECLARE_SERIAL(CCmdUsageCount)
public:
    CCmdUsageCount();
    ~CCmdUsageCount() override;

    void Serialize(CArchive& ioArchive) override;

    // Not counted: separators, sub-menu items, the basic commands, system commands and anything
    // used while the toolbars are being customized.
    void AddCommand(UINT iCommandId);
    void Reset();
    void CopyFrom(const CCmdUsageCount& iOther);
    UINT GetCount(UINT iCommandId) const;
    // More than the threshold's share of all counted uses.
    BOOL IsFrequentlyUsedCmd(UINT iCommandId) const;
    BOOL HasEnoughInformation() const;
    UINT GetTotal() const { return m_Total; }

    // A percentage.
    static UINT s_Threshold;

private:
    CMap<UINT, UINT, UINT, UINT> m_Usage;
    UINT m_Total;
};
