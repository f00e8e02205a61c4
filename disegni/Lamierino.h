// The lamination drawings of the lamination dialog and the lamination editor.
#pragma once

#include <QImage>

namespace disegni {

// 228 x 180: the outline of a lamination of kind 1..6 (shell, long shell,
// three legs, two legs, square three legs, long three legs) with its measures
// marked: A height, B width, C centre leg (the first leg of two), D outer leg,
// E window height, F window width, G yoke. Any other kind gives a null image.
QImage Lamierino(int tipo);

}  // namespace disegni
