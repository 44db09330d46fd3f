#include "dao/UClassReducaoz_iDao.h"

TReducaoz_iDao::TReducaoz_iDao(fb::Connection& conexao) : TDaoDe(conexao) {}
