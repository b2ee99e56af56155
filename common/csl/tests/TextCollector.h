#pragma once
#include <csl/TLockScope.h>
#include <csl/TMutex.h>
#include <csl/TStreamWriter.h>

#include <windows.h>

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
    bool Contains(const std::string& iText) const { return Text().find(iText) != std::string::npos; }
    int Count(const std::string& iText) const
    {
        const std::string text = Text();
        int count = 0;
        for (size_t at = text.find(iText); at != std::string::npos; at = text.find(iText, at + 1))
            ++count;
        return count;
    }
    // True once the text has been written iTimes times; gives up after a minute.
    bool WaitFor(const std::string& iText, int iTimes = 1) const
    {
        for (int waited = 0; waited < 60000; waited += 50) {
            if (Count(iText) >= iTimes)
                return true;
            Sleep(50);
        }
        return false;
    }

private:
    mutable TMutex m_Lock;
    std::string m_Text;
};
