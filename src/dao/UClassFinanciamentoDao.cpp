#include "dao/UClassFinanciamentoDao.h"

TFinanciamentoDao::TFinanciamentoDao(fb::Connection& conexao) : TDaoDe(conexao) {}
