// What the pictures share: the colour of their lines, the white sheet they
// are drawn on, the measure lines with their letters and the pixel fonts.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QString>

class QPainter;

namespace disegni {

inline constexpr QRgb kTratto = qRgb(0, 0, 0);

// A measure line from a to b with end ticks and its letter beside it.
void Quota(QPainter& p, QPointF a, QPointF b, const QString& lettera, QPointF testo);

// A drawing of w x h pixels on `fondo`, white unless told.
QImage Foglio(int w, int h, const QColor& fondo = Qt::white);

// The painter's font at px pixels, bold or not.
void Carattere(QPainter& p, int px, bool grassetto);

// Smooth lines and the bold letters of the measures.
void PreparaPittore(QPainter& p);

}  // namespace disegni
