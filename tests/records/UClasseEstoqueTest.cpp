// The owning list frees its items last first, also when it goes away.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "records/UClassSangria.h"
#include "records/UClasseEstoque.h"

namespace {
struct TItemRegistrado {
  TItemRegistrado(std::vector<int>& liberados, int numero) : liberados(liberados), numero(numero) {}
  ~TItemRegistrado() { liberados.push_back(numero); }
  std::vector<int>& liberados;
  int numero;
};
}  // namespace

TEST(ColecaoEstoque, LimpaListaLiberaDoUltimoAoPrimeiroEEsvazia) {
  std::vector<int> liberados;
  TColecaoEstoqueDe<TItemRegistrado> lista;
  for (int i = 1; i <= 3; ++i) lista.PAdiciona(std::make_unique<TItemRegistrado>(liberados, i));
  EXPECT_EQ(lista.FRetorna(1).numero, 2);
  lista.PLimpaLista();
  EXPECT_EQ(liberados, (std::vector<int>{3, 2, 1}));
  EXPECT_EQ(lista.Count(), 0u);
  EXPECT_THROW(lista.FRetorna(0), std::out_of_range);
  lista.PLimpaLista();
  EXPECT_EQ(liberados.size(), 3u);
}

TEST(ColecaoEstoque, DestruirAListaLiberaOsItensEGuardaRegistros) {
  std::vector<int> liberados;
  {
    TColecaoEstoqueDe<TItemRegistrado> lista;
    lista.PAdiciona(std::make_unique<TItemRegistrado>(liberados, 1));
    lista.PAdiciona(std::make_unique<TItemRegistrado>(liberados, 2));
  }
  EXPECT_EQ(liberados, (std::vector<int>{2, 1}));

  TColecaoEstoque registros;
  TRegistro& guardado = registros.PAdiciona(std::make_unique<TRegistroSangria>());
  guardado.SetTexto("Usuario", "ANA");
  EXPECT_EQ(registros.FRetorna(0).GetTexto("Usuario"), "ANA");
  EXPECT_THROW(registros.PAdiciona(nullptr), std::invalid_argument);
  EXPECT_EQ(registros.Count(), 1u);
}
