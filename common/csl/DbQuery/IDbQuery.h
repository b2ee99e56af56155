#pragma once
#include <csl/SmartPtr.h>

#include <comutil.h>

#include <list>
#include <ostream>
#include <string>
#include <vector>

// The values of a statement's "?" placeholders, in the order of the placeholders.
typedef std::list<_variant_t> TDbQueryValues;

// A part of a SELECT statement that renders itself as SQL text.
class IDbQuery : public virtual SmartPtrObj {
public:
    // Writes the part's text and appends its bound values in placeholder order; true when
    // it wrote something.
    virtual bool RenderQuery(std::ostream& oText, TDbQueryValues& ioValues) const = 0;

protected:
    static void WriteJoined(std::ostream& oText, const std::vector<std::string>& iItems, const char* iSeparator);
};
