// Extensions: control bars, mini-frames, toolbar resources and splitter windows.
#pragma once
#include "afxwin.h"
#include "afxtoolbarres.h"
#include "afxsplitter.h"
