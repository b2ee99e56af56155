#pragma once
// What the service's tests share: the log as text and the stand-in monitor's files.
#include "ProgramControl.h"

#include <csl/TStreamWriter.h>

#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

// Keeps what the debug log writes.
class TLogCapture : public TStreamWriter {
public:
    void Write(const char* iText, int iLength) override;
    std::string Text();
    bool Contains(const std::string& iText) { return Text().find(iText) != std::string::npos; }

private:
    std::mutex m_Lock;
    std::string m_Text;
};

struct TLaunch {
    DWORD processId;
    std::string desktop;
    std::string commandLine;
};

// The stand-in monitor beside the test program: what it is to do, and what it did.
void ScriptStandIn(const std::string& iItems);
std::vector<TLaunch> StandInLaunches();
