#pragma once
// The look the agent's windows share, and the small control behaviours both use: white labels on
// a dark blue background with lighter bands, a field that upper-cases what is typed, one that
// shows "*" for every character, and the application's icon.
#include <QIcon>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Positioned controls (the windows have fixed sizes), named after the system's control names.
QLabel* FRotulo(QWidget* pai, const QString& texto, int x, int y, int largura);
QLineEdit* FCampo(QWidget* pai, const char* nome, int x, int y, int largura);
QPushButton* FBotao(QWidget* pai, const char* nome, const QString& texto, int x, int y,
                    int largura);

// White text on the window's background (labels, check boxes).
void PTextoBranco(QWidget& controle);
void PMaiusculas(QLineEdit& campo);
void PSenha(QLineEdit& campo);
// The background picture and the four bands of a window of that size.
void PAplicaFundo(QWidget& janela);

// The application's icon, drawn here so that no image plug-in is needed: two arrows turning
// around one another on a rounded blue square.
QIcon FIconeAplicacao();
