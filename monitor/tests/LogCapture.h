#pragma once

#include <csl/TDebugStream.h>

#include <string>

// Collects the monitor's log for the life of a test.
class TLogCapture {
public:
  TLogCapture() : writer_(new TTextWriter) {
    DebugLog().RemoveAllWriters();
    DebugLog().AddWriter(writer_);
  }
  ~TLogCapture() { DebugLog().RemoveAllWriters(); }

  const std::string& Text() const { return writer_->text; }
  bool Contains(const std::string& line) const { return Text().find(line) != std::string::npos; }

private:
  struct TTextWriter : TStreamWriter {
    void Write(const char* text, int length) override { this->text.append(text, length); }
    std::string text;
  };
  SmartPtr<TTextWriter> writer_;
};
