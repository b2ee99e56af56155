#pragma once
#include <csl/DbQuery/IDbQuery.h>

class CDbQuery;

// The FROM clause: the head of a chain of tables, sub-queries and joins. Every addition
// makes a new head over the old one, so a copy keeps the chain as it was when copied.
class CDbQueryFrom : public IDbQuery {
public:
    CDbQueryFrom() = default;
    CDbQueryFrom(const CDbQueryFrom& iOther) = default;
    CDbQueryFrom& operator=(const CDbQueryFrom& iOther) = default;

    // Comma list entries; an empty alias is left out.
    void AddTable(const std::string& iName, const std::string& iAlias = std::string());
    void AddSubQuery(const SmartPtr<CDbQuery>& iQuery, const std::string& iAlias = std::string());
    // Joins to what the chain holds so far (there must be something); iKind is the join
    // kind such as "INNER" or "LEFT OUTER".
    void JoinTable(const std::string& iName, const std::string& iCondition, const std::string& iKind,
                   const std::string& iAlias = std::string());
    void JoinSubQuery(const SmartPtr<CDbQuery>& iQuery, const std::string& iCondition, const std::string& iKind,
                      const std::string& iAlias = std::string());

    // Throws EGeneric when the chain is empty: a statement needs a source.
    bool RenderQuery(std::ostream& oText, TDbQueryValues& ioValues) const override;

private:
    void RequireTables(const char* iFunction, int iLine) const;
    void Join(const SmartPtr<IDbQuery>& iRight, const std::string& iCondition, const std::string& iKind);

    SmartPtr<IDbQuery> m_Tables;
};
