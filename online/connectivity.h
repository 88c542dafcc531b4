// Connectivity from the kernel's routing table: connected when a usable default
// route leaves through an interface that is up and running.
#pragma once

#include <set>
#include <string>

#include "services.h"

namespace numora::online {

// True when /proc/net/route (`routeV4Text`) or /proc/net/ipv6_route (`routeV6Text`)
// holds a default route that is up and not a reject route, on an interface in
// `upInterfaces` other than loopback; `ifaceOut` then names that interface.
bool hasDefaultRoute(const std::string& routeV4Text, const std::string& routeV6Text,
                     const std::set<std::string>& upInterfaces, std::string& ifaceOut);

class RouteConnectivity : public Connectivity {
public:
    // 1 with the default route's interface as the name, else 0 with an empty name.
    // Throws when the IPv4 routing table cannot be read.
    int query(std::string& name) override;
};

}  // namespace numora::online
