#pragma once
#include <ZorvanePtr.h>
#include <afx.h>

#include <csl/SmartPtr.h>

// How the viewer reaches the server object on a computer; tests put a fake in its place.
class IServerActivation : public virtual SmartPtrObj {
public:
    virtual HRESULT Activate(LPCWSTR iComputer, IZorvane** oServer) = 0;
};

// COM activation: a local server on this computer ("localhost", "." or its own name), a
// remote one with the computer's name otherwise; Wine refuses remote activation of a class
// on the same machine.
class TComServerActivation : public IServerActivation {
public:
    HRESULT Activate(LPCWSTR iComputer, IZorvane** oServer) override;
};

// The process's activation; COM activation until a test sets another.
IServerActivation& ServerActivation();
void SetServerActivation(const SmartPtr<IServerActivation>& iActivation);
