// The toolkit's hand cursor over clickable texts and captions, loaded once.
#pragma once
#include <afxwin.h>

HCURSOR GTHandCursor();
