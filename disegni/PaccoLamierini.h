// The lamination stack of the lamination dialog.
#pragma once

#include <QImage>

namespace disegni {

// 120 x 86: a stack of laminations with its thickness Sp marked.
QImage PaccoLamierini();

}  // namespace disegni
