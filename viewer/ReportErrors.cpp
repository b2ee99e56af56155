#include "ReportErrors.h"

#include <afxwin.h>

#include <csl/EComException.h>

#include <exception>

CString SystemMessage(HRESULT iError)
{
    LPWSTR text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   static_cast<DWORD>(iError), 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    CString message(text ? text : L"");
    LocalFree(text);
    message.Replace(L"\r\n", L" ");
    message.TrimRight();
    return message;
}

namespace {

CString DescriptionOr(const CString& iDescription, HRESULT iError)
{
    if (!iDescription.IsEmpty())
        return iDescription;
    CString text = SystemMessage(iError);
    if (text.IsEmpty())
        text.Format(L"Error 0x%08lX", static_cast<unsigned long>(iError));
    return text;
}

CString TextOf(const EComException& iError)
{
    std::wstring description;
    if (iError.HasProperty("Description"))
        iError.GetProperty("Description").GetWString(description);
    return DescriptionOr(description.c_str(), iError.GetHResult());
}

CString TextOf(CException* iError)
{
    if (COleDispatchException* dispatch = DYNAMIC_DOWNCAST(COleDispatchException, iError))
        return DescriptionOr(dispatch->m_strDescription, dispatch->m_scError);
    if (COleException* ole = DYNAMIC_DOWNCAST(COleException, iError))
        return DescriptionOr(CString(), ole->m_sc);
    WCHAR text[512] = L"";
    iError->GetErrorMessage(text, _countof(text));
    return text;
}

}  // namespace

BOOL RunReportStep(const std::function<void()>& iStep)
{
    CString failure;
    try {
        iStep();
        return TRUE;
    } catch (const EComException& e) {
        failure = TextOf(e);
    } catch (const std::exception& e) {
        failure = CString(e.what());
    } catch (CException* e) {
        failure = TextOf(e);
        e->Delete();
    }
    AfxMessageBox(failure, MB_ICONEXCLAMATION);
    return FALSE;
}
