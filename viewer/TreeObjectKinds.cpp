#include "TreeObjectKinds.h"

#include "CZVViewerDoc.h"
#include "ReportKinds.h"

IMPLEMENT_DYNAMIC(CUserObject, CTreeObject)
IMPLEMENT_DYNAMIC(CComputerObject, CTreeObject)
IMPLEMENT_DYNAMIC(CApplicationObject, CTreeObject)
IMPLEMENT_DYNAMIC(CWorkstationObject, CTreeObject)
IMPLEMENT_DYNAMIC(CCompUserObject, CTreeObject)
IMPLEMENT_DYNAMIC(CWsUsApplicationObject, CApplicationObject)
IMPLEMENT_DYNAMIC(CProgramObject, CTreeObject)
IMPLEMENT_DYNAMIC(CAppUserObject, CTreeObject)

namespace {

BOOL LoadWith(BOOL (CZVViewerDoc::*iLoader)(HTREEITEM), HTREEITEM iItem)
{
    CZVViewerDoc* document = GetViewerDocument();
    return document ? (document->*iLoader)(iItem) : FALSE;
}

template <class Report>
CReport* MakeReport(CRightView* iView, CTreeObject* iOwner)
{
    return new Report(iView, iOwner);
}

}  // namespace

void CUserObject::ShowReport()
{
    ShowNewReport(MakeReport<CUserReport>);
}

void CComputerObject::ShowReport()
{
    ShowNewReport(MakeReport<CComputerReport>);
}

void CApplicationObject::ShowReport()
{
    ShowNewReport(MakeReport<CApplicationReport>);
}

void CWorkstationObject::ShowReport()
{
    ShowNewReport(MakeReport<CWorkstationReport>);
}

void CCompUserObject::ShowReport()
{
    ShowNewReport(MakeReport<CComputerReport>);
}

void CProgramObject::ShowReport()
{
    ShowNewReport(MakeReport<CProgramReport>);
}

void CAppUserObject::ShowReport()
{
    ShowNewReport(MakeReport<CAppUserReport>);
}

BOOL CUserObject::LoadChildren(HTREEITEM iItem)
{
    return LoadWith(&CZVViewerDoc::LoadUserComputers, iItem);
}

BOOL CComputerObject::LoadChildren(HTREEITEM iItem)
{
    return LoadWith(&CZVViewerDoc::LoadUserComputerPrograms, iItem);
}

void CComputerObject::FillRequest(SummaryActivityRequest& ioRequest) const
{
    ioRequest.ObjectType = ZorvaneProcess;
    ioRequest.ComputerId = GetId();
    FillFromAncestor(1, ioRequest.UserId);
}

void CApplicationObject::FillRequest(SummaryActivityRequest& ioRequest) const
{
    ioRequest.ObjectType = ZorvaneDocument;
    FillFromAncestor(1, ioRequest.ComputerId);
    FillFromAncestor(2, ioRequest.UserId);
    ioRequest.ProcessId = GetId();
}

BOOL CWorkstationObject::LoadChildren(HTREEITEM iItem)
{
    return LoadWith(&CZVViewerDoc::LoadComputerUsers, iItem);
}

BOOL CCompUserObject::LoadChildren(HTREEITEM iItem)
{
    return LoadWith(&CZVViewerDoc::LoadComputerUserPrograms, iItem);
}

void CCompUserObject::FillRequest(SummaryActivityRequest& ioRequest) const
{
    ioRequest.ObjectType = ZorvaneProcess;
    FillFromAncestor(1, ioRequest.ComputerId);
    ioRequest.UserId = GetId();
}

void CWsUsApplicationObject::FillRequest(SummaryActivityRequest& ioRequest) const
{
    ioRequest.ObjectType = ZorvaneDocument;
    FillFromAncestor(2, ioRequest.ComputerId);
    FillFromAncestor(1, ioRequest.UserId);
    ioRequest.ProcessId = GetId();
}

BOOL CProgramObject::LoadChildren(HTREEITEM iItem)
{
    return LoadWith(&CZVViewerDoc::LoadProgramUsers, iItem);
}

void CProgramObject::FillRequest(SummaryActivityRequest& ioRequest) const
{
    ioRequest.ObjectType = ZorvaneUser;
    ioRequest.ProcessId = GetId();
}

void CAppUserObject::FillRequest(SummaryActivityRequest& ioRequest) const
{
    ioRequest.ObjectType = ZorvaneDocument;
    ioRequest.UserId = GetId();
    FillFromAncestor(1, ioRequest.ProcessId);
}
