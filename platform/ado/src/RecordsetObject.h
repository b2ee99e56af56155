#pragma once
#include "ComObject.h"
#include "RecordsetStream.h"

namespace ado {

// A client-side result: every row read, a cursor over them in the order of the Sort text.
// It travels between processes and apartments by value (IMarshal): the receiver builds its
// own copy through the class Recordset, so the sender may release it at once.
class RecordsetObject : public DispatchObject<_Recordset, IMarshal> {
public:
    // Open with the image's table, or closed when it has none.
    void Load(const RecordsetImage& image);
    // Throws adErrObjectClosed for a closed recordset.
    const RecordTable& Table() const;
    // The value of a column in the current row; throws at BOF or EOF.
    const Variant& CurrentValue(size_t column) const;

    HRESULT STDMETHODCALLTYPE get_RecordCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_EOF(VARIANT_BOOL* eof) override;
    HRESULT STDMETHODCALLTYPE get_BOF(VARIANT_BOOL* bof) override;
    HRESULT STDMETHODCALLTYPE MoveFirst() override;
    HRESULT STDMETHODCALLTYPE MoveNext() override;
    HRESULT STDMETHODCALLTYPE get_State(long* state) override;
    HRESULT STDMETHODCALLTYPE get_Sort(BSTR* sort) override;
    HRESULT STDMETHODCALLTYPE put_Sort(BSTR sort) override;
    HRESULT STDMETHODCALLTYPE get_Fields(Fields** fields) override;

    HRESULT STDMETHODCALLTYPE GetUnmarshalClass(REFIID iid, void* object, DWORD context, void* contextData, DWORD flags,
                                                CLSID* unmarshaller) override;
    HRESULT STDMETHODCALLTYPE GetMarshalSizeMax(REFIID iid, void* object, DWORD context, void* contextData, DWORD flags,
                                                DWORD* size) override;
    HRESULT STDMETHODCALLTYPE MarshalInterface(IStream* stream, REFIID iid, void* object, DWORD context,
                                               void* contextData, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE UnmarshalInterface(IStream* stream, REFIID iid, void** object) override;
    HRESULT STDMETHODCALLTYPE ReleaseMarshalData(IStream* stream) override;
    HRESULT STDMETHODCALLTYPE DisconnectObject(DWORD reserved) override;

private:
    bool AtEnd() const { return position_ >= order_.size(); }

    std::shared_ptr<const RecordTable> table_;
    std::vector<size_t> order_;
    size_t position_ = 0;
    std::wstring sort_;
};

}  // namespace ado
