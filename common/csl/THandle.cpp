#include <csl/THandle.h>
#include <csl/ESystemException.h>
#include <csl/TDebugStream.h>

THandle::~THandle()
{
    try {
        Close();
    } catch (const std::exception& e) {
        if (DebugLog().HasWriters())
            DebugLog() << "(!) Exception in THandle::~THandle() " << e << "\n";
    }
}

void THandle::Close()
{
    if (!IsValid())
        return;
    if (!CloseHandle(m_Handle))
        ThrowLastSystemError();
    m_Handle = INVALID_HANDLE_VALUE;
}

void THandle::TakeCreated(HANDLE iHandle)
{
    if (!iHandle)
        ThrowLastSystemError();
    m_Handle = iHandle;
}
