// The bobbin drawing of the bobbin dialog.
#pragma once

#include <QImage>

namespace disegni {

// 340 x 140: a bobbin, front view with its inner width Cr, inner depth Spr
// and winding depth M (inner wall to flange edge), and side view with the
// winding length H between the end flanges and the two grooves I and L
// either side of a middle flange.
QImage Rocchetto();

}  // namespace disegni
