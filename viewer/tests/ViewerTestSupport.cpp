#include "ViewerTestSupport.h"

#include <ViewerResources.h>

#include <gtest/gtest.h>

#include <cstring>

void CViewerTestApp::HoldDocument(CDocument* iDocument)
{
    CDocTemplate* docTemplate =
        new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CZVViewerDoc), RUNTIME_CLASS(CFrameWnd), nullptr);
    AddDocTemplate(docTemplate);
    docTemplate->AddDocument(iDocument);
}

CTreesFrame::CTreesFrame()
{
    Create(nullptr, L"Viewer");
    for (int i = 0; i < 3; ++i)
        m_Trees[i].Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, CRect(0, 0, 200, 300), this, 101 + i);
}

void CTreesFrame::ReloadTrees()
{
    if (!document)
        return;
    document->LoadUsers();
    document->LoadComputers();
    document->LoadPrograms();
}

void CTreesFrame::ClearTrees()
{
    for (CTreeCtrl& tree : m_Trees) {
        CZVViewerDoc::DeleteTreeItems(tree, tree.GetRootItem());
        tree.DeleteAllItems();
    }
}

HRESULT TFakeActivation::Activate(LPCWSTR iComputer, IZorvane** oServer)
{
    computers.push_back(iComputer);
    *oServer = nullptr;
    if (FAILED(failure))
        return failure;
    m_Server.AddRef();
    *oServer = &m_Server;
    return S_OK;
}

_Recordset* MakeRecordset(const std::vector<ado::ColumnDefinition>& iColumns, const std::vector<_variant_t>& iValues)
{
    _Recordset* rows = nullptr;
    EXPECT_EQ(S_OK, ado::CreateRecordset(iColumns.data(), iColumns.size(), iValues.data(), iValues.size(), &rows));
    return rows;
}

SummaryActivityRequest Request(ZorvaneObjectType iType, unsigned long iComputer, unsigned long iUser,
                               unsigned long iProcess, DATE iStart, DATE iEnd)
{
    SummaryActivityRequest request;
    std::memset(&request, 0, sizeof request);
    request.ObjectType = iType;
    request.ComputerId = iComputer;
    request.UserId = iUser;
    request.ProcessId = iProcess;
    request.TimeStart = iStart;
    request.TimeEnd = iEnd;
    return request;
}

_variant_t Null()
{
    _variant_t value;
    value.vt = VT_NULL;
    return value;
}

_Recordset* Program(const wchar_t* iDescription, const wchar_t* iProcess, const _variant_t& iIcon)
{
    return MakeRecordset(
        {{L"Description", adVarWChar, 64}, {L"ProcessName", adVarWChar, 64}, {L"Icon", adLongVarBinary, 0}},
        {_variant_t(iDescription), _variant_t(iProcess), iIcon});
}

std::vector<std::wstring> ItemTexts(CTreeCtrl& iTree, HTREEITEM iParent)
{
    std::vector<std::wstring> texts;
    for (HTREEITEM item = iTree.GetChildItem(iParent); item; item = iTree.GetNextSiblingItem(item))
        texts.push_back(static_cast<LPCWSTR>(iTree.GetItemText(item)));
    return texts;
}
