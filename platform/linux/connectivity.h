// Connectivity from the kernel's routing table: connected when a usable default
// route leaves through an interface that is up and running.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "services.h"

namespace numora::online {

// The interface of a default route in /proc/net/route (`routeV4Text`) or
// /proc/net/ipv6_route (`routeV6Text`) that is up and not a reject route, on an
// interface in `upInterfaces` other than loopback; none when there is no such route.
std::optional<std::string> defaultRoute(std::string_view routeV4Text, std::string_view routeV6Text,
                                        const std::set<std::string, std::less<>>& upInterfaces);

class RouteConnectivity : public Connectivity {
public:
    // 1 with the default route's interface as the name, else 0 with an empty name.
    // Throws when the IPv4 routing table or the interfaces cannot be read.
    Connection query() override;
};

}  // namespace numora::online
