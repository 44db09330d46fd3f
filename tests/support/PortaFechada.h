#pragma once
// A TCP port on 127.0.0.1 that nothing listens on while the object lives: it is bound and never
// listened on, so no other process can take it and a connect to it is refused at once.
class TPortaFechada {
 public:
  TPortaFechada();
  ~TPortaFechada();
  TPortaFechada(const TPortaFechada&) = delete;
  TPortaFechada& operator=(const TPortaFechada&) = delete;

  int porta() const { return porta_; }

 private:
  int descritor_ = -1;
  int porta_ = 0;
};
