#include "dao/UClassForneceDao.h"

TForneceDao::TForneceDao(fb::Connection& conexao) : TDaoDe(conexao) {}
