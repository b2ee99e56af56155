#include <guitoolkit/core/CGTUserTool.h>
#include <guitoolkit/core/GTClipboardImage.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <algorithm>
#include <shellapi.h>

IMPLEMENT_SERIAL(CGTUserTool, CObject, 1)

CGTUserTool::CGTUserTool() : m_CommandId(0), m_Icon(nullptr) {}

CGTUserTool::~CGTUserTool()
{
    DeleteIcon();
}

void CGTUserTool::Serialize(CArchive& ioArchive)
{
    if (ioArchive.IsStoring()) {
        ioArchive << m_Label << m_Command << m_Arguments << m_InitialDirectory << m_CommandId;
        return;
    }
    CString command;
    ioArchive >> m_Label >> command;
    SetCommand(command);
    ioArchive >> m_Arguments >> m_InitialDirectory >> m_CommandId;
}

BOOL CGTUserTool::Invoke()
{
    if (m_Command.IsEmpty())
        return FALSE;
    CWnd* owner = AfxGetMainWnd();
    const HINSTANCE result = ::ShellExecuteW(owner != nullptr ? owner->GetSafeHwnd() : nullptr, nullptr, m_Command,
                                             m_Arguments, m_InitialDirectory, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) >= 32;
}

HICON CGTUserTool::LoadIcon()
{
    CString path = m_Command;
    if (path.FindOneOf(L"\\/:") < 0) {
        wchar_t found[MAX_PATH] = {};
        if (::SearchPathW(nullptr, path, nullptr, MAX_PATH, found, nullptr) == 0)
            return LoadDefaultIcon();
        path = found;
    }
    SHFILEINFOW info = {};
    if (!::SHGetFileInfoW(path, 0, &info, sizeof(info), SHGFI_ICON | SHGFI_SHELLICONSIZE | SHGFI_SMALLICON) ||
        info.hIcon == nullptr)
        return LoadDefaultIcon();
    return info.hIcon;
}

HICON CGTUserTool::LoadDefaultIcon()
{
    HICON& icon = theGuiToolkitGlobals.iconUserToolDefault;
    if (icon == nullptr) {
        LPCWSTR name = MAKEINTRESOURCEW(IDI_GT_USER_TOOL);
        const SIZE size = theGuiToolkitGlobals.sizeSmallIcon;
        icon = static_cast<HICON>(
            ::LoadImageW(AfxFindResourceHandle(name, RT_GROUP_ICON), name, IMAGE_ICON, size.cx, size.cy, LR_SHARED));
    }
    return icon;
}

void CGTUserTool::DeleteIcon()
{
    if (m_Icon != nullptr && m_Icon != theGuiToolkitGlobals.iconUserToolDefault)
        ::DestroyIcon(m_Icon);
    m_Icon = nullptr;
}

void CGTUserTool::SetCommand(LPCWSTR iCommand)
{
    if (m_Command == iCommand)
        return;
    m_Command = iCommand;
    DeleteIcon();
    m_Icon = LoadIcon();
}

void CGTUserTool::DrawToolIcon(CDC* iDc, const CRect& iRect) const
{
    const SIZE size = theGuiToolkitGlobals.sizeSmallIcon;
    ::DrawIconEx(iDc->GetSafeHdc(), iRect.left + std::max<int>((iRect.Width() - size.cx) / 2, 0),
                 iRect.top + std::max<int>((iRect.Height() - size.cy) / 2, 0), m_Icon, 0, 0, 0, nullptr, DI_NORMAL);
}

BOOL CGTUserTool::CopyIconToClipboard()
{
    const SIZE size = theGuiToolkitGlobals.sizeSmallIcon;
    return CopyDrawingToClipboard(size, [this, size](CDC& dc) {
        DrawToolIcon(&dc, CRect(0, 0, size.cx, size.cy));
        return TRUE;
    });
}
