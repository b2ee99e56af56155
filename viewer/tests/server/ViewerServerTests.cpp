// The document against the real server, activated on this computer by name as the viewer
// does it, on a small database the test fills through IZorvane.
#include "../IconFiles.h"
#include "../ViewerTestSupport.h"

#include <E2eSupport.h>
#include <ViewerResources.h>
#include <ViewerSettings.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

const DATE kNoon2024 = 45292.5;

class ViewerServerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))); }
    void TearDown() override { CoUninitialize(); }
};

void Report(IZorvane* iServer, const wchar_t* iComputer, const wchar_t* iUser, const wchar_t* iProcess)
{
    long needMore = 0;
    EXPECT_EQ(S_OK,
              iServer->ReportActivity(kNoon2024, e2e::TText(iComputer), e2e::TText(iUser), e2e::TText(iProcess), 60000,
                                      10, 20, e2e::TText(L"Letter"), &needMore));
}

TEST_F(ViewerServerTest, TheTreesShowWhatTheServerStored)
{
    e2e::TInstalledSystem system(3600, GetProgramDirectory() + L"viewer_server.db");
    ASSERT_TRUE(system.Start(e2e::kServerService));
    {
        ComPtr<IZorvane> server = e2e::ConnectServer();
        ASSERT_TRUE(server);
        Report(server.Get(), L"ws-1", L"VM\\alice", L"winword.exe");
        Report(server.Get(), L"ws-2", L"VM\\alice", L"winword.exe");
        Report(server.Get(), L"ws-1", L"VM\\bob", L"calc.exe");
        const std::vector<BYTE> icon = IconFile({Image(16, 8, RGB(255, 0, 0)), Image(32, 8, RGB(255, 0, 0))});
        SAFEARRAY* bytes = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(icon.size()));
        std::memcpy(bytes->pvData, icon.data(), icon.size());
        EXPECT_EQ(S_OK, server->SendProcessInformation(e2e::TText(L"winword.exe"), e2e::TText(L"Word"), bytes));
        SafeArrayDestroy(bytes);
    }

    CViewerTestApp app;
    CTreesFrame* frame = new CTreesFrame;
    app.m_pMainWnd = frame;
    CZVViewerDoc* document = new CZVViewerDoc;
    frame->document = document;
    app.HoldDocument(document);
    WriteServerName(L"localhost");
    document->ConnectToServer();
    for (const auto& box : app.boxes)
        ADD_FAILURE() << std::string(box.text.begin(), box.text.end());
    ASSERT_NE(nullptr, document->GetServer());

    using Texts = std::vector<std::wstring>;
    CTreeCtrl& users = *frame->GetViewerTree(ViewerTree::Users);
    CTreeCtrl& programs = *frame->GetViewerTree(ViewerTree::Applications);
    EXPECT_EQ((Texts{L"VM\\alice", L"VM\\bob"}), ItemTexts(users));
    EXPECT_EQ((Texts{L"ws-1", L"ws-2"}), ItemTexts(*frame->GetViewerTree(ViewerTree::Computers)));
    EXPECT_EQ((Texts{L"calc.exe", L"Word"}), ItemTexts(programs));
    e2e::TDatabase database(system.Database());
    EXPECT_EQ(database.Number(L"SELECT COUNT(*) FROM ProcessInfo"), programs.GetCount());

    const HTREEITEM alice = users.GetRootItem();
    ASSERT_TRUE(document->LoadUserComputers(alice));
    EXPECT_EQ((Texts{L"ws-1", L"ws-2"}), ItemTexts(users, alice));
    const HTREEITEM word = programs.GetNextSiblingItem(programs.GetRootItem());
    int image = -1, selected = -1;
    programs.GetItemImage(word, image, selected);
    EXPECT_NE(document->GetSmallIconIndex(IDI_PROGRAM), image);

    frame->ClearTrees();
    delete document;
    frame->DestroyWindow();
}

}  // namespace
