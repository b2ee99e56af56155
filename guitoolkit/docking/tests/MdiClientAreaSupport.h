// A plain MDI frame whose client window is the toolkit's client area, with children that
// show as its tabs: the client area's own behaviour without the toolkit's frames around it.
#pragma once
#include <guitoolkit/docking/CGTMainClientAreaWnd.h>
#include <guitoolkit/docking/IGTMDITabHost.h>
#include <memory>
#include <vector>

class OpenClientArea : public CGTMainClientAreaWnd {
public:
    CGTTabWnd* Group(int iIndex) const
    {
        POSITION position = m_lstGroups.FindIndex(iIndex);
        return position != nullptr ? static_cast<CGTTabWnd*>(m_lstGroups.GetAt(position)) : nullptr;
    }
    int GroupCount() const { return static_cast<int>(m_lstGroups.GetCount()); }
    CRect DropFrame() const { return m_rectDropFrame; }
    int RetiredCount() const { return static_cast<int>(m_lstRetiredGroups.GetCount()); }
};

class TestMdiChild : public CMDIChildWnd, public IGTMDITabChild {
public:
    CString GetChildTitle() const override
    {
        CString title;
        GetWindowText(title);
        return title;
    }
    HICON GetChildIcon() const override { return nullptr; }
    BOOL CanAppearOnTabs() const override { return TRUE; }
    CString GetStateDocumentName(CObject*& oObject) const override
    {
        oObject = nullptr;
        return GetChildTitle();
    }
    CGTTabWnd* GetTabGroup() const override { return m_Group; }
    void SetTabGroup(CGTTabWnd* iGroup) override { m_Group = iGroup; }
    BOOL IsBeingDestroyed() const override { return m_Destroyed; }
    void MarkBeingDestroyed() override { m_Destroyed = TRUE; }

protected:
    // As the toolkit's child does: its activation brings its tab forward.
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override
    {
        const LRESULT result = CMDIChildWnd::WindowProc(iMessage, iWParam, iLParam);
        if (iMessage == WM_MDIACTIVATE && reinterpret_cast<HWND>(iLParam) == m_hWnd)
            static_cast<CGTMainClientAreaWnd*>(GetParent())->ActivateChildTab(m_hWnd);
        return result;
    }

private:
    CGTTabWnd* m_Group = nullptr;
    BOOL m_Destroyed = FALSE;
};

class TestMdiFrame : public CMDIFrameWnd, public IGTMDITabFrame {
public:
    TestMdiFrame(CSize iSize = CSize(640, 480))
    {
        Create(nullptr, L"Documents", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(CPoint(0, 0), iSize));
    }
    ~TestMdiFrame() override
    {
        if (m_hWnd != nullptr)
            DestroyWindow();
    }

    TestMdiChild* OpenChild(LPCWSTR iTitle)
    {
        auto* child = new TestMdiChild;
        child->Create(nullptr, iTitle, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, rectDefault, this);
        m_Client.SyncSingleTabs(FALSE);
        return child;
    }
    void RecalcLayout(BOOL = TRUE) override
    {
        CRect client;
        GetClientRect(client);
        if (m_Client.GetSafeHwnd() != nullptr)
            m_Client.CalcWindowRect(client);
    }
    HWND ActiveChild() const { return reinterpret_cast<HWND>(::SendMessageW(m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0)); }

    BOOL IsClosing() const override { return FALSE; }
    void RefreshWindowMenuPopup() override {}
    BOOL ShowMenuInMenuBar(HMENU) override { return FALSE; }
    BOOL EraseClientAreaBackground(CDC*) override { return FALSE; }
    BOOL ShowTabGroupMenu(int, int, DWORD iFlags, BOOL) override
    {
        m_MenuFlags.push_back(iFlags);
        return m_MenuAnswer;
    }
    CWnd* OpenDocumentWindow(const CString& iName, CObject*) override
    {
        m_Opened.push_back(iName);
        return OpenChild(iName);
    }
    CWnd* OpenAnotherDocumentWindow(const CString& iName, CObject* iObject) override
    {
        m_OpenedAgain.push_back(iName);
        return OpenDocumentWindow(iName, iObject);
    }
    CRuntimeClass* GetStateObjectClass() const override { return nullptr; }

    OpenClientArea m_Client;
    BOOL m_MenuAnswer = TRUE;
    std::vector<DWORD> m_MenuFlags;
    std::vector<CString> m_Opened;
    std::vector<CString> m_OpenedAgain;

protected:
    // The test owns the frame.
    void PostNcDestroy() override {}
    BOOL OnCreateClient(LPCREATESTRUCT iCreate, CCreateContext* iContext) override
    {
        return CMDIFrameWnd::OnCreateClient(iCreate, iContext) && m_Client.SubclassWindow(m_hWndMDIClient);
    }
};
