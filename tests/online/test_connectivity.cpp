// The routing-table parser on tables as the kernel writes them.
#include <gtest/gtest.h>

#include "connectivity.h"

namespace numora::online {
namespace {

const std::string kV4Header =
    "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT                                                       \n";
const std::string kV4Default =
    "eth0\t00000000\t010200C0\t0003\t0\t0\t0\t00000000\t0\t0\t0                                                                               \n";
const std::string kV4Subnet =
    "eth0\t000200C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0                                                                               \n";
const std::string kV6Default =
    "00000000000000000000000000000000 00 00000000000000000000000000000000 00 fd000000000000000000000000000001 00000400 00000002 00000000 00000003     eth1\n";
const std::string kV6Local =
    "fd000000000000000000000000000000 40 00000000000000000000000000000000 00 00000000000000000000000000000000 00000100 00000001 00000000 00000001     eth1\n"
    "00000000000000000000000000000001 80 00000000000000000000000000000000 00 00000000000000000000000000000000 00000000 00000002 00000000 80200001       lo\n";
// The kernel's unreachable default on loopback, as every IPv6 table carries it.
const std::string kV6LoReject =
    "00000000000000000000000000000000 00 00000000000000000000000000000000 00 00000000000000000000000000000000 ffffffff 00000001 00000000 00200200       lo\n";

struct Case {
    const char* name;
    std::string v4, v6;
    std::set<std::string, std::less<>> up;
    const char* iface;  // nullptr: no usable default route
};

class Routes : public ::testing::TestWithParam<Case> {};

TEST_P(Routes, DefaultRouteOnARunningInterface)
{
    const Case& c = GetParam();
    EXPECT_EQ(defaultRoute(c.v4, c.v6, c.up), c.iface ? std::optional<std::string>(c.iface) : std::nullopt);
}

const std::set<std::string, std::less<>> kUp{"eth0", "eth1"};

INSTANTIATE_TEST_SUITE_P(
    Online, Routes,
    ::testing::Values(
        Case{"Ipv4Default", kV4Header + kV4Subnet + kV4Default, kV6LoReject, kUp, "eth0"},
        Case{"Ipv6Default", kV4Header + kV4Subnet, kV6Local + kV6Default + kV6LoReject, kUp, "eth1"},
        Case{"NoIpv6Table", kV4Header + kV4Default, "", kUp, "eth0"},
        Case{"OnlyLoopback", kV4Header, kV6Local.substr(kV6Local.find('\n') + 1) + kV6LoReject, {}, nullptr},
        Case{"LoopbackDefaultEvenIfListedUp", kV4Header + "lo\t00000000\t00000000\t0001\t0\t0\t0\t00000000\t0\t0\t0\n",
             "", {"lo"}, nullptr},
        Case{"RejectRoute", kV4Header + "eth0\t00000000\t00000000\t0201\t0\t0\t0\t00000000\t0\t0\t0\n",
             "00000000000000000000000000000000 00 00000000000000000000000000000000 00 "
             "00000000000000000000000000000000 00000400 00000001 00000000 00000201     eth1\n",
             kUp, nullptr},
        Case{"RouteNotUp", kV4Header + "eth0\t00000000\t010200C0\t0002\t0\t0\t0\t00000000\t0\t0\t0\n", "", kUp,
             nullptr},
        Case{"NoDefaultRoute", kV4Header + kV4Subnet, kV6Local + kV6LoReject, kUp, nullptr},
        Case{"HeaderIsNotARoute", kV4Default, "", kUp, nullptr},
        Case{"InterfaceDown", kV4Header + kV4Default, kV6Default, {"wlan0"}, nullptr},
        Case{"DownFirstThenUp", kV4Header + kV4Default, kV6Default, {"eth1"}, "eth1"},
        Case{"GarbledFlags", kV4Header + "eth0\t00000000\t010200C0\t00zz\t0\t0\t0\t00000000\t0\t0\t0\n", "", kUp,
             nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RouteReader, AnswersZeroOrOneOnThisMachine)
{
    const Connection c = RouteConnectivity().query();
    EXPECT_TRUE(c.state == 0 || c.state == 1);
    EXPECT_EQ(c.name.empty(), c.state == 0);
}

}  // namespace
}  // namespace numora::online
