#include "dao/UClassConvencefatDao.h"

TConvencefatDao::TConvencefatDao(fb::Connection& conexao) : TDaoDe(conexao) {}
