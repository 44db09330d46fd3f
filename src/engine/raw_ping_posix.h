#pragma once
// The POSIX ICMP channel. An ICMP datagram socket needs no privilege where the system admits the
// user (net.ipv4.ping_group_range on Linux); a raw socket needs root or CAP_NET_RAW. The TCP
// probe and the advice for a process without ICMP sockets live beside it.
#include <memory>

#include "engine/raw_ping.h"

enum class TTipoSocketIcmp { Datagrama, Bruto };

// A channel over that kind of socket; nullptr when the system refuses the socket.
std::unique_ptr<TCanalIcmp> FAbreCanalIcmpPosix(TTipoSocketIcmp tipo);
