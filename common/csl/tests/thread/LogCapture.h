#pragma once
#include <csl/TDebugStream.h>
#include <csl/TMutex.h>
#include <csl/TLockScope.h>
#include <csl/TStreamWriter.h>

#include <string>

// Collects what the debug log writes while it lives.
class TLogCapture {
public:
    TLogCapture() : m_Writer(new TCollector) { DebugLog().AddWriter(m_Writer); }
    ~TLogCapture() { DebugLog().RemoveAllWriters(); }

    std::string Text() const { return m_Writer->Text(); }

private:
    class TCollector : public TStreamWriter {
    public:
        void Write(const char* iText, int iLength) override
        {
            TLockScope lock(m_Lock);
            m_Text.append(iText, iLength);
        }
        std::string Text()
        {
            TLockScope lock(m_Lock);
            return m_Text;
        }

    private:
        TMutex m_Lock;
        std::string m_Text;
    };

    SmartPtr<TCollector> m_Writer;
};
