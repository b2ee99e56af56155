#pragma once
#include <csl/DbQuery/IDbQuery.h>

// A clause made of a list of expressions; renders nothing while the list is empty.
class CDbQueryList : public IDbQuery {
public:
    virtual bool IsEmpty() const { return m_Items.empty(); }

protected:
    std::vector<std::string> m_Items;
};
