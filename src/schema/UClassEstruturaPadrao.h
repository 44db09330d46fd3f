#pragma once
// In-memory definition of one maintained table: the domains its columns use, its columns in
// order and its constraints. Built from the catalogue for one application to one connection and
// released afterwards; nothing here is shared or cached.
#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace fb {
class Connection;
}
class TNotificador;

// One domain: created as "CREATE DOMAIN " + Nome + " AS " + Tipo + " " + Nulo.
struct TDominio {
  std::string Nome;
  std::string Tipo;
  std::string Nulo;
};

// One column, always declared with a domain (TipoCampo names a TDominio). Nulo is "NOT NULL" for a
// mandatory column; Default is written without quotes, empty meaning no default.
struct TCampo {
  std::string Tabela;
  std::string NomeCampo;
  std::string TipoCampo;
  std::string Nulo;
  std::string Default;
};

// One constraint. Tipo "PK" is a primary key and "UNQ" a unique constraint, compared exactly;
// any other text is a foreign key, which alone uses CampoReferencia and TabelaReferencia.
// Campo is the comma-separated column list of the constraint clause.
struct TConstraint {
  std::string Tipo;
  std::string Nome;
  std::string Campo;
  std::string Tabela;
  std::string CampoReferencia;
  std::string TabelaReferencia;
};

// An ordered list that owns its entries. Entries are reached by position only, in insertion
// order; there is no lookup by name and no duplicate check, so an entry appended twice holds two
// positions.
template <class T>
class TColecaoOrdenada {
 public:
  TColecaoOrdenada() = default;
  TColecaoOrdenada(const TColecaoOrdenada&) = delete;
  TColecaoOrdenada& operator=(const TColecaoOrdenada&) = delete;
  virtual ~TColecaoOrdenada() = default;

  std::size_t Count() const { return itens_.size(); }

 protected:
  void PAdiciona(std::unique_ptr<T> item) {
    if (!item) throw std::invalid_argument(nomeColecao_ + ": entrada nula não pode ser adicionada");
    itens_.push_back(std::move(item));
  }
  T& FRetorna(std::size_t indice) const {
    if (indice >= itens_.size())
      throw std::out_of_range(nomeColecao_ + ": posição " + std::to_string(indice) +
                              " fora da lista (" + std::to_string(itens_.size()) + " entradas)");
    return *itens_[indice];
  }
  explicit TColecaoOrdenada(std::string nomeColecao) : nomeColecao_(std::move(nomeColecao)) {}

 private:
  std::string nomeColecao_;
  std::vector<std::unique_ptr<T>> itens_;
};

class TColDominio : public TColecaoOrdenada<TDominio> {
 public:
  TColDominio() : TColecaoOrdenada("TColDominio") {}
  void PAdicionaDominio(std::string Nome, std::string Tipo, std::string Nulo);
  void PAdicionaDominio(std::unique_ptr<TDominio> Dominio);
  TDominio& FRetornaDominio(std::size_t Index) const { return FRetorna(Index); }
};

class TColCampo : public TColecaoOrdenada<TCampo> {
 public:
  TColCampo() : TColecaoOrdenada("TColCampo") {}
  void PAdicionaCampo(std::string Tabela, std::string NomeCampo, std::string TipoCampo,
                      std::string Nulo, std::string Default);
  void PAdicionaCampo(std::unique_ptr<TCampo> Campo);
  TCampo& FRetornaCampo(std::size_t Index) const { return FRetorna(Index); }
};

class TColConstraint : public TColecaoOrdenada<TConstraint> {
 public:
  TColConstraint() : TColecaoOrdenada("TColConstraint") {}
  void PAdicionaConstraint(std::string Tipo, std::string Nome, std::string Campo,
                           std::string Tabela, std::string CampoReferencia,
                           std::string TabelaReferencia);
  void PAdicionaConstraint(std::unique_ptr<TConstraint> Constraint);
  TConstraint& FRetornaConstraint(std::size_t Index) const { return FRetorna(Index); }
};

// One table's definition. It owns the three collections it is given (each owning its entries);
// setting a collection releases the one it replaces. A new structure holds three empty
// collections.
class TEstruturaTabela {
 public:
  TEstruturaTabela();
  TEstruturaTabela(const TEstruturaTabela&) = delete;
  TEstruturaTabela& operator=(const TEstruturaTabela&) = delete;

  TColDominio& GetColDominio() const { return *colDominio_; }
  TColCampo& GetColCampos() const { return *colCampos_; }
  TColConstraint& GetColConstraint() const { return *colConstraint_; }
  void SetColDominio(std::unique_ptr<TColDominio> ColDominio);
  void SetColCampos(std::unique_ptr<TColCampo> ColCampos);
  void SetColConstraint(std::unique_ptr<TColConstraint> ColConstraint);

  // Brings the database of `Conexao` into line with this definition (TAtualizaBaseDados). Failed
  // changes are logged and passed over; an error of the checks that read the database (it cannot
  // be reached or read) leaves here as fb::Error. The notifier shows the missing-domain warning.
  void PAtualizaBancoDeDados(fb::Connection& Conexao, TNotificador& notificador) const;

 private:
  std::unique_ptr<TColDominio> colDominio_;
  std::unique_ptr<TColCampo> colCampos_;
  std::unique_ptr<TColConstraint> colConstraint_;
};
