#pragma once
#include <csl/DbQuery/IDbQuery.h>

// A node of a FROM chain that follows the previous node of a comma list (which may be
// empty). Nodes never change once made, so copies of a chain keep rendering as they were.
class CDbQuerySource : public IDbQuery {
protected:
    explicit CDbQuerySource(const SmartPtr<IDbQuery>& iPrevious) : m_Previous(iPrevious) {}

    // The previous node's text followed by ",", when it wrote any.
    void RenderPrevious(std::ostream& oText, TDbQueryValues& ioValues) const;

private:
    const SmartPtr<IDbQuery> m_Previous;
};
