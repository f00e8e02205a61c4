// The winding schematic window: which pictures and labels show and what
// they read, status text, printing, and the core drawn as one line.
#include <optional>
#include <utility>

#include "ProgettoSchema.h"
#include "UiTestSupport.h"
#include "disegni/Schema.h"
#include "engine/ModuleDIC.h"
#include "platform/ui/FinestraModale.h"
#include "windows/comune/Frm_Schema.h"

namespace {

int Visibili(Frm_Schema& w) {
    int n = 0;
    for (QLabel* l : w.Area()->findChildren<QLabel*>()) n += l->isVisibleTo(&w) ? 1 : 0;
    return n;
}

// A design and what its schematic must show: captions, hidden elements, the
// count of shown ones; and,
// when righe > 0, the core bars of picture `figura` unbroken down `righe` rows.
struct Caso {
    int tipo;
    float pri, sec, priVolt = 220, vuoto = 13.5f, secVolt = 12;  // voltages of the first windings
    std::vector<std::pair<const char*, const char*>> testi = {};
    std::vector<const char*> nascosti = {};
    int visibili = -1;
    int figura = 0, righe = 0;
};

// Every other winding: 220 V 0,45 A 1234 turns 0,3 mm on the primary side,
// 12 V (13,5 V off load) 1,5 A 80 turns 0,8 mm on the secondary side.
std::unique_ptr<ModuleDIC> Progetto(const Caso& c) {
    auto d = ProgettoSchema(c.tipo, c.pri, c.sec, {220, 0, 0.45f, 1234, 0.3f}, {12, 13.5f, 1.5f, 80, 0.8f});
    d->PriVolt[0] = c.priVolt;
    d->SecVoltVuoto[0] = c.vuoto;
    d->SecVolt[0] = c.secVolt;
    return d;
}

}  // namespace

Q_DECLARE_METATYPE(Caso)

class TestSchema : public QObject {
    Q_OBJECT

private slots:
    void init() { guardia_.emplace(); }
    void cleanup() { guardia_->Verifica(); guardia_.reset(); }

    void layout_data() {
        QTest::addColumn<Caso>("c");
        // (Where each element goes is the layout's own test.) 3 pictures and
        // 15 labels; hidden labels keep the design caption, the array's name.
        QTest::newRow("two columns, 1 primary 2 secondaries") << Caso{
            .tipo = 1, .pri = 0, .sec = 1,
            .testi = {{"Label5(1)", "Avv.2"}, {"Label1(0)", "220, V"}, {"Label2(0)", "0,45 A"},
                      {"Label3(0)", "1234 sp"}, {"Label4(0)", "0,3mm"}, {"Label7(1)", "1,5 A"},
                      {"Label9(1)", "0,8mm"}, {"Label0(5)", "Label0"}},
            .nascosti = {"Image1(1)", "Label0(1)", "Image3(0)"}, .visibili = 18};
        // 12 rows a side: 24 pictures, 120 labels.
        QTest::newRow("more rows than the schematic holds") << Caso{
            .tipo = 5, .pri = 11, .sec = 25, .visibili = 24 + 120};
        // The core: one picture per row, 40 px apart, 47 px high.
        QTest::newRow("two columns, four primaries") << Caso{
            .tipo = 1, .pri = 3, .sec = 2, .vuoto = 12, .figura = 1, .righe = 4};
        QTest::newRow("step-down autotransformer") << Caso{
            .tipo = 2, .pri = 0, .sec = 0, .priVolt = 230, .vuoto = 120, .secVolt = 115,
            .testi = {{"Label6(0)", "115, V"}},
            .nascosti = {"Image3(0)", "Image5(0)"}, .visibili = 12, .figura = 4, .righe = 2};
        QTest::newRow("step-up autotransformer") << Caso{
            .tipo = 4, .pri = 0, .sec = 0, .priVolt = 110, .vuoto = 230, .figura = 3, .righe = 2};
        for (int tipo : {0, 6})
            QTest::newRow(qPrintable(QStringLiteral("unknown kind %1").arg(tipo)))
                << Caso{.tipo = tipo, .pri = 3, .sec = 3, .visibili = 0};
    }
    void layout() {
        QFETCH(Caso, c);
        auto d = Progetto(c);
        Frm_Schema w(*d);
        for (auto [nome, testo] : c.testi) QCOMPARE(Figlio<QLabel>(&w, nome)->text(), QString::fromUtf8(testo));
        for (const char* nome : c.nascosti) QVERIFY2(!Figlio<QLabel>(&w, nome)->isVisibleTo(&w), nome);
        if (c.visibili >= 0) QCOMPARE(Visibili(w), c.visibili);
        if (c.righe == 0) return;

        // The bars of consecutive rows join into one continuous core.
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w, kAttesaMs));
        const QImage img = w.Area()->grab().toImage();
        const QList<int> colonne = disegni::ColonneNucleo(c.figura);
        QCOMPARE(colonne.size(), 4);
        // x 2200 twips; from the first row (100 twips) to the last row's last pixel
        const int x0 = 147, yAlto = 7, yBasso = 7 + 40 * (c.righe - 1) + 46;
        for (int col : colonne) {
            for (int y = yAlto; y <= yBasso; ++y)
                QVERIFY2(qGray(img.pixel(x0 + col, y)) < 60,
                         qPrintable(QStringLiteral("gap in the bar at x %1, y %2").arg(x0 + col).arg(y)));
            // Nothing above the first row or below the last.
            QVERIFY(qGray(img.pixel(x0 + col, yAlto - 2)) > 150 && qGray(img.pixel(x0 + col, yBasso + 2)) > 150);
        }
        // Between two bars there is background: four thin bars, not a block.
        QVERIFY(qGray(img.pixel(x0 + colonne[0] + 1, yAlto + 20)) > 150);
    }

    // Status text (with and without a file name), labels sized to their captions.
    void statusText() {
        auto d = Progetto({.tipo = 1, .pri = 0, .sec = 1});
        d->FileTitolo = "Alimentatore 12V.tmf";
        Frm_Schema w(*d);
        QCOMPARE(LeggiTestoStato(&w), QStringLiteral("Schema del Trasformatore    Alimentatore 12V.tmf"));
        QLabel* l8 = Figlio<QLabel>(&w, QStringLiteral("Label8(1)"));
        QCOMPARE(l8->width(), l8->sizeHint().width());
        auto vuoto = Progetto({.tipo = 6, .pri = 3, .sec = 3});
        Frm_Schema nulla(*vuoto);
        QCOMPARE(LeggiTestoStato(&nulla), QStringLiteral("Schema del Trasformatore    "));
    }

    // Shown modally: printing and exit, with no message; the loop returns on
    // exit. The print is named after the project and the window.
    void printAndExitFromModalWindow() {
        FakeMessaggiUi msg;
        FakeDialoghiUi dlg;
        auto d = Progetto({.tipo = 1, .pri = 0, .sec = 1});
        d->FileNome = "/progetti/prova.tmf";
        Frm_Schema w(*d);
        bool eraModale = false;
        QSize immagine;
        QTimer::singleShot(50, &w, [&] {
            eraModale = w.isVisible() && w.isModal();
            immagine = w.grab().size();
            Figlio<QAction>(&w, "MnuFileStampa")->trigger();
            Figlio<QAction>(&w, "MnuFileEsci")->trigger();
        });
        MostraModale(&w);
        QVERIFY(eraModale && !w.isVisible() && msg.boxes.empty());
        QVERIFY(dlg.chiamate.size() == 1 && dlg.stampate.size() == 1 && dlg.stampate[0].size() == immagine);
        QCOMPARE(dlg.nomeStampa, QStringLiteral("prova - Schema del Trasformatore"));
        // The design data are read, not written.
        QVERIFY(d->PriVolt[0] == 220.0f && d->TipoCalcolo == 1);
    }

    // The widest figures the masks write (9999,99 V, 999,99 A, 99999 sp) on
    // every row of every kind: no two labels touch.
    void etichetteStaccate() {
        for (int tipo = 1; tipo <= 5; ++tipo) {
            auto d = Progetto({.tipo = tipo, .pri = 11, .sec = 11});
            for (auto* v : {&d->PriVolt, &d->SecVolt, &d->SecVoltVuoto}) v->fill(9999.99f);
            for (auto* a : {&d->PriAmp, &d->SecAmp}) a->fill(999.99f);
            for (auto* n : {&d->PriSpire, &d->SecSpire}) n->fill(99999.0f);
            d->PriFiloNudo.fill(999.99f);
            d->SecFiloNudo.fill(999.99f);
            Frm_Schema w(*d);
            QList<QLabel*> etichette;
            for (QLabel* l : w.Area()->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^Label"))))
                if (l->isVisibleTo(&w)) etichette << l;
            QVERIFY(etichette.size() >= 10);
            for (qsizetype i = 0; i < etichette.size(); ++i)
                for (qsizetype j = i + 1; j < etichette.size(); ++j)
                    QVERIFY2(!etichette[i]->geometry().intersects(etichette[j]->geometry()),
                             qPrintable(QStringLiteral("kind %1: ").arg(tipo) + etichette[i]->text() + QStringLiteral(" / ") +
                                        etichette[j]->text()));
        }
    }

private:
    std::optional<Sorveglianza> guardia_;
};

QTEST_MAIN(TestSchema)
#include "test_schema.moc"
