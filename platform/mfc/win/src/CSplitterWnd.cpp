#include "afxsplitter.h"

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)
