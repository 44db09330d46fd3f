// The sales cycle against a loop written straight on the client API doing the same work: 2,000
// queued inserts of ECFGERAL (21 columns) at one point of sale, carried to the central database.
// Per row both sides read the row at the point of sale, write it centrally, delete the queue row
// at the point of sale, prepare the central transaction (two-phase commit, the description naming
// the queue row), commit the point of sale, then commit the central database.
//
//   bench_replicacao [--linhas N] [--rodadas R] [--so embarcado|loopback] [--modelo DIR]
//
// Every round starts from copies of the same two databases, so both sides find the same queue.
// Rounds alternate between the two sides; the median and the best of each side are printed.
// BENCH_ONLY=ours|bare runs one side alone (for callgrind: the timed work is bracketed by
// CALLGRIND_START/STOP_INSTRUMENTATION, so `--instr-atstart=no` counts only the cycle).
#include <firebird/Interface.h>
#include <pwd.h>
#include <unistd.h>
#include <valgrind/callgrind.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/UCliDemo.h"
#include "engine/UBancoDados.h"
#include "firebird/Connection.h"
#include "firebird/Statement.h"
#include "platform/TNotificador.h"
#include "platform/UGenerico.h"
#include "schema/UCatalogo.h"
#include "support/BancoTeste.h"
#include "support/PastaTemporaria.h"

namespace fs = std::filesystem;
using namespace Firebird;

namespace {

const char* const kMaquina = "001";
const char* const kEcf = "0001";
const TTabelaCatalogo& kTabela = *FProcuraTabela("ECFGERAL");

std::string FSenhaServidor() { return FConfiguracaoServidor("").password; }

// One database as the demo store makes it: the application tables and the one machine.
void PCriaBanco(const fs::path& arquivo) {
  PCriaBancoDemo(arquivo, {kMaquina}, std::getenv("BENCH_FORCED_WRITES") != nullptr);
}

// The two databases of a round: the central one with the catalogue tables, the point of sale with
// the catalogue tables, the capture of ECFGERAL installed by the agent itself, and `linhas` rows
// inserted through plain SQL as the till would, each queued by the trigger.
void PCriaModelo(const fs::path& pasta, int linhas) {
  const fs::path servidor = pasta / "servidor.fdb", caixa = pasta / "caixa.fdb";
  PCriaBanco(servidor);
  PCriaBanco(caixa);
  {
    TNotificadorSilencioso notificador;
    TBancoDados cadastro(notificador);
    cadastro.FCriaConexao(servidor.string(), "SYSDBA", "masterkey", "ConexaoServidor", true);
    cadastro.FCriaConexao(caixa.string(), "SYSDBA", "masterkey", "", true);
    if (!cadastro.FAtualizaBancoDeDados()) throw std::runtime_error("structure update failed");
    if (!cadastro.FConfiguraBanco(true) || !cadastro.FConfiguraBanco(false))
      throw std::runtime_error("capture set-up failed");
    cadastro.PCriaTrigger("ECFGERAL", false);
  }
  fb::Connection c(FConfiguracaoEmbarcada(caixa.string()));
  c.open();
  std::string colunas, valores;
  for (const TColunaCatalogo& col : kTabela.colunas) {
    colunas += (colunas.empty() ? "" : ", ") + std::string(col.nome);
    valores += (valores.empty() ? ":" : ", :") + std::string(col.nome);
  }
  c.startTransaction();
  fb::Statement st(c, "INSERT INTO ECFGERAL (" + colunas + ") VALUES (" + valores + ")");
  for (int n = 0; n < linhas; ++n) {
    char pdv[16];  // PDV is VARCHAR(4): at most 10,000 rows
    std::snprintf(pdv, sizeof pdv, "%04d", n);
    for (const TColunaCatalogo& col : kTabela.colunas) {
      const std::string nome(col.nome);
      if (nome == "PDV") st.setString(nome, pdv);
      else if (nome == "CODEMPRESA") st.setString(nome, "01");
      else if (nome == "NUMULTRED") st.setString(nome, "RZ" + std::to_string(n));
      else if (col.tipo == TTipoValor::DataHora) st.setDateTime(nome, FEncodeDataHora(2026, 12, 9));
      else st.setDouble(nome, n * 1.25 + nome.size());
    }
    st.execute();
  }
  c.commit();
  const int fila = std::stoi(
      [&] {
        fb::Statement q(c, "SELECT COUNT(*) FROM INTEGECF WHERE ECF = \"0001\"", false);
        auto r = q.executeQuery();
        r.next();
        return r.getString(0u);
      }());
  if (fila != linhas)
    throw std::runtime_error("the trigger queued " + std::to_string(fila) + " rows, not " +
                             std::to_string(linhas));
}

struct TCopia {
  std::string servidor, caixa;  // paths as the engine takes them
};

// Fresh copies of the model; through the loopback server they belong to its user.
TCopia FCopia(const fs::path& modelo, const fs::path& pasta, const std::string& nome, bool remoto) {
  const fs::path s = pasta / (nome + "-servidor.fdb"), c = pasta / (nome + "-caixa.fdb");
  fs::remove(s);
  fs::remove(c);
  fs::copy_file(modelo / "servidor.fdb", s);
  fs::copy_file(modelo / "caixa.fdb", c);
  if (!remoto) return {s.string(), c.string()};
  if (const passwd* pw = getpwnam("firebird"))
    for (const fs::path& p : {s, c})
      if (::chown(p.c_str(), pw->pw_uid, pw->pw_gid) != 0)
        throw std::runtime_error("chown failed for " + p.string());
  return {"127.0.0.1:" + s.string(), "127.0.0.1:" + c.string()};
}

std::string FSenha(bool remoto) { return remoto ? FSenhaServidor() : "masterkey"; }

// What a finished round must show: every row central, the queue empty.
void PConfere(const TCopia& copia, bool remoto, int linhas) {
  auto conta = [&](const std::string& caminho, const std::string& sql) {
    fb::ConnectionSettings s{caminho, "SYSDBA", FSenha(remoto), !remoto};
    fb::Connection c(s);
    c.open();
    fb::Statement q(c, sql, false);
    auto r = q.executeQuery();
    r.next();
    return r.getInt(0u);
  };
  const int central = conta(copia.servidor, "SELECT COUNT(*) FROM ECFGERAL");
  const int fila = conta(copia.caixa, "SELECT COUNT(*) FROM INTEGECF");
  if (central != linhas || fila != 0)
    throw std::runtime_error("round incomplete: " + std::to_string(central) + " rows central, " +
                             std::to_string(fila) + " still queued");
}

double FSegundos(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

// --- Our side: the sales engine as the program runs it ------------------------------------------
double FCicloVendas(const TCopia& copia, bool remoto) {
  TNotificadorSilencioso notificador;
  TBancoDados vendas(notificador);
  if (!vendas.FCriaConexao(copia.servidor, "SYSDBA", FSenha(remoto), "ConexaoServidorVend", true) ||
      !vendas.FCriaConexao(copia.caixa, "SYSDBA", FSenha(remoto), "", true))
    throw std::runtime_error("the engine could not open the databases");
  CALLGRIND_START_INSTRUMENTATION;
  const auto t0 = std::chrono::steady_clock::now();
  const bool ok = vendas.FAtualizacoesVenda();
  const auto t1 = std::chrono::steady_clock::now();
  CALLGRIND_STOP_INSTRUMENTATION;
  if (!ok) throw std::runtime_error("the sales cycle reported a failure (see the log)");
  return FSegundos(t1 - t0);
}

// --- The bare loop: the OO API, statements prepared once, messages copied by metadata ----------
struct TBruto {
  IMaster* master = fb_get_master_interface();
  ThrowStatusWrapper status{master->getStatus()};
  IProvider* prov = master->getDispatcher();
  ~TBruto() {
    prov->release();
    status.dispose();
  }

  IAttachment* anexa(const std::string& caminho, bool remoto) {
    IXpbBuilder* dpb =
        master->getUtilInterface()->getXpbBuilder(&status, IXpbBuilder::DPB, nullptr, 0);
    dpb->insertString(&status, isc_dpb_user_name, "SYSDBA");
    dpb->insertString(&status, isc_dpb_password, FSenha(remoto).c_str());
    dpb->insertInt(&status, isc_dpb_sql_dialect, 1);
    dpb->insertString(&status, isc_dpb_lc_ctype, "ISO8859_1");
    if (!remoto) dpb->insertString(&status, isc_dpb_config, "Providers=Engine12");
    IAttachment* att = prov->attachDatabase(&status, caminho.c_str(), dpb->getBufferLength(&status),
                                            dpb->getBuffer(&status));
    dpb->dispose();
    return att;
  }
};

const unsigned char kTpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed,
                              isc_tpb_rec_version, isc_tpb_nowait};

// The text of a VARCHAR field of a message.
std::string FTexto(const unsigned char* msg, IMessageMetadata* meta, ThrowStatusWrapper* st,
                   unsigned i) {
  if (*reinterpret_cast<const short*>(msg + meta->getNullOffset(st, i))) return {};
  const unsigned char* p = msg + meta->getOffset(st, i);
  unsigned short len;
  std::memcpy(&len, p, 2);
  return std::string(reinterpret_cast<const char*>(p + 2), len);
}

// A VARCHAR input field set from text (the metadata is the statement's own).
void PPoeTexto(unsigned char* msg, IMessageMetadata* meta, ThrowStatusWrapper* st, unsigned i,
               const std::string& v) {
  *reinterpret_cast<short*>(msg + meta->getNullOffset(st, i)) = 0;
  unsigned char* p = msg + meta->getOffset(st, i);
  if ((meta->getType(st, i) & ~1u) == SQL_TEXT) {
    std::memset(p, ' ', meta->getLength(st, i));
    std::memcpy(p, v.data(), std::min<std::size_t>(v.size(), meta->getLength(st, i)));
    return;
  }
  const auto len = static_cast<unsigned short>(v.size());
  std::memcpy(p, &len, 2);
  std::memcpy(p + 2, v.data(), len);
}

// "9-DEC-2026" as the queue holds a date key.
ISC_DATE FData(IUtil* util, const std::string& texto) {
  static const char* const meses[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                      "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  int dia = 0, ano = 0;
  char mes[4] = {};
  if (std::sscanf(texto.c_str(), "%d-%3s-%d", &dia, mes, &ano) != 3)
    throw std::runtime_error("bad date key " + texto);
  for (unsigned m = 0; m < 12; ++m)
    if (std::strcmp(mes, meses[m]) == 0) return util->encodeDate(ano, m + 1, dia);
  throw std::runtime_error("bad month in " + texto);
}

double FLoopBruto(const TCopia& copia, bool remoto) {
  TBruto b;
  auto* st = &b.status;
  IUtil* util = b.master->getUtilInterface();
  IAttachment* caixa = b.anexa(copia.caixa, remoto);
  IAttachment* central = b.anexa(copia.servidor, remoto);

  std::string colunas, marcas;
  for (const TColunaCatalogo& col : kTabela.colunas) {
    colunas += (colunas.empty() ? "" : ", ") + std::string(col.nome);
    marcas += marcas.empty() ? "?" : ", ?";
  }
  CALLGRIND_START_INSTRUMENTATION;
  const auto t0 = std::chrono::steady_clock::now();

  // The queue, read whole in one transaction.
  struct TLinha {
    std::string codEmpresa, ecf, arquivo, acao, chave[3];
  };
  std::vector<TLinha> fila;
  {
    ITransaction* tra = caixa->startTransaction(st, sizeof kTpb, kTpb);
    IStatement* q = caixa->prepare(
        st, tra, 0,
        "select codempresa, ecf, arquivo, tabela, acao, chave0, chave1, chave2 from integecf "
        "where atualizou = 'N' and ecf = ? order by acao desc, tabela, arquivo",
        1, IStatement::PREPARE_PREFETCH_METADATA);
    IMessageMetadata* in = q->getInputMetadata(st);
    std::vector<unsigned char> inBuf(in->getMessageLength(st));
    PPoeTexto(inBuf.data(), in, st, 0, kEcf);
    IMessageMetadata* out = q->getOutputMetadata(st);
    std::vector<unsigned char> outBuf(out->getMessageLength(st));
    IResultSet* rs = q->openCursor(st, tra, in, inBuf.data(), out, 0);
    while (rs->fetchNext(st, outBuf.data()) == IStatus::RESULT_OK) {
      TLinha l;
      l.codEmpresa = FTexto(outBuf.data(), out, st, 0);
      l.ecf = FTexto(outBuf.data(), out, st, 1);
      l.arquivo = FTexto(outBuf.data(), out, st, 2);
      l.acao = FTexto(outBuf.data(), out, st, 4);
      for (unsigned k = 0; k < 3; ++k) l.chave[k] = FTexto(outBuf.data(), out, st, 5 + k);
      fila.push_back(std::move(l));
    }
    rs->close(st);
    out->release();
    in->release();
    q->free(st);
    tra->commit(st);
  }

  // Statements prepared once for the whole queue.
  ITransaction* preparo = caixa->startTransaction(st, sizeof kTpb, kTpb);
  IStatement* le = caixa->prepare(
      st, preparo, 0,
      ("select " + colunas + " from ecfgeral where codempresa = ? and pdv = ? and dtultred = ?")
          .c_str(),
      1, IStatement::PREPARE_PREFETCH_METADATA);
  IStatement* apaga = caixa->prepare(
      st, preparo, 0,
      "delete from integecf where codempresa = ? and ecf = ? and arquivo = ? and acao = ?", 1,
      IStatement::PREPARE_PREFETCH_METADATA);
  preparo->commit(st);
  ITransaction* preparoCentral = central->startTransaction(st, sizeof kTpb, kTpb);
  IStatement* grava = central->prepare(
      st, preparoCentral, 0,
      ("insert into ecfgeral (" + colunas + ") values (" + marcas + ")").c_str(), 1,
      IStatement::PREPARE_PREFETCH_METADATA);
  preparoCentral->commit(st);

  IMessageMetadata* leIn = le->getInputMetadata(st);
  IMessageMetadata* leOut = le->getOutputMetadata(st);
  IMessageMetadata* apagaIn = apaga->getInputMetadata(st);
  std::vector<unsigned char> leInBuf(leIn->getMessageLength(st)),
      linha(leOut->getMessageLength(st)), apagaBuf(apagaIn->getMessageLength(st));

  for (const TLinha& l : fila) {
    ITransaction* tc = central->startTransaction(st, sizeof kTpb, kTpb);
    ITransaction* tp = caixa->startTransaction(st, sizeof kTpb, kTpb);
    // Key positions of ECFGERAL: CODEMPRESA, PDV, DTULTRED.
    PPoeTexto(leInBuf.data(), leIn, st, 0, l.chave[0]);
    PPoeTexto(leInBuf.data(), leIn, st, 1, l.chave[1]);
    *reinterpret_cast<short*>(leInBuf.data() + leIn->getNullOffset(st, 2)) = 0;
    const ISC_TIMESTAMP ts{FData(util, l.chave[2]), 0};
    const unsigned tipoData = leIn->getType(st, 2) & ~1u;
    if (tipoData == SQL_TIMESTAMP)
      std::memcpy(leInBuf.data() + leIn->getOffset(st, 2), &ts, sizeof ts);
    else
      std::memcpy(leInBuf.data() + leIn->getOffset(st, 2), &ts.timestamp_date, sizeof(ISC_DATE));
    IResultSet* rs = le->openCursor(st, tp, leIn, leInBuf.data(), leOut, 0);
    const bool achou = rs->fetchNext(st, linha.data()) == IStatus::RESULT_OK;
    rs->close(st);
    if (achou) grava->execute(st, tc, leOut, linha.data(), nullptr, nullptr);
    PPoeTexto(apagaBuf.data(), apagaIn, st, 0, l.codEmpresa);
    PPoeTexto(apagaBuf.data(), apagaIn, st, 1, l.ecf);
    PPoeTexto(apagaBuf.data(), apagaIn, st, 2, l.arquivo);
    PPoeTexto(apagaBuf.data(), apagaIn, st, 3, l.acao);
    apaga->execute(st, tp, apagaIn, apagaBuf.data(), nullptr, nullptr);
    const std::string descricao = copia.caixa + "|" + l.ecf + "|" + l.arquivo + "|" + l.acao;
    tc->prepare(st, static_cast<unsigned>(descricao.size()),
                reinterpret_cast<const unsigned char*>(descricao.data()));
    tp->commit(st);
    tc->commit(st);
  }

  const auto t1 = std::chrono::steady_clock::now();
  CALLGRIND_STOP_INSTRUMENTATION;
  leIn->release();
  leOut->release();
  apagaIn->release();
  le->free(st);
  apaga->free(st);
  grava->free(st);
  caixa->detach(st);
  central->detach(st);
  return FSegundos(t1 - t0);
}

double FMediana(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void PMede(const fs::path& modelo, const fs::path& pasta, bool remoto, int linhas, int rodadas) {
  const char* so = std::getenv("BENCH_ONLY");
  const bool nosso = !so || std::string(so) == "ours";
  const bool bruto = !so || std::string(so) == "bare";
  std::vector<double> tNosso, tBruto;
  for (int r = 0; r < rodadas; ++r) {
    // Alternate which side goes first, so a noisy moment hurts both alike.
    for (int lado = 0; lado < 2; ++lado) {
      const bool vezNosso = (lado == 0) == (r % 2 == 0);
      if (vezNosso && nosso) {
        const TCopia c = FCopia(modelo, pasta, "nosso", remoto);
        tNosso.push_back(FCicloVendas(c, remoto));
        PConfere(c, remoto, linhas);
      } else if (!vezNosso && bruto) {
        const TCopia c = FCopia(modelo, pasta, "bruto", remoto);
        tBruto.push_back(FLoopBruto(c, remoto));
        PConfere(c, remoto, linhas);
      }
    }
  }
  const char* onde = remoto ? "loopback" : "embedded";
  auto linha = [&](const char* lado, const std::vector<double>& t) {
    if (t.empty()) return 0.0;
    const double med = linhas / FMediana(t);
    const double best = linhas / *std::min_element(t.begin(), t.end());
    std::printf("%-9s %-12s %5d rows  median %8.0f rows/s  best %8.0f rows/s  (%zu runs)\n", onde,
                lado, linhas, med, best, t.size());
    return med;
  };
  const double a = linha("sales cycle", tNosso);
  const double b = linha("bare API", tBruto);
  if (a > 0 && b > 0) std::printf("%-9s ratio cycle/bare (medians) %.3f\n", onde, a / b);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  int linhas = 2000, rodadas = 5;
  std::string so;
  fs::path modelo;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--linhas" && i + 1 < argc) linhas = std::stoi(argv[++i]);
    else if (a == "--rodadas" && i + 1 < argc) rodadas = std::stoi(argv[++i]);
    else if (a == "--so" && i + 1 < argc) so = argv[++i];
    else if (a == "--modelo" && i + 1 < argc) modelo = argv[++i];
    else {
      std::fprintf(stderr,
                   "usage: bench_replicacao [--linhas N] [--rodadas R] [--so embarcado|loopback] "
                   "[--modelo DIR]\n");
      return 2;
    }
  }
  if (linhas < 1 || linhas > 10000) {
    std::fprintf(stderr, "bench_replicacao: --linhas must be 1 to 10000 (the key PDV has 4 digits)\n");
    return 2;
  }
  try {
    TPastaTemporaria pasta;
    TGenerico::PDefinePastaLog(pasta / "LogIntg");
    if (modelo.empty()) modelo = pasta / "modelo";
    if (!fs::exists(modelo / "caixa.fdb")) {
      fs::create_directories(modelo);
      PCriaModelo(modelo, linhas);
    }
    if (so.empty() || so == "embarcado") PMede(modelo, pasta.caminho(), false, linhas, rodadas);
    if (so.empty() || so == "loopback") PMede(modelo, pasta.caminho(), true, linhas, rodadas);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bench_replicacao: %s\n", e.what());
    return 1;
  }
  return 0;
}
