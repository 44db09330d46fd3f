#pragma once
// ICMP echo: does a host answer? Used to skip a point of sale whose computer is off before the
// Firebird client blocks on a connect to it.
//
// One small interface, TCanalIcmp, carries the platform's means of sending one echo: a datagram or
// raw ICMP socket on POSIX systems (raw_ping_posix.cpp); an IcmpSendEcho implementation would sit
// beside it on Windows. Name resolution and Ping itself are shared.
#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

// An IPv4 address, four bytes in network order.
using TInAddr = std::array<std::uint8_t, 4>;

inline constexpr std::chrono::milliseconds kTempoLimitePing{1500};

// Resolves a host name or a dotted IPv4 address to its first IPv4 address. On failure the address
// is 0.0.0.0 and, when `motivo` is given, it receives "Error getting HostName" (no such host) or
// "Error getting IP from HostName" (the host has no IPv4 address); nothing is raised. A name that
// is not a valid host name (empty, too long, holding "/", "\", spaces...) fails without being
// looked up, so it never costs a query to a name server.
void TranslateStringToTInAddr(const std::string& host, TInAddr& endereco,
                              std::string* motivo = nullptr);

// The platform's way of sending one ICMP echo request.
class TCanalIcmp {
 public:
  virtual ~TCanalIcmp() = default;
  // Sends one echo request without payload to `destino` and waits up to `tempoLimite` for the
  // echo reply of that host to this very request. True when it arrived; its content is not
  // examined. Never raises.
  virtual bool FEnviaEco(const TInAddr& destino, std::chrono::milliseconds tempoLimite) = 0;
};

// Opens the platform's ICMP channel; nullptr when the system refuses one (no privilege).
std::unique_ptr<TCanalIcmp> FAbreCanalIcmp();

// One echo to `host` with the 1500 ms limit: true when the host answered. A host that cannot be
// resolved, or resolves to 0.0.0.0, is not sent anything and counts as not answering.
bool Ping(const std::string& host);
