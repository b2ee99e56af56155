#include <guitoolkit/toolbars/CCmdUsageCount.h>
#include <guitoolkit/toolbars/CGTToolBar.h>

IMPLEMENT_SERIAL(CCmdUsageCount, CObject, VERSIONABLE_SCHEMA | 1)

UINT CCmdUsageCount::s_Threshold = 5;

CCmdUsageCount::CCmdUsageCount() : m_Usage(10), m_Total(0) {}

CCmdUsageCount::~CCmdUsageCount() = default;

void CCmdUsageCount::Serialize(CArchive& ioArchive)
{
    if (ioArchive.IsStoring())
        ioArchive << m_Total;
    else
        ioArchive >> m_Total;
    m_Usage.Serialize(ioArchive);
}

void CCmdUsageCount::AddCommand(UINT iCommandId)
{
    if (CGTToolBar::IsCustomizeMode() || iCommandId == 0 || iCommandId == static_cast<UINT>(-1) ||
        CGTToolBar::IsBasicCommand(iCommandId) || CGTToolBar::IsSystemCommand(iCommandId))
        return;
    UINT count = 0;
    m_Usage.Lookup(iCommandId, count);
    m_Usage[iCommandId] = count + 1;
    ++m_Total;
}

void CCmdUsageCount::Reset()
{
    m_Usage.RemoveAll();
    m_Total = 0;
}

void CCmdUsageCount::CopyFrom(const CCmdUsageCount& iOther)
{
    m_Usage.RemoveAll();
    for (POSITION position = iOther.m_Usage.GetStartPosition(); position != nullptr;) {
        UINT command = 0;
        UINT count = 0;
        iOther.m_Usage.GetNextAssoc(position, command, count);
        m_Usage[command] = count;
    }
    m_Total = iOther.m_Total;
}

UINT CCmdUsageCount::GetCount(UINT iCommandId) const
{
    UINT count = 0;
    m_Usage.Lookup(iCommandId, count);
    return count;
}

BOOL CCmdUsageCount::IsFrequentlyUsedCmd(UINT iCommandId) const
{
    if (m_Total == 0)
        return FALSE;
    // Counts near the top of 32 bits overflow when multiplied in 32.
    return static_cast<ULONGLONG>(GetCount(iCommandId)) * 100 / m_Total > s_Threshold;
}

BOOL CCmdUsageCount::HasEnoughInformation() const
{
    return TRUE;
}
