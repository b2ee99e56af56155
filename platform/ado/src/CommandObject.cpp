#include "CommandObject.h"

#include "ConnectionObject.h"

namespace ado {
namespace {

constexpr const wchar_t* kSource = L"PlatformADO.Command";

BoundValue ValueOf(_Parameter* iParameter)
{
    BoundValue bound;
    CheckResult(iParameter->get_Type(&bound.Type), L"Cannot read a parameter's type");
    CheckResult(iParameter->get_Value(bound.Value.Receive()), L"Cannot read a parameter's value");
    return bound;
}

}  // namespace

CommandObject::CommandObject() : m_Parameters(Make<ParametersCollection>()) {}

HRESULT CommandObject::get_ActiveConnection(_Connection** oConnection)
{
    return Guard(kSource, [&] {
        CheckPointer(oConnection);
        m_Connection.CopyTo(oConnection);
    });
}

HRESULT CommandObject::putref_ActiveConnection(_Connection* iConnection)
{
    m_Connection = iConnection;
    return S_OK;
}

HRESULT CommandObject::get_CommandText(BSTR* oText)
{
    return Guard(kSource, [&] {
        CheckPointer(oText);
        *oText = MakeBstr(m_Text);
    });
}

HRESULT CommandObject::put_CommandText(BSTR iText)
{
    return Guard(kSource, [&] { m_Text = FromBstr(iText); });
}

HRESULT CommandObject::get_CommandType(CommandTypeEnum* oType)
{
    return Guard(kSource, [&] {
        CheckPointer(oType);
        *oType = m_Type;
    });
}

HRESULT CommandObject::put_CommandType(CommandTypeEnum iType)
{
    return Guard(kSource, [&] {
        if (iType != adCmdText && iType != adCmdUnspecified) {
            throw AdoError(adErrFeatureNotAvailable,
                           L"Only SQL text commands are supported, not command type " + std::to_wstring(iType));
        }
        m_Type = iType;
    });
}

HRESULT CommandObject::get_Parameters(Parameters** oParameters)
{
    return Guard(kSource, [&] {
        CheckPointer(oParameters);
        ComPtr<ParametersCollection>(m_Parameters).CopyTo(oParameters);
    });
}

HRESULT CommandObject::CreateParameter(BSTR iName, DataTypeEnum iType, ParameterDirectionEnum iDirection, long iSize,
                                       VARIANT iValue, _Parameter** oParameter)
{
    return Guard(kSource, [&] {
        CheckPointer(oParameter);
        *oParameter = nullptr;
        ComPtr<ParameterObject> created = Make<ParameterObject>();
        CheckResult(created->put_Name(iName), L"Cannot name the parameter");
        CheckResult(created->put_Type(iType), L"Cannot set the parameter's type");
        CheckResult(created->put_Direction(iDirection), L"Cannot set the parameter's direction");
        CheckResult(created->put_Size(iSize), L"Cannot set the parameter's size");
        CheckResult(created->put_Value(iValue), L"Cannot set the parameter's value");
        *oParameter = created.Detach();
    });
}

HRESULT CommandObject::Execute(VARIANT* oRecordsAffected, VARIANT* iParameters, long iOptions, _Recordset** oRecordset)
{
    return Guard(kSource, [&] {
        if (iParameters && iParameters->vt != VT_EMPTY && iParameters->vt != VT_ERROR && iParameters->vt != VT_NULL) {
            throw AdoError(adErrFeatureNotAvailable, L"Parameter values are taken from the Parameters collection only");
        }
        auto* connection = dynamic_cast<ConnectionObject*>(m_Connection.Get());
        if (!connection) {
            throw AdoError(adErrInvalidConnection,
                           m_Connection ? L"The active connection is not a connection of these objects"
                                        : L"The command has no active connection");
        }
        std::vector<BoundValue> values;
        for (const ComPtr<_Parameter>& item : m_Parameters->Items())
            values.push_back(ValueOf(item.Get()));
        connection->ExecuteStatement(m_Text, values, iOptions, oRecordsAffected, oRecordset);
    });
}

}  // namespace ado
