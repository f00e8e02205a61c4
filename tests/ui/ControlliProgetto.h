// The controls every design window has, by name, with their captions and
// tooltips, and the fixture of a design window's tests: each window's test
// checks this table and adds its own rows.
#pragma once

#include "UiTestSupport.h"
#include "engine/ModuleDIC.h"
#include "platform/ui/CampoNumerico.h"

// A control and what it shows; an empty text is not checked. An array's name
// stands for its elements 0..n-1 (n from the window).
struct VoceControllo {
    const char* nome;
    const char* testo = "";    // caption, title or (menu) text
    const char* tooltip = "";
    bool array = false;
};

inline const std::vector<VoceControllo>& ControlliComuni() {
    static const std::vector<VoceControllo> t = [] {
        std::vector<VoceControllo> v = {
            {"Cmb_PriNumAvv"}, {"Cmb_SecNumAvv"}, {"Cmd_Schema", "Vedi Schema"}, {"TabStrip1"}, {"TabStrip2"},
            {"TabStrip3"}, {"StatusBar1"}, {"Frm_PriAvv", "", "", true}, {"Frm_SecAvv", "", "", true},
            {"Cmd_PriAvv", "I", "Modifico Tipo di Collegamento", true}, {"Cmd_SecAvv", "I", "Modifico Tipo di Collegamento", true},
            {"Cmd_PriFiloRame", "φ", "Modifico Filo Rame", true}, {"Cmd_SecFiloRame", "φ", "Modifico Filo Rame", true},
            {"Cmd_PriRoch", "", "", true}, {"Cmd_SecRoch", "", "", true}, {"FrameLam(1)"},
            {"FrameLam(2)", "Scelta Rocchetto  Scelta Spessore Isolante   e   Ingombro Totale"},
            {"Cmb_Frequenza"}, {"Cmb_Induzione"}, {"Cmb_Densita"}, {"Frame1", "Conosco:"},
            {"Opt_Lam", "Lamierini", "Conosco il Pacco Lamierini e Calcolo il range di Potenza Disponibile"},
            {"Opt_Pot", "Potenza", "Conosco la Potenza degli Avvolgimenti Secondari e Calcolo il Pacco Lamierini"},
            {"Cmd_Lamierino", "Tipo Lamierino", "Modifico il Lamierino"}, {"Lbl_Lamierino"}, {"Lbl_C"}, {"Lbl_SP"},
            {"Lbl_SE"}, {"Lbl_SF"}, {"Lbl_LamPesoPacco"}, {"Txt_LamCdP"}, {"Lbl_LamPF"}, {"Lbl_PotMin"}, {"Lbl_PotMax"},
            {"Cmd_Rocchetto", "Tipo Rocchetto", "Modifico il Rocchetto"}, {"Lbl_RochTipo"}, {"Lbl_RochC"}, {"Lbl_RochSp"},
            {"Lbl_RochGolaH"}, {"Lbl_RochGolaI"}, {"Lbl_RochGolaL"},
            {"Cmd_Isolanti", "Spessore Isolante", "Modifico lo Spessore Isolante"}, {"Lbl_RochIngKi"},
            {"Lbl_RochIsoAvvH"}, {"Lbl_RochIsoAvvI"}, {"Lbl_RochIsoAvvL"}, {"Lbl_RochIsoStrH"}, {"Lbl_RochIsoStrI"},
            {"Lbl_RochIsoStrL"}, {"Lbl_IngGolaH1"}, {"Lbl_IngGolaI1"}, {"Lbl_IngGolaL1"}, {"Lbl_IngGolaH2"},
            {"Lbl_IngGolaI2"}, {"Lbl_IngGolaL2"}, {"Lbl_PotTotPers"}, {"MnuFile", "&File"}, {"MnuFileNuovo", "&Nuovo"},
            {"MnuFileApri", "&Apri"}, {"MnuFileChiudi", "&Chiudi"}, {"MnuFileSalva", "&Salva"}, {"MnuFileEsci", "&Esci"},
            {"MnuAbout", "&About"}};
        // the build rows of every winding frame, on both sides (names kept for the table's life)
        static std::vector<std::string> righe;
        for (const char* lato : {"Pri", "Sec"})
            for (const char* r : {"FiloNudo", "FiloIsol", "Lung", "Peso", "Dens", "PotPer", "Ing", "SpSt", "Strati", "Iso", "Res"})
                righe.push_back(std::string("Lbl_") + lato + r);
        for (const std::string& n : righe) v.push_back({n.c_str(), "", "", true});
        return v;
    }();
    return t;
}

// The "?" menu: "Help" in the single-phase and output windows, "MnuHelp" in the others.
inline void VerificaMenuAiuto(QWidget* w, const char* nome) {
    QCOMPARE(Figlio<QMenu>(w, nome)->title(), QStringLiteral("&?"));
    QCOMPARE(w->findChildren<QMenu*>(QStringLiteral("Help")).size() + w->findChildren<QMenu*>(QStringLiteral("MnuHelp")).size(), 1);
}

// Checks every row on window w, whose arrays have n elements.
inline void VerificaControlli(QWidget* w, const std::vector<VoceControllo>& righe, int n) {
    for (const VoceControllo& v : righe) {
        for (int i = 0; i < (v.array ? n : 1); ++i) {
            const QString nome = v.array ? NomeIndice(v.nome, i) : QString::fromUtf8(v.nome);
            if (nome.isEmpty()) {   // the window itself
                QCOMPARE(w->windowTitle(), QString::fromUtf8(v.testo));
                continue;
            }
            QObject* o = Figlio<QObject>(w, nome);
            if (!o) return;
            QString testo = o->property("text").toString();
            if (auto* g = qobject_cast<QGroupBox*>(o)) testo = g->title();
            if (auto* m = qobject_cast<QMenu*>(o)) testo = m->title();
            if (*v.testo) QVERIFY2(testo == QString::fromUtf8(v.testo), qPrintable(nome + ": " + testo));
            if (*v.tooltip)
                QVERIFY2(o->property("toolTip").toString() == QString::fromUtf8(v.tooltip),
                         qPrintable(nome + " tooltip"));
        }
    }
}

// What a person does: clicks into a field, types over its text, presses Tab.
inline void ScriviETab(CampoNumerico* c, const char* testo) {
    c->setFocus();
    c->selectAll();
    QTest::keyClicks(c, testo);
    QTest::keyClick(c, Qt::Key_Tab);
}

// Types `testo` over field `da` of `finestra` and leaves it with Tab, then
// types `tasti` over what the Tab left selected: "name text" of the control
// that took the keys.
inline QString TabEScrivi(QWidget* finestra, const char* da, const char* testo, const char* tasti = "3") {
    ScriviETab(Figlio<CampoNumerico>(finestra, da), testo);
    QWidget* fuoco = QApplication::focusWidget();
    if (!fuoco) return QStringLiteral("nessuno");
    QTest::keyClicks(fuoco, tasti);
    return fuoco->objectName() + " " + TestoDi(fuoco);
}

// A walk with Tab: `testo` typed over field `campo` and Tab, then `tab` more
// Tabs with nothing typed. What `nomi` show after the first Tab, and at the
// end of the walk.
inline std::pair<QString, QString> GiroDiTab(QWidget* finestra, const char* campo, const char* testo, int tab,
                                             const QString& nomi) {
    ScriviETab(Figlio<CampoNumerico>(finestra, campo), testo);
    const QString prima = TestiDi(finestra, nomi);
    for (int k = 0; k < tab; ++k) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return {prima, TestiDi(finestra, nomi)};
}

// Leaves `da`, which holds the focus, as a person does: a click into
// `verso`, or Tab; then types "5" over what holds the focus. Empty when the
// focus landed in `verso` and the keys went into it; else where they went.
inline QString FuocoEDigitato(QWidget* da, QWidget* verso, bool tab) {
    if (tab) QTest::keyClick(da, Qt::Key_Tab);
    else QTest::mouseClick(verso, Qt::LeftButton);
    if (!QTest::qWaitForWindowActive(verso->window(), kAttesaMs)) return QStringLiteral("finestra inattiva");
    QWidget* fuoco = QApplication::focusWidget();
    if (fuoco != verso) return fuoco ? fuoco->objectName() : QStringLiteral("nessuno");
    QTest::keyClick(fuoco, Qt::Key_End);
    for (int k = 0; k < 8; ++k) QTest::keyClick(fuoco, Qt::Key_Backspace);
    QTest::keyClick(fuoco, Qt::Key_5);
    return TestoDi(verso) == QLatin1String("5") ? QString() : TestoDi(verso);
}

// Salva con Nome into a fresh folder, Nuovo (No to saving first), then Apri
// of the file saved: what window `a` shows comes from the file.
template <class A>
void SalvaNuovoApri(A& a) {
    QTemporaryDir cartella;
    FakeDialoghiUi dlg;
    const QString file = cartella.filePath(QStringLiteral("p") + a.w->Testi().estensione);
    dlg.percorsiSalva.push_back(file);
    a.w->MnuFileSalvaNome_Click();
    a.msg.Attendi(mb::No);
    a.w->MnuFileNuovo_Click();
    dlg.percorsiApri.push_back(file);
    a.w->MnuFileApri_Click();
}

// A design window of kind W on a fresh design; every message box must be
// expected (FakeMessaggiUi), and one left open fails the test.
template <class W>
struct FinestraDiProva {
    FakeMessaggiUi msg;
    Sorveglianza guardia;
    std::unique_ptr<ModuleDIC> d = std::make_unique<ModuleDIC>();
    std::unique_ptr<W> w = std::make_unique<W>(*d);

    ~FinestraDiProva() {
        w.reset();
        guardia.Verifica();
    }
    typename W::Controlli& ui() { return w->ui; }
    void MostraConFuoco() {
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get(), kAttesaMs));
    }
};
