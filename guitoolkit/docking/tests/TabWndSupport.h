// A tab window in a plain parent that records what the tab window tells it, with plain child
// windows as its tabs.
#pragma once
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/docking/CGTTabWnd.h>
#include <memory>
#include <vector>

// What the tests reach inside a tab window.
class OpenTabWnd : public CGTTabWnd {
public:
    using CGTTabWnd::BuildFlatFonts;
    using CGTTabWnd::PaintTabs;
    int ScrollBarWidth() const { return m_ScrollBarWidth; }
    int MaxScrollOffset() const { return m_MaxScrollOffset; }
    void ForceTabsHeight(int iHeight) { m_TabsHeight = iHeight; }
    CFont& FlatFont() { return m_FlatFont; }
    CRect ResizeStrip() const { return m_ResizeStrip; }
};

class TabHost : public CWnd {
public:
    struct Notice {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    explicit TabHost(int iStyle = 3, CSize iSize = CSize(400, 200), int iLocation = 0, BOOL iClose = FALSE)
    {
        CreateEx(0, AfxRegisterWndClass(0), L"Host", WS_POPUP | WS_VISIBLE, CRect(CPoint(40, 40), iSize), nullptr, 0);
        m_Tabs.Create(iStyle, CRect(CPoint(0, 0), iSize), this, 1, iLocation, iClose);
        m_Tabs.SetTabBorderSize(0, FALSE);
        m_Tabs.RecalcLayout();
    }
    ~TabHost() override
    {
        m_Tabs.DestroyWindow();
        DestroyWindow();
    }

    // A plain child window of the tab window as a new tab.
    CWnd* AddWindowTab(LPCWSTR iLabel, int iId = 0)
    {
        auto window = std::make_unique<CWnd>();
        window->Create(L"STATIC", iLabel, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &m_Tabs,
                       iId != 0 ? iId : 100 + static_cast<int>(m_Windows.size()));
        m_Tabs.AddTab(window.get(), iLabel, static_cast<UINT>(-1), FALSE);
        m_Windows.push_back(std::move(window));
        return m_Windows.back().get();
    }
    std::vector<Notice> Received(UINT iMessage) const
    {
        std::vector<Notice> found;
        for (const Notice& notice : m_Notices) {
            if (notice.message == iMessage)
                found.push_back(notice);
        }
        return found;
    }
    CPoint TabCenter(int iIndex) const
    {
        CRect rect;
        m_Tabs.GetTabRect(iIndex, rect);
        return rect.CenterPoint();
    }

    OpenTabWnd m_Tabs;
    std::vector<std::unique_ptr<CWnd>> m_Windows;
    std::vector<Notice> m_Notices;
    LRESULT m_ChangingAnswer = 0;
    LRESULT m_RenameAnswer = 0;
    LRESULT m_BoundsAnswer = 0;
    CRect m_Bounds = CRect(0, 0, 0, 0);

protected:
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override
    {
        const UINT watched[] = {GTM_ONCHANGE_ACTIVE_TAB, GTM_ON_CHANGING_ACTIVE_TAB, GTM_ON_RENAME_TAB,
                                GTM_ON_MOVE_TAB,         GTM_GETDRAGBOUNDS,          GTM_ON_DRAGCOMPLETE};
        for (UINT message : watched) {
            if (iMessage != message)
                continue;
            m_Notices.push_back({iMessage, iWParam, iLParam});
            if (iMessage == GTM_ON_CHANGING_ACTIVE_TAB)
                return m_ChangingAnswer;
            if (iMessage == GTM_ON_RENAME_TAB)
                return m_RenameAnswer;
            if (iMessage == GTM_GETDRAGBOUNDS) {
                *reinterpret_cast<RECT*>(iLParam) = m_Bounds;
                return m_BoundsAnswer;
            }
            return 0;
        }
        return CWnd::WindowProc(iMessage, iWParam, iLParam);
    }
};
