#pragma once
#include <string>
#include <vector>

#include "ComObject.h"
#include "Variant.h"

namespace ado {

// One positional input parameter of a command.
class ParameterObject : public DispatchObject<_Parameter> {
public:
    HRESULT STDMETHODCALLTYPE get_Name(BSTR* name) override;
    HRESULT STDMETHODCALLTYPE put_Name(BSTR name) override;
    HRESULT STDMETHODCALLTYPE get_Value(VARIANT* value) override;
    HRESULT STDMETHODCALLTYPE put_Value(VARIANT value) override;
    HRESULT STDMETHODCALLTYPE get_Type(DataTypeEnum* type) override;
    HRESULT STDMETHODCALLTYPE put_Type(DataTypeEnum type) override;
    HRESULT STDMETHODCALLTYPE get_Direction(ParameterDirectionEnum* direction) override;
    HRESULT STDMETHODCALLTYPE put_Direction(ParameterDirectionEnum direction) override;
    HRESULT STDMETHODCALLTYPE get_Size(long* size) override;
    HRESULT STDMETHODCALLTYPE put_Size(long size) override;
    HRESULT STDMETHODCALLTYPE get_Attributes(long* attributes) override;
    HRESULT STDMETHODCALLTYPE put_Attributes(long attributes) override;
    HRESULT STDMETHODCALLTYPE AppendChunk(VARIANT data) override;

private:
    std::wstring name_;
    DataTypeEnum type_ = adEmpty;
    long size_ = 0;
    long attributes_ = 0;
    Variant value_;
};

// The parameters of a command, in the order they were appended.
class ParametersCollection : public DispatchObject<Parameters> {
public:
    HRESULT STDMETHODCALLTYPE get_Count(long* count) override;
    HRESULT STDMETHODCALLTYPE get_Item(VARIANT index, _Parameter** parameter) override;
    HRESULT STDMETHODCALLTYPE Append(IDispatch* parameter) override;

    const std::vector<ComPtr<_Parameter>>& Items() const { return items_; }

private:
    std::vector<ComPtr<_Parameter>> items_;
};

}  // namespace ado
