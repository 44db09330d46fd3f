#pragma once
// ICMP echo: does a host answer? Used to skip a point of sale whose computer is off before the
// Firebird client blocks on a connect to it.
//
// One small interface, TCanalIcmp, carries the platform's means of sending one echo: a datagram or
// raw ICMP socket on POSIX systems (raw_ping_posix.cpp); an IcmpSendEcho implementation would sit
// beside it on Windows. Name resolution, Ping and the TCP probe are shared.
//
// A process that may open no ICMP socket at all (an ordinary user where the system admits ICMP
// datagram sockets to nobody) still has to tell a computer that is off from one that is on:
// FHostResponde then asks the database port instead, by a TCP connection within the same limit.
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

// Firebird's own port, where a path names none.
inline constexpr const char* kPortaFirebird = "3050";

// "servidor/3051" (a host as a database path "servidor/3051:C:\base.fdb" names it) split into
// the host, "servidor", and the port or service name, "3051"; without "/" the port is
// kPortaFirebird.
struct THostPorta {
  std::string host;
  std::string porta;
};
THostPorta FSeparaPorta(const std::string& hostComPorta);

// The TCP port number of a port as a path names it: digits (1 to 65535) or a service name known
// to this machine (gds_db); 0 when it is neither. Never asks the network.
std::uint16_t FNumeroPorta(const std::string& porta);

// Opens a TCP connection to `destino`:`porta` and closes it again at once. True when the host
// answered within `tempoLimite`, by accepting the connection or by refusing it (then it is on, and
// the database open that follows reports what is wrong with its server); false when nothing
// answered in time or the network says the host cannot be reached. Never raises.
bool FSondaTcp(const TInAddr& destino, std::uint16_t porta, std::chrono::milliseconds tempoLimite);

// Whether the computer of a database answers, given its host as FRetornaHost gives it ("servidor"
// or "servidor/3051"): one ICMP echo to the host alone, with the 1500 ms limit. Where this process
// can open no ICMP socket, a TCP connection to the database port (FSondaTcp) within the same limit
// decides instead; the first time that happens the activity log says why and what would let the
// echo be used. A host that cannot be resolved is not contacted and does not answer.
bool FHostResponde(const std::string& hostComPorta);

// The means FHostResponde uses to open its ICMP channel: FAbreCanalIcmp unless another one is set
// (tests set one that refuses, as a system without ICMP sockets for the user does); nullptr
// restores FAbreCanalIcmp.
using TAberturaCanalIcmp = std::unique_ptr<TCanalIcmp> (*)();
void PDefineAberturaCanalIcmp(TAberturaCanalIcmp abertura);

// What lets this process open an ICMP socket, for a person to act on (the platform's wording).
std::string FComoPermitirIcmp();
