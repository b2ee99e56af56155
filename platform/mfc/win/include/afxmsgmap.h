// The window-message entries of message maps (ON_WM_...). Each calls the handler of the
// conventional name and signature with the message's arguments unpacked.
#pragma once
#include "afxcmdtarget.h"

#define AFX_PT(lp) CPoint((short)LOWORD(lp), (short)HIWORD(lp))
#define AFX_WND(h) CWnd::FromHandle((HWND)(h))

// Creation and destruction
#define ON_WM_CREATE() AFX_MSG_ENTRY(WM_CREATE, c.result = p->OnCreate((LPCREATESTRUCT)c.lParam))
#define ON_WM_NCCREATE() AFX_MSG_ENTRY(WM_NCCREATE, c.result = p->OnNcCreate((LPCREATESTRUCT)c.lParam))
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, p->OnDestroy())
#define ON_WM_NCDESTROY() AFX_MSG_ENTRY(WM_NCDESTROY, p->OnNcDestroy())
#define ON_WM_CLOSE() AFX_MSG_ENTRY(WM_CLOSE, p->OnClose())
#define ON_WM_QUERYENDSESSION() AFX_MSG_ENTRY(WM_QUERYENDSESSION, c.result = p->OnQueryEndSession())
#define ON_WM_ENDSESSION() AFX_MSG_ENTRY(WM_ENDSESSION, p->OnEndSession((BOOL)c.wParam))

// Geometry and state
#define ON_WM_MOVE() AFX_MSG_ENTRY(WM_MOVE, p->OnMove((short)LOWORD(c.lParam), (short)HIWORD(c.lParam)))
#define ON_WM_SIZE() AFX_MSG_ENTRY(WM_SIZE, p->OnSize((UINT)c.wParam, (short)LOWORD(c.lParam), (short)HIWORD(c.lParam)))
#define ON_WM_SIZING() AFX_MSG_ENTRY(WM_SIZING, p->OnSizing((UINT)c.wParam, (LPRECT)c.lParam); c.result = TRUE)
#define ON_WM_MOVING() AFX_MSG_ENTRY(WM_MOVING, p->OnMoving((UINT)c.wParam, (LPRECT)c.lParam); c.result = TRUE)
#define ON_WM_GETMINMAXINFO() AFX_MSG_ENTRY(WM_GETMINMAXINFO, p->OnGetMinMaxInfo((MINMAXINFO*)c.lParam))
#define ON_WM_WINDOWPOSCHANGING() AFX_MSG_ENTRY(WM_WINDOWPOSCHANGING, p->OnWindowPosChanging((WINDOWPOS*)c.lParam))
#define ON_WM_WINDOWPOSCHANGED() AFX_MSG_ENTRY(WM_WINDOWPOSCHANGED, p->OnWindowPosChanged((WINDOWPOS*)c.lParam))
#define ON_WM_ENTERSIZEMOVE() AFX_MSG_ENTRY(WM_ENTERSIZEMOVE, p->OnEnterSizeMove())
#define ON_WM_EXITSIZEMOVE() AFX_MSG_ENTRY(WM_EXITSIZEMOVE, p->OnExitSizeMove())
#define ON_WM_SHOWWINDOW() AFX_MSG_ENTRY(WM_SHOWWINDOW, p->OnShowWindow((BOOL)c.wParam, (UINT)c.lParam))
#define ON_WM_ENABLE() AFX_MSG_ENTRY(WM_ENABLE, p->OnEnable((BOOL)c.wParam))
#define ON_WM_STYLECHANGED() AFX_MSG_ENTRY(WM_STYLECHANGED, p->OnStyleChanged((int)c.wParam, (LPSTYLESTRUCT)c.lParam))
#define ON_WM_STYLECHANGING() \
    AFX_MSG_ENTRY(WM_STYLECHANGING, p->OnStyleChanging((int)c.wParam, (LPSTYLESTRUCT)c.lParam))
#define ON_WM_CHILDACTIVATE() AFX_MSG_ENTRY(WM_CHILDACTIVATE, p->OnChildActivate())

// Activation and focus
#define ON_WM_ACTIVATE() \
    AFX_MSG_ENTRY(WM_ACTIVATE, p->OnActivate(LOWORD(c.wParam), AFX_WND(c.lParam), (BOOL)HIWORD(c.wParam)))
#define ON_WM_ACTIVATEAPP() AFX_MSG_ENTRY(WM_ACTIVATEAPP, p->OnActivateApp((BOOL)c.wParam, (DWORD)c.lParam))
#define ON_WM_MOUSEACTIVATE()       \
    AFX_MSG_ENTRY(WM_MOUSEACTIVATE, \
                  c.result = p->OnMouseActivate(AFX_WND(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam)))
#define ON_WM_SETFOCUS() AFX_MSG_ENTRY(WM_SETFOCUS, p->OnSetFocus(AFX_WND(c.wParam)))
#define ON_WM_KILLFOCUS() AFX_MSG_ENTRY(WM_KILLFOCUS, p->OnKillFocus(AFX_WND(c.wParam)))
#define ON_WM_CAPTURECHANGED() AFX_MSG_ENTRY(WM_CAPTURECHANGED, p->OnCaptureChanged(AFX_WND(c.lParam)))
#define ON_WM_CANCELMODE() AFX_MSG_ENTRY(WM_CANCELMODE, p->OnCancelMode())
#define ON_WM_MDIACTIVATE()       \
    AFX_MSG_ENTRY(WM_MDIACTIVATE, \
                  p->OnMDIActivate((HWND)c.lParam == p->GetSafeHwnd(), AFX_WND(c.lParam), AFX_WND(c.wParam)))

// Painting
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, p->OnPaint())
#define ON_WM_ERASEBKGND() AFX_MSG_ENTRY(WM_ERASEBKGND, c.result = p->OnEraseBkgnd(CDC::FromHandle((HDC)c.wParam)))
#define ON_WM_ICONERASEBKGND() AFX_MSG_ENTRY(WM_ICONERASEBKGND, p->OnIconEraseBkgnd(CDC::FromHandle((HDC)c.wParam)))
#define ON_WM_SYSCOLORCHANGE() AFX_MSG_ENTRY(WM_SYSCOLORCHANGE, p->OnSysColorChange())
#define ON_WM_SETTINGCHANGE() AFX_MSG_ENTRY(WM_SETTINGCHANGE, p->OnSettingChange((UINT)c.wParam, (LPCWSTR)c.lParam))
#define ON_WM_FONTCHANGE() AFX_MSG_ENTRY(WM_FONTCHANGE, p->OnFontChange())
#define ON_WM_THEMECHANGED() AFX_MSG_ENTRY(WM_THEMECHANGED, c.result = p->OnThemeChanged())
#define ON_WM_QUERYNEWPALETTE() AFX_MSG_ENTRY(WM_QUERYNEWPALETTE, c.result = p->OnQueryNewPalette())
#define ON_WM_PALETTECHANGED() AFX_MSG_ENTRY(WM_PALETTECHANGED, p->OnPaletteChanged(AFX_WND(c.wParam)))
#define ON_WM_PALETTEISCHANGING() AFX_MSG_ENTRY(WM_PALETTEISCHANGING, p->OnPaletteIsChanging(AFX_WND(c.wParam)))
#define ON_WM_QUERYDRAGICON() AFX_MSG_ENTRY(WM_QUERYDRAGICON, c.result = (LRESULT)p->OnQueryDragIcon())
#define ON_WM_CTLCOLOR()                                                                               \
    AFX_MSG_ENTRY(AFX_WM_CTLCOLOR,                                                                     \
                  c.result = (LRESULT)p->OnCtlColor(CDC::FromHandle((HDC)c.wParam), AFX_WND(c.lParam), \
                                                    c.message - WM_CTLCOLORMSGBOX))

// Non-client area
#define ON_WM_NCCALCSIZE() AFX_MSG_ENTRY(WM_NCCALCSIZE, p->OnNcCalcSize((BOOL)c.wParam, (NCCALCSIZE_PARAMS*)c.lParam))
#define ON_WM_NCHITTEST() AFX_MSG_ENTRY(WM_NCHITTEST, c.result = p->OnNcHitTest(AFX_PT(c.lParam)))
#define ON_WM_NCPAINT() AFX_MSG_ENTRY(WM_NCPAINT, p->OnNcPaint())
#define ON_WM_NCACTIVATE() AFX_MSG_ENTRY(WM_NCACTIVATE, c.result = p->OnNcActivate((BOOL)c.wParam))
#define AFX_NC_MOUSE(msg, fn) AFX_MSG_ENTRY(msg, p->fn((UINT)c.wParam, AFX_PT(c.lParam)))
#define ON_WM_NCMOUSEMOVE() AFX_NC_MOUSE(WM_NCMOUSEMOVE, OnNcMouseMove)
#define ON_WM_NCLBUTTONDOWN() AFX_NC_MOUSE(WM_NCLBUTTONDOWN, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_NC_MOUSE(WM_NCLBUTTONUP, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_NC_MOUSE(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() AFX_NC_MOUSE(WM_NCRBUTTONDOWN, OnNcRButtonDown)
#define ON_WM_NCRBUTTONUP() AFX_NC_MOUSE(WM_NCRBUTTONUP, OnNcRButtonUp)
#define ON_WM_NCRBUTTONDBLCLK() AFX_NC_MOUSE(WM_NCRBUTTONDBLCLK, OnNcRButtonDblClk)
#define ON_WM_NCMBUTTONDOWN() AFX_NC_MOUSE(WM_NCMBUTTONDOWN, OnNcMButtonDown)
#define ON_WM_NCMBUTTONUP() AFX_NC_MOUSE(WM_NCMBUTTONUP, OnNcMButtonUp)
#define ON_WM_NCMBUTTONDBLCLK() AFX_NC_MOUSE(WM_NCMBUTTONDBLCLK, OnNcMButtonDblClk)
#define ON_WM_NCMOUSEHOVER() AFX_NC_MOUSE(WM_NCMOUSEHOVER, OnNcMouseHover)
#define ON_WM_NCMOUSELEAVE() AFX_MSG_ENTRY(WM_NCMOUSELEAVE, p->OnNcMouseLeave())

// Mouse
#define AFX_MOUSE(msg, fn) AFX_MSG_ENTRY(msg, p->fn((UINT)c.wParam, AFX_PT(c.lParam)))
#define ON_WM_MOUSEMOVE() AFX_MOUSE(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_MOUSE(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MOUSE(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MOUSE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MOUSE(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MOUSE(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_MOUSE(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_MOUSE(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_MOUSE(WM_MBUTTONUP, OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK() AFX_MOUSE(WM_MBUTTONDBLCLK, OnMButtonDblClk)
#define ON_WM_MOUSEHOVER() AFX_MOUSE(WM_MOUSEHOVER, OnMouseHover)
#define ON_WM_MOUSELEAVE() AFX_MSG_ENTRY(WM_MOUSELEAVE, p->OnMouseLeave())
#define ON_WM_MOUSEWHEEL()       \
    AFX_MSG_ENTRY(WM_MOUSEWHEEL, \
                  c.result = p->OnMouseWheel(LOWORD(c.wParam), (short)HIWORD(c.wParam), AFX_PT(c.lParam)))
#define ON_WM_SETCURSOR() \
    AFX_MSG_ENTRY(WM_SETCURSOR, c.result = p->OnSetCursor(AFX_WND(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam)))
#define ON_WM_CONTEXTMENU() AFX_MSG_ENTRY(WM_CONTEXTMENU, p->OnContextMenu(AFX_WND(c.wParam), AFX_PT(c.lParam)))

// Keyboard
#define AFX_KEY(msg, fn) AFX_MSG_ENTRY(msg, p->fn((UINT)c.wParam, LOWORD(c.lParam), HIWORD(c.lParam)))
#define ON_WM_KEYDOWN() AFX_KEY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_KEY(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() AFX_KEY(WM_CHAR, OnChar)
#define ON_WM_DEADCHAR() AFX_KEY(WM_DEADCHAR, OnDeadChar)
#define ON_WM_SYSKEYDOWN() AFX_KEY(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_KEY(WM_SYSKEYUP, OnSysKeyUp)
#define ON_WM_SYSCHAR() AFX_KEY(WM_SYSCHAR, OnSysChar)
#define ON_WM_GETDLGCODE() AFX_MSG_ENTRY(WM_GETDLGCODE, c.result = p->OnGetDlgCode())
#define ON_WM_HELPINFO() AFX_MSG_ENTRY(WM_HELP, c.result = p->OnHelpInfo((HELPINFO*)c.lParam))

// Timers, scrolling, commands of the system menu
#define ON_WM_TIMER() AFX_MSG_ENTRY(WM_TIMER, p->OnTimer((UINT_PTR)c.wParam))
#define ON_WM_HSCROLL() \
    AFX_MSG_ENTRY(WM_HSCROLL, p->OnHScroll(LOWORD(c.wParam), (short)HIWORD(c.wParam), (CScrollBar*)AFX_WND(c.lParam)))
#define ON_WM_VSCROLL() \
    AFX_MSG_ENTRY(WM_VSCROLL, p->OnVScroll(LOWORD(c.wParam), (short)HIWORD(c.wParam), (CScrollBar*)AFX_WND(c.lParam)))
#define ON_WM_SYSCOMMAND() AFX_MSG_ENTRY(WM_SYSCOMMAND, p->OnSysCommand((UINT)c.wParam, c.lParam))
#define ON_WM_DROPFILES() AFX_MSG_ENTRY(WM_DROPFILES, p->OnDropFiles((HDROP)c.wParam))
#define ON_WM_COPYDATA() \
    AFX_MSG_ENTRY(WM_COPYDATA, c.result = p->OnCopyData(AFX_WND(c.wParam), (COPYDATASTRUCT*)c.lParam))
#define ON_WM_PARENTNOTIFY() AFX_MSG_ENTRY(WM_PARENTNOTIFY, p->OnParentNotify(LOWORD(c.wParam), c.lParam))

// Menus
#define ON_WM_INITMENU() AFX_MSG_ENTRY(WM_INITMENU, p->OnInitMenu(CMenu::FromHandle((HMENU)c.wParam)))
#define ON_WM_INITMENUPOPUP()       \
    AFX_MSG_ENTRY(WM_INITMENUPOPUP, \
                  p->OnInitMenuPopup(CMenu::FromHandle((HMENU)c.wParam), LOWORD(c.lParam), (BOOL)HIWORD(c.lParam)))
#define ON_WM_UNINITMENUPOPUP() \
    AFX_MSG_ENTRY(WM_UNINITMENUPOPUP, p->OnUnInitMenuPopup(CMenu::FromHandle((HMENU)c.wParam), (UINT)c.lParam))
#define ON_WM_MENUSELECT() \
    AFX_MSG_ENTRY(WM_MENUSELECT, p->OnMenuSelect(LOWORD(c.wParam), HIWORD(c.wParam), (HMENU)c.lParam))
#define ON_WM_MENUCHAR()       \
    AFX_MSG_ENTRY(WM_MENUCHAR, \
                  c.result = p->OnMenuChar(LOWORD(c.wParam), HIWORD(c.wParam), CMenu::FromHandle((HMENU)c.lParam)))
#define ON_WM_ENTERIDLE() AFX_MSG_ENTRY(WM_ENTERIDLE, p->OnEnterIdle((UINT)c.wParam, AFX_WND(c.lParam)))
#define ON_WM_ENTERMENULOOP() AFX_MSG_ENTRY(WM_ENTERMENULOOP, p->OnEnterMenuLoop((BOOL)c.wParam))
#define ON_WM_EXITMENULOOP() AFX_MSG_ENTRY(WM_EXITMENULOOP, p->OnExitMenuLoop((BOOL)c.wParam))

// Owner-drawn controls (parent side)
#define ON_WM_DRAWITEM() \
    AFX_MSG_ENTRY(WM_DRAWITEM, p->OnDrawItem((int)c.wParam, (LPDRAWITEMSTRUCT)c.lParam); c.result = TRUE)
#define ON_WM_MEASUREITEM() \
    AFX_MSG_ENTRY(WM_MEASUREITEM, p->OnMeasureItem((int)c.wParam, (LPMEASUREITEMSTRUCT)c.lParam); c.result = TRUE)
#define ON_WM_DELETEITEM() \
    AFX_MSG_ENTRY(WM_DELETEITEM, p->OnDeleteItem((int)c.wParam, (LPDELETEITEMSTRUCT)c.lParam); c.result = TRUE)
#define ON_WM_COMPAREITEM() \
    AFX_MSG_ENTRY(WM_COMPAREITEM, c.result = p->OnCompareItem((int)c.wParam, (LPCOMPAREITEMSTRUCT)c.lParam))
#define ON_WM_VKEYTOITEM()       \
    AFX_MSG_ENTRY(WM_VKEYTOITEM, \
                  c.result = p->OnVKeyToItem(LOWORD(c.wParam), (CListBox*)AFX_WND(c.lParam), HIWORD(c.wParam)))
#define ON_WM_CHARTOITEM()       \
    AFX_MSG_ENTRY(WM_CHARTOITEM, \
                  c.result = p->OnCharToItem(LOWORD(c.wParam), (CListBox*)AFX_WND(c.lParam), HIWORD(c.wParam)))

// Messages reflected to the control that caused them (the control's own map).
#define AFX_REFLECT_ENTRY(msg, ...) {WM_REFLECT_BASE + (msg), 0, 0, 0, nullptr, __VA_ARGS__},
#define ON_WM_CTLCOLOR_REFLECT()                                                                                 \
    AFX_REFLECT_ENTRY(AFX_WM_CTLCOLOR, [](CCmdTarget* t, AFX_MSGCALL& c) -> BOOL {                               \
        HBRUSH hbr =                                                                                             \
            static_cast<ThisClass*>(t)->CtlColor(CDC::FromHandle((HDC)c.wParam), c.message - WM_CTLCOLORMSGBOX); \
        c.result = (LRESULT)hbr;                                                                                 \
        return hbr != nullptr;                                                                                   \
    })
#define ON_WM_DRAWITEM_REFLECT() \
    AFX_REFLECT_ENTRY(WM_DRAWITEM, AFX_THUNK(p->DrawItem((LPDRAWITEMSTRUCT)c.lParam); c.result = TRUE))
#define ON_WM_MEASUREITEM_REFLECT() \
    AFX_REFLECT_ENTRY(WM_MEASUREITEM, AFX_THUNK(p->MeasureItem((LPMEASUREITEMSTRUCT)c.lParam); c.result = TRUE))
#define ON_WM_DELETEITEM_REFLECT() \
    AFX_REFLECT_ENTRY(WM_DELETEITEM, AFX_THUNK(p->DeleteItem((LPDELETEITEMSTRUCT)c.lParam); c.result = TRUE))
#define ON_WM_COMPAREITEM_REFLECT() \
    AFX_REFLECT_ENTRY(WM_COMPAREITEM, AFX_THUNK(c.result = p->CompareItem((LPCOMPAREITEMSTRUCT)c.lParam)))
#define ON_WM_CHARTOITEM_REFLECT() \
    AFX_REFLECT_ENTRY(WM_CHARTOITEM, AFX_THUNK(c.result = p->CharToItem(LOWORD(c.wParam), HIWORD(c.wParam))))
#define ON_WM_VKEYTOITEM_REFLECT() \
    AFX_REFLECT_ENTRY(WM_VKEYTOITEM, AFX_THUNK(c.result = p->VKeyToItem(LOWORD(c.wParam), HIWORD(c.wParam))))
#define ON_WM_HSCROLL_REFLECT() \
    AFX_REFLECT_ENTRY(WM_HSCROLL, AFX_THUNK(p->HScroll(LOWORD(c.wParam), (short)HIWORD(c.wParam))))
#define ON_WM_VSCROLL_REFLECT() \
    AFX_REFLECT_ENTRY(WM_VSCROLL, AFX_THUNK(p->VScroll(LOWORD(c.wParam), (short)HIWORD(c.wParam))))
#define ON_WM_PARENTNOTIFY_REFLECT() \
    AFX_REFLECT_ENTRY(WM_PARENTNOTIFY, AFX_THUNK(p->ParentNotify(LOWORD(c.wParam), c.lParam)))

// Control notifications by control kind
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn) ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn) ON_CONTROL(EN_VSCROLL, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)
