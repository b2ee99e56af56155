#include "ParameterObject.h"

#include <cstring>

#include "AdoError.h"
#include "CollectionIndex.h"

namespace ado {
namespace {

constexpr const wchar_t* kSource = L"PlatformADO.Parameter";

template <class T>
HRESULT Out(T value, T* out)
{
    return Guard(kSource, [&] {
        CheckPointer(out);
        *out = value;
    });
}

template <class T>
HRESULT In(T value, T& field)
{
    field = value;
    return S_OK;
}

}  // namespace

HRESULT ParameterObject::get_Name(BSTR* name)
{
    return Guard(kSource, [&] {
        CheckPointer(name);
        *name = MakeBstr(name_);
    });
}
HRESULT ParameterObject::put_Name(BSTR name)
{
    return Guard(kSource, [&] { name_ = FromBstr(name); });
}
HRESULT ParameterObject::get_Value(VARIANT* value)
{
    return Guard(kSource, [&] { value_.CopyTo(value); });
}
HRESULT ParameterObject::put_Value(VARIANT value)
{
    return Guard(kSource, [&] { value_ = Variant(value); });
}
HRESULT ParameterObject::get_Type(DataTypeEnum* type)
{
    return Out(type_, type);
}
HRESULT ParameterObject::put_Type(DataTypeEnum type)
{
    return In(type, type_);
}
HRESULT ParameterObject::get_Direction(ParameterDirectionEnum* direction)
{
    return Out(adParamInput, direction);
}
HRESULT ParameterObject::put_Direction(ParameterDirectionEnum direction)
{
    return Guard(kSource, [&] {
        if (direction != adParamInput) {
            throw AdoError(adErrFeatureNotAvailable,
                           L"Only input parameters are supported, not direction " + std::to_wstring(direction));
        }
    });
}
HRESULT ParameterObject::get_Size(long* size)
{
    return Out(size_, size);
}
HRESULT ParameterObject::put_Size(long size)
{
    return In(size, size_);
}
HRESULT ParameterObject::get_Attributes(long* attributes)
{
    return Out(attributes_, attributes);
}
HRESULT ParameterObject::put_Attributes(long attributes)
{
    return In(attributes, attributes_);
}

HRESULT ParameterObject::AppendChunk(VARIANT data)
{
    return Guard(kSource, [&] {
        std::vector<BYTE> chunk = BytesOf(data);
        std::vector<BYTE> bytes = value_.Type() == (VT_ARRAY | VT_UI1) ? BytesOf(value_.Get()) : std::vector<BYTE>();
        bytes.insert(bytes.end(), chunk.begin(), chunk.end());
        value_ = Variant::Bytes(bytes.data(), bytes.size());
    });
}

HRESULT ParametersCollection::get_Count(long* count)
{
    return Guard(L"PlatformADO.Parameters", [&] {
        CheckPointer(count);
        *count = static_cast<long>(items_.size());
    });
}

HRESULT ParametersCollection::get_Item(VARIANT index, _Parameter** parameter)
{
    return Guard(L"PlatformADO.Parameters", [&] {
        CheckPointer(parameter);
        *parameter = nullptr;
        size_t position = ResolveIndex(index, items_.size(), [&](const std::wstring& name) {
            for (size_t i = 0; i < items_.size(); ++i) {
                BSTR itemName = nullptr;
                items_[i]->get_Name(&itemName);
                bool same = _wcsicmp(FromBstr(itemName).c_str(), name.c_str()) == 0;
                SysFreeString(itemName);
                if (same)
                    return static_cast<long>(i);
            }
            return -1L;
        });
        items_[position].CopyTo(parameter);
    });
}

HRESULT ParametersCollection::Append(IDispatch* parameter)
{
    return Guard(L"PlatformADO.Parameters", [&] {
        ComPtr<_Parameter> item;
        if (!parameter ||
            FAILED(parameter->QueryInterface(IID__Parameter, reinterpret_cast<void**>(item.GetAddressOf())))) {
            throw AdoError(adErrInvalidArgument, L"Only Parameter objects can be appended");
        }
        items_.push_back(item);
    });
}

}  // namespace ado
