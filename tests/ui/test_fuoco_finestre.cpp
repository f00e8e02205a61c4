// The input boxes of the five design windows as a user meets them, page by
// page: each left by Tab or by a click lands the focus where the user sent
// it (a box's check sets each control's state once; one that locked a
// control on the focus's way and unlocked it again would send the user's
// keys to another control); a refused value leaves its default selected for
// the key typed next; a wheel turned over a tab strip never hides the value
// being typed.
#include "ControlliProgetto.h"
#include "platform/core/Numeri.h"
#include "windows/alim/Frm_Alim.h"
#include "windows/autotrasf/Frm_AutoTrasf.h"
#include "windows/autotrifase/Frm_AutoTrifase.h"
#include "windows/trifase/Frm_Trifase.h"
#include "windows/usci/Frm_Usci.h"

namespace {

// A value the box takes without a message: its own text as far as the user
// can type it, else the text its range puts back.
QString Valido(const CampoNumerico* c) {
    QString t = c->text().left(c->Limite());
    if (t.endsWith(',')) t.chop(1);
    const auto v = num::TextToSng(t.toStdString());
    const auto& l = c->LimitiCampo();
    return v && (!l || l->Accetta(*v)) ? t : QString::fromUtf8(l ? l->predefinito : "1");
}

// A whole number the box takes that differs from the value it shows.
QString Diverso(const CampoNumerico* c) {
    const float v = c->Valore().value_or(0.0f);
    for (const float prova : {std::floor(v) + 1.0f, std::floor(v) - 1.0f, 2.0f, 1.0f}) {
        const QString t = QString::number(prova);
        if (prova != v && t.size() <= c->Limite() && (!c->LimitiCampo() || c->LimitiCampo()->Accetta(prova))) return t;
    }
    return {};
}

// A value the box's range refuses, putting its default back, typed within its
// length ("" when there is none).
QString FuoriLimiti(const CampoNumerico* c) {
    const auto& l = c->LimitiCampo();
    if (!l || !l->predefinito) return {};
    const QString grande(c->Limite(), QLatin1Char('9'));
    if (!l->Accetta(0.0f)) return QStringLiteral("0");
    return l->Accetta(grande.toFloat()) ? QString() : grande;
}

// A click into box `c`, and `testo` typed over its whole text.
void ScriviSopra(CampoNumerico* c, const QString& testo) {
    QTest::mouseClick(c, Qt::LeftButton);
    c->selectAll();
    QTest::keyClicks(c, testo);
}

// Swallows the keys sent to a control that is no box, recording them: a list
// does not pick an item by them.
struct Tasti : QObject {
    bool presi = false;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        presi = true;
        return true;
    }
};

// Types `testo` over box `da`, leaves it by Tab or a click into `verso`, and
// types a digit where the window sends it: empty when the focus and the digit
// landed in `verso`, else where they went. A box entered gets its text back,
// so that leaving it later checks nothing.
QString Lascia(CampoNumerico* da, const QString& testo, QWidget* verso, bool tab) {
    ScriviSopra(da, testo);
    if (auto* casella = qobject_cast<CampoNumerico*>(verso)) {
        const QString prima = casella->text();
        const QString dove = FuocoEDigitato(da, verso, tab);
        casella->setText(prima);
        return dove;
    }
    if (tab) QTest::keyClick(da, Qt::Key_Tab);
    else QTest::mouseClick(verso, Qt::LeftButton);
    QWidget* fuoco = QApplication::focusWidget();
    if (fuoco != verso) return fuoco ? fuoco->objectName() : QStringLiteral("nessuno");
    Tasti tasti;
    verso->installEventFilter(&tasti);
    QTest::keyClick(verso->window()->windowHandle(), Qt::Key_5);
    return tasti.presi ? QString() : QStringLiteral("the digit went elsewhere");
}

// What is tried on a box of a window, given the boxes of its page in Tab
// order and the window's message boxes.
struct Dove {
    QMainWindow* w;
    FakeMessaggiUi& msg;
    const QList<CampoNumerico*>& pagina;
};
using Caso = std::function<void(const Dove&, CampoNumerico*)>;

// Walks the tab pages as a user turns them, and on each the boxes not yet
// met, in the window's Tab order: `caso` on each of them, counted.
void Percorri(QMainWindow* w, FakeMessaggiUi& msg, int& caselle, const Caso& caso) {
    QSet<CampoNumerico*> fatte;
    for (int p = 0; p < FinestraProgetto::MAX_PAG; ++p) {
        for (const char* striscia : {"TabStrip1", "TabStrip2", "TabStrip3"})
            if (auto* s = Figlio<QTabBar>(w, striscia); s && p < s->count())
                QTest::mouseClick(s, Qt::LeftButton, {}, s->tabRect(p).center());
        QList<CampoNumerico*> pagina;
        for (QWidget* x = w->nextInFocusChain(); x != w; x = x->nextInFocusChain())
            if (auto* c = qobject_cast<CampoNumerico*>(x); c && c->isVisible() && c->isEnabled()) pagina << c;
        for (CampoNumerico* c : pagina) {
            if (fatte.contains(c)) continue;
            fatte << c;
            ++caselle;
            caso({w, msg, pagina}, c);
            if (QTest::currentTestFailed()) return;
        }
    }
}

// Each box is left by Tab, expected where Qt's Tab goes from it untouched
// (which checks nothing), then by a click into the next box of the page.
void Uscite(const Dove& dove, CampoNumerico* c) {
    QMainWindow* w = dove.w;
    const QList<CampoNumerico*>& pagina = dove.pagina;
    QTest::mouseClick(c, Qt::LeftButton);
    QTest::keyClick(c, Qt::Key_Tab);
    QWidget* dopoTab = QApplication::focusWidget();
    QVERIFY(dopoTab && dopoTab != c);
    // A box alone on its page is left by a click on the button that recalculates.
    QWidget* clic = pagina.size() > 1 ? pagina[(pagina.indexOf(c) + 1) % pagina.size()] : Figlio<QWidget>(w, "Cmd_Aggiorna");
    for (const auto& [verso, tab] : {std::pair{dopoTab, true}, {clic, false}}) {
        const QString arrivo = Lascia(c, Valido(c), verso, tab);
        const QString caso = QStringLiteral("%1: %2 left by %3: the focus and the digit belong in %4, got %5")
                                 .arg(w->objectName(), c->objectName(), tab ? "Tab" : "a click", verso->objectName(), arrivo);
        QVERIFY2(arrivo.isEmpty(), qPrintable(caso));
    }
}

// A value out of range typed and Enter: the range's message (or, where the
// range has none, the yellow box), then the default the box shows again is
// replaced by the key typed next. The box gets its text back. A box whose
// range refuses nothing it can hold is passed by.
void RifiutatoEDigitato(const Dove& dove, CampoNumerico* c) {
    const QString fuori = FuoriLimiti(c);
    if (fuori.isEmpty()) return;
    const QString prima = c->text();
    dove.msg.Azzera();
    ScriviSopra(c, fuori);
    QTest::keyClick(c, Qt::Key_Return);
    QTest::keyClick(c, Qt::Key_3);
    const QString caso = dove.w->objectName() + ' ' + c->objectName();
    const char* messaggio = c->LimitiCampo()->messaggio;
    QVERIFY2(messaggio ? dove.msg.Mostrati().contains(QString::fromUtf8(messaggio)) : c->Giallo(), qPrintable(caso));
    QVERIFY2(c->hasFocus() && c->text() == QLatin1String("3"), qPrintable(caso + ": " + c->text()));
    c->setText(prima);
}

// The window on its default design, with `pri` and `sec` windings in use
// (the counts its lists offer) and, for the output transformer, the
// configuration `lettera`, shown with the focus.
template <class W>
std::unique_ptr<FinestraDiProva<W>> Aperta(int pri, int sec, const char* lettera) {
    auto a = std::make_unique<FinestraDiProva<W>>();
    a->w->Form_Load();
    a->ui().Cmb_PriNumAvv->setCurrentIndex(pri - 1);
    a->w->Cmb_PriNumAvv_LostFocus();
    a->ui().Cmb_SecNumAvv->setCurrentIndex(sec - 1);
    a->w->Cmb_SecNumAvv_LostFocus();
    if constexpr (std::is_same_v<W, Frm_Usci>) {
        a->ui().Cmb_SecTipo->setCurrentText(lettera);
        a->w->Cmb_SecTipo_LostFocus();
    }
    a->w->Cmd_Aggiorna_Click();
    a->MostraConFuoco();
    return a;
}

// All of the window's `caselle` boxes met by `caso`; a value refused brings
// its message, and the figures may bring the power warnings besides.
template <class W>
void Prova(int pri, int sec, const char* lettera, int caselle, const Caso& caso, bool messaggi) {
    auto a = Aperta<W>(pri, sec, lettera);
    a->msg.falliscePerInattesi = !messaggi;
    int incontrate = 0;
    Percorri(a->w.get(), a->msg, incontrate, caso);
    if (!QTest::currentTestFailed()) QCOMPARE(incontrate, caselle);
}

// On each strip's first page, its first box: a value typed (`fuori`: one out
// of its range), then the mouse wheel turned over the strip without leaving
// the box. The page stays and the box keeps the focus and the text; Salva con
// Nome takes the value (or brings its range message and keeps the default),
// which the project opened again shows.
template <class W>
void Rotella(int pri, int sec, const char* lettera, bool fuori) {
    auto a = Aperta<W>(pri, sec, lettera);
    for (const char* nomi : {"TabStrip1 FramePri(1)", "TabStrip2 FrameSec(1)", "TabStrip3 FrameLam(1)"}) {
        const QStringList n = QString::fromUtf8(nomi).split(' ');
        auto* striscia = Figlio<QTabBar>(a->w.get(), n[0]);
        auto* pagina = Figlio<QWidget>(a->w.get(), n[1]);
        QTest::mouseClick(striscia, Qt::LeftButton, {}, striscia->tabRect(0).center());
        CampoNumerico* c = nullptr;
        for (QWidget* x = a->w->nextInFocusChain(); !c && x != a->w.get(); x = x->nextInFocusChain())
            if (auto* k = qobject_cast<CampoNumerico*>(x); k && pagina->isAncestorOf(k) && k->isVisible() && k->isEnabled()) c = k;
        if (!c) continue;  // the output transformer's primary is typed on another page
        const QString testo = fuori ? FuoriLimiti(c) : Diverso(c);
        const QString caso = a->w->objectName() + ' ' + c->objectName() + ' ' + testo;
        QVERIFY2(!testo.isEmpty(), qPrintable(caso));
        ScriviSopra(c, testo);
        const QPoint centro = striscia->rect().center();
        for (const int verso : {-120, -120, 120}) {
            QWheelEvent rotella(centro, striscia->mapToGlobal(centro), {}, {0, verso}, Qt::NoButton, Qt::NoModifier,
                                Qt::NoScrollPhase, false);
            QApplication::sendEvent(striscia, &rotella);
        }
        QVERIFY2(striscia->currentIndex() == 0 && c->isVisible() && c->hasFocus() && c->text() == testo, qPrintable(caso));
        const char* messaggio = fuori ? c->LimitiCampo()->messaggio : nullptr;
        if (messaggio) a->msg.Attendi();
        SalvaNuovoApri(*a);
        QVERIFY2(a->msg.risposte.empty(), qPrintable(caso + ": no range message"));
        if (messaggio) QVERIFY2(a->msg.Mostrati().contains(QString::fromUtf8(messaggio)), qPrintable(caso));
        const float atteso = fuori ? QString::fromUtf8(c->LimitiCampo()->predefinito).replace(',', '.').toFloat() : testo.toFloat();
        QVERIFY2(c->Valore() == atteso, qPrintable(caso + " opened again as " + c->text()));
        a->msg.Azzera();
    }
}

const struct {
    const char* finestra;
    void (*prova)(int, int, const char*, int, const Caso&, bool);
    void (*rotella)(int, int, const char*, bool);
    int pri, sec;
    const char* lettera;
    int caselle;
} kFinestre[] = {{"Frm_Alim", &Prova<Frm_Alim>, &Rotella<Frm_Alim>, 2, 4, nullptr, 15},
                 {"Frm_Usci", &Prova<Frm_Usci>, &Rotella<Frm_Usci>, 1, 1, "A", 5},
                 {"Frm_AutoTrasf", &Prova<Frm_AutoTrasf>, &Rotella<Frm_AutoTrasf>, 1, 1, nullptr, 5},
                 {"Frm_Trifase", &Prova<Frm_Trifase>, &Rotella<Frm_Trifase>, 2, 4, nullptr, 29},
                 {"Frm_AutoTrifase", &Prova<Frm_AutoTrifase>, &Rotella<Frm_AutoTrifase>, 1, 1, nullptr, 9}};

void Finestre() {
    QTest::addColumn<int>("riga");
    for (int r = 0; r < int(std::size(kFinestre)); ++r) QTest::newRow(kFinestre[r].finestra) << r;
}

}  // namespace

class TestFuocoFinestre : public QObject {
    Q_OBJECT
private slots:
    void uscitaDaOgniCasella_data() { Finestre(); }
    void uscitaDaOgniCasella() {
        QFETCH(int, riga);
        const auto& f = kFinestre[riga];
        f.prova(f.pri, f.sec, f.lettera, f.caselle, &Uscite, false);
    }

    void rifiutatoEDigitato_data() { Finestre(); }
    void rifiutatoEDigitato() {
        QFETCH(int, riga);
        const auto& f = kFinestre[riga];
        f.prova(f.pri, f.sec, f.lettera, f.caselle, &RifiutatoEDigitato, true);
    }

    void rotellaSulleSchede_data() {
        QTest::addColumn<int>("riga");
        QTest::addColumn<bool>("fuori");
        for (int r = 0; r < int(std::size(kFinestre)); ++r)
            for (const bool fuori : {false, true})
                QTest::newRow(qPrintable(QString::fromUtf8(kFinestre[r].finestra) + (fuori ? " fuori limiti" : ""))) << r << fuori;
    }
    void rotellaSulleSchede() {
        QFETCH(int, riga);
        QFETCH(bool, fuori);
        const auto& f = kFinestre[riga];
        f.rotella(f.pri, f.sec, f.lettera, fuori);
    }
};

QTEST_MAIN(TestFuocoFinestre)
#include "test_fuoco_finestre.moc"
