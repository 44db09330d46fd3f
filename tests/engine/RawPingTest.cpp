#include <gtest/gtest.h>

#include <string>

#include "engine/raw_ping.h"
#include "engine/raw_ping_posix.h"

namespace {

const TInAddr kNenhum{0, 0, 0, 0};
const TInAddr kLoopback{127, 0, 0, 1};

TEST(TranslateStringToTInAddr, ResolvesDottedAddressesAndLocalNames) {
  TInAddr endereco{};
  std::string motivo = "anterior";
  TranslateStringToTInAddr("127.0.0.1", endereco, &motivo);
  EXPECT_EQ(endereco, kLoopback);
  EXPECT_EQ(motivo, "");
  TranslateStringToTInAddr("198.51.100.7", endereco);
  EXPECT_EQ(endereco, (TInAddr{198, 51, 100, 7}));
  TranslateStringToTInAddr("localhost", endereco);
  EXPECT_EQ(endereco, kLoopback);
}

// None of these is a host name, so none is looked up: no query leaves the machine.
TEST(TranslateStringToTInAddr, BadNamesGiveTheNullAddressAndTheReason) {
  const std::string nomes[] = {"",
                               "host/3050",
                               "\\\\servidor",
                               "dois nomes",
                               "servidor..loja",
                               ".",
                               std::string(64, 'a') + ".loja",
                               std::string(300, 'a'),
                               std::string("127.0.0.1\0lixo", 14),
                               "cai\xc3\xa7xa"};
  for (const std::string& nome : nomes) {
    TInAddr endereco = kLoopback;
    std::string motivo;
    TranslateStringToTInAddr(nome, endereco, &motivo);
    EXPECT_EQ(endereco, kNenhum) << nome;
    EXPECT_EQ(motivo, "Error getting HostName") << nome;
  }
}

TEST(Ping, LoopbackAnswersByAddressAndByName) {
  EXPECT_TRUE(Ping("127.0.0.1"));
  EXPECT_TRUE(Ping("localhost"));
}

// An echo sent to 0.0.0.0 would be answered by this very machine: an unresolved host (which
// resolves to 0.0.0.0) must not count as reachable.
TEST(Ping, UnresolvedHostsAreUnreachableWithoutSendingAnything) {
  EXPECT_FALSE(Ping("0.0.0.0"));
  EXPECT_FALSE(Ping("host/3050"));
  EXPECT_FALSE(Ping(""));
  EXPECT_FALSE(Ping(std::string(5000, 'x')));
}

// A TEST-NET address: one echo goes out, nothing answers within the limit.
TEST(Ping, SilentHostIsUnreachable) { EXPECT_FALSE(Ping("198.51.100.1")); }

TEST(CanalIcmpPosix, RawSocketGetsTheReplyToItsOwnRequest) {
  auto canal = FAbreCanalIcmpPosix(TTipoSocketIcmp::Bruto);
  if (!canal) GTEST_SKIP() << "raw ICMP sockets need root or CAP_NET_RAW";
  // Several requests in a row: each waits for the reply to itself, not to the one before.
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(canal->FEnviaEco(kLoopback, kTempoLimitePing));
}

TEST(CanalIcmpPosix, DatagramSocketGetsTheReplyToItsOwnRequest) {
  auto canal = FAbreCanalIcmpPosix(TTipoSocketIcmp::Datagrama);
  if (!canal) GTEST_SKIP() << "ICMP datagram sockets not admitted (net.ipv4.ping_group_range)";
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(canal->FEnviaEco(kLoopback, kTempoLimitePing));
}

}  // namespace
