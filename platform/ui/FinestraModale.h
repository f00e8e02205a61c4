// Design windows: a QMainWindow with a menu and a status bar, shown modally
// over the start window. Esc does not close a QMainWindow (only the menu's
// exit item or the title-bar button do).
#pragma once

#include <QString>

class QLabel;
class QMainWindow;

// Shows w application-modal and returns when it is closed (hidden) or
// destroyed. w keeps its own ownership; with Qt::WA_DeleteOnClose it is gone
// on return.
void MostraModale(QMainWindow* w);

// The permanent label of the status bar that shows the simple-style status
// text (objectName "StatusBar1_Testo"); made on first use. The status bar is
// named "StatusBar1" if it has no name yet.
QLabel* TestoStato(QMainWindow* w);
void ImpostaTestoStato(QMainWindow* w, const QString& testo);
QString LeggiTestoStato(QMainWindow* w);
