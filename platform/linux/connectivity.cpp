#include "connectivity.h"

#include <ifaddrs.h>
#include <net/if.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "online.h"

namespace numora::online {

namespace {

// Route flags from <linux/route.h>, the same in both tables.
constexpr unsigned long kRtfUp = 0x0001;
constexpr unsigned long kRtfReject = 0x0200;

// The whitespace-separated fields of each line of a table.
std::vector<std::vector<std::string_view>> rows(std::string_view text)
{
    std::vector<std::vector<std::string_view>> table(1);
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] == '\n') table.emplace_back();
        const std::size_t end = std::min(text.find_first_of(" \t\n", at), text.size());
        if (end > at) table.back().push_back(text.substr(at, end - at));
        at = std::max(end, at + 1);
    }
    return table;
}

bool usable(std::string_view flagsHex, std::string_view iface, const std::set<std::string, std::less<>>& up)
{
    unsigned long flags = 0;
    const auto [end, ec] = std::from_chars(flagsHex.data(), flagsHex.data() + flagsHex.size(), flags, 16);
    if (ec != std::errc() || end != flagsHex.data() + flagsHex.size()) return false;
    return (flags & kRtfUp) && !(flags & kRtfReject) && iface != "lo" && up.count(iface) != 0;
}

// The interfaces that are up and running, loopback left out.
std::set<std::string, std::less<>> runningInterfaces()
{
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) throw std::runtime_error(std::string("getifaddrs: ") + std::strerror(errno));
    std::set<std::string, std::less<>> names;
    constexpr unsigned wanted = IFF_UP | IFF_RUNNING;
    for (const ifaddrs* i = list; i; i = i->ifa_next)
        if ((i->ifa_flags & wanted) == wanted && !(i->ifa_flags & IFF_LOOPBACK)) names.insert(i->ifa_name);
    freeifaddrs(list);
    return names;
}

}  // namespace

std::optional<std::string> defaultRoute(std::string_view routeV4Text, std::string_view routeV6Text,
                                        const std::set<std::string, std::less<>>& up)
{
    // Iface Destination Gateway Flags RefCnt Use Metric Mask MTU Window IRTT, after a header line.
    const auto v4 = rows(routeV4Text);
    for (std::size_t i = 1; i < v4.size(); ++i)
        if (const auto& f = v4[i]; f.size() >= 8 && f[1] == "00000000" && f[7] == "00000000" && usable(f[3], f[0], up))
            return std::string(f[0]);
    // Destination, prefix length, source, source prefix length, next hop, metric,
    // reference count, use, flags, interface; no header line.
    for (const auto& f : rows(routeV6Text))
        if (f.size() >= 10 && f[0] == std::string_view("00000000000000000000000000000000") && f[1] == "00"
            && usable(f[8], f.back(), up))
            return std::string(f.back());
    return std::nullopt;
}

Connection RouteConnectivity::query()
{
    const auto v4 = readFile("/proc/net/route");
    if (!v4) throw std::runtime_error("cannot read /proc/net/route");
    // No IPv6 table when the kernel runs without IPv6.
    const auto route = defaultRoute(*v4, readFile("/proc/net/ipv6_route").value_or(""), runningInterfaces());
    return route ? Connection{1, *route} : Connection{0, {}};
}

}  // namespace numora::online
