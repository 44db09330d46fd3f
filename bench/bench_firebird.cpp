// Compares our Firebird layer with the bare client API on the shape of replication work: one row
// per transaction, the statement prepared for every row, 20 columns. Embedded, and through the
// loopback server when one listens on 127.0.0.1:3050 (/etc/init.d/firebird3.0 start).
//
//   bench_firebird [--rows N] [--rounds R]     prints rows/s of both and their ratio
//   bench_firebird --embedded-only ...         skips the loopback server (for profiling)
//   bench_firebird --smoke                     creates a database, writes and reads one row
//
// For a profile that this shared, noisy machine repeats, count instructions instead of time:
//   BENCH_ONLY=ours valgrind --tool=callgrind bench_firebird --embedded-only --rows 500 --rounds 1
// (and BENCH_ONLY=bare for the other side).
#include <firebird/Interface.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "firebird/Connection.h"
#include "firebird/Statement.h"
#include "support/BancoTeste.h"
#include "support/PastaTemporaria.h"

using namespace Firebird;

namespace {

const char* const kTabela =
    "CREATE TABLE BENCH (ID INTEGER NOT NULL PRIMARY KEY, "
    "C1 VARCHAR(40), C2 VARCHAR(40), C3 VARCHAR(40), C4 VARCHAR(40), C5 VARCHAR(40), "
    "C6 VARCHAR(40), C7 VARCHAR(40), C8 VARCHAR(40), C9 VARCHAR(40), C10 VARCHAR(40), "
    "D1 DATE, D2 DATE, D3 DATE, N1 DOUBLE PRECISION, N2 DOUBLE PRECISION, N3 DOUBLE PRECISION, "
    "N4 DOUBLE PRECISION, N5 DOUBLE PRECISION, Q INTEGER)";

std::string insertNamed() {
  std::string cols = "ID", vals = ":ID";
  for (int i = 1; i <= 10; ++i) cols += ", C" + std::to_string(i), vals += ", :C" + std::to_string(i);
  for (int i = 1; i <= 3; ++i) cols += ", D" + std::to_string(i), vals += ", :D" + std::to_string(i);
  for (int i = 1; i <= 5; ++i) cols += ", N" + std::to_string(i), vals += ", :N" + std::to_string(i);
  cols += ", Q";
  vals += ", :Q";
  return "INSERT INTO BENCH (" + cols + ") VALUES (" + vals + ")";
}

std::string insertPositional() {
  std::string s = insertNamed();
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == ':') {
      out += '?';
      while (i + 1 < s.size() && std::isalnum(static_cast<unsigned char>(s[i + 1]))) ++i;
    } else {
      out += s[i];
    }
  }
  return out;
}

const std::string kTexto = "PRODUTO DE TESTE COM ACENTUAÇÃO";

[[gnu::noinline]] void ourLayer(fb::Connection& c, int first, int rows) {
  const std::string sql = insertNamed();
  std::vector<std::string> c_, d_, n_;
  for (int i = 1; i <= 10; ++i) c_.push_back("C" + std::to_string(i));
  for (int i = 1; i <= 3; ++i) d_.push_back("D" + std::to_string(i));
  for (int i = 1; i <= 5; ++i) n_.push_back("N" + std::to_string(i));
  for (int id = first; id < first + rows; ++id) {
    c.startTransaction();
    fb::Statement st(c, sql);
    st.setInt("ID", id);
    for (const auto& n : c_) st.setString(n, kTexto);
    for (const auto& n : d_) st.setDateTime(n, 45000.0 + id);
    for (const auto& n : n_) st.setDouble(n, id * 1.5);
    st.setInt("Q", id);
    st.execute();
    c.commit();
  }
}

// The same work straight on the OO API: the server's own input description, values written into
// the message buffer by offset.
[[gnu::noinline]] void bareApi(IMaster* master, IAttachment* att, int first, int rows) {
  ThrowStatusWrapper status(master->getStatus());
  const std::string sql = insertPositional();
  std::string latin;  // the text as Latin-1 bytes
  for (std::size_t i = 0; i < kTexto.size(); ++i) {
    unsigned char ch = static_cast<unsigned char>(kTexto[i]);
    if (ch == 0xC3) latin.push_back(static_cast<char>(0xC0 | (kTexto[++i] & 0x3F)));
    else latin.push_back(static_cast<char>(ch));
  }
  const unsigned char tpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed,
                               isc_tpb_rec_version, isc_tpb_wait};
  for (int id = first; id < first + rows; ++id) {
    ITransaction* tra = att->startTransaction(&status, sizeof tpb, tpb);
    IStatement* stmt = att->prepare(&status, tra, 0, sql.c_str(), 1,
                                    IStatement::PREPARE_PREFETCH_METADATA);
    IMessageMetadata* meta = stmt->getInputMetadata(&status);
    std::vector<unsigned char> buf(meta->getMessageLength(&status));
    for (unsigned i = 0; i < meta->getCount(&status); ++i) {
      unsigned char* p = buf.data() + meta->getOffset(&status, i);
      *reinterpret_cast<short*>(buf.data() + meta->getNullOffset(&status, i)) = 0;
      switch (meta->getType(&status, i) & ~1u) {
        case SQL_VARYING: {
          const auto len = static_cast<unsigned short>(latin.size());
          std::memcpy(p, &len, 2);
          std::memcpy(p + 2, latin.data(), len);
          break;
        }
        case SQL_TIMESTAMP: {
          ISC_TIMESTAMP ts{static_cast<ISC_DATE>(45000 + id + 15018), 0};
          std::memcpy(p, &ts, sizeof ts);
          break;
        }
        case SQL_DOUBLE: {
          const double d = id * 1.5;
          std::memcpy(p, &d, sizeof d);
          break;
        }
        default: {
          const ISC_LONG v = id;
          std::memcpy(p, &v, sizeof v);
        }
      }
    }
    stmt->execute(&status, tra, meta, buf.data(), nullptr, nullptr);
    meta->release();
    stmt->free(&status);
    tra->commit(&status);
  }
  status.dispose();
}

double rowsPerSecond(std::chrono::steady_clock::duration d, int rows) {
  return rows / std::chrono::duration<double>(d).count();
}

// Processor time of the whole process (the embedded engine's threads included), in seconds.
double cpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

struct Resultado {
  double nosso = 0, bruto = 0;        // rows per second of elapsed time, best round
  double nossoCpu = 0, brutoCpu = 0;  // rows per second of processor time, best round
};

Resultado medir(const fb::ConnectionSettings& settings, int rows, int rounds, int first) {
  fb::Connection ours(settings);
  ours.open();
  IMaster* master = fb_get_master_interface();
  ThrowStatusWrapper status(master->getStatus());
  IXpbBuilder* dpb = master->getUtilInterface()->getXpbBuilder(&status, IXpbBuilder::DPB, nullptr, 0);
  dpb->insertString(&status, isc_dpb_user_name, settings.user.c_str());
  dpb->insertString(&status, isc_dpb_password, settings.password.c_str());
  if (settings.embeddedOnly) dpb->insertString(&status, isc_dpb_config, "Providers=Engine12");
  IProvider* prov = master->getDispatcher();
  IAttachment* att = prov->attachDatabase(&status, settings.database.c_str(),
                                          dpb->getBufferLength(&status), dpb->getBuffer(&status));
  Resultado r;
  int next = first;
  // Interleaved rounds, best of each, so a noisy moment hurts both sides alike.
  const char* only = std::getenv("BENCH_ONLY");  // "ours" or "bare": one side, for profiling
  const bool runOurs = !only || std::string(only) == "ours";
  const bool runBare = !only || std::string(only) == "bare";
  for (int round = 0; round < rounds; ++round) {
    const double c0 = cpuSeconds();
    auto t0 = std::chrono::steady_clock::now();
    if (runOurs) ourLayer(ours, next, rows);
    auto t1 = std::chrono::steady_clock::now();
    const double c1 = cpuSeconds();
    next += rows;
    if (runBare) bareApi(master, att, next, rows);
    auto t2 = std::chrono::steady_clock::now();
    const double c2 = cpuSeconds();
    next += rows;
    r.nosso = std::max(r.nosso, rowsPerSecond(t1 - t0, rows));
    r.bruto = std::max(r.bruto, rowsPerSecond(t2 - t1, rows));
    r.nossoCpu = std::max(r.nossoCpu, rows / (c1 - c0));
    r.brutoCpu = std::max(r.brutoCpu, rows / (c2 - c1));
  }
  att->detach(&status);
  prov->release();
  dpb->dispose();
  status.dispose();
  return r;
}

// The ratio by processor time is steadier on a busy machine; over loopback it leaves out the
// server's share.
void imprimir(const char* onde, const Resultado& r) {
  std::printf("%-10s our layer %8.0f rows/s   bare API %8.0f rows/s   ratio %.3f"
              "   (by processor time %.3f)\n",
              onde, r.nosso, r.bruto, r.nosso / r.bruto, r.nossoCpu / r.brutoCpu);
}

}  // namespace

int main(int argc, char** argv) {
  int rows = 2000, rounds = 3;
  bool smoke = false, embeddedOnly = false;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--smoke") smoke = true;
    else if (a == "--embedded-only") embeddedOnly = true;
    else if (a == "--rows" && i + 1 < argc) rows = std::stoi(argv[++i]);
    else if (a == "--rounds" && i + 1 < argc) rounds = std::stoi(argv[++i]);
    else {
      std::fprintf(stderr, "usage: bench_firebird [--smoke] [--embedded-only] [--rows N] [--rounds R]\n");
      return 2;
    }
  }
  try {
    TPastaTemporaria pasta;
    TBancoTeste banco(pasta / "bench.fdb");
    banco.executa(kTabela);
    if (smoke) {
      ourLayer(banco.conexao(), 1, 1);
      std::printf("smoke: database created, %s row written and read back\n",
                  banco.valor("SELECT COUNT(*) FROM BENCH").c_str());
      return 0;
    }
    banco.fecha();
    imprimir("embedded", medir(FConfiguracaoEmbarcada(banco.caminho()), rows, rounds, 1));
    if (embeddedOnly) return 0;
    const std::string remoto = banco.caminhoNoServidor("127.0.0.1");
    try {
      imprimir("loopback",
               medir(FConfiguracaoServidor(remoto), rows / 2, rounds, 2 * rows * rounds + 1));
    } catch (const std::exception& e) {
      std::printf("loopback   skipped: no server on 127.0.0.1:3050 (%s)\n", e.what());
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bench_firebird: %s\n", e.what());
    return 1;
  }
  return 0;
}
