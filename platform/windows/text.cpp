#include "text.h"

#include <windows.h>

#include <climits>

namespace numora::platform {

namespace {

int narrowLength(std::size_t n) { return n > INT_MAX ? -1 : static_cast<int>(n); }

}  // namespace

std::string toUtf8(std::wstring_view text)
{
    const int n = narrowLength(text.size());
    if (n <= 0) return {};
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), n, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return {};
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), n, out.data(), bytes, nullptr, nullptr);
    return out;
}

std::optional<std::string> toAnsiPath(std::wstring_view path)
{
    const int n = narrowLength(path.size());
    if (n < 0) return std::nullopt;
    if (n == 0) return std::string();
    // UTF-8 takes no "default character" arguments; any other code page says
    // whether it had to substitute one.
    const bool utf8 = GetACP() == CP_UTF8;
    BOOL substituted = FALSE;
    BOOL* lossy = utf8 ? nullptr : &substituted;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    const int bytes = WideCharToMultiByte(CP_ACP, flags, path.data(), n, nullptr, 0, nullptr, lossy);
    if (bytes <= 0 || substituted) return std::nullopt;
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, flags, path.data(), n, out.data(), bytes, nullptr, lossy);
    if (substituted) return std::nullopt;
    return out;
}

std::optional<std::wstring> fromAnsiPath(std::string_view path)
{
    const int n = narrowLength(path.size());
    if (n < 0) return std::nullopt;
    if (n == 0) return std::wstring();
    const int chars = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, path.data(), n, nullptr, 0);
    if (chars <= 0) return std::nullopt;
    std::wstring out(static_cast<std::size_t>(chars), L'\0');
    MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, path.data(), n, out.data(), chars);
    return out;
}

}  // namespace numora::platform
