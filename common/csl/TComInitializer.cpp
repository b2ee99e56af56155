#include <csl/TComInitializer.h>
#include <csl/EComException.h>

TComInitializer::TComInitializer(DWORD iApartment)
{
    const HRESULT hr = CoInitializeEx(nullptr, iApartment);
    if (FAILED(hr))
        ComErrorHandler(hr);
}

TComInitializer::~TComInitializer()
{
    CoUninitialize();
}
