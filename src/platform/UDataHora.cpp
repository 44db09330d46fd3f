#include "platform/UDataHora.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <stdexcept>

namespace {

constexpr int kMsPorDia = 86'400'000;

// Days from 1970-01-01 for a proleptic Gregorian date (H. Hinnant's algorithm).
constexpr long long diasDesdeEpoca(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

void dataDeDias(long long z, int& ano, int& mes, int& dia) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long y = static_cast<long long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  dia = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  mes = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  ano = static_cast<int>(y + (mes <= 2));
}

// Compile-time, so that dates computed during the start-up of other files' globals are right.
constexpr long long kDias1899 = diasDesdeEpoca(1899, 12, 30);

bool anoBissexto(int a) { return (a % 4 == 0 && a % 100 != 0) || a % 400 == 0; }

int diasNoMes(int a, int m) {
  static constexpr int dias[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && anoBissexto(a) ? 29 : dias[m - 1];
}

}  // namespace

TDateTime FEncodeDataHora(int ano, int mes, int dia, int hora, int minuto, int segundo,
                          int milissegundo) {
  if (ano < 1 || ano > 9999 || mes < 1 || mes > 12 || dia < 1 || dia > diasNoMes(ano, mes))
    throw std::invalid_argument("data inválida");
  if (hora < 0 || hora > 23 || minuto < 0 || minuto > 59 || segundo < 0 || segundo > 59 ||
      milissegundo < 0 || milissegundo > 999)
    throw std::invalid_argument("hora inválida");
  const double dias = static_cast<double>(diasDesdeEpoca(ano, mes, dia) - kDias1899);
  const double fracao =
      ((hora * 60.0 + minuto) * 60.0 + segundo) * 1000.0 + milissegundo;
  // Before 30 December 1899 the whole part is negative and the fraction still counts forward
  // from midnight, as the day count has always been read.
  return dias >= 0 ? dias + fracao / kMsPorDia : dias - fracao / kMsPorDia;
}

bool fbDataHoraValida(TDateTime valor) {
  // Comparisons with NaN are false, so NaN is refused with the infinities.
  return valor > kPrimeiroDiaDataHora - 1.0 && valor < kUltimoDiaDataHora + 1.0;
}

TDataHoraPartes FDecodeDataHora(TDateTime valor) {
  if (!fbDataHoraValida(valor))
    throw std::invalid_argument("data-hora fora do intervalo de 01/01/0001 a 31/12/9999");
  TDataHoraPartes p;
  long long dia = static_cast<long long>(std::trunc(valor));
  long long ms = std::llround(std::fabs(valor - std::trunc(valor)) * kMsPorDia);
  // On both sides of day 0 the fraction counts forward from midnight, so a time that rounds up
  // to midnight belongs to the next day; on the very last day it stays the day's last millisecond.
  if (ms >= kMsPorDia) {
    if (dia < static_cast<long long>(kUltimoDiaDataHora)) {
      ms -= kMsPorDia;
      ++dia;
    } else {
      ms = kMsPorDia - 1;
    }
  }
  dataDeDias(dia + kDias1899, p.ano, p.mes, p.dia);
  p.hora = static_cast<int>(ms / 3'600'000);
  p.minuto = static_cast<int>(ms / 60'000 % 60);
  p.segundo = static_cast<int>(ms / 1000 % 60);
  p.milissegundo = static_cast<int>(ms % 1000);
  return p;
}

std::string fsDataCurta(TDateTime valor) {
  const auto p = FDecodeDataHora(valor);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", p.dia, p.mes, p.ano);
  return buf;
}

std::string fsDataSemSeparador(TDateTime valor) {
  const auto p = FDecodeDataHora(valor);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d%02d%04d", p.dia, p.mes, p.ano);
  return buf;
}

TDateTime FAgora() {
  const auto agora = std::chrono::system_clock::now();
  const std::time_t t = std::chrono::system_clock::to_time_t(agora);
  std::tm local{};
  localtime_r(&t, &local);
  const int ms = static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(agora.time_since_epoch()).count() %
      1000);
  return FEncodeDataHora(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                         local.tm_min, local.tm_sec, ms);
}
