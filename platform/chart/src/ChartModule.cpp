#include "ChartModule.h"

#include <atomic>

namespace ChartModule {
namespace {

HINSTANCE g_Instance = nullptr;
std::atomic<long> g_Objects{0};
std::atomic<long> g_Locks{0};

}  // namespace

HINSTANCE Instance()
{
    return g_Instance;
}

void SetInstance(HINSTANCE iInstance)
{
    g_Instance = iInstance;
}

void ObjectCreated()
{
    ++g_Objects;
}

void ObjectDestroyed()
{
    --g_Objects;
}

void Lock(bool iLock)
{
    if (iLock) {
        ++g_Locks;
    } else {
        --g_Locks;
    }
}

bool CanUnload()
{
    return g_Objects == 0 && g_Locks == 0;
}

}  // namespace ChartModule
