#include <csl/_value_t_data_t.h>
#include <csl/StringUtils.h>

#include <stdexcept>

namespace _value_detail {

namespace {

std::wstring WideOf(const _bstr_t& iText)
{
    const wchar_t* text = static_cast<const wchar_t*>(iText);
    return text ? std::wstring(text, iText.length()) : std::wstring();
}

}  // namespace

void ConvertText(const std::string& iFrom, std::wstring& oTo)
{
    oTo = MultiByteToWide(iFrom.data(), static_cast<int>(iFrom.size()), CP_ACP);
}

void ConvertText(const std::string& iFrom, _bstr_t& oTo)
{
    oTo = _bstr_t(iFrom.c_str());
}

void ConvertText(const std::wstring& iFrom, std::string& oTo)
{
    oTo = WideToMultiByte(iFrom.data(), static_cast<int>(iFrom.size()), CP_ACP);
}

void ConvertText(const std::wstring& iFrom, _bstr_t& oTo)
{
    BSTR text = SysAllocStringLen(iFrom.data(), static_cast<UINT>(iFrom.size()));
    if (!text)
        throw std::bad_alloc();
    oTo = _bstr_t(text, false);
}

void ConvertText(const _bstr_t& iFrom, std::string& oTo)
{
    const std::wstring wide = WideOf(iFrom);
    ConvertText(wide, oTo);
}

void ConvertText(const _bstr_t& iFrom, std::wstring& oTo)
{
    oTo = WideOf(iFrom);
}

int CompareBstr(const _bstr_t& iLeft, const _bstr_t& iRight)
{
    const wchar_t* left = static_cast<const wchar_t*>(iLeft);
    const wchar_t* right = static_cast<const wchar_t*>(iRight);
    if (!left || !right)
        return (left ? 1 : 0) - (right ? 1 : 0);
    const int order = WideOf(iLeft).compare(WideOf(iRight));
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

void ThrowOutOfRange()
{
    throw std::out_of_range("out of range");
}

}  // namespace _value_detail
