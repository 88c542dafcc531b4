#include "connectivity.h"

#include <ifaddrs.h>
#include <net/if.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace numora::online {

namespace {

// Route flags from <linux/route.h>, the same in both tables.
constexpr unsigned long kRtfUp = 0x0001;
constexpr unsigned long kRtfReject = 0x0200;

std::vector<std::string> fields(const std::string& line)
{
    std::istringstream in(line);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

bool usable(std::string_view flagsHex, const std::string& iface, const std::set<std::string>& up)
{
    unsigned long flags = 0;
    const auto [end, ec] = std::from_chars(flagsHex.data(), flagsHex.data() + flagsHex.size(), flags, 16);
    if (ec != std::errc() || end != flagsHex.data() + flagsHex.size())
        return false;
    return (flags & kRtfUp) && !(flags & kRtfReject) && iface != "lo" && up.count(iface) != 0;
}

// Iface Destination Gateway Flags RefCnt Use Metric Mask MTU Window IRTT, after a header line.
bool scanV4(const std::string& text, const std::set<std::string>& up, std::string& ifaceOut)
{
    std::istringstream in(text);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        const auto f = fields(line);
        if (f.size() >= 8 && f[1] == "00000000" && f[7] == "00000000" && usable(f[3], f[0], up)) {
            ifaceOut = f[0];
            return true;
        }
    }
    return false;
}

// Destination, prefix length, source, source prefix length, next hop, metric,
// reference count, use, flags, interface; no header line.
bool scanV6(const std::string& text, const std::set<std::string>& up, std::string& ifaceOut)
{
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        const auto f = fields(line);
        if (f.size() >= 10 && f[0] == std::string(32, '0') && f[1] == "00" && usable(f[8], f.back(), up)) {
            ifaceOut = f.back();
            return true;
        }
    }
    return false;
}

std::string readProcFile(const char* path, bool required)
{
    std::ifstream in(path);
    if (!in) {
        if (required)
            throw std::runtime_error(std::string("cannot read ") + path);
        return {};  // no IPv6 table when the kernel runs without IPv6
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The interfaces that are up and running, loopback left out.
std::set<std::string> runningInterfaces()
{
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        throw std::runtime_error(std::string("getifaddrs: ") + std::strerror(errno));
    std::set<std::string> names;
    constexpr unsigned wanted = IFF_UP | IFF_RUNNING;
    for (const ifaddrs* i = list; i; i = i->ifa_next) {
        if ((i->ifa_flags & wanted) == wanted && !(i->ifa_flags & IFF_LOOPBACK))
            names.insert(i->ifa_name);
    }
    freeifaddrs(list);
    return names;
}

}  // namespace

bool hasDefaultRoute(const std::string& routeV4Text, const std::string& routeV6Text,
                     const std::set<std::string>& upInterfaces, std::string& ifaceOut)
{
    return scanV4(routeV4Text, upInterfaces, ifaceOut) || scanV6(routeV6Text, upInterfaces, ifaceOut);
}

int RouteConnectivity::query(std::string& name)
{
    const std::string v4 = readProcFile("/proc/net/route", true);
    const std::string v6 = readProcFile("/proc/net/ipv6_route", false);
    std::string iface;
    const bool connected = hasDefaultRoute(v4, v6, runningInterfaces(), iface);
    name = connected ? iface : std::string();
    return connected ? 1 : 0;
}

}  // namespace numora::online
