#include "dao/UClassMovirecDao.h"

TMovirecDao::TMovirecDao(fb::Connection& conexao) : TDaoDe(conexao) {}
