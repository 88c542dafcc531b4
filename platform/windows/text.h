// Text between Windows' UTF-16 and the narrow strings the rest of the program
// keeps (UTF-8 for text; file names in the process's ANSI code page, which the
// manifest makes UTF-8, so that fopen and remove open what was named).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace numora::platform {

std::string toUtf8(std::wstring_view text);
// None when `path` has a character the ANSI code page cannot write: a file
// name is never replaced by a near miss.
std::optional<std::string> toAnsiPath(std::wstring_view path);
// A file name the narrow C runtime was given, as Windows' wide calls take it;
// none when it is not valid in the ANSI code page.
std::optional<std::wstring> fromAnsiPath(std::string_view path);

}  // namespace numora::platform
