#include <csl/DbQuery/CDbQueryTable.h>

CDbQueryTable::CDbQueryTable(const SmartPtr<IDbQuery>& iPrevious, const std::string& iName, const std::string& iAlias)
    : CDbQuerySource(iPrevious), m_Name(iName), m_Alias(iAlias)
{
}

bool CDbQueryTable::RenderQuery(std::ostream& oText, TDbQueryValues& ioValues) const
{
    RenderPrevious(oText, ioValues);
    oText << m_Name;
    if (!m_Alias.empty())
        oText << " " << m_Alias;
    return true;
}
