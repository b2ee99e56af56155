#include <csl/DailyLog.h>
#include <csl/CRegistryConfig.h>
#include <csl/TDebugStream.h>
#include <csl/TStreamWriter.h>
#include <csl/ValueConversions.h>

#include <ctime>

namespace {

void AddDailyWriter(TDebugStream& ioLog, const std::wstring& iDirectory, const wchar_t* iNamePattern)
{
    const std::wstring folder = iDirectory + L"Logs\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    const time_t now = time(nullptr);
    tm local;
    localtime_s(&local, &now);
    wchar_t name[MAX_PATH];
    if (wcsftime(name, MAX_PATH, iNamePattern, &local))
        ioLog.AddWriter(new TPermanentFileWriter(folder + name));
}

}  // namespace

void ConfigureDailyLog(CRegistryConfig& iConfig, TDebugStream& ioLog, const std::wstring& iDirectory,
                       const wchar_t* iNamePattern)
{
    if (iConfig.GetBool(L"MakeDebugLog", false)) {
        AddDailyWriter(ioLog, iDirectory, iNamePattern);
        const _value_t categories = iConfig.Get(L"DebugLogCategory");
        if (categories.IsEmpty())
            ioLog.SetCategories(TDebugStream::kDefaultCategories);
        else
            ioLog.SetCategoryLetters(ValueToText(categories));
    } else {
        ioLog.RemoveAllWriters();
    }
    ioLog.StampLines = true;
}
