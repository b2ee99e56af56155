#include <guitoolkit/toolbars/GTDocumentTemplateChoices.h>
#include <set>

void AddDocumentTemplateChoices(CComboBox& ioCombo)
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return;
    std::set<UINT> listed;
    for (POSITION position = app->GetFirstDocTemplatePosition(); position != nullptr;) {
        auto* docTemplate = dynamic_cast<CMultiDocTemplate*>(app->GetNextDocTemplate(position));
        if (docTemplate == nullptr || docTemplate->m_hMenuShared == nullptr ||
            !listed.insert(docTemplate->m_nIDResource).second)
            continue;
        CString name;
        docTemplate->GetDocString(name, CDocTemplate::fileNewName);
        const int index = ioCombo.AddString(name);
        ioCombo.SetItemData(index, reinterpret_cast<DWORD_PTR>(docTemplate));
    }
}

HICON DocumentTemplateIcon(const CMultiDocTemplate& iTemplate)
{
    if (HICON icon = AfxGetApp() != nullptr ? AfxGetApp()->LoadIcon(iTemplate.m_nIDResource) : nullptr)
        return icon;
    return ::LoadIconW(nullptr, IDI_APPLICATION);
}

HICON WindowClassIcon(const CWnd& iWindow)
{
    ICONINFO info = {};
    if (auto icon = reinterpret_cast<HICON>(::GetClassLongPtrW(iWindow.GetSafeHwnd(), GCLP_HICON));
        icon != nullptr && ::GetIconInfo(icon, &info)) {
        ::DeleteObject(info.hbmMask);
        ::DeleteObject(info.hbmColor);
        return icon;
    }
    return ::LoadIconW(nullptr, IDI_APPLICATION);
}
