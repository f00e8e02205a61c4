// The output transformer window on the design-window base.
//
// Figures of the default design (6250 ohm at 0,04 A, loads 8/7/6 ohm, 50 Hz,
// 0,50 T, default libraries: lamination "EI 84", C 28 mm) worked out apart
// in float32.
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

#include "ControlliProgetto.h"
#include "app/Finestre.h"
#include "platform/ui/Ui.h"
#include "windows/usci/Frm_Usci.h"

namespace {

// Counts the engine passes.
struct Contata : Frm_Usci {
    using Frm_Usci::Frm_Usci;
    int passi = 0;
    void EseguiCalcolo() override {
        ++passi;
        Frm_Usci::EseguiCalcolo();
    }
};

const std::vector<VoceControllo> kPropri = {
    {"", "Calcolo di Trasformatore di Uscita per Amplificatore Valvolare"},
    {"Cmd_Aggiorna", "Calcola e Aggiorna"}, {"MnuFileSalvaNome", "Salva con No&me"},
    {"MnuFileStampa", "Stam&pa"},
    {"FrameLam(3)", "Impedenze Avvolgimenti del Trasformatore di Uscita"},
    {"Cap_SecTipo", "Configurazione Avvolgimenti Secondari"}, {"Cmd_Vedi", "Vedi"},
    {"Lbl_Commento", "Commento"}, {"Opt_Single", "Single-Ended"}, {"Opt_Push", "Push-Pull"},
    {"Frm_Avvolg(0)", "Avv Primario"}, {"Frm_Avvolg(3)", "Avv Secondario"},
    {"Txt_PriImp(16)", "", "Indicare Impedenza di Carico Anodico"},
    {"Txt_PriAmp(16)", "", "Indicare la Corrente Avvolgimento Pimario"},
    {"Txt_SecImp(18)", "", "Indicare Impedenza di Carico"},
    {"Lbl_PriImp", "", "", true}, {"Lbl_SecVoltVuoto", "", "", true}, {"Lbl_SecAmp", "", "", true},
    {"Lbl_PriSpire(16)"}, {"Lbl_SecSpire(18)"}, {"Lbl_Induttanza"}, {"Lbl_Traferro"},
};

struct Usci : FinestraDiProva<Contata> {
    Usci() { w->Form_Load(); }
    QString Testo(const QString& nome) {
        QObject* o = Figlio<QObject>(w.get(), nome);
        if (auto* c = qobject_cast<QComboBox*>(o)) return c->currentText();
        return o ? o->property("text").toString() : QString();
    }
    // "name=text" for each name, to compare in one go.
    QStringList Testi(const QStringList& nomi) {
        QStringList l;
        for (const QString& n : nomi) l << n + "=" + Testo(n);
        return l;
    }
    void Lettera(const char* l) {
        ScegliVoce(ui().Cmb_SecTipo, Qs(l));
        w->Cmb_SecTipo_LostFocus();
    }
    // Counts shown, and whether the lists, single-ended and push-pull are
    // enabled and which stage is selected: "6/4 0 11 P".
    QString Stato() {
        auto on = [](QWidget* x) { return x->isEnabled() ? '1' : '0'; };
        return Testo("Cmb_PriNumAvv") + "/" + Testo("Cmb_SecNumAvv") + " " + on(ui().Cmb_PriNumAvv) + " " +
               on(ui().Opt_Single) + on(ui().Opt_Push) + " " + (ui().Opt_Push->isChecked() ? "P" : "S");
    }
    bool Giallo(CampoNumerico* c) { return c->palette().color(QPalette::Base) == QColor(255, 255, 0); }
};

QStringList Attesi(std::initializer_list<std::pair<const char*, const char*>> l) {
    QStringList r;
    for (const auto& [n, t] : l) r << QString(n) + "=" + QString::fromUtf8(t);
    return r;
}

}  // namespace

class TestFrmUsci : public QObject {
    Q_OBJECT
private slots:
    void caricamento() {
        Usci a;
        VerificaControlli(a.w.get(), kPropri, 12);
        QVERIFY(a.msg.boxes.empty());
        QCOMPARE(a.w->passi, 1);
        const auto attesi = Attesi({{"Lbl_PriPotTot", "10,0"}, {"Lbl_Rendimento", "72,8"},
                                    {"Lbl_SecPotTot", "7,3"}, {"Lbl_CadutaVolt", "15,2"},
                                    {"Lbl_FEMI", "0,0784"}, {"Lbl_Induttanza", "19,9"},
                                    {"Lbl_Traferro", "0,16"}, {"Lbl_Lamierino", "EI 84"},
                                    {"Lbl_PriVolt(16)", "250,0"}, {"Lbl_PriSpire(16)", "3189"},
                                    {"Lbl_SecSpire(16)", "112"}, {"Lbl_SecSpire(17)", "105"},
                                    {"Lbl_SecSpire(18)", "97"}, {"Lbl_SecAmp(16)", "0,95"},
                                    {"Lbl_SecAmp(0)", "0,954"}, {"Lbl_PriImp(0)", "6250,4"},
                                    {"Lbl_SecImp(0)", "7,99"}, {"Txt_SecImp(16)", "8"},
                                    {"Txt_SecImp(17)", "7,0"}, {"Txt_SecImp(18)", "6,0"},
                                    {"Txt_PriAmp(16)", "0,04"}, {"Cmb_Induzione", "0,50"},
                                    {"Cmb_Frequenza", "50"}, {"Cmb_Densita", "2,5"},
                                    {"Cmb_SecTipo", "N"}, {"Cmd_PriRoch(0)", "H1"}});
        QStringList nomi;
        for (const QString& s : attesi) nomi << s.section('=', 0, 0);
        QCOMPARE(a.Testi(nomi), attesi);
        QCOMPARE(a.ui().Cmb_Induzione->count(), 39);
        QCOMPARE(a.ui().Cmb_Induzione->itemText(38), QStringLiteral("2,00"));
        QCOMPARE(a.ui().Cmb_Frequenza->count(), 29);
        QCOMPARE(a.ui().Cmb_Frequenza->itemText(14), QStringLiteral("80"));  // no 75
        QCOMPARE(a.ui().Cmb_SecTipo->count(), 9);
        QCOMPARE(a.ui().TabStrip3->count(), 3);
        QCOMPARE(a.Stato(), QStringLiteral("1/1 1 11 S"));
        QVERIFY(a.ui().Frm_Avvolg[2]->isHidden() && a.ui().Frm_Avvolg[3]->isHidden());
        QVERIFY(!a.ui().Txt_SecImp[1]->isEnabled());
        QVERIFY(!a.w->findChild<QObject*>("Lbl_PotMin") && !a.w->findChild<QObject*>("Cmb_CoefK"));
        for (int i = 0; i < 12; ++i) QVERIFY(!a.ui().Cmd_PriAvv[i]->isEnabled() && !a.ui().Cmd_SecAvv[i]->isEnabled());
        QCOMPARE(a.d->TipoCalcolo, int16_t(tipo::Uscita));
        // The third page shows the impedances.
        a.ui().TabStrip3->setCurrentIndex(2);
        QVERIFY(!a.ui().FrameLam[3]->isHidden() && a.ui().FrameLam[1]->isHidden());
    }

    // D push-pull: 6 and 4 sections, derived loads 3,6 ohm, no air gap.
    void pushPullD() {
        Usci a;
        a.Lettera("D");
        a.ui().Opt_Push->click();
        QCOMPARE(a.Stato(), QStringLiteral("6/4 0 11 P"));
        QCOMPARE(a.Testi({"Txt_SecImp(17)", "Txt_SecImp(18)", "Lbl_PriSpire(0)", "Lbl_SecSpire(0)",
                          "Lbl_SecSpire(2)", "Lbl_Traferro", "Cmd_PriRoch(1)", "Cmd_SecRoch(0)"}),
                 Attesi({{"Txt_SecImp(17)", "3,6"}, {"Txt_SecImp(18)", "3,6"}, {"Lbl_PriSpire(0)", "532"},
                         {"Lbl_SecSpire(0)", "74"}, {"Lbl_SecSpire(2)", "37"}, {"Lbl_Traferro", "0,00"},
                         {"Cmd_PriRoch(1)", "L1"}, {"Cmd_SecRoch(0)", "I1"}}));
        QVERIFY(a.ui().Frm_PriAvv[5]->isVisibleTo(a.ui().FramePri[2]) && a.ui().Frm_PriAvv[6]->isHidden());
    }

    // Letters from a stage: the state after, and the passes they ran.
    void configurazioni() {
        struct Caso {
            const char* nome;
            bool push;            // push-pull chosen first
            QStringList lettere;  // applied in turn
            const char* stato;
            int passi;            // after the stage was chosen
            const char* frame;    // Frm_Avvolg(2), (3) shown; Txt_SecImp(17) enabled
        };
        const Caso casi[] = {
            {"A single-ended", false, {"A"}, "3/2 0 11 S", 0, "101"},
            {"A push-pull", true, {"A"}, "6/4 0 11 P", 0, "101"},
            {"C shows both frames", false, {"C"}, "3/4 0 11 S", 0, "110"},
            {"E from push-pull", true, {"E"}, "4/6 0 10 S", 1, "100"},
            {"E from single-ended", false, {"E"}, "4/6 0 10 S", 0, "100"},
            {"F from single-ended", false, {"F"}, "8/7 0 01 P", 1, "100"},
            {"N after A keeps the counts", true, {"A", "N"}, "6/4 1 11 P", 0, "000"},
            {"a lower-case letter applies nothing", true, {"A", "a"}, "6/4 0 11 P", 0, "100"},
        };
        for (const Caso& c : casi) {
            Usci a;
            a.msg.falliscePerInattesi = false;  // many sections overfill the groove: not under test
            if (c.push) a.ui().Opt_Push->click();
            a.w->passi = 0;
            for (const QString& l : c.lettere) {
                a.ui().Cmb_SecTipo->setEditable(true);  // to type the lower-case letter
                a.ui().Cmb_SecTipo->setCurrentText(l);
                a.w->Cmb_SecTipo_LostFocus();
            }
            const QString frame = QString::number(!a.ui().Frm_Avvolg[2]->isHidden()) +
                                  QString::number(!a.ui().Frm_Avvolg[3]->isHidden()) +
                                  QString::number(a.ui().Txt_SecImp[1]->isEnabled());
            QCOMPARE(QString(c.nome) + ": " + a.Stato() + " " + QString::number(a.w->passi) + " " + frame,
                     QString(c.nome) + ": " + c.stato + " " + QString::number(c.passi) + " " + c.frame);
        }
    }

    // A renewed design shows a new window's controls: F then gives the
    // push-pull counts again, with "Push-Pull" selected.
    void caricamentoRinnovaIControlli() {
        Usci a;
        a.msg.falliscePerInattesi = false;
        a.ui().Opt_Push->click();
        a.Lettera("F");
        a.w->Form_Load();
        QCOMPARE(a.Stato(), QStringLiteral("1/1 1 11 S"));
        QCOMPARE(a.Testo("Lbl_Commento"), QStringLiteral("Commento"));
        QCOMPARE(a.d->SecTipo, std::string("N"));
        a.Lettera("F");
        QCOMPARE(a.Stato(), QStringLiteral("8/7 0 01 P"));
    }

    // With N only the main impedance counts: 4 ohm stays 4 ohm.
    void impedenzaN() {
        Usci a;
        a.ui().Txt_SecImp[0]->ImpostaTestoU8("4");
        a.ui().Txt_SecImp[0]->EseguiControllo();
        QCOMPARE(a.Testi({"Txt_SecImp(16)", "Txt_SecImp(17)"}),
                 Attesi({{"Txt_SecImp(16)", "4"}, {"Txt_SecImp(17)", "7,0"}}));
        QCOMPARE(a.d->SecImp[SLOT_USCI], 4.0f);
    }

    // Silent checks: yellow and the default text, no message, no pass; an
    // accepted value turns white and calculates.
    void campiSilenziosi() {
        struct Caso {
            int campo;  // 0 PriImp, 1 PriAmp, 2 SecImp(16)
            const char* testo;
            const char* dopo;  // "" accepted
        };
        const Caso casi[] = {{2, "1,9", "8"}, {2, "2", ""},   {1, "0", "0,05"}, {1, "0,001", ""},
                             {0, ",", "1000"}, {0, "", "1000"}, {0, "6250", ""}};
        Usci a;
        a.msg.falliscePerInattesi = false;  // 1 mA overfills the tiny stack's groove
        for (const Caso& c : casi) {
            const size_t messaggi = a.msg.boxes.size();
            CampoNumerico* f = c.campo == 0 ? a.ui().Txt_PriImp : c.campo == 1 ? a.ui().Txt_PriAmp : a.ui().Txt_SecImp[0];
            a.w->passi = 0;
            f->ImpostaTestoU8(c.testo);
            f->EseguiControllo();
            const bool preso = !*c.dopo;
            QCOMPARE(QString(c.testo) + " " + f->text() + " " + QString::number(a.Giallo(f)) + " " +
                         QString::number(a.w->passi),
                     QString(c.testo) + " " + (preso ? c.testo : c.dopo) + " " + QString::number(!preso) + " " +
                         QString::number(preso));
            if (!preso) QCOMPARE(a.msg.boxes.size(), messaggi);
        }
    }

    // The lamination option only enables the lamination button.
    void opzioneLamierini() {
        Usci a;
        a.w->passi = 0;
        a.ui().Opt_Lam->click();
        QVERIFY(a.ui().Cmd_Lamierino->isEnabled());
        QCOMPARE(a.d->ConoscoPotenza, FALSO);
        QCOMPARE(a.w->passi, 0);
    }

    // "Entra" with the output transformer option opens this window, computed.
    void apertaDallaTabella() {
        FakeMessaggiUi msg;
        ModuleDIC d;
        FinestreReali reali(d);
        QString aperta, potenza;
        QTimer::singleShot(100, [&] {
            QWidget* m = QApplication::activeModalWidget();
            if (!m) return;
            aperta = m->objectName();
            potenza = m->findChild<QLabel*>("Lbl_PriPotTot")->text();
            m->close();
        });
        reali.Mostra(Finestra::Usci);
        QCOMPARE(aperta + " " + potenza, QStringLiteral("Frm_Usci 10,0"));
    }
};

QTEST_MAIN(TestFrmUsci)
#include "test_frm_usci.moc"
