#include <csl/DbQuery/CDbSubQuery.h>

#include <csl/DbQuery/CDbQuery.h>

CDbSubQuery::CDbSubQuery(const SmartPtr<IDbQuery>& iPrevious, const SmartPtr<CDbQuery>& iQuery,
                         const std::string& iAlias)
    : CDbQuerySource(iPrevious), m_Query(iQuery), m_Alias(iAlias)
{
}

bool CDbSubQuery::RenderQuery(std::ostream& oText, TDbQueryValues& ioValues) const
{
    RenderPrevious(oText, ioValues);
    oText << "(";
    m_Query->RenderQuery(oText, ioValues);
    oText << ")";
    if (!m_Alias.empty())
        oText << " " << m_Alias;
    return true;
}
