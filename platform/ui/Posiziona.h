// Small helpers every window and dialog uses: placement in twips, names of
// control-array elements, text conversion, background colours and the beep.
#pragma once

#include <string>

#include <QColor>
#include <QString>

class QWidget;

// ---- placement: the forms are laid out in twips, 15 twips to a pixel.
// Pixels of a twips measure (rounded to the nearest pixel).
int Px(int twips);
// Places w at left/top with width/height, all in twips, relative to its parent
// (for a top-level widget: its client area on the screen).
void Posiziona(QWidget* w, int left, int top, int width, int height);
// Only the size, in twips (e.g. a window's client area).
void Dimensiona(QWidget* w, int width, int height);

// ---- names: an element of a control array carries its index in parentheses.
// NomeIndice("Txt_SecVolt", 0) == "Txt_SecVolt(0)".
QString NomeIndice(const char* nome, int i);

// ---- text: the design data holds UTF-8 std::string, the widgets QString.
inline QString Qs(const std::string& s) { return QString::fromStdString(s); }
inline QString Qs(const char* s) { return QString::fromUtf8(s); }
inline std::string U8(const QString& s) { return s.toStdString(); }

// ---- background colours of input fields.
inline const QColor kGiallo(255, 255, 0);    // empty or refused value
inline const QColor kBianco(255, 255, 255);  // valid value
// Sets the background (the Base role) of a text field, combo box or list; a
// list that cannot be typed into shows it on its face too (white: its usual face).
void ImpostaSfondo(QWidget* w, const QColor& colore);
QColor Sfondo(const QWidget* w);
inline void SfondoGiallo(QWidget* w, bool giallo) { ImpostaSfondo(w, giallo ? kGiallo : kBianco); }
inline bool EGiallo(const QWidget* w) { return Sfondo(w) == kGiallo; }

namespace Piattaforma {
// The computer's beep (refused key, empty field). Counted, so tests can tell.
void Beep();
int BeepContati();
void AzzeraBeep();
}  // namespace Piattaforma
