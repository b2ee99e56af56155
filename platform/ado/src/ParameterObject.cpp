#include "ParameterObject.h"

#include <cstring>

#include "AdoError.h"
#include "CollectionIndex.h"

namespace ado {
namespace {

constexpr const wchar_t* kSource = L"PlatformADO.Parameter";

template <class T>
HRESULT Out(T iValue, T* oTo)
{
    return Guard(kSource, [&] {
        CheckPointer(oTo);
        *oTo = iValue;
    });
}

template <class T>
HRESULT In(T iValue, T& oField)
{
    oField = iValue;
    return S_OK;
}

}  // namespace

HRESULT ParameterObject::get_Name(BSTR* oName)
{
    return Guard(kSource, [&] {
        CheckPointer(oName);
        *oName = MakeBstr(m_Name);
    });
}
HRESULT ParameterObject::put_Name(BSTR iName)
{
    return Guard(kSource, [&] { m_Name = FromBstr(iName); });
}
HRESULT ParameterObject::get_Value(VARIANT* oValue)
{
    return Guard(kSource, [&] { m_Value.CopyTo(oValue); });
}
HRESULT ParameterObject::put_Value(VARIANT iValue)
{
    return Guard(kSource, [&] { m_Value = Variant(iValue); });
}
HRESULT ParameterObject::get_Type(DataTypeEnum* oType)
{
    return Out(m_Type, oType);
}
HRESULT ParameterObject::put_Type(DataTypeEnum iType)
{
    return In(iType, m_Type);
}
HRESULT ParameterObject::get_Direction(ParameterDirectionEnum* oDirection)
{
    return Out(adParamInput, oDirection);
}
HRESULT ParameterObject::put_Direction(ParameterDirectionEnum iDirection)
{
    return Guard(kSource, [&] {
        if (iDirection != adParamInput) {
            throw AdoError(adErrFeatureNotAvailable,
                           L"Only input parameters are supported, not direction " + std::to_wstring(iDirection));
        }
    });
}
HRESULT ParameterObject::get_Size(long* oSize)
{
    return Out(m_Size, oSize);
}
HRESULT ParameterObject::put_Size(long iSize)
{
    return In(iSize, m_Size);
}
HRESULT ParameterObject::get_Attributes(long* oAttributes)
{
    return Out(m_Attributes, oAttributes);
}
HRESULT ParameterObject::put_Attributes(long iAttributes)
{
    return In(iAttributes, m_Attributes);
}

HRESULT ParameterObject::AppendChunk(VARIANT iData)
{
    return Guard(kSource, [&] {
        std::vector<BYTE> chunk = BytesOf(iData);
        std::vector<BYTE> bytes = m_Value.Type() == (VT_ARRAY | VT_UI1) ? BytesOf(m_Value.Get()) : std::vector<BYTE>();
        bytes.insert(bytes.end(), chunk.begin(), chunk.end());
        m_Value = Variant::Bytes(bytes.data(), bytes.size());
    });
}

HRESULT ParametersCollection::get_Count(long* oCount)
{
    return Guard(L"PlatformADO.Parameters", [&] {
        CheckPointer(oCount);
        *oCount = static_cast<long>(m_Items.size());
    });
}

HRESULT ParametersCollection::get_Item(VARIANT iIndex, _Parameter** oParameter)
{
    return Guard(L"PlatformADO.Parameters", [&] {
        CheckPointer(oParameter);
        *oParameter = nullptr;
        size_t position = ResolveIndex(iIndex, m_Items.size(), [&](const std::wstring& name) {
            for (size_t i = 0; i < m_Items.size(); ++i) {
                BSTR itemName = nullptr;
                m_Items[i]->get_Name(&itemName);
                bool same = _wcsicmp(FromBstr(itemName).c_str(), name.c_str()) == 0;
                SysFreeString(itemName);
                if (same)
                    return static_cast<long>(i);
            }
            return -1L;
        });
        m_Items[position].CopyTo(oParameter);
    });
}

HRESULT ParametersCollection::Append(IDispatch* iParameter)
{
    return Guard(L"PlatformADO.Parameters", [&] {
        ComPtr<_Parameter> item;
        if (!iParameter ||
            FAILED(iParameter->QueryInterface(IID__Parameter, reinterpret_cast<void**>(item.GetAddressOf())))) {
            throw AdoError(adErrInvalidArgument, L"Only Parameter objects can be appended");
        }
        m_Items.push_back(item);
    });
}

}  // namespace ado
