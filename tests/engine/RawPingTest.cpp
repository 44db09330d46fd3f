#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "engine/raw_ping.h"
#include "engine/raw_ping_posix.h"
#include "SuporteMotor.h"
#include "support/PastaTemporaria.h"
#include "support/PortaFechada.h"
#include "support/RedeIsolada.h"

namespace {

const TInAddr kNenhum{0, 0, 0, 0};
const TInAddr kLoopback{127, 0, 0, 1};

TEST(TranslateStringToTInAddr, ResolvesDottedAddressesAndLocalNames) {
  TInAddr endereco{};
  std::string motivo = "anterior";
  TranslateStringToTInAddr("127.0.0.1", endereco, &motivo);
  EXPECT_EQ(endereco, kLoopback);
  EXPECT_EQ(motivo, "");
  TranslateStringToTInAddr("10.202.0.7", endereco);
  EXPECT_EQ(endereco, (TInAddr{10, 202, 0, 7}));
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
  if (!FAbreCanalIcmp()) GTEST_SKIP() << "no ICMP socket for this process";
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

// In a network namespace of the test's own: one echo goes to a host routed to that namespace's
// loopback, nothing answers within the limit. Loopback still answers there, so the echo itself
// works.
TEST(Ping, SilentHostIsUnreachable) {
  SV_NA_REDE_ISOLADA();
  EXPECT_TRUE(Ping("127.0.0.1"));
  EXPECT_FALSE(Ping(kHostMudo));
}

TEST(FSeparaPorta, HostAndPortOfAServerOnAnotherPort) {
  EXPECT_EQ(FSeparaPorta("servidor/3051").host, "servidor");
  EXPECT_EQ(FSeparaPorta("servidor/3051").porta, "3051");
  EXPECT_EQ(FSeparaPorta("servidor").host, "servidor");
  EXPECT_EQ(FSeparaPorta("servidor").porta, "3050");
  EXPECT_EQ(FSeparaPorta("127.0.0.1/gds_db").porta, "gds_db");
  EXPECT_EQ(FSeparaPorta("/3051").host, "");
  EXPECT_EQ(FSeparaPorta("servidor/").porta, "");
}

TEST(FNumeroPorta, NumbersAndLocalServiceNamesOnly) {
  EXPECT_EQ(FNumeroPorta("3050"), 3050);
  EXPECT_EQ(FNumeroPorta("65535"), 65535);
  EXPECT_EQ(FNumeroPorta("03051"), 3051);
  for (const std::string& porta : std::vector<std::string>{"", "0", "65536", "99999999999999999999", "-1", "30 50", "3050x", "nao existe",
        "servi\xc3\xa7o", std::string(40, '1')})
    EXPECT_EQ(FNumeroPorta(porta), 0) << porta;
  // Firebird's service name, where the machine's services list has it.
  const std::uint16_t servico = FNumeroPorta("gds_db");
  EXPECT_TRUE(servico == 0 || servico == 3050) << servico;
}

// A port that listens on loopback for as long as the object lives.
class TPortaAberta {
 public:
  TPortaAberta() {
    descritor_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in endereco{};
    endereco.sin_family = AF_INET;
    endereco.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t tamanho = sizeof endereco;
    if (::bind(descritor_, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco) != 0 ||
        ::listen(descritor_, 4) != 0 ||
        ::getsockname(descritor_, reinterpret_cast<sockaddr*>(&endereco), &tamanho) != 0)
      ADD_FAILURE() << "no listening socket on loopback";
    porta_ = ntohs(endereco.sin_port);
  }
  ~TPortaAberta() { ::close(descritor_); }
  std::uint16_t porta() const { return porta_; }

 private:
  int descritor_ = -1;
  std::uint16_t porta_ = 0;
};

// A refused connection still proves that the computer is on: the open that follows reports what
// is wrong with its server.
TEST(FSondaTcp, AListeningOrRefusingHostAnswers) {
  const TPortaAberta aberta;
  const TPortaFechada fechada;
  EXPECT_TRUE(FSondaTcp(kLoopback, aberta.porta(), kTempoLimitePing));
  EXPECT_TRUE(FSondaTcp(kLoopback, static_cast<std::uint16_t>(fechada.porta()), kTempoLimitePing));
}

TEST(FSondaTcp, ASilentHostDoesNotAnswerWithinTheLimit) {
  SV_NA_REDE_ISOLADA();
  const auto inicio = std::chrono::steady_clock::now();
  EXPECT_FALSE(FSondaTcp(TInAddr{10, 202, 0, 5}, 3050, kTempoLimitePing));
  // It gave up at the limit, not at the first silence and not at the system's connect timeout.
  EXPECT_GE(std::chrono::steady_clock::now() - inicio, kTempoLimitePing);
}

// Without any ICMP socket (refused here as a system refuses it to an ordinary user), the database
// port decides: the port a path names, or 3050. The log says once why and what would fix it.
TEST(FHostResponde, WithoutIcmpSocketsTheDatabasePortDecidesAndTheLogSaysWhyOnce) {
  SV_NA_REDE_ISOLADA();
  TPastaTemporaria pasta;
  TLogTeste log{pasta / "LogIntg"};
  PDefineAberturaCanalIcmp([] { return std::unique_ptr<TCanalIcmp>(); });
  const TPortaAberta aberta;
  EXPECT_TRUE(FHostResponde("127.0.0.1/" + std::to_string(aberta.porta())));
  EXPECT_TRUE(FHostResponde("localhost/" + std::to_string(aberta.porta())));
  EXPECT_FALSE(FHostResponde(kHostMudo));
  EXPECT_FALSE(FHostResponde(kHostMudo + "/" + std::to_string(aberta.porta())));
  EXPECT_FALSE(FHostResponde("localhost/porta-que-nao-existe"));
  EXPECT_FALSE(FHostResponde("nome com espaco/3050"));
  PDefineAberturaCanalIcmp(nullptr);

  ASSERT_EQ(log.FMensagens().size(), 1u);
  const std::string aviso = log.FMensagens()[0];
  EXPECT_EQ(aviso.rfind("Não foi possível abrir um socket ICMP", 0), 0u) << aviso;
  EXPECT_NE(aviso.find("setcap cap_net_raw+ep "), std::string::npos) << aviso;
  EXPECT_NE(aviso.find("net.ipv4.ping_group_range"), std::string::npos) << aviso;
}

// With ICMP, the echo goes to the host without its port.
TEST(FHostResponde, TheEchoGoesToTheHostWithoutItsPort) {
  if (!FAbreCanalIcmp()) GTEST_SKIP() << "no ICMP socket for this process";
  const TPortaFechada fechada;
  EXPECT_TRUE(FHostResponde("127.0.0.1/" + std::to_string(fechada.porta())));
  EXPECT_TRUE(FHostResponde("localhost/3050"));
}

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
