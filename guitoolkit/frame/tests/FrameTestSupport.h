// Stand-ins for the workspace and frame tests: an application whose registry settings live
// in a scratch key and whose message boxes are noted instead of shown, and a workspace that
// records its hooks and the data version its parts see.
#pragma once
#include <guitoolkit/frame/CGTFrameWnd.h>
#include <guitoolkit/frame/CGTWorkspace.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <string>
#include <vector>
#include <guitoolkit/core/tests/ScratchRegistryKey.h>

// Its workspace path is scratch.Path() + "Profile\Settings\".
class ScratchApp : public CWinApp {
public:
    ScratchApp() : CWinApp(L"Profile"), m_Scratch(L"Workspace")
    {
        SetRegistryKey(L"ZorvaneTests\\Workspace");
        m_SavedShowCmd = m_nCmdShow;
    }
    ~ScratchApp() override
    {
        free(const_cast<LPWSTR>(m_pszRegistryKey));
        m_pszRegistryKey = nullptr;
    }
    int DoMessageBox(LPCWSTR iPrompt, UINT iType, UINT) override
    {
        m_Messages.push_back(std::wstring(iPrompt) + L"|" + std::to_wstring(iType));
        return IDOK;
    }
    CString Workspace() const { return m_Scratch.Path() + L"Profile\\Settings\\"; }

    ScratchRegistryKey m_Scratch;
    std::vector<std::wstring> m_Messages;
    int m_SavedShowCmd;
};

// Notes its hooks, each with the data version it sees.
class RecordingWorkspace : public CGTWorkspace {
public:
    RecordingWorkspace() : CGTWorkspace(TRUE) { SetRegistryBase(L"Settings"); }
    void PreLoadState() override { Note("preload"); }
    void LoadCustomState() override { Note("customload"); }
    void PreSaveState() override { Note("presave"); }
    void SaveCustomState() override { Note("customsave"); }
    BOOL ReloadWindowPlacement(CFrameWnd* iFrame) override
    {
        Note("placement");
        return CGTWorkspace::ReloadWindowPlacement(iFrame);
    }
    BOOL StoreWindowPlacement(const CRect& iRect, int iFlags, int iShowCmd) override
    {
        Note("storeplacement");
        return CGTWorkspace::StoreWindowPlacement(iRect, iFlags, iShowCmd);
    }
    void Note(const std::string& iWhat)
    {
        char version[16];
        snprintf(version, sizeof(version), "%x", GetDataVersion());
        m_Calls.push_back(iWhat + "@" + version);
    }
    std::vector<std::string> m_Calls;
};

// A toolbar whose loads and saves the workspace notes.
class NotedToolBar : public CGTToolBar {
public:
    explicit NotedToolBar(RecordingWorkspace& ioWorkspace) : m_Workspace(ioWorkspace) {}
    BOOL LoadState(LPCWSTR iProfile, int iIndex, UINT iId) override
    {
        m_Workspace.Note("barload");
        return CGTToolBar::LoadState(iProfile, iIndex, iId);
    }
    BOOL SaveState(LPCWSTR iProfile, int iIndex, UINT iId) override
    {
        m_Workspace.Note("barsave");
        return CGTToolBar::SaveState(iProfile, iIndex, iId);
    }
    RecordingWorkspace& m_Workspace;
};

// A toolkit frame on the test's stack, with dock bars on every side.
class StackToolkitFrame : public CGTFrameWnd {
public:
    explicit StackToolkitFrame(CRect iRect = CRect(100, 100, 600, 400))
    {
        Create(nullptr, L"Frame", WS_OVERLAPPEDWINDOW, iRect);
        CreateDockBars(0xF000);
    }
    ~StackToolkitFrame() override
    {
        if (GetSafeHwnd() != nullptr)
            DestroyWindow();
    }

protected:
    void PostNcDestroy() override {}
};
