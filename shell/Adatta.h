// Fits a control's font to the box the form gives it: the fonts of the forms
// are not on every system, and a wider substitute would clip or wrap texts.
#pragma once

class QWidget;
class QString;

// Lowers the font's pixel size of w (never below minPixel) until every line of
// testo fits the inner width, and all lines fit the height, of w.
void AdattaCarattere(QWidget* w, const QString& testo, int minPixel = 8);
