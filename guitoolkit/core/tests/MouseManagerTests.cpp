#include <guitoolkit/core/CGTMouseManager.h>
#include <gtest/gtest.h>
#include <vector>
#include "ScratchRegistryKey.h"

namespace {
std::vector<BYTE> Words(std::initializer_list<DWORD> iWords)
{
    std::vector<BYTE> bytes;
    for (DWORD word : iWords)
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<BYTE>(word >> shift));
    return bytes;
}

class MouseManager : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Manager.AddView(7, L"Report", 300));
        ASSERT_TRUE(m_Manager.AddView(8, L"Chart"));
    }

    ScratchRegistryKey m_Scratch{L"GtMouse"};
    CGTMouseManager m_Manager;
};
}  // namespace

TEST_F(MouseManager, ViewsAreFoundByNameAndId)
{
    EXPECT_EQ(&m_Manager, CGTMouseManager::Current());
    EXPECT_EQ(7, m_Manager.GetViewIdByName(L"Report"));
    EXPECT_EQ(-1, m_Manager.GetViewIdByName(L"Grid"));
    EXPECT_EQ(300u, m_Manager.GetViewIconId(7));
    EXPECT_EQ(0u, m_Manager.GetViewIconId(8));
    EXPECT_FALSE(m_Manager.AddView(9, L"Report"));
    EXPECT_FALSE(m_Manager.AddView(8, L"Grid"));
    CStringList names;
    names.AddTail(L"stale");
    m_Manager.GetViewNames(names);
    ASSERT_EQ(2, names.GetCount());
    EXPECT_TRUE(names.Find(L"Report") != nullptr && names.Find(L"Chart") != nullptr);
}

TEST_F(MouseManager, CommandZeroTakesTheViewsCommandAway)
{
    m_Manager.SetViewCommand(8, 0);
    EXPECT_EQ(0u, m_Manager.GetViewDblClickCommand(8));
    m_Manager.SetViewCommand(7, 100);
    m_Manager.SetViewCommand(7, 101);
    EXPECT_EQ(101u, m_Manager.GetViewDblClickCommand(7));
    m_Manager.SetViewCommand(7, 0);
    EXPECT_EQ(0u, m_Manager.GetViewDblClickCommand(7));
}

TEST_F(MouseManager, StoredBytesRoundTrip)
{
    m_Manager.SetViewCommand(7, 100);
    ASSERT_TRUE(m_Manager.SaveState(m_Scratch.Path()));
    EXPECT_EQ(Words({1, 7, 100}), m_Scratch.Bytes(L"", L"Mouse"));

    m_Manager.SetViewCommand(7, 0);
    m_Manager.SetViewCommand(8, 200);
    ASSERT_TRUE(m_Manager.LoadState(m_Scratch.Path()));
    EXPECT_EQ(100u, m_Manager.GetViewDblClickCommand(7));
    EXPECT_EQ(0u, m_Manager.GetViewDblClickCommand(8));
}

TEST_F(MouseManager, TwoPairsForOneViewKeepTheSecond)
{
    m_Scratch.StoreBinary(L"", L"Mouse", Words({2, 7, 100, 7, 101}));
    ASSERT_TRUE(m_Manager.LoadState(m_Scratch.Path()));
    EXPECT_EQ(101u, m_Manager.GetViewDblClickCommand(7));
}

TEST_F(MouseManager, AValueThatCannotBeReadKeepsTheAssignments)
{
    m_Manager.SetViewCommand(7, 100);
    EXPECT_FALSE(m_Manager.LoadState(m_Scratch.Path()));
    m_Scratch.StoreBinary(L"", L"Mouse", Words({2, 8, 200, 7}));
    EXPECT_FALSE(m_Manager.LoadState(m_Scratch.Path()));
    EXPECT_EQ(100u, m_Manager.GetViewDblClickCommand(7));
    EXPECT_EQ(0u, m_Manager.GetViewDblClickCommand(8));
}
