#include "ControlsTestSupport.h"

IMPLEMENT_DYNCREATE(RecordingLook, CGTVisualManager)
