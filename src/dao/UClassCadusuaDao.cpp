#include "dao/UClassCadusuaDao.h"

TCadusuaDao::TCadusuaDao(fb::Connection& conexao) : TDaoDe(conexao) {}
