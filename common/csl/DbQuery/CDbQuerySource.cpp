#include <csl/DbQuery/CDbQuerySource.h>

void CDbQuerySource::RenderPrevious(std::ostream& oText, TDbQueryValues& ioValues) const
{
    if (m_Previous && m_Previous->RenderQuery(oText, ioValues))
        oText << ",";
}
