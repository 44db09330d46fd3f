// sincrovia-cli: the agent's engine without a window.
#include <iostream>
#include <string>
#include <vector>

#include "cli/UCliComandos.h"
#include "cli/UCliSaida.h"

int main(int argc, char** argv) {
  std::vector<std::string> argumentos(argv + 1, argv + argc);
  // Text from the configuration file and the command line reaches the terminal escaped.
  TSaidaEscapada filtroSaida(std::cout), filtroErro(std::cerr);
  std::ostream saida(&filtroSaida), erro(&filtroErro);
  return FExecutaCli(argumentos, saida, erro);
}
