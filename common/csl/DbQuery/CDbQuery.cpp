#include <csl/DbQuery/CDbQuery.h>

CDbQuery::CDbQuery()
    : m_Select(new CDbQuerySelect), m_From(new CDbQueryFrom), m_Where(new CDbQueryWhere), m_Group(new CDbQueryGroup),
      m_Order(new CDbQueryOrder)
{
}

void CDbQuery::AddGroupColumn(const std::string& iExpression)
{
    m_Select->AddPlainColumn(iExpression);
    m_Group->AddColumn(iExpression);
}

void CDbQuery::AddGroupColumn(const std::string& iExpression, const std::string& iAlias)
{
    m_Select->AddColumn(iExpression, iAlias);
    m_Group->AddColumn(iExpression);
}

bool CDbQuery::RenderQuery(std::ostream& oText, TDbQueryValues& ioValues) const
{
    const bool orderFollows = !m_Order->IsEmpty();
    const bool groupFollows = orderFollows || !m_Group->IsEmpty();
    const bool whereFollows = groupFollows || !m_Where->IsEmpty();
    if (m_Select->RenderQuery(oText, ioValues))
        oText << " ";
    if (m_From->RenderQuery(oText, ioValues) && whereFollows)
        oText << " ";
    if (m_Where->RenderQuery(oText, ioValues) && groupFollows)
        oText << " ";
    if (m_Group->RenderQuery(oText, ioValues) && orderFollows)
        oText << " ";
    m_Order->RenderQuery(oText, ioValues);
    return true;
}
