// The window that subclasses an MDI frame's client window: plain MDI children, one tab window
// over the whole area (MDI tabs), or tab groups side by side or stacked; saved and restored as
// "MDITabsState" under "<section>MDIClientArea-<frame id>".
#pragma once
#include <afxtempl.h>
#include <guitoolkit/docking/CGTTabWnd.h>

namespace GTMDITabsRecord {
struct Document;
struct Group;
struct Record;
}  // namespace GTMDITabsRecord
class IGTMDITabChild;
class IGTMDITabFrame;

// The options every MDI tab window is made with.
struct MDITabSettings {
    MDITabSettings();
    // Eight of the ten: location, style, closeButton, tabIcons, autoColor, documentMenu, tabSwap, borderSize.
    void Serialize(CArchive& ioArchive);

    int location;
    int style;
    int tabIcons;
    int closeButton;
    int customTooltips;
    int autoColor;
    int documentMenu;
    int tabSwap;
    int borderSize;
    int drawFrame;
};

class CGTMainClientAreaWnd : public CWnd {
    DECLARE_DYNAMIC(CGTMainClientAreaWnd)
public:
    CGTMainClientAreaWnd();
    ~CGTMainClientAreaWnd() override;

    // A new tab window with the settings (or the given one); null when it cannot be made.
    virtual CGTTabWnd* CreateTabGroupWindow(CGTTabWnd* iTabWindow = nullptr);

    void Serialize(CArchive& ioArchive) override;
    void CalcWindowRect(LPRECT ioRect, UINT iAdjustType = 0) override;

    void SwitchMDITabs(BOOL iEnable, const MDITabSettings& iSettings);
    void SwitchTabGroups(BOOL iEnable, const MDITabSettings& iSettings);
    void SyncSingleTabs(BOOL iMakeActiveVisible);
    void SyncTabGroups(BOOL iMakeActiveVisible);
    void ActivateChildTab(HWND iChild);
    BOOL LoadMDITabsState(LPCWSTR iProfile, int iFrameId);
    BOOL SaveMDITabsState(LPCWSTR iProfile, int iFrameId);
    // Bits: 1 a new vertical group, 2 a new horizontal group, 4 to the previous group, 8 to the next.
    DWORD GetTabGroupMenuFlags() const;
    BOOL IsTabGroup(CWnd* iWindow) const;
    CGTTabWnd* SplitOffTabGroup(CGTTabWnd* iSource, const CRect& iRect, BOOL iVertical);
    // -1: the active tab.
    BOOL MoveDocumentToTabGroup(CGTTabWnd* iFrom, CGTTabWnd* iTo, int iTabIndex = -1);
    void DropTabGroup(CGTTabWnd* iGroup);
    // Null: every MDI child of the client window.
    void CloseAllChildren(CGTTabWnd* iGroup);

    BOOL IsMDITabsMode() const { return m_bSingleTabsMode; }
    BOOL IsTabGroupsMode() const { return m_bGroupsMode; }
    BOOL AreTabsShown() const { return m_bTabsShown; }
    void SetTabsShown(BOOL iShown) { m_bTabsShown = iShown; }
    int GetGroupSplit() const { return m_nGroupSplit; }
    const CObList& GetTabGroups() const { return m_lstGroups; }
    CGTTabWnd& GetSingleTabs() { return m_wndSingleTabs; }
    const MDITabSettings& GetSettings() const { return m_settings; }

protected:
    void PreSubclassWindow() override;

    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    afx_msg void OnStyleChanged(int iStyleType, LPSTYLESTRUCT iStyle);
    afx_msg LRESULT OnMDISetMenu(WPARAM iFrameMenu, LPARAM iWindowMenu);
    afx_msg LRESULT OnMDIRefreshMenu(WPARAM, LPARAM);
    afx_msg LRESULT OnMDIDestroy(WPARAM iChild, LPARAM);
    afx_msg LRESULT OnMDINext(WPARAM iChild, LPARAM iPrevious);
    afx_msg LRESULT OnSyncTabs(WPARAM, LPARAM);
    afx_msg LRESULT OnGetDragBounds(WPARAM iGroup, LPARAM iBounds);
    afx_msg LRESULT OnDragComplete(WPARAM iGroup, LPARAM iRect);
    afx_msg LRESULT OnTabGroupMouseMove(WPARAM iFlags, LPARAM iPoint);
    afx_msg LRESULT OnCancelTabMove(WPARAM, LPARAM);
    afx_msg LRESULT OnMoveTabComplete(WPARAM iSource, LPARAM iPoint);
    DECLARE_MESSAGE_MAP()

    void ApplyTabSettings(CGTTabWnd& ioTabs);
    BOOL WantsClientEdge() const;
    void SetClientEdge(BOOL iEdge);
    IGTMDITabFrame* GetMDIFrame() const;
    HWND GetActiveChild() const;
    CGTTabWnd* GetActiveGroup() const;
    CGTTabWnd* FindGroupOfWindow(HWND iWindow) const;
    CGTTabWnd* GroupAt(CPoint iScreenPoint) const;
    CGTTabWnd* NextGroup(CGTTabWnd* iGroup, int iStep) const;
    void AdjustGroupChildren(CGTTabWnd& ioGroup);
    void LayoutGroups(const CRect& iClient);
    void LayoutSingleTabs(CRect& ioRect);
    // Children take the frame styles of plain MDI back (TRUE) or lose them.
    void SetGroupChildStyles(BOOL iPlain);
    void SyncChildIcon(CGTTabWnd& ioTabs, int iTab, HICON iIcon, CImageList& ioImages);
    CImageList& GroupImages(CGTTabWnd& iGroup);
    void MakeImageList(CImageList& oImages) const;
    void DrawDropFrame(const CRect& iFrame);
    void NotifyGroupMove(HWND iFrom, HWND iTo) const;
    void SetActiveGroup(CGTTabWnd* iGroup);
    void RecalcFrameLayout();
    void WriteGroup(CArchive& ioArchive, CGTTabWnd& ioGroup);
    void WriteChildList(CArchive& ioArchive);
    // Closes every child, then opens what the record names; FALSE when a child stayed open.
    BOOL ApplyRecord(GTMDITabsRecord::Record& ioRecord);
    void RestoreGroups(GTMDITabsRecord::Record& ioRecord);
    void RestoreGroup(GTMDITabsRecord::Group& ioSaved, CGTTabWnd& ioGroup, BOOL iBind);
    void RestoreChildren(GTMDITabsRecord::Record& ioRecord);
    CWnd* OpenSavedDocument(GTMDITabsRecord::Document& ioDocument);
    BOOL HasChildren() const;

    CGTTabWnd m_wndSingleTabs;
    CImageList m_imlSingleTabIcons;
    CMap<HICON, HICON, int, int> m_mapIconIndex;
    MDITabSettings m_settings;
    CObList m_lstGroups;
    CMap<CGTTabWnd*, CGTTabWnd*, CImageList*, CImageList*> m_mapGroupIcons;
    CObList m_lstRetiredGroups;
    CStringList m_lstRestoredDocuments;
    BOOL m_bTabsShown;
    BOOL m_bSingleTabsMode;
    BOOL m_bGroupsMode;
    BOOL m_bLoading;
    // 0 no split, 1 vertical, 2 horizontal.
    int m_nGroupSplit;
    int m_nSplitterMargin;
    int m_nNewGroupZone;
    CRect m_rectDropFrame;
    BOOL m_bDropVertical;
    int m_nLayoutRemainder;
};
