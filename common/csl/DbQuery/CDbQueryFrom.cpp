#include <csl/DbQuery/CDbQueryFrom.h>

#include <csl/DbQuery/CDbQueryJoin.h>
#include <csl/DbQuery/CDbQueryTable.h>
#include <csl/DbQuery/CDbSubQuery.h>
#include <csl/EGeneric.h>

void CDbQueryFrom::AddTable(const std::string& iName, const std::string& iAlias)
{
    m_Tables = new CDbQueryTable(m_Tables, iName, iAlias);
}

void CDbQueryFrom::AddSubQuery(const SmartPtr<CDbQuery>& iQuery, const std::string& iAlias)
{
    m_Tables = new CDbSubQuery(m_Tables, iQuery, iAlias);
}

void CDbQueryFrom::JoinTable(const std::string& iName, const std::string& iCondition, const std::string& iKind,
                             const std::string& iAlias)
{
    RequireTables("CDbQueryFrom::JoinTable", __LINE__);
    Join(new CDbQueryTable(nullptr, iName, iAlias), iCondition, iKind);
}

void CDbQueryFrom::JoinSubQuery(const SmartPtr<CDbQuery>& iQuery, const std::string& iCondition,
                                const std::string& iKind, const std::string& iAlias)
{
    RequireTables("CDbQueryFrom::JoinSubQuery", __LINE__);
    Join(new CDbSubQuery(nullptr, iQuery, iAlias), iCondition, iKind);
}

bool CDbQueryFrom::RenderQuery(std::ostream& oText, TDbQueryValues& ioValues) const
{
    RequireTables("CDbQueryFrom::RenderQuery", __LINE__);
    oText << "FROM ";
    return m_Tables->RenderQuery(oText, ioValues);
}

void CDbQueryFrom::Join(const SmartPtr<IDbQuery>& iRight, const std::string& iCondition, const std::string& iKind)
{
    m_Tables = new CDbQueryJoin(m_Tables, iRight, iCondition, iKind);
}

void CDbQueryFrom::RequireTables(const char* iFunction, int iLine) const
{
    if (m_Tables)
        return;
    throw EGeneric({TNamedValue("Text", "Condition not meet"), TNamedValue("Condition", "Tables != NULL"),
                    TNamedValue("SourceFile", __FILE__), TNamedValue("SourceLine", iLine),
                    TNamedValue("SourceFunction", iFunction), TNamedValue("This", GetDescription())});
}
