#include <guitoolkit/core/CGTKeyboardManager.h>
#include <afxview.h>
#include <gtest/gtest.h>
#include <vector>
#include "FakeSeams.h"
#include "ScratchRegistryKey.h"
#include "resources/GtCoreTestIds.h"

namespace {
const BYTE ctrl = FVIRTKEY | FCONTROL;

std::vector<ACCEL> Records(HACCEL table)
{
    std::vector<ACCEL> records(::CopyAcceleratorTableW(table, nullptr, 0));
    ::CopyAcceleratorTableW(table, records.data(), static_cast<int>(records.size()));
    return records;
}

// Flags, key and command of each record, for comparisons.
std::vector<std::vector<UINT>> Fields(HACCEL table)
{
    std::vector<std::vector<UINT>> fields;
    for (const ACCEL& record : Records(table))
        fields.push_back({record.fVirt, record.key, record.cmd});
    return fields;
}

HACCEL Table(std::vector<ACCEL> records)
{
    return ::CreateAcceleratorTableW(records.data(), static_cast<int>(records.size()));
}

const std::vector<std::vector<UINT>> resourceFields = {{ctrl, 'N', ID_GT_TEST_NEW}, {ctrl, 'O', ID_GT_TEST_OPEN}};

class ReportDocument : public CDocument {
    DECLARE_DYNCREATE(ReportDocument)
};
IMPLEMENT_DYNCREATE(ReportDocument, CDocument)

class ReportView : public CView {
    DECLARE_DYNCREATE(ReportView)
public:
    void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(ReportView, CView)

// An application with one multiple-document template of the test document type.
class ReportApp : public CWinApp {
public:
    ReportApp() : CWinApp(L"Reports") {}
    ~ReportApp() override { m_pMainWnd = nullptr; }
    CMultiDocTemplate* AddReportTemplate()
    {
        auto* docTemplate = new CMultiDocTemplate(IDR_GT_TEST_DOCUMENT, RUNTIME_CLASS(ReportDocument),
                                                  RUNTIME_CLASS(CFrameWnd), RUNTIME_CLASS(ReportView));
        AddDocTemplate(docTemplate);
        return docTemplate;
    }
};

CFrameWnd* FrameOf(CDocument* document)
{
    POSITION position = document->GetFirstViewPosition();
    return document->GetNextView(position)->GetParentFrame();
}

BOOL CommandIsExcluded(UINT command)
{
    return command == 0x9001;
}
}  // namespace

TEST(KeyboardManager, StoredRecordsLoadAsTables)
{
    ScratchRegistryKey scratch(L"GtKeyboard");
    HACCEL table = Table({{ctrl, 'S', 100}, {FVIRTKEY, VK_F2, 0x1234}});
    ASSERT_TRUE(CGTKeyboardManager::SaveAcceleratorTable(scratch.Path(), 7, table));
    ::DestroyAcceleratorTable(table);
    const std::vector<BYTE> stored = {ctrl, 0, 'S', 0, 100, 0, FVIRTKEY, 0, VK_F2, 0, 0x34, 0x12};
    EXPECT_EQ(stored, scratch.Bytes(L"RIRKeyboard-7", L"Accelerators"));
    EXPECT_FALSE(CGTKeyboardManager::SaveAcceleratorTable(scratch.Path(), 8, nullptr));
    EXPECT_FALSE(scratch.HasKey(L"RIRKeyboard-8"));

    CGTKeyboardManager::ExcludedCommandQuery previous = CGTKeyboardManager::SetExcludedCommandQuery(&CommandIsExcluded);
    const struct {
        const char* blob;
        std::vector<BYTE> bytes;
        std::vector<std::vector<UINT>> loaded;  // empty: no table
    } cases[] = {
        {"13 bytes give two records",
         {ctrl, 0, 'S', 0, 100, 0, FVIRTKEY, 0, VK_F2, 0, 101, 0, 0x55},
         {{ctrl, 'S', 100}, {FVIRTKEY, VK_F2, 101}}},
        {"5 bytes give none", {ctrl, 0, 'S', 0, 100}, {}},
        {"an excluded command does nothing",
         {ctrl, 0, 'X', 0, 0x01, 0x90, ctrl, 0, 'Y', 0, 0x02, 0x90},
         {{ctrl, 'X', 0}, {ctrl, 'Y', 0x9002}}},
    };
    for (const auto& c : cases) {
        scratch.StoreBinary(L"RIRKeyboard-9", L"Accelerators", c.bytes);
        HACCEL loaded = nullptr;
        EXPECT_EQ(!c.loaded.empty(), CGTKeyboardManager::LoadAcceleratorTable(scratch.Path(), 9, loaded)) << c.blob;
        EXPECT_EQ(c.loaded, Fields(loaded)) << c.blob;
        if (loaded != nullptr)
            ::DestroyAcceleratorTable(loaded);
    }
    CGTKeyboardManager::SetExcludedCommandQuery(previous);
    HACCEL missing = nullptr;
    EXPECT_FALSE(CGTKeyboardManager::LoadAcceleratorTable(scratch.Path(), 10, missing));
}

TEST(KeyboardManager, ShortcutQuestionsReadTheFramesTableAsItIsNow)
{
    CFrameWnd frame;
    frame.m_hAccelTable = Table({{ctrl, 'S', 100}, {FVIRTKEY, VK_F2, 100}, {FVIRTKEY | FSHIFT, 'S', 101}});
    EXPECT_TRUE(CGTKeyboardManager::FindAccelerator('S', ctrl, &frame));
    EXPECT_FALSE(CGTKeyboardManager::FindAccelerator('S', FVIRTKEY, &frame));
    EXPECT_FALSE(CGTKeyboardManager::FindAccelerator('S', ctrl | FSHIFT, &frame));
    EXPECT_FALSE(CGTKeyboardManager::FindAccelerator('S', ctrl, nullptr));
    ACCEL shortcut = {};
    ASSERT_TRUE(CGTKeyboardManager::FindCommandShortcut(100, shortcut, &frame));
    EXPECT_EQ(ctrl, shortcut.fVirt);
    EXPECT_EQ('S', shortcut.key);
    EXPECT_FALSE(CGTKeyboardManager::FindCommandShortcut(102, shortcut, &frame));
    CString text = L"stale";
    EXPECT_TRUE(CGTKeyboardManager::FormatCommandShortcut(100, text, &frame));
    EXPECT_STREQ(L"Ctrl+S", text);
    EXPECT_FALSE(CGTKeyboardManager::FormatCommandShortcut(102, text, &frame));
    EXPECT_STREQ(L"", text);

    const ACCEL reordered[] = {{FVIRTKEY, VK_F2, 100}, {ctrl, 'S', 100}};
    ASSERT_TRUE(CGTKeyboardManager::ReplaceAcceleratorTable(nullptr, reordered, 2, &frame));
    ASSERT_TRUE(CGTKeyboardManager::FindCommandShortcut(100, shortcut, &frame, TRUE));
    EXPECT_EQ(VK_F2, shortcut.key);
    ASSERT_TRUE(CGTKeyboardManager::FindCommandShortcut(100, shortcut, &frame));
    EXPECT_EQ(VK_F2, shortcut.key);
    EXPECT_FALSE(CGTKeyboardManager::FindAccelerator('S', FVIRTKEY | FSHIFT, &frame));
    ::DestroyAcceleratorTable(frame.m_hAccelTable);
}

TEST(KeyboardManager, AReplacementTableStaysWhereItIsInstalled)
{
    const ACCEL records[] = {{ctrl, 'S', 100}, {FVIRTKEY, VK_F2, 101}};
    CFrameWnd frame;
    EXPECT_TRUE(CGTKeyboardManager::ReplaceAcceleratorTable(nullptr, records, 0, &frame));
    EXPECT_EQ(nullptr, frame.m_hAccelTable);
    EXPECT_TRUE(CGTKeyboardManager::ReplaceAcceleratorTable(nullptr, records, 2, &frame));
    HACCEL first = frame.m_hAccelTable;
    EXPECT_EQ(2u, Records(first).size());
    EXPECT_TRUE(CGTKeyboardManager::ReplaceAcceleratorTable(nullptr, records, 1, &frame));
    EXPECT_EQ(1u, Records(frame.m_hAccelTable).size());
    EXPECT_EQ(0, ::CopyAcceleratorTableW(first, nullptr, 0));  // the replaced table is gone
    EXPECT_FALSE(CGTKeyboardManager::ReplaceAcceleratorTable(nullptr, records, 2, nullptr));
    HACCEL last = frame.m_hAccelTable;
    EXPECT_TRUE(CGTKeyboardManager::ReplaceAcceleratorTable(nullptr, records, 0, &frame));
    EXPECT_EQ(nullptr, frame.m_hAccelTable) << "no records leave no table";
    EXPECT_EQ(0, ::CopyAcceleratorTableW(last, nullptr, 0));
}

TEST(KeyboardManager, StateCoversTheTemplatesAndTheMainFrame)
{
    ScratchRegistryKey scratch(L"GtKeyboard");
    {
        ReportApp empty;
        EXPECT_TRUE(CGTKeyboardManager().SaveState(scratch.Path()));
        EXPECT_FALSE(scratch.HasKey(L""));
    }
    ReportApp app;
    CMultiDocTemplate* docTemplate = app.AddReportTemplate();
    CFrameWnd mainFrame;
    mainFrame.m_hAccelTable = Table({{ctrl, 'S', 100}});
    app.m_pMainWnd = &mainFrame;
    CGTKeyboardManager manager;
    EXPECT_EQ(&manager, CGTKeyboardManager::Current());
    EXPECT_TRUE(manager.SaveState(scratch.Path()));
    EXPECT_EQ(12u, scratch.Bytes(L"RIRKeyboard-300", L"Accelerators").size());
    EXPECT_EQ(6u, scratch.Bytes(L"RIRKeyboard-0", L"Accelerators").size());

    const ACCEL other = {FVIRTKEY, VK_F5, 1};
    ASSERT_TRUE(CGTKeyboardManager::ReplaceAcceleratorTable(docTemplate, &other, 1));
    ASSERT_TRUE(CGTKeyboardManager::ReplaceAcceleratorTable(nullptr, &other, 1));
    EXPECT_TRUE(manager.LoadState(scratch.Path()));
    EXPECT_EQ(resourceFields, Fields(docTemplate->m_hAccelTable));
    EXPECT_EQ((std::vector<std::vector<UINT>>{{ctrl, 'S', 100}}), Fields(mainFrame.m_hAccelTable));
    ::DestroyAcceleratorTable(mainFrame.m_hAccelTable);
}

TEST(KeyboardManager, ATemplatesNewTableReachesOnlyTheFramesThatSharedIt)
{
    ReportApp app;
    CMultiDocTemplate* docTemplate = app.AddReportTemplate();
    CFrameWnd* sharing = FrameOf(docTemplate->OpenDocumentFile(nullptr, FALSE));
    CFrameWnd* own = FrameOf(docTemplate->OpenDocumentFile(nullptr, FALSE));
    ::DestroyAcceleratorTable(sharing->m_hAccelTable);
    sharing->m_hAccelTable = docTemplate->m_hAccelTable;
    HACCEL ownTable = own->m_hAccelTable;

    const ACCEL replacement = {FVIRTKEY, VK_F5, 1};
    ASSERT_TRUE(CGTKeyboardManager::ReplaceAcceleratorTable(docTemplate, &replacement, 1));
    EXPECT_EQ(docTemplate->m_hAccelTable, sharing->m_hAccelTable);
    EXPECT_EQ(ownTable, own->m_hAccelTable);
    EXPECT_EQ((std::vector<std::vector<UINT>>{{FVIRTKEY, VK_F5, 1}}), Fields(sharing->m_hAccelTable));

    CGTKeyboardManager::LoadDefaultAccelerators();
    EXPECT_EQ(resourceFields, Fields(docTemplate->m_hAccelTable));
    EXPECT_EQ(docTemplate->m_hAccelTable, sharing->m_hAccelTable);
    EXPECT_EQ(ownTable, own->m_hAccelTable);

    app.m_pMainWnd = nullptr;
    sharing->m_hAccelTable = nullptr;  // the template destroys it
    sharing->DestroyWindow();
    own->DestroyWindow();
}

TEST(KeyboardManager, MnemonicCharactersOfKeys)
{
    FakeKeyState keys;
    const struct {
        UINT key;
        BOOL alt;
        UINT character;
    } cases[] = {
        {'A', FALSE, 'A'},
        {'Z', TRUE, 'Z'},
        {VK_NUMPAD0, FALSE, '0'},
        {VK_NUMPAD7, FALSE, '7'},
        {VK_NUMPAD7, TRUE, VK_NUMPAD7},
        {VK_F1, FALSE, VK_F1},
        {VK_MULTIPLY, FALSE, VK_MULTIPLY},
    };
    for (const auto& c : cases) {
        if (c.alt)
            keys.Press(VK_MENU);
        else
            keys.Release(VK_MENU);
        EXPECT_EQ(c.character, NormalizeAcceleratorKey(c.key)) << c.key << (c.alt ? " with Alt" : "");
    }
    EXPECT_TRUE(VirtualKeyProducesChar('A'));
    EXPECT_FALSE(VirtualKeyProducesChar(VK_F1));
}

TEST(KeyboardManager, TheMainFrameGetsTheTableOfItsResourceBack)
{
    ReportApp app;
    CFrameWnd* frame = new CFrameWnd;
    ASSERT_TRUE(frame->LoadFrame(IDR_GT_TEST_DOCUMENT, WS_OVERLAPPEDWINDOW));
    app.m_pMainWnd = frame;
    const ACCEL replacement = {FVIRTKEY, VK_F5, 1};
    ASSERT_TRUE(CGTKeyboardManager::ReplaceAcceleratorTable(nullptr, &replacement, 1));
    EXPECT_EQ((std::vector<std::vector<UINT>>{{FVIRTKEY, VK_F5, 1}}), Fields(frame->m_hAccelTable));

    CGTKeyboardManager::LoadDefaultAccelerators();
    EXPECT_EQ(resourceFields, Fields(frame->m_hAccelTable));
    app.m_pMainWnd = nullptr;
    frame->DestroyWindow();
}
