// The application icon, drawn with QPainter.
#pragma once

#include <QImage>

namespace disegni {

// 32 x 32: the application icon (a transformer symbol).
QImage Icona();

}  // namespace disegni
