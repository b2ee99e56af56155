// What a bar remembers of where it was docked and where it floated, so that toggling between
// floating and docked puts it back: the side, row and rectangle of its last docked place,
// its last floating rectangle and frame, and for docking panes the bar container it sat in
// and its neighbours there. CGTRecentContainerInfo is one container position; a bar keeps one
// for its docked state and one for its floating state.
#pragma once
#include <afxwin.h>
#include <afxcoll.h>

class CGTBarContainer;
class CGTControlBar;
class CGTDockBar;
class CGTDockBarRow;
class CGTDockingControlBar;

class CGTRecentContainerInfo : public CObject {
    DECLARE_DYNAMIC(CGTRecentContainerInfo)
public:
    CGTRecentContainerInfo();
    ~CGTRecentContainerInfo() override;
    // All fields and the list; the containers copied are held once more.
    CGTRecentContainerInfo& operator=(const CGTRecentContainerInfo& iOther);

    // Records the pane's place in a container (in a tabbed pane's place with iTabbedPane).
    virtual void StoreDockInfo(CGTBarContainer* iContainer, CGTDockingControlBar* iPane,
                               CGTDockingControlBar* iTabbedPane = nullptr);
    // Takes the other's containers (counted), rectangle, share, place and neighbours.
    virtual void CopyFrom(const CGTRecentContainerInfo& iOther);

    // Counted references.
    CGTBarContainer* m_pContainer;
    CRect m_rectPane;
    // The pane's share of its container, in percent.
    int m_nShare;
    BOOL m_bFirstInContainer;
    CObList m_lstNeighbours;
    CGTBarContainer* m_pTabbedContainer;
};

class CGTRecentDockInfo : public CObject {
    DECLARE_DYNAMIC(CGTRecentDockInfo)
public:
    explicit CGTRecentDockInfo(CGTControlBar& iBar);
    ~CGTRecentDockInfo() override;
    // Every field and both records; the owner bar stays.
    CGTRecentDockInfo& operator=(const CGTRecentDockInfo& iOther);

    virtual void StoreDockInfo(CGTBarContainer* iContainer, CGTDockingControlBar* iTabbedPane = nullptr);
    // The floating part (rectangle, frame, floating record) unless iFloatingPart, then the
    // docked part (side, slider, docked record).
    virtual void CopyFrom(BOOL iFloatingPart, const CGTRecentDockInfo& iOther);
    virtual CObList& GetRecentList(BOOL iDocked);
    virtual void SetRecentList(const CObList& iList, BOOL iDocked);

    // A new bar's rectangle (screen) goes to the rectangles that are still empty.
    void TakeEmptyRects(const CRect& iRect);

    CRect m_rectRecentFloat;
    DWORD m_dwRecentSide;
    int m_nRecentRowIndex;
    CGTDockBar* m_pRecentDockBar;
    CGTDockBarRow* m_pRecentRow;
    HWND m_hRecentSlider;
    HWND m_hRecentMiniFrame;
    CGTRecentContainerInfo m_docked;
    CGTRecentContainerInfo m_floating;
    CGTControlBar& m_Bar;
};
