// Frame windows: the main frame with its menu, accelerators, control bars, status
// prompts and command routing (active view, frame, application), and the small-caption
// mini-frame of floating palettes.
#pragma once
#include "afxwnd.h"

class CView;
class CDocument;
class CDocTemplate;
class CControlBar;
class CDockState;
class CMDIFrameWnd;

// What a frame needs to create its view for a document.
struct CCreateContext {
    CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};

// Frame styles (low word of the window style)
#define FWS_ADDTOTITLE 0x00008000L
#define FWS_PREFIXTITLE 0x00040000L
#define FWS_SNAPTOBARS 0x00020000L

// Help contexts: command ids and window ids are offset into their own ranges.
#define HID_BASE_COMMAND 0x00010000UL
#define HID_BASE_RESOURCE 0x00020000UL
#define HID_BASE_PROMPT 0x00030000UL
#define HID_BASE_NCAREAS 0x00040000UL
#define HID_BASE_CONTROL 0x00050000UL

#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE | WS_BORDER)

// What a frame puts aside while it lends its client area to a print preview, and gets back
// when the preview ends.
struct CPrintPreviewState {
    CPrintPreviewState();
    UINT nIDMainPane;    // the pane that makes way for the preview
    HMENU hMenu;         // the frame's menu
    DWORD dwStates;      // the bars that were visible: bit n for the bar AFX_IDW_CONTROLBAR_FIRST + n
    HWND hWndFocus;      // the window that had the focus
    HACCEL hAccelTable;  // the frame's accelerators
    // What closing the frame does during the preview: by default it ends the preview.
    BOOL(CALLBACK* lpfnCloseProc)(CFrameWnd* pFrameWnd);
};

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;

    static const CRect rectDefault;

    BOOL m_bAutoMenuEnable;  // disable menu items that have no handler
    HACCEL m_hAccelTable;
    HMENU m_hMenuDefault;
    CString m_strTitle;
    UINT m_nIDHelp;
    int m_nWindow;  // number shown after the title, -1 none
    CPtrList m_listControlBars;
    int m_nShowDelay;
    enum {
        HELP_INACTIVE = 0,
        HELP_ACTIVE = 1,
        HELP_ENTERING = -1
    };
    int m_bHelpMode;
    UINT m_nIDTracking;     // command whose prompt the status bar should show
    UINT m_nIDLastMessage;  // prompt the status bar shows
    CRect m_rectBorder;     // room that an in-place server takes
    enum IdleFlags {
        idleMenu = 1,
        idleTitle = 2,
        idleNotify = 4,
        idleLayout = 8
    };
    UINT m_nIdleFlags;
    HMENU m_hMenuAlt;

    virtual BOOL Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCWSTR lpszMenuName = nullptr,
                        DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    // Title (first part of string nIDResource), icon, menu and accelerators of one id.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    BOOL LoadAccelTable(LPCWSTR lpszResourceName);
    // Lays out the control bars (WM_SIZEPARENT) and puts the pane AFX_IDW_PANE_FIRST in the rest.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    virtual void DelayRecalcLayout(BOOL bNotify = TRUE);
    enum BorderCmd {
        borderGet = 1,
        borderRequest = 2,
        borderSet = 3
    };
    virtual BOOL NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder);
    virtual CFrameWnd* GetActiveFrame();
    CView* GetActiveView() const { return m_pViewActive; }
    virtual void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    virtual void ActivateFrame(int nCmdShow = -1);
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    void SetMessageText(LPCWSTR lpszText);
    void SetMessageText(UINT nID);
    virtual CWnd* GetMessageBar();
    // With FWS_ADDTOTITLE: "document:n - title" (FWS_PREFIXTITLE) or "title - document:n".
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void UpdateFrameTitleForDocument(LPCWSTR lpszDocName);
    // Makes the first pane the active view and, when bMakeVisible, sends the views their
    // initial update and shows the frame (the main window with the program's show command).
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    // The menu to show (the default menu for null); none while in print preview.
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
    virtual void DelayUpdateFrameMenu(HMENU hMenuAlt);
    // Entering print preview hides the main pane, the menu, the accelerators and every bar but
    // the status bar (which shows the page numbers), keeping them in pState; leaving puts them
    // back and makes the pane the active view again, with the focus where it was.
    virtual void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState);
    // Set during print preview: closing the frame calls it instead of closing.
    BOOL(CALLBACK* m_lpfnCloseProc)(CFrameWnd* pFrameWnd);
    virtual HACCEL GetDefaultAccelerator();
    void SetTitle(LPCWSTR lpszTitle) { m_strTitle = lpszTitle; }
    CString GetTitle() const { return m_strTitle; }

    // Control bars
    CControlBar* GetControlBar(UINT nID);
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    // Id and visibility of each bar docked in a platform dock bar.
    void GetDockState(CDockState& state) const;
    // Sends WM_FLOATSTATUS to every top-level window this frame owns.
    void NotifyFloatingWindows(DWORD dwFlags);

    // Help mode
    virtual BOOL CanEnterHelpMode();
    virtual void ExitHelpMode();

    BOOL IsFrameWnd() const override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

    // Command handlers a frame's map may name.
    afx_msg void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    afx_msg BOOL OnBarCheck(UINT nID);
    afx_msg void OnContextHelp();
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);

protected:
    CView* m_pViewActive;
    BOOL m_bInRecalcLayout;
    // Set while an MDI frame routes a command through this child: the frame, not the child,
    // passes it on to the application.
    BOOL m_bRoutedByParent;
    friend class CMDIFrameWnd;

    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    // Registers a frame class with the icon of nIDResource when the program has one.
    LPCWSTR GetIconWndClass(DWORD dwDefaultStyle, UINT nIDResource);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // WM_CREATE with the context the frame was created with.
    int OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    // The document's title with the frame's number ("Report1:2") when it has several frames.
    CString NumberedTitle(LPCWSTR lpszDocName) const;
    // FALSE when the window has that text already.
    BOOL SetTitleText(const CString& strText);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg void OnIdleUpdateCmdUI();
    afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// Mini-frame styles
#define MFS_SYNCACTIVE 0x00000100L  // caption active with the owning frame
#define MFS_4THICKFRAME 0x00000200L
#define MFS_THICKFRAME 0x00000400L
#define MFS_MOVEFRAME 0x00000800L
#define MFS_BLOCKSYSMENU 0x00001000L

class CMiniFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMiniFrameWnd)
public:
    CMiniFrameWnd();
    BOOL Create(LPCWSTR lpClassName, LPCWSTR lpWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd = nullptr,
                UINT nID = 0);
    BOOL CreateEx(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd = nullptr, UINT nID = 0);
    using CFrameWnd::CreateEx;

protected:
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// Whether hWndChild is hWndParent or lies below it through parents and owners.
BOOL AFXAPI AfxIsDescendant(HWND hWndParent, HWND hWndChild);
// Moves a window to a rectangle of its parent's client area, through the layout's deferred
// positions when it has them.
void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect);
// The text of part iSubString of a '\n'-separated resource string.
BOOL AFXAPI AfxExtractSubString(CString& rString, LPCWSTR lpszFullString, int iSubString, WCHAR chSep = L'\n');
