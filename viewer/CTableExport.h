#pragma once
#include <afx.h>

#include <fstream>

// Cell flags of WriteCell.
enum : DWORD {
    TableCellHeader = 1,
    TableCellBold = 2,
    TableCellUnderlined = 4,
    TableCellItalic = 8,
};

// Writes a table into a text file (line ends CRLF); texts go in UTF-8, whole. A file that
// cannot be opened or written takes nothing more, and Close says so.
class CTableExport {
public:
    // The path is used as it is, wide: no name is cut or changed.
    explicit CTableExport(LPCWSTR iPath);
    virtual ~CTableExport();
    CTableExport(const CTableExport&) = delete;
    CTableExport& operator=(const CTableExport&) = delete;

    virtual void BeginRow() = 0;
    virtual void EndRow() = 0;
    // iSize: the font size number of the format.
    virtual void WriteCell(LPCWSTR iText, DWORD iFlags, int iSize) = 0;
    // Ends the document and the file, once. FALSE when the file could not be opened or
    // written; GetError then tells why.
    virtual BOOL Close() = 0;

    // The system's error code of the failure; 0 while there is none.
    DWORD GetError() const { return m_Error; }

protected:
    BOOL IsGood() const { return m_Error == 0 && m_stream.good(); }
    void Write(const char* iBytes) { m_stream << iBytes; }
    void Write(int iNumber) { m_stream << iNumber; }
    // The text in UTF-8.
    void WriteText(LPCWSTR iText);
    // Flushes and closes the file and marks the exporter closed; FALSE after any failure.
    BOOL CloseFile();

    BOOL m_bClosed;
    std::ofstream m_stream;

private:
    void NoteFailure();

    DWORD m_Error;
};
