#pragma once
// Nested event loops on the main thread: a cycle letting window events through between queue rows,
// a modal message box, a dialog. While one runs, the code below it on the stack still uses the
// engines, so the program must not be shut down under it. Each such loop holds a TLacoAninhado
// while it runs; a shutdown asked for meanwhile waits until the depth is back at zero.
#include <functional>

class TLacoAninhado {
 public:
  TLacoAninhado();
  ~TLacoAninhado();
  TLacoAninhado(const TLacoAninhado&) = delete;
  TLacoAninhado& operator=(const TLacoAninhado&) = delete;

  // How many are running now (main thread only).
  static int FProfundidade();
  // Called, through the event queue, each time the depth falls back to zero.
  static void PDefineAoZerar(std::function<void()> aoZerar);
  // Ends every modal dialog and message box now open, innermost first, as if cancelled: a
  // shutdown unwinds them instead of waiting for a person.
  static void PFechaModais();
};
