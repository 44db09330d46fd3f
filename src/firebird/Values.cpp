#include "firebird/Values.h"

#include <cmath>

#include "firebird/Error.h"

namespace fb::detail {

namespace {
constexpr long long kDaysFrom1858To1899 = 15018;
constexpr long long kTicksPerDay = 864'000'000;  // 1/10000 s
}  // namespace

ISC_TIMESTAMP toTimestamp(TDateTime value) {
  // The database's range: 0001-01-01 00:00 to 9999-12-31 23:59:59.9999. The check comes before
  // any conversion to an integer, which would be undefined for NaN or a huge magnitude.
  if (!fbDataHoraValida(value))
    throw Error("date-time value out of range (0001-01-01 to 9999-12-31)");
  const double whole = std::trunc(value);
  long long ticks = std::llround(std::fabs(value - whole) * kTicksPerDay);
  long long days = static_cast<long long>(whole);
  // Both before and after 30 December 1899 the fraction counts forward from midnight, so a time
  // that rounds up to midnight belongs to the next day.
  if (ticks >= kTicksPerDay) {
    ticks -= kTicksPerDay;
    days += 1;
  }
  if (days > static_cast<long long>(kUltimoDiaDataHora))
    throw Error("date-time value out of range (0001-01-01 to 9999-12-31)");
  ISC_TIMESTAMP ts;
  ts.timestamp_date = static_cast<ISC_DATE>(days + kDaysFrom1858To1899);
  ts.timestamp_time = static_cast<ISC_TIME>(ticks);
  return ts;
}

TDateTime fromTimestamp(ISC_DATE date, ISC_TIME time) {
  const double whole = static_cast<double>(static_cast<long long>(date) - kDaysFrom1858To1899);
  const double fraction = static_cast<double>(time) / kTicksPerDay;
  return whole >= 0 ? whole + fraction : whole - fraction;
}

}  // namespace fb::detail
