#include "records/UClassCadoper.h"

TRegistroCadoper::TRegistroCadoper() : TRegistro(TabelaCadoper) {}
