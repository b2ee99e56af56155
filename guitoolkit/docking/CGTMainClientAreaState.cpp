// The saved arrangement, "MDITabsState": written as it stands; read whole into a scratch record
// first, so that a short or corrupt value closes nothing and opens nothing.
#include <guitoolkit/docking/CGTMainClientAreaWnd.h>
#include <guitoolkit/core/CGTRegistry.h>
#include <guitoolkit/core/RegistrySectionPath.h>
#include <guitoolkit/docking/GTMDITabsRecord.h>
#include <guitoolkit/docking/IGTMDITabHost.h>

using namespace GTMDITabsRecord;

namespace {
const LPCWSTR stateValue = L"MDITabsState";

CString StateSection(LPCWSTR iProfile, int iFrameId)
{
    CString section;
    section.Format(L"%sMDIClientArea-%d", static_cast<LPCWSTR>(BuildRegistrySectionPath(L"MDIClientArea", iProfile)),
                   iFrameId);
    return section;
}

void WriteInts(CArchive& ioArchive, std::initializer_list<int> iValues)
{
    for (int value : iValues)
        ioArchive << value;
}

// Writes the document a child stands for; the object it hands out is the writer's to delete.
void WriteChildDocument(CArchive& ioArchive, IGTMDITabChild* iChild)
{
    CObject* object = nullptr;
    const CString name = iChild != nullptr ? iChild->GetStateDocumentName(object) : CString();
    std::unique_ptr<CObject> owned(object);
    WriteDocument(ioArchive, name, owned.get());
}
}  // namespace

void CGTMainClientAreaWnd::WriteGroup(CArchive& ioArchive, CGTTabWnd& ioGroup)
{
    WriteInts(ioArchive, {ioGroup.GetTabCount(), ioGroup.GetActiveTab(), ioGroup.IsActiveInGroup()});
    for (int i = 0; i < ioGroup.GetTabCount(); ++i) {
        WriteChildDocument(ioArchive, AsMDITabChild(ioGroup.GetTabWnd(i)));
        CString label;
        ioGroup.GetTabLabel(i, label);
        ioArchive << label;
        WriteInts(ioArchive, {ioGroup.GetResizeMode(), static_cast<int>(ioGroup.GetTabBkColor(i))});
    }
    const CArray<COLORREF, COLORREF>& colors = ioGroup.GetAutoColors();
    WriteInts(ioArchive, {ioGroup.IsAutoColor(), static_cast<int>(colors.GetSize())});
    for (INT_PTR i = 0; i < colors.GetSize(); ++i)
        ioArchive << static_cast<int>(colors[i]);
    CRect rect;
    ioGroup.GetWindowRect(rect);
    WriteInts(ioArchive,
              {ioGroup.IsTabDocumentsMenu(), m_settings.tabSwap, ioGroup.GetTabBorderSize(), rect.left, rect.top,
               rect.right, rect.bottom});
}

void CGTMainClientAreaWnd::WriteChildList(CArchive& ioArchive)
{
    CList<CWnd*, CWnd*> children;
    for (CWnd* window = GetWindow(GW_CHILD); window != nullptr; window = window->GetWindow(GW_HWNDNEXT)) {
        CObject* object = nullptr;
        IGTMDITabChild* child = AsMDITabChild(window);
        const BOOL named = child != nullptr && !child->GetStateDocumentName(object).IsEmpty();
        delete object;
        if (named)
            children.AddHead(window);
    }
    ioArchive << static_cast<int>(children.GetCount());
    const HWND active = GetActiveChild();
    for (POSITION p = children.GetHeadPosition(); p != nullptr;) {
        CWnd* window = children.GetNext(p);
        WriteChildDocument(ioArchive, AsMDITabChild(window));
        WINDOWPLACEMENT place = {sizeof(WINDOWPLACEMENT)};
        window->GetWindowPlacement(&place);
        WriteInts(ioArchive,
                  {static_cast<int>(place.flags), static_cast<int>(place.length), place.ptMaxPosition.x,
                   place.ptMaxPosition.y, place.ptMinPosition.x, place.ptMinPosition.y, place.rcNormalPosition.left,
                   place.rcNormalPosition.top, place.rcNormalPosition.right, place.rcNormalPosition.bottom,
                   static_cast<int>(place.showCmd), window->GetSafeHwnd() == active});
    }
}

void CGTMainClientAreaWnd::Serialize(CArchive& ioArchive)
{
    if (!ioArchive.IsStoring()) {
        IGTMDITabFrame* frame = GetMDIFrame();
        Record record;
        Read(ioArchive, frame != nullptr ? frame->GetStateObjectClass() : nullptr, record);
        if (!ApplyRecord(record))
            AfxThrowArchiveException(CArchiveException::genericException);
        return;
    }
    m_settings.Serialize(ioArchive);
    WriteInts(ioArchive,
              {m_bSingleTabsMode, m_bGroupsMode, m_bTabsShown, m_nGroupSplit, m_nSplitterMargin, m_nNewGroupZone});
    if (m_bSingleTabsMode) {
        WriteGroup(ioArchive, m_wndSingleTabs);
    } else if (m_bGroupsMode) {
        ioArchive << static_cast<int>(m_lstGroups.GetCount());
        for (POSITION p = m_lstGroups.GetHeadPosition(); p != nullptr;)
            WriteGroup(ioArchive, *static_cast<CGTTabWnd*>(m_lstGroups.GetNext(p)));
    } else {
        WriteChildList(ioArchive);
    }
}

BOOL CGTMainClientAreaWnd::SaveMDITabsState(LPCWSTR iProfile, int iFrameId)
{
    try {
        CMemFile file(1024);
        {
            CArchive archive(&file, CArchive::store, 4096);
            Serialize(archive);
            archive.Close();
        }
        const UINT size = static_cast<UINT>(file.GetLength());
        BYTE* bytes = file.Detach();
        CGTRegistry registry(FALSE, FALSE);
        const CString section = StateSection(iProfile, iFrameId);
        const BOOL written = registry.CreateKey(section) && registry.WriteBinary(stateValue, bytes, size);
        free(bytes);
        return written;
    } catch (CException* error) {
        error->Delete();
        return FALSE;
    }
}

BOOL CGTMainClientAreaWnd::LoadMDITabsState(LPCWSTR iProfile, int iFrameId)
{
    CGTRegistry registry(FALSE, TRUE);
    BYTE* bytes = nullptr;
    UINT size = 0;
    if (!registry.Open(StateSection(iProfile, iFrameId)) || !registry.ReadBinary(stateValue, bytes, size))
        return FALSE;
    std::unique_ptr<BYTE[]> owned(bytes);
    try {
        CMemFile file(bytes, size);
        CArchive archive(&file, CArchive::load, 4096);
        Serialize(archive);
        return TRUE;
    } catch (CException* error) {
        error->Delete();
        m_bLoading = FALSE;
        return FALSE;
    }
}
