#include "CZVViewerDoc.h"

#include "IconResource.h"
#include "ReportErrors.h"
#include "ServerActivation.h"
#include "TreeReports.h"
#include "ViewerResources.h"
#include "ViewerSettings.h"

#include <csl/DbQuery/DbFieldValues.h>
#include <csl/DbQuery/TDbRecordset.h>
#include <csl/EComException.h>

#include <memory>

IMPLEMENT_DYNCREATE(CZVViewerDoc, CDocument)

namespace {

const int kSmallIcon = 16;
const int kLargeIcon = 32;

// Failures that say the server or the way to it is gone.
bool IsTransportFailure(HRESULT iError)
{
    switch (static_cast<unsigned long>(iError)) {
    case 0x800706BA:  // the RPC server is unavailable
    case 0x800706BE:  // the remote procedure call failed
    case 0x800706BF:  // ... and did not execute
    case 0x80010105:  // the server threw an exception
    case 0x80010108:  // the object invoked has disconnected from its clients
        return true;
    default:
        return false;
    }
}

struct TIconResourceHolder {
    IconResource* resource;
    ~TIconResourceHolder() { FreeIconResource(resource); }
};

}  // namespace

CZVViewerDoc* GetViewerDocument()
{
    CWinApp* app = AfxGetApp();
    POSITION position = app ? app->GetFirstDocTemplatePosition() : nullptr;
    CDocTemplate* docTemplate = position ? app->GetNextDocTemplate(position) : nullptr;
    position = docTemplate ? docTemplate->GetFirstDocPosition() : nullptr;
    return position ? DYNAMIC_DOWNCAST(CZVViewerDoc, docTemplate->GetNextDoc(position)) : nullptr;
}

CZVViewerDoc::CZVViewerDoc() : m_SmallImages(nullptr), m_LargeImages(nullptr), m_ServerCalls(0) {}

CZVViewerDoc::~CZVViewerDoc()
{
    m_Server = nullptr;
    DestroyImageLists();
}

BOOL CZVViewerDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument() || !AfxGetMainWnd())
        return FALSE;
    if (IReportFrame* frame = dynamic_cast<IReportFrame*>(AfxGetMainWnd())) {
        POSITION first = GetFirstViewPosition();
        frame->SetReportView(first ? GetNextView(first) : nullptr);
    }
    ConnectToServer();
    return TRUE;
}

void CZVViewerDoc::ConnectToServer()
{
    IViewerTrees* trees = GetViewerTrees();
    if (!trees)
        return;
    m_Server = nullptr;
    m_ServerName = ReadServerName();
    if (m_ServerName.IsEmpty()) {
        AfxMessageBox(IDS_SERVER_NAME_NOT_SET, MB_ICONEXCLAMATION);
        AfxGetMainWnd()->PostMessage(WM_COMMAND, ID_VIEW_OPTIONS);
        return;
    }
    CreateImageLists();
    GiveTreesImages(*trees, m_SmallImages);
    {
        CWaitCursor wait;
        IZorvane* server = nullptr;
        const HRESULT result = ServerActivation().Activate(m_ServerName, &server);
        if (FAILED(result)) {
            ShowActivationFailure(result);
            return;
        }
        if (!TakeServer(server)) {
            ShowServerMessage(IDS_CANNOT_CONNECT, MB_ICONEXCLAMATION);
            return;
        }
    }
    trees->ReloadTrees();
}

// The object that activation handed over is asked for the interface once more: an object
// that refuses it is no server of ours.
bool CZVViewerDoc::TakeServer(IZorvane* iActivated)
{
    IZorvane* server = nullptr;
    const HRESULT result = iActivated->QueryInterface(IID_IZorvane, reinterpret_cast<void**>(&server));
    iActivated->Release();
    if (FAILED(result) || !server)
        return false;
    m_Server.Attach(server);
    return true;
}

void CZVViewerDoc::ShowActivationFailure(HRESULT iFailure)
{
    if (iFailure == RPC_E_ACCESS_DENIED)
        ShowServerMessage(IDS_ACCESS_DENIED, MB_ICONSTOP);
    else if (iFailure == REGDB_E_CLASSNOTREG)
        ShowServerMessage(IDS_SERVICE_NOT_INSTALLED, MB_ICONSTOP);
    else if (iFailure == HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE))
        ShowServerMessage(IDS_SERVER_NOT_AVAILABLE, MB_ICONSTOP);
    else
        ShowServerMessage(IDS_CONNECT_FAILED, MB_ICONSTOP, SystemMessage(iFailure));
}

void CZVViewerDoc::ShowServerMessage(UINT iText, UINT iType, LPCWSTR iDetail)
{
    CString format;
    format.LoadString(iText);
    CString text;
    text.Format(format, static_cast<LPCWSTR>(m_ServerName), iDetail ? iDetail : L"");
    AfxMessageBox(text, iType);
}

// The trees let go of the image lists before they are destroyed: they keep no handle to a
// list that no longer exists.
void CZVViewerDoc::ResetCaches()
{
    IViewerTrees* trees = GetViewerTrees();
    if (trees) {
        trees->ClearTrees();
        GiveTreesImages(*trees, nullptr);
    }
    DestroyImageLists();
    m_SmallIcons.clear();
    m_LargeIcons.clear();
    m_Processes.clear();
}

void CZVViewerDoc::GiveTreesImages(IViewerTrees& ioTrees, HIMAGELIST iImages)
{
    for (ViewerTree tree : {ViewerTree::Users, ViewerTree::Computers, ViewerTree::Applications})
        ioTrees.GetViewerTree(tree)->SendMessage(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(iImages));
}

void CZVViewerDoc::CreateImageLists()
{
    if (!m_SmallImages)
        m_SmallImages = ImageList_Create(kSmallIcon, kSmallIcon, ILC_COLOR24 | ILC_MASK, 0, 0);
    if (!m_LargeImages)
        m_LargeImages = ImageList_Create(kLargeIcon, kLargeIcon, ILC_COLOR24 | ILC_MASK, 0, 0);
}

void CZVViewerDoc::DestroyImageLists()
{
    if (m_SmallImages)
        ImageList_Destroy(m_SmallImages);
    if (m_LargeImages)
        ImageList_Destroy(m_LargeImages);
    m_SmallImages = m_LargeImages = nullptr;
}

int CZVViewerDoc::GetSmallIconIndex(UINT iIcon)
{
    return IconIndex(m_SmallImages, m_SmallIcons, iIcon, kSmallIcon);
}

int CZVViewerDoc::GetLargeIconIndex(UINT iIcon)
{
    return IconIndex(m_LargeImages, m_LargeIcons, iIcon, kLargeIcon);
}

int CZVViewerDoc::IconIndex(HIMAGELIST iList, std::map<UINT, int>& ioIndexes, UINT iIcon, int iSize)
{
    const auto known = ioIndexes.find(iIcon);
    if (known != ioIndexes.end())
        return known->second;
    HICON icon = static_cast<HICON>(
        LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(iIcon), IMAGE_ICON, iSize, iSize, LR_DEFAULTCOLOR));
    const int index = ImageList_ReplaceIcon(iList, -1, icon);
    if (icon)
        DestroyIcon(icon);
    if (index >= 0)
        ioIndexes[iIcon] = index;
    return index;
}

BOOL CZVViewerDoc::GetProcessInfo(ProcessInfoRecord& ioRecord)
{
    const auto known = m_Processes.find(ioRecord.Id);
    if (known != m_Processes.end()) {
        ioRecord = known->second;
        return TRUE;
    }
    const ServerCallScope call(*this);
    try {
        SummaryObjectRequest request = {ZorvaneProcess, ioRecord.Id, 0, 0};
        _Recordset* answer = nullptr;
        const IZorvanePtr server(AdoRequired(GetServer()));
        const HRESULT result = server->GetSummaryObjectData(&request, &answer);
        if (FAILED(result))
            _com_issue_errorex(result, server, IID_IZorvane);
        const TDbRecordset rows((_RecordsetPtr(answer, false)));
        _Recordset* recordset = rows.GetRecordset();
        ioRecord.Description = static_cast<LPCWSTR>(DbFieldAsText(DbGetField(recordset, L"Description")));
        ioRecord.ProcessName = static_cast<LPCWSTR>(DbFieldAsText(DbGetField(recordset, L"ProcessName")));
        if (ioRecord.Description.IsEmpty())
            ioRecord.Description = ioRecord.ProcessName;
        _variant_t icon;
        const FieldPtr iconField = DbGetField(recordset, L"Icon");
        AdoCheck(iconField.GetInterfacePtr(), iconField->get_Value(icon.GetAddress()));
        ReadProcessIcons(icon, ioRecord);
    } catch (const EComException& e) {
        OnServerError(e.GetHResult());
        return FALSE;
    }
    m_Processes[ioRecord.Id] = ioRecord;
    return TRUE;
}

void CZVViewerDoc::ReadProcessIcons(const _variant_t& iIcon, ProcessInfoRecord& ioRecord)
{
    ioRecord.SmallImage = ioRecord.LargeImage = -1;
    if (iIcon.vt == (VT_ARRAY | VT_UI1) && SafeArrayGetDim(iIcon.parray) == 1) {
        BYTE* bytes = nullptr;
        const DWORD size = iIcon.parray->rgsabound[0].cElements;
        SafeArrayAccessData(iIcon.parray, reinterpret_cast<void**>(&bytes));
        HICON large = nullptr, small = nullptr;
        try {
            const TIconResourceHolder icons{ReadIconResource(bytes, size)};
            large = CreateIconOfSize(icons.resource, kLargeIcon);
            small = CreateIconOfSize(icons.resource, kSmallIcon);
        } catch (CException* e) {
            e->Delete();
        }
        SafeArrayUnaccessData(iIcon.parray);
        if (large && small) {
            ioRecord.LargeImage = ImageList_ReplaceIcon(m_LargeImages, -1, large);
            ioRecord.SmallImage = ImageList_ReplaceIcon(m_SmallImages, -1, small);
        }
        if (large)
            DestroyIcon(large);
        if (small)
            DestroyIcon(small);
    }
    if (ioRecord.SmallImage < 0 || ioRecord.LargeImage < 0) {
        ioRecord.SmallImage = GetSmallIconIndex(IDI_PROGRAM);
        ioRecord.LargeImage = GetLargeIconIndex(IDI_PROGRAM);
    }
}

bool CZVViewerDoc::OnServerError(HRESULT iError)
{
    if (!IsTransportFailure(iError))
        return false;
    m_Server = nullptr;
    ShowServerMessage(IDS_SERVER_NOT_AVAILABLE, MB_ICONSTOP);
    return true;
}

void CZVViewerDoc::DeleteTreeItems(CTreeCtrl& ioTree, HTREEITEM iFirst)
{
    for (HTREEITEM item = iFirst; item; item = ioTree.GetNextSiblingItem(item)) {
        if (HTREEITEM child = ioTree.GetChildItem(item))
            DeleteTreeItems(ioTree, child);
        delete reinterpret_cast<CTreeObject*>(ioTree.GetItemData(item));
        ioTree.SetItemData(item, 0);
    }
}
