// The DLL's own entry points: registration in the registry view of its target, the class
// object and the unload check.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>

#include "ChartClass.h"
#include "ChartTestSupport.h"

namespace {

#ifdef _WIN64
constexpr REGSAM kOwnView = KEY_WOW64_64KEY;
constexpr REGSAM kOtherView = KEY_WOW64_32KEY;
#else
constexpr REGSAM kOwnView = KEY_WOW64_32KEY;
constexpr REGSAM kOtherView = KEY_WOW64_64KEY;
#endif

// A 64-bit process always has the other view; a 32-bit one only on 64-bit Windows, where it
// runs under WOW64. On 32-bit Windows there is one view, which either flag opens.
bool HasOtherView()
{
#ifdef _WIN64
    return true;
#else
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
#endif
}

std::wstring ClassKey(const wchar_t* iSubkey = L"")
{
    wchar_t text[40];
    StringFromGUID2(CLSID_Chart, text, 40);
    return std::wstring(L"CLSID\\") + text + iSubkey;
}

// A value of a key under HKCR in one registry view; "(missing)" when there is none.
std::wstring Value(REGSAM iView, const std::wstring& iKey, const wchar_t* iName = nullptr)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, iKey.c_str(), 0, KEY_READ | iView, &key) != ERROR_SUCCESS)
        return L"(missing)";
    wchar_t text[MAX_PATH] = L"";
    DWORD size = sizeof(text);
    const LONG status = RegGetValueW(key, nullptr, iName, RRF_RT_REG_SZ, nullptr, text, &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? text : L"(no value)";
}

std::wstring Normalised(std::wstring iPath)
{
    std::replace(iPath.begin(), iPath.end(), L'/', L'\\');
    std::transform(iPath.begin(), iPath.end(), iPath.begin(), [](wchar_t c) { return std::towlower(c); });
    return iPath;
}

TEST(ChartRegistration, RegistersInItsOwnViewAndUnregistersThroughItsOwnEntries)
{
    EXPECT_EQ(Normalised(L"" CHART_DLL), Normalised(Value(kOwnView, ClassKey(L"\\InprocServer32"))));
    EXPECT_EQ(L"Apartment", Value(kOwnView, ClassKey(L"\\InprocServer32"), L"ThreadingModel"));
    EXPECT_EQ(kChartProgId, Value(kOwnView, ClassKey(L"\\ProgID")));
    if (HasOtherView()) {
        EXPECT_EQ(L"(missing)", Value(kOtherView, ClassKey()));
    }
    for (const wchar_t* progId : {kChartProgId, kChartIndependentProgId}) {
        CLSID classId{};
        EXPECT_EQ(S_OK, CLSIDFromProgID(progId, &classId));
        EXPECT_TRUE(IsEqualCLSID(CLSID_Chart, classId));
    }

    ASSERT_EQ(S_OK, CallDllEntry("DllUnregisterServer"));
    EXPECT_EQ(L"(missing)", Value(kOwnView, ClassKey()));
    CLSID classId{};
    EXPECT_TRUE(FAILED(CLSIDFromProgID(kChartIndependentProgId, &classId)));
    ComPtr<IUnknown> control;
    EXPECT_EQ(REGDB_E_CLASSNOTREG,
              CoCreateInstance(CLSID_Chart, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&control)));
    // Removing what is not there is no failure.
    EXPECT_EQ(S_OK, CallDllEntry("DllUnregisterServer"));

    ASSERT_EQ(S_OK, CallDllEntry("DllRegisterServer"));
    EXPECT_EQ(S_OK, CoCreateInstance(CLSID_Chart, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&control)));
}

TEST(ChartRegistration, ClassObjectServesOnlyTheChartWithoutAggregation)
{
    auto getClassObject =
        reinterpret_cast<HRESULT(WINAPI*)(REFCLSID, REFIID, void**)>(GetProcAddress(ChartDll(), "DllGetClassObject"));
    ASSERT_NE(nullptr, getClassObject);
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, getClassObject(IID_IUnknown, IID_PPV_ARGS(&factory)));
    ASSERT_EQ(S_OK, getClassObject(CLSID_Chart, IID_PPV_ARGS(&factory)));
    ComPtr<IUnknown> outer;
    ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_PPV_ARGS(&outer)));
    ComPtr<IUnknown> inner;
    EXPECT_EQ(CLASS_E_NOAGGREGATION, factory->CreateInstance(outer.Get(), IID_PPV_ARGS(&inner)));
    EXPECT_EQ(E_NOINTERFACE, factory->CreateInstance(nullptr, IID_IClassFactory, &inner));
    EXPECT_FALSE(inner);
}

}  // namespace
