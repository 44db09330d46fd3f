// Date-times: the calendar parts and the day count, and the database's timestamp.
// - Encoding valid parts and decoding the result gives the same parts; invalid parts are refused.
// - Any double either is refused by the decoder (NaN, infinite, outside 0001-01-01..9999-12-31)
//   or decodes to valid parts lying within half a millisecond of it.
// - The timestamp conversion accepts exactly the database's range, lands within half a tick,
//   and a timestamp read from the database converts back to itself.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "firebird/Error.h"
#include "firebird/Values.h"
#include "platform/UDataHora.h"

namespace {

constexpr double kMsPorDia = 86'400'000.0;
constexpr ISC_DATE kPrimeiraData = -678575;   // 0001-01-01 as the database counts days
constexpr ISC_DATE kUltimaData = 2973483;     // 9999-12-31
constexpr ISC_TIME kTicksPorDia = 864'000'000;

[[noreturn]] void PFalha(const char* oque, double v) {
  std::fprintf(stderr, "%s: %.17g\n", oque, v);
  std::abort();
}

bool fbBissexto(int a) { return (a % 4 == 0 && a % 100 != 0) || a % 400 == 0; }
int FDiasNoMes(int a, int m) {
  static constexpr int dias[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && fbBissexto(a) ? 29 : dias[m - 1];
}

bool fbPartesValidas(const TDataHoraPartes& p) {
  return p.ano >= 1 && p.ano <= 9999 && p.mes >= 1 && p.mes <= 12 && p.dia >= 1 &&
         p.dia <= FDiasNoMes(p.ano, p.mes) && p.hora >= 0 && p.hora <= 23 && p.minuto >= 0 &&
         p.minuto <= 59 && p.segundo >= 0 && p.segundo <= 59 && p.milissegundo >= 0 &&
         p.milissegundo <= 999;
}

bool operator==(const TDataHoraPartes& a, const TDataHoraPartes& b) {
  return a.ano == b.ano && a.mes == b.mes && a.dia == b.dia && a.hora == b.hora &&
         a.minuto == b.minuto && a.segundo == b.segundo && a.milissegundo == b.milissegundo;
}

// The moment as days counted forward: the day, then the time of day from its midnight.
double FInstante(double v) { return std::trunc(v) + std::fabs(v - std::trunc(v)); }

void PConfereDouble(double v) {
  bool decodificado = true;
  TDataHoraPartes p;
  try {
    p = FDecodeDataHora(v);
  } catch (const std::invalid_argument&) {
    decodificado = false;
  }
  if (decodificado != fbDataHoraValida(v)) PFalha("decodificação e validade discordam", v);
  const bool noIntervalo = std::isfinite(v) && std::trunc(v) >= -693593.0 && std::trunc(v) <= 2958465.0;
  if (decodificado != noIntervalo) PFalha("intervalo aceito não é 0001-01-01..9999-12-31", v);
  if (decodificado) {
    if (!fbPartesValidas(p)) PFalha("partes inválidas", v);
    const double volta = FEncodeDataHora(p.ano, p.mes, p.dia, p.hora, p.minuto, p.segundo,
                                         p.milissegundo);
    const double diferenca = std::fabs(FInstante(volta) - FInstante(v)) * kMsPorDia;
    // Half a millisecond, and the last day's last millisecond that the end of time rounds to.
    const double tolerancia = p.ano == 9999 && p.mes == 12 && p.dia == 31 ? 1.0 : 0.5;
    // Plus what a double holds of a millisecond near day 3,000,000 (about 0.04 ms).
    if (diferenca > tolerancia + 0.1)
      PFalha("decodificação longe do valor", v);
  }

  bool convertido = true;
  ISC_TIMESTAMP ts{};
  try {
    ts = fb::detail::toTimestamp(v);
  } catch (const fb::Error&) {
    convertido = false;
  }
  if (convertido) {
    if (!noIntervalo) PFalha("timestamp aceitou um valor fora do intervalo", v);
    if (ts.timestamp_date < kPrimeiraData || ts.timestamp_date > kUltimaData ||
        ts.timestamp_time >= kTicksPorDia)
      PFalha("timestamp fora do intervalo do banco", v);
    const double volta = fb::detail::fromTimestamp(ts.timestamp_date, ts.timestamp_time);
    // Half a tick, plus what a double holds of a tick there (0.1 near day 700,000, 0.4 near
    // day 3,000,000), once for the value and once for the way back.
    const double ulp = std::nextafter(std::fabs(v), INFINITY) - std::fabs(v);
    if (std::fabs(FInstante(volta) - FInstante(v)) * kTicksPorDia > 0.5 + 2 * ulp * kTicksPorDia)
      PFalha("timestamp longe do valor", v);
  } else if (noIntervalo) {
    // Refused inside the range only when it rounds past 9999-12-31 23:59:59.9999.
    if (std::trunc(v) != 2958465.0) PFalha("timestamp recusou um valor do intervalo", v);
  }
}

void PConfereTimestamp(ISC_DATE data, ISC_TIME hora) {
  const double v = fb::detail::fromTimestamp(data, hora);
  ISC_TIMESTAMP ts{};
  try {
    ts = fb::detail::toTimestamp(v);
  } catch (const fb::Error&) {
    PFalha("um timestamp do banco não volta a ele", v);
  }
  if (ts.timestamp_date != data || ts.timestamp_time != hora)
    PFalha("timestamp do banco mudou na volta", v);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  FuzzedDataProvider entrada(dados, tamanho);
  TDataHoraPartes p;
  p.ano = entrada.ConsumeIntegralInRange(-2, 10001);
  p.mes = entrada.ConsumeIntegralInRange(-1, 14);
  p.dia = entrada.ConsumeIntegralInRange(-1, 32);
  p.hora = entrada.ConsumeIntegralInRange(-1, 25);
  p.minuto = entrada.ConsumeIntegralInRange(-1, 61);
  p.segundo = entrada.ConsumeIntegralInRange(-1, 61);
  p.milissegundo = entrada.ConsumeIntegralInRange(-1, 1000);
  try {
    const double v = FEncodeDataHora(p.ano, p.mes, p.dia, p.hora, p.minuto, p.segundo,
                                     p.milissegundo);
    if (!fbPartesValidas(p)) PFalha("partes inválidas aceitas", v);
    if (!(FDecodeDataHora(v) == p)) PFalha("codificar e decodificar mudou as partes", v);
  } catch (const std::invalid_argument&) {
    if (fbPartesValidas(p)) PFalha("partes válidas recusadas", 0);
  }

  PConfereTimestamp(entrada.ConsumeIntegralInRange<ISC_DATE>(kPrimeiraData, kUltimaData),
                    entrada.ConsumeIntegralInRange<ISC_TIME>(0, kTicksPorDia - 1));

  double v;
  if (entrada.ConsumeBool()) {
    v = entrada.ConsumeFloatingPoint<double>();  // anything, NaN and infinities included
  } else {
    v = entrada.ConsumeFloatingPointInRange(-693595.0, 2958467.0);
  }
  if (entrada.remaining_bytes() >= sizeof(double)) {
    double bruto;
    const auto bytes = entrada.ConsumeBytes<uint8_t>(sizeof bruto);
    std::memcpy(&bruto, bytes.data(), sizeof bruto);
    PConfereDouble(bruto);
  }
  PConfereDouble(v);
  return 0;
}
