#include <csl/TStreamWriter.h>

#include <cstdio>
#include <string>

void TFileWriter::Write(const char* iText, int iLength)
{
    if (FILE* file = std::fopen(m_FileName.c_str(), "a+")) {
        std::fwrite(iText, 1, iLength, file);
        std::fclose(file);
    }
}

// Shared for writing too: the monitors of every session append to one daily file, and
// appending writes never overwrite one another.
TPermanentFileWriter::TPermanentFileWriter(const std::wstring& iFileName)
    : m_File(CreateFileW(iFileName.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_ALWAYS, FILE_FLAG_SEQUENTIAL_SCAN | FILE_ATTRIBUTE_NORMAL, nullptr))
{
    if (m_File.IsValid())
        SetFilePointer(m_File.GetHandle(), 0, nullptr, FILE_END);
}

void TPermanentFileWriter::Write(const char* iText, int iLength)
{
    if (!m_File.IsValid())
        return;
    std::string text;
    text.reserve(iLength + iLength / 8);
    for (const char* at = iText; at != iText + iLength; ++at) {
        if (*at == '\n')
            text += '\r';
        text += *at;
    }
    DWORD written = 0;
    WriteFile(m_File.GetHandle(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

TConsoleWriter::TConsoleWriter() : m_Output(GetStdHandle(STD_OUTPUT_HANDLE)) {}

void TConsoleWriter::Write(const char* iText, int iLength)
{
    std::string text(iText, iLength);
    CharToOemA(text.c_str(), &text[0]);
    DWORD written = 0;
    WriteConsoleA(m_Output, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// The debugger takes a NUL-terminated text; the given one need not be terminated.
void TDebugWriter::Write(const char* iText, int iLength)
{
    OutputDebugStringA(std::string(iText, iLength).c_str());
}
