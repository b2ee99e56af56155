// CSplitterWnd: a window split into panes. Only its class record is here: code tests
// windows against it, and no window of the system splits itself.
#pragma once
#include "afxwnd.h"

class CSplitterWnd : public CWnd {
    DECLARE_DYNAMIC(CSplitterWnd)
};
