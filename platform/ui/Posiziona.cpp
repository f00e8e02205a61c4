#include "platform/ui/Posiziona.h"

#include <cmath>

#include <QApplication>
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
    pal.setColor(QPalette::Active, QPalette::Base, colore);
    pal.setColor(QPalette::Inactive, QPalette::Base, colore);
    pal.setColor(QPalette::Disabled, QPalette::Base, colore);
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
