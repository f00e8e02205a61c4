// The three-phase connections of the connection letter dialog.
#pragma once

#include <QImage>

namespace disegni {

// 80 x 80, black on white: the delta (0), star (1) or zig-zag (2) connection
// of three windings, each with its terminal; star and zig-zag with the neutral.
QImage CollegamentoTrifase(int n);

}  // namespace disegni
