#include "ErrorObject.h"

#include "CollectionIndex.h"
#include "Variant.h"

namespace ado {
namespace {

constexpr const wchar_t* kSource = L"PlatformADO.Error";

HRESULT TextOut(const std::wstring& iText, BSTR* oTo)
{
    return Guard(kSource, [&] {
        CheckPointer(oTo);
        *oTo = MakeBstr(iText);
    });
}

HRESULT NumberOut(long iNumber, long* oTo)
{
    return Guard(kSource, [&] {
        CheckPointer(oTo);
        *oTo = iNumber;
    });
}

}  // namespace

HRESULT ErrorObject::get_Number(long* oNumber)
{
    return NumberOut(m_Record.Number, oNumber);
}
HRESULT ErrorObject::get_Source(BSTR* oSource)
{
    return TextOut(m_Record.Source, oSource);
}
HRESULT ErrorObject::get_Description(BSTR* oDescription)
{
    return TextOut(m_Record.Description, oDescription);
}
HRESULT ErrorObject::get_HelpFile(BSTR* oFile)
{
    return TextOut(std::wstring(), oFile);
}
HRESULT ErrorObject::get_HelpContext(long* oContext)
{
    return NumberOut(0, oContext);
}
HRESULT ErrorObject::get_SQLState(BSTR* oState)
{
    return TextOut(m_Record.SqlState, oState);
}
HRESULT ErrorObject::get_NativeError(long* oError)
{
    return NumberOut(m_Record.NativeError, oError);
}

HRESULT ErrorsCollection::get_Count(long* oCount)
{
    return NumberOut(static_cast<long>(m_Records.size()), oCount);
}

HRESULT ErrorsCollection::get_Item(VARIANT iIndex, Error** oError)
{
    return Guard(L"PlatformADO.Errors", [&] {
        CheckPointer(oError);
        *oError = nullptr;
        size_t position = ResolveIndex(iIndex, m_Records.size(), [](const std::wstring&) { return -1L; });
        *oError = Make<ErrorObject>(m_Records[position]).Detach();
    });
}

}  // namespace ado
