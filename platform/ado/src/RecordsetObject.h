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
    void Load(const RecordsetImage& iImage);
    // Throws adErrObjectClosed for a closed recordset.
    const RecordTable& Table() const;
    // The value of a column in the current row; throws at BOF or EOF.
    const Variant& CurrentValue(size_t iColumn) const;

    HRESULT STDMETHODCALLTYPE get_RecordCount(long* oCount) override;
    HRESULT STDMETHODCALLTYPE get_EOF(VARIANT_BOOL* oEof) override;
    HRESULT STDMETHODCALLTYPE get_BOF(VARIANT_BOOL* oBof) override;
    HRESULT STDMETHODCALLTYPE MoveFirst() override;
    HRESULT STDMETHODCALLTYPE MoveNext() override;
    HRESULT STDMETHODCALLTYPE get_State(long* oState) override;
    HRESULT STDMETHODCALLTYPE get_Sort(BSTR* oSort) override;
    HRESULT STDMETHODCALLTYPE put_Sort(BSTR iSort) override;
    HRESULT STDMETHODCALLTYPE get_Fields(Fields** oFields) override;

    HRESULT STDMETHODCALLTYPE GetUnmarshalClass(REFIID iInterface, void* iObject, DWORD iContext, void* iContextData,
                                                DWORD iFlags, CLSID* oUnmarshaller) override;
    HRESULT STDMETHODCALLTYPE GetMarshalSizeMax(REFIID iInterface, void* iObject, DWORD iContext, void* iContextData,
                                                DWORD iFlags, DWORD* oSize) override;
    HRESULT STDMETHODCALLTYPE MarshalInterface(IStream* iStream, REFIID iInterface, void* iObject, DWORD iContext,
                                               void* iContextData, DWORD iFlags) override;
    HRESULT STDMETHODCALLTYPE UnmarshalInterface(IStream* iStream, REFIID iInterface, void** oObject) override;
    HRESULT STDMETHODCALLTYPE ReleaseMarshalData(IStream* iStream) override;
    HRESULT STDMETHODCALLTYPE DisconnectObject(DWORD iReserved) override;

private:
    bool AtEnd() const { return m_Position >= m_Order.size(); }

    std::shared_ptr<const RecordTable> m_Table;
    std::vector<size_t> m_Order;
    size_t m_Position = 0;
    std::wstring m_Sort;
};

}  // namespace ado
