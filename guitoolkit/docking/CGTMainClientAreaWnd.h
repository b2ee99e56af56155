// The window that subclasses an MDI frame's client window: plain MDI children, one tab window
// over the whole area (MDI tabs), or tab groups side by side or stacked; saved and restored as
// "MDITabsState" under "<section>MDIClientArea-<frame id>".
#pragma once
#include <afxtempl.h>
#include <guitoolkit/docking/CGTTabWnd.h>

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

protected:
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
