#pragma once
// What the document's tests stand on: an application that records its message boxes, a main
// window with the three trees, a fake activation and recordsets made in memory.
#include <CZVViewerDoc.h>
#include <ServerActivation.h>

#include <FakeZorvane.h>
#include <PlatformAdo.h>

#include <comdef.h>

#include <string>
#include <vector>

class CViewerTestApp : public CWinApp {
public:
    CViewerTestApp() : CWinApp(L"ViewerTests") {}

    struct Box {
        std::wstring text;
        UINT type;
    };
    std::vector<Box> boxes;

    int DoMessageBox(LPCWSTR iPrompt, UINT iType, UINT) override
    {
        boxes.push_back({iPrompt, iType});
        return IDOK;
    }

    // Makes the document the one of the application's template, as the program has it.
    void HoldDocument(CDocument* iDocument);
};

// The main window: three trees whose roots the document loads; it deletes its tree objects.
class CTreesFrame : public CFrameWnd, public IViewerTrees {
public:
    CTreesFrame();
    CZVViewerDoc* document = nullptr;

    CTreeCtrl* GetViewerTree(ViewerTree iTree) override { return &m_Trees[static_cast<int>(iTree)]; }
    void ReloadTrees() override;
    void ClearTrees() override;

private:
    CTreeCtrl m_Trees[3];
};

// Activates the fake server, or fails as the test says; counts the activations.
class TFakeActivation : public IServerActivation {
public:
    explicit TFakeActivation(TFakeZorvane& iServer) : m_Server(iServer) {}
    HRESULT failure = S_OK;
    std::vector<std::wstring> computers;

    HRESULT Activate(LPCWSTR iComputer, IZorvane** oServer) override;

private:
    TFakeZorvane& m_Server;
};

// An open recordset of the columns with the values row after row; its one reference is the caller's.
_Recordset* MakeRecordset(const std::vector<ado::ColumnDefinition>& iColumns, const std::vector<_variant_t>& iValues);

// A summary request as the viewer makes it: all zero but for what is given.
SummaryActivityRequest Request(ZorvaneObjectType iType, unsigned long iComputer = 0, unsigned long iUser = 0,
                               unsigned long iProcess = 0, DATE iStart = 0, DATE iEnd = 0);

_variant_t Null();
// A program's record as the server answers it.
_Recordset* Program(const wchar_t* iDescription, const wchar_t* iProcess, const _variant_t& iIcon = Null());

// The texts of the items below iParent (TVI_ROOT: the root level).
std::vector<std::wstring> ItemTexts(CTreeCtrl& iTree, HTREEITEM iParent = TVI_ROOT);
