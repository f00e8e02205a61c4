// The insulation drawing of the insulation dialog.
#pragma once

#include <QImage>

namespace disegni {

// 200 x 200: a cut through one side of a bobbin with two windings of copper
// wire, thin insulation between their layers of turns and a thicker sheet
// after each winding.
QImage Isolamento();

}  // namespace disegni
