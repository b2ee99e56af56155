// Per-thread state of the window side of the library.
#pragma once
#include <algorithm>
#include "afxwin.h"
#include "afxext.h"
#include "afxcmn.h"
#include "afxdlgs.h"

class CDlgControls;

struct AFX_THREAD_STATE {
    CWnd* pWndInit = nullptr;  // the object the next created window belongs to
    HHOOK hHookCbt = nullptr;
    CDlgControls* pDlgControls = nullptr;  // hosted controls of the template window being created
    MSG lastSentMsg = {};                  // the message being handled, for Default()
    CWinThread* pCurrentWinThread = nullptr;
    HWND hLockoutNotifyWindow = nullptr;
    // Tooltips of EnableToolTips.
    CToolTipCtrl* pToolTip = nullptr;
    CWnd* pLastHit = nullptr;
    INT_PTR nLastHit = -1;
    TOOLINFOW lastInfo = {};
    CWnd* pLastInfoWnd = nullptr;
    // Pointer and hit of the last mouse message, for IsIdleMessage.
    POINT ptCursorLast = {-1, -1};
    UINT nMsgLast = 0;
};

AFX_THREAD_STATE* AfxGetThreadState();

// Creates the hosted controls of pWnd's template at WM_INITDIALOG, before OnInitDialog
// exchanges data with them; FALSE when one failed, which fails the window.
BOOL AfxCreateDlgControls(CWnd* pWnd);

// Reports an exception caught at a window or dialog procedure; answers the message's result.
LRESULT AfxProcessWndProcException(CException* e, const MSG* pMsg);

// Offers a command that a dialog or property sheet did not handle to the thread.
BOOL AfxRouteCommandToThread(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

// Runs f() and catches everything it throws: nothing may cross a callback of the system.
template <class F>
LRESULT AfxGuardedCall(const MSG& msg, F f)
{
    try {
        return f();
    } catch (CException* e) {
        LRESULT lResult = AfxProcessWndProcException(e, &msg);
        e->Delete();
        return lResult;
    } catch (const std::exception& e) {
        CForeignException ex(CString(e.what()));
        return AfxProcessWndProcException(&ex, &msg);
    } catch (...) {
        CForeignException ex(L"An unknown exception occurred while a window handled a message.");
        return AfxProcessWndProcException(&ex, &msg);
    }
}
