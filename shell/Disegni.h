// The program's own pictures of the start and about windows, drawn with
// QPainter: the start window's photo-like drawing and the application icon.
#pragma once

#include <QImage>

namespace disegni {

// 200 x 200: a small power transformer beside an audio power valve.
QImage Copertina();

// 32 x 32: the application icon (a transformer symbol).
QImage Icona();

}  // namespace disegni
