#include "ViewerLog.h"

#include <csl/TDebugStream.h>

namespace {

const int kSqlCategory = 'D' - 'A';

}  // namespace

void SetUpViewerLog()
{
    DebugLog().SetCategory(kSqlCategory, true);
    DebugLog().RemoveAllWriters();
}
