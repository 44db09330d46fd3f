#include "dao/UClassEncefatDao.h"

TEncefatDao::TEncefatDao(fb::Connection& conexao) : TDaoDe(conexao) {}
