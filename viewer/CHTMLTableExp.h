#pragma once
#include "CTableExport.h"

// The table as an HTML page: a styled head, the title, the product's link around it. The
// title and the cells are escaped: they are window titles and names from the monitored
// machines.
class CHTMLTableExp : public CTableExport {
public:
    // Writes the opening part of the page.
    CHTMLTableExp(LPCWSTR iPath, LPCWSTR iTitle);
    ~CHTMLTableExp() override;

    void BeginRow() override;
    void EndRow() override;
    // Opens the table at the first cell.
    void WriteCell(LPCWSTR iText, DWORD iFlags, int iSize) override;
    BOOL Close() override;

    virtual void BeginTable();
    virtual void EndTable();
    virtual void WriteImage(LPCWSTR iPath, int iHeight, int iWidth);

private:
    void WriteEscaped(LPCWSTR iText);
    void WriteOpening(LPCWSTR iTitle);
    void WriteClosing();

    BOOL m_bTableOpen;
};
