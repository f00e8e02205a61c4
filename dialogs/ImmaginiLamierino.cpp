#include "dialogs/ImmaginiLamierino.h"

#include <QLabel>

#include "disegni/Lamierino.h"
#include "engine/ModuleDIC.h"
#include "platform/ui/Controlli.h"

ImmaginiLamierino::ImmaginiLamierino(QWidget* parent, int x, int y, int w, int h) {
    for (int t = 1; t <= NUM; ++t) {
        Image[static_cast<size_t>(t)] =
            Immagine(parent, QStringLiteral("Image") + QString::number(t), disegni::Lamierino(t), x, y, w, h);
        Image[static_cast<size_t>(t)]->hide();
    }
}

void ImmaginiLamierino::MostraSolo(int tipo) {
    for (int t = 1; t <= NUM; ++t) Image[static_cast<size_t>(t)]->setVisible(t == tipo);
}

void ImmaginiLamierino::Mostra(const ModuleDIC& d) {
    const int t = d.TipoLam;
    if (Vero(d.LamMantello)) MostraSolo(t == 1 || t == 2 ? t : 0);
    if (Vero(d.Lam2Colonne)) MostraSolo(t == 4 ? 4 : 0);
    if (Vero(d.Lam3Colonne)) MostraSolo(t == 3 || t == 5 || t == 6 ? t : 0);
}
