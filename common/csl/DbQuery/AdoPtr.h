#pragma once
// Counted pointers to the database access objects, and the rule that turns their failures
// into exceptions.
#include <PlatformAdo.h>

#include <comdef.h>

_COM_SMARTPTR_TYPEDEF(_Connection, __uuidof(_Connection));
_COM_SMARTPTR_TYPEDEF(_Command, __uuidof(_Command));
_COM_SMARTPTR_TYPEDEF(_Recordset, __uuidof(_Recordset));
_COM_SMARTPTR_TYPEDEF(_Parameter, __uuidof(_Parameter));
_COM_SMARTPTR_TYPEDEF(Parameters, __uuidof(Parameters));
_COM_SMARTPTR_TYPEDEF(Fields, __uuidof(Fields));
_COM_SMARTPTR_TYPEDEF(Field, __uuidof(Field));
_COM_SMARTPTR_TYPEDEF(Errors, __uuidof(Errors));
_COM_SMARTPTR_TYPEDEF(Error, __uuidof(Error));

// The object itself; a missing one is raised as E_POINTER.
template <class Interface>
Interface* AdoRequired(Interface* iObject)
{
    if (!iObject)
        _com_issue_error(E_POINTER);
    return iObject;
}

// Raises a failed call as a COM error, with the object's error description when it gave one.
template <class Interface>
void AdoCheck(Interface* iObject, HRESULT iResult)
{
    if (FAILED(iResult))
        _com_issue_errorex(iResult, iObject, __uuidof(Interface));
}

// Creates a database access object of this process (Connection, Command, ...); E_NOINTERFACE
// leaves the pointer empty, any other failure is raised.
template <class Pointer>
Pointer AdoCreate(REFCLSID iClass)
{
    typedef typename Pointer::Interface Interface;
    Interface* object = nullptr;
    const HRESULT result = ado::CreateInstance(iClass, __uuidof(Interface), reinterpret_cast<void**>(&object));
    if (result == E_NOINTERFACE)
        return Pointer();
    if (FAILED(result))
        _com_issue_error(result);
    return Pointer(object, false);
}
