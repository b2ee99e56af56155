#pragma once

#include <csl/TDebugStream.h>
#include <csl/tests/TextCollector.h>

#include <string>

// Collects the monitor's log for the life of a test.
class TLogCapture {
public:
    TLogCapture() : writer_(new TTextCollector)
    {
        DebugLog().RemoveAllWriters();
        DebugLog().AddWriter(writer_);
    }
    ~TLogCapture() { DebugLog().RemoveAllWriters(); }

    std::string Text() const { return writer_->Text(); }
    bool Contains(const std::string& line) const { return Text().find(line) != std::string::npos; }

private:
    SmartPtr<TTextCollector> writer_;
};
