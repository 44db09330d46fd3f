// The Windows side of the database service check: the installation named in the registry and its
// service tool. Built on Windows only.
#ifdef _WIN32
#include <windows.h>

#include <system_error>
#include <thread>

#include "platform/UServicoFirebird.h"

std::string TServicoFirebirdWindows::FRetornaLocalInstalacaoFirebird() const {
  HKEY chave = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Firebird Project\\Firebird Server\\Instances",
                    0, KEY_READ, &chave) != ERROR_SUCCESS)
    return {};
  char valor[MAX_PATH + 1] = {};
  DWORD tamanho = MAX_PATH;
  DWORD tipo = 0;
  const LONG r = RegQueryValueExA(chave, "DefaultInstance", nullptr, &tipo,
                                  reinterpret_cast<BYTE*>(valor), &tamanho);
  RegCloseKey(chave);
  if (r != ERROR_SUCCESS || (tipo != REG_SZ && tipo != REG_EXPAND_SZ)) return {};
  return std::string(valor, strnlen(valor, tamanho));
}

std::vector<std::string> TServicoFirebirdWindows::FComandoPartida() const {
  // With no installation found the command is relative to the current folder; its launch then
  // fails quietly, as the service tool's own outcome is never read.
  return {FRetornaLocalInstalacaoFirebird() + "Bin\\instsvc.exe", "start"};
}

void TLancadorWindows::PLanca(const std::vector<std::string>& comando) {
  std::string linha;
  for (const auto& parte : comando) linha += (linha.empty() ? "" : " ") + parte;
  WinExec(linha.c_str(), SW_SHOWNORMAL);
}

bool FStartFirebird() {
  TServicoFirebirdWindows servico;
  TLancadorWindows lancador;
  return FStartFirebird(servico, lancador,
                        [](std::chrono::milliseconds tempo) { std::this_thread::sleep_for(tempo); });
}
#endif
