#include "firebird/Values.h"

#include <cmath>

#include "firebird/Error.h"

namespace fb::detail {

namespace {
constexpr long long kDaysFrom1858To1899 = 15018;
constexpr long long kTicksPerDay = 864'000'000;  // 1/10000 s
}  // namespace

ISC_TIMESTAMP toTimestamp(TDateTime value) {
  if (!std::isfinite(value) || value < -693593.0 || value > 2958466.0)
    throw Error("date-time value out of range");
  double whole = std::trunc(value);
  long long ticks = std::llround(std::fabs(value - whole) * kTicksPerDay);
  long long days = static_cast<long long>(whole);
  // Both before and after 30 December 1899 the fraction counts forward from midnight, so a time
  // that rounds up to midnight belongs to the next day.
  if (ticks >= kTicksPerDay) {
    ticks -= kTicksPerDay;
    days += 1;
  }
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
