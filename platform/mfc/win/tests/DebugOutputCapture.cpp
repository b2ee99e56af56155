#include "DebugOutputCapture.h"

#ifndef DBG_PRINTEXCEPTION_WIDE_C
#define DBG_PRINTEXCEPTION_WIDE_C 0x4001000A
#endif

std::wstring CDebugOutputCapture::s_text;

CDebugOutputCapture::CDebugOutputCapture()
{
    s_text.clear();
    m_hHandler = ::AddVectoredExceptionHandler(1, Handler);
}

CDebugOutputCapture::~CDebugOutputCapture()
{
    ::RemoveVectoredExceptionHandler(m_hHandler);
}

LONG CALLBACK CDebugOutputCapture::Handler(PEXCEPTION_POINTERS pInfo)
{
    const EXCEPTION_RECORD* pRecord = pInfo->ExceptionRecord;
    if (pRecord->ExceptionCode == DBG_PRINTEXCEPTION_WIDE_C && pRecord->NumberParameters >= 2)
        s_text += (LPCWSTR)pRecord->ExceptionInformation[1];
    else if (pRecord->ExceptionCode == DBG_PRINTEXCEPTION_C && pRecord->NumberParameters >= 2)
        s_text += (LPCWSTR)CString((LPCSTR)pRecord->ExceptionInformation[1]);
    return EXCEPTION_CONTINUE_SEARCH;
}
