// TBancoDados: the registry of connections, creation and lookup of entries, the point-of-sale
// number, transactions and the stop flag.
#include <stdexcept>

#include "engine/UBancoDados.h"
#include "firebird/Statement.h"
#include "platform/TNotificador.h"
#include "platform/UConfiguracao.h"
#include "platform/UGenerico.h"

fb::Connection& TListaConexao::FConexao(std::size_t posicao) const {
  if (posicao >= conexoes_.size())
    throw std::out_of_range("connection registry: position " + std::to_string(posicao) +
                            " does not exist (" + std::to_string(conexoes_.size()) +
                            " entries)");
  return *conexoes_[posicao];
}

void TListaConexao::PAdiciona(std::unique_ptr<fb::Connection> conexao) {
  if (!conexao) throw std::invalid_argument("connection registry: no connection to add");
  conexoes_.push_back(std::move(conexao));
}

const char* FSqlPdvFisc() {
  return "select pdvfisc.maquina         from pdvfisc                   where pdvfisc.maquina "
         "<> \"999\" ";
}

TBancoDados::TBancoDados(TNotificador& notificador) : notificador_(notificador) {}

TBancoDados::~TBancoDados() = default;

bool TBancoDados::FCriaConexao(const std::string& caminho, const std::string& usuario,
                               const std::string& senha, const std::string& nome,
                               bool abrirAgora) {
  // The number of entries minus one: entry k (1 and up, after the central entry 0) is named
  // ConexaoCaixa(k-1), whose upper-cased form is its configuration section.
  const std::string nomeEntrada =
      fbEmBranco(nome) ? "ConexaoCaixa" + std::to_string(
                                              static_cast<long long>(listaConexao_.FQuantidade()) - 1)
                       : nome;
  fb::ConnectionSettings configuracao;
  configuracao.database = caminho;
  configuracao.user = usuario;
  configuracao.password = senha;
  auto conexao = std::make_unique<fb::Connection>(std::move(configuracao), nomeEntrada);
  try {
    if (abrirAgora) conexao->open();
    listaConexao_.PAdiciona(std::move(conexao));
    return true;
  } catch (const std::exception& erro) {
    TGenerico::PGeraLog("Problema na conexao.");
    conexao.reset();
    notificador_.PAviso(
        std::string("Ocorreu um erro ao tentar fazer conexão com o banco de dados.\rMotivo: ") +
        erro.what());
    return false;
  }
}

bool TBancoDados::FCriaConexao(const std::string& caminho, const std::string& usuario,
                               const std::string& senha, const std::string& nome) {
  return FCriaConexao(caminho, usuario, senha, nome, false);
}

fb::Connection* TBancoDados::FRetornaConexao(const std::string& caminho) {
  fb::Connection* encontrada = nullptr;
  for (std::size_t i = 0; i < listaConexao_.FQuantidade(); ++i) {
    fb::Connection& conexao = listaConexao_.FConexao(i);
    if (conexao.database() == caminho && FVerificaConexao(i)) encontrada = &conexao;
  }
  return encontrada;
}

bool TBancoDados::FExisteConexao(const std::string& caminho) const {
  for (std::size_t i = 0; i < listaConexao_.FQuantidade(); ++i)
    if (listaConexao_.FConexao(i).database() == caminho) return true;
  return false;
}

std::string TBancoDados::FBuscaNumeroCaixa(fb::Connection* conexao) {
  if (!conexao) return {};
  fb::Statement consulta(*conexao, FSqlPdvFisc());
  fb::ResultSet linhas = consulta.executeQuery();
  if (!linhas.next()) return {};
  return linhas.getString("maquina");
}

// A connection carries a single transaction, so the number only names it: every caller passes 1.
void TBancoDados::PAbreTransacao(std::size_t posicao, int /*id*/) {
  fb::Connection& conexao = listaConexao_.FConexao(posicao);
  if (!conexao.inTransaction()) conexao.startTransaction();
}

void TBancoDados::PConfirmaTransacao(std::size_t posicao, int /*id*/) {
  listaConexao_.FConexao(posicao).commit();
}

void TBancoDados::PCancelaTransacao(std::size_t posicao, int /*id*/) {
  fb::Connection& conexao = listaConexao_.FConexao(posicao);
  if (conexao.inTransaction()) conexao.rollback();
}

void TBancoDados::PFinalizar(bool finalizar) { finalizar_ = finalizar; }
