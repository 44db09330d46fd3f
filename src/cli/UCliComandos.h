#pragma once
// The commands of the command-line tool. Exit status: 0 success, 1 failure, 2 bad usage, 3 a stall
// found by status --atraso-maximo.
#include <ostream>
#include <string>
#include <vector>

inline constexpr int kSaidaSucesso = 0;
inline constexpr int kSaidaFalha = 1;
inline constexpr int kSaidaUso = 2;

// Runs one command line (without the program name); normal output goes to `saida`, warnings and
// errors to `erro`.
int FExecutaCli(const std::vector<std::string>& argumentos, std::ostream& saida,
                std::ostream& erro);
