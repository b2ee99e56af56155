// The thin splitter between docked panes. The default slider of a group of panes docked at a
// frame edge owns the group's container manager; dragging a slider moves it within the limits
// the manager computes and re-lays out the panes on both sides in one batch.
#pragma once
#include <guitoolkit/docking/CGTBaseControlBar.h>

class CGTBarContainerManager;
class CGTDockingControlBar;

class CGTSlider : public CGTBaseControlBar {
    DECLARE_DYNCREATE(CGTSlider)
public:
    // Slider style bits.
    enum : DWORD {
        horizontalStyle = 1,
        verticalStyle = 2
    };

    CGTSlider();
    ~CGTSlider() override;

    BOOL IsHorizontal() const override;
    // A pane of the group allows it; TRUE without a group.
    BOOL AllowsInsertBefore() const override;
    // The slider's own window with its group beside it: what the frame's layout gives a default
    // slider is the room of the whole group.
    CSize GetStretchLimit(BOOL iStretch, BOOL iHorizontal) override;

    virtual void Move(int iOffset);
    virtual void AddControlBar(CGTDockingControlBar* iPane);
    virtual CGTDockingControlBar* AddRecentControlBar(CGTDockingControlBar* iPane);
    virtual BOOL InsertControlBar(CGTDockingControlBar* iPane, CGTDockingControlBar* iTarget, DWORD iAlignment,
                                  LPCRECT iRect);
    virtual BOOL AttachControlBar(CGTDockingControlBar* iFirst, CGTDockingControlBar* iPane);
    virtual void RemoveControlBar(CGTDockingControlBar* iPane);
    virtual void RepositionInRect(CRect iScreenRect, HDWP& ioDefer);
    virtual BOOL AddContainerManager(CGTDockingControlBar* iTarget, DWORD iAlignment, CGTBarContainerManager* iOther);
    virtual BOOL AddContainerManagerToTabWnd(CGTDockingControlBar* iTarget, CGTBarContainerManager* iOther);
    // The number of visible panes; a default slider shows itself only with one.
    virtual int CheckVisibility();
    virtual void ShowControlBar(CGTDockingControlBar* iPane, BOOL iShow);
    // A pane of the group may float.
    virtual BOOL DoesContainerFloat() const;
    virtual CGTDockingControlBar* ControlBarFromPoint(CPoint iScreenPoint, int iSensitivity, BOOL iExactBar,
                                                      BOOL& oIsTabArea, BOOL& oCaption);
    virtual void RemoveSelf();
    virtual BOOL Create(DWORD iSliderStyle, const RECT& iRect, CWnd* iParent, UINT iId,
                        CCreateContext* iContext = nullptr);
    virtual BOOL CreateEx(DWORD iExStyle, DWORD iSliderStyle, const RECT& iRect, CWnd* iParent, UINT iId,
                          CCreateContext* iContext = nullptr);
    virtual void StopTracking(BOOL iMove);

    void Serialize(CArchive& ioArchive) override;

    void Init(BOOL iDefaultSlider, CWnd* iOwner = nullptr);
    CGTBarContainerManager* GetContainerManager() const { return m_ContainerManager; }
    void SetContainerManager(CGTBarContainerManager* iManager) { m_ContainerManager = iManager; }
    DWORD GetSliderStyle() const { return m_SliderStyle; }
    void SetAutoHideSlider(BOOL iAutoHide) { m_AutoHideSlider = iAutoHide; }
    BOOL IsTracking() const { return m_Tracking; }
    BOOL IsDefaultSlider() const { return m_DefaultSlider; }
    BOOL IsAutoHideSlider() const { return m_AutoHideSlider; }
    int GetThickness() const { return m_Thickness; }
    // Null when the window cannot be made.
    static CGTSlider* CreateDefaultSlider(DWORD iAlignment, CWnd* iParent, CRuntimeClass* iClass = nullptr);

    static const int s_DefaultThickness = 4;
    // The thickest a loaded slider may be.
    static constexpr int s_MaxThickness = 32;
    // What sliders and their managers are made of; an application may put derived classes here.
    static CRuntimeClass* s_ContainerManagerClass;
    static CRuntimeClass* s_SliderClass;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg BOOL OnSetCursor(CWnd* iWindow, UINT iHitTest, UINT iMessage);
    afx_msg void OnLButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonUp(UINT iFlags, CPoint iPoint);
    afx_msg void OnMouseMove(UINT iFlags, CPoint iPoint);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    afx_msg void OnCancelMode();
    afx_msg void OnNcDestroy();
    DECLARE_MESSAGE_MAP()

    UINT m_SliderId;
    DWORD m_SliderStyle;
    int m_Thickness;
    BOOL m_Tracking;
    BOOL m_DefaultSlider;
    BOOL m_AutoHideSlider;
    int m_MinOffset;
    int m_MaxOffset;
    int m_Step;
    CRect m_TrackRect;
    CRect m_LimitRect;
    CGTBarContainerManager* m_ContainerManager;
    CWnd* m_OwnerWindow;
};
