#include "ToolbarTestSupport.h"

IMPLEMENT_DYNCREATE(RecordingLook, CGTVisualManager)
IMPLEMENT_SERIAL(ForeignThing, CObject, 1)

int ForeignThing::s_Made = 0;
int ForeignThing::s_Deleted = 0;
