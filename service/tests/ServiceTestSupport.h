#pragma once
// What the service's tests share: the log as text, the stand-in monitor's files and waiting
// for what other threads and processes do.
#include <csl/TStreamWriter.h>

#include <windows.h>

#include <functional>
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

// Polls until the condition holds or a minute has passed; answers the condition.
bool WaitUntil(const std::function<bool()>& iCondition);

// The folder of the running test program, with its trailing backslash.
std::wstring TestFolder();

struct TLaunch {
    DWORD processId;
    std::string desktop;
    std::string commandLine;
};

// The stand-in monitor beside the test program: what it is to do, and what it did.
void ScriptStandIn(const std::string& iItems);
std::vector<TLaunch> StandInLaunches();
