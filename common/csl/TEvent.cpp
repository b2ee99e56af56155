#include <csl/TEvent.h>
#include <csl/ESystemException.h>

TEvent::TEvent(bool iManualReset, bool iInitialState)
{
    TakeCreated(CreateEventW(nullptr, iManualReset, iInitialState, nullptr));
}

void TEvent::Set()
{
    if (!SetEvent(m_Handle))
        ThrowLastSystemError();
}

void TEvent::Reset()
{
    if (!ResetEvent(m_Handle))
        ThrowLastSystemError();
}
