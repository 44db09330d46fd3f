#include "dao/UClassEnccartaoDao.h"

TEnccartaoDao::TEnccartaoDao(fb::Connection& conexao) : TDaoDe(conexao) {}
