#include "ProcessFileInfo.h"

#include "FileDescription.h"
#include "IconFileImage.h"

#include <memory>
#include <type_traits>

void ExtractProcessInfo(const std::wstring& path, std::wstring& description, std::vector<BYTE>& icon)
{
    HMODULE loaded = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!loaded)
        return;
    std::unique_ptr<std::remove_pointer_t<HMODULE>, decltype(&FreeLibrary)> module(loaded, FreeLibrary);
    icon = BuildIconFileImage(module.get());
    ReadFileDescription(path, description);
}
