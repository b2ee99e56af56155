#include "TestObjects.h"

#include <AtlServiceModule.h>
#include <ObjectMap.h>

#include <gtest/gtest.h>

namespace {

BEGIN_OBJECT_MAP(ObjectMap)
    OBJECT_ENTRY(CLSID_AtlTest, CAtlTestObject)
END_OBJECT_MAP()

const GUID APPID_None = {};

// The module of a local server, run in the test's own process.
class CTestServiceModule : public CAtlServiceModule {
public:
    CTestServiceModule() : CAtlServiceModule(100) { m_Pause = 0; }

protected:
    const GUID& GetAppId() const override { return APPID_None; }
    const wchar_t* GetAppIdName() const override { return L"AtlTestServer"; }
    const _ATL_OBJMAP_ENTRY* GetObjectMap() const override { return ObjectMap; }
    const wchar_t* GetServiceAccount() const override { return nullptr; }
};

class ServiceModuleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
        CAtlTestObject::releases = 0;
    }
    void TearDown() override { CoUninitialize(); }
};

// A client killed in the middle of an activation never gives its reference to the class object
// back (Wine keeps it for good). The module's objects end with the module all the same: a
// service's object ends what it started (the user service's, its monitors) before the service
// reports itself stopped.
TEST_F(ServiceModuleTest, ItsObjectsEndWithItThoughAClientNeverGaveBackTheClassObject)
{
    CTestServiceModule module;
    ASSERT_EQ(S_OK, module.PreMessageLoop());
    IClassFactory* factory = nullptr;
    ASSERT_EQ(S_OK,
              CoGetClassObject(CLSID_AtlTest, CLSCTX_LOCAL_SERVER, nullptr, IID_IClassFactory,
                               reinterpret_cast<void**>(&factory)));
    IStream* stream = nullptr;
    ASSERT_EQ(S_OK, CreateStreamOnHGlobal(nullptr, TRUE, &stream));
    // Handed to a client that never unmarshals or releases it.
    ASSERT_EQ(S_OK, CoMarshalInterface(stream, IID_IClassFactory, factory, MSHCTX_LOCAL, nullptr, MSHLFLAGS_NORMAL));
    stream->Release();
    factory->Release();

    module.PostMessageLoop();
    EXPECT_EQ(1, CAtlTestObject::releases);
}

}  // namespace
