#include "schema/UClassEstruturaPadrao.h"

#include "schema/UClassAtualizaBd.h"

void TColDominio::PAdicionaDominio(std::string Nome, std::string Tipo, std::string Nulo) {
  PAdiciona(std::make_unique<TDominio>(TDominio{std::move(Nome), std::move(Tipo), std::move(Nulo)}));
}

void TColDominio::PAdicionaDominio(std::unique_ptr<TDominio> Dominio) { PAdiciona(std::move(Dominio)); }

void TColCampo::PAdicionaCampo(std::string Tabela, std::string NomeCampo, std::string TipoCampo,
                               std::string Nulo, std::string Default) {
  PAdiciona(std::make_unique<TCampo>(TCampo{std::move(Tabela), std::move(NomeCampo),
                                            std::move(TipoCampo), std::move(Nulo),
                                            std::move(Default)}));
}

void TColCampo::PAdicionaCampo(std::unique_ptr<TCampo> Campo) { PAdiciona(std::move(Campo)); }

void TColConstraint::PAdicionaConstraint(std::string Tipo, std::string Nome, std::string Campo,
                                         std::string Tabela, std::string CampoReferencia,
                                         std::string TabelaReferencia) {
  PAdiciona(std::make_unique<TConstraint>(
      TConstraint{std::move(Tipo), std::move(Nome), std::move(Campo), std::move(Tabela),
                  std::move(CampoReferencia), std::move(TabelaReferencia)}));
}

void TColConstraint::PAdicionaConstraint(std::unique_ptr<TConstraint> Constraint) {
  PAdiciona(std::move(Constraint));
}

TEstruturaTabela::TEstruturaTabela()
    : colDominio_(std::make_unique<TColDominio>()),
      colCampos_(std::make_unique<TColCampo>()),
      colConstraint_(std::make_unique<TColConstraint>()) {}

namespace {
template <class T>
void PSubstitui(std::unique_ptr<T>& atual, std::unique_ptr<T> nova, const char* propriedade) {
  if (!nova)
    throw std::invalid_argument(std::string("TEstruturaTabela: ") + propriedade +
                                " não pode ficar sem coleção");
  atual = std::move(nova);
}
}  // namespace

void TEstruturaTabela::SetColDominio(std::unique_ptr<TColDominio> ColDominio) {
  PSubstitui(colDominio_, std::move(ColDominio), "ColDominio");
}
void TEstruturaTabela::SetColCampos(std::unique_ptr<TColCampo> ColCampos) {
  PSubstitui(colCampos_, std::move(ColCampos), "ColCampos");
}
void TEstruturaTabela::SetColConstraint(std::unique_ptr<TColConstraint> ColConstraint) {
  PSubstitui(colConstraint_, std::move(ColConstraint), "ColConstraint");
}

void TEstruturaTabela::PAtualizaBancoDeDados(fb::Connection& Conexao,
                                             TNotificador& notificador) const {
  TAtualizaBaseDados atualizador(Conexao, notificador);
  atualizador.pAtualizaBaseDeDados(*this);
}
