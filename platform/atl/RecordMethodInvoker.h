#pragma once

#include <objbase.h>
#include <oleauto.h>

#include <string>

// Calls through IDispatch a method whose parameters include records, which the standard
// type-information Invoke refuses. A record argument arrives as VT_RECORD (or
// VT_RECORD | VT_BYREF) and the method works on the caller's record in place; the other
// arguments are converted to their declared types, and the retval comes back in the result.
class CRecordMethodInvoker {
public:
    // "info" describes the interface's vtable; "id" is the member asked for.
    CRecordMethodInvoker(ITypeInfo* info, DISPID id);
    ~CRecordMethodInvoker();
    CRecordMethodInvoker(const CRecordMethodInvoker&) = delete;
    CRecordMethodInvoker& operator=(const CRecordMethodInvoker&) = delete;

    bool TakesRecords() const { return m_takesRecords; }
    // Answers as IDispatch::Invoke does: DISP_E_BADPARAMCOUNT, DISP_E_TYPEMISMATCH (with the
    // argument's index), DISP_E_NONAMEDARGS, or DISP_E_EXCEPTION with the method's failure.
    HRESULT Invoke(void* object, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception, UINT* argError);

    // How a parameter travels: converted to its type, as the caller's record, or as a pointer
    // to the caller's value of its type.
    enum class Passing {
        Value,
        Record,
        Reference
    };
    // What makes a record the declared type: its GUID; for a record without one, the GUID of
    // its type library and its name.
    struct RecordType {
        GUID guid;
        GUID library;
        std::wstring name;
        bool operator==(const RecordType& other) const
        {
            return guid == other.guid && library == other.library && name == other.name;
        }
    };
    struct Parameter {
        Passing passing;
        VARTYPE vt;
        RecordType record;
    };

private:
    HRESULT Classify(const TYPEDESC& desc, Parameter* parameter) const;

    ITypeInfo* m_info;
    FUNCDESC* m_func = nullptr;
    bool m_takesRecords = false;
};
