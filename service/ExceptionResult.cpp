#include "ExceptionResult.h"

#include <csl/EComException.h>
#include <csl/ESystemException.h>

HRESULT ExceptionResult(const std::exception& iFailure)
{
    if (const EComException* com = dynamic_cast<const EComException*>(&iFailure))
        return com->GetHResult();
    if (const ESystemException* system = dynamic_cast<const ESystemException*>(&iFailure)) {
        const _value_t code = system->GetProperty("Code");
        const int value = code.IsEmpty() ? 0 : code.GetInt();
        // A failure never answers as success.
        if (value == 0)
            return E_FAIL;
        if (value < 0)
            return static_cast<HRESULT>(value);
        return static_cast<HRESULT>(0x80070000UL | (static_cast<unsigned long>(value) & 0xFFFF));
    }
    return E_FAIL;
}
