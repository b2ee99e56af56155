// Views: the panes that show a document. A view routes commands to itself, then to its
// document; it is told of changes (OnUpdate) and of its first showing (OnInitialUpdate).
// CScrollView scrolls a drawing larger than the pane; CFormView is a view made from a
// dialog template.
#pragma once
#include "afxframe.h"

class CPrintInfo;
class CPreviewView;

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    CView();
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }
    CFrameWnd* GetParentFrame() const { return CWnd::GetParentFrame(); }

    virtual void OnDraw(CDC* pDC) = 0;
    // Sets up the DC before drawing (a scrolling view moves the origin); pInfo when printing,
    // where the default ends a job of unknown length after page 1.
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    // The document changed (pSender: the view that changed it); the default redraws.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);
    // The first showing of the view for its document; the default runs OnUpdate.
    virtual void OnInitialUpdate();

    // Printing. A job asks for the pages and the printer (OnPreparePrinting: the default
    // calls DoPreparePrinting, which shows the print dialog), lets the view make what it
    // prints with (OnBeginPrinting), prints page after page (OnPrepareDC, then OnPrint, whose
    // default is OnDraw) while m_bContinuePrinting holds, and ends (OnEndPrinting): always,
    // also when a page fails or OnPrint throws.
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    // The printer's DC into pInfo: through the print dialog, or the default printer for a
    // preview. FALSE when the user cancels or there is no printer.
    BOOL DoPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    // Shows pPrintView's pages in a view of pPreviewViewClass (a CPreviewView) in place of
    // this view, with the bar of dialog template nIDResource. It owns pState once it
    // succeeds; FALSE (nothing changed) when the view cannot print.
    BOOL DoPrintPreview(UINT nIDResource, CView* pPrintView, CRuntimeClass* pPreviewViewClass,
                        CPrintPreviewState* pState);
    // The preview pView ends: printing ends and the frame gets its pane back.
    virtual void OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView);
    // ID_FILE_PRINT and ID_FILE_PRINT_PREVIEW, for a view's map to name.
    afx_msg void OnFilePrint();
    afx_msg void OnFilePrintPreview();

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PostNcDestroy() override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    CDocument* m_pDocument;

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg LRESULT OnInitialUpdateMsg(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

    friend class CDocument;
};

// A view whose drawing is larger than its pane: scroll bars appear while the pane is smaller
// than the total size, and OnPrepareDC moves the origin to the scroll position.
class CScrollView : public CView {
    DECLARE_DYNAMIC(CScrollView)
public:
    CScrollView();

    static const SIZE sizeDefault;  // page: a tenth of the total, line: a tenth of the page
    // Sizes in logical units of nMapMode (MM_TEXT: pixels).
    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    CPoint GetScrollPosition() const;        // logical units
    CPoint GetDeviceScrollPosition() const;  // pixels
    void ScrollToPosition(POINT pt);         // logical units
    CSize GetTotalSize() const { return m_totalLog; }
    void GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const;

    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    virtual BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE);

protected:
    int m_nMapMode;
    CSize m_totalLog, m_totalDev, m_pageDev, m_lineDev;
    BOOL m_bInsideUpdate;  // showing a bar resizes the pane, which updates the bars again

    // Shows the bars the pane needs and keeps the position inside the range.
    void UpdateBars();
    int ScrollTarget(int nBar, UINT nSBCode) const;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    DECLARE_MESSAGE_MAP()
};

// A view made from a child dialog template: its controls, their data exchange at the first
// showing, and dialog keys (Tab, arrows, default button).
class CFormView : public CScrollView {
    DECLARE_DYNAMIC(CFormView)
public:
    BOOL Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID, CCreateContext* pContext = nullptr) override;
    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
    void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    explicit CFormView(LPCWSTR lpszTemplateName);
    explicit CFormView(UINT nIDTemplate);

    LPCWSTR m_lpszTemplateName;
    HWND m_hWndFocus;                  // the control that had the focus when the frame went inactive
    CCreateContext* m_pCreateContext;  // for WM_CREATE, which a dialog window gets without it

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    DECLARE_MESSAGE_MAP()
};
