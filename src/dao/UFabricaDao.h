#pragma once
// The data-access object of a table by its upper-case name (the queue's TABELA value), for the
// replication cycles, which know a table only by that name.
#include <memory>
#include <span>
#include <string_view>

#include "dao/UClassDao.h"

// The concrete T<Table>Dao (TProdutoDao for "PRODUTO") bound to `conexao`, or nullptr for a
// table without a data-access class. `espera` replaces the sleep of TMvgeralDao's retry.
std::unique_ptr<TDao> FCriaDao(std::string_view tabela, fb::Connection& conexao,
                               TEspera espera = {});

// The same for a table whose class deletes (the sales and fiscal tables); nullptr for a
// master-data table or an unknown one.
std::unique_ptr<TDaoComExclusao> FCriaDaoComExclusao(std::string_view tabela,
                                                     fb::Connection& conexao, TEspera espera = {});

// The 32 tables that have a data-access class: the seven master-data tables first, then the
// sales and fiscal tables.
std::span<const std::string_view> FTabelasComDao();
