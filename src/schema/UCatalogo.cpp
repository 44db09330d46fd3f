#include "schema/UCatalogo.h"

#include <stdexcept>
#include <string>

namespace {
consteval bool fbCatalogoCoerente() {
  // Tables are told apart by position: the undefined-behaviour sanitizer's checks make a
  // comparison of two pointers no constant expression.
  std::size_t colunas = 0;
  for (std::size_t i = 0; i < std::size(Catalogo); ++i) {
    const TTabelaCatalogo& tabela = *Catalogo[i];
    if (!tabela.possuiDefinicao || !fbTabelaCoerente(tabela)) return false;
    colunas += tabela.colunas.size();
    for (std::size_t j = 0; j < i; ++j)
      if (Catalogo[j]->nome == tabela.nome) return false;
  }
  return colunas == QuantidadeColunasCatalogo;
}
static_assert(fbCatalogoCoerente(), "catalogue entry inconsistent");
static_assert(fbTabelaCoerente(TabelaCadoper), "CADOPER entry inconsistent");

void PExigeDefinicao(const TTabelaCatalogo& tabela) {
  if (!tabela.possuiDefinicao)
    throw std::logic_error(std::string(tabela.classeRegistro) + ": a tabela " +
                           std::string(tabela.nome) + " não possui definição de estrutura");
}
}  // namespace

const TTabelaCatalogo* FProcuraTabela(std::string_view nome) {
  for (const TTabelaCatalogo* tabela : Catalogo)
    if (tabela->nome == nome) return tabela;
  return nome == TabelaCadoper.nome ? &TabelaCadoper : nullptr;
}

std::unique_ptr<TColDominio> FRetornaColecaoDominios(const TTabelaCatalogo& tabela) {
  PExigeDefinicao(tabela);
  auto colecao = std::make_unique<TColDominio>();
  for (TDominioId id : tabela.dominios) {
    const TDominioCatalogo& dominio = FDominio(id);
    colecao->PAdicionaDominio(std::string(dominio.Nome), std::string(dominio.Tipo), "");
  }
  return colecao;
}

std::unique_ptr<TColCampo> FRetornaColecaoCampos(const TTabelaCatalogo& tabela) {
  PExigeDefinicao(tabela);
  auto colecao = std::make_unique<TColCampo>();
  for (const TColunaCatalogo& coluna : tabela.colunas)
    colecao->PAdicionaCampo(std::string(tabela.nome), std::string(coluna.nome),
                            std::string(FDominio(coluna.dominio).Nome),
                            std::string(coluna.FNulo()), "");
  return colecao;
}

std::unique_ptr<TColConstraint> FRetornaColecaoConstraint(const TTabelaCatalogo& tabela) {
  PExigeDefinicao(tabela);
  auto colecao = std::make_unique<TColConstraint>();
  colecao->PAdicionaConstraint("PK", std::string(tabela.nomePk), std::string(tabela.campoPk),
                               std::string(tabela.nomeCapital), "", "");
  return colecao;
}

std::unique_ptr<TEstruturaTabela> FRetornaEstruturaTabela(const TTabelaCatalogo& tabela) {
  auto estrutura = std::make_unique<TEstruturaTabela>();
  estrutura->SetColDominio(FRetornaColecaoDominios(tabela));
  estrutura->SetColCampos(FRetornaColecaoCampos(tabela));
  estrutura->SetColConstraint(FRetornaColecaoConstraint(tabela));
  return estrutura;
}
