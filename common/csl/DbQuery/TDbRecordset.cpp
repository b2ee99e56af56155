#include <csl/DbQuery/TDbRecordset.h>

#include <csl/DbQuery/DbConnection.h>
#include <csl/DbQuery/DbLog.h>
#include <csl/DbQuery/DbValueText.h>
#include <csl/EGeneric.h>
#include <csl/StringUtils.h>
#include <csl/TDebugStream.h>

#include <string>

namespace {

std::string FieldName(Field& iField, long iIndex)
{
    BSTR name = nullptr;
    AdoCheck(&iField, iField.get_Name(&name));
    const std::string text = StringFromBstr(_bstr_t(name, false));
    return text.empty() ? "#" + std::to_string(iIndex) : text;
}

std::string FieldText(Field& iField)
{
    DataTypeEnum type = adEmpty;
    long size = 0;
    AdoCheck(&iField, iField.get_Type(&type));
    AdoCheck(&iField, iField.get_ActualSize(&size));
    if (type == adLongVarBinary)
        return "<blob " + std::to_string(size) + " bytes long>";
    _variant_t value;
    AdoCheck(&iField, iField.get_Value(value.GetAddress()));
    return DbValueText(value, size);
}

}  // namespace

TDbRecordset::TDbRecordset()
    : m_Connection(nullptr), m_SqlLogging(DebugLog().HasWriters()), m_LogPrefix(kDbDefaultLogPrefix)
{
}

TDbRecordset::TDbRecordset(const _RecordsetPtr& iRecordset, DbConnection* iConnection, bool iSqlLogging)
    : m_Recordset(iRecordset), m_Connection(iConnection), m_SqlLogging(iSqlLogging),
      m_LogPrefix(iConnection ? iConnection->GetLogPrefix() : kDbDefaultLogPrefix)
{
    LockConnection();
    try {
        if (DbLogApplies(m_SqlLogging))
            DumpCurrentRow();
    } catch (...) {
        UnlockConnection();
        throw;
    }
}

TDbRecordset::TDbRecordset(const _RecordsetPtr& iRecordset) : TDbRecordset(iRecordset, nullptr, DebugLog().HasWriters())
{
}

TDbRecordset::TDbRecordset(const TDbRecordset& iOther)
    : m_Recordset(iOther.m_Recordset), m_Connection(iOther.m_Connection), m_SqlLogging(iOther.m_SqlLogging),
      m_LogPrefix(iOther.m_LogPrefix)
{
    LockConnection();
}

TDbRecordset& TDbRecordset::operator=(const TDbRecordset& iOther)
{
    if (this == &iOther)
        return *this;
    // The other's connection is taken first: when that fails (an interrupt in the wait, say)
    // this result still holds its own.
    iOther.LockConnection();
    try {
        UnlockConnection();
    } catch (...) {
        iOther.UnlockConnection();
        throw;
    }
    m_Connection = iOther.m_Connection;
    m_Recordset = iOther.m_Recordset;
    return *this;
}

TDbRecordset::~TDbRecordset()
{
    try {
        UnlockConnection();
    } catch (const std::exception& e) {
        DebugLog() << "(!) TDbRecordset::~TDbRecordset() " << e << "\n";
    }
}

void TDbRecordset::LockConnection() const
{
    if (m_Connection)
        m_Connection->Lock();
}

void TDbRecordset::UnlockConnection() const
{
    if (m_Connection)
        m_Connection->Unlock();
}

FieldPtr TDbRecordset::GetField(long iIndex) const
{
    try {
        _Recordset* recordset = AdoRequired(m_Recordset.GetInterfacePtr());
        Fields* fields = nullptr;
        AdoCheck(recordset, recordset->get_Fields(&fields));
        const FieldsPtr list(AdoRequired(fields), false);
        Field* field = nullptr;
        AdoCheck(fields, fields->get_Item(_variant_t(iIndex), &field));
        return FieldPtr(AdoRequired(field), false);
    } catch (EGeneric& e) {
        e.SetProperty("Field", static_cast<int>(iIndex));
        throw EGeneric(e);
    }
}

bool TDbRecordset::IsEOF() const
{
    _Recordset* recordset = AdoRequired(m_Recordset.GetInterfacePtr());
    VARIANT_BOOL atEnd = VARIANT_FALSE;
    AdoCheck(recordset, recordset->get_EOF(&atEnd));
    return atEnd != VARIANT_FALSE;
}

void TDbRecordset::MoveNext()
{
    _Recordset* recordset = AdoRequired(m_Recordset.GetInterfacePtr());
    AdoCheck(recordset, recordset->MoveNext());
    if (DbLogApplies(m_SqlLogging))
        DumpCurrentRow();
}

void TDbRecordset::SetSort(const wchar_t* iSort)
{
    _Recordset* recordset = AdoRequired(m_Recordset.GetInterfacePtr());
    AdoCheck(recordset, recordset->put_Sort(_bstr_t(iSort)));
}

void TDbRecordset::DumpCurrentRow() const
{
    _Recordset* recordset = m_Recordset.GetInterfacePtr();
    if (!recordset)
        return;
    long state = adStateClosed;
    AdoCheck(recordset, recordset->get_State(&state));
    if (state != adStateOpen)
        return;
    VARIANT_BOOL atEnd = VARIANT_FALSE;
    AdoCheck(recordset, recordset->get_EOF(&atEnd));
    if (atEnd) {
        DebugLog() << m_LogPrefix << "----- End of Recordset -----\n";
        return;
    }
    Fields* fields = nullptr;
    AdoCheck(recordset, recordset->get_Fields(&fields));
    const FieldsPtr list(AdoRequired(fields), false);
    long count = 0;
    AdoCheck(fields, fields->get_Count(&count));
    if (count == 0)
        return;
    std::string line;
    for (long i = 0; i < count; ++i) {
        Field* item = nullptr;
        AdoCheck(fields, fields->get_Item(_variant_t(i), &item));
        const FieldPtr field(AdoRequired(item), false);
        if (i > 0)
            line += ",";
        line += FieldName(*item, i) + "=" + FieldText(*item);
    }
    DebugLog() << m_LogPrefix << line << "\n";
}
