// The library's private window messages, their flags and the routing codes of commands.
#pragma once
#include <afxdefs.h>

#define WM_SIZEPARENT 0x0361        // lParam: AFX_SIZEPARENTPARAMS*
#define WM_SETMESSAGESTRING 0x0362  // wParam: string id or 0, lParam: text or 0
#define WM_IDLEUPDATECMDUI 0x0363   // wParam: disable commands without handler
#define WM_INITIALUPDATE 0x0364
#define WM_COMMANDHELP 0x0365
#define WM_HELPHITTEST 0x0366  // lParam: client point; answers a help context
#define WM_EXITHELPMODE 0x0367
#define WM_RECALCPARENT 0x0368
#define WM_SIZECHILD 0x0369
#define WM_KICKIDLE 0x036A  // sent by modal loops while idle; lParam: idle count
#define WM_QUERYCENTERWND 0x036B
#define WM_DISABLEMODAL 0x036C
#define WM_FLOATSTATUS 0x036D  // wParam: FS_ flags
#define WM_ACTIVATETOPLEVEL 0x036E
#define WM_POPMESSAGESTRING 0x0375
#define WM_FORWARDMSG 0x037F

// WM_FLOATSTATUS flags
#define FS_SHOW 0x01
#define FS_HIDE 0x02
#define FS_ACTIVATE 0x04
#define FS_DEACTIVATE 0x08
#define FS_ENABLE 0x10
#define FS_DISABLE 0x20
#define FS_SYNCACTIVE 0x40

// Messages reflected back to the control that sent them: the base plus the message.
#define WM_REFLECT_BASE 0xBC00

// Codes of CCmdTarget::OnCmdMsg: a command, its update, or a control notification
// (its code; MAKELONG(code, WM_NOTIFY) for WM_NOTIFY).
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

// Layout request passed with WM_SIZEPARENT: each bar takes its room from rect.
struct AFX_SIZEPARENTPARAMS {
    HDWP hDWP;       // deferred positions, or none for a query
    RECT rect;       // the room left
    SIZE sizeTotal;  // the room the bars took
    BOOL bStretch;
};

// Extra data of a WM_NOTIFY routed through OnCmdMsg.
struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Whether an object pointer is null, hidden from the optimiser: the Get...Safe... members
// are called on null pointers by design, where the compiler may assume "this" non-null.
inline bool AfxIsNullObject(const void* p)
{
    asm("" : "+r"(p));
    return p == nullptr;
}
