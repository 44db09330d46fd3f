#include "engine/UListaDeChave.h"

#include "firebird/Statement.h"

void TListaDeChave::PLimpa() {
  for (std::string& chave : chaves) chave.clear();
}

std::size_t TListaDeChave::FQuantidade() const {
  std::size_t n = 0;
  while (n < chaves.size() && !chaves[n].empty()) ++n;
  return n;
}

TListaDeChave FLeListaDeChave(const fb::ResultSet& linha) {
  TListaDeChave lista;
  for (std::size_t i = 0; i < kQuantidadeChaves; ++i)
    lista[i] = linha.getString("CHAVE" + std::to_string(i));
  return lista;
}
