#pragma once
#include <afxcmn.h>
#include <afxwin.h>

// A tree that loads an item's children when it is expanded. While they load (a server call
// that blocks the GUI thread) a "Loading..." placeholder shows under the item and a thread
// of its own, woken by a multimedia timer, animates it; repaints meanwhile show a frozen
// picture of the control.
class CWaitingTreeCtrl : public CTreeCtrl {
public:
    CWaitingTreeCtrl();
    ~CWaitingTreeCtrl() override;

    // Loads the root level again and shows its first item.
    void ReloadRoot();

protected:
    // The animation's hooks: start on the GUI thread, frames on the animation thread (on a
    // timer tick, or when a repaint woke it), end on the GUI thread after the thread ended.
    virtual void OnAnimationStart(HTREEITEM iPlaceholder);
    virtual void OnAnimationFrame(BOOL iTimerTick, int& ioState1, int& ioState2);
    virtual void OnAnimationEnd();
    // Whether an expansion throws the item's children away and loads them again.
    virtual BOOL ShouldReloadChildren(HTREEITEM iItem);
    // Loads the children of the item (TVI_ROOT: the root level); FALSE when it failed.
    virtual BOOL LoadItemChildren(HTREEITEM iItem) = 0;

    BOOL OnChildNotify(UINT iMessage, WPARAM iWParam, LPARAM iLParam, LRESULT* oResult) override;
    afx_msg BOOL OnEraseBkgnd(CDC* iDC);
    DECLARE_MESSAGE_MAP()

    // Where an item's icon is drawn; empty without a normal image list.
    CRect GetItemIconRect(HTREEITEM iItem);
    // The tree's own background, or the window colour when it has none.
    COLORREF GetBackgroundColor();

    // Milliseconds between frames; 0: no timer.
    UINT m_TimerPeriod;
    // The placeholder is made visible and animated.
    BOOL m_ShowAnimation;
    HICON m_PlaceholderIcon;

private:
    void PrepareLoading(HTREEITEM iItem);
    void DeleteChildren(HTREEITEM iItem);
    void FinishLoading(HTREEITEM iItem);
    BOOL LoadBehindPlaceholder(HTREEITEM iItem);
    void PaintPlaceholderIcon();
    void StartAnimation();
    void StopAnimation();
    static DWORD WINAPI AnimationThreadProc(LPVOID iControl);
    void Animate();
    void TakeSnapshot();
    void DropSnapshot();

    HANDLE m_Thread;
    HANDLE m_TimerEvent;
    HANDLE m_WakeEvent;
    volatile LONG m_Stop;
    HBITMAP m_Snapshot;
    UINT m_TimerId;
    CString m_Caption;
    int m_State[2];
    HTREEITEM m_Placeholder;
    HTREEITEM m_LoadingItem;
};
