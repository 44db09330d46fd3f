// TBancoDados: the sales apply steps. One algorithm serves the 25 tables: the row is read by its
// key at the point of sale and inserted, updated or deleted in the central database as the queue
// row's action says. Orders and order items of type "55" and stock movements add a check against
// the central database.
#include <stdexcept>

#include "dao/UFabricaDao.h"
#include "engine/UBancoDados.h"
#include "engine/UPassosVenda.h"
#include "firebird/Statement.h"
#include "platform/UConfiguracao.h"
#include "platform/UGenerico.h"
#include "schema/UCatalogo.h"

namespace {

// clang-format off
constexpr std::array<TPassoVenda, 25> kPassosVenda = {{
    {"PEDIDOC", "FUpdateInsertPedidoC",
     "Ocorreu um erro ao tentar atualizar os dados da PedidoC.\rMotivo: ",
     "Ocorreu um erro no processo de atualização do pedido.\rMotivo: ", TRegraVenda::Pedido},
    {"PEDIDOI", "FUpdateInsertPedidoI",
     "Ocorreu um erro ao tentar atualizar os dados da PedidoI.\rMotivo: ",
     "Ocorreu um erro no processo de atualização do item do Pedido.\rMotivo: ", TRegraVenda::Pedido},
    {"ENCERRA", "FUpdateInsertEncerra",
     "Ocorreu um erro ao tentar atualizar os dados da Encerra.\rMotivo: ",
     "Ocorreu um erro no processo de atualização da Encerra.\rMotivo: ", TRegraVenda::Comum},
    {"VENDPDV", "FUpdateInsertVendPDV",
     "Ocorreu um erro ao tentar atualizar os dados da Vendpdv.\rMotivo: ",
     "Ocorreu um erro no processo de atualização da vendpdv.\rMotivo: ", TRegraVenda::Comum},
    {"ENCEFAT", "FUpdateInsertEncefat",
     "Ocorreu um erro ao tentar atualizar os dados da Encefat.\rMotivo: ",
     "Ocorreu um erro no processo de atualização da Encefat.\rMotivo: ", TRegraVenda::Comum},
    {"REDUCOESZ", "FUpdateInsertReducoesz",
     "Ocorreu um erro ao tentar atualizar os dados da Reducoesz.\rMotivo: ",
     "Ocorreu um erro no processo de atualização da ReducoesZ.\rMotivo: ", TRegraVenda::Comum},
    {"REDUCAOZ_C", "FUpdateInsertReducaoZ_C",
     "Ocorreu um erro ao tentar atualizar os dados da Reducaoz_C.\rMotivo: ",
     "Ocorreu um erro no processo de atualização da ReducaoZ_C.\rMotivo: ", TRegraVenda::Comum},
    {"REDUCAOZ_I", "FUpdateInsertReducaoZ_I",
     "Ocorreu um erro ao tentar atualizar os dados da Reducaoz_I.\rMotivo: ",
     "Ocorreu um erro no processo de atualização da ReducaoZ_I.\rMotivo: ", TRegraVenda::Comum},
    {"DETALHEREDUCOESZ", "FUpdateInsertDetalheReducoesZ",
     "Ocorreu um erro ao tentar atualizar os dados da detalhereducoesz.\rMotivo: ",
     "Ocorreu um erro no processo de atualização da DetalheReducoesZ.\rMotivo: ", TRegraVenda::Comum},
    {"ECFGERAL", "FUpdateInsertEcfGeral",
     "Ocorreu um erro ao tentar atualizar os dados da ECFGeral.\rMotivo: ",
     "Ocorreu um erro no processo de atualização da ECFGeral.\rMotivo: ", TRegraVenda::Comum},
    {"DEMAISDOCUMENTOSECF", "FUpdateInsertdemaisdocumentosecf",
     "Ocorreu um erro ao tentar atualizar os dados da DemaisDocumentosECF.\rMotivo: ",
     "Ocorreu um erro no processo de atualização da DemaisDocumentosECF.\rMotivo: ", TRegraVenda::Comum},
    {"SANGRIA", "FUpdateInsertsangria",
     "Ocorreu um erro ao tentar atualizar os dados da Sangria.\rMotivo: ",
     "Ocorreu um erro no processo de atualização da Sangria.\rMotivo: ", TRegraVenda::Comum},
    {"DOCUREC", "FUpdateInsertDocuRec",
     "Ocorreu um erro ao tentar atualizar os dados da DocuRec.\rMotivo: ",
     "Ocorreu um erro no processo de atualização da DocuRec.\rMotivo: ", TRegraVenda::Comum},
    {"MOVIREC", "FUpdateInsertMoviRec",
     "Ocorreu um erro ao tentar atualizar os dados da MoviRec.\rMotivo: ",
     "Ocorreu um erro no processo de atualização da MoviRec.\rMotivo: ", TRegraVenda::Comum},
    {"PRETERC", "FUpdateInsertPreTerc",
     "Ocorreu um erro ao tentar atualizar os dados da PreTerc.\rMotivo: ",
     "Ocorreu um erro no processo de atualização da PreTerc.\rMotivo: ", TRegraVenda::Comum},
    {"SINTEGRA60A", "FUpdateInsertSintegra60A",
     "Ocorreu um erro ao tentar atualizar os dados da Sintegra60A.\rMotivo: ",
     "Ocorreu um erro no processo de atualização da Sintegra60A.\rMotivo: ", TRegraVenda::Comum},
    {"SINTEGRA60D", "FUpdateInsertSintegra60D",
     "Ocorreu um erro ao tentar atualizar os dados da Sintegra60D.\rMotivo: ",
     "Ocorreu um erro no processo de atualização da Sintegra60D.\rMotivo: ", TRegraVenda::Comum},
    {"SINTEGRA60I", "FUpdateInsertSintegra60I",
     "Ocorreu um erro ao tentar atualizar os dados da Sintegra60I.\rMotivo: ",
     "Ocorreu um erro no processo de atualização da Sintegra60I.\rMotivo: ", TRegraVenda::Comum},
    {"SINTEGRA60M", "FUpdateInsertSintegra60M",
     "Ocorreu um erro ao tentar atualizar os dados da Sintegra60M.\rMotivo: ",
     "Ocorreu um erro no processo de atualização da Sintegra60M.\rMotivo: ", TRegraVenda::Comum},
    {"SINTEGRA60R", "FUpdateInsertSintegra60R",
     "Ocorreu um erro ao tentar atualizar os dados da Sintegra60R.\rMotivo: ",
     "Ocorreu um erro no processo de atualização da Sintegra60R.\rMotivo: ", TRegraVenda::Comum},
    {"ENCCARTAO", "FUpdateInsertEncCartao",
     "Ocorreu um erro ao tentar atualizar os dados da EncCartao.\rMotivo: ",
     "Ocorreu um erro no processo de atualização da EncCartao.\rMotivo: ", TRegraVenda::Comum},
    {"PARCPEDC", "FUpdateInsertParcPedC",
     "Ocorreu um erro ao tentar atualizar os dados da ParcPedC.\rMotivo: ",
     "Ocorreu um erro no processo de atualização da ParcPedC.\rMotivo: ", TRegraVenda::Comum},
    {"CONVENCEFAT", "FUpdateInsertConvencefat",
     "Ocorreu um erro ao tentar atualizar os dados da Convencefat.\rMotivo: ",
     "Ocorreu um erro no processo de atualização da Convencefat.\rMotivo: ", TRegraVenda::Comum},
    {"FINANCIAMENTO", "FUpdateInsertFinanciamento",
     "Ocorreu um erro ao tentar atualizar os dados da Financiamento.\rMotivo: ",
     "Ocorreu um erro no processo de atualização da Financiamento.\rMotivo: ", TRegraVenda::Comum},
    {"MVGERAL", "FUpdateInsertMVgeral",
     "Ocorreu um erro ao tentar atualizar os dados da MVgeral.\rMotivo: ",
     "Ocorreu um erro no processo de atualização da MvGeral.\rMotivo: ", TRegraVenda::MvGeral},
}};
// clang-format on

// Every table carried has a catalogue entry with a key the queue can hold.
consteval bool fbPassosNoCatalogo() {
  for (const TPassoVenda& p : kPassosVenda) {
    bool achou = false;
    for (const TTabelaCatalogo* t : Catalogo)
      if (t->nome == p.tabela) achou = t->chavePk.size() <= MaximoColunasChave;
    if (!achou) return false;
  }
  return true;
}
static_assert(fbPassosNoCatalogo());

const TTabelaCatalogo& FTabelaDoPasso(const TPassoVenda& passo) {
  const TTabelaCatalogo* tabela = FProcuraTabela(passo.tabela);
  if (!tabela) throw std::logic_error("tabela fora do catálogo: " + std::string(passo.tabela));
  return *tabela;
}

int FLeInteiroChave(const std::string& texto) {
  const std::string t = FAparaEspacos(texto);
  std::size_t pos = 0;
  bool negativo = false;
  if (pos < t.size() && (t[pos] == '-' || t[pos] == '+')) negativo = t[pos++] == '-';
  long long valor = 0;
  const std::size_t inicio = pos;
  while (pos < t.size() && t[pos] >= '0' && t[pos] <= '9' && valor <= 2147483648LL)
    valor = valor * 10 + (t[pos++] - '0');
  if (pos == inicio || pos != t.size()) throw std::invalid_argument("\"" + texto + "\" não é um número inteiro válido");
  if (negativo) valor = -valor;
  if (valor < -2147483648LL || valor > 2147483647LL)
    throw std::invalid_argument("\"" + texto + "\" não é um número inteiro válido");
  return static_cast<int>(valor);
}

// The key values in the queue's order rearranged into the data-access class's (column) order.
TListaValoresChave FChavesDao(const TTabelaCatalogo& tabela, const std::vector<TValorCampo>& fila) {
  const TChaveTabela pk = FChavePk(tabela);
  const TChaveTabela colunas = FChaveEmOrdemDeColuna(tabela);
  if (fila.size() != pk.quantidade)
    throw std::invalid_argument("a chave de " + std::string(tabela.nome) + " tem " +
                                std::to_string(pk.quantidade) + " valores");
  TListaValoresChave dao;
  for (std::uint16_t coluna : colunas.FPosicoes())
    for (std::size_t p = 0; p < pk.quantidade; ++p)
      if (pk.posicoes[p] == coluna) dao.push_back(fila[p]);
  return dao;
}

}  // namespace

const TPassoVenda* FProcuraPassoVenda(std::string_view tabela) {
  for (const TPassoVenda& p : kPassosVenda)
    if (p.tabela == tabela) return &p;
  return nullptr;
}

const std::array<TPassoVenda, 25>& FPassosVenda() { return kPassosVenda; }

std::vector<TValorCampo> TBancoDados::FConverteChavesVenda(const TPassoVenda& passo,
                                                          const TListaDeChave& chaves) {
  const TTabelaCatalogo& tabela = FTabelaDoPasso(passo);
  std::vector<TValorCampo> valores;
  std::size_t p = 0;
  for (std::uint16_t coluna : FChavePk(tabela).FPosicoes()) {
    const std::string& texto = chaves[p++];
    switch (tabela.colunas[coluna].tipo) {
      case TTipoValor::Texto: valores.emplace_back(texto); break;
      case TTipoValor::DataHora: valores.emplace_back(FLeDataChave(FRetornaData(texto))); break;
      case TTipoValor::Inteiro: valores.emplace_back(static_cast<std::int32_t>(FLeInteiroChave(texto))); break;
      case TTipoValor::Flutuante: {
        std::size_t fim = 0;
        const double v = std::stod(FAparaEspacos(texto), &fim);
        valores.emplace_back(v);
        break;
      }
    }
  }
  return valores;
}

const char* TBancoDados::FSqlPedidoC55() {
  return "select pedidoc.codpedido from pedidoc where pedidoc.codempresa = :PCodEmpresa and "
         "pedidoc.tipopedido = :PTipoPedido and pedidoc.codpedido = :PCodPedido ";
}
const char* TBancoDados::FSqlPedidoC56() {
  return "select pedidoc.codpedido from pedidoc where pedidoc.codempresa = :PCodEmpresa and "
         "pedidoc.tipopedido = :PTipoPedido and pedidoc.codpedido = :PCodPedido and "
         "pedidoc.codcliente = :PCodCliente ";
}
const char* TBancoDados::FSqlPedidoI55() {
  return "select pedidoi.codpedido from pedidoi where pedidoi.codempresa = :PCodEmpresa and "
         "pedidoi.tipopedido = :PTipoPedido and pedidoi.codpedido = :PCodPedido and "
         "pedidoi.codprod = :PCodProd and pedidoi.codgrade = :PCodGrade ";
}
const char* TBancoDados::FSqlPedidoI56() {
  return "select pedidoi.codpedido from pedidoi where pedidoi.codempresa = :PCodEmpresa and "
         "pedidoi.tipopedido = :PTipoPedido and pedidoi.codpedido = :PCodPedido and "
         "pedidoi.codcliente = :PCodCliente and pedidoi.codprod = :PCodProd and "
         "pedidoi.codgrade = :PCodGrade ";
}

bool TBancoDados::FExisteMvGeralBancoServidor(const TRegistro& registro) {
  const std::string sql = std::string(" Select MvGeral.Documento ") + " From MvGeral " +
                          " Where MvGeral.CodEmpresa = :PCodEmpresa " +
                          " And MvGeral.TipoAgente = :PTipoAgente " +
                          " And MvGeral.CodigoAgente = :PCodigoAgente " +
                          " And MvGeral.Documento = :PDocumento " +
                          " And MvGeral.CodProd = :PCodProd " +
                          " And MvGeral.CodGrade = :PCodGrade " +
                          " And MvGeral.Dt_Movimento = :PDt_Movimento " +
                          " And MvGeral.TipoMov = :PTipoMov ";
  fb::Statement consulta(listaConexao_.FConexao(0), sql);
  consulta.setString("PCodEmpresa", registro.GetTexto("Codempresa"));
  consulta.setString("PTipoAgente", registro.GetTexto("Tipoagente"));
  consulta.setString("PCodigoAgente", registro.GetTexto("Codigoagente"));
  consulta.setString("PDocumento", registro.GetTexto("Documento"));
  consulta.setString("PCodProd", registro.GetTexto("Codprod"));
  consulta.setString("PCodGrade", registro.GetTexto("Codgrade"));
  consulta.setString("PTipoMov", registro.GetTexto("Tipomov"));
  consulta.setDateTime("PDt_Movimento", registro.GetDataHora("Dt_movimento"));
  fb::ResultSet linhas = consulta.executeQuery();
  return linhas.next();
}

bool TBancoDados::FUpdateInsertVenda(const std::string& nomeTabela,
                                     const std::vector<TValorCampo>& chaves, int tipo,
                                     std::size_t posicao) {
  const TPassoVenda* passo = FProcuraPassoVenda(nomeTabela);
  if (!passo) throw std::invalid_argument("tabela de vendas desconhecida: " + nomeTabela);
  const TTabelaCatalogo& tabela = FTabelaDoPasso(*passo);
  const TListaValoresChave chavesDao = FChavesDao(tabela, chaves);

  // Orders: not guarded, an error here is the dispatcher's.
  bool pedidoExiste = false;
  bool pedido55 = false;
  if (passo->regra == TRegraVenda::Pedido) {
    const TChaveTabela pk = FChavePk(tabela);
    for (std::size_t p = 0; p < pk.quantidade; ++p)
      if (tabela.colunas[pk.posicoes[p]].nome == "TIPOPEDIDO")
        pedido55 = FAparaEspacos(std::get<std::string>(chaves[p])) == "55";
    const bool cabecalho = tabela.nome == "PEDIDOC";
    fb::Statement consulta(listaConexao_.FConexao(0),
                           cabecalho ? (pedido55 ? FSqlPedidoC55() : FSqlPedidoC56())
                                     : (pedido55 ? FSqlPedidoI55() : FSqlPedidoI56()));
    for (std::size_t p = 0; p < pk.quantidade; ++p) {
      const TColunaCatalogo& coluna = tabela.colunas[pk.posicoes[p]];
      std::string parametro = "P" + std::string(coluna.nome);
      if (consulta.hasParameter(parametro))
        consulta.setString(parametro, std::get<std::string>(chaves[p]));
    }
    fb::ResultSet linhas = consulta.executeQuery();
    pedidoExiste = linhas.next();
  }

  try {
    std::unique_ptr<TRegistro> registro;
    {
      std::unique_ptr<TDaoComExclusao> origem =
          FCriaDaoComExclusao(nomeTabela, listaConexao_.FConexao(posicao), espera_);
      registro = origem->FRetornaRegistro(chavesDao);
    }
    // Gone at the point of sale since it was queued: nothing to insert or update.
    if (!registro && tipo != 2) return true;
    // An order of type "55" arrives once: what the central database holds is kept.
    if (passo->regra == TRegraVenda::Pedido && pedidoExiste && pedido55) return true;
    if (passo->regra == TRegraVenda::MvGeral && tipo == 0 && FExisteMvGeralBancoServidor(*registro))
      return true;
    std::unique_ptr<TDaoComExclusao> destino =
        FCriaDaoComExclusao(nomeTabela, listaConexao_.FConexao(0), espera_);
    switch (tipo) {
      case 1: return destino->FUpdateRegistro(*registro);
      case 2: return destino->FDeletaRegistro(chavesDao);
      default: return destino->FInsereRegistro(*registro);
    }
  } catch (const std::exception& erro) {
    TGenerico::PGeraLog(std::string(passo->mensagemPasso) + erro.what());
    return false;
  }
}
