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

// The days of 1 January 0001 and of 31 December 9999, the range of every date-time the program
// handles (the database's own). Before day 0 the whole part is negative and the fraction counts
// forward from midnight: -693593.5 is 0001-01-01 12:00.
inline constexpr double kPrimeiroDiaDataHora = -693593.0;
inline constexpr double kUltimoDiaDataHora = 2958465.0;

// Whether the value is a date-time of that range: finite, its day from 0001-01-01 to 9999-12-31.
bool fbDataHoraValida(TDateTime valor);

// The calendar parts of a TDateTime, the time rounded to the millisecond. Throws
// std::invalid_argument for a value that is not fbDataHoraValida (NaN, infinite, out of range).
TDataHoraPartes FDecodeDataHora(TDateTime valor);

// The date in the system short date format used by messages and the log file name: dd/mm/yyyy.
// Throws as FDecodeDataHora.
std::string fsDataCurta(TDateTime valor);

// The date as ddmmyyyy, for file names. Throws as FDecodeDataHora.
std::string fsDataSemSeparador(TDateTime valor);

// The current local date and time.
TDateTime FAgora();
