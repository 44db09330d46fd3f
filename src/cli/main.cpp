// sincrovia-cli: the agent's engine without a window.
#include <iostream>
#include <string>
#include <vector>

#include "cli/UCliComandos.h"

int main(int argc, char** argv) {
  std::vector<std::string> argumentos(argv + 1, argv + argc);
  return FExecutaCli(argumentos, std::cout, std::cerr);
}
