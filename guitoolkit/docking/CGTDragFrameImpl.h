// The outline that follows the cursor while a bar or floating frame is dragged in the
// standard docking mode: the window's own rectangle while it would float, the expected
// docked rectangle when it would dock, and a tab-shaped outline or a placeholder tab when it
// would join a tabbed pane. CGTDummyDockingControlBar is that placeholder.
#pragma once
#include <afxwin.h>

class CGTDockingControlBar;
class CGTDockManager;
class CGTDummyDockingControlBar;

class CGTDragFrameImpl {
public:
    CGTDragFrameImpl();
    virtual ~CGTDragFrameImpl();
    CGTDragFrameImpl(const CGTDragFrameImpl&) = delete;
    CGTDragFrameImpl& operator=(const CGTDragFrameImpl&) = delete;

    // Binds the outline to the dragged window and its frame's dock manager.
    void Init(CWnd* iDraggedWnd);
    void MoveDragFrame(BOOL iForce = FALSE);
    void EndDrawDragFrame(BOOL iClearRects = TRUE);
    void PlaceTabPreDocking(CGTDockingControlBar* iTabbedPane, BOOL iFirstTime);
    void RemoveTabPreDocking(CGTDockingControlBar* iPane = nullptr);
    void DrawFrame(LPCRECT iOld, LPCRECT iNew, BOOL iFirst, int iWidth, int iOldWidth);
    void DrawFrameTab(CGTDockingControlBar* iPane, BOOL iErase);
    void ResetState();

    CPoint m_ptLast;
    CRect m_rectDrag;
    CRect m_rectExpectedDocked;
    CGTDockingControlBar* m_pOldTabTarget;
    CGTDockingControlBar* m_pTabTarget;
    BOOL m_bEndedInTabMode;
    BOOL m_bFrameDrawn;
    // -1: none; 1 while a tab-shaped outline is shown.
    int m_nPlaceholderTab;
    int m_nFrameWidth;
    CGTDockManager* m_pDockManager;
    CWnd* m_pDraggedWnd;
    CGTDockingControlBar* m_pCurrentTarget;
    BOOL m_bTabOutlineErased;
    CGTDummyDockingControlBar* m_pDummyBar;

private:
    void CreatePlaceholder();
};
