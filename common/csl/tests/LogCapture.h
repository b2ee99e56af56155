#pragma once
#include <csl/TDebugStream.h>
#include <csl/tests/TextCollector.h>

#include <string>

// Collects what the debug log writes while it lives, in place of its other writers.
class TLogCapture {
public:
    TLogCapture() : m_Writer(new TTextCollector)
    {
        DebugLog().RemoveAllWriters();
        DebugLog().AddWriter(m_Writer);
    }
    ~TLogCapture() { DebugLog().RemoveAllWriters(); }

    std::string Text() const { return m_Writer->Text(); }
    bool Contains(const std::string& iText) const { return m_Writer->Contains(iText); }

private:
    SmartPtr<TTextCollector> m_Writer;
};
