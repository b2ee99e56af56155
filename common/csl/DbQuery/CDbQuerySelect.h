#pragma once
#include <csl/DbQuery/IDbQuery.h>

// The SELECT clause: modifiers such as DISTINCT, then the columns ("*" when there are none).
class CDbQuerySelect : public IDbQuery {
public:
    // Renders as "expression AS alias".
    void AddColumn(const std::string& iExpression, const std::string& iAlias);
    void AddPlainColumn(const std::string& iExpression);
    void AddModifier(const std::string& iWord);

    bool RenderQuery(std::ostream& oText, TDbQueryValues& ioValues) const override;

private:
    std::vector<std::string> m_Modifiers;
    std::vector<std::string> m_Columns;
};
