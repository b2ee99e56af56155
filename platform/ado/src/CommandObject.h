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

    HRESULT STDMETHODCALLTYPE get_ActiveConnection(_Connection** oConnection) override;
    HRESULT STDMETHODCALLTYPE putref_ActiveConnection(_Connection* iConnection) override;
    HRESULT STDMETHODCALLTYPE get_CommandText(BSTR* oText) override;
    HRESULT STDMETHODCALLTYPE put_CommandText(BSTR iText) override;
    HRESULT STDMETHODCALLTYPE get_CommandType(CommandTypeEnum* oType) override;
    HRESULT STDMETHODCALLTYPE put_CommandType(CommandTypeEnum iType) override;
    HRESULT STDMETHODCALLTYPE get_Parameters(Parameters** oParameters) override;
    HRESULT STDMETHODCALLTYPE CreateParameter(BSTR iName, DataTypeEnum iType, ParameterDirectionEnum iDirection,
                                              long iSize, VARIANT iValue, _Parameter** oParameter) override;
    HRESULT STDMETHODCALLTYPE Execute(VARIANT* oRecordsAffected, VARIANT* iParameters, long iOptions,
                                      _Recordset** oRecordset) override;

private:
    ComPtr<_Connection> m_Connection;
    std::wstring m_Text;
    CommandTypeEnum m_Type = adCmdText;
    ComPtr<ParametersCollection> m_Parameters;
};

}  // namespace ado
