// The sales cycle when the server of one point of sale stops in the middle of it: the points of
// sale before and after it are still worked off in that cycle, and once the server is back a new
// cycle carries every change of the stopped one exactly once, with no transaction left in limbo.
//
// Three points of sale: 1 and 3 are local files opened in-process, 2 lives on a Firebird server of
// the test's own (never the machine's shared one), which the test kills as a crash would.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "SuporteMotor.h"
#include "SuporteServidorPrivado.h"
#include "engine/UBancoDados.h"
#include "firebird/Statement.h"
#include "schema/UCatalogo.h"
#include "schema/UClassAtualizaBd.h"
#include "support/BancoTeste.h"
#include "support/PastaTemporaria.h"

namespace {

const std::string kSenha = FConfiguracaoServidor("").password;
const char* const kTabelas[] = {"VENDPDV", "SANGRIA"};

// The declared length of a text domain ("VARCHAR(40)" gives 40).
std::size_t FComprimento(const TColunaCatalogo& coluna) {
  const std::string_view tipo = FDominio(coluna.dominio).Tipo;
  const auto abre = tipo.find('(');
  return abre == std::string_view::npos ? 1 : std::stoul(std::string(tipo.substr(abre + 1)));
}

// Every column of `tabela` as text, one entry per row, keyed by the primary key; a NULL would
// show as "<null>" (nothing here writes one).
using TLinhas = std::map<std::string, std::vector<std::string>>;

TLinhas FLeTabela(fb::Connection& c, const TTabelaCatalogo& tabela, const std::string& filtro) {
  std::string sql = "SELECT ";
  for (std::size_t i = 0; i < tabela.colunas.size(); ++i)
    sql += (i ? ", " : "") + std::string("COALESCE(CAST(") + std::string(tabela.colunas[i].nome) +
           " AS VARCHAR(300)), \"<null>\")";
  sql += " FROM " + std::string(tabela.nome) + " WHERE " + filtro;
  fb::Statement q(c, sql, false);
  auto r = q.executeQuery();
  TLinhas linhas;
  while (r.next()) {
    std::vector<std::string> valores;
    for (unsigned i = 0; i < tabela.colunas.size(); ++i) valores.push_back(r.getString(i));
    std::string chave;
    for (std::string_view k : tabela.chavePk)
      chave += valores[FPosicaoColuna(tabela, k)] + "|";
    linhas[chave] = std::move(valores);
  }
  return linhas;
}

// What differs between the rows of the source and of the target, by key: "" when they are equal.
std::string FDiferencas(const TLinhas& origem, const TLinhas& destino) {
  std::string texto;
  int n = 0;
  auto nota = [&](const std::string& o) {
    if (n++ < 5) texto += "\n  " + o;
  };
  for (const auto& [chave, valores] : origem) {
    auto it = destino.find(chave);
    if (it == destino.end()) nota("missing at the target: " + chave);
    else if (it->second != valores) nota("different columns: " + chave);
  }
  for (const auto& [chave, valores] : destino)
    if (!origem.count(chave)) nota("only at the target: " + chave);
  if (n > 5) texto += "\n  ... " + std::to_string(n - 5) + " more";
  return texto;
}

int FConta(fb::Connection& c, const std::string& sql) {
  fb::Statement q(c, sql, false);
  auto r = q.executeQuery();
  r.expectOneRow();
  return r.getInt(0u);
}

class UBancoDadosServidorParadoTest : public ::testing::Test {
 protected:
  TPastaTemporaria pasta;
  TLogTeste log{pasta / "LogIntg"};
  TNotificadorGravador notificador;
  TServidorPrivado servidorCaixa2{pasta / "fbroot"};
  std::unique_ptr<TBancoTeste> central;
  // The till's own connection to each point of sale, as the store system writes its sales.
  std::vector<std::unique_ptr<fb::Connection>> lojas;
  std::vector<std::string> caminhos;  // the engine's path of each point of sale
  std::unique_ptr<TBancoDados> vendas;
  int proximoCupom = 1;
  std::map<int, int> ultimaVenda;  // per point of sale, the number of its last sale
  std::map<int, int> vendasDaCaixa;  // per point of sale, how many sales it rang up

  static std::string FMaquina(int caixa) {
    char m[8];
    std::snprintf(m, sizeof m, "%03d", caixa % 1000);
    return m;
  }

  void SetUp() override {
    servidorCaixa2.PInicia();
    central = std::make_unique<TBancoTeste>(pasta / "servidor.fdb");
    for (int c = 1; c <= 3; ++c) central->adicionaMaquina({FMaquina(c), "SERIE" + FMaquina(c)});
    PCriaTabelas(central->conexao());
    for (int c = 1; c <= 3; ++c) {
      TBancoTeste caixa(pasta / ("caixa" + std::to_string(c) + ".fdb"));
      caixa.adicionaMaquina({FMaquina(c), "SERIE" + FMaquina(c)});
      PCriaTabelas(caixa.conexao());
      caixa.fecha();
      caminhos.push_back(c == 2 ? servidorCaixa2.FCaminho(caixa.arquivo()) : caixa.caminho());
    }
    {
      // The capture objects and triggers, installed by the agent itself.
      TBancoDados cadastro(notificador);
      ASSERT_TRUE(cadastro.FCriaConexao(central->caminho(), "SYSDBA", kSenha, "ConexaoServidor",
                                        true));
      for (const std::string& caminho : caminhos)
        ASSERT_TRUE(cadastro.FCriaConexao(caminho, "SYSDBA", kSenha, "", true))
            << caminho << ": " << (notificador.avisos.empty() ? "" : notificador.avisos.back());
      ASSERT_TRUE(cadastro.FConfiguraBanco(false));
      for (const char* t : kTabelas) cadastro.PCriaTrigger(t, false);
    }
    for (const std::string& caminho : caminhos) {
      lojas.push_back(std::make_unique<fb::Connection>(
          fb::ConnectionSettings{caminho, "SYSDBA", kSenha, caminho.find(':') == std::string::npos}));
      lojas.back()->open();
    }
    vendas = std::make_unique<TBancoDados>(notificador);
    ASSERT_TRUE(vendas->FCriaConexao(central->caminho(), "SYSDBA", kSenha, "ConexaoServidorVend",
                                     true));
    for (const std::string& caminho : caminhos)
      ASSERT_TRUE(vendas->FCriaConexao(caminho, "SYSDBA", kSenha, "", true));
  }

  void TearDown() override {
    vendas.reset();
    lojas.clear();
  }

  static void PCriaTabelas(fb::Connection& c) {
    for (const char* nome : kTabelas) {
      const TTabelaCatalogo& tabela = *FProcuraTabela(nome);
      TNotificadorGravador avisos;
      TUtilsAtualizaBD utils(c, avisos);
      for (TDominioId d : tabela.dominios)
        ASSERT_TRUE(utils.fbAtualizaEstruturaDominio(std::string(FDominio(d).Nome),
                                                     std::string(FDominio(d).Tipo), ""));
      FRetornaEstruturaTabela(tabela)->PAtualizaBancoDeDados(c, avisos);
    }
  }

  // Inserts one row with every column filled (text to its declared length, accents included, a
  // date with a time), the given columns taking the given values.
  static void PInsere(fb::Connection& c, const TTabelaCatalogo& tabela,
                      const std::map<std::string, std::string>& valores, int semente) {
    std::string colunas, parametros;
    for (const TColunaCatalogo& col : tabela.colunas) {
      colunas += (colunas.empty() ? "" : ", ") + std::string(col.nome);
      parametros += (parametros.empty() ? ":" : ", :") + std::string(col.nome);
    }
    fb::Statement st(c, "INSERT INTO " + std::string(tabela.nome) + " (" + colunas +
                            ") VALUES (" + parametros + ")");
    for (const TColunaCatalogo& col : tabela.colunas) {
      const std::string nome(col.nome);
      auto v = valores.find(nome);
      switch (col.tipo) {
        case TTipoValor::Texto: {
          std::string texto = v != valores.end() ? v->second : "AÇÃO " + std::to_string(semente);
          // Cut to the declared length in characters (each accented letter is one).
          std::string cortado;
          std::size_t n = 0;
          for (std::size_t i = 0; i < texto.size() && n < FComprimento(col); ++n) {
            const std::size_t largura = (static_cast<unsigned char>(texto[i]) & 0xE0) == 0xC0 ? 2 : 1;
            cortado += texto.substr(i, largura);
            i += largura;
          }
          st.setString(nome, cortado);
          break;
        }
        case TTipoValor::Inteiro:
          st.setInt(nome, semente);
          break;
        case TTipoValor::Flutuante:
          st.setDouble(nome, semente * 1.25);
          break;
        case TTipoValor::DataHora:
          st.setDateTime(nome, FEncodeDataHora(2026, 12, 9, 9, 5, 7));
          break;
      }
    }
    st.execute();
  }

  // One sale at point of sale `caixa` (1 to 3): three items and a cash withdrawal, each
  // committed as the till commits it; every third sale also changes an item and removes the
  // withdrawal of that till's sale before it.
  void PVende(int caixa) {
    fb::Connection& c = *lojas[caixa - 1];
    const std::string maquina = FMaquina(caixa);
    char cupom[16];
    std::snprintf(cupom, sizeof cupom, "%06d", proximoCupom % 1000000);
    const int n = proximoCupom++;
    const int anteriorDaCaixa = ultimaVenda[caixa];
    ultimaVenda[caixa] = n;
    c.startTransaction();
    for (int item = 1; item <= 3; ++item)
      PInsere(c, TabelaVendpdv,
              {{"CODEMPRESA", "01"}, {"PDV", maquina}, {"CUPOM", cupom},
               {"ITEM", "00" + std::to_string(item)}, {"CODPROD", "00000" + std::to_string(item)},
               {"CODGRADE", "UN"}, {"MAQUINA", maquina}},
              n * 10 + item);
    char sangria[16];
    std::snprintf(sangria, sizeof sangria, "%05d", n % 100000);
    PInsere(c, TabelaSangria,
            {{"CODSANGRIA", sangria}, {"USUARIO", "CAIXA"}, {"MAQUINA", maquina},
             {"MOTIVO", "Troco para o caixa nº " + std::to_string(n) + ", São João"}},
            n);
    c.commit();
    if (++vendasDaCaixa[caixa] % 3 == 0) {
      c.startTransaction();
      fb::Statement up(c, "UPDATE VENDPDV SET QUANTIDADE = QUANTIDADE + 1 WHERE CUPOM = :C AND PDV = :P");
      up.setString("C", cupom);
      up.setString("P", maquina);
      up.execute();
      char anterior[16];
      std::snprintf(anterior, sizeof anterior, "%05d", anteriorDaCaixa % 100000);
      fb::Statement del(c, "DELETE FROM SANGRIA WHERE CODSANGRIA = :S AND MAQUINA = :M");
      del.setString("S", anterior);
      del.setString("M", maquina);
      del.execute();
      c.commit();
    }
  }

  int FFila(int caixa) { return FConta(*lojas[caixa - 1], "SELECT COUNT(*) FROM INTEGECF"); }

  // Point of sale `caixa` and the central database hold the same rows, column for column.
  void PConfereIgual(int caixa) {
    const std::string maquina = FMaquina(caixa);
    fb::Connection& loja = *lojas[caixa - 1];
    fb::Connection& c = central->conexao();
    const std::string fv = "PDV = \"" + maquina + "\"", fs = "MAQUINA = \"" + maquina + "\"";
    const TLinhas origemV = FLeTabela(loja, TabelaVendpdv, fv);
    const TLinhas origemS = FLeTabela(loja, TabelaSangria, fs);
    EXPECT_FALSE(origemV.empty());
    EXPECT_EQ(FDiferencas(origemV, FLeTabela(c, TabelaVendpdv, fv)), "")
        << "VENDPDV of point of sale " << caixa;
    EXPECT_EQ(FDiferencas(origemS, FLeTabela(c, TabelaSangria, fs)), "")
        << "SANGRIA of point of sale " << caixa;
  }

  void PConfereTudo() {
    for (int caixa = 1; caixa <= 3; ++caixa) {
      EXPECT_EQ(FFila(caixa), 0) << "queue of point of sale " << caixa;
      PConfereIgual(caixa);
    }
    EXPECT_TRUE(central->conexao().limboTransactions().empty()) << "limbo left in the centre";
    for (auto& loja : lojas)
      EXPECT_TRUE(loja->limboTransactions().empty()) << "limbo left at " << loja->database();
  }

  // Four sales at every point of sale, with the till of point of sale 2 open only meanwhile (its
  // server is the one that goes down). Returns how many rows point of sale 2 then has queued.
  int PVendeEmTodas() {
    lojas[1]->open();
    for (int venda = 0; venda < 4; ++venda)
      for (int caixa = 1; caixa <= 3; ++caixa) PVende(caixa);
    filaGuardada = {FFila(1), FFila(2), FFila(3)};
    lojas[1]->close();
    return filaGuardada[1];
  }
  int FFilaGuardada(int caixa) const { return filaGuardada[caixa - 1]; }
  std::vector<int> filaGuardada;

  // After a cycle during which the server of point of sale 2 went down: the cycle said so, the
  // others were worked off whole, and 2 kept some of its rows. The central tables are compared
  // only after the next cycle: a row of 2 prepared in the centre before its server died stays in
  // limbo until 2 can be asked again, and any scan that meets it fails meanwhile.
  void PConfereDepoisDaQueda(bool resultado, int fila2) {
    ASSERT_FALSE(servidorCaixa2.fbAtivo());
    EXPECT_FALSE(resultado);
    EXPECT_EQ(FFila(1), 0);
    EXPECT_EQ(FFila(3), 0);
    const auto& resumo = vendas->GetResumoCiclo();
    ASSERT_EQ(resumo.size(), 3u);
    EXPECT_LT(resumo[1].aplicadas, static_cast<std::size_t>(fila2));
    EXPECT_EQ(resumo[2].aplicadas, static_cast<std::size_t>(FFilaGuardada(3)));
  }

  // The server back, one more cycle carries everything.
  void PRetomaEConfere() {
    servidorCaixa2.PInicia();
    EXPECT_TRUE(vendas->FAtualizacoesVenda());
    lojas[1]->open();
    PConfereTudo();
    lojas[1]->close();
  }

  // Calls `acao` before row `linha` (counted from 1 over the whole cycle, all points of sale).
  void PAntesDaLinha(int linha, std::function<void()> acao) {
    auto contador = std::make_shared<int>(0);
    vendas->PDefineProcessaEventos([contador, linha, acao] {
      if (++*contador == linha) acao();
    });
  }
};

// The server of point of sale 2 dies between two of its rows: points of sale 1 and 3 are worked
// off in the same cycle, 2 keeps its remaining rows, and the next cycle after the restart carries
// them all.
TEST_F(UBancoDadosServidorParadoTest, ServerStoppedBetweenRowsLosesNothingAndOthersGoOn) {
  for (int venda = 0; venda < 6; ++venda)
    for (int caixa = 1; caixa <= 3; ++caixa) PVende(caixa);
  lojas[1]->close();  // the till itself is down with its server
  const int fila1 = FFila(1);
  ASSERT_GT(fila1, 10);

  // Rows 1..fila1 are point of sale 1; stop the server before the fifth row of point of sale 2.
  PAntesDaLinha(fila1 + 5, [this] { servidorCaixa2.PPara(); });
  EXPECT_FALSE(vendas->FAtualizacoesVenda());

  EXPECT_EQ(FFila(1), 0);
  EXPECT_EQ(FFila(3), 0);
  PConfereIgual(1);
  PConfereIgual(3);
  const auto& resumo = vendas->GetResumoCiclo();
  ASSERT_EQ(resumo.size(), 3u);
  EXPECT_EQ(resumo[1].aplicadas, 4u);
  EXPECT_GT(resumo[2].aplicadas, 0u);

  servidorCaixa2.PInicia();
  lojas[1]->open();
  PAntesDaLinha(0, [] {});
  EXPECT_TRUE(vendas->FAtualizacoesVenda());
  PConfereTudo();
}

// The server of point of sale 2 stops right after each step of its third row in turn (the
// write, the queue-row delete, the prepare, the source's commit, the centre's commit): points of
// sale 1 and 3 are worked off in that cycle, and after the restart one more cycle leaves both
// sides equal, every queue empty and no transaction in limbo anywhere.
TEST_F(UBancoDadosServidorParadoTest, ServerStoppedAfterEachStepOfARowLosesNothingAndAppliesOnce) {
  lojas[1]->close();
  const std::pair<TPassoLinha, const char*> passos[] = {
      {TPassoLinha::AposEscrita, "the write"},
      {TPassoLinha::AposExclusao, "the queue-row delete"},
      {TPassoLinha::AposPreparo, "the prepare"},
      {TPassoLinha::AposConfirmacaoFonte, "the source's commit"},
      {TPassoLinha::AposConfirmacao, "the centre's commit"}};
  for (const auto& [passo, nome] : passos) {
    SCOPED_TRACE(std::string("server stopped after ") + nome + " of row 3 of point of sale 2");
    const int fila2 = PVendeEmTodas();
    int vistas = 0;
    vendas->PDefineObservadorPasso([&, passo = passo](TPassoLinha p, const TLinhaIntegECF& linha) {
      if (p == passo && linha.ecf == "0002" && ++vistas == 3) servidorCaixa2.PPara();
    });
    const bool resultado = vendas->FAtualizacoesVenda();
    vendas->PDefineObservadorPasso({});
    ASSERT_EQ(vistas, 3);
    PConfereDepoisDaQueda(resultado, fila2);
    PRetomaEConfere();
    if (HasFailure()) break;
  }
}

// The server dies at an arbitrary moment inside a row, from another thread, so that it also hits
// the middle of a statement or of a commit on its way (a commit that the server may or may not
// have carried out before it died): whatever it hits, the next cycle after the restart leaves
// both sides equal, every queue empty and no transaction in limbo.
TEST_F(UBancoDadosServidorParadoTest, ServerKilledAtAnyMomentOfARowLosesNothingAndAppliesOnce) {
  lojas[1]->close();
  for (int atrasoUs : {0, 300, 700, 1200, 2000, 3500, 6000}) {
    SCOPED_TRACE("server killed " + std::to_string(atrasoUs) + " us into row 3 of point of sale 2");
    const int fila2 = PVendeEmTodas();
    const int fila1 = FFilaGuardada(1);
    std::thread assassino;
    PAntesDaLinha(fila1 + 3, [this, &assassino, atrasoUs] {
      assassino = std::thread([this, atrasoUs] {
        std::this_thread::sleep_for(std::chrono::microseconds(atrasoUs));
        servidorCaixa2.PPara();
      });
    });
    const bool resultado = vendas->FAtualizacoesVenda();
    if (assassino.joinable()) assassino.join();
    PAntesDaLinha(0, [] {});
    PConfereDepoisDaQueda(resultado, fila2);
    PRetomaEConfere();
    if (HasFailure()) break;
  }
}

}  // namespace
