// Start of OLE on a thread.
#include <afxole.h>
#include <gtest/gtest.h>
#include <thread>

TEST(OleStart, OleStartsOnAThreadOfItsOwnButNotInAThreadOfAnotherApartment)
{
    struct Seen {
        BOOL bInit, bInitAgain, bInitialized;
    };
    Seen plain = {}, multithreaded = {};
    std::thread([&] {
        plain = {AfxOleInit(), AfxOleInit(), AfxOleIsInitialized()};
        ::OleUninitialize();
    }).join();
    std::thread([&] {
        ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        multithreaded = {AfxOleInit(), AfxOleInit(), AfxOleIsInitialized()};
        ::CoUninitialize();
    }).join();
    EXPECT_TRUE(plain.bInit);
    EXPECT_TRUE(plain.bInitAgain);
    EXPECT_TRUE(plain.bInitialized);
    EXPECT_FALSE(multithreaded.bInit);
    EXPECT_FALSE(multithreaded.bInitAgain);
    EXPECT_FALSE(multithreaded.bInitialized);
    // Each thread answers for itself.
    std::thread([] { EXPECT_FALSE(AfxOleIsInitialized()); }).join();
}
