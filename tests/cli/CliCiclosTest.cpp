// The replication cycles driven through the command-line tool as a process: what each cycle
// command prints and its exit status, executar stopped by a signal mid-run, and every replicated
// table of the catalogue carried column for column.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "SuporteCli.h"
#include "engine/UCapturaTabelas.h"
#include "firebird/Connection.h"
#include "firebird/Statement.h"
#include "platform/UConfiguracao.h"
#include "platform/UDataHora.h"
#include "schema/UCatalogo.h"
#include "support/BancoTeste.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

class CliCiclosTest : public TCliTeste {
 protected:
  static std::size_t limbo(const fs::path& banco) {
    fb::Connection c(FConfiguracaoEmbarcada(banco.string()));
    c.open();
    return c.limboTransactions().size();
  }

  static std::string linhaDe(const std::string& saida, const std::string& inicio) {
    const auto p = saida.find(inicio);
    if (p == std::string::npos) return {};
    return saida.substr(p, saida.find('\n', p) - p);
  }
};

TEST_F(CliCiclosTest, CycleCommandsPrintOneLinePerTillAndExitByTheOutcome) {
  criaLoja(2);
  auto r = roda("simular --vendas 4 --cadastros 3");
  ASSERT_EQ(r.status, 0) << r.erro << r.saida;
  const int fila1 = conta(caixa(1), "SELECT COUNT(*) FROM INTEGECF");
  const int fila2 = conta(caixa(2), "SELECT COUNT(*) FROM INTEGECF");

  r = roda("sincronizar-cadastros");
  EXPECT_EQ(r.status, 0) << r.erro << r.saida;
  for (int n : {1, 2}) {
    EXPECT_EQ(linhaDe(r.saida, "[" + std::to_string(n) + "] caixa"),
              "[" + std::to_string(n) + "] caixa  " + caixa(n).string() + "  máquina 00" +
                  std::to_string(n) + "  aplicadas 3  pendentes 0")
        << r.saida;
    EXPECT_EQ(valor(caixa(n), "SELECT PRECO FROM PRODUTO WHERE CODPROD = '000002'"),
              valor(central(), "SELECT PRECO FROM PRODUTO WHERE CODPROD = '000002'"));
  }
  EXPECT_EQ(conta(central(), "SELECT COUNT(*) FROM INTEGECF"), 0);

  r = roda("sincronizar-vendas");
  EXPECT_EQ(r.status, 0) << r.erro << r.saida;
  EXPECT_NE(r.saida.find("[1] caixa  " + caixa(1).string() + "  máquina 001  aplicadas " +
                         std::to_string(fila1) + "  pendentes 0"),
            std::string::npos)
      << r.saida;
  EXPECT_NE(r.saida.find("  máquina 002  aplicadas " + std::to_string(fila2) + "  pendentes 0"),
            std::string::npos)
      << r.saida;
  EXPECT_EQ(conta(central(), "SELECT COUNT(*) FROM VENDPDV"),
            conta(caixa(1), "SELECT COUNT(*) FROM VENDPDV") +
                conta(caixa(2), "SELECT COUNT(*) FROM VENDPDV"));
  EXPECT_EQ(conta(central(), "SELECT COUNT(*) FROM MVGERAL"),
            conta(caixa(1), "SELECT COUNT(*) FROM MVGERAL") +
                conta(caixa(2), "SELECT COUNT(*) FROM MVGERAL"));

  // Empty queues are a success too.
  r = roda("sincronizar-vendas");
  EXPECT_EQ(r.status, 0) << r.erro << r.saida;
  EXPECT_NE(r.saida.find("  máquina 001  aplicadas 0  pendentes 0"), std::string::npos) << r.saida;

  // A row the central database refuses (its key is there already) stops till 1 alone, and has
  // waited long enough to be a stall; till 2 goes on.
  executa(central(), "INSERT INTO SANGRIA (CODSANGRIA, USUARIO, MAQUINA, VALOR) "
                     "VALUES ('00007', 'CAIXA', '001', 1)");
  executa(caixa(1), "INSERT INTO SANGRIA (CODSANGRIA, USUARIO, MAQUINA, VALOR, MOTIVO) "
                    "VALUES ('00007', 'CAIXA', '001', 50, 'TROCO')");
  executa(caixa(1), "UPDATE INTEGECF SET DATAATUAL = CAST('TODAY' AS DATE) - 1");
  ASSERT_EQ(roda("simular --vendas 2").status, 0);
  const int vendasCentral = conta(central(), "SELECT COUNT(*) FROM ENCERRA");
  r = roda("sincronizar-vendas");
  EXPECT_EQ(r.status, 1) << r.erro << r.saida;
  const std::string linha1 = linhaDe(r.saida, "[1] caixa");
  EXPECT_NE(linha1.find("falha: "), std::string::npos) << r.saida;
  EXPECT_NE(linha1.find("SANGRIA"), std::string::npos) << linha1;
  EXPECT_EQ(linha1.find("pendentes 0"), std::string::npos) << linha1;
  EXPECT_NE(r.erro.find("[1] " + caixa(1).string()), std::string::npos) << r.erro;
  EXPECT_NE(linhaDe(r.saida, "[2] caixa").find("pendentes 0"), std::string::npos) << r.saida;
  EXPECT_EQ(linhaDe(r.saida, "[2] caixa").find("falha"), std::string::npos) << r.saida;
  EXPECT_GT(conta(central(), "SELECT COUNT(*) FROM ENCERRA"), vendasCentral);
  EXPECT_EQ(roda("status --atraso-maximo 60").status, 3);

  // A till that cannot be reached makes the cycle fail, named; the others are still worked.
  std::ofstream(ini, std::ios::app | std::ios::binary)
      << "[CONEXAOCAIXA2]\r\nCAMINHO=127.0.0.1/1:/loja/caixa.fdb\r\nUSUARIO=SYSDBA\r\n"
         "SENHA=masterkey\r\n";
  ASSERT_EQ(roda("simular --vendas 1 --caixa 2").status, 0);
  r = roda("sincronizar-vendas");
  EXPECT_EQ(r.status, 1) << r.erro << r.saida;
  EXPECT_NE(r.erro.find("127.0.0.1/1:/loja/caixa.fdb está inacessível"), std::string::npos) << r.erro;
  EXPECT_NE(linhaDe(r.saida, "[3] caixa").find("inacessível"), std::string::npos) << r.saida;
  EXPECT_NE(linhaDe(r.saida, "[2] caixa").find("pendentes 0"), std::string::npos) << r.saida;
  std::string texto = FLeArquivo(ini);
  texto.erase(texto.find("[CONEXAOCAIXA2]"));
  PGravaArquivo(ini, texto);

  // Once the cause is gone, the queue is worked off and the stall check passes.
  executa(central(), "DELETE FROM SANGRIA WHERE CODSANGRIA = '00007'");
  r = roda("sincronizar-vendas");
  EXPECT_EQ(r.status, 0) << r.erro << r.saida;
  EXPECT_EQ(valor(central(), "SELECT MOTIVO FROM SANGRIA WHERE CODSANGRIA = '00007'"), "TROCO");
  EXPECT_EQ(conta(caixa(1), "SELECT COUNT(*) FROM INTEGECF"), 0);
  r = roda("status --atraso-maximo 60");
  EXPECT_EQ(r.status, 0) << r.erro << r.saida;
  EXPECT_EQ(r.saida.find("linha mais antiga"), std::string::npos) << r.saida;
}

// Starts the tool in the background with its output in files; returns its process id.
pid_t FInicia(const fs::path& pasta, const fs::path& ini, const std::vector<std::string>& args) {
  posix_spawn_file_actions_t acoes;
  posix_spawn_file_actions_init(&acoes);
  posix_spawn_file_actions_addopen(&acoes, 1, (pasta / "executar.out").c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&acoes, 2, (pasta / "executar.err").c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::vector<std::string> todos = {SV_CLI, "--ini", ini.string()};
  todos.insert(todos.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : todos) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  const int r = posix_spawn(&pid, SV_CLI, &acoes, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&acoes);
  if (r != 0) throw std::runtime_error("posix_spawn failed");
  return pid;
}

// Waits up to `limite` for the process; its exit status, or -1 when it did not end (then it is
// killed, so that a hang fails the test instead of blocking it).
int FEspera(pid_t pid, std::chrono::seconds limite) {
  const auto fim = std::chrono::steady_clock::now() + limite;
  int st = 0;
  while (std::chrono::steady_clock::now() < fim) {
    if (waitpid(pid, &st, WNOHANG) == pid) return WIFEXITED(st) ? WEXITSTATUS(st) : -2;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  kill(pid, SIGKILL);
  waitpid(pid, &st, 0);
  return -1;
}

TEST_F(CliCiclosTest, ExecutarStopsAtTheNextRowOnSigtermWithNothingLeftOpen) {
  criaLoja(1);
  // Stock movements take half a second each at the central database, so this queue lasts.
  auto r = roda("simular --vendas 30");
  ASSERT_EQ(r.status, 0) << r.erro;
  const int fila = conta(caixa(1), "SELECT COUNT(*) FROM INTEGECF");

  const pid_t pid = FInicia(pasta.caminho(), ini, {"executar"});
  // Stopped a few seconds in, while the stock movements are being applied (the databases are
  // held by the running tool until it ends, so they are looked at afterwards).
  std::this_thread::sleep_for(std::chrono::seconds(6));
  ASSERT_EQ(kill(pid, SIGTERM), 0);
  const auto antes = std::chrono::steady_clock::now();
  const int status = FEspera(pid, std::chrono::seconds(30));
  const auto tempo = std::chrono::steady_clock::now() - antes;
  EXPECT_EQ(status, 0) << FLeArquivo(pasta / "executar.err");
  EXPECT_LT(tempo, std::chrono::seconds(10));
  const std::string saida = FLeArquivo(pasta / "executar.out");
  EXPECT_NE(saida.find("executar: parado por SIGTERM"), std::string::npos) << saida;

  // Stopped mid-run: some rows applied, some still queued, none in limbo, none half-applied.
  const int restantes = conta(caixa(1), "SELECT COUNT(*) FROM INTEGECF");
  EXPECT_GT(restantes, 0);
  EXPECT_LT(restantes, fila);
  EXPECT_EQ(limbo(central()), 0u);
  EXPECT_EQ(limbo(caixa(1)), 0u);
  for (const char* tabela : {"ENCERRA", "MVGERAL", "PEDIDOC", "PEDIDOI", "VENDPDV"}) {
    const int noCentral = conta(central(), std::string("SELECT COUNT(*) FROM ") + tabela);
    const int naFila = conta(caixa(1), std::string("SELECT COUNT(*) FROM INTEGECF WHERE TABELA = '") +
                                           tabela + "'");
    EXPECT_EQ(noCentral + naFila, conta(caixa(1), std::string("SELECT COUNT(*) FROM ") + tabela))
        << tabela;
  }

  r = roda("sincronizar-vendas");
  EXPECT_EQ(r.status, 0) << r.erro << r.saida;
  EXPECT_EQ(conta(caixa(1), "SELECT COUNT(*) FROM INTEGECF"), 0);
  EXPECT_EQ(conta(central(), "SELECT COUNT(*) FROM MVGERAL"),
            conta(caixa(1), "SELECT COUNT(*) FROM MVGERAL"));

  // A stop during the wait between two cycles ends it at once.
  const pid_t ocioso = FInicia(pasta.caminho(), ini, {"executar"});
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  ASSERT_EQ(kill(ocioso, SIGINT), 0);
  const auto antes2 = std::chrono::steady_clock::now();
  EXPECT_EQ(FEspera(ocioso, std::chrono::seconds(30)), 0) << FLeArquivo(pasta / "executar.err");
  EXPECT_LT(std::chrono::steady_clock::now() - antes2, std::chrono::seconds(4));
  EXPECT_NE(FLeArquivo(pasta / "executar.out").find("parado por SIGINT"), std::string::npos);
}

// --- Every replicated table, column for column ------------------------------------------------

// The declared text length of each column of a table in one database.
std::map<std::string, int> FLarguras(fb::Connection& c, std::string_view tabela) {
  fb::Statement st(c,
                   "SELECT TRIM(RF.RDB$FIELD_NAME), COALESCE(F.RDB$CHARACTER_LENGTH, 0) FROM "
                   "RDB$RELATION_FIELDS RF JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = "
                   "RF.RDB$FIELD_SOURCE WHERE RF.RDB$RELATION_NAME = :T");
  st.setString("T", tabela);
  auto rs = st.executeQuery();
  std::map<std::string, int> larguras;
  while (rs.next()) larguras[rs.getString(0u)] = rs.getInt(1u);
  return larguras;
}

bool fbChave(const TTabelaCatalogo& t, std::string_view coluna) {
  for (std::string_view k : t.chavePk)
    if (k == coluna) return true;
  return false;
}

// Text of accented Latin-1 letters cut to `largura` characters; `marca` makes keys distinct.
std::string FTexto(int largura, char marca) {
  static const std::string base = "ÁÉÍÓÚ çãõ âêô àü ÇÑ São João";
  std::string t(1, marca);
  std::size_t i = 0;
  int n = 1;
  while (n < largura) {
    const unsigned char c = static_cast<unsigned char>(base[i % base.size()]);
    const std::size_t tamanho = c < 0x80 ? 1 : 2;
    t += base.substr(i % base.size(), tamanho);
    i += tamanho;
    ++n;
  }
  return t;
}

// Inserts two rows of `tabela`: "cheia" with every column given (text with accents, a long blob
// with line breaks, dates with times, fractions, negative integers) and "nula" with its key alone.
void PInsereLinhas(fb::Connection& c, const TTabelaCatalogo& t) {
  const auto larguras = FLarguras(c, t.nome);
  for (const bool cheia : {true, false}) {
    std::string colunas, parametros;
    std::vector<const TColunaCatalogo*> usadas;
    for (const TColunaCatalogo& col : t.colunas) {
      if (!cheia && !fbChave(t, col.nome) && !col.notNull) continue;
      colunas += (colunas.empty() ? "" : ", ") + std::string(col.nome);
      parametros += (parametros.empty() ? ":" : ", :") + std::string(col.nome);
      usadas.push_back(&col);
    }
    fb::Statement st(c, "INSERT INTO " + std::string(t.nome) + " (" + colunas + ") VALUES (" +
                            parametros + ")");
    const char marca = cheia ? 'A' : 'B';
    for (std::size_t i = 0; i < usadas.size(); ++i) {
      const TColunaCatalogo& col = *usadas[i];
      const int k = static_cast<int>(i);
      switch (col.tipo) {
        case TTipoValor::Texto:
          if (col.blob)
            st.setBlob(col.nome, "Observação longa: " + std::string(3000, 'x') +
                                     "\r\nçãõ ÁÉÍ fim\n");
          else
            st.setString(col.nome, FTexto(larguras.at(std::string(col.nome)), marca));
          break;
        case TTipoValor::Inteiro:
          st.setInt(col.nome, fbChave(t, col.nome) ? (cheia ? 1 : 2) : -1000 - k);
          break;
        case TTipoValor::Flutuante:
          st.setDouble(col.nome, fbChave(t, col.nome) ? (cheia ? 1.5 : 2.5) : 1234.5678 + k);
          break;
        case TTipoValor::DataHora:
          st.setDateTime(col.nome, FEncodeDataHora(2016, 12, cheia ? 16 : 17, 9, 5, 7) +
                                       (fbChave(t, col.nome) ? 0 : k));
          break;
      }
    }
    st.execute();
  }
}

// Compares the two rows of `tabela` in `origem` and `destino`: the full one equal column for
// column; the one of NULLs arrived as "", 0 or 30 December 1899, never NULL.
void PComparaLinhas(fb::Connection& origem, fb::Connection& destino, const TTabelaCatalogo& t,
                    const std::string& onde) {
  std::string colunas;
  for (const TColunaCatalogo& col : t.colunas)
    colunas += (colunas.empty() ? "" : ", ") + std::string(col.nome);
  std::string ordem;
  for (std::string_view k : t.chavePk) ordem += (ordem.empty() ? "" : ", ") + std::string(k);
  const std::string sql = "SELECT " + colunas + " FROM " + std::string(t.nome) + " ORDER BY " + ordem;
  fb::Statement so(origem, sql), sd(destino, sql);
  auto ro = so.executeQuery();
  auto rd = sd.executeQuery();
  for (int linha = 0; linha < 2; ++linha) {
    ASSERT_TRUE(ro.next()) << onde << " " << t.nome;
    ASSERT_TRUE(rd.next()) << onde << " " << t.nome << ": linha " << linha << " não chegou";
    for (const TColunaCatalogo& col : t.colunas) {
      const std::string nome(col.nome);
      const std::string rotulo = onde + " " + std::string(t.nome) + "." + nome + " linha " +
                                 std::to_string(linha);
      const bool nula = ro.isNull(nome);
      if (!nula) {
        // MVGERAL's insert always writes SEQUENCIA 0.
        if (t.nome == "MVGERAL" && nome == "SEQUENCIA")
          EXPECT_EQ(rd.getInt(nome), 0) << rotulo;
        else if (col.tipo == TTipoValor::Flutuante)
          EXPECT_EQ(rd.getDouble(nome), ro.getDouble(nome)) << rotulo;
        else if (col.tipo == TTipoValor::DataHora)
          EXPECT_NEAR(rd.getDateTime(nome), ro.getDateTime(nome), 1e-9) << rotulo;
        else
          EXPECT_EQ(rd.getString(nome), ro.getString(nome)) << rotulo;
        continue;
      }
      if (!col.blob) {
        EXPECT_FALSE(rd.isNull(nome)) << rotulo << " ficou NULL";
      }
      switch (col.tipo) {
        case TTipoValor::Texto: {
          std::string v = rd.getString(nome);
          v.erase(v.find_last_not_of(' ') + 1);
          EXPECT_EQ(v, "") << rotulo;
          break;
        }
        case TTipoValor::Inteiro: EXPECT_EQ(rd.getInt(nome), 0) << rotulo; break;
        case TTipoValor::Flutuante: EXPECT_EQ(rd.getDouble(nome), 0.0) << rotulo; break;
        case TTipoValor::DataHora: EXPECT_EQ(rd.getDateTime(nome), 0.0) << rotulo; break;
      }
    }
  }
}

TEST_F(CliCiclosTest, EveryCarriedTableArrivesColumnForColumn) {
  criaLoja(2);
  std::vector<const TTabelaCatalogo*> cadastros, vendas;
  for (std::string_view nome : kTabelasCadastro) cadastros.push_back(FProcuraTabela(nome));
  TSelecaoTabelas todas;
  todas.PMarcaTodas(true);
  for (const TTabelaCaptura& t : FTabelasCaptura(todas, false)) vendas.push_back(FProcuraTabela(t.tabela));
  ASSERT_EQ(cadastros.size(), 7u);
  ASSERT_EQ(vendas.size(), 25u);
  {
    // The demo's own master data is replaced by the two rows of each table.
    fb::Connection c(FConfiguracaoEmbarcada(central().string()));
    c.open();
    for (const TTabelaCatalogo* t : cadastros) {
      c.execute("DELETE FROM " + std::string(t->nome));
      PInsereLinhas(c, *t);
    }
    c.execute("DELETE FROM INTEGECF WHERE ACAO = 'E'");
    fb::Connection v(FConfiguracaoEmbarcada(caixa(1).string()));
    v.open();
    for (const TTabelaCatalogo* t : vendas) PInsereLinhas(v, *t);
  }

  auto r = roda("sincronizar-cadastros");
  ASSERT_EQ(r.status, 0) << r.erro << r.saida;
  r = roda("sincronizar-vendas");
  ASSERT_EQ(r.status, 0) << r.erro << r.saida;
  EXPECT_NE(r.saida.find("  máquina 001  aplicadas 50  pendentes 0"), std::string::npos) << r.saida;

  fb::Connection c(FConfiguracaoEmbarcada(central().string()));
  c.open();
  for (int n : {1, 2}) {
    fb::Connection cx(FConfiguracaoEmbarcada(caixa(n).string()));
    cx.open();
    for (const TTabelaCatalogo* t : cadastros) PComparaLinhas(c, cx, *t, "caixa " + std::to_string(n));
    if (n == 1)
      for (const TTabelaCatalogo* t : vendas) PComparaLinhas(cx, c, *t, "servidor");
  }
}

}  // namespace
