#pragma once
// The synchronous hand-over of a worker to the main thread: the worker's routine runs on the main
// thread, through the main thread's event queue (a blocking queued call), while the worker waits.
// An error the routine raises is raised again in the worker.
//
// At shutdown the hand-over is closed: a routine queued but not yet run is dropped and its worker
// is let go at once, so no worker is left waiting for a main thread that is itself waiting for
// that worker to end.
#include <QObject>
#include <functional>

class TEntregaPrincipal : public QObject {
 public:
  // Must be created on the main thread.
  TEntregaPrincipal();

  // From a worker: runs `rotina` on the main thread and returns when it has run; true when it
  // ran, false when the hand-over was closed before it could. An error it raised is raised again
  // here. From the main thread itself the routine runs directly.
  bool fbExecuta(const std::function<void()>& rotina);

  // Main thread: no routine runs from now on; those still queued return false to their workers.
  void PFecha();
  bool fbFechada() const;

  // Main thread: lets the calls queued to this object run now (each dropped once closed), so a
  // worker blocked in fbExecuta returns. Used while the main thread waits for a worker to end.
  void PAtendePendentes();

 private:
  bool fechada_ = false;
};
