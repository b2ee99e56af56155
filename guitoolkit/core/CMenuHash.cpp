#include <guitoolkit/core/CMenuHash.h>

namespace {
class BusyScope {
public:
    explicit BusyScope(BOOL& busy) : m_Busy(busy) { m_Busy = TRUE; }
    ~BusyScope() { m_Busy = FALSE; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    BOOL& m_Busy;
};
}  // namespace

CMenuHash& CMenuHash::Instance()
{
    static CMenuHash hash;
    return hash;
}

void CMenuHash::SerializeBar(CObject& ioBar, CArchive& ioArchive)
{
    BusyScope busy(m_Busy);
    ioBar.Serialize(ioArchive);
}
