#include "ProcessFileInfo.h"

#include "FileDescription.h"
#include "IconFileImage.h"

#include <memory>
#include <type_traits>

void ExtractProcessInfo(const std::wstring& iPath, std::wstring& oDescription, std::vector<BYTE>& oIcon)
{
    HMODULE loaded = LoadLibraryExW(iPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!loaded)
        return;
    std::unique_ptr<std::remove_pointer_t<HMODULE>, decltype(&FreeLibrary)> module(loaded, FreeLibrary);
    oIcon = BuildIconFileImage(module.get());
    ReadFileDescription(iPath, oDescription);
}
