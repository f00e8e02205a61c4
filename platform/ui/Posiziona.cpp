#include "platform/ui/Posiziona.h"

#include <cmath>

#include <QApplication>
#include <QComboBox>
#include <QPalette>
#include <QWidget>

int Px(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

void Posiziona(QWidget* w, int left, int top, int width, int height) {
    if (!w) return;
    w->setGeometry(Px(left), Px(top), Px(width), Px(height));
}

void Dimensiona(QWidget* w, int width, int height) {
    if (!w) return;
    w->resize(Px(width), Px(height));
}

QString NomeIndice(const char* nome, int i) {
    return QString::fromUtf8(nome) + QLatin1Char('(') + QString::number(i) + QLatin1Char(')');
}

void ImpostaSfondo(QWidget* w, const QColor& colore) {
    if (!w) return;
    QPalette pal = w->palette();
    // The Fusion style paints a list that cannot be typed into as a button:
    // its face takes a coloured background too, and the style's own again for white.
    auto* lista = qobject_cast<QComboBox*>(w);
    const bool faccia = lista && !lista->isEditable();
    for (auto g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(g, QPalette::Base, colore);
        if (faccia) pal.setColor(g, QPalette::Button, colore == kBianco ? QApplication::palette(w).color(g, QPalette::Button) : colore);
    }
    w->setPalette(pal);
}

QColor Sfondo(const QWidget* w) {
    if (!w) return {};
    return w->palette().color(QPalette::Active, QPalette::Base);
}

namespace Piattaforma {
namespace {
int beepContati = 0;
}
void Beep() {
    ++beepContati;
    QApplication::beep();
}
int BeepContati() { return beepContati; }
void AzzeraBeep() { beepContati = 0; }
}  // namespace Piattaforma
