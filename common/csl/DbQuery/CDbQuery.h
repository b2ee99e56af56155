#pragma once
#include <csl/DbQuery/CDbQueryFrom.h>
#include <csl/DbQuery/CDbQueryGroup.h>
#include <csl/DbQuery/CDbQueryOrder.h>
#include <csl/DbQuery/CDbQuerySelect.h>
#include <csl/DbQuery/CDbQueryWhere.h>

// A SELECT statement built from its five clauses; renders as one line of SQL with the values
// of its placeholders in text order (those of sub-queries first, then those of WHERE).
class CDbQuery : public IDbQuery {
public:
    CDbQuery();

    CDbQuerySelect& GetSelect() const { return *m_Select; }
    CDbQueryFrom& GetFrom() const { return *m_From; }
    CDbQueryWhere& GetWhere() const { return *m_Where; }
    CDbQueryGroup& GetGroup() const { return *m_Group; }
    CDbQueryOrder& GetOrder() const { return *m_Order; }

    // The expression becomes a column and a GROUP BY entry; with an alias the column reads
    // "expression AS alias" and GROUP BY keeps the bare expression.
    void AddGroupColumn(const std::string& iExpression);
    void AddGroupColumn(const std::string& iExpression, const std::string& iAlias);

    bool RenderQuery(std::ostream& oText, TDbQueryValues& ioValues) const override;

private:
    const SmartPtr<CDbQuerySelect> m_Select;
    const SmartPtr<CDbQueryFrom> m_From;
    const SmartPtr<CDbQueryWhere> m_Where;
    const SmartPtr<CDbQueryGroup> m_Group;
    const SmartPtr<CDbQueryOrder> m_Order;
};
