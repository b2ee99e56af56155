#include <csl/DbQuery/TDbCommand.h>

#include <csl/DbQuery/DbConnection.h>
#include <csl/DbQuery/DbConnectionHost.h>
#include <csl/DbQuery/DbFieldToInt.h>
#include <csl/DbQuery/DbObject.h>
#include <csl/DbQuery/DbValueText.h>
#include <csl/DbQuery/IDbQuery.h>
#include <csl/EGeneric.h>
#include <csl/SafeArrayElements.h>
#include <csl/StringUtils.h>
#include <csl/TDebugStream.h>
#include <csl/TLockScope.h>

#include <sstream>

_COM_SMARTPTR_TYPEDEF(ISequentialStream, __uuidof(ISequentialStream));

namespace {

const long kNoRecords = adCmdText | adExecuteNoRecords;
const ULONG kStreamChunk = 8192;

// How one value goes to the database.
struct TBinding {
    DataTypeEnum Type;
    long Size;
    _variant_t Value;
    long Attributes;
    ISequentialStreamPtr Stream;
};

TBinding NullBinding()
{
    _variant_t null;
    null.vt = VT_NULL;
    return {adInteger, 4, null, adParamNullable, nullptr};
}

VARIANT MissingArgument()
{
    VARIANT missing;
    missing.vt = VT_ERROR;
    missing.scode = DISP_E_PARAMNOTFOUND;
    return missing;
}

const DbObject* AsDbObject(IUnknown* iObject)
{
    IUnknown* self = nullptr;
    if (FAILED(iObject->QueryInterface(IID_DbObject, reinterpret_cast<void**>(&self))) || !self)
        return nullptr;
    const DbObject* object = dynamic_cast<const DbObject*>(self);
    self->Release();
    return object;
}

// A stored object is bound as its ID, a stream as long binary data read in chunks.
TBinding ObjectBinding(IUnknown* iObject)
{
    if (!iObject)
        return NullBinding();
    if (const DbObject* object = AsDbObject(iObject))
        return {adInteger, 4, _variant_t(static_cast<unsigned long>(object->ObjectId)), 0, nullptr};
    ISequentialStreamPtr stream;
    if (SUCCEEDED(iObject->QueryInterface(__uuidof(ISequentialStream), reinterpret_cast<void**>(&stream))) && stream)
        return {adLongVarBinary, 0x7FFFFFFF, _variant_t(MissingArgument()), adParamLong, stream};
    return NullBinding();
}

TBinding BindingOf(const _variant_t& iValue)
{
    switch (iValue.vt) {
    case VT_EMPTY:
    case VT_NULL:
        return NullBinding();
    case VT_R8:
        return {adDouble, 8, iValue, 0, nullptr};
    case VT_DATE:
        return {adDate, 8, iValue, 0, nullptr};
    case VT_BSTR: {
        const long length = static_cast<long>(SysStringLen(iValue.bstrVal));
        return length == 0 ? NullBinding() : TBinding{adBSTR, length, iValue, 0, nullptr};
    }
    case VT_BOOL:
        return {adInteger, 4, _variant_t(iValue.boolVal ? 1 : 0), 0, nullptr};
    case VT_INT:
        return {adInteger, 4, iValue, 0, nullptr};
    case VT_ARRAY | VT_UI1:
        return {adBinary, SafeArrayElementCount(iValue.parray), iValue, 0, nullptr};
    case VT_UNKNOWN:
    case VT_DISPATCH:
        return ObjectBinding(iValue.punkVal);
    default:
        return {adInteger, 0, iValue, 0, nullptr};
    }
}

// Every chunk read, up to the first read that fails or finds the end; then the total size.
void AppendStream(_Parameter* iParameter, ISequentialStream* iStream)
{
    long total = 0;
    for (;;) {
        BYTE buffer[kStreamChunk];
        ULONG read = 0;
        const HRESULT result = iStream->Read(buffer, kStreamChunk, &read);
        if (read > 0) {
            SAFEARRAY* bytes = SafeArrayCreateVector(VT_UI1, 0, read);
            if (!bytes)
                _com_issue_error(E_OUTOFMEMORY);
            memcpy(bytes->pvData, buffer, read);
            _variant_t chunk;
            chunk.vt = VT_ARRAY | VT_UI1;
            chunk.parray = bytes;
            AdoCheck(iParameter, iParameter->AppendChunk(chunk));
            total += static_cast<long>(read);
        }
        // Streams answer S_OK with nothing read at their end.
        if (result != S_OK || read == 0)
            break;
    }
    AdoCheck(iParameter, iParameter->put_Size(total));
}

_bstr_t IdentityQuery(DbType iType)
{
    return iType == dbSqlite ? L"SELECT last_insert_rowid() AS ID" : L"SELECT @@IDENTITY AS ID";
}

int FirstFieldAsInt(const TDbRecordset& iRecordset)
{
    return DbFieldToInt(iRecordset.GetField(0));
}

}  // namespace

TDbCommand::TDbCommand()
    : m_SqlLogging(false), m_Connection(&GetThreadConnection()), m_Command(AdoCreate<_CommandPtr>(CLSID_Command))
{
    m_SqlLogging = m_Connection->IsSqlLogging();
    _Command* command = AdoRequired(m_Command.GetInterfacePtr());
    AdoCheck(command, command->put_CommandType(adCmdText));
}

TDbCommand::TDbCommand(const IDbQuery& iQuery) : TDbCommand()
{
    std::ostringstream text;
    TDbQueryValues values;
    iQuery.RenderQuery(text, values);
    SetCommandText(text.str().c_str());
    for (const _variant_t& value : values)
        AddParameter(value);
}

void TDbCommand::SetCommandText(const _bstr_t& iText)
{
    _Command* command = AdoRequired(m_Command.GetInterfacePtr());
    AdoCheck(command, command->put_CommandText(iText));
}

_ParameterPtr TDbCommand::AddParameter(const _variant_t& iValue)
{
    const TBinding binding = BindingOf(iValue);
    _Command* command = AdoRequired(m_Command.GetInterfacePtr());
    _Parameter* created = nullptr;
    AdoCheck(command,
             command->CreateParameter(_bstr_t(L""), binding.Type, adParamInput, binding.Size, binding.Value, &created));
    const _ParameterPtr parameter(AdoRequired(created), false);
    if (binding.Attributes)
        AdoCheck(created, created->put_Attributes(binding.Attributes));
    Parameters* list = nullptr;
    AdoCheck(command, command->get_Parameters(&list));
    const ParametersPtr parameters(AdoRequired(list), false);
    AdoCheck(list, list->Append(created));
    if (binding.Stream)
        AppendStream(created, binding.Stream);
    return parameter;
}

template <class TStep>
auto TDbCommand::Run(TStep iStep) -> decltype(iStep())
{
    TLockScope hold(*m_Connection);
    for (int attempt = 1;; ++attempt) {
        try {
            PrepareAttempt();
            return iStep();
        } catch (EGeneric& e) {
            ReportErrors(e);
            if (!(MayRetry(attempt) && m_Connection->CloseIfLost()))
                throw EGeneric(e);
        } catch (...) {
            if (!(MayRetry(attempt) && m_Connection->CloseIfLost()))
                throw;
        }
    }
}

void TDbCommand::PrepareAttempt()
{
    m_Connection->Open();
    _Command* command = AdoRequired(m_Command.GetInterfacePtr());
    AdoCheck(command, command->putref_ActiveConnection(m_Connection->GetAdoConnection()));
    if (m_SqlLogging && m_Connection->LogApplies())
        LogCommand();
}

// Reopening inside a transaction would lose its first half and commit the rest alone.
bool TDbCommand::MayRetry(int iAttempt) const
{
    return iAttempt == 1 && !m_Connection->InTransaction();
}

// The statement's own failure matters more than one in reading the details.
void TDbCommand::ReportErrors(EGeneric& ioException)
{
    try {
        m_Connection->ReportErrors(ioException);
    } catch (...) {
    }
}

_RecordsetPtr TDbCommand::ExecuteCommand(long iOptions, _variant_t* oRecordsAffected)
{
    _Command* command = AdoRequired(m_Command.GetInterfacePtr());
    _Recordset* result = nullptr;
    AdoCheck(command,
             command->Execute(oRecordsAffected ? oRecordsAffected->GetAddress() : nullptr, nullptr, iOptions, &result));
    return _RecordsetPtr(result, false);
}

TDbRecordset TDbCommand::Wrap(const _RecordsetPtr& iRecordset)
{
    return TDbRecordset(iRecordset, m_Connection, m_SqlLogging);
}

TDbRecordset TDbCommand::ExecuteRecordset()
{
    return Run([this] { return Wrap(ExecuteCommand(adCmdText)); });
}

_variant_t TDbCommand::ExecuteScalar()
{
    return Run([this] {
        const TDbRecordset result = Wrap(ExecuteCommand(adCmdText));
        _Recordset* recordset = AdoRequired(result.GetRecordset().GetInterfacePtr());
        VARIANT_BOOL atEnd = VARIANT_TRUE;
        AdoCheck(recordset, recordset->get_EOF(&atEnd));
        _variant_t value;
        if (!atEnd) {
            const FieldPtr field = result.GetField(0);
            AdoCheck(field.GetInterfacePtr(), field->get_Value(value.GetAddress()));
        }
        return value;
    });
}

long TDbCommand::ExecuteNonQuery()
{
    return Run([this] {
        _variant_t affected;
        ExecuteCommand(kNoRecords, &affected);
        affected.ChangeType(VT_I4);
        return static_cast<long>(affected.lVal);
    });
}

void TDbCommand::Execute()
{
    Run([this] { ExecuteCommand(kNoRecords); });
}

long TDbCommand::ExecuteInsert()
{
    const DbType type = m_Connection->GetDbType();
    if (type == dbUnknown)
        _com_issue_error(E_POINTER);
    TLockScope hold(*m_Connection);
    if (type == dbOracle) {
        _Command* command = AdoRequired(m_Command.GetInterfacePtr());
        BSTR text = nullptr;
        AdoCheck(command, command->get_CommandText(&text));
        SetCommandText(_bstr_t(text, false) + L" RETURNING ID INTO :ID");
    }
    return Run([this, type] {
        if (type == dbOracle)
            return static_cast<long>(FirstFieldAsInt(Wrap(ExecuteCommand(adCmdText))));
        ExecuteCommand(kNoRecords);
        return static_cast<long>(FirstFieldAsInt(m_Connection->Execute(IdentityQuery(type))));
    });
}

void TDbCommand::LogCommand()
{
    _Command* command = AdoRequired(m_Command.GetInterfacePtr());
    BSTR text = nullptr;
    AdoCheck(command, command->get_CommandText(&text));
    const _bstr_t commandText(text, false);
    // The values are read before the log is taken: reading them may fail, and the log's lock
    // comes after every other.
    const std::string values = ParameterTexts();
    DebugLog() << m_Connection->GetLogPrefix() << commandText << values << "\n";
}

// " {value,value}", or nothing when there are no parameters.
std::string TDbCommand::ParameterTexts()
{
    _Command* command = AdoRequired(m_Command.GetInterfacePtr());
    Parameters* list = nullptr;
    AdoCheck(command, command->get_Parameters(&list));
    const ParametersPtr parameters(AdoRequired(list), false);
    long count = 0;
    AdoCheck(list, list->get_Count(&count));
    if (count == 0)
        return std::string();
    std::string texts = " {";
    for (long i = 0; i < count; ++i) {
        _Parameter* item = nullptr;
        AdoCheck(list, list->get_Item(_variant_t(i), &item));
        const _ParameterPtr parameter(AdoRequired(item), false);
        _variant_t value;
        long size = 0;
        AdoCheck(item, item->get_Value(value.GetAddress()));
        AdoCheck(item, item->get_Size(&size));
        if (i > 0)
            texts += ",";
        texts += DbValueText(value, size);
    }
    return texts + "}";
}
