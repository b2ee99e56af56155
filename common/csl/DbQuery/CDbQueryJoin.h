#pragma once
#include <csl/DbQuery/IDbQuery.h>

// "(left kind JOIN right ON (condition))": the left side is the chain as it was when the
// join was made, the right side one table or sub-query.
class CDbQueryJoin : public IDbQuery {
public:
    CDbQueryJoin(const SmartPtr<IDbQuery>& iLeft, const SmartPtr<IDbQuery>& iRight, const std::string& iCondition,
                 const std::string& iKind);

    bool RenderQuery(std::ostream& oText, TDbQueryValues& ioValues) const override;

private:
    const SmartPtr<IDbQuery> m_Left;
    const SmartPtr<IDbQuery> m_Right;
    const std::string m_Condition;
    const std::string m_Kind;
};
