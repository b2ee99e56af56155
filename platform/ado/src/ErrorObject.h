#pragma once
#include "ComObject.h"
#include "OdbcFailure.h"

namespace ado {

// One driver diagnostic of a connection's Errors collection.
class ErrorObject : public DispatchObject<Error> {
public:
    explicit ErrorObject(ErrorRecord iRecord) : m_Record(std::move(iRecord)) {}

    HRESULT STDMETHODCALLTYPE get_Number(long* oNumber) override;
    HRESULT STDMETHODCALLTYPE get_Source(BSTR* oSource) override;
    HRESULT STDMETHODCALLTYPE get_Description(BSTR* oDescription) override;
    HRESULT STDMETHODCALLTYPE get_HelpFile(BSTR* oFile) override;
    HRESULT STDMETHODCALLTYPE get_HelpContext(long* oContext) override;
    HRESULT STDMETHODCALLTYPE get_SQLState(BSTR* oState) override;
    HRESULT STDMETHODCALLTYPE get_NativeError(long* oError) override;

private:
    ErrorRecord m_Record;
};

// A connection's errors, as they were when the collection was asked for.
class ErrorsCollection : public DispatchObject<Errors> {
public:
    explicit ErrorsCollection(std::vector<ErrorRecord> iRecords) : m_Records(std::move(iRecords)) {}

    HRESULT STDMETHODCALLTYPE get_Count(long* oCount) override;
    HRESULT STDMETHODCALLTYPE get_Item(VARIANT iIndex, Error** oError) override;

private:
    std::vector<ErrorRecord> m_Records;
};

}  // namespace ado
