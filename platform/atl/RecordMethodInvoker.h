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
    // iInfo describes the interface's vtable; iId is the member asked for.
    CRecordMethodInvoker(ITypeInfo* iInfo, DISPID iId);
    ~CRecordMethodInvoker();
    CRecordMethodInvoker(const CRecordMethodInvoker&) = delete;
    CRecordMethodInvoker& operator=(const CRecordMethodInvoker&) = delete;

    bool TakesRecords() const { return m_TakesRecords; }
    // Answers as IDispatch::Invoke does: DISP_E_BADPARAMCOUNT, DISP_E_TYPEMISMATCH (with the
    // argument's index), DISP_E_NONAMEDARGS, or DISP_E_EXCEPTION with the method's failure.
    HRESULT Invoke(void* iObject, WORD iFlags, DISPPARAMS* iParams, VARIANT* oResult, EXCEPINFO* oException,
                   UINT* oArgError);

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
        GUID Guid;
        GUID Library;
        std::wstring Name;
        bool operator==(const RecordType& iOther) const
        {
            return Guid == iOther.Guid && Library == iOther.Library && Name == iOther.Name;
        }
    };
    struct Parameter {
        Passing Passing;
        VARTYPE Vt;
        RecordType Record;
    };

private:
    HRESULT Classify(const TYPEDESC& iDesc, Parameter* oParameter) const;

    ITypeInfo* m_Info;
    FUNCDESC* m_Func = nullptr;
    bool m_TakesRecords = false;
};
