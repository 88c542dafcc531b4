#include "online.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace numora::online {

std::string versionKey(int major, int minor, int revision)
{
    return std::to_string(major) + std::to_string(minor) + std::to_string(revision);
}

bool ordersAfter(const std::string& line, const std::string& key)
{
    // Bytes compare as unsigned, so a byte above 127 orders after every ASCII one.
    const auto byteLess = [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); };
    return std::lexicographical_compare(key.begin(), key.end(), line.begin(), line.end(), byteLess);
}

std::optional<std::string> firstLine(const std::string& text)
{
    if (text.empty()) return std::nullopt;
    return text.substr(0, text.find_first_of("\r\n"));
}

std::optional<std::string> readFile(const char* path)
{
    // Read to the end: /proc files report no size.
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path, "rb"), &std::fclose);
    if (!f) return std::nullopt;
    std::string text;
    char buf[4096];
    while (const std::size_t n = std::fread(buf, 1, sizeof buf, f.get())) text.append(buf, n);
    if (std::ferror(f.get())) return std::nullopt;
    return text;
}

}  // namespace numora::online
