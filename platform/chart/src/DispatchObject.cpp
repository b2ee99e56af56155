#include "DispatchObject.h"

#include "ChartModule.h"

ComPtr<IDispatch> DispatchObject::Make(DispatchMembers iMembers)
{
    return ComPtr<IDispatch>(new DispatchObject(std::move(iMembers)));
}

DispatchObject::DispatchObject(DispatchMembers iMembers)
{
    m_Members = std::move(iMembers);
    ChartModule::ObjectCreated();
}

DispatchObject::~DispatchObject()
{
    ChartModule::ObjectDestroyed();
}

HRESULT DispatchObject::QueryInterface(REFIID iIid, void** oObject)
{
    if (!oObject)
        return E_POINTER;
    if (iIid != IID_IUnknown && iIid != IID_IDispatch) {
        *oObject = nullptr;
        return E_NOINTERFACE;
    }
    *oObject = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

ULONG DispatchObject::AddRef()
{
    return ++m_References;
}

ULONG DispatchObject::Release()
{
    ULONG left = --m_References;
    if (left == 0)
        delete this;
    return left;
}
