#pragma once
#include <csl/TLockScope.h>
#include <csl/TMutex.h>
#include <csl/TStreamWriter.h>

#include <string>

// A log writer for tests: keeps every text written to it. Threads of the code under test
// may write while the test reads.
class TTextCollector : public TStreamWriter {
public:
    void Write(const char* iText, int iLength) override
    {
        TLockScope lock(m_Lock);
        m_Text.append(iText, iLength);
    }
    std::string Text() const
    {
        TLockScope lock(m_Lock);
        return m_Text;
    }
    void Clear()
    {
        TLockScope lock(m_Lock);
        m_Text.clear();
    }

private:
    mutable TMutex m_Lock;
    std::string m_Text;
};
