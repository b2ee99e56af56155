#include <csl/DbQuery/CDbQueryGroup.h>

bool CDbQueryGroup::RenderQuery(std::ostream& oText, TDbQueryValues&) const
{
    if (IsEmpty())
        return false;
    oText << "GROUP BY ";
    WriteJoined(oText, m_Items, ",");
    return true;
}
