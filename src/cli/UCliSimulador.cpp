#include "cli/UCliSimulador.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "cli/UCliSessao.h"
#include "firebird/Statement.h"
#include "platform/UConfiguracao.h"
#include "platform/UDataHora.h"
#include "schema/UCatalogo.h"

namespace {

struct TData {
  TDateTime valor;
};
using TValor = std::variant<std::string, std::int32_t, double, TData>;
struct TCampo {
  std::string_view coluna;
  TValor valor;
};

// Inserts rows of catalogue tables as the store's system does: one INSERT naming the columns it
// fills, values bound. NOT NULL columns it does not name get the empty value of their type. The
// statements are prepared once per table and column list.
class TInsercoes {
 public:
  explicit TInsercoes(fb::Connection& conexao) : conexao_(conexao) {}

  void PInsere(std::string_view nomeTabela, const std::vector<TCampo>& campos) {
    const TTabelaCatalogo* tabela = FProcuraTabela(nomeTabela);
    if (!tabela) throw std::logic_error("tabela fora do catálogo: " + std::string(nomeTabela));
    std::vector<std::pair<const TColunaCatalogo*, const TValor*>> usadas;
    static const TValor vazio{};
    for (const TColunaCatalogo& coluna : tabela->colunas) {
      const TValor* valor = nullptr;
      for (const TCampo& c : campos)
        if (c.coluna == coluna.nome) valor = &c.valor;
      if (valor || coluna.notNull) usadas.emplace_back(&coluna, valor ? valor : &vazio);
    }
    for (const TCampo& c : campos)
      if (FPosicaoColuna(*tabela, c.coluna) == NaoEncontrado)
        throw std::logic_error("coluna fora do catálogo: " + std::string(nomeTabela) + "." +
                               std::string(c.coluna));
    std::string colunas, parametros;
    for (const auto& [coluna, valor] : usadas) {
      colunas += (colunas.empty() ? "" : ", ") + std::string(coluna->nome);
      parametros += (parametros.empty() ? ":" : ", :") + std::string(coluna->nome);
    }
    const std::string sql = "INSERT INTO " + std::string(tabela->nome) + " (" + colunas +
                            ") VALUES (" + parametros + ")";
    auto& st = preparados_[sql];
    if (!st) st = std::make_unique<fb::Statement>(conexao_, sql);
    for (const auto& [coluna, valor] : usadas) PLiga(*st, *coluna, *valor);
    st->execute();
  }

 private:
  static void PLiga(fb::Statement& st, const TColunaCatalogo& coluna, const TValor& valor) {
    const bool dado = !std::holds_alternative<std::string>(valor) ||
                      !std::get<std::string>(valor).empty();
    switch (coluna.tipo) {
      case TTipoValor::Texto:
        if (const auto* t = std::get_if<std::string>(&valor)) {
          coluna.blob ? st.setBlob(coluna.nome, *t) : st.setString(coluna.nome, *t);
          return;
        }
        break;
      case TTipoValor::Inteiro:
        if (const auto* i = std::get_if<std::int32_t>(&valor)) return st.setInt(coluna.nome, *i);
        if (!dado) return st.setInt(coluna.nome, 0);
        break;
      case TTipoValor::Flutuante:
        if (const auto* d = std::get_if<double>(&valor)) return st.setDouble(coluna.nome, *d);
        if (!dado) return st.setDouble(coluna.nome, 0.0);
        break;
      case TTipoValor::DataHora:
        if (const auto* d = std::get_if<TData>(&valor)) return st.setDateTime(coluna.nome, d->valor);
        if (!dado) return st.setDateTime(coluna.nome, 0.0);
        break;
    }
    throw std::logic_error("valor de outro tipo para a coluna " + std::string(coluna.nome));
  }

  fb::Connection& conexao_;
  std::map<std::string, std::unique_ptr<fb::Statement>> preparados_;
};

// Runs `acao` in one transaction of `conexao`: committed when it returns, rolled back when it
// throws.
template <typename F>
void PEmTransacao(fb::Connection& conexao, F&& acao) {
  conexao.startTransaction();
  try {
    acao();
    conexao.commit();
  } catch (...) {
    conexao.rollback();
    throw;
  }
}

std::string FAparado(std::string texto) {
  const auto fim = texto.find_last_not_of(' ');
  texto.erase(fim == std::string::npos ? 0 : fim + 1);
  return texto;
}

std::string FZeros(long numero, int largura) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%0*ld", largura, numero);
  return buf;
}

std::string FHora(TDateTime momento, bool segundos) {
  const TDataHoraPartes p = FDecodeDataHora(momento);
  char buf[16];
  if (segundos)
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", p.hora, p.minuto, p.segundo);
  else
    std::snprintf(buf, sizeof buf, "%02d:%02d", p.hora, p.minuto);
  return buf;
}

std::string FMoeda(double valor) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", valor);
  std::string texto = buf;
  texto[texto.find('.')] = ',';
  return "R$ " + texto;
}

double FArredonda(double valor) { return std::round(valor * 100.0) / 100.0; }

long FNumeroOuZero(const std::string& texto) {
  const std::string t = FAparado(texto);
  long n = 0;
  const auto r = std::from_chars(t.data(), t.data() + t.size(), n);
  return r.ec == std::errc() && r.ptr == t.data() + t.size() ? n : 0;
}

struct TProduto {
  std::string codigo, descricao;
  double preco = 0;
};

// The products of the central database, which every point of sale sells. A product without a
// price gets one of its own, fixed by its code, so that the sale has values.
std::vector<TProduto> FProdutos(fb::Connection& central) {
  std::vector<TProduto> produtos;
  fb::Statement st(central,
                   "SELECT PRODUTO.CODPROD, PRODUTO.DESCRICAO, PRODUTO.PRECO FROM PRODUTO "
                   "ORDER BY PRODUTO.CODPROD");
  auto rs = st.executeQuery();
  while (rs.next()) {
    TProduto p{FAparado(rs.getString(0u)), FAparado(rs.getString(1u)), rs.getDouble(2u)};
    if (!(p.preco > 0)) p.preco = FArredonda(2.49 + static_cast<double>(FNumeroOuZero(p.codigo) % 17) * 1.75);
    produtos.push_back(std::move(p));
  }
  return produtos;
}

struct TCaixaSimulado {
  std::size_t posicao = 0;
  std::string maquina, empresa, numSerie;
  long ultimoCupom = 0;
  long primeiro = 0, vendas = 0;
};

// Rings up one sale at a point of sale: the order with its items, the same items as the
// point-of-sale sale, its closing (paid in cash) and one stock movement per item, in one
// transaction, as the store's system writes a sale.
double PRegistraVenda(fb::Connection& conexao, TInsercoes& insercoes, TCaixaSimulado& caixa,
                      const std::vector<TProduto>& produtos) {
  const long cupomNumero = caixa.ultimoCupom + 1;
  if (cupomNumero > 99999)
    throw std::runtime_error("o caixa " + caixa.maquina + " chegou ao último cupom simulado (99999)");
  const std::string cupom = FZeros(cupomNumero, 6);
  const std::string pedido = FZeros(FNumeroOuZero(caixa.maquina), 3) + FZeros(cupomNumero, 5);
  const std::string cliente = "00000001";
  const TDateTime agora = FAgora();
  const TData hoje{std::floor(agora)};

  // The items are distinct products: a product appears once per order and stock movement.
  std::mt19937 sorteio(static_cast<unsigned>(cupomNumero * 1000 + FNumeroOuZero(caixa.maquina)));
  const std::size_t itens =
      std::min<std::size_t>(produtos.size(), 1 + sorteio() % 3);
  std::vector<std::size_t> escolhidos;
  while (escolhidos.size() < itens) {
    const std::size_t i = sorteio() % produtos.size();
    if (std::find(escolhidos.begin(), escolhidos.end(), i) == escolhidos.end()) escolhidos.push_back(i);
  }

  struct TItem {
    const TProduto* produto;
    std::int32_t numero;
    double quantidade, total;
  };
  std::vector<TItem> lista;
  double total = 0;
  for (std::size_t n = 0; n < escolhidos.size(); ++n) {
    const TProduto& p = produtos[escolhidos[n]];
    const double quantidade = static_cast<double>(1 + sorteio() % 4);
    lista.push_back({&p, static_cast<std::int32_t>(n + 1), quantidade, FArredonda(quantidade * p.preco)});
    total += lista.back().total;
  }
  total = FArredonda(total);
  // Paid in cash, rounded up to the next five reais.
  const double pago = std::ceil(total / 5.0) * 5.0;

  PEmTransacao(conexao, [&] {
    insercoes.PInsere(
        "PEDIDOC",
        {{"CODEMPRESA", caixa.empresa}, {"TIPOPEDIDO", std::string("55")}, {"CODPEDIDO", pedido},
         {"CODCLIENTE", cliente}, {"DATAPEDIDO", hoje}, {"CODPRAZO", std::string("001")},
         {"FATURADO", std::string("S")}, {"CODVENDEDOR", std::string("0001")},
         {"CODOPER", std::string("001")}, {"TURNO", std::string("1")}, {"DESCONTOVLR", 0.0},
         {"TOTALPEDIDO", total}, {"USUARIO", std::string("CAIXA")},
         {"HORA", FHora(agora, true)}, {"NUMCUPOM", cupom}, {"MAQUINA", caixa.maquina},
         {"OBSERVACAO1", std::string("VENDA À VISTA NO CAIXA ") + caixa.maquina},
         {"OBSERVACAO", "Cupom " + cupom + " - pago em dinheiro " + FMoeda(pago) + ", troco " +
                            FMoeda(pago - total) + ".\r\nObrigado pela preferência!"}});
    for (const TItem& item : lista) {
      const TProduto& p = *item.produto;
      insercoes.PInsere("PEDIDOI",
                        {{"CODEMPRESA", caixa.empresa}, {"TIPOPEDIDO", std::string("55")},
                         {"CODPEDIDO", pedido}, {"CODCLIENTE", cliente}, {"CODPROD", p.codigo},
                         {"CODGRADE", std::string()}, {"ALIQICM", 18.0},
                         {"QUANTIDADE", item.quantidade}, {"PRECOUNIT", p.preco},
                         {"PRECOTABELA", p.preco}, {"DESCONTOVLR", 0.0},
                         {"CODTRIBUT", std::string("000")}, {"UNIDADESAIDA", std::string("UN")},
                         {"CFOP", std::string("5102")}, {"TOTALITEM", item.total},
                         {"CANCELADO", std::string("N")}, {"ITEM", item.numero},
                         {"DATAINCLUSAO", TData{agora}}});
    }
    for (const TItem& item : lista) {
      const TProduto& p = *item.produto;
      insercoes.PInsere("VENDPDV",
                        {{"PDV", caixa.maquina}, {"CUPOM", cupom}, {"ITEM", FZeros(item.numero, 3)},
                         {"CODPROD", p.codigo}, {"QUANTIDADE", item.quantidade},
                         {"VLRUNIT", p.preco}, {"CODCLIENTE", cliente},
                         {"CODPRAZO", std::string("001")}, {"ALIQICMS", 18.0},
                         {"BAIXOUEST", std::string("S")}, {"CODGRADE", std::string()},
                         {"MAQUINA", caixa.maquina}, {"VLRDESC", 0.0}, {"CODPEDIDO", pedido},
                         {"CODEMPRESA", caixa.empresa}, {"CANCELADO", std::string("N")},
                         {"DATAMOV", hoje}, {"NUMSERIE", caixa.numSerie},
                         {"CODALIQICMS", std::string("T18")}, {"BASEICMS", item.total},
                         {"UNIDADESAIDA", std::string("UN")}, {"TOTALITEM", item.total}});
    }
    insercoes.PInsere(
        "ENCERRA",
        {{"PDV", caixa.maquina}, {"CUPOM", cupom}, {"DT_MOVIMENTO", hoje},
         {"CODVENDEDOR", std::string("0001")}, {"VLRDESCONTO", 0.0}, {"VLRACRESCIMO", 0.0},
         {"VLRDINHEIRO", pago}, {"VLRTROCO", FArredonda(pago - total)}, {"VLRCARTAO", 0.0},
         {"OBSERVACAO", std::string("VENDA À VISTA - DINHEIRO")}, {"CODCLIENTE", cliente},
         {"CODPRAZO", std::string("001")}, {"FINALIZACAO", std::string("DINHEIRO")},
         {"CODIGOOPERADOR", std::string("001")}, {"MAQUINA", caixa.maquina},
         {"CODPEDIDO", pedido}, {"CODEMPRESA", caixa.empresa}, {"CANCELADO", std::string("N")},
         {"HORA", FHora(agora, false)}, {"TOTALVENDA", total}});
    // The stock leaves with the sale: one movement per item, under the coupon as document.
    for (const TItem& item : lista) {
      const TProduto& p = *item.produto;
      insercoes.PInsere("MVGERAL",
                        {{"CODEMPRESA", caixa.empresa}, {"TIPOAGENTE", std::string("C")},
                         {"CODIGOAGENTE", cliente}, {"DOCUMENTO", caixa.maquina + cupom},
                         {"CODPROD", p.codigo}, {"CODGRADE", std::string()},
                         {"DT_MOVIMENTO", hoje}, {"TIPOMOV", std::string("VD")},
                         {"QUANTIDADE", -item.quantidade}, {"PRECOVENDA", p.preco},
                         {"NUMORD", cupom}, {"TURNO", std::string("1")},
                         {"SEQUENCIA", item.numero}});
    }
  });
  caixa.ultimoCupom = cupomNumero;
  if (caixa.vendas++ == 0) caixa.primeiro = cupomNumero;
  return total;
}

// The point of sale's machine, company and serial number, and its last coupon.
TCaixaSimulado FPreparaCaixa(TSessaoCli& sessao, std::size_t posicao) {
  fb::Connection& conexao = sessao.cadastro.GetListaConexao().FConexao(posicao);
  TCaixaSimulado caixa;
  caixa.posicao = posicao;
  caixa.maquina = FAparado(sessao.cadastro.FBuscaNumeroCaixa(&conexao));
  if (caixa.maquina.empty())
    throw std::runtime_error("o caixa [" + std::to_string(posicao) + "] " + conexao.database() +
                             " não tem máquina em PDVFISC");
  fb::Statement maquina(conexao,
                        "SELECT PDVFISC.CODEMPRESA, PDVFISC.NUMSERIE FROM PDVFISC "
                        "WHERE PDVFISC.MAQUINA = :MAQUINA");
  maquina.setString("MAQUINA", caixa.maquina);
  auto rm = maquina.executeQuery();
  if (rm.next()) {
    caixa.empresa = FAparado(rm.getString(0u));
    caixa.numSerie = FAparado(rm.getString(1u));
  }
  if (caixa.empresa.empty()) caixa.empresa = "01";
  fb::Statement cupom(conexao,
                      "SELECT MAX(ENCERRA.CUPOM) FROM ENCERRA WHERE ENCERRA.PDV = :PDV "
                      "AND ENCERRA.CODEMPRESA = :EMPRESA");
  cupom.setString("PDV", caixa.maquina);
  cupom.setString("EMPRESA", caixa.empresa);
  auto rc = cupom.executeQuery();
  if (rc.next()) caixa.ultimoCupom = FNumeroOuZero(rc.getString(0u));
  return caixa;
}

int FSimulaVendas(TSessaoCli& sessao, const TOpcoesSimulacao& opcoes, std::ostream& saida,
                  std::ostream& erro) {
  TListaConexao& lista = sessao.cadastro.GetListaConexao();
  const std::size_t caixas = lista.FQuantidade() - 1;
  if (caixas == 0) {
    erro << "erro: a configuração não tem caixas\n";
    return 1;
  }
  if (opcoes.caixa > 0 && static_cast<std::size_t>(opcoes.caixa) > caixas) {
    erro << "erro: --caixa " << opcoes.caixa << ": a configuração tem " << caixas << " caixa(s)\n";
    return 1;
  }
  std::vector<std::size_t> posicoes;
  for (std::size_t k = 1; k <= caixas; ++k)
    if (opcoes.caixa == 0 || k == static_cast<std::size_t>(opcoes.caixa)) posicoes.push_back(k);

  const std::vector<TProduto> produtos = FProdutos(lista.FConexao(0));
  if (produtos.empty()) {
    erro << "erro: o servidor não tem produtos para vender\n";
    return 1;
  }
  std::vector<TCaixaSimulado> simulados;
  std::vector<std::unique_ptr<TInsercoes>> insercoes;
  for (std::size_t k : posicoes) {
    if (!sessao.cadastro.FVerificaConexao(k)) {
      erro << "erro: o caixa [" << k << "] " << lista.FConexao(k).database()
           << " está inacessível; nenhuma venda foi registrada\n";
      return 1;
    }
    simulados.push_back(FPreparaCaixa(sessao, k));
    insercoes.push_back(std::make_unique<TInsercoes>(lista.FConexao(k)));
  }
  double total = 0;
  int feitas = 0;
  for (int n = 0; n < opcoes.vendas; ++n) {
    const std::size_t i = static_cast<std::size_t>(n) % simulados.size();
    TCaixaSimulado& caixa = simulados[i];
    try {
      total += PRegistraVenda(lista.FConexao(caixa.posicao), *insercoes[i], caixa, produtos);
      ++feitas;
    } catch (const std::exception& e) {
      erro << "erro: a venda no caixa [" << caixa.posicao << "] "
           << lista.FConexao(caixa.posicao).database() << " não foi registrada: " << e.what()
           << '\n';
      break;
    }
  }
  for (const TCaixaSimulado& c : simulados) {
    if (c.vendas == 0) continue;
    saida << "[" << c.posicao << "] caixa  " << lista.FConexao(c.posicao).database()
          << "  máquina " << c.maquina << "  vendas " << c.vendas << "  cupons "
          << FZeros(c.primeiro, 6) << " a " << FZeros(c.ultimoCupom, 6) << '\n';
  }
  saida << "vendas simuladas: " << feitas << " de " << opcoes.vendas << ", total "
        << FMoeda(total) << '\n';
  return feitas == opcoes.vendas ? 0 : 1;
}

// Changes products at the central database the way the back office does: a new price, the date
// of the change with its time, a note; past the last product, new products are registered.
int FSimulaCadastros(TSessaoCli& sessao, const TOpcoesSimulacao& opcoes, std::ostream& saida,
                     std::ostream& erro) {
  fb::Connection& central = sessao.cadastro.GetListaConexao().FConexao(0);
  const std::vector<TProduto> produtos = FProdutos(central);
  long ultimo = 0;
  for (const TProduto& p : produtos) ultimo = std::max(ultimo, FNumeroOuZero(p.codigo));
  TInsercoes insercoes(central);
  int alterados = 0, novos = 0;
  try {
    PEmTransacao(central, [&] {
      const TDateTime agora = FAgora();
      const TDataHoraPartes d = FDecodeDataHora(agora);
      char quando[32];
      std::snprintf(quando, sizeof quando, "%02d/%02d/%04d %s", d.dia, d.mes, d.ano,
                    FHora(agora, true).c_str());
      fb::Statement altera(central,
                           "UPDATE PRODUTO SET PRODUTO.PRECO = :PRECO, PRODUTO.DESCRICAO2 = "
                           ":DESCRICAO2, PRODUTO.DATA_ULT_ALTERACAO = :ALTERACAO, "
                           "PRODUTO.OBSERVACAO = :OBSERVACAO WHERE PRODUTO.CODPROD = :CODPROD");
      for (int n = 0; n < opcoes.cadastros; ++n) {
        if (static_cast<std::size_t>(n) < produtos.size()) {
          const TProduto& p = produtos[static_cast<std::size_t>(n)];
          const double preco = FArredonda(p.preco * 1.05);
          altera.setDouble("PRECO", preco);
          altera.setString("DESCRICAO2", "PREÇO REAJUSTADO EM 5%");
          altera.setDateTime("ALTERACAO", agora);
          altera.setBlob("OBSERVACAO", "Reajuste de " + FMoeda(p.preco) + " para " +
                                           FMoeda(preco) + " em " + quando +
                                           ".\r\nConferir etiquetas da gôndola.");
          altera.setString("CODPROD", p.codigo);
          altera.execute();
          ++alterados;
        } else {
          const std::string codigo = FZeros(++ultimo, 6);
          if (codigo.size() > 6) throw std::runtime_error("não há mais códigos de produto livres");
          insercoes.PInsere(
              "PRODUTO",
              {{"CODPROD", codigo}, {"ATIVO", std::string("S")},
               {"DESCRICAO", "PÃO DE AÇÚCAR SIMULADO " + codigo},
               {"UNIDADESAIDA", std::string("UN")},
               {"PRECO", FArredonda(3.5 + static_cast<double>(ultimo % 23) * 1.25)},
               {"DT_CADASTRO", TData{std::floor(agora)}},
               {"DATA_ULT_ALTERACAO", TData{agora}},
               {"OBSERVACAO", std::string("Cadastrado pela simulação em ") + quando + "."}});
          ++novos;
        }
      }
    });
  } catch (const std::exception& e) {
    erro << "erro: os produtos do servidor " << central.database()
         << " não foram alterados: " << e.what() << '\n';
    return 1;
  }
  saida << "produtos alterados no servidor: " << alterados << ", novos: " << novos << '\n';
  return 0;
}

}  // namespace

int FSimula(const TOpcoesSimulacao& opcoes, std::ostream& saida, std::ostream& erro) {
  TSessaoCli sessao(erro);
  if (!sessao.fbConecta(TConfiguracao::Padrao())) return 1;
  int status = 0;
  if (opcoes.cadastros > 0) status = FSimulaCadastros(sessao, opcoes, saida, erro);
  if (status == 0 && opcoes.vendas > 0) status = FSimulaVendas(sessao, opcoes, saida, erro);
  return status;
}
