#include <guitoolkit/core/CMenuHash.h>

namespace {
class BusyScope {
public:
    explicit BusyScope(BOOL& busy) : m_busy(busy) { m_busy = TRUE; }
    ~BusyScope() { m_busy = FALSE; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    BOOL& m_busy;
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
