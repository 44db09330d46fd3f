#include "dao/UClassDocurecDao.h"

TDocurecDao::TDocurecDao(fb::Connection& conexao) : TDaoDe(conexao) {}
