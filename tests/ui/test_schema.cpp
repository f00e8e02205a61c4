// The winding schematic window: placement of pictures and labels (twips / 15,
// rounded), status text, menu, printing, and the core drawn as one line.
#include <memory>

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QtTest>

#include "UiTestSupport.h"
#include "engine/ModuleDIC.h"
#include "platform/ui/FinestraModale.h"
#include "shell/Disegni.h"
#include "shell/Frm_Schema.h"

namespace {

std::unique_ptr<ModuleDIC> Progetto(int tipo, float priUlt, float secUlt) {
    auto d = std::make_unique<ModuleDIC>();
    d->TipoCalcolo = static_cast<int16_t>(tipo);
    d->PriUlt = priUlt;
    d->SecUlt = secUlt;
    for (int i = 0; i < AVV_MAX; ++i) {
        d->PriVolt[i] = 220;
        d->PriAmp[i] = 0.45f;
        d->PriSpire[i] = 1234;
        d->PriFiloNudo[i] = 0.3f;
        d->SecVolt[i] = 12;
        d->SecVoltVuoto[i] = 13.5f;
        d->SecAmp[i] = 1.5f;
        d->SecSpire[i] = 80;
        d->SecFiloNudo[i] = 0.8f;
    }
    return d;
}

QList<QLabel*> Visibili(Frm_Schema& w) {
    QList<QLabel*> v;
    for (QLabel* l : w.Area()->findChildren<QLabel*>())
        if (l->isVisibleTo(&w)) v << l;
    return v;
}

QLabel* Elemento(Frm_Schema& w, const char* nome, int i) {
    return Figlio<QLabel>(&w, NomeIndice(nome, i));
}

}  // namespace

class TestSchema : public QObject {
    Q_OBJECT

private slots:
    void init() { guardia_ = std::make_unique<Sorveglianza>(); }
    void cleanup() {
        guardia_->Verifica();
        guardia_.reset();
    }

    void twoColumnsOnePrimaryTwoSecondaries() {
        auto d = Progetto(1, 0, 1);
        Frm_Schema w(*d);
        QCOMPARE(w.windowTitle(), QStringLiteral("Schema del Trasformatore"));
        // Image1(0) at 2200/100 = 147/7; Image2(0) at 2755/100 = 184/7; Image2(1) at 2755/700 = 184/47.
        QCOMPARE(Elemento(w, "Image1", 0)->pos(), QPoint(147, 7));
        QCOMPARE(Elemento(w, "Image2", 0)->pos(), QPoint(184, 7));
        QCOMPARE(Elemento(w, "Image2", 1)->pos(), QPoint(184, 47));
        QCOMPARE(Elemento(w, "Image1", 0)->size(), QSize(47, 47));
        // Label5(1) reads Avv.2 at 4755/900 = 317/60.
        QLabel* avv2 = Elemento(w, "Label5", 1);
        QCOMPARE(avv2->text(), QStringLiteral("Avv.2"));
        QCOMPARE(avv2->pos(), QPoint(317, 60));
        // Row texts: masks and units.
        QCOMPARE(Elemento(w, "Label1", 0)->text(), QStringLiteral("220, V"));
        QCOMPARE(Elemento(w, "Label2", 0)->text(), QStringLiteral("0,45 A"));
        QCOMPARE(Elemento(w, "Label3", 0)->text(), QStringLiteral("1234 sp"));
        QCOMPARE(Elemento(w, "Label4", 0)->text(), QStringLiteral("0,3mm"));
        QCOMPARE(Elemento(w, "Label7", 1)->text(), QStringLiteral("1,5 A"));
        QCOMPARE(Elemento(w, "Label9", 1)->text(), QStringLiteral("0,8mm"));
        // Each label sizes itself to its caption.
        QLabel* l8 = Elemento(w, "Label8", 1);
        QCOMPARE(l8->width(), l8->sizeHint().width());
        // Every other element stays hidden: 3 pictures and 15 labels.
        QCOMPARE(Visibili(w).size(), 18);
        QVERIFY(!Elemento(w, "Image1", 1)->isVisibleTo(&w));
        QVERIFY(!Elemento(w, "Label0", 1)->isVisibleTo(&w));
        QVERIFY(!Elemento(w, "Image3", 0)->isVisibleTo(&w));
        // Hidden labels keep the design caption, the array's name.
        QCOMPARE(Elemento(w, "Label0", 5)->text(), QStringLiteral("Label0"));
        // The working variables keep the values the drawing left.
        QCOMPARE(d->Indice, 2.0f);
        QCOMPARE(d->Appoggio, 1300.0f);
        QCOMPARE(d->NumRec, 2755.0f);
    }

    void twelveRowsAndMoreAreClamped() {
        auto d = Progetto(5, 11, 25);  // more secondaries than the schematic holds
        Frm_Schema w(*d);
        // Last primary row at 6700 twips = 447 px (446.67 rounded); the picture reaches 7405 = 494.
        QCOMPARE(Elemento(w, "Image1", 11)->y(), 447);
        QCOMPARE(Elemento(w, "Image2", 11)->y(), 447);
        QVERIFY(Elemento(w, "Image2", 11)->isVisibleTo(&w));
        QCOMPARE(Visibili(w).size(), 24 + 120);
    }

    void stepDownAutotransformer() {
        auto d = Progetto(2, 0, 0);
        d->PriVolt[0] = 230;
        d->SecVoltVuoto[0] = 120;
        d->SecVolt[0] = 115;
        Frm_Schema w(*d);
        QCOMPARE(Elemento(w, "Image4", 0)->pos(), QPoint(147, 7));
        QCOMPARE(Elemento(w, "Image4", 0)->size(), QSize(76, 47));
        QCOMPARE(Elemento(w, "Image6", 0)->pos(), QPoint(147, 47));
        // Label0 200/300 = 13/20, Label1 800/250 = 53/17, Label4 1500/450 = 100/30;
        // Label5 4200/900 = 280/60, Label6 3000/850 = 200/57, Label9 3600/1050 = 240/70.
        QCOMPARE(Elemento(w, "Label0", 0)->pos(), QPoint(13, 20));
        QCOMPARE(Elemento(w, "Label1", 0)->pos(), QPoint(53, 17));
        QCOMPARE(Elemento(w, "Label4", 0)->pos(), QPoint(100, 30));
        QCOMPARE(Elemento(w, "Label5", 0)->pos(), QPoint(280, 60));
        QCOMPARE(Elemento(w, "Label6", 0)->pos(), QPoint(200, 57));
        QCOMPARE(Elemento(w, "Label9", 0)->pos(), QPoint(240, 70));
        QCOMPARE(Elemento(w, "Label6", 0)->text(), QStringLiteral("115, V"));
        QCOMPARE(Visibili(w).size(), 12);
        QVERIFY(!Elemento(w, "Image3", 0)->isVisibleTo(&w));
        QVERIFY(!Elemento(w, "Image5", 0)->isVisibleTo(&w));
    }

    void equalVoltagesDrawAsStepUp() {
        auto d = Progetto(4, 0, 0);
        d->PriVolt[0] = 230;
        d->SecVoltVuoto[0] = 230;
        Frm_Schema w(*d);
        QCOMPARE(Elemento(w, "Image3", 0)->pos(), QPoint(147, 7));
        QCOMPARE(Elemento(w, "Image5", 0)->pos(), QPoint(147, 47));
        QVERIFY(!Elemento(w, "Image4", 0)->isVisibleTo(&w));
        QVERIFY(!Elemento(w, "Image6", 0)->isVisibleTo(&w));
    }

    void unknownKindDrawsNothingButStatus() {
        for (int tipo : {0, 6}) {
            auto d = Progetto(tipo, 3, 3);
            Frm_Schema w(*d);
            QCOMPARE(Visibili(w).size(), 0);
            QCOMPARE(LeggiTestoStato(&w), QStringLiteral("Schema del Trasformatore    "));
        }
    }

    void statusTextAndMenu() {
        auto d = Progetto(1, 0, 0);
        d->FileTitolo = "Alimentatore 12V.tmf";
        Frm_Schema w(*d);
        QCOMPARE(LeggiTestoStato(&w), QStringLiteral("Schema del Trasformatore    Alimentatore 12V.tmf"));
        QCOMPARE(Figlio<QMenu>(&w, "MnuFile")->title(), QStringLiteral("&File"));
        QCOMPARE(Figlio<QAction>(&w, "MnuFileStampa")->text(), QStringLiteral("Sta&mpa"));
        QCOMPARE(Figlio<QAction>(&w, "MnuFileEsci")->text(), QStringLiteral("&Esci"));
    }

    void printAndExit() {
        FakeMessaggiUi msg;  // printing shows no message
        FakeDialoghiUi dlg;
        auto d = Progetto(3, 1, 1);
        Frm_Schema w(*d);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // Cancelled printer dialog: nothing printed.
        dlg.stampanteOk = false;
        Figlio<QAction>(&w, "MnuFileStampa")->trigger();
        QCOMPARE(dlg.chiamate.size(), size_t(1));
        QCOMPARE(dlg.chiamate[0].tipo, QStringLiteral("Stampa"));
        QVERIFY(dlg.stampate.empty());
        // Confirmed: the window's image is printed.
        dlg.stampanteOk = true;
        Figlio<QAction>(&w, "MnuFileStampa")->trigger();
        QCOMPARE(dlg.stampate.size(), size_t(1));
        QCOMPARE(dlg.stampate[0].size(), w.grab().size());
        QVERIFY(msg.boxes.empty());
        // Exit closes at once, with no question.
        Figlio<QAction>(&w, "MnuFileEsci")->trigger();
        QVERIFY(!w.isVisible());
        QVERIFY(msg.boxes.empty());
    }

    void modalShowReturnsOnExit() {
        FakeMessaggiUi msg;
        auto d = Progetto(1, 0, 0);
        Frm_Schema w(*d);
        bool eraModale = false;
        QTimer::singleShot(50, &w, [&] {
            eraModale = w.isVisible() && w.isModal();
            Figlio<QAction>(&w, "MnuFileEsci")->trigger();
        });
        MostraModale(&w);
        QVERIFY(eraModale);
        QVERIFY(!w.isVisible());
        // The design data are read, not written.
        QCOMPARE(d->PriVolt[0], 220.0f);
        QCOMPARE(d->TipoCalcolo, int16_t(1));
    }

    // The bars of consecutive rows must join into one continuous core.
    void coreBarsFormOneLine() {
        struct Caso {
            int tipo;
            float pri, sec;
            float priVolt, vuoto;
            int righe;
        };
        const Caso casi[] = {{1, 3, 2, 220, 12, 4},     // two columns, four primaries
                             {2, 0, 0, 230, 120, 2},    // step-down pair
                             {4, 0, 0, 110, 230, 2}};   // step-up pair
        for (const Caso& c : casi) {
            auto d = Progetto(c.tipo, c.pri, c.sec);
            d->PriVolt[0] = c.priVolt;
            d->SecVoltVuoto[0] = c.vuoto;
            Frm_Schema w(*d);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            const QImage img = w.Area()->grab().toImage();
            const int figura = c.tipo == 1 ? 1 : (c.priVolt > c.vuoto ? 4 : 3);
            const QList<int> colonne = disegni::ColonneNucleo(figura);
            QCOMPARE(colonne.size(), 4);
            const int x0 = 147;                               // 2200 twips
            const int yAlto = 7;                              // first row, 100 twips
            const int yBasso = 7 + 40 * (c.righe - 1) + 46;   // last row's last pixel
            for (int col : colonne) {
                for (int y = yAlto; y <= yBasso; ++y) {
                    const QRgb p = img.pixel(x0 + col, y);
                    QVERIFY2(qGray(p) < 60, qPrintable(QStringLiteral("kind %1: gap in the bar at x %2, y %3")
                                                           .arg(c.tipo).arg(x0 + col).arg(y)));
                }
                // Nothing above the first row or below the last.
                QVERIFY(qGray(img.pixel(x0 + col, yAlto - 2)) > 150);
                QVERIFY(qGray(img.pixel(x0 + col, yBasso + 2)) > 150);
            }
            // Between two bars there is background: four thin bars, not a block.
            QVERIFY(qGray(img.pixel(x0 + colonne[0] + 1, yAlto + 20)) > 150);
        }
    }

private:
    std::unique_ptr<Sorveglianza> guardia_;
};

QTEST_MAIN(TestSchema)
#include "test_schema.moc"
