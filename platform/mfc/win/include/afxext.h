// Extensions: control bars, mini-frames, toolbar resources, splitter windows and print
// preview.
#pragma once
#include "afxwin.h"
#include "afxtoolbarres.h"
#include "afxsplitter.h"
#include "afxpreview.h"
