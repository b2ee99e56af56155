// Command targets and message maps: the table of handlers each class declares with
// DECLARE_MESSAGE_MAP / BEGIN_MESSAGE_MAP, walked from the most derived class to the
// base, and the command-update record CCmdUI.
//
// An entry holds, beside the keys it matches, a small function generated in the class's
// own BEGIN_MESSAGE_MAP scope that unpacks the message and calls the handler with the
// arguments its signature wants (type-checked by the compiler where the entry is written).
#pragma once
#include <afxobj.h>
#include <afxstr.h>
#include "afxpriv.h"

class CCmdTarget;
class CCmdUI;
class CMenu;
class CWnd;

// The message or command being dispatched to one entry.
struct AFX_MSGCALL {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT nID;        // command id (commands, notifications)
    void* pExtra;    // CCmdUI* for updates, AFX_NOTIFY* for notifications
    LRESULT result;  // the window message's result
};

// Calls the handler; FALSE lets the search go on (the _EX forms and unhandled updates).
typedef BOOL (*AFX_MSGTHUNK)(CCmdTarget* pTarget, AFX_MSGCALL& call);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;             // window message, WM_COMMAND, WM_NOTIFY or reflected base + message
    UINT nCode;                // control notification code (a WORD), 0, or CN_UPDATE_COMMAND_UI
    UINT nID;                  // first command or control id
    UINT nLastID;              // last id of a range
    const UINT* pnRegistered;  // the variable of a registered message (nMessage is then 0xC000)
    AFX_MSGTHUNK pfn;          // null ends the table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP*(PASCAL* pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Filled by OnCmdMsg instead of calling the handler: tells whether one exists.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
    const AFX_MSGMAP_ENTRY* pEntry;
};

#define AFX_MSGMAP_REGISTERED 0xC000
// The classic id of the colour-of-control message; every WM_CTLCOLOR* variant maps to it.
#define AFX_WM_CTLCOLOR 0x0019

#ifndef afx_msg
#define afx_msg
#endif

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget();
    ~CCmdTarget() override;

    // Finds and runs the handler of a command (nCode CN_COMMAND or a control notification
    // code), of its update (CN_UPDATE_COMMAND_UI, pExtra the CCmdUI) or of a notification
    // (MAKELONG(code, WM_NOTIFY), pExtra an AFX_NOTIFY). With pHandlerInfo, only tells
    // whether a handler exists and fills the record.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    // The first entry of this object's maps (most derived first) that matches.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;
    // Runs the handlers that match until one takes the call; FALSE when none did.
    BOOL DispatchToEntries(UINT nMessage, UINT nCode, UINT nID, AFX_MSGCALL& call);

protected:
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

// The state of one user-interface item (menu item, control, bar button) during a command
// update. Derived classes update other kinds of items.
class CCmdUI {
public:
    CCmdUI();
    virtual ~CCmdUI() = default;

    UINT m_nID;
    UINT m_nIndex;      // index of the menu item or bar button
    CMenu* m_pMenu;     // the menu that holds the item, or null
    CMenu* m_pSubMenu;  // the popup the item opens, or null
    CMenu* m_pParentMenu;
    CWnd* m_pOther;  // the control (or bar) that holds the item, or null
    BOOL m_bEnableChanged;
    BOOL m_bContinueRouting;
    UINT m_nIndexMax;  // number of items of the menu or bar

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);  // 0 clear, 1 checked, 2 indeterminate
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCWSTR lpszText);

    // A handler calls it to let the update go on to the next command target.
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks the target to update the item; without a handler that enabled it, the item is
    // disabled when bDisableIfNoHndler is set and no command handler exists.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};

// Answers only whether a command is enabled.
class CTestCmdUI : public CCmdUI {
public:
    CTestCmdUI() { m_bEnabled = TRUE; }
    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetRadio(BOOL) override {}
    void SetText(LPCWSTR) override {}
    BOOL m_bEnabled;
};

// --- Message map declaration -------------------------------------------------------------

#define DECLARE_MESSAGE_MAP()                            \
protected:                                               \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

#define AFX_BEGIN_MESSAGE_MAP_BODY(theClass, baseClass) \
    {                                                   \
        typedef theClass ThisClass;                     \
        typedef baseClass TheBaseClass;                 \
        (void)sizeof(ThisClass*);                       \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define BEGIN_MESSAGE_MAP(theClass, baseClass)        \
    const AFX_MSGMAP* theClass::GetMessageMap() const \
    {                                                 \
        return GetThisMessageMap();                   \
    }                                                 \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap() AFX_BEGIN_MESSAGE_MAP_BODY(theClass, baseClass)

#define BEGIN_TEMPLATE_MESSAGE_MAP(theClass, type_name, baseClass)    \
    template <typename type_name>                                     \
    const AFX_MSGMAP* theClass<type_name>::GetMessageMap() const      \
    {                                                                 \
        return GetThisMessageMap();                                   \
    }                                                                 \
    template <typename type_name>                                     \
    const AFX_MSGMAP* PASCAL theClass<type_name>::GetThisMessageMap() \
        AFX_BEGIN_MESSAGE_MAP_BODY(theClass<type_name>, baseClass)

#define END_MESSAGE_MAP()                                                                         \
    {                                                                                             \
        0, 0, 0, 0, nullptr, nullptr                                                              \
    }                                                                                             \
    }                                                                                             \
    ;                                                                                             \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
    return &messageMap;                                                                           \
    }

// The generated caller: p is the object as the map's class, c the call.
#define AFX_THUNK(...)                                    \
    [](CCmdTarget* pTarget_, AFX_MSGCALL& c) -> BOOL {    \
        ThisClass* p = static_cast<ThisClass*>(pTarget_); \
        (void)p;                                          \
        (void)c;                                          \
        __VA_ARGS__;                                      \
        return TRUE;                                      \
    }
#define AFX_THUNK_EX(...)                                 \
    [](CCmdTarget* pTarget_, AFX_MSGCALL& c) -> BOOL {    \
        ThisClass* p = static_cast<ThisClass*>(pTarget_); \
        (void)p;                                          \
        (void)c;                                          \
        return (__VA_ARGS__) ? TRUE : FALSE;              \
    }
#define AFX_MSG_ENTRY(msg, ...) {(UINT)(msg), 0, 0, 0, nullptr, AFX_THUNK(__VA_ARGS__)},

// --- Commands, updates, notifications ----------------------------------------------------
// Handlers are named as pointers to members: ON_COMMAND(ID_APP_ABOUT, &CMyApp::OnAppAbout).

#define ON_COMMAND(id, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), nullptr, AFX_THUNK((p->*(memberFxn))())},
#define ON_COMMAND_EX(id, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), nullptr, AFX_THUNK_EX((p->*(memberFxn))(c.nID))},
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), nullptr, AFX_THUNK((p->*(memberFxn))(c.nID))},
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), nullptr, AFX_THUNK_EX((p->*(memberFxn))(c.nID))},

#define AFX_UPDATE_THUNK(...)                                        \
    [](CCmdTarget* pTarget_, AFX_MSGCALL& c) -> BOOL {               \
        CCmdUI* pCmdUI = static_cast<CCmdUI*>(c.pExtra);             \
        pCmdUI->m_bContinueRouting = FALSE;                          \
        (static_cast<ThisClass*>(pTarget_)->*(__VA_ARGS__))(pCmdUI); \
        return !pCmdUI->m_bContinueRouting;                          \
    }
// Update entries carry CN_UPDATE_COMMAND_UI as their code, a value no control notification
// (a WORD) can take: a combo box's CBN_ERRSPACE (0xFFFF) must not reach them.
#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
    {WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(id), nullptr, AFX_UPDATE_THUNK(memberFxn)},
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn) \
    {WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(idLast), nullptr, AFX_UPDATE_THUNK(memberFxn)},
#define ON_UPDATE_COMMAND_UI_REFLECT(memberFxn) \
    {WM_REFLECT_BASE + WM_COMMAND, CN_UPDATE_COMMAND_UI, 0, 0, nullptr, AFX_UPDATE_THUNK(memberFxn)},

// Control notifications sent with WM_COMMAND.
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    {WM_COMMAND, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id), nullptr, AFX_THUNK((p->*(memberFxn))())},
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
    {WM_COMMAND, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast), nullptr, AFX_THUNK((p->*(memberFxn))(c.nID))},
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
    {WM_REFLECT_BASE + WM_COMMAND, (UINT)(WORD)(wNotifyCode), 0, 0, nullptr, AFX_THUNK((p->*(memberFxn))())},
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) \
    {WM_REFLECT_BASE + WM_COMMAND, (UINT)(WORD)(wNotifyCode), 0, 0, nullptr, AFX_THUNK_EX((p->*(memberFxn))())},

// WM_NOTIFY notifications.
#define AFX_NOTIFY_ARGS static_cast<AFX_NOTIFY*>(c.pExtra)->pNMHDR, static_cast<AFX_NOTIFY*>(c.pExtra)->pResult
#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
    {WM_NOTIFY,  (UINT)(WORD)(wNotifyCode),   \
     (UINT)(id), (UINT)(id),                  \
     nullptr,    AFX_THUNK((p->*(memberFxn))(AFX_NOTIFY_ARGS))},
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) \
    {WM_NOTIFY,  (UINT)(WORD)(wNotifyCode),                 \
     (UINT)(id), (UINT)(idLast),                            \
     nullptr,    AFX_THUNK((p->*(memberFxn))(c.nID, AFX_NOTIFY_ARGS))},
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) \
    {WM_NOTIFY,  (UINT)(WORD)(wNotifyCode),      \
     (UINT)(id), (UINT)(id),                     \
     nullptr,    AFX_THUNK_EX((p->*(memberFxn))(c.nID, AFX_NOTIFY_ARGS))},
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn) \
    {WM_NOTIFY,  (UINT)(WORD)(wNotifyCode),                    \
     (UINT)(id), (UINT)(idLast),                               \
     nullptr,    AFX_THUNK_EX((p->*(memberFxn))(c.nID, AFX_NOTIFY_ARGS))},
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
    {WM_REFLECT_BASE + WM_NOTIFY,                 \
     (UINT)(WORD)(wNotifyCode),                   \
     0,                                           \
     0,                                           \
     nullptr,                                     \
     AFX_THUNK((p->*(memberFxn))(AFX_NOTIFY_ARGS))},
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn) \
    {WM_REFLECT_BASE + WM_NOTIFY,                    \
     (UINT)(WORD)(wNotifyCode),                      \
     0,                                              \
     0,                                              \
     nullptr,                                        \
     AFX_THUNK_EX((p->*(memberFxn))(AFX_NOTIFY_ARGS))},

// User and registered messages: LRESULT memberFxn(WPARAM, LPARAM).
#define ON_MESSAGE_VOID(message, memberFxn) AFX_MSG_ENTRY(message, (p->*(memberFxn))())
#define ON_MESSAGE(message, memberFxn) AFX_MSG_ENTRY(message, c.result = (p->*(memberFxn))(c.wParam, c.lParam))
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
    {AFX_MSGMAP_REGISTERED, 0, 0, 0, &(nMessageVariable), AFX_THUNK(c.result = (p->*(memberFxn))(c.wParam, c.lParam))},
// Thread messages of a CWinThread: void memberFxn(WPARAM, LPARAM).
#define ON_THREAD_MESSAGE(message, memberFxn) AFX_MSG_ENTRY(message, (p->*(memberFxn))(c.wParam, c.lParam))
#define ON_REGISTERED_THREAD_MESSAGE(nMessageVariable, memberFxn) \
    {AFX_MSGMAP_REGISTERED, 0, 0, 0, &(nMessageVariable), AFX_THUNK((p->*(memberFxn))(c.wParam, c.lParam))},
