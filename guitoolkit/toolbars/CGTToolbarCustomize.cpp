#include <guitoolkit/toolbars/CGTToolbarCustomize.h>

CGTToolbarCustomize* theActiveCustomizeSheet = nullptr;
