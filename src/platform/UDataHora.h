#pragma once
// The date-time type shared by every layer: a day count from 30 December 1899, the fraction being
// the time of day. Date columns hold the whole part only; a timestamp keeps the fraction.
#include <string>

using TDateTime = double;

struct TDataHoraPartes {
  int ano = 1899, mes = 12, dia = 30;
  int hora = 0, minuto = 0, segundo = 0, milissegundo = 0;
};

// Calendar date (and optional time) to a TDateTime. Throws std::invalid_argument for a date that
// does not exist (month 13, 30 February) or a time out of range.
TDateTime FEncodeDataHora(int ano, int mes, int dia, int hora = 0, int minuto = 0, int segundo = 0,
                          int milissegundo = 0);

// The calendar parts of a TDateTime, the time rounded to the millisecond.
TDataHoraPartes FDecodeDataHora(TDateTime valor);

// The date in the system short date format used by messages and the log file name: dd/mm/yyyy.
std::string fsDataCurta(TDateTime valor);

// The date as ddmmyyyy, for file names.
std::string fsDataSemSeparador(TDateTime valor);

// The current local date and time.
TDateTime FAgora();
