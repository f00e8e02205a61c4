// The start window's photo-like drawing, drawn with QPainter.
#pragma once

#include <QImage>

namespace disegni {

// 200 x 200: a small power transformer beside an audio power valve.
QImage Copertina();

}  // namespace disegni
