#include "ComObject.h"

namespace ado {

std::atomic<long>& LiveObjects()
{
    static std::atomic<long> count{0};
    return count;
}

HRESULT LoadTypeInfo(REFIID iInterface, ITypeInfo** oInfo)
{
    // Loaded per call: the automation library keeps loaded type libraries cached itself.
    ComPtr<ITypeLib> library;
    HRESULT hr = LoadRegTypeLib(LIBID_PlatformADO, 1, 0, 0x409, &library);
    return FAILED(hr) ? hr : library->GetTypeInfoOfGuid(iInterface, oInfo);
}

}  // namespace ado
