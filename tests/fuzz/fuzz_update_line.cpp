// The update file's first line and its comparison with this version's key, on
// arbitrary server replies.
#include <cstddef>
#include <cstdint>
#include <string>

#include "online.h"
#include "require.h"

using numora::online::firstLine;
using numora::online::ordersAfter;
using numora::online::versionKey;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string key = versionKey(2, 1, 2);
    require(key == "212");
    const std::string text(reinterpret_cast<const char*>(data), size);

    const auto first = firstLine(text);
    require(first.has_value() == !text.empty());  // only an empty reply has no line
    if (!first) return 0;
    const std::string& line = *first;
    // The line is the reply up to its first line break, which it never contains.
    require(line.find_first_of("\r\n") == std::string::npos);
    require(text.compare(0, line.size(), line) == 0);
    require(line.size() == text.size() || text[line.size()] == '\r' || text[line.size()] == '\n');

    // std::string orders by unsigned bytes, as the comparison must.
    require(ordersAfter(line, key) == (line > key));
    // Against any other key from the reply, the order is strict one way or the other.
    const std::string rest = text.substr(line.size());
    const bool after = ordersAfter(line, rest), before = ordersAfter(rest, line);
    require(after == (line > rest) && before == (rest > line) && !(after && before));
    return 0;
}
