#include "ReportKinds.h"

#include "CZVViewerDoc.h"
#include "RightView.h"
#include "TreeObject.h"

IMPLEMENT_DYNAMIC(CUserReport, CReport)
IMPLEMENT_DYNAMIC(CWorkstationReport, CReport)
IMPLEMENT_DYNAMIC(CComputerReport, CReport)
IMPLEMENT_DYNAMIC(CProgramReport, CReport)
IMPLEMENT_DYNAMIC(CApplicationReport, CReport)
IMPLEMENT_DYNAMIC(CAppUserReport, CReport)

namespace {

CString Formatted(UINT iFormat, LPCWSTR iFirst, LPCWSTR iSecond, LPCWSTR iThird = L"")
{
    CString format;
    format.LoadString(iFormat);
    CString text;
    text.Format(format, iFirst, iSecond, iThird);
    return text;
}

LPCWSTR NameOf(const CTreeObject* iObject)
{
    return iObject ? static_cast<LPCWSTR>(iObject->GetName()) : L"";
}

}  // namespace

// Without a connection it sets nothing at all.
void CUserReport::Build(int iFlag)
{
    CReport::Build(iFlag);
    CZVViewerDoc* document = GetViewerDocument();
    if (!document || !document->GetServer())
        return;
    ShowTitleIcon(*document, document->GetLargeIconIndex(IDI_USER));
    InsertColumns({{IDS_COMPUTER, 100}, kTime, kKeys, kMice});
    SetCaption(GetOwner()->GetName());
    SummaryActivityRequest request = NewRequest();
    request.ObjectType = ZorvaneComputer;
    request.UserId = GetOwner()->GetId();
    ReadRecords(*document, request);
}

// Without a connection it sets its icon only.
void CWorkstationReport::Build(int iFlag)
{
    CReport::Build(iFlag);
    CZVViewerDoc* document = GetViewerDocument();
    if (!document)
        return;
    ShowTitleIcon(*document, document->GetLargeIconIndex(IDI_COMPUTER));
    if (!document->GetServer())
        return;
    InsertColumns({{IDS_USER_NAME, 100}, kTime, kKeys, kMice});
    SetCaption(GetOwner()->GetName());
    SummaryActivityRequest request = NewRequest();
    request.ObjectType = ZorvaneUser;
    request.ComputerId = GetOwner()->GetId();
    ReadRecords(*document, request);
}

void CComputerReport::Build(int iFlag)
{
    CReport::Build(iFlag);
    CZVViewerDoc* document = GetViewerDocument();
    if (!document)
        return;
    ShowTitleIcon(*document, document->GetLargeIconIndex(IDI_COMPUTER));
    const CTreeObject* parent = GetOwner()->GetParent();
    if (!parent)
        return;
    InsertColumns({{IDS_PROGRAM_NAME, 300}, {IDS_PROCESS, 100}, kTime, kKeys, kMice});
    GetView()->m_wndGrid.ShowGroupArea(FALSE);
    SetCaption(Formatted(IDS_PROGRAM_ON_COMPUTER, parent->GetName(), GetOwner()->GetName()));
    SummaryActivityRequest request = NewRequest();
    GetOwner()->FillRequest(request);
    ReadRecords(*document, request, TRUE);
}

void CProgramReport::Build(int iFlag)
{
    CReport::Build(iFlag);
    CZVViewerDoc* document = GetViewerDocument();
    if (!document)
        return;
    const ProcessInfoRecord program = ProgramRecord(*document, GetOwner());
    ShowTitleIcon(*document, program.LargeImage);
    InsertColumns({{IDS_USER_NAME, 100}, kTime, kKeys, kMice});
    CString caption;
    caption.Format(L"%s (%s)", static_cast<LPCWSTR>(program.Description), static_cast<LPCWSTR>(program.ProcessName));
    SetCaption(caption);
    SummaryActivityRequest request = NewRequest();
    GetOwner()->FillRequest(request);
    ReadRecords(*document, request);
}

// The caption names the grandparent before the parent: the user before the computer under
// the Users tree, the computer before the user under the Computers tree.
void CApplicationReport::Build(int iFlag)
{
    CReport::Build(iFlag);
    CZVViewerDoc* document = GetViewerDocument();
    const CTreeObject* parent = GetOwner()->GetParent();
    if (!document || !parent)
        return;
    const ProcessInfoRecord program = ProgramRecord(*document, GetOwner());
    ShowTitleIcon(*document, program.LargeImage);
    InsertColumns({{IDS_WINDOW_TITLE, 300}, kTime, kKeys, kMice});
    SetCaption(Formatted(IDS_TITLES_OF_PROGRAM, GetOwner()->GetName(), NameOf(parent->GetParent()), parent->GetName()));
    SummaryActivityRequest request = NewRequest();
    GetOwner()->FillRequest(request);
    ReadRecords(*document, request);
}

void CAppUserReport::Build(int iFlag)
{
    CReport::Build(iFlag);
    CZVViewerDoc* document = GetViewerDocument();
    if (!document)
        return;
    const ProcessInfoRecord program = ProgramRecord(*document, GetOwner()->GetParent());
    ShowTitleIcon(*document, program.LargeImage);
    InsertColumns({{IDS_WINDOW_TITLE, 300}, kTime, kKeys, kMice});
    SetCaption(Formatted(IDS_TITLES_BY_USER, program.Description, GetOwner()->GetName()));
    SummaryActivityRequest request = NewRequest();
    GetOwner()->FillRequest(request);
    ReadRecords(*document, request);
}
