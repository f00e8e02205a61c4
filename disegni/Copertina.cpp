#include "disegni/Copertina.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace disegni {

QImage Copertina() {
    QImage img(200, 200, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);

    // Background: a soft bench-top gradient.
    QLinearGradient fondo(0, 0, 0, 200);
    fondo.setColorAt(0, QColor(236, 232, 222));
    fondo.setColorAt(1, QColor(196, 188, 172));
    p.fillRect(img.rect(), fondo);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(QRectF(4, 170, 112, 18));
    p.drawEllipse(QRectF(124, 176, 64, 12));

    // ---- the transformer: E-I lamination stack with a bobbin, and its frame.
    const QRectF pacco(14, 70, 96, 104);
    QLinearGradient ferro(pacco.topLeft(), pacco.topRight());
    ferro.setColorAt(0, QColor(70, 74, 82));
    ferro.setColorAt(0.5, QColor(140, 146, 156));
    ferro.setColorAt(1, QColor(62, 66, 74));
    p.setBrush(ferro);
    p.setPen(QPen(QColor(40, 40, 44), 1));
    p.drawRect(pacco);
    // Laminations seen edge-on.
    p.setPen(QPen(QColor(50, 52, 58, 120), 1));
    for (double y = pacco.top() + 4; y < pacco.bottom(); y += 4)
        p.drawLine(QPointF(pacco.left() + 1, y), QPointF(pacco.right() - 1, y));
    // Bobbin with the copper winding in the window.
    const QRectF bobina(34, 84, 56, 76);
    QLinearGradient rame(bobina.topLeft(), bobina.topRight());
    rame.setColorAt(0, QColor(128, 58, 18));
    rame.setColorAt(0.45, QColor(232, 146, 74));
    rame.setColorAt(1, QColor(120, 52, 16));
    p.setBrush(rame);
    p.setPen(QPen(QColor(90, 40, 10), 1));
    p.drawRoundedRect(bobina, 4, 4);
    p.setPen(QPen(QColor(255, 220, 170, 90), 1));
    for (double y = bobina.top() + 3; y < bobina.bottom() - 2; y += 3)
        p.drawLine(QPointF(bobina.left() + 2, y), QPointF(bobina.right() - 2, y));
    // Clamping frame and mounting feet.
    p.setBrush(QColor(36, 36, 40));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(10, 64, 104, 8));
    p.drawRect(QRectF(10, 172, 104, 8));
    p.drawRect(QRectF(4, 176, 18, 6));
    p.drawRect(QRectF(102, 176, 18, 6));
    // Solder tags and leads on top.
    p.setPen(QPen(QColor(210, 200, 150), 2));
    for (int k = 0; k < 4; ++k) {
        const double x = 30 + k * 20;
        p.drawLine(QPointF(x, 64), QPointF(x, 54));
    }
    p.setPen(QPen(QColor(170, 20, 20), 2));
    p.drawLine(QPointF(30, 54), QPointF(22, 40));
    p.setPen(QPen(QColor(20, 20, 20), 2));
    p.drawLine(QPointF(50, 54), QPointF(46, 38));
    p.setPen(QPen(QColor(230, 200, 30), 2));
    p.drawLine(QPointF(70, 54), QPointF(76, 40));
    p.setPen(QPen(QColor(30, 90, 180), 2));
    p.drawLine(QPointF(90, 54), QPointF(100, 42));

    // ---- the power valve: octal base, glass envelope, plates and getter.
    const double cx = 156;
    // Base.
    QLinearGradient bachelite(cx - 20, 0, cx + 20, 0);
    bachelite.setColorAt(0, QColor(30, 24, 20));
    bachelite.setColorAt(0.5, QColor(86, 70, 58));
    bachelite.setColorAt(1, QColor(26, 20, 16));
    p.setBrush(bachelite);
    p.setPen(QPen(QColor(10, 10, 10), 1));
    p.drawRoundedRect(QRectF(cx - 20, 156, 40, 24), 3, 3);
    p.setBrush(QColor(200, 190, 150));
    p.setPen(Qt::NoPen);
    for (int k = -2; k <= 2; ++k) p.drawRect(QRectF(cx + k * 7 - 1.5, 180, 3, 6));
    // Glass envelope (a bottle shape), lightly tinted.
    QPainterPath vetro;
    vetro.moveTo(cx - 18, 158);
    vetro.lineTo(cx - 18, 100);
    vetro.cubicTo(cx - 18, 84, cx - 26, 70, cx - 26, 52);
    vetro.cubicTo(cx - 26, 30, cx - 14, 22, cx, 22);
    vetro.cubicTo(cx + 14, 22, cx + 26, 30, cx + 26, 52);
    vetro.cubicTo(cx + 26, 70, cx + 18, 84, cx + 18, 100);
    vetro.lineTo(cx + 18, 158);
    vetro.closeSubpath();
    QLinearGradient riflesso(cx - 26, 0, cx + 26, 0);
    riflesso.setColorAt(0, QColor(200, 215, 225, 110));
    riflesso.setColorAt(0.3, QColor(255, 255, 255, 150));
    riflesso.setColorAt(1, QColor(170, 185, 200, 110));
    // Electrodes first, glass over them.
    p.setBrush(QColor(60, 60, 64));
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.drawRect(QRectF(cx - 12, 56, 24, 78));  // plate
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.drawLine(QPointF(cx - 8, 134), QPointF(cx - 8, 156));
    p.drawLine(QPointF(cx + 8, 134), QPointF(cx + 8, 156));
    p.drawLine(QPointF(cx, 50), QPointF(cx, 56));
    p.setBrush(QColor(220, 220, 225));
    p.setPen(QPen(QColor(120, 120, 130), 1));
    p.drawEllipse(QRectF(cx - 12, 44, 24, 8));  // mica
    p.drawEllipse(QRectF(cx - 12, 132, 24, 6));
    // Heater glow through the plate slot.
    QRadialGradient bagliore(QPointF(cx, 95), 10);
    bagliore.setColorAt(0, QColor(255, 150, 40, 230));
    bagliore.setColorAt(1, QColor(255, 90, 0, 0));
    p.setBrush(bagliore);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(cx - 3, 70, 6, 50));
    // Getter flash at the top.
    QRadialGradient getter(QPointF(cx, 30), 16);
    getter.setColorAt(0, QColor(90, 80, 60, 200));
    getter.setColorAt(1, QColor(160, 150, 120, 0));
    p.setBrush(getter);
    p.drawEllipse(QRectF(cx - 16, 23, 32, 16));
    p.setBrush(riflesso);
    p.setPen(QPen(QColor(120, 140, 150, 200), 1.2));
    p.drawPath(vetro);
    // A highlight on the glass.
    p.setPen(QPen(QColor(255, 255, 255, 170), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx - 19, 56), QPointF(cx - 14, 96));
    return img;
}

}  // namespace disegni
