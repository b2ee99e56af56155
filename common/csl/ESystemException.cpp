#include <csl/ESystemException.h>

ESystemException::ESystemException(DWORD iCode)
    : EGeneric({{"Code", static_cast<int>(iCode)}, {"Text", FormatSystemMessage(iCode)}})
{
}

void ThrowLastSystemError()
{
    throw ESystemException(GetLastError());
}

std::string FormatSystemMessage(DWORD iCode)
{
    char* buffer = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                       nullptr, iCode, 0x400, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text(buffer ? buffer : "", buffer ? length : 0);
    if (buffer)
        LocalFree(buffer);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n'))
        text.pop_back();
    return text;
}
