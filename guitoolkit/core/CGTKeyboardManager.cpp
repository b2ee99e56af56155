#include <guitoolkit/core/CGTKeyboardManager.h>
#include <guitoolkit/core/CGTRegistryHolder.h>
#include <guitoolkit/core/GuiToolkitHooks.h>
#include <guitoolkit/core/RegistrySectionPath.h>
#include <guitoolkit/core/CGTKeyHelper.h>
#include <afxdoc.h>
#include <afxview.h>
#include <vector>

IMPLEMENT_DYNAMIC(CGTKeyboardManager, CObject)

namespace {
static_assert(sizeof(ACCEL) == 6, "the stored record is the 6-byte ACCEL");

CGTKeyboardManager* currentManager = nullptr;
CGTKeyboardManager::ExcludedCommandQuery excludedCommand = nullptr;

// A copy of the records of the table last asked about.
struct ShortcutCache {
    HACCEL table = nullptr;
    std::vector<ACCEL> records;
};
ShortcutCache frameCache;
ShortcutCache alternateCache;

std::vector<ACCEL> RecordsOf(HACCEL table)
{
    std::vector<ACCEL> records(table != nullptr ? ::CopyAcceleratorTableW(table, nullptr, 0) : 0);
    if (!records.empty())
        ::CopyAcceleratorTableW(table, records.data(), static_cast<int>(records.size()));
    return records;
}

// The frame's default table in the chosen cache; null without one.
const ShortcutCache* CachedTableOf(CFrameWnd* frame, BOOL alternate)
{
    HACCEL table = frame != nullptr ? frame->GetDefaultAccelerator() : nullptr;
    if (table == nullptr)
        return nullptr;
    ShortcutCache& cache = alternate ? alternateCache : frameCache;
    if (cache.table != table) {
        SetGuiToolkitHook(GTModuleHook::KeyboardCleanUp, &CGTKeyboardManager::CleanUp);
        cache.records = RecordsOf(table);
        cache.table = table;
    }
    return &cache;
}

CFrameWnd* FrameOrMainFrame(CFrameWnd* frame)
{
    return frame != nullptr ? frame : DYNAMIC_DOWNCAST(CFrameWnd, AfxGetMainWnd());
}

CString KeyOf(LPCWSTR sectionPath, UINT id)
{
    CString key;
    key.Format(L"%sRIRKeyboard-%d", sectionPath, id);
    return key;
}

// The accelerators of the resource that holds the menu of that id; null when there are none.
HACCEL LoadResourceAccelerators(UINT iResourceId)
{
    LPCWSTR name = MAKEINTRESOURCEW(iResourceId);
    return ::LoadAcceleratorsW(AfxFindResourceHandle(name, RT_MENU), name);
}

// Calls visit for each multiple-document template of the application that has a table.
template <class Visit>
void ForEachTemplateWithTable(Visit&& visit)
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr || app->m_pDocManager == nullptr)
        return;
    for (POSITION position = app->GetFirstDocTemplatePosition(); position != nullptr;) {
        CMultiDocTemplate* multiTemplate = DYNAMIC_DOWNCAST(CMultiDocTemplate, app->GetNextDocTemplate(position));
        if (multiTemplate != nullptr && multiTemplate->m_hAccelTable != nullptr)
            visit(*multiTemplate);
    }
}

// The frames of the template's views that still use the template's table get the new one.
void PassOnToFrames(CMultiDocTemplate& docTemplate, HACCEL oldTable, HACCEL newTable)
{
    for (POSITION documents = docTemplate.GetFirstDocPosition(); documents != nullptr;) {
        CDocument* document = docTemplate.GetNextDoc(documents);
        for (POSITION views = document->GetFirstViewPosition(); views != nullptr;) {
            CFrameWnd* frame = document->GetNextView(views)->GetParentFrame();
            if (frame != nullptr && frame->m_hAccelTable == oldTable)
                frame->m_hAccelTable = newTable;
        }
    }
}
}  // namespace

CGTKeyboardManager::CGTKeyboardManager()
{
    currentManager = this;
}

CGTKeyboardManager::~CGTKeyboardManager()
{
    if (currentManager == this)
        currentManager = nullptr;
}

CGTKeyboardManager* CGTKeyboardManager::Current()
{
    return currentManager;
}

BOOL CGTKeyboardManager::SaveState(LPCWSTR iProfile, CFrameWnd* iFrame)
{
    const CString path = BuildRegistrySectionPath(L"VADEKeyboardManager", iProfile);
    ForEachTemplateWithTable([&path](CMultiDocTemplate& docTemplate) {
        SaveAcceleratorTable(path, docTemplate.m_nIDResource, docTemplate.m_hAccelTable);
    });
    CFrameWnd* frame = FrameOrMainFrame(iFrame);
    if (frame != nullptr && frame->m_hAccelTable != nullptr)
        SaveAcceleratorTable(path, 0, frame->m_hAccelTable);
    return TRUE;
}

BOOL CGTKeyboardManager::LoadState(LPCWSTR iProfile, CFrameWnd* iFrame)
{
    const CString path = BuildRegistrySectionPath(L"VADEKeyboardManager", iProfile);
    ForEachTemplateWithTable([&path](CMultiDocTemplate& docTemplate) {
        HACCEL table = nullptr;
        if (LoadAcceleratorTable(path, docTemplate.m_nIDResource, table))
            SetAcceleratorTable(&docTemplate, table);
    });
    CFrameWnd* frame = FrameOrMainFrame(iFrame);
    HACCEL table = nullptr;
    if (frame != nullptr && frame->m_hAccelTable != nullptr && LoadAcceleratorTable(path, 0, table))
        SetAcceleratorTable(nullptr, table, frame);
    return TRUE;
}

BOOL CGTKeyboardManager::SaveAcceleratorTable(LPCWSTR iSectionPath, UINT iId, HACCEL iTable)
{
    const std::vector<ACCEL> records = RecordsOf(iTable);
    if (records.empty())
        return FALSE;
    std::vector<BYTE> bytes;
    for (const ACCEL& record : records)
        bytes.insert(bytes.end(),
                     {record.fVirt, 0, LOBYTE(record.key), HIBYTE(record.key), LOBYTE(record.cmd), HIBYTE(record.cmd)});
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, FALSE);
    return registry.CreateKey(KeyOf(iSectionPath, iId)) &&
        registry.WriteBinary(L"Accelerators", bytes.data(), static_cast<UINT>(bytes.size()));
}

BOOL CGTKeyboardManager::LoadAcceleratorTable(LPCWSTR iSectionPath, UINT iId, HACCEL& oTable)
{
    oTable = nullptr;
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, TRUE);
    BYTE* bytes = nullptr;
    UINT size = 0;
    if (!registry.Open(KeyOf(iSectionPath, iId)) || !registry.ReadBinary(L"Accelerators", bytes, size))
        return FALSE;
    std::vector<ACCEL> records(size / sizeof(ACCEL));
    memcpy(records.data(), bytes, records.size() * sizeof(ACCEL));
    delete[] bytes;
    for (ACCEL& record : records) {
        if (excludedCommand != nullptr && excludedCommand(record.cmd))
            record.cmd = 0;
    }
    if (!records.empty())
        oTable = ::CreateAcceleratorTableW(records.data(), static_cast<int>(records.size()));
    return oTable != nullptr;
}

BOOL CGTKeyboardManager::SetAcceleratorTable(CMultiDocTemplate* iTemplate, HACCEL iTable, CFrameWnd* iFrame)
{
    HACCEL oldTable = nullptr;
    if (iTemplate != nullptr) {
        oldTable = iTemplate->m_hAccelTable;
        iTemplate->m_hAccelTable = iTable;
        PassOnToFrames(*iTemplate, oldTable, iTable);
    } else {
        CFrameWnd* frame = FrameOrMainFrame(iFrame);
        if (frame == nullptr)
            return FALSE;
        oldTable = frame->m_hAccelTable;
        frame->m_hAccelTable = iTable;
    }
    if (oldTable == nullptr)
        return FALSE;
    if (oldTable != iTable)
        ::DestroyAcceleratorTable(oldTable);
    return TRUE;
}

BOOL CGTKeyboardManager::ReplaceAcceleratorTable(CMultiDocTemplate* iTemplate, const ACCEL* iRecords, int iCount,
                                                 CFrameWnd* iFrame)
{
    if (iCount < 0 || (iTemplate == nullptr && FrameOrMainFrame(iFrame) == nullptr))
        return FALSE;
    // The system makes no table of no records: the target keeps none, as the records say.
    if (iCount == 0) {
        SetAcceleratorTable(iTemplate, nullptr, iFrame);
        return TRUE;
    }
    HACCEL table = ::CreateAcceleratorTableW(const_cast<ACCEL*>(iRecords), iCount);
    if (table == nullptr)
        return FALSE;
    // A target that had no table keeps the new one all the same.
    SetAcceleratorTable(iTemplate, table, iFrame);
    return TRUE;
}

void CGTKeyboardManager::LoadDefaultAccelerators()
{
    ForEachTemplateWithTable([](CMultiDocTemplate& docTemplate) {
        if (HACCEL table = LoadResourceAccelerators(docTemplate.m_nIDResource))
            SetAcceleratorTable(&docTemplate, table);
    });
    // The main frame's table comes from the resource the frame was loaded with, unless it is a
    // template's, which the templates' pass has just put back.
    auto* frame = DYNAMIC_DOWNCAST(CFrameWnd, AfxGetMainWnd());
    BOOL sharesTemplateTable = FALSE;
    ForEachTemplateWithTable([frame, &sharesTemplateTable](CMultiDocTemplate& docTemplate) {
        sharesTemplateTable |= frame != nullptr && frame->m_hAccelTable == docTemplate.m_hAccelTable;
    });
    const UINT resourceId =
        frame != nullptr && frame->m_hAccelTable != nullptr && !sharesTemplateTable ? frame->m_nIDHelp : 0;
    if (resourceId == 0)
        return;
    if (HACCEL table = LoadResourceAccelerators(resourceId))
        SetAcceleratorTable(nullptr, table);
}

BOOL CGTKeyboardManager::FindCommandShortcut(UINT iCommand, ACCEL& oShortcut, CFrameWnd* iFrame,
                                             BOOL iUseAlternateCache)
{
    if (const ShortcutCache* cache = CachedTableOf(iFrame, iUseAlternateCache)) {
        for (const ACCEL& record : cache->records) {
            if (record.cmd == iCommand) {
                oShortcut = record;
                return TRUE;
            }
        }
    }
    return FALSE;
}

BOOL CGTKeyboardManager::FormatCommandShortcut(UINT iCommand, CString& oText, CFrameWnd* iFrame,
                                               BOOL iUseAlternateCache)
{
    oText.Empty();
    ACCEL shortcut = {};
    if (!FindCommandShortcut(iCommand, shortcut, iFrame, iUseAlternateCache))
        return FALSE;
    CGTKeyHelper(&shortcut).Format(oText);
    return TRUE;
}

BOOL CGTKeyboardManager::FindAccelerator(WORD iKey, BYTE iFlags, CFrameWnd* iFrame, BOOL iUseAlternateCache)
{
    if (const ShortcutCache* cache = CachedTableOf(iFrame, iUseAlternateCache)) {
        for (const ACCEL& record : cache->records) {
            if (record.key == iKey && record.fVirt == iFlags)
                return TRUE;
        }
    }
    return FALSE;
}

void CGTKeyboardManager::CleanUp()
{
    frameCache = ShortcutCache();
    alternateCache = ShortcutCache();
}

CGTKeyboardManager::ExcludedCommandQuery CGTKeyboardManager::SetExcludedCommandQuery(ExcludedCommandQuery iQuery)
{
    ExcludedCommandQuery previous = excludedCommand;
    excludedCommand = iQuery;
    return previous;
}
