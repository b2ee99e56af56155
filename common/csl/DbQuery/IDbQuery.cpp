#include <csl/DbQuery/IDbQuery.h>

void IDbQuery::WriteJoined(std::ostream& oText, const std::vector<std::string>& iItems, const char* iSeparator)
{
    for (size_t i = 0; i < iItems.size(); ++i) {
        if (i > 0)
            oText << iSeparator;
        oText << iItems[i];
    }
}
