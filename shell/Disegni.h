// The program's own pictures, drawn with QPainter: the start window's
// photo-like drawing, the application icon, and the lamination drawings of the
// lamination dialog and the lamination editor, the insulation drawing, and the
// secondary configurations of the output transformer.
#pragma once

#include <QImage>

namespace disegni {

// 200 x 200: a small power transformer beside an audio power valve.
QImage Copertina();

// 32 x 32: the application icon (a transformer symbol).
QImage Icona();

// 228 x 180: the outline of a lamination of kind 1..6 (shell, long shell,
// three legs, two legs, square three legs, long three legs) with its measures
// marked: A height, B width, C centre leg (the first leg of two), D outer leg,
// E window height, F window width, G yoke. Any other kind gives a null image.
QImage Lamierino(int tipo);

// 120 x 86: a stack of laminations with its thickness Sp marked.
QImage PaccoLamierini();

// 200 x 200: a cut through one side of a bobbin with two windings of copper
// wire, thin insulation between their layers of turns and a thicker sheet
// after each winding.
QImage Isolamento();

// 340 x 140: a bobbin, front view with its inner width Cr, inner depth Spr
// and winding depth M (inner wall to flange edge), and side view with the
// winding length H between the end flanges and the two grooves I and L
// either side of a middle flange.
QImage Rocchetto();

// 400 x 300: the secondary configuration "N" or "A" .. "H" of the output
// transformer: its letter and description; the primary as its sections in
// series for each stage the letter offers (single-ended: anode, B+ and the
// air gap; push-pull: two anodes, B+ at the centre tap); the secondary
// sections with their share of the turns S and their current; one sketch per
// load impedance of the sections joined in series (+) or parallel (∥).
// Any other letter gives a null image.
QImage ConfigurazioneSecondari(char lettera);

}  // namespace disegni
