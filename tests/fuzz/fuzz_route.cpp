// The routing-table parser on arbitrary text. The input is the IPv4 table, a NUL,
// the IPv6 table, a NUL, and the names of the interfaces that are up.
#include <cstddef>
#include <cstdint>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

#include "connectivity.h"
#include "require.h"

using numora::online::defaultRoute;
using Names = std::set<std::string, std::less<>>;

namespace {

std::string_view part(std::string_view& rest)
{
    const std::size_t end = rest.find('\0');
    const std::string_view p = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    return p;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const std::string v4(part(rest));
    const std::string v6(part(rest));
    Names up;
    std::istringstream names{std::string(rest)};
    for (std::string n; names >> n;) up.insert(n);

    const auto iface = defaultRoute(v4, v6, up);

    // Fewer interfaces up never find a route that more did not, and keep the
    // one found while its interface stays up.
    for (const auto& n : up) {
        if (n == iface) continue;
        Names fewer = up;
        fewer.erase(n);
        require(defaultRoute(v4, v6, fewer) == iface);
        break;
    }
    if (!iface) return 0;
    // A route leaves through an interface that is up, never loopback, named in a table.
    require(up.count(*iface) == 1 && *iface != "lo");
    require(v4.find(*iface) != std::string::npos || v6.find(*iface) != std::string::npos);

    // What the IPv4 table finds, it finds whatever the IPv6 table says.
    if (const auto v4Only = defaultRoute(v4, "", up)) require(v4Only == iface);
    return 0;
}
