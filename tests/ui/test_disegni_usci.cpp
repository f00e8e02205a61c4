// The pictures of the output transformer's secondary configurations: drawn by
// the program and laid into LIBRERIA as GIF files when it is built.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include <QFile>
#include <QImage>
#include <QtTest>

#include "UiTestSupport.h"
#include "shell/Disegni.h"

namespace {

// Largest difference of one colour channel between two pictures.
int ScartoMassimo(QImage a, QImage b) {
    a = a.convertToFormat(QImage::Format_RGB32);
    b = b.convertToFormat(QImage::Format_RGB32);
    int m = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            m = std::max({m, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
        }
    return m;
}

// The palette keeps 6 levels a channel: a pixel is at most half a step off.
constexpr int kMezzoPasso = 26;

}  // namespace

class TestDisegniUsci : public QObject {
    Q_OBJECT

private slots:
    void gifFilesHoldTheDrawings() {
        std::vector<QImage> visti;
        for (char lettera : QByteArray("NABCDEFGH")) {
            const QImage disegno = disegni::ConfigurazioneSecondari(lettera);
            QCOMPARE(disegno.size(), QSize(400, 300));
            const QString file = LibreriaDefault(
                QStringLiteral("avv sec %1.gif").arg(QChar(lettera).toLower()).toUtf8().constData());
            QFile f(file);
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(file));
            const QByteArray testa = f.read(6);
            QVERIFY2(testa == "GIF89a" || testa == "GIF87a", testa.constData());
            QImage gif;
            QVERIFY(gif.load(file, "GIF"));
            QCOMPARE(gif.size(), disegno.size());
            QVERIFY2(ScartoMassimo(gif, disegno) <= kMezzoPasso, qPrintable(file));
            // Each letter has a drawing of its own.
            QVERIFY(std::none_of(visti.begin(), visti.end(), [&](const QImage& v) { return v == disegno; }));
            visti.push_back(disegno);
        }
        QVERIFY(disegni::ConfigurazioneSecondari('c').isNull());
        QVERIFY(disegni::ConfigurazioneSecondari('X').isNull());
    }
};

QTEST_MAIN(TestDisegniUsci)
#include "test_disegni_usci.moc"
