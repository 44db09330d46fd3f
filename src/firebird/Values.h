#pragma once
// Conversions between the program's date-time (days from 30 December 1899) and Firebird's
// timestamp (days from 17 November 1858, time of day in 1/10000 s). Internal to src/firebird.
#include <firebird/Interface.h>

#include "platform/UDataHora.h"

namespace fb::detail {

ISC_TIMESTAMP toTimestamp(TDateTime value);
TDateTime fromTimestamp(ISC_DATE date, ISC_TIME time);

}  // namespace fb::detail
