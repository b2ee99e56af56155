#pragma once
#include <csl/TDebugStream.h>
#include <csl/tests/TextCollector.h>

#include <string>

// Collects what the debug log writes while it lives.
class TLogCapture {
public:
    TLogCapture() : m_Writer(new TTextCollector) { DebugLog().AddWriter(m_Writer); }
    ~TLogCapture() { DebugLog().RemoveAllWriters(); }

    std::string Text() const { return m_Writer->Text(); }

private:
    SmartPtr<TTextCollector> m_Writer;
};
