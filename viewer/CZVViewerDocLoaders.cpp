// The eight loaders: each asks the server for one summary and adds a tree item per row.
#include "CZVViewerDoc.h"

#include "TreeObjectKinds.h"
#include "ViewerResources.h"

#include <csl/DbQuery/DbFieldToInt.h>
#include <csl/DbQuery/DbFieldValues.h>
#include <csl/DbQuery/TDbRecordset.h>
#include <csl/EComException.h>

#include <memory>

struct CZVViewerDoc::Loader {
    ViewerTree Tree;
    ZorvaneObjectType Type;
    // The ids of the request that come from the parent item's object.
    void (*Fill)(const CTreeObject& iParent, SummaryActivityRequest& ioRequest);
    CTreeObject* (*Make)(ULONG iId, LPCWSTR iName, CTreeObject* iParent);
    // 0: the program's own icon.
    UINT Icon;
    // The column that counts the row's children; null: the rows have none.
    const wchar_t* ChildCount;
};

namespace {

template <class Kind>
CTreeObject* Make(ULONG iId, LPCWSTR iName, CTreeObject* iParent)
{
    return new Kind(iId, iName, iParent);
}

void NoIds(const CTreeObject&, SummaryActivityRequest&) {}

void UserId(const CTreeObject& iParent, SummaryActivityRequest& ioRequest)
{
    ioRequest.UserId = iParent.GetId();
}

void ComputerId(const CTreeObject& iParent, SummaryActivityRequest& ioRequest)
{
    ioRequest.ComputerId = iParent.GetId();
}

// A computer under a user, a user under a computer and a program at the root ask for their
// children what their reports ask for.
void AsItsReport(const CTreeObject& iParent, SummaryActivityRequest& ioRequest)
{
    iParent.FillRequest(ioRequest);
}

const CZVViewerDoc::Loader kUsers = {ViewerTree::Users, ZorvaneUser, NoIds, Make<CUserObject>, IDI_USER, L"Computers"};
const CZVViewerDoc::Loader kUserComputers = {ViewerTree::Users,     ZorvaneComputer, UserId,
                                             Make<CComputerObject>, IDI_COMPUTER,    L"Processes"};
const CZVViewerDoc::Loader kUserComputerPrograms = {
    ViewerTree::Users, ZorvaneProcess, AsItsReport, Make<CApplicationObject>, 0, nullptr};
const CZVViewerDoc::Loader kComputers = {ViewerTree::Computers,    ZorvaneComputer, NoIds,
                                         Make<CWorkstationObject>, IDI_COMPUTER,    L"Users"};
const CZVViewerDoc::Loader kComputerUsers = {ViewerTree::Computers, ZorvaneUser, ComputerId,
                                             Make<CCompUserObject>, IDI_USER,    L"Processes"};
const CZVViewerDoc::Loader kComputerUserPrograms = {
    ViewerTree::Computers, ZorvaneProcess, AsItsReport, Make<CWsUsApplicationObject>, 0, nullptr};
const CZVViewerDoc::Loader kPrograms = {
    ViewerTree::Applications, ZorvaneProcess, NoIds, Make<CProgramObject>, 0, L"Users"};
const CZVViewerDoc::Loader kProgramUsers = {ViewerTree::Applications, ZorvaneUser, AsItsReport,
                                            Make<CAppUserObject>,     IDI_USER,    nullptr};

}  // namespace

void CZVViewerDoc::LoadUsers()
{
    Load(kUsers, TVI_ROOT);
}

void CZVViewerDoc::LoadComputers()
{
    Load(kComputers, TVI_ROOT);
}

void CZVViewerDoc::LoadPrograms()
{
    Load(kPrograms, TVI_ROOT);
}

BOOL CZVViewerDoc::LoadUserComputers(HTREEITEM iItem)
{
    return Load(kUserComputers, iItem);
}

BOOL CZVViewerDoc::LoadUserComputerPrograms(HTREEITEM iItem)
{
    return Load(kUserComputerPrograms, iItem);
}

BOOL CZVViewerDoc::LoadComputerUsers(HTREEITEM iItem)
{
    return Load(kComputerUsers, iItem);
}

BOOL CZVViewerDoc::LoadComputerUserPrograms(HTREEITEM iItem)
{
    return Load(kComputerUserPrograms, iItem);
}

BOOL CZVViewerDoc::LoadProgramUsers(HTREEITEM iItem)
{
    return Load(kProgramUsers, iItem);
}

BOOL CZVViewerDoc::Load(const Loader& iLoader, HTREEITEM iParent)
{
    IViewerTrees* trees = GetViewerTrees();
    if (!trees || IsServerBusy())
        return FALSE;
    CTreeCtrl& tree = *trees->GetViewerTree(iLoader.Tree);
    CTreeObject* parent = iParent == TVI_ROOT ? nullptr : reinterpret_cast<CTreeObject*>(tree.GetItemData(iParent));
    if (iParent != TVI_ROOT && !parent)
        return FALSE;
    const ServerCallScope call(*this);
    try {
        LoadRows(iLoader, tree, iParent, parent);
    } catch (const EComException& e) {
        OnServerError(e.GetHResult());
        return FALSE;
    }
    return TRUE;
}

void CZVViewerDoc::LoadRows(const Loader& iLoader, CTreeCtrl& ioTree, HTREEITEM iParent, CTreeObject* iParentObject)
{
    SummaryActivityRequest request = {};
    request.ObjectType = iLoader.Type;
    if (iParentObject)
        iLoader.Fill(*iParentObject, request);
    const IZorvanePtr server(AdoRequired(GetServer()));
    _Recordset* answer = nullptr;
    const HRESULT result = server->GetSummaryActivityData(&request, &answer);
    if (FAILED(result))
        _com_issue_errorex(result, server, IID_IZorvane);
    TDbRecordset rows((_RecordsetPtr(answer, false)));
    rows.SetSort(L"Name Asc");
    for (; !rows.IsEOF(); rows.MoveNext()) {
        _Recordset* recordset = rows.GetRecordset();
        const ULONG id = DbFieldAsULong(DbGetField(recordset, L"ID"));
        CString caption;
        int image = -1;
        ProcessInfoRecord program = {id};
        if (iLoader.Icon == 0 && GetProcessInfo(program)) {
            caption = program.Description;
            image = program.SmallImage;
        } else {
            caption = static_cast<LPCWSTR>(DbFieldAsText(DbGetField(recordset, L"Name")));
            image = GetSmallIconIndex(iLoader.Icon ? iLoader.Icon : IDI_PROGRAM);
        }
        const ULONG children = iLoader.ChildCount ? DbFieldAsULong(DbGetField(recordset, iLoader.ChildCount)) : 0;
        std::unique_ptr<CTreeObject> object(iLoader.Make(id, caption, iParentObject));
        HTREEITEM item = ioTree.InsertItem(TVIF_TEXT, caption, 0, 0, 0, 0, 0, iParent, TVI_LAST);
        if (!item)
            continue;
        TVITEMW fields = {TVIF_HANDLE | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN, item};
        fields.lParam = reinterpret_cast<LPARAM>(object.release());
        fields.iImage = fields.iSelectedImage = image;
        fields.cChildren = children ? 1 : 0;
        ioTree.SetItem(&fields);
    }
}
