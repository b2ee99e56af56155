#pragma once
#include <csl/DbQuery/CDbQuerySource.h>

class CDbQuery;

// A nested query of a FROM chain: "(query)" or "(query) alias". It holds the query by
// reference, so the query is complete before it is added.
class CDbSubQuery : public CDbQuerySource {
public:
    CDbSubQuery(const SmartPtr<IDbQuery>& iPrevious, const SmartPtr<CDbQuery>& iQuery, const std::string& iAlias);

    bool RenderQuery(std::ostream& oText, TDbQueryValues& ioValues) const override;

private:
    const SmartPtr<CDbQuery> m_Query;
    const std::string m_Alias;
};
