#include "folders.h"

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "text.h"

namespace numora::platform {

std::string KnownFolders::documents()
{
    PWSTR raw = nullptr;
    const HRESULT result = SHGetKnownFolderPath(FOLDERID_Documents, KF_FLAG_DEFAULT, nullptr, &raw);
    // The buffer is the caller's to free, on failure too.
    const std::unique_ptr<wchar_t, decltype(&CoTaskMemFree)> owned(raw, &CoTaskMemFree);
    if (FAILED(result) || !raw || !*raw) throw std::runtime_error("no documents folder");
    std::wstring path(raw);
    while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        throw std::runtime_error("no documents folder");
    const auto narrow = toAnsiPath(path);
    if (!narrow) throw std::runtime_error("the documents folder's name has characters the code page lacks");
    return *narrow;
}

}  // namespace numora::platform
