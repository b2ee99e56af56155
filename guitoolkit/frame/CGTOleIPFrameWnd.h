// The in-place frames of a server document (plain and document-object servers): the toolkit's
// dock manager and frame implementation, the container's frame wrapped so that the server's
// bars dock there, and the process-wide active in-place frame kept as frames come and go.
#pragma once
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/IGTDockingFrame.h>
#include <guitoolkit/frame/CGTFrameImpl.h>
#include <afxoleframe.h>

// What both in-place frames share; each frame holds one.
class CGTInPlaceFrameState {
public:
    CGTInPlaceFrameState(COleIPFrameWnd& iFrame, CGTDockManager& iDockManager);

    // The container's frame object becomes a CGTOleCntrFrameWnd unless it is one already.
    BOOL WrapContainerFrame();
    void OnActivate(UINT iState);
    // The remembered frame is active again when this one was.
    void OnDeactivateOrDestroy();
    void RecalcLayout();

private:
    COleIPFrameWnd& m_Frame;
    CGTDockManager& m_DockManager;
    HWND m_PreviousActive;
    BOOL m_InRecalcLayout;
};

class CGTOleIPFrameWnd : public COleIPFrameWnd, public IGTDockingFrame {
    DECLARE_DYNCREATE(CGTOleIPFrameWnd)
public:
    CGTOleIPFrameWnd();

    BOOL OnCreateControlBars(CFrameWnd* iFrame, CFrameWnd* iDocument) override;
    void RecalcLayout(BOOL iNotify = TRUE) override;
    BOOL PreTranslateMessage(MSG* ioMessage) override;

    CGTDockManager* GetDockManager() override { return &m_DockManager; }
    void AdjustDockingLayout(HDWP iDefer = nullptr) override { m_DockManager.RecalcLayout(iDefer); }
    BOOL OnCloseDockingPane(CGTDockingControlBar*) override { return TRUE; }
    void OnMoveMiniFrame(CGTMiniFrameWnd* iFrame) override { m_DockManager.ProcessFloatingFrameMove(iFrame); }
    BOOL MayMoveMiniFrame(CGTMiniFrameWnd*) override { return TRUE; }
    BOOL MayCloseMiniFrame(CGTMiniFrameWnd*) override { return TRUE; }
    void ShowBar(CGTBaseControlBar* iBar, BOOL iShow, BOOL iDelay, BOOL iActivate) override;
    void RemoveTearOffBar(CGTBaseControlBar*) override {}

protected:
    afx_msg void OnActivate(UINT iState, CWnd* iOther, BOOL iMinimized);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    DECLARE_MESSAGE_MAP()

    // Declared before the frame implementation, which reaches it when it is destroyed.
    CGTDockManager m_DockManager;
    CGTFrameImpl m_Impl;
    CGTInPlaceFrameState m_State;
};

class CGTOleDocIPFrameWnd : public COleDocIPFrameWnd, public IGTDockingFrame {
    DECLARE_DYNCREATE(CGTOleDocIPFrameWnd)
public:
    CGTOleDocIPFrameWnd();

    BOOL OnCreateControlBars(CFrameWnd* iFrame, CFrameWnd* iDocument) override;
    void RecalcLayout(BOOL iNotify = TRUE) override;
    BOOL PreTranslateMessage(MSG* ioMessage) override;

    CGTDockManager* GetDockManager() override { return &m_DockManager; }
    void AdjustDockingLayout(HDWP iDefer = nullptr) override { m_DockManager.RecalcLayout(iDefer); }
    BOOL OnCloseDockingPane(CGTDockingControlBar*) override { return TRUE; }
    void OnMoveMiniFrame(CGTMiniFrameWnd* iFrame) override { m_DockManager.ProcessFloatingFrameMove(iFrame); }
    BOOL MayMoveMiniFrame(CGTMiniFrameWnd*) override { return TRUE; }
    BOOL MayCloseMiniFrame(CGTMiniFrameWnd*) override { return TRUE; }
    void ShowBar(CGTBaseControlBar* iBar, BOOL iShow, BOOL iDelay, BOOL iActivate) override;
    void RemoveTearOffBar(CGTBaseControlBar*) override {}

protected:
    afx_msg void OnActivate(UINT iState, CWnd* iOther, BOOL iMinimized);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    DECLARE_MESSAGE_MAP()

    CGTDockManager m_DockManager;
    CGTFrameImpl m_Impl;
    CGTInPlaceFrameState m_State;
};
