// The output transformer window's files: its projects through the File menu
// with the refill after an open, and the configuration pictures laid into
// LIBRERIA as GIF files and shown by "Vedi". Fake file, printer and message
// dialogs.
#include "ControlliProgetto.h"
#include "disegni/ConfigurazioneSecondari.h"
#include "files/Progetto.h"
#include "platform/core/Numeri.h"
#include "windows/usci/Frm_Usci.h"

namespace {

const QString kBase = "Calcolo di Trasformatore di Uscita per Amplificatore Valvolare";

// A GIF's palette keeps 6 levels a channel: each pixel at most half a step off the drawing.
bool ComeDisegno(const QImage& gif, const QImage& disegno) {
    const QImage a = gif.convertToFormat(QImage::Format_RGB32), b = disegno.convertToFormat(QImage::Format_RGB32);
    for (qsizetype i = 0; i < a.sizeInBytes() && a.size() == b.size(); ++i)
        if (std::abs(a.constBits()[i] - b.constBits()[i]) > 26) return false;
    return !a.isNull() && a.size() == b.size();
}

struct Contata : Frm_Usci {  // counts the engine passes
    using Frm_Usci::Frm_Usci;
    int passi = 0;
    void EseguiCalcolo() override {
        ++passi;
        Frm_Usci::EseguiCalcolo();
    }
};

struct Usci : FinestraDiProva<Contata> {
    QTemporaryDir tmp;
    FakeDialoghiUi dlg;
    Usci() {
        d->Versione = "1.5.0";
        w->Form_Load();
        msg.falliscePerInattesi = false;  // groove warnings aside
    }
    void Lettera(const char* l) {
        ScegliVoce(ui().Cmb_SecTipo, l);
        w->Cmb_SecTipo_LostFocus();
    }
    int Apri(const QString& nome) {  // the passes the open ran
        dlg.percorsiApri.push_back(tmp.filePath(nome));
        w->passi = 0;
        w->MnuFileApri_Click();
        return w->passi;
    }
    // Boxes (by figure: "7,0" is 7), results, lists, enabled count list,
    // stages and lamination button, push-pull chosen, Frm_Avvolg(2) and (3) shown.
    QString Stato() {
        QStringList s;
        for (const QString& n : QString("Txt_PriImp(16) Txt_PriAmp(16) Txt_SecImp(16) Txt_SecImp(17) Lbl_PriPotTot Lbl_SecSpire(0) "
                                        "Lbl_PriSpire(0) Cmb_SecTipo Cmb_Frequenza Cmb_Induzione Cmb_Densita Cmb_PriNumAvv Cmb_SecNumAvv").split(' ')) {
            QObject* o = Figlio<QObject>(w.get(), n);
            const QString t = o->property(o->inherits("QComboBox") ? "currentText" : "text").toString();
            s << (o->inherits("QLineEdit") ? Qs(num::SngToText(num::TextToSng(U8(t)).value_or(-1))) : t);
        }
        for (bool b : {ui().Cmb_PriNumAvv->isEnabled(), ui().Opt_Single->isEnabled(), ui().Opt_Push->isEnabled(),
                       ui().Cmd_Lamierino->isEnabled(), ui().Opt_Push->isChecked(), !ui().Frm_Avvolg[2]->isHidden(),
                       !ui().Frm_Avvolg[3]->isHidden()})
            s << QString::number(b);
        return s.join(' ');
    }
};

}  // namespace

class TestFrmUsciFile : public QObject {
    Q_OBJECT
private slots:
    // Saved as "prova", reopened into a new single-ended window whose lists
    // hold none of its figures: the same boxes, letter, counts, lists (by
    // value: 5 Hz is "5"), design mode, stage and stored results; only the
    // push-pull project calculates, once, through its stage.
    void salvaERiapre() {
        const struct {
            std::function<void(Usci&)> progetto;
            int passi;
            const char* vista;  // how Stato() ends
        } casi[] = {{[](Usci& a) {
                         ScegliVoce(a.ui().Cmb_Frequenza, "5");
                         a.Lettera("C");
                         a.ui().Opt_Push->click();
                     },
                     1, "C 5 0,50 2,5 6 4 0 1 1 0 1 1 1"},
                    {[](Usci& a) {
                         ScegliVoce(a.ui().Cmb_PriNumAvv, "3");
                         ScegliVoce(a.ui().Cmb_SecNumAvv, "5");
                         a.ui().Opt_Lam->click();
                         a.w->Cmb_PriNumAvv_LostFocus();
                         a.w->Cmb_SecNumAvv_LostFocus();
                         a.Lettera("N");
                     }, 0, "N 50 0,50 2,5 3 5 1 1 1 1 0 0 0"}};
        for (const auto& c : casi) {
            Usci a;
            c.progetto(a);
            const QString prima = a.Stato();
            a.dlg.percorsiSalva.push_back(a.tmp.filePath("prova"));
            a.w->MnuFileSalvaNome_Click();
            QCOMPARE(a.w->windowTitle(), kBase + "   Ver=1.5.0   File=prova");
            a.w->Form_Load();
            for (QComboBox* l : {a.ui().Cmb_Frequenza, a.ui().Cmb_Induzione, a.ui().Cmb_Densita}) l->setCurrentIndex(l->count() - 1);
            const int passi = a.Apri("prova.tuv");
            QCOMPARE(QString::number(passi) + " " + a.Stato(), QString::number(c.passi) + " " + prima);
            QVERIFY2(prima.endsWith(c.vista), qPrintable(prima));
        }
    }

    // A box still holding the focus when Salva con Nome is picked from the
    // menu bar is taken first, and its calculation runs: saved as typed, or,
    // refused, as the default the box then shows, and opened again the same.
    // The primary volts are I x Z, at 0,04 A.
    void campoNonLasciatoSalvato() {
        for (const auto& [tasti, testo, volt] : {std::tuple{"2000", "2000", "80,0"}, {"0", "1000", "40,0"}}) {
            Usci a;
            a.MostraConFuoco();
            auto* campo = Figlio<CampoNumerico>(a.w.get(), "Txt_PriImp(16)");
            campo->setFocus();
            campo->selectAll();
            QTest::keyClicks(campo, tasti);
            a.dlg.percorsiSalva.push_back(a.tmp.filePath("prova"));
            a.w->passi = 0;
            DalMenu(a.w.get(), a.ui().MnuFile, a.ui().MnuFileSalvaNome);
            const QString vista = campo->text() + " " + TestiDi(a.w.get(), "Lbl_PriVolt(16)");
            QCOMPARE(QString::number(a.w->passi) + " " + vista, QStringLiteral("1 %1 %2").arg(testo, volt));
            a.w->Form_Load();
            a.Apri("prova.tuv");
            QCOMPARE(campo->text() + " " + TestiDi(a.w.get(), "Lbl_PriVolt(16)"), vista);
        }
    }

    // A project of another kind is refused and nothing changes.
    void apriAltroTipo() {
        Usci a;
        ModuleDIC p = *a.d;
        // Whole as an autotransformer: its windings, list and own power.
        p.TipoCalcolo = tipo::AutoMonofase;
        p.Frequenza = 60;
        p.PotPass = 50;
        for (int i = 0; i < 9; ++i) {
            p.PriVolt[i] = p.SecVolt[i] = p.SecPot[i] = 230;
            p.SecAmp[i] = 1;
        }
        std::string err;
        QVERIFY(progetto::SalvaProgetto(p, U8(a.tmp.filePath("altro.atm")), "altro", err));
        const QString prima = a.Stato();
        QCOMPARE(a.Apri("altro.atm"), 0);
        QCOMPARE(a.msg.Ultimo(), "Il File altro.atm non è un Progetto valido\nIl File non contiene un Progetto di Trasformatore di Uscita");
        QCOMPARE(a.Stato(), prima);
    }

    // New from a push-pull F design, answered No: a new window's state; a
    // cancelled print prints nothing; the exit question has the window's title.
    void nuovoStampaEsci() {
        Usci a;
        a.ui().Opt_Push->click();
        a.Lettera("F");
        a.msg.Azzera();
        a.msg.Attendi(mb::No);
        a.msg.Attendi(mb::No);
        a.w->MnuFileNuovo_Click();
        QVERIFY2(a.Stato().endsWith("N 50 0,50 2,5 1 1 1 1 1 0 0 0 0"), qPrintable(a.Stato()));
        a.dlg.stampanteOk = false;
        a.w->MnuFileStampa_Click();
        QVERIFY(a.dlg.stampate.empty());
        a.w->MnuFileEsci_Click();
        QCOMPARE(Qs(a.msg.boxes.at(1).titolo), kBase);
    }

    // The nine GIF files hold their drawings, each letter its own; "Vedi"
    // after C shows C's file in the viewer.
    void immagini() {
        std::vector<QImage> visti;
        for (char l : QByteArray("NABCDEFGH")) {
            const QString file = LibreriaDefault(QStringLiteral("avv sec %1.gif").arg(QChar(l).toLower()).toUtf8().constData());
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadOnly) && (QByteArrayList{"GIF89a", "GIF87a"}.contains(f.read(6))));
            visti.push_back(disegni::ConfigurazioneSecondari(l));
            QVERIFY2(visti.back().size() == QSize(400, 300) && ComeDisegno(QImage(file, "GIF"), visti.back()), qPrintable(file));
            QVERIFY(std::count(visti.begin(), visti.end(), visti.back()) == 1);
        }
        Usci a;
        a.Lettera("C");
        QString visto;
        QTimer::singleShot(0, [&] {
            if (QWidget* m = QApplication::activeModalWidget()) {
                visto = m->objectName() +
                        QString::number(ComeDisegno(Figlio<QLabel>(m, "Picture1")->pixmap().toImage(), visti[3]));
                m->close();
            }
        });
        a.ui().Cmd_Vedi->click();
        QCOMPARE(visto + Qs(a.d->StrTemp), "Frm_Vedi1\\LIBRERIA\\avv sec c.gif");
    }
};

QTEST_MAIN(TestFrmUsciFile)
#include "test_frm_usci_file.moc"
