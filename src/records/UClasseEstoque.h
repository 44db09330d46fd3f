#pragma once
// A general list that owns its items. PLimpaLista frees every item, last first, and empties the
// list; the list's destruction does the same.
#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "records/UClassRegistro.h"

template <class T>
class TColecaoEstoqueDe {
 public:
  TColecaoEstoqueDe() = default;
  TColecaoEstoqueDe(const TColecaoEstoqueDe&) = delete;
  TColecaoEstoqueDe& operator=(const TColecaoEstoqueDe&) = delete;
  ~TColecaoEstoqueDe() { PLimpaLista(); }

  T& PAdiciona(std::unique_ptr<T> item) {
    if (!item) throw std::invalid_argument("TColecaoEstoque: item nulo não pode ser adicionado");
    itens_.push_back(std::move(item));
    return *itens_.back();
  }
  T& FRetorna(std::size_t indice) const {
    if (indice >= itens_.size())
      throw std::out_of_range("TColecaoEstoque: posição " + std::to_string(indice) +
                              " fora da lista (" + std::to_string(itens_.size()) + " itens)");
    return *itens_[indice];
  }
  std::size_t Count() const { return itens_.size(); }

  void PLimpaLista() noexcept {
    while (!itens_.empty()) itens_.pop_back();
  }

 private:
  std::vector<std::unique_ptr<T>> itens_;
};

using TColecaoEstoque = TColecaoEstoqueDe<TRegistro>;
