#include "dao/UClassDao.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <stdexcept>
#include <variant>

#include "firebird/Connection.h"
#include "firebird/Error.h"
#include "firebird/Statement.h"
#include "platform/UDataHora.h"
#include "platform/UGenerico.h"
#include "schema/UClassAtualizaBd.h"

namespace {


// Binds one value to the parameter of that name by the column's type.
void PVincula(fb::Statement& comando, std::string_view parametro, const TColunaCatalogo& coluna,
              const TValorCampo& valor) {
  switch (coluna.tipo) {
    case TTipoValor::Texto:
      if (coluna.blob)
        comando.setBlob(parametro, std::get<std::string>(valor));
      else
        comando.setString(parametro, std::get<std::string>(valor));
      return;
    case TTipoValor::DataHora: comando.setDateTime(parametro, std::get<double>(valor)); return;
    case TTipoValor::Flutuante: comando.setDouble(parametro, std::get<double>(valor)); return;
    case TTipoValor::Inteiro: comando.setInt(parametro, std::get<std::int32_t>(valor)); return;
  }
}

// A key value as a message shows it: text as it is, a date in the short date format, an integer
// in decimal.
std::string FTextoChave(const TColunaCatalogo& coluna, const TValorCampo& valor) {
  switch (coluna.tipo) {
    case TTipoValor::Texto: return std::get<std::string>(valor);
    case TTipoValor::DataHora:
      // A value no calendar holds (NaN, out of range) is what made the write fail: show it.
      if (fbDataHoraValida(std::get<double>(valor))) return fsDataCurta(std::get<double>(valor));
      [[fallthrough]];
    case TTipoValor::Flutuante: {
      char texto[64];
      std::snprintf(texto, sizeof texto, "%.15g", std::get<double>(valor));
      return texto;
    }
    case TTipoValor::Inteiro: return std::to_string(std::get<std::int32_t>(valor));
  }
  return {};
}

std::size_t FCalculaLarguraRotulo(const TTabelaCatalogo& tabela, const TChaveTabela& chave) {
  std::size_t maior = 0;
  for (std::uint16_t posicao : chave.FPosicoes())
    maior = std::max(maior, tabela.colunas[posicao].propriedade.size() + 1);
  return maior + 2;
}

}  // namespace

TDao::TDao(fb::Connection& conexao, const TTabelaCatalogo& tabela, TCriaRegistro criaRegistro)
    : conexao_(&conexao),
      tabela_(&tabela),
      criaRegistro_(criaRegistro),
      chave_(FChaveEmOrdemDeColuna(tabela)),
      larguraRotulo_(FCalculaLarguraRotulo(tabela, chave_)),
      nomeClasse_("T" + std::string(tabela.nomeCapital) + "Dao") {}

std::string TDao::FCondicoesChave() const {
  std::string sql = " Where 1=1";
  for (std::uint16_t posicao : chave_.FPosicoes()) {
    const std::string nome(tabela_->colunas[posicao].nome);
    sql += " And " + nome + " = :" + nome;
  }
  return sql;
}

std::string TDao::FSqlSelecao() const {
  std::string sql = "Select ";
  const std::string tabela(tabela_->nomeCapital);
  for (std::size_t i = 0; i < tabela_->colunas.size(); ++i) {
    if (i > 0) sql += ", ";
    sql += tabela + "." + std::string(tabela_->colunas[i].propriedade);
  }
  return sql + " From " + tabela + FCondicoesChave();
}

std::string TDao::FSqlInsercao() const {
  const std::string tabela(tabela_->nomeCapital);
  std::string colunas, valores;
  for (std::size_t i = 0; i < tabela_->colunas.size(); ++i) {
    const std::string propriedade(tabela_->colunas[i].propriedade);
    if (i > 0) {
      colunas += ", ";
      valores += ", ";
    }
    colunas += tabela + "." + propriedade;
    valores += ":" + propriedade;
  }
  return "INSERT INTO " + tabela + " ( " + colunas + " ) VALUES ( " + valores + " )";
}

std::string TDao::FSqlAtualizacao() const {
  const std::string tabela(tabela_->nomeCapital);
  const auto chave = chave_.FPosicoes();
  std::string sql = "UPDATE " + tabela + " SET ";
  bool primeira = true;
  for (std::size_t i = 0; i < tabela_->colunas.size(); ++i) {
    if (std::find(chave.begin(), chave.end(), i) != chave.end()) continue;
    const std::string propriedade(tabela_->colunas[i].propriedade);
    if (!primeira) sql += ", ";
    primeira = false;
    sql += tabela + "." + propriedade + " = :" + propriedade;
  }
  return sql + FCondicoesChave();
}

std::string TDaoComExclusao::FSqlExclusao() const {
  return "Delete From " + std::string(FRetornaTabela().nomeCapital) + FCondicoesChave();
}

void TDao::PExigeTabela(const TRegistro& registro) const {
  if (&registro.FRetornaTabela() != tabela_)
    throw std::invalid_argument(nomeClasse_ + ": registro " + std::string(registro.FNomeClasse()) +
                                " não pertence à tabela " + std::string(tabela_->nome));
}

void TDao::PExigeChaves(const TListaValoresChave& chaves) const {
  if (chaves.size() != chave_.quantidade)
    throw std::invalid_argument(nomeClasse_ + ": a chave tem " +
                                std::to_string(chave_.quantidade) + " valores, foram dados " +
                                std::to_string(chaves.size()));
  for (std::size_t i = 0; i < chaves.size(); ++i) {
    const TColunaCatalogo& coluna = tabela_->colunas[chave_.posicoes[i]];
    if (chaves[i].index() != FAlternativa(coluna.tipo))
      throw std::invalid_argument(nomeClasse_ + ": a chave " + std::string(coluna.propriedade) +
                                  " é de " + FNomeTipo(coluna.tipo));
  }
}

TListaValoresChave TDao::FValoresChave(const TRegistro& registro) const {
  PExigeTabela(registro);
  TListaValoresChave chaves;
  for (std::uint16_t posicao : chave_.FPosicoes()) chaves.push_back(registro.FValor(posicao));
  return chaves;
}

void TDao::PVinculaColunas(fb::Statement& comando, const TRegistro& registro) const {
  for (std::size_t i = 0; i < tabela_->colunas.size(); ++i) {
    const TColunaCatalogo& coluna = tabela_->colunas[i];
    PVincula(comando, coluna.propriedade, coluna, registro.FValor(i));
  }
}

void TDao::PVinculaChaves(fb::Statement& comando, const TListaValoresChave& chaves) const {
  for (std::size_t i = 0; i < chaves.size(); ++i) {
    const TColunaCatalogo& coluna = tabela_->colunas[chave_.posicoes[i]];
    PVincula(comando, FMaiusculas(coluna.nome), coluna, chaves[i]);
  }
}

std::unique_ptr<TRegistro> TDao::FRetornaRegistro(const TListaValoresChave& chaves) const {
  PExigeChaves(chaves);
  fb::Statement comando(*conexao_, FSqlSelecao());
  PVinculaChaves(comando, chaves);
  fb::ResultSet linhas = comando.executeQuery();
  if (!linhas.next()) return nullptr;
  std::unique_ptr<TRegistro> registro = criaRegistro_();
  for (std::size_t i = 0; i < tabela_->colunas.size(); ++i) {
    const TColunaCatalogo& coluna = tabela_->colunas[i];
    const std::string_view nome = coluna.propriedade;
    switch (coluna.tipo) {
      case TTipoValor::Texto: registro->PAtribuiValor(i, linhas.getString(nome)); break;
      case TTipoValor::DataHora: registro->PAtribuiValor(i, linhas.getDateTime(nome)); break;
      case TTipoValor::Flutuante: registro->PAtribuiValor(i, linhas.getDouble(nome)); break;
      case TTipoValor::Inteiro: registro->PAtribuiValor(i, linhas.getInt(nome)); break;
    }
  }
  linhas.close();
  return registro;
}

std::string TDao::FMensagemFalha(TOperacao operacao, const TListaValoresChave& chaves,
                                 std::string_view motivo) const {
  const char* verbo = operacao == TOperacao::Insercao      ? "inserir"
                      : operacao == TOperacao::Atualizacao ? "atualizar"
                                                           : "excluir";
  std::string mensagem =
      std::string("Ocorreu um erro ao tentar ") + verbo + " os dados da " + nomeClasse_ + ".\r";
  for (std::size_t i = 0; i < chaves.size(); ++i) {
    const TColunaCatalogo& coluna = tabela_->colunas[chave_.posicoes[i]];
    std::string rotulo = std::string(coluna.propriedade) + ":";
    rotulo.resize(std::max(rotulo.size(), larguraRotulo_), ' ');
    mensagem += rotulo + FTextoChave(coluna, chaves[i]) + "\r";
  }
  return mensagem + "Motivo: " + std::string(motivo);
}

bool TDao::fbExecutaEscrita(TOperacao operacao, const std::string& sql,
                            const TListaValoresChave& chaves,
                            const std::function<void(fb::Statement&)>& vincula,
                            const std::function<void(fb::Statement&)>& executa) const {
  try {
    // The statement is prepared here and its values are checked by the database at execution;
    // a refusal at any of these steps is the database's answer for this row.
    fb::Statement comando(*conexao_, sql);
    vincula(comando);
    executa(comando);
    return true;
  } catch (const fb::Error& erro) {
    TGenerico::PGeraLog(FMensagemFalha(operacao, chaves, erro.what()));
    return false;
  }
}

void TDao::PVinculaInsercao(fb::Statement& comando, const TRegistro& registro) const {
  PVinculaColunas(comando, registro);
}

void TDao::PExecutaInsercao(fb::Statement& comando) const { comando.execute(); }

bool TDao::FInsereRegistro(const TRegistro& registro) const {
  const TListaValoresChave chaves = FValoresChave(registro);
  return fbExecutaEscrita(
      TOperacao::Insercao, FSqlInsercao(), chaves,
      [&](fb::Statement& comando) { PVinculaInsercao(comando, registro); },
      [&](fb::Statement& comando) { PExecutaInsercao(comando); });
}

bool TDao::FUpdateRegistro(const TRegistro& registro) const {
  const TListaValoresChave chaves = FValoresChave(registro);
  return fbExecutaEscrita(
      TOperacao::Atualizacao, FSqlAtualizacao(), chaves,
      [&](fb::Statement& comando) { PVinculaColunas(comando, registro); },
      [](fb::Statement& comando) { comando.execute(); });
}

bool TDaoComExclusao::FDeletaRegistro(const TListaValoresChave& chaves) const {
  PExigeChaves(chaves);
  return fbExecutaEscrita(
      TOperacao::Exclusao, FSqlExclusao(), chaves,
      [&](fb::Statement& comando) { PVinculaChaves(comando, chaves); },
      [](fb::Statement& comando) { comando.execute(); });
}
