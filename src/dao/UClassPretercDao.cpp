#include "dao/UClassPretercDao.h"

TPretercDao::TPretercDao(fb::Connection& conexao) : TDaoDe(conexao) {}
