// The pictures of the output transformer's secondary configurations, shown
// by its window and written into LIBRERIA as GIF files at build time.
#pragma once

#include <QImage>

namespace disegni {

// 400 x 300: the secondary configuration "N" or "A" .. "H" of the output
// transformer: its letter and description; the primary as its sections in
// series for each stage the letter offers (single-ended: anode, B+ and the
// air gap; push-pull: two anodes, B+ at the centre tap); the secondary
// sections with their share of the turns S and their current; one sketch per
// load impedance of the sections joined in series (+) or parallel (∥).
// Any other letter gives a null image.
QImage ConfigurazioneSecondari(char lettera);

}  // namespace disegni
