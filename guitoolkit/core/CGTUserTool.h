// An external program the user adds to the menus and toolbars: a label, a command (a
// program, a document, anything the shell opens), its arguments and initial folder, and
// the command id that runs it. Buttons show the command's small shell icon, or the
// toolkit's default one.
#pragma once
#include <afxwin.h>

class CGTUserTool : public CObject {
    DECLARE_SERIAL(CGTUserTool)
public:
    CGTUserTool();
    ~CGTUserTool() override;
    CGTUserTool(const CGTUserTool&) = delete;
    CGTUserTool& operator=(const CGTUserTool&) = delete;

    // Label, command, arguments, initial folder, command id; a loaded command loads its icon.
    void Serialize(CArchive& ioArchive) override;

    // Opens the command through the shell, owned by the main window.
    virtual BOOL Invoke();
    // The small shell icon of the command (a bare name is looked up on the search path
    // first), or the default icon.
    virtual HICON LoadIcon();
    // The toolkit's default tool icon, loaded once for the process.
    virtual HICON LoadDefaultIcon();
    virtual void DeleteIcon();

    // A changed command loads its icon.
    void SetCommand(LPCWSTR iCommand);
    const CString& GetCommand() const { return m_Command; }
    HICON GetIcon() const { return m_Icon; }

    // The icon at its natural size, centred in the rectangle.
    void DrawToolIcon(CDC* iDc, const CRect& iRect) const;
    // The icon on the button face, on the clipboard; failures are told to the user.
    BOOL CopyIconToClipboard();

    CString m_Label;
    CString m_Arguments;
    CString m_InitialDirectory;
    UINT m_CommandId;

private:
    CString m_Command;
    HICON m_Icon;
};
