// The single-phase window at work: the load with the default design and the
// default libraries, the calculation and its results, the range warnings, and
// the checks of the numeric fields.
//
// The expected figures of the default design were worked out by hand from the
// formulas (single-precision rounding of every stored value) and from the
// records of our default libraries: lamination "EI 150" (C 50, E 75, F 25,
// 1,149 kg per 10 mm), wires of 0,8 / 0,855 mm (row 27) and 1,0 / 1,062 mm
// (row 29).
#include <cmath>
#include <memory>

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

#include "UiTestSupport.h"
#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"
#include "windows/alim/Frm_Alim.h"

namespace {

const QString kTitoloLimiti = QStringLiteral("Controllo Parametri Fuori Limite");
const QString kTitoloAvv = QStringLiteral("Verifica Inserzione Parametri Avvolgimento");
constexpr int kAvviso = mb::OkOnly + mb::Exclamation;

QStringList Voci(const QComboBox* c) {
    QStringList l;
    for (int i = 0; i < c->count(); ++i) l << c->itemText(i);
    return l;
}

}  // namespace

class TestFrmAlimCalcolo : public QObject {
    Q_OBJECT

    std::unique_ptr<ModuleDIC> d;
    std::unique_ptr<Frm_Alim> w;
    std::unique_ptr<FakeMessaggiUi> msg;
    std::unique_ptr<Sorveglianza> guardia;

    Frm_Alim::Controlli& ui() { return w->ui; }

    QString Libreria(const char* nome) {
        return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("LIBRERIA/") + nome);
    }

    // Boxes shown since the last Azzera() with this title.
    int BoxCon(const QString& titolo) const {
        int n = 0;
        for (const auto& b : msg->boxes) n += Qs(b.titolo) == titolo;
        return n;
    }

    void MostraConFuoco() {
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }

    // Types into a field as the user does and leaves it with Enter.
    void Digita(CampoNumerico* c, const QString& testo) {
        c->setFocus();
        c->selectAll();
        QTest::keyClick(c, Qt::Key_Backspace);
        QTest::keyClicks(c, testo);
        QTest::keyClick(c, Qt::Key_Return);
    }

private slots:
    void init() {
        msg = std::make_unique<FakeMessaggiUi>();
        guardia = std::make_unique<Sorveglianza>();
        d = std::make_unique<ModuleDIC>();
        w = std::make_unique<Frm_Alim>(*d);
    }
    void cleanup() {
        w.reset();
        guardia->Verifica();
        guardia.reset();
        msg.reset();
    }

    void apreIlProgettoPredefinito() {
        w->Form_Load();
        QVERIFY2(msg->boxes.empty(), qPrintable(msg->Ultimo()));

        // ---- inputs, lists and mode
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(ui().Txt_PriVolt[i]->text(), QString::number(220 - i));
            QCOMPARE(ui().Txt_SecVolt[i]->text(), QString::number(150 - i));
            QCOMPARE(ui().Txt_SecPot[i]->text(), QString::number(300 - i));
            QVERIFY(!ui().Txt_SecVolt[i]->Giallo());
        }
        QCOMPARE(ui().Txt_SecAmp[0]->text(), QStringLiteral("2"));
        QCOMPARE(ui().Txt_SecAmp[1]->text(), QStringLiteral("2,006711"));  // 299 / 149, untouched
        QCOMPARE(ui().Txt_LamCdP->text(), QStringLiteral("1,5"));

        QStringList induzione;
        for (int k = 1; k <= 30; ++k) induzione << QStringLiteral("%1,%2").arg(k / 10).arg(k % 10);
        QCOMPARE(Voci(ui().Cmb_Induzione), induzione);
        QCOMPARE(ui().Cmb_Induzione->currentText(), QStringLiteral("1,0"));
        QCOMPARE(Voci(ui().Cmb_Frequenza), QStringList({"50", "60"}));
        QCOMPARE(ui().Cmb_Frequenza->currentText(), QStringLiteral("50"));
        QStringList densita;
        for (int k = 1; k <= 18; ++k) densita << QStringLiteral("%1,%2").arg(k / 2).arg(k % 2 ? 5 : 0);
        QCOMPARE(Voci(ui().Cmb_Densita), densita);
        QCOMPARE(ui().Cmb_Densita->currentText(), QStringLiteral("2,5"));
        QStringList conteggi;
        for (int k = 1; k <= 12; ++k) conteggi << QString::number(k);
        QCOMPARE(Voci(ui().Cmb_PriNumAvv), conteggi);
        QCOMPARE(Voci(ui().Cmb_SecNumAvv), conteggi);
        QCOMPARE(ui().Cmb_PriNumAvv->currentText(), QStringLiteral("1"));
        QCOMPARE(ui().Cmb_SecNumAvv->currentText(), QStringLiteral("1"));
        QCOMPARE(Voci(ui().Cmb_CoefK), QStringList({"1,0", "1,1", "1,2", "1,3", "1,4", "1,5", "1,6"}));
        QCOMPARE(ui().Cmb_CoefK->currentText(), QStringLiteral("1,3"));
        QVERIFY(ui().Opt_Pot->isChecked());
        QVERIFY(ui().Cmb_CoefK->isEnabled());
        QVERIFY(!ui().Cmd_Lamierino->isEnabled());
        QCOMPARE(d->ConoscoPotenza, VERO);
        QCOMPARE(d->TipoCalcolo, int16_t(1));
        QCOMPARE(LeggiTestoStato(w.get()),
                 QStringLiteral("Inserire i Parametri Desiderati, per ottenere il Calcolo del Trasformatore"));

        // ---- libraries from LIBRERIA beside the program, in every wire column
        QCOMPARE(QString::fromStdString(d->NomeLibLam), Libreria("LamMantelloStandard.lam"));
        for (int c = 0; c < 25; ++c) {
            QCOMPARE(QString::fromStdString(d->NomeLibRame[c]), Libreria("LibRame1.wir"));
            QCOMPARE(d->FiloNudo[29][c], 1.0f);
        }

        // ---- frames, pages and buttons
        QVERIFY(!ui().Frm_PriAvv[0]->isHidden());
        QVERIFY(ui().Frm_PriAvv[1]->isHidden());
        QVERIFY(!ui().Cmd_PriAvv[0]->isEnabled());
        QCOMPARE(d->TabPri, int16_t(1));
        QCOMPARE(d->TabSec, int16_t(1));
        QCOMPARE(d->TabLam, int16_t(1));
        QVERIFY(!ui().FramePri[1]->isHidden());
        QVERIFY(ui().FramePri[2]->isHidden());
        QVERIFY(ui().FrameLam[2]->isHidden());
        QCOMPARE(ui().Cmd_SecRoch[0]->text(), QStringLiteral("H1"));
        QCOMPARE(ui().Cmd_SecAvv[0]->text(), QStringLiteral("I"));

        // ---- totals and stack: 300 VA, required area 195,96 cm² -> EI 150
        const struct {
            QLabel* l;
            const char* atteso;
        } risultati[] = {
            {ui().Lbl_SecPotTot, "300,0"},    {ui().Lbl_Rendimento, "89,3"},
            {ui().Lbl_PriPotTot, "336,0"},    {ui().Lbl_CadutaVolt, "4,5"},
            {ui().Lbl_CoefK, "1,3"},          {ui().Lbl_Lamierino, "EI 150"},
            {ui().Lbl_C, "50,0"},             {ui().Lbl_SP, "50,0"},
            {ui().Lbl_SE, "22,5"},            {ui().Lbl_SF, "1875"},
            {ui().Lbl_LamPesoPacco, "5,7"},   {ui().Lbl_LamPF, "8,6"},
            {ui().Lbl_PotMin, "198,0"},       {ui().Lbl_PotMax, "507,0"},
            {ui().Lbl_RochC, "51,0"},         {ui().Lbl_RochSp, "51,0"},
            {ui().Lbl_RochGolaH, "1656"},     {ui().Lbl_RochGolaI, "817"},
            {ui().Lbl_RochGolaL, "817"},      {ui().Lbl_RochTipo, "Demo Calcolato"},
            {ui().Lbl_FEMI, "0,500"},
            // primary: 1,527 A, 440 turns, wire 0,8 mm
            {ui().Lbl_PriPot[0], "336,0"},    {ui().Lbl_PriAmp[0], "1,527"},
            {ui().Lbl_PriSpire[0], "440"},    {ui().Lbl_PriFiloNudo[0], "0,8"},
            {ui().Lbl_PriFiloIsol[0], "0,855"}, {ui().Lbl_PriLung[0], "130,2"},
            {ui().Lbl_PriPeso[0], "582,6"},   {ui().Lbl_PriDens[0], "3,0"},
            {ui().Lbl_PriPotPer[0], "12,9"},  {ui().Lbl_PriIng[0], "337,7"},
            {ui().Lbl_PriSpSt[0], "80,2"},    {ui().Lbl_PriStrati[0], "5,5"},
            {ui().Lbl_PriIso[0], "93,6"},     {ui().Lbl_PriRes[0], "4,56"},
            // secondary: 156,78 V at no load, 314 turns, wire 1,0 mm
            {ui().Lbl_SecVoltVuoto[0], "156,8"}, {ui().Lbl_SecSpire[0], "314"},
            {ui().Lbl_SecFiloNudo[0], "1"},   {ui().Lbl_SecFiloIsol[0], "1,062"},
            {ui().Lbl_SecLung[0], "92,9"},    {ui().Lbl_SecPeso[0], "649,6"},
            {ui().Lbl_SecDens[0], "2,5"},     {ui().Lbl_SecPotPer[0], "10,1"},
            {ui().Lbl_SecIng[0], "371,9"},    {ui().Lbl_SecSpSt[0], "64,6"},
            {ui().Lbl_SecStrati[0], "4,9"},   {ui().Lbl_SecIso[0], "79,2"},
            {ui().Lbl_SecRes[0], "2,08"},
            // insulation, losses and groove fill
            {ui().Lbl_RochIngKi, "10"},       {ui().Lbl_RochIsoAvvH, "0,3"},
            {ui().Lbl_RochIsoAvvL, "0,3"},    {ui().Lbl_RochIsoStrI, "0,2"},
            {ui().Lbl_PotTotPers, "23,0"},    {ui().Lbl_IngGolaH1, "971"},
            {ui().Lbl_IngGolaI1, "0"},        {ui().Lbl_IngGolaL2, "0"},
        };
        for (const auto& r : risultati)
            QVERIFY2(r.l->text() == QString::fromUtf8(r.atteso),
                     qPrintable(r.l->objectName() + ": " + r.l->text() + " != " + r.atteso));
        // The hidden second windings were not written.
        QCOMPARE(ui().Lbl_PriSpire[1]->text(), QString());
        QCOMPARE(ui().Lbl_SecSpire[1]->text(), QString());

        QCOMPARE(d->LamScelto, int16_t(14));
        QCOMPARE(d->PriFiloRiga[0], 27.0f);
        QCOMPARE(d->SecFiloRiga[0], 29.0f);
        QCOMPARE(d->PriSpire[0], 440.0f);
        QCOMPARE(d->SecSpire[0], 314.0f);
    }

    void maschereDelleEtichette() {
        w->Form_Load();
        d->PriAmp[0] = 0.45f;
        d->LamSP = 0.5f;
        d->LamFinestra[d->LamScelto] = 0.0f;
        d->PriSpire[0] = 0.0f;
        w->Refresh();
        QCOMPARE(ui().Lbl_PriAmp[0]->text(), QStringLiteral("0,45"));
        QCOMPARE(ui().Lbl_SP->text(), QStringLiteral(",5"));
        QCOMPARE(ui().Lbl_SF->text(), QString());
        QCOMPARE(ui().Lbl_PriSpire[0]->text(), QStringLiteral("0"));   // "#####0" keeps its zero
        d->PriAmp[0] = 2.0f;
        d->LamCdP = 2.25f;
        w->Refresh();
        QCOMPARE(ui().Lbl_PriAmp[0]->text(), QStringLiteral("2,"));
        QCOMPARE(ui().Txt_LamCdP->text(), QStringLiteral("2,25"));
        QVERIFY(msg->boxes.empty());
    }

    void avvisiDiLimite() {
        w->Form_Load();
        // Equal to the ends: no warning.
        for (float k : {1.0f, 1.6f}) {
            for (float p : {d->PotMin, d->PotMax}) {
                d->CoefK = k;
                d->SecPotTot = p;
                w->Refresh();
            }
        }
        QVERIFY2(msg->boxes.empty(), qPrintable(msg->Ultimo()));

        // Coefficient and power both too high: two boxes, the coefficient first.
        d->CoefK = 1.65f;
        d->SecPotTot = std::nextafter(d->PotMax, 1e9f);
        msg->Attendi();
        msg->Attendi();
        w->Refresh();
        QCOMPARE(msg->boxes.size(), size_t(2));
        QCOMPARE(Qs(msg->boxes[0].testo), QStringLiteral("Coefficiente di Dimensionamento Troppo Alto"));
        QCOMPARE(Qs(msg->boxes[1].testo), QStringLiteral("La Potenza del Trasformatore è Troppo Alta"));
        for (const auto& b : msg->boxes) {
            QCOMPARE(Qs(b.titolo), kTitoloLimiti);
            QCOMPARE(b.stile, kAvviso);
        }

        msg->Azzera();
        d->CoefK = 0.99f;
        d->SecPotTot = std::nextafter(d->PotMin, 0.0f);
        msg->Attendi();
        msg->Attendi();
        w->Refresh();
        QCOMPARE(msg->boxes.size(), size_t(2));
        QCOMPARE(Qs(msg->boxes[0].testo), QStringLiteral("Coefficiente di Dimensionamento Troppo Basso"));
        QCOMPARE(Qs(msg->boxes[1].testo), QStringLiteral("La Potenza del Trasformatore è Troppo Bassa"));
    }

    // With no coefficient list (no suitable lamination), no coefficient
    // warning and no item read; a calculation keeps the coefficient it had.
    void listaCoefficientiVuota() {
        w->Form_Load();
        w->ListaCoefK().Svuota();
        d->CoefK = 9.0f;
        w->Refresh();
        QVERIFY2(msg->boxes.empty(), qPrintable(msg->Ultimo()));
        d->CoefK = 1.3f;
        w->CalcolaTrasfo();
        QVERIFY2(msg->boxes.empty(), qPrintable(msg->Ultimo()));
        QCOMPARE(d->CoefK, 1.3f);
        QCOMPARE(ui().Lbl_SE->text(), QStringLiteral("22,5"));
    }

    void controlliDeiCampi() {
        w->Form_Load();
        MostraConFuoco();

        // ---- primary voltage: both ends accepted, 0,09 refused. At the ends
        // the windings may not fit the bobbin; those warnings are not counted.
        msg->falliscePerInattesi = false;
        for (const char* v : {"0,1", "9999"}) {
            Digita(ui().Txt_PriVolt[0], v);
            QCOMPARE(BoxCon(kTitoloAvv), 0);
            QCOMPARE(ui().Txt_PriVolt[0]->text(), QString(v));
            QVERIFY(!ui().Txt_PriVolt[0]->Giallo());
        }
        msg->Azzera();
        msg->falliscePerInattesi = true;
        msg->Attendi();
        ui().Txt_PriVolt[0]->setText("0,09");
        ui().Txt_PriVolt[0]->EseguiControllo();
        QCOMPARE(msg->boxes.size(), size_t(1));
        QCOMPARE(msg->Ultimo(), QStringLiteral("Tensione Avvolgimento Primario Fuori Limiti"));
        QCOMPARE(msg->UltimoTitolo(), kTitoloAvv);
        QCOMPARE(msg->boxes[0].stile, kAvviso);
        QVERIFY(ui().Txt_PriVolt[0]->Giallo());
        QCOMPARE(ui().Txt_PriVolt[0]->text(), QStringLiteral("240"));
        // The calculation ran with the default: 240 V / 0,49987 V per turn.
        QCOMPARE(ui().Lbl_PriSpire[0]->text(), QStringLiteral("480"));
        QCOMPARE(d->PriVolt[0], 240.0f);

        // A later valid value leaves the field yellow.
        msg->Azzera();
        Digita(ui().Txt_PriVolt[0], "220");
        QVERIFY(ui().Txt_PriVolt[0]->Giallo());
        QCOMPARE(ui().Lbl_PriSpire[0]->text(), QStringLiteral("440"));
        QVERIFY2(msg->boxes.empty(), qPrintable(msg->Ultimo()));

        // ---- power 100 VA at 150 V: the current becomes 0,667; the pass runs
        Digita(ui().Txt_SecPot[0], "100");
        QVERIFY2(msg->boxes.empty(), qPrintable(msg->Ultimo()));
        QCOMPARE(ui().Txt_SecAmp[0]->text(), QStringLiteral("0,667"));
        QCOMPARE(ui().Lbl_SecPotTot->text(), QStringLiteral("100,0"));
        QCOMPARE(d->SecAmp[0], 0.667f);
        QCOMPARE(QApplication::focusWidget(), ui().Txt_SecPot[0]);   // Enter keeps the focus

        // ---- current: 0,001 A accepted (power 0,15 VA shown as 0,2)
        msg->falliscePerInattesi = false;   // the windings of so small a stack may not fit
        msg->Azzera();
        Digita(ui().Txt_SecAmp[0], "0,001");
        QCOMPARE(BoxCon(kTitoloAvv), 0);
        QVERIFY(!ui().Txt_SecAmp[0]->Giallo());
        QCOMPARE(ui().Txt_SecPot[0]->text(), QStringLiteral("0,2"));
        QCOMPARE(ui().Lbl_SecPotTot->text(), QStringLiteral("0,2"));

        // ---- 999 A at 9999 V: the product is written whatever its size
        ui().Txt_SecVolt[0]->setText("9999");
        ui().Txt_SecAmp[0]->setText("999");
        msg->Azzera();
        ui().Txt_SecAmp[0]->EseguiControllo();
        QCOMPARE(BoxCon(kTitoloAvv), 0);
        QCOMPARE(ui().Txt_SecPot[0]->text(), QStringLiteral("9989001,0"));
        QCOMPARE(d->SecPot[0], 9989001.0f);

        // ---- "1000" A refused: message, yellow, 0,5 A, power from it
        ui().Txt_SecVolt[0]->setText("150");
        msg->Azzera();
        Digita(ui().Txt_SecAmp[0], "1000");
        QCOMPARE(BoxCon(kTitoloAvv), 1);
        QCOMPARE(Qs(msg->boxes[0].testo), QStringLiteral("Corrente Avvolgimento Secondario Fuori Limiti"));
        QCOMPARE(msg->boxes[0].stile, kAvviso);
        QVERIFY(ui().Txt_SecAmp[0]->Giallo());
        QCOMPARE(ui().Txt_SecAmp[0]->text(), QStringLiteral("0,5"));
        QCOMPARE(ui().Txt_SecPot[0]->text(), QStringLiteral("75,0"));
        QCOMPARE(ui().Lbl_SecPotTot->text(), QStringLiteral("75,0"));

        // ---- secondary voltage: ends accepted, 10000 (pasted) refused
        for (const char* v : {"0,1", "9999"}) {
            msg->Azzera();
            ui().Txt_SecVolt[0]->setText(v);
            ui().Txt_SecVolt[0]->EseguiControllo();
            QCOMPARE(BoxCon(kTitoloAvv), 0);
            QCOMPARE(ui().Txt_SecVolt[0]->text(), QString(v));
            QVERIFY(!ui().Txt_SecVolt[0]->Giallo());
        }
        msg->Azzera();
        ui().Txt_SecPot[0]->setText("100");
        ui().Txt_SecVolt[0]->setText("10000");
        ui().Txt_SecVolt[0]->EseguiControllo();
        QCOMPARE(BoxCon(kTitoloAvv), 1);
        QCOMPARE(Qs(msg->boxes[0].testo), QStringLiteral("Tensione Avvolgimento Secondario Fuori Limiti"));
        QVERIFY(ui().Txt_SecVolt[0]->Giallo());
        QCOMPARE(ui().Txt_SecVolt[0]->text(), QStringLiteral("150"));
        QCOMPARE(ui().Txt_SecAmp[0]->text(), QStringLiteral("0,667"));
        QCOMPARE(ui().Lbl_SecVoltVuoto[0]->text().isEmpty(), false);
        QCOMPARE(d->SecVolt[0], 150.0f);

        // ---- power: 0,1 and 9999 accepted, 0 refused with default 100
        for (const char* v : {"0,1", "9999"}) {
            msg->Azzera();
            ui().Txt_SecPot[0]->setText(v);
            ui().Txt_SecPot[0]->EseguiControllo();
            QCOMPARE(BoxCon(kTitoloAvv), 0);
            QVERIFY(!ui().Txt_SecPot[0]->Giallo());
        }
        QCOMPARE(ui().Txt_SecAmp[0]->text(), QStringLiteral("66,66"));  // 9999 / 150
        msg->Azzera();
        ui().Txt_SecPot[0]->setText("0");
        ui().Txt_SecPot[0]->EseguiControllo();
        QCOMPARE(Qs(msg->boxes.at(0).testo), QStringLiteral("Potenza Avvolgimento Secondario Fuori Limiti"));
        QCOMPARE(Qs(msg->boxes.at(0).titolo), kTitoloAvv);
        QVERIFY(ui().Txt_SecPot[0]->Giallo());
        QCOMPARE(ui().Txt_SecPot[0]->text(), QStringLiteral("100"));
        QCOMPARE(ui().Txt_SecAmp[0]->text(), QStringLiteral("0,667"));
        QCOMPARE(ui().Lbl_SecPotTot->text(), QStringLiteral("100,0"));

        // ---- iron-loss figure: 2 accepted and used, 0 refused back to 1,5
        msg->Azzera();
        Digita(ui().Txt_LamCdP, "2");
        QCOMPARE(d->LamCdP, 2.0f);
        QCOMPARE(ui().Txt_LamCdP->text(), QStringLiteral("2"));
        QVERIFY(!ui().Txt_LamCdP->Giallo());
        msg->Azzera();
        Digita(ui().Txt_LamCdP, "0");
        QCOMPARE(Qs(msg->boxes.at(0).testo), QStringLiteral("Cifra di Perdita Lamierino Fuori Limiti"));
        QCOMPARE(Qs(msg->boxes.at(0).titolo), QStringLiteral("Verifica Inserzione Parametri Lamierino"));
        QCOMPARE(msg->boxes.at(0).stile, kAvviso);
        QVERIFY(ui().Txt_LamCdP->Giallo());
        QCOMPARE(ui().Txt_LamCdP->text(), QStringLiteral("1,5"));
        QCOMPARE(d->LamCdP, 1.5f);
    }

    // Leaving a field by the mouse or Tab runs its check as Enter does.
    void ilControlloCorreAllaPerditaDelFuoco() {
        w->Form_Load();
        MostraConFuoco();
        ui().Txt_SecPot[0]->setFocus();
        ui().Txt_SecPot[0]->setText("150");
        ui().Txt_SecVolt[0]->setFocus();
        QCOMPARE(ui().Txt_SecAmp[0]->text(), QStringLiteral("1,0"));
        QCOMPARE(ui().Lbl_SecPotTot->text(), QStringLiteral("150,0"));
        QVERIFY2(msg->boxes.empty(), qPrintable(msg->Ultimo()));
    }

    // A text that is no number (empty, a lone comma) is refused like a value
    // out of range.
    void testoNonNumericoRifiutato() {
        w->Form_Load();
        const struct {
            CampoNumerico* campo;
            const char* messaggio;
            const char* predefinito;
        } casi[] = {
            {ui().Txt_PriVolt[0], "Tensione Avvolgimento Primario Fuori Limiti", "240"},
            {ui().Txt_SecVolt[0], "Tensione Avvolgimento Secondario Fuori Limiti", "150"},
            {ui().Txt_SecAmp[0], "Corrente Avvolgimento Secondario Fuori Limiti", "0,5"},
            {ui().Txt_SecPot[0], "Potenza Avvolgimento Secondario Fuori Limiti", "100"},
        };
        for (const auto& c : casi) {
            for (const char* testo : {"", ","}) {
                w->Form_Load();
                msg->Azzera();
                msg->falliscePerInattesi = false;
                c.campo->SetGiallo(false);
                c.campo->setText(testo);
                c.campo->EseguiControllo();
                QVERIFY(!msg->boxes.empty());
                QCOMPARE(Qs(msg->boxes[0].testo), QString::fromUtf8(c.messaggio));
                QCOMPARE(c.campo->text(), QString(c.predefinito));
                QVERIFY(c.campo->Giallo());
            }
        }
        msg->Azzera();
        msg->Attendi();
        ui().Txt_LamCdP->setText(",");
        w->Txt_LamCdP_LostFocus();
        QCOMPARE(msg->Ultimo(), QStringLiteral("Cifra di Perdita Lamierino Fuori Limiti"));
        QCOMPARE(ui().Txt_LamCdP->text(), QStringLiteral("1,5"));
        QCOMPARE(d->LamCdP, 1.5f);
    }

    // With the lamination given, a total power of 0 leaves the coefficient as
    // it was instead of dividing by it.
    void potenzaNullaNonDivide() {
        w->Form_Load();
        ui().Opt_Lam->click();
        QCOMPARE(d->ConoscoPotenza, FALSO);
        QVERIFY(!ui().Cmb_CoefK->isEnabled());
        QVERIFY(ui().Cmd_Lamierino->isEnabled());

        ui().Txt_SecVolt[0]->setText("10");
        ui().Txt_SecVolt[0]->EseguiControllo();   // 300 VA at 10 V
        QVERIFY2(msg->boxes.empty(), qPrintable(msg->Ultimo()));
        QCOMPARE(ui().Txt_SecAmp[0]->text(), QStringLiteral("30,0"));
        const float k = d->CoefK;
        QVERIFY(std::isfinite(k));

        msg->Attendi();   // 0 VA is below the stack's range
        ui().Txt_SecAmp[0]->setText("0,001");
        ui().Txt_SecAmp[0]->EseguiControllo();
        QCOMPARE(ui().Txt_SecPot[0]->text(), QStringLiteral("0,0"));
        QCOMPARE(d->SecPotTot, 0.0f);
        QCOMPARE(d->CoefK, k);
        QCOMPARE(ui().Lbl_CoefK->text(), QStringLiteral("1,3"));
        QCOMPARE(msg->boxes.size(), size_t(1));
        QCOMPARE(msg->Ultimo(), QStringLiteral("La Potenza del Trasformatore è Troppo Bassa"));

        // No figure of the window is left as "nan" or "inf".
        for (const QLabel* l : w->findChildren<QLabel*>()) {
            const QString t = l->text().toLower();
            QVERIFY2(!t.contains("nan") && !t.contains("inf"), qPrintable(l->objectName() + " = " + l->text()));
        }
    }

    // "Aggiorna Calcolo" recalculates what the fields hold; "Vedi Schema"
    // shows the schematic modally and changes nothing.
    void pulsantiAggiornaESchema() {
        w->Form_Load();
        ui().Txt_SecVolt[0]->setText("100");   // typed, field not left yet
        QCOMPARE(d->SecVolt[0], 150.0f);
        ui().Cmd_Aggiorna->click();
        QCOMPARE(d->SecVolt[0], 100.0f);
        QCOMPARE(ui().Txt_SecAmp[0]->text(), QStringLiteral("3,0"));  // 300 VA at 100 V

        const float spire = d->SecSpire[0];
        QString aperta;
        bool modale = false;
        QTimer::singleShot(100, w.get(), [&] {
            QWidget* m = QApplication::activeModalWidget();
            if (!m) return;
            aperta = m->objectName();
            modale = m->isModal();
            m->close();
        });
        ui().Cmd_Schema->click();   // returns when the schematic closes
        QCOMPARE(aperta, QStringLiteral("Frm_Schema"));
        QVERIFY(modale);
        QCOMPARE(d->SecSpire[0], spire);
    }

    // "Esci" asks first: No keeps the window, Yes closes it. "About" asks
    // for the about window.
    void esciEAbout() {
        w->Form_Load();
        MostraConFuoco();
        msg->Azzera();
        msg->Attendi(mb::No);
        ui().MnuFileEsci->trigger();
        QCOMPARE(msg->boxes.size(), size_t(1));
        QCOMPARE(msg->Ultimo(), QStringLiteral("Uscire dal Progetto di Calcolo?"));
        QCOMPARE(Qs(msg->boxes[0].titolo), QStringLiteral("Calcolo di Trasformatore Monofase"));
        QCOMPARE(msg->boxes[0].stile, mb::YesNo + mb::Question);
        QVERIFY(w->isVisible());

        FakeFinestreUi finestre;
        ui().MnuAbout->trigger();
        QCOMPARE(finestre.richieste, std::vector<Finestra>{Finestra::About});

        msg->Attendi(mb::Yes);
        ui().MnuFileEsci->trigger();
        QVERIFY(!w->isVisible());
    }

    // A reset brings the power-given mode back on screen too, and reads the
    // wire library into column 0 whatever winding index was left.
    void nuovoCaricamentoRiportaLaPotenza() {
        w->Form_Load();
        ui().Opt_Lam->click();
        d->NumAvvScelto = 99.0f;
        d->FiloNudo[5][24] = 0.0f;
        w->Form_Load();
        QVERIFY2(msg->boxes.empty(), qPrintable(msg->Ultimo()));
        QVERIFY(ui().Opt_Pot->isChecked());
        QVERIFY(!ui().Opt_Lam->isChecked());
        QVERIFY(ui().Cmb_CoefK->isEnabled());
        QVERIFY(ui().Label2->isEnabled());
        QVERIFY(!ui().Lbl_CoefK->isEnabled());
        QVERIFY(!ui().Cmd_Lamierino->isEnabled());
        QCOMPARE(d->ConoscoPotenza, VERO);
        QCOMPARE(d->FiloNudo[5][24], d->FiloNudo[5][0]);
        QVERIFY(d->FiloNudo[5][0] > 0.0f);
    }

    // The library folder is found in any letter case; a missing default
    // library gives its reader's message once and the window still opens.
    void libreriaMancante() {
        QTemporaryDir cartella;
        QVERIFY(cartella.isValid());
        QVERIFY(QDir(cartella.path()).mkdir("libreria"));
        QVERIFY(QFile::copy(Libreria("LamMantelloStandard.lam"),
                            cartella.filePath("libreria/lammantellostandard.lam")));
        w->ImpostaCartellaApplicazione(cartella.path());

        msg->Attendi();
        w->Form_Load();
        QCOMPARE(msg->boxes.size(), size_t(1));
        QCOMPARE(msg->UltimoTitolo(), QStringLiteral("Libreria Filo Rame Smaltato"));
        QVERIFY(msg->Ultimo().startsWith(QStringLiteral(
            "Errore di Apertura File Libreria Filo Rame\nprobabile Libreria Rame vecchia da aggiornare\n")));
        QVERIFY(msg->Ultimo().endsWith(QStringLiteral("LibRame1.wir")));
        QCOMPARE(ui().Lbl_Lamierino->text(), QStringLiteral("EI 150"));
        QCOMPARE(ui().Lbl_SecPotTot->text(), QStringLiteral("300,0"));
        // No library wire: the required diameter is cut to 0,01 mm.
        QCOMPARE(ui().Lbl_SecFiloNudo[0]->text(), QStringLiteral("1"));
        QCOMPARE(d->SecFiloRiga[0], 38.0f);

        // The lamination library missing after a first load: its message
        // once, the table of the first load goes on.
        QVERIFY(QFile::copy(Libreria("LibRame1.wir"), cartella.filePath("LIBRERIA_x")));
        QVERIFY(QFile::remove(cartella.filePath("libreria/lammantellostandard.lam")));
        QVERIFY(QFile::rename(cartella.filePath("LIBRERIA_x"), cartella.filePath("libreria/LIBRAME1.WIR")));
        msg->Azzera();
        msg->Attendi();
        w->Form_Load();
        QCOMPARE(msg->boxes.size(), size_t(1));
        QCOMPARE(msg->Ultimo(), QStringLiteral("Errore di Aperture File Libreria"));
        QCOMPARE(msg->UltimoTitolo(), QStringLiteral("Apri Libreria Lamierini"));
        QCOMPARE(d->SecFiloRiga[0], 29.0f);
        QCOMPARE(ui().Lbl_Lamierino->text(), QStringLiteral("EI 150"));
    }
};

QTEST_MAIN(TestFrmAlimCalcolo)
#include "test_frm_alim_calcolo.moc"
