#include "shell/Adatta.h"

#include <QFontMetrics>
#include <QStringList>
#include <QWidget>

void AdattaCarattere(QWidget* w, const QString& testo, int minPixel) {
    QFont f = w->font();
    int px = f.pixelSize() > 0 ? f.pixelSize() : QFontMetrics(f).height();
    const QStringList righe = testo.split(QLatin1Char('\n'));
    // Buttons and frames need a little room around their text.
    const int margine = w->inherits("QAbstractButton") ? 8 : 0;
    const int larghezza = w->contentsRect().width() - margine;
    const int altezza = w->contentsRect().height();
    for (; px > minPixel; --px) {
        f.setPixelSize(px);
        const QFontMetrics fm(f);
        int massima = 0;
        for (const QString& r : righe) massima = qMax(massima, fm.horizontalAdvance(r));
        if (massima <= larghezza && fm.lineSpacing() * righe.size() <= altezza + fm.leading()) break;
    }
    f.setPixelSize(px);
    w->setFont(f);
}
