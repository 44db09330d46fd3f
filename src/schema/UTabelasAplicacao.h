#pragma once
// The store system's own tables that the agent reads and writes without maintaining them
// (machine list PDVFISC, parameter table PARATLM with its one row, TABINTE, operators CADOPER),
// plus the domains the change queue is declared with. A store database has them before the agent
// ever sees it; demo stores and test databases are given them by these statements.
#include <span>
#include <string_view>

std::span<const std::string_view> FComandosTabelasAplicacao();
