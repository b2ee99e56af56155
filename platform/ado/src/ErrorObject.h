#pragma once
#include "ComObject.h"
#include "OdbcFailure.h"

namespace ado {

// One driver diagnostic of a connection's Errors collection.
class ErrorObject : public DispatchObject<Error> {
public:
    explicit ErrorObject(ErrorRecord record) : record_(std::move(record)) {}

    HRESULT STDMETHODCALLTYPE get_Number(long* number) override;
    HRESULT STDMETHODCALLTYPE get_Source(BSTR* source) override;
    HRESULT STDMETHODCALLTYPE get_Description(BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_HelpFile(BSTR* file) override;
    HRESULT STDMETHODCALLTYPE get_HelpContext(long* context) override;
    HRESULT STDMETHODCALLTYPE get_SQLState(BSTR* state) override;
    HRESULT STDMETHODCALLTYPE get_NativeError(long* error) override;

private:
    ErrorRecord record_;
};

// A connection's errors, as they were when the collection was asked for.
class ErrorsCollection : public DispatchObject<Errors> {
public:
    explicit ErrorsCollection(std::vector<ErrorRecord> records) : records_(std::move(records)) {}

    HRESULT STDMETHODCALLTYPE get_Count(long* count) override;
    HRESULT STDMETHODCALLTYPE get_Item(VARIANT index, Error** error) override;

private:
    std::vector<ErrorRecord> records_;
};

}  // namespace ado
