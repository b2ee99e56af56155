#include <guitoolkit/core/CGTRegistry.h>
#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <guitoolkit/core/GTClipboardImage.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <gtest/gtest.h>
#include <vector>
#include <guitoolkit/core/tests/ScratchRegistryKey.h>
#include <guitoolkit/core/tests/TestSupport.h>

namespace {
class NotATool : public CObject {
    DECLARE_SERIAL(NotATool)
public:
    void Serialize(CArchive&) override {}
};
IMPLEMENT_SERIAL(NotATool, CObject, 1)

std::vector<CGTUserTool*> Tools(const CGTUserToolsManager& manager)
{
    std::vector<CGTUserTool*> tools;
    for (POSITION position = manager.GetTools().GetHeadPosition(); position != nullptr;)
        tools.push_back(static_cast<CGTUserTool*>(manager.GetTools().GetNext(position)));
    return tools;
}

std::vector<UINT> Ids(const CGTUserToolsManager& manager)
{
    std::vector<UINT> ids;
    for (CGTUserTool* tool : Tools(manager))
        ids.push_back(tool->m_CommandId);
    return ids;
}

// An application with a main window whose message boxes are recorded, not shown.
class PromptRecordingApp : public CWinApp {
public:
    PromptRecordingApp() : CWinApp(L"Tools")
    {
        m_Window.CreateEx(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
        m_pMainWnd = &m_Window;
    }
    ~PromptRecordingApp() override
    {
        m_pMainWnd = nullptr;
        m_Window.DestroyWindow();
    }
    int DoMessageBox(LPCWSTR prompt, UINT, UINT) override
    {
        m_Prompts.push_back(prompt);
        return IDOK;
    }
    std::vector<CString> m_Prompts;

private:
    CWnd m_Window;
};

const COLORREF white = RGB(255, 255, 255);
}  // namespace

TEST(UserTools, NewToolsTakeTheLowestFreeIdOfTheRange)
{
    CGTUserToolsManager manager(32768, 32770);
    CGTUserTool* first = manager.CreateNewTool();
    CGTUserTool* second = manager.CreateNewTool();
    manager.CreateNewTool();
    EXPECT_EQ((std::vector<UINT>{32768, 32769, 32770}), Ids(manager));
    EXPECT_EQ(nullptr, manager.CreateNewTool());

    EXPECT_TRUE(manager.RemoveTool(second));
    EXPECT_FALSE(manager.RemoveTool(second));
    EXPECT_EQ(32769u, manager.CreateNewTool()->m_CommandId);
    EXPECT_EQ(nullptr, manager.CreateNewTool());
    EXPECT_EQ(first, manager.FindToolByCommand(32768));
    EXPECT_EQ(nullptr, manager.FindToolByCommand(32771));

    EXPECT_FALSE(manager.MoveToolUp(first));
    EXPECT_TRUE(manager.MoveToolDown(first));
    EXPECT_EQ((std::vector<UINT>{32770, 32768, 32769}), Ids(manager));
    EXPECT_TRUE(manager.MoveToolDown(first));
    EXPECT_FALSE(manager.MoveToolDown(first));
    EXPECT_TRUE(manager.MoveToolUp(first));
    EXPECT_EQ((std::vector<UINT>{32770, 32768, 32769}), Ids(manager));

    EXPECT_EQ(nullptr, CGTUserToolsManager(5, 4).CreateNewTool());
}

TEST(UserTools, TheNewestManagerIsCurrentWhileItLives)
{
    EXPECT_EQ(nullptr, CGTUserToolsManager::Current());
    {
        CGTUserToolsManager manager(32768, 32770);
        EXPECT_EQ(&manager, CGTUserToolsManager::Current());
    }
    EXPECT_EQ(nullptr, CGTUserToolsManager::Current());
}

TEST(UserTools, StoredToolsLoadInTheirOrderWithTheirIcons)
{
    ScratchRegistryKey scratch(L"GtUserTools");
    CGTUserToolsManager saved(32768, 32770);
    CGTUserTool* editor = saved.CreateNewTool();
    editor->m_Label = L"&Editor";
    editor->SetCommand(L"notepad.exe");
    editor->m_Arguments = L"notes.txt";
    editor->m_InitialDirectory = L"C:\\";
    CGTUserTool* missing = saved.CreateNewTool();
    missing->m_Label = L"Missing";
    missing->SetCommand(L"no-such-program.exe");
    saved.MoveToolUp(missing);
    ASSERT_TRUE(saved.SaveState(scratch.Path()));

    CGTUserToolsManager loaded(32768, 32770);
    loaded.CreateNewTool();
    ASSERT_TRUE(loaded.LoadState(scratch.Path()));
    const std::vector<CGTUserTool*> tools = Tools(loaded);
    ASSERT_EQ(2u, tools.size());
    EXPECT_STREQ(L"Missing", tools[0]->m_Label);
    EXPECT_STREQ(L"no-such-program.exe", tools[0]->GetCommand());
    EXPECT_EQ(32769u, tools[0]->m_CommandId);
    EXPECT_EQ(theGuiToolkitGlobals.iconUserToolDefault, tools[0]->GetIcon());
    EXPECT_NE(nullptr, theGuiToolkitGlobals.iconUserToolDefault);
    EXPECT_STREQ(L"&Editor", tools[1]->m_Label);
    EXPECT_STREQ(L"notepad.exe", tools[1]->GetCommand());
    EXPECT_STREQ(L"notes.txt", tools[1]->m_Arguments);
    EXPECT_STREQ(L"C:\\", tools[1]->m_InitialDirectory);
    EXPECT_EQ(32768u, tools[1]->m_CommandId);
    EXPECT_NE(nullptr, tools[1]->GetIcon());
    EXPECT_NE(theGuiToolkitGlobals.iconUserToolDefault, tools[1]->GetIcon());

    EXPECT_FALSE(loaded.LoadState(scratch.Path() + L"Elsewhere\\"));
    EXPECT_TRUE(loaded.GetTools().IsEmpty());

    CObList strangers;
    strangers.AddTail(new NotATool);
    CGTRegistry writer(FALSE, FALSE);
    ASSERT_TRUE(writer.CreateKey(scratch.Path() + L"Strangers"));
    ASSERT_TRUE(writer.WriteObList(L"Tools", strangers));
    delete strangers.RemoveHead();
    EXPECT_FALSE(loaded.LoadState(scratch.Path() + L"Strangers\\"));
    EXPECT_TRUE(loaded.GetTools().IsEmpty());
}

TEST(UserTools, ToolsRunThroughTheShell)
{
    CGTUserToolsManager manager(32768, 32770);
    CGTUserTool* tool = manager.CreateNewTool();
    EXPECT_FALSE(manager.InvokeToolByCommand(32768));
    tool->SetCommand(L"cmd.exe");
    tool->m_Arguments = L"/c exit";
    EXPECT_TRUE(manager.InvokeToolByCommand(32768));
    EXPECT_FALSE(manager.InvokeToolByCommand(32769));
}

TEST(UserTools, TheIconIsDrawnCentredAndCopiedOnTheButtonFace)
{
    PromptRecordingApp app;
    CGTUserTool tool;
    tool.SetCommand(L"no-such-program.exe");
    PixelSurface surface(30, 20);
    tool.DrawToolIcon(&surface.Dc(), CRect(0, 0, 30, 20));
    EXPECT_EQ(white, surface.At(7 + 8, 2 + 10));  // the default icon's white body
    EXPECT_EQ(RGB(1, 2, 3), surface.At(7 + 8, 1));

    ASSERT_TRUE(tool.CopyIconToClipboard());
    EXPECT_TRUE(app.m_Prompts.empty());
    ASSERT_TRUE(::OpenClipboard(nullptr));
    HBITMAP copied = static_cast<HBITMAP>(::GetClipboardData(CF_BITMAP));
    ASSERT_NE(nullptr, copied);
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ previous = ::SelectObject(dc, copied);  // no other DC holds the bitmap
    EXPECT_NE(nullptr, previous);
    EXPECT_EQ(white, ::GetPixel(dc, 8, 10));
    EXPECT_EQ(theGuiToolkitGlobals.colorBtnFace, ::GetPixel(dc, 0, 0));
    ::SelectObject(dc, previous);
    ::DeleteDC(dc);
    ::CloseClipboard();
}

TEST(UserTools, AnIconTheClipboardRefusesIsToldAndItsBitmapDeleted)
{
    PromptRecordingApp app;
    CGTUserTool tool;
    tool.SetCommand(L"no-such-program.exe");
    CWnd holder;
    ASSERT_TRUE(holder.CreateEx(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    ASSERT_TRUE(::OpenClipboard(holder.m_hWnd));  // another window has the clipboard open

    EXPECT_FALSE(tool.CopyIconToClipboard());
    EXPECT_EQ(std::vector<CString>{L"Can't copy bitmap image into the clipboard!"}, app.m_Prompts);
    HGDIOBJ drawnOn = nullptr;
    EXPECT_FALSE(CopyDrawingToClipboard(SIZE{16, 16}, [&drawnOn](CDC& dc) {
        drawnOn = ::GetCurrentObject(dc.GetSafeHdc(), OBJ_BITMAP);
        return TRUE;
    }));
    ASSERT_NE(nullptr, drawnOn);
    EXPECT_EQ(0u, ::GetObjectType(drawnOn));
    ::CloseClipboard();
    holder.DestroyWindow();
}
