#pragma once
#include <string>
#include <utility>

#include "records/UClassRegistro.h"

class TRegistroSangria final : public TRegistroComEstrutura {
 public:
  TRegistroSangria();

  // The getter of Dc is spelled GetDC; its setter is SetDc.
  std::string GetDC() const { return GetTexto("Dc"); }
  void SetDc(std::string valor) { SetTexto("Dc", std::move(valor)); }
};
