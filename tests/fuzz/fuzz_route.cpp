// The routing-table parser on arbitrary text. The input is the IPv4 table, a NUL,
// the IPv6 table, a NUL, and the names of the interfaces that are up.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

#include "connectivity.h"

using numora::online::hasDefaultRoute;

namespace {

std::string_view part(std::string_view& rest)
{
    const std::size_t end = rest.find('\0');
    const std::string_view p = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    return p;
}

void require(bool ok)
{
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const std::string v4(part(rest));
    const std::string v6(part(rest));
    std::set<std::string> up;
    std::istringstream names{std::string(rest)};
    for (std::string n; names >> n;) up.insert(n);

    const std::string untouched = "\x01untouched";
    std::string iface = untouched;
    const bool found = hasDefaultRoute(v4, v6, up, iface);

    // Fewer interfaces up never find a route that more did not, and keep the
    // one found while its interface stays up.
    for (const auto& n : up) {
        if (n == iface) continue;
        std::set<std::string> fewer = up;
        fewer.erase(n);
        std::string still = untouched;
        require(hasDefaultRoute(v4, v6, fewer, still) == found && still == iface);
        break;
    }
    if (!found) {
        require(iface == untouched);
        return 0;
    }
    // A route leaves through an interface that is up, never loopback, named in a table.
    require(up.count(iface) == 1 && iface != "lo");
    require(v4.find(iface) != std::string::npos || v6.find(iface) != std::string::npos);

    // What the IPv4 table finds, it finds whatever the IPv6 table says.
    std::string v4Only;
    if (hasDefaultRoute(v4, "", up, v4Only)) require(v4Only == iface);
    return 0;
}
