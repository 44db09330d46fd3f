#include "dao/UClassReducaoz_cDao.h"

TReducaoz_cDao::TReducaoz_cDao(fb::Connection& conexao) : TDaoDe(conexao) {}
