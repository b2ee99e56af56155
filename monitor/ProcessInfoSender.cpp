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
TSafeArrayOwner ByteArray(const std::vector<BYTE>& bytes)
{
    TSafeArrayOwner array(SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size())), SafeArrayDestroy);
    if (!array)
        ComErrorHandler(E_OUTOFMEMORY);
    if (!bytes.empty()) {
        void* data = nullptr;
        CheckComResult(SafeArrayAccessData(array.get(), &data));
        std::memcpy(data, bytes.data(), bytes.size());
        SafeArrayUnaccessData(array.get());
    }
    return array;
}

const char* const functionName = "TZorvaneApplication::SendProcessInformation";

}  // namespace

void SendProcessInformation(IZorvane& server, const std::wstring& name, const std::wstring& path)
{
    try {
        if (LogOn())
            DebugLog() << functionName << "( " << name << " )\n";
        if (LogOn())
            DebugLog() << "Module \"" << path << "\"\n";
        std::wstring description;
        std::vector<BYTE> icon;
        ExtractProcessInfo(path, description, icon);
        TSafeArrayOwner array = ByteArray(icon);
        if (LogOn())
            DebugLog() << "Sending( \"" << name << "\", \"" << description << "\", "
                       << static_cast<unsigned long>(icon.size()) << " bytes )\n";
        CheckComResult(server.SendProcessInformation(_bstr_t(name.c_str()), _bstr_t(description.c_str()), array.get()));
    } catch (const std::exception& failure) {
        if (LogOn())
            DebugLog() << "(!) " << functionName << ": " << failure << "\n";
    }
}
