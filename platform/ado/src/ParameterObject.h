#pragma once
#include <string>
#include <vector>

#include "ComObject.h"
#include "Variant.h"

namespace ado {

// One positional input parameter of a command.
class ParameterObject : public DispatchObject<_Parameter> {
public:
    HRESULT STDMETHODCALLTYPE get_Name(BSTR* oName) override;
    HRESULT STDMETHODCALLTYPE put_Name(BSTR iName) override;
    HRESULT STDMETHODCALLTYPE get_Value(VARIANT* oValue) override;
    HRESULT STDMETHODCALLTYPE put_Value(VARIANT iValue) override;
    HRESULT STDMETHODCALLTYPE get_Type(DataTypeEnum* oType) override;
    HRESULT STDMETHODCALLTYPE put_Type(DataTypeEnum iType) override;
    HRESULT STDMETHODCALLTYPE get_Direction(ParameterDirectionEnum* oDirection) override;
    HRESULT STDMETHODCALLTYPE put_Direction(ParameterDirectionEnum iDirection) override;
    HRESULT STDMETHODCALLTYPE get_Size(long* oSize) override;
    HRESULT STDMETHODCALLTYPE put_Size(long iSize) override;
    HRESULT STDMETHODCALLTYPE get_Attributes(long* oAttributes) override;
    HRESULT STDMETHODCALLTYPE put_Attributes(long iAttributes) override;
    HRESULT STDMETHODCALLTYPE AppendChunk(VARIANT iData) override;

private:
    std::wstring m_Name;
    DataTypeEnum m_Type = adEmpty;
    long m_Size = 0;
    long m_Attributes = 0;
    Variant m_Value;
};

// The parameters of a command, in the order they were appended.
class ParametersCollection : public DispatchObject<Parameters> {
public:
    HRESULT STDMETHODCALLTYPE get_Count(long* oCount) override;
    HRESULT STDMETHODCALLTYPE get_Item(VARIANT iIndex, _Parameter** oParameter) override;
    HRESULT STDMETHODCALLTYPE Append(IDispatch* iParameter) override;

    const std::vector<ComPtr<_Parameter>>& Items() const { return m_Items; }

private:
    std::vector<ComPtr<_Parameter>> m_Items;
};

}  // namespace ado
