// The line drawings of the winding schematic, drawn with QPainter.
#pragma once

#include <QImage>
#include <QList>

namespace disegni {

// Winding pictures of the schematic, by picture kind (1..6, see engine/SchemaLayout.h).
// Kinds 1 and 2 are 47 x 47 with the core bars at columns 37, 40, 43, 46 (kind 1)
// or 0, 3, 6, 9 (kind 2); kinds 3..6 are 76 x 47 with the bars at 36, 39, 42, 45.
// The bars run the full height, so pictures stacked 40 px apart join into one core.
// The background is transparent. Any other kind gives a null image.
QImage Avvolgimento(int figura);

// Columns of the core bars in a winding picture of the given kind (empty if unknown).
QList<int> ColonneNucleo(int figura);

}  // namespace disegni
