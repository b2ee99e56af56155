#include "ProcessInfoSender.h"

#include "ComResult.h"
#include "MonitorLog.h"
#include "ProcessFileInfo.h"

#include <csl/EComException.h>

#include <comutil.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

using TSafeArrayOwner = std::unique_ptr<SAFEARRAY, decltype(&SafeArrayDestroy)>;

// One-dimensional, lower bound 0, one element per byte.
TSafeArrayOwner ByteArray(const std::vector<BYTE>& iBytes)
{
    TSafeArrayOwner array(SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(iBytes.size())), SafeArrayDestroy);
    if (!array)
        ComErrorHandler(E_OUTOFMEMORY);
    if (!iBytes.empty()) {
        void* data = nullptr;
        CheckComResult(SafeArrayAccessData(array.get(), &data));
        std::memcpy(data, iBytes.data(), iBytes.size());
        SafeArrayUnaccessData(array.get());
    }
    return array;
}

const char* const functionName = "TZorvaneApplication::SendProcessInformation";

}  // namespace

HRESULT SendProcessInformation(IZorvane& iServer, const std::wstring& iName, const std::wstring& iPath)
{
    try {
        if (LogOn())
            DebugLog() << functionName << "( " << iName << " )\n";
        if (LogOn())
            DebugLog() << "Module \"" << iPath << "\"\n";
        std::wstring description;
        std::vector<BYTE> icon;
        ExtractProcessInfo(iPath, description, icon);
        TSafeArrayOwner array = ByteArray(icon);
        if (LogOn())
            DebugLog() << "Sending( \"" << iName << "\", \"" << description << "\", "
                       << static_cast<unsigned long>(icon.size()) << " bytes )\n";
        CheckComResult(
            iServer.SendProcessInformation(_bstr_t(iName.c_str()), _bstr_t(description.c_str()), array.get()));
        return S_OK;
    } catch (const std::exception& failure) {
        if (LogOn())
            DebugLog() << "(!) " << functionName << ": " << failure << "\n";
        auto com = dynamic_cast<const EComException*>(&failure);
        return com ? com->GetHResult() : E_FAIL;
    }
}
