#pragma once
#include <string>

#include "ComObject.h"
#include "ParameterObject.h"

namespace ado {

// A parameterised SQL statement ("?" marks each parameter, in the order appended) run on its
// active connection.
class CommandObject : public DispatchObject<_Command> {
public:
    CommandObject();

    HRESULT STDMETHODCALLTYPE get_ActiveConnection(_Connection** connection) override;
    HRESULT STDMETHODCALLTYPE putref_ActiveConnection(_Connection* connection) override;
    HRESULT STDMETHODCALLTYPE get_CommandText(BSTR* text) override;
    HRESULT STDMETHODCALLTYPE put_CommandText(BSTR text) override;
    HRESULT STDMETHODCALLTYPE get_CommandType(CommandTypeEnum* type) override;
    HRESULT STDMETHODCALLTYPE put_CommandType(CommandTypeEnum type) override;
    HRESULT STDMETHODCALLTYPE get_Parameters(Parameters** parameters) override;
    HRESULT STDMETHODCALLTYPE CreateParameter(BSTR name, DataTypeEnum type, ParameterDirectionEnum direction, long size,
                                              VARIANT value, _Parameter** parameter) override;
    HRESULT STDMETHODCALLTYPE Execute(VARIANT* recordsAffected, VARIANT* parameters, long options,
                                      _Recordset** recordset) override;

private:
    ComPtr<_Connection> connection_;
    std::wstring text_;
    CommandTypeEnum type_ = adCmdText;
    ComPtr<ParametersCollection> parameters_;
};

}  // namespace ado
