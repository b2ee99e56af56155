#pragma once
#include <csl/SmartPtr.h>
#include <csl/THandle.h>

#include <string>

// A sink of log text. A writer that throws is dropped by its stream.
class TStreamWriter : public virtual SmartPtrObj {
public:
    virtual void Write(const char* iText, int iLength) = 0;
};

// Opens, appends to and closes its file for every text; drops the text when the file
// cannot be opened.
class TFileWriter : public TStreamWriter {
public:
    explicit TFileWriter(const std::string& iFileName) : m_FileName(iFileName) {}
    void Write(const char* iText, int iLength) override;

private:
    std::string m_FileName;
};

// Keeps one file open for appending (shared for reading and deleting) and writes CRLF line
// ends. Writes nothing for its whole life when the file could not be opened.
class TPermanentFileWriter : public TStreamWriter {
public:
    explicit TPermanentFileWriter(const std::wstring& iFileName);
    void Write(const char* iText, int iLength) override;

private:
    THandle m_File;
};

// Writes to the process's console in the OEM code page.
class TConsoleWriter : public TStreamWriter {
public:
    TConsoleWriter();
    void Write(const char* iText, int iLength) override;

private:
    HANDLE m_Output;
};

// Writes to the debugger.
class TDebugWriter : public TStreamWriter {
public:
    void Write(const char* iText, int iLength) override;
};
