#include "TestObjects.h"

#include <AtlModule.h>
#include <ComClassFactorySingleton71.h>

#include <gtest/gtest.h>

namespace {

class ComObjectTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
        CAtlTestObject::constructions = 0;
        CAtlTestObject::releases = 0;
    }
    void TearDown() override { CoUninitialize(); }

    template <class T>
    IClassFactory* CreateFactory()
    {
        IUnknown* unknown = nullptr;
        EXPECT_EQ(S_OK, CComClassFactorySingleton71<T>::CreateClassObject(&unknown));
        IClassFactory* factory = nullptr;
        if (unknown) {
            EXPECT_EQ(S_OK, unknown->QueryInterface(IID_IClassFactory, reinterpret_cast<void**>(&factory)));
            unknown->Release();
        }
        return factory;
    }

    CAtlModule module;
};

TEST_F(ComObjectTest, InterfaceMapAnswersItsInterfacesWithOneIdentity)
{
    IClassFactory* factory = CreateFactory<CAtlTestObject>();
    ASSERT_NE(nullptr, factory);
    IAtlTest* test = nullptr;
    ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IAtlTest, reinterpret_cast<void**>(&test)));

    IUnknown* identity = nullptr;
    ASSERT_EQ(S_OK, test->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)));
    const IID* interfaces[] = {&IID_IAtlTest, &IID_IAtlTestItem, &IID_IDispatch, &IID_IUnknown};
    for (const IID* iid : interfaces) {
        IUnknown* itf = nullptr;
        ASSERT_EQ(S_OK, test->QueryInterface(*iid, reinterpret_cast<void**>(&itf)));
        IUnknown* back = nullptr;
        ASSERT_EQ(S_OK, itf->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&back)));
        EXPECT_EQ(identity, back);
        back->Release();
        itf->Release();
    }
    // IDispatch is the dual interface's own: it knows IAtlTest's names.
    IDispatch* dispatch = nullptr;
    ASSERT_EQ(S_OK, test->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)));
    EXPECT_EQ(static_cast<void*>(test), static_cast<void*>(dispatch));
    dispatch->Release();

    void* none = &none;
    EXPECT_EQ(E_NOINTERFACE, test->QueryInterface(IID_IClassFactory, &none));
    EXPECT_EQ(nullptr, none);
    EXPECT_EQ(E_POINTER, test->QueryInterface(IID_IAtlTest, nullptr));

    identity->Release();
    test->Release();
    factory->Release();
}

TEST_F(ComObjectTest, SingletonFactoryBuildsOneObjectUpFrontAndLocksTheModule)
{
    IClassFactory* factory = CreateFactory<CAtlTestObject>();
    ASSERT_NE(nullptr, factory);
    // The object exists before any client asked for it.
    EXPECT_EQ(1, CAtlTestObject::constructions);
    EXPECT_EQ(0, module.GetLockCount());

    IAtlTest* first = nullptr;
    IAtlTest* second = nullptr;
    ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IAtlTest, reinterpret_cast<void**>(&first)));
    ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IAtlTest, reinterpret_cast<void**>(&second)));
    EXPECT_EQ(first, second);
    EXPECT_EQ(1, CAtlTestObject::constructions);
    EXPECT_EQ(2, module.GetLockCount());
    first->Release();
    second->Release();
    EXPECT_EQ(0, module.GetLockCount());
    EXPECT_EQ(0, CAtlTestObject::releases);

    EXPECT_EQ(S_OK, factory->LockServer(TRUE));
    EXPECT_EQ(1, module.GetLockCount());
    EXPECT_EQ(S_OK, factory->LockServer(FALSE));
    EXPECT_EQ(0, module.GetLockCount());

    void* result = &result;
    IUnknown* outer = reinterpret_cast<IUnknown*>(factory);
    EXPECT_EQ(CLASS_E_NOAGGREGATION, factory->CreateInstance(outer, IID_IUnknown, &result));
    EXPECT_EQ(nullptr, result);
    EXPECT_EQ(E_POINTER, factory->CreateInstance(nullptr, IID_IUnknown, nullptr));
    result = &result;
    EXPECT_EQ(E_NOINTERFACE, factory->CreateInstance(nullptr, IID_IClassFactory, &result));
    EXPECT_EQ(nullptr, result);

    // The object goes with its class object.
    factory->Release();
    EXPECT_EQ(1, CAtlTestObject::releases);
}

TEST_F(ComObjectTest, SingletonFactoryHandsEveryClientTheFinalConstructFailure)
{
    IClassFactory* factory = CreateFactory<CAtlFailingObject>();
    ASSERT_NE(nullptr, factory);
    for (int client = 0; client < 2; ++client) {
        void* result = &result;
        EXPECT_EQ(E_ACCESSDENIED, factory->CreateInstance(nullptr, IID_IAtlTestItem, &result));
        EXPECT_EQ(nullptr, result);
    }
    EXPECT_EQ(0, module.GetLockCount());
    factory->Release();
}

TEST_F(ComObjectTest, ConstructorExceptionFailsTheClassObjectWithOutOfMemory)
{
    IUnknown* factory = reinterpret_cast<IUnknown*>(&factory);
    EXPECT_EQ(E_OUTOFMEMORY, CComClassFactorySingleton71<CAtlThrowingObject>::CreateClassObject(&factory));
    EXPECT_EQ(nullptr, factory);
}

}  // namespace
