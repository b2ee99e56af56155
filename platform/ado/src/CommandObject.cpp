#include "CommandObject.h"

#include "ConnectionObject.h"

namespace ado {
namespace {

constexpr const wchar_t* kSource = L"PlatformADO.Command";

BoundValue ValueOf(_Parameter* parameter)
{
    BoundValue bound;
    CheckResult(parameter->get_Type(&bound.type), L"Cannot read a parameter's type");
    CheckResult(parameter->get_Value(bound.value.Receive()), L"Cannot read a parameter's value");
    return bound;
}

}  // namespace

CommandObject::CommandObject() : parameters_(Make<ParametersCollection>()) {}

HRESULT CommandObject::get_ActiveConnection(_Connection** connection)
{
    return Guard(kSource, [&] {
        CheckPointer(connection);
        connection_.CopyTo(connection);
    });
}

HRESULT CommandObject::putref_ActiveConnection(_Connection* connection)
{
    connection_ = connection;
    return S_OK;
}

HRESULT CommandObject::get_CommandText(BSTR* text)
{
    return Guard(kSource, [&] {
        CheckPointer(text);
        *text = MakeBstr(text_);
    });
}

HRESULT CommandObject::put_CommandText(BSTR text)
{
    return Guard(kSource, [&] { text_ = FromBstr(text); });
}

HRESULT CommandObject::get_CommandType(CommandTypeEnum* type)
{
    return Guard(kSource, [&] {
        CheckPointer(type);
        *type = type_;
    });
}

HRESULT CommandObject::put_CommandType(CommandTypeEnum type)
{
    return Guard(kSource, [&] {
        if (type != adCmdText && type != adCmdUnspecified) {
            throw AdoError(adErrFeatureNotAvailable,
                           L"Only SQL text commands are supported, not command type " + std::to_wstring(type));
        }
        type_ = type;
    });
}

HRESULT CommandObject::get_Parameters(Parameters** parameters)
{
    return Guard(kSource, [&] {
        CheckPointer(parameters);
        ComPtr<ParametersCollection>(parameters_).CopyTo(parameters);
    });
}

HRESULT CommandObject::CreateParameter(BSTR name, DataTypeEnum type, ParameterDirectionEnum direction, long size,
                                       VARIANT value, _Parameter** parameter)
{
    return Guard(kSource, [&] {
        CheckPointer(parameter);
        *parameter = nullptr;
        ComPtr<ParameterObject> created = Make<ParameterObject>();
        CheckResult(created->put_Name(name), L"Cannot name the parameter");
        CheckResult(created->put_Type(type), L"Cannot set the parameter's type");
        CheckResult(created->put_Direction(direction), L"Cannot set the parameter's direction");
        CheckResult(created->put_Size(size), L"Cannot set the parameter's size");
        CheckResult(created->put_Value(value), L"Cannot set the parameter's value");
        *parameter = created.Detach();
    });
}

HRESULT CommandObject::Execute(VARIANT* recordsAffected, VARIANT* parameters, long options, _Recordset** recordset)
{
    return Guard(kSource, [&] {
        if (parameters && parameters->vt != VT_EMPTY && parameters->vt != VT_ERROR && parameters->vt != VT_NULL) {
            throw AdoError(adErrFeatureNotAvailable, L"Parameter values are taken from the Parameters collection only");
        }
        auto* connection = dynamic_cast<ConnectionObject*>(connection_.Get());
        if (!connection) {
            throw AdoError(adErrInvalidConnection,
                           connection_ ? L"The active connection is not a connection of these objects"
                                       : L"The command has no active connection");
        }
        std::vector<BoundValue> values;
        for (const ComPtr<_Parameter>& item : parameters_->Items())
            values.push_back(ValueOf(item.Get()));
        connection->ExecuteStatement(text_, values, options, recordsAffected, recordset);
    });
}

}  // namespace ado
