#include <csl/DbQuery/CDbQueryOrder.h>

bool CDbQueryOrder::RenderQuery(std::ostream& oText, TDbQueryValues&) const
{
    if (IsEmpty())
        return false;
    oText << "ORDER BY ";
    WriteJoined(oText, m_Items, ",");
    return true;
}
