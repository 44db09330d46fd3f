#include "records/UClassRegistro.h"

#include <utility>

namespace {
TValorCampo FValorVazio(TTipoValor tipo) {
  switch (tipo) {
    case TTipoValor::Texto: return std::string();
    case TTipoValor::DataHora: return TDateTime{0};
    case TTipoValor::Flutuante: return 0.0;
    case TTipoValor::Inteiro: return std::int32_t{0};
  }
  return std::string();
}
}  // namespace

TRegistro::TRegistro(const TTabelaCatalogo& tabela) : tabela_(&tabela) {
  valores_.reserve(tabela.colunas.size());
  for (const TColunaCatalogo& coluna : tabela.colunas) valores_.push_back(FValorVazio(coluna.tipo));
}

std::size_t TRegistro::FPosicao(std::string_view propriedade, TTipoValor tipo) const {
  const std::size_t posicao = FPosicaoPropriedade(*tabela_, propriedade);
  if (posicao == NaoEncontrado)
    throw EPropriedadeRegistro(std::string(FNomeClasse()) + ": propriedade \"" +
                               std::string(propriedade) + "\" não existe");
  const TTipoValor proprio = tabela_->colunas[posicao].tipo;
  if (proprio != tipo)
    throw EPropriedadeRegistro(std::string(FNomeClasse()) + ": propriedade \"" +
                               std::string(propriedade) + "\" é de " + FNomeTipo(proprio) +
                               ", não de " + FNomeTipo(tipo));
  return posicao;
}

std::size_t TRegistro::FPosicaoValida(std::size_t posicao) const {
  if (posicao >= valores_.size())
    throw EPropriedadeRegistro(std::string(FNomeClasse()) + ": posição " +
                               std::to_string(posicao) + " fora das " +
                               std::to_string(valores_.size()) + " propriedades");
  return posicao;
}

std::string TRegistro::GetTexto(std::string_view propriedade) const {
  return std::get<std::string>(valores_[FPosicao(propriedade, TTipoValor::Texto)]);
}
TDateTime TRegistro::GetDataHora(std::string_view propriedade) const {
  return std::get<double>(valores_[FPosicao(propriedade, TTipoValor::DataHora)]);
}
double TRegistro::GetFlutuante(std::string_view propriedade) const {
  return std::get<double>(valores_[FPosicao(propriedade, TTipoValor::Flutuante)]);
}
std::int32_t TRegistro::GetInteiro(std::string_view propriedade) const {
  return std::get<std::int32_t>(valores_[FPosicao(propriedade, TTipoValor::Inteiro)]);
}

void TRegistro::SetTexto(std::string_view propriedade, std::string valor) {
  valores_[FPosicao(propriedade, TTipoValor::Texto)] = std::move(valor);
}
void TRegistro::SetDataHora(std::string_view propriedade, TDateTime valor) {
  valores_[FPosicao(propriedade, TTipoValor::DataHora)] = valor;
}
void TRegistro::SetFlutuante(std::string_view propriedade, double valor) {
  valores_[FPosicao(propriedade, TTipoValor::Flutuante)] = valor;
}
void TRegistro::SetInteiro(std::string_view propriedade, std::int32_t valor) {
  valores_[FPosicao(propriedade, TTipoValor::Inteiro)] = valor;
}

const TValorCampo& TRegistro::FValor(std::size_t posicao) const {
  return valores_[FPosicaoValida(posicao)];
}

void TRegistro::PAtribuiValor(std::size_t posicao, TValorCampo valor) {
  const TColunaCatalogo& coluna = tabela_->colunas[FPosicaoValida(posicao)];
  if (valor.index() != FAlternativa(coluna.tipo))
    throw EPropriedadeRegistro(std::string(FNomeClasse()) + ": propriedade \"" +
                               std::string(coluna.propriedade) + "\" é de " +
                               FNomeTipo(coluna.tipo) + " e não aceita o valor dado");
  valores_[posicao] = std::move(valor);
}

TRegistroComEstrutura::TRegistroComEstrutura(const TTabelaCatalogo& tabela) : TRegistro(tabela) {}

std::unique_ptr<TColDominio> TRegistroComEstrutura::FRetornaColecaoDominios() const {
  return ::FRetornaColecaoDominios(FRetornaTabela());
}
std::unique_ptr<TColCampo> TRegistroComEstrutura::FRetornaColecaoCampos() const {
  return ::FRetornaColecaoCampos(FRetornaTabela());
}
std::unique_ptr<TColConstraint> TRegistroComEstrutura::FRetornaColecaoConstraint() const {
  return ::FRetornaColecaoConstraint(FRetornaTabela());
}

void TRegistroComEstrutura::PAtualizaBaseDados(const TRegistroComEstrutura& registro,
                                               fb::Connection& Conexao,
                                               TNotificador& notificador) {
  TEstruturaTabela estrutura;
  estrutura.SetColDominio(registro.FRetornaColecaoDominios());
  estrutura.SetColCampos(registro.FRetornaColecaoCampos());
  estrutura.SetColConstraint(registro.FRetornaColecaoConstraint());
  estrutura.PAtualizaBancoDeDados(Conexao, notificador);
}
