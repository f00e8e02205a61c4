// Every input box of the five design windows, given a valid value and left by
// Tab or by a click into another box: the focus lands where the user sent it
// and takes the key typed next. A box's check sets each control's state once;
// one that locked a control on the focus's way and unlocked it again would
// send the user's keys to another control.
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

// Swallows the keys sent to a control that is no box, recording them: a list
// does not pick an item by them.
struct Tasti : QObject {
    bool presi = false;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        return presi = true;
    }
};

// Types `testo` over box `da`, leaves it by Tab or a click into `verso`, and
// types a digit where the window sends it: empty when the focus and the digit
// landed in `verso`, else where they went. A box entered gets its text back,
// so that leaving it later checks nothing.
QString Lascia(CampoNumerico* da, const QString& testo, QWidget* verso, bool tab) {
    QTest::mouseClick(da, Qt::LeftButton), da->selectAll(), QTest::keyClicks(da, testo);
    if (auto* casella = qobject_cast<CampoNumerico*>(verso)) {
        const QString prima = casella->text(), dove = FuocoEDigitato(da, verso, tab);
        return casella->setText(prima), dove;
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

// Walks the tab pages as a user turns them, and on each the boxes not yet
// left, in the window's Tab order: each is left by Tab, expected where Qt's
// Tab goes from it untouched (which checks nothing), then by a click into the
// next box of the page.
void Percorri(QMainWindow* w, int& caselle) {
    QSet<CampoNumerico*> fatte;
    for (int p = 0; p < FinestraProgetto::MAX_PAG; ++p) {
        for (const char* striscia : {"TabStrip1", "TabStrip2", "TabStrip3"})
            if (auto* s = Figlio<QTabBar>(w, striscia); s && p < s->count())
                QTest::mouseClick(s, Qt::LeftButton, {}, s->tabRect(p).center());
        QList<CampoNumerico*> pagina;
        for (QWidget* x = w->nextInFocusChain(); x != w; x = x->nextInFocusChain())
            if (auto* c = qobject_cast<CampoNumerico*>(x); c && c->isVisible() && c->isEnabled()) pagina << c;
        for (int i = 0; i < pagina.size(); ++i) {
            CampoNumerico* c = pagina[i];
            if (fatte.contains(c)) continue;
            fatte << c, ++caselle;
            QTest::mouseClick(c, Qt::LeftButton), QTest::keyClick(c, Qt::Key_Tab);
            QWidget* dopoTab = QApplication::focusWidget();
            QVERIFY(dopoTab && dopoTab != c);
            // A box alone on its page is left by a click on the button that recalculates.
            QWidget* clic = pagina.size() > 1 ? pagina[(i + 1) % pagina.size()] : Figlio<QWidget>(w, "Cmd_Aggiorna");
            for (const auto& [verso, tab] : {std::pair{dopoTab, true}, {clic, false}}) {
                const QString dove = Lascia(c, Valido(c), verso, tab);
                const QString caso = QStringLiteral("%1: %2 left by %3: the focus and the digit belong in %4, got %5")
                                         .arg(w->objectName(), c->objectName(), tab ? "Tab" : "a click",
                                              verso->objectName(), dove);
                QVERIFY2(dove.isEmpty(), qPrintable(caso));
            }
        }
    }
}

// The window on its default design, with `pri` and `sec` windings in use
// (the counts its lists offer) and, for the output transformer, the
// configuration `lettera`: all of its `caselle` boxes left both ways.
template <class W>
void Prova(int pri, int sec, const char* lettera, int caselle) {
    FinestraDiProva<W> a;
    a.w->Form_Load();
    a.ui().Cmb_PriNumAvv->setCurrentIndex(pri - 1), a.w->Cmb_PriNumAvv_LostFocus();
    a.ui().Cmb_SecNumAvv->setCurrentIndex(sec - 1), a.w->Cmb_SecNumAvv_LostFocus();
    if constexpr (std::is_same_v<W, Frm_Usci>)
        a.ui().Cmb_SecTipo->setCurrentText(lettera), a.w->Cmb_SecTipo_LostFocus();
    a.w->Cmd_Aggiorna_Click();
    a.MostraConFuoco();
    int lasciate = 0;
    Percorri(a.w.get(), lasciate);
    if (!QTest::currentTestFailed()) QCOMPARE(lasciate, caselle);
}

const struct {
    const char* finestra;
    void (*prova)(int, int, const char*, int);
    int pri, sec;
    const char* lettera;
    int caselle;
} kFinestre[] = {{"Frm_Alim", &Prova<Frm_Alim>, 2, 4, nullptr, 15},
                 {"Frm_Usci", &Prova<Frm_Usci>, 1, 1, "A", 5},
                 {"Frm_AutoTrasf", &Prova<Frm_AutoTrasf>, 1, 1, nullptr, 5},
                 {"Frm_Trifase", &Prova<Frm_Trifase>, 2, 4, nullptr, 29},
                 {"Frm_AutoTrifase", &Prova<Frm_AutoTrifase>, 1, 1, nullptr, 9}};

}  // namespace

class TestFuocoFinestre : public QObject {
    Q_OBJECT
private slots:
    void uscitaDaOgniCasella_data() {
        QTest::addColumn<int>("riga");
        for (int r = 0; r < int(std::size(kFinestre)); ++r) QTest::newRow(kFinestre[r].finestra) << r;
    }
    void uscitaDaOgniCasella() {
        QFETCH(int, riga);
        const auto& f = kFinestre[riga];
        f.prova(f.pri, f.sec, f.lettera, f.caselle);
    }
};

QTEST_MAIN(TestFuocoFinestre)
#include "test_fuoco_finestre.moc"
