#include "windows/usci/Frm_Usci.h"

#include <cctype>
#include <string>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "engine/InputUsci.h"
#include "engine/ModRoutine.h"
#include "files/LimitiCampi.h"
#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"
#include "windows/comune/Frm_Vedi.h"

namespace {

constexpr int S = SLOT_USCI;
constexpr const char* kTitolo = "Calcolo di Trasformatore di Uscita per Amplificatore Valvolare";

}  // namespace

Frm_Usci::Frm_Usci(ModuleDIC& dic, QWidget* parent) : FinestraProgetto(dic, parent) {
    Descrizione k;
    k.tipo = tipo::Uscita;
    k.nome = "Frm_Usci";
    k.titolo = kTitolo;
    k.aggiorna = "Calcola e Aggiorna";
    k.salvaNome = "Salva con No&me";
    k.stampa = "Stam&pa";
    k.collegamentiFissi = true;
    k.senzaCollegamenti = true;
    k.schedaExtra = "Impedenze Avvolgimenti";
    k.titoloExtra = "Impedenze Avvolgimenti del Trasformatore di Uscita";
    k.menuAiuto = "Help";
    // The letter takes effect when the list is left, not when it is picked.
    k.liste = {{&ui.Cmb_SecTipo, [this] { Cmb_SecTipo_LostFocus(); }}};
    using M = ModuleDIC;
    k.pri.risultati = {{&ui.Lbl_PriImp, "Lbl_PriImp", "Impedenza (Ω)", &M::PriImp, "0.0"},
                       {&ui.Lbl_PriAmp, "Lbl_PriAmp", "Corrente (A)", &M::PriAmp, "0.000"},
                       {&ui.Lbl_PriPot, "Lbl_PriPot", "Potenza (W)", &M::PriPot, "0.00"},
                       {&ui.Lbl_PriVolt, "Lbl_PriVolt", "Tensione (V)", &M::PriVolt, "0.00"},
                       {&ui.Lbl_PriSpire, "Lbl_PriSpire", "Spire (n°)", &M::PriSpire, "0"}};
    k.sec.risultati = {{&ui.Lbl_SecImp, "Lbl_SecImp", "Impedenza (Ω)", &M::SecImp, "0.00"},
                       {&ui.Lbl_SecPot, "Lbl_SecPot", "Potenza (W)", &M::SecPot, "0.00"},
                       {&ui.Lbl_SecVolt, "Lbl_SecVolt", "Tens. a Carico (V)", &M::SecVolt, "0.00"},
                       {&ui.Lbl_SecVoltVuoto, "Lbl_SecVoltVuoto", "Tens. a Vuoto (V)", &M::SecVoltVuoto, "0.00"},
                       {&ui.Lbl_SecAmp, "Lbl_SecAmp", "Corrente (A)", &M::SecAmp, "0.000"},
                       {&ui.Lbl_SecSpire, "Lbl_SecSpire", "Spire (n°)", &M::SecSpire, "0"}};
    Costruisci(k, ui);

    // The impedance and current fields refuse silently (their ranges have
    // no message): the default text comes back, and the calculation reads it.
    CampoDelCalcolo(ui.Txt_PriImp, campiusci::PriImp);
    CampoDelCalcolo(ui.Txt_PriAmp, campiusci::PriAmp);
    for (CampoNumerico* c : ui.Txt_SecImp) CampoDelCalcolo(c, campiusci::SecImp);
    connect(ui.Cmd_Vedi, &QPushButton::clicked, this, [this] { Cmd_Vedi_Click(); });
    connect(ui.Opt_Single, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Opt_Single_Click();
    });
    connect(ui.Opt_Push, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Opt_Push_Click();
    });
}

// ------------------------------------------------------------------ building

void Frm_Usci::CostruisciPaginaLamierino(QGroupBox* p1) {
    ListeDatiGenerali(p1, 90);
    RiquadroConosco(p1, 90, RigaLam(4));
    ColonnaRisultati(p1, 3100, 1700, 4820, 700, 0,
                     {{&ui.Lbl_SecPotTot, "Lbl_SecPotTot", "Pot. Secondaria (W)"},
                      {&ui.Lbl_PriPotTot, "Lbl_PriPotTot", "Pot. Primaria (W)"},
                      {&ui.Lbl_Rendimento, "Lbl_Rendimento", "Rendimento (%)"},
                      {&ui.Lbl_CadutaVolt, "Lbl_CadutaVolt", "Caduta Tensione (%)"},
                      {&ui.Lbl_FEMI, "Lbl_FEMI", "Volt per Spira (V)"},
                      {&ui.Lbl_Induttanza, "Lbl_Induttanza", "Induttanza Primario"},
                      {&ui.Lbl_Traferro, "Lbl_Traferro", "Traferro"}});
    Didascalia(p1, QStringLiteral("Cap_Induttanza_H"), QStringLiteral("H"), 5540, RigaLam(5), 300, 255);
    Didascalia(p1, QStringLiteral("Cap_Traferro_mm"), QStringLiteral("mm"), 5540, RigaLam(6), 300, 255);
    ColonnaLamierino(p1, 5900);
    // No power range: this kind has no sizing coefficients.
    ColonnaPerdite(p1, 8900, false);
}

void Frm_Usci::CostruisciPaginaExtra(QGroupBox* p3) {
    Didascalia(p3, "Cap_SecTipo", Qs("Configurazione Avvolgimenti Secondari"), 90, 255, 4300, 255);
    ui.Cmb_SecTipo = Lista(p3, "Cmb_SecTipo", 90, 570, 900, 285);
    ui.Cmd_Vedi = Pulsante(p3, "Cmd_Vedi", Qs("Vedi"), {}, 1110, 555, 900, 315);
    ui.Lbl_Commento = Didascalia(p3, "Lbl_Commento", Qs("Commento"), 90, 960, 4300, 540,
                                 Qt::AlignLeft | Qt::AlignTop);
    ui.Lbl_Commento->setWordWrap(true);
    ui.Opt_Single = Opzione(p3, "Opt_Single", Qs("Single-Ended"), {}, 90, 1680, 1900, 255);
    ui.Opt_Push = Opzione(p3, "Opt_Push", Qs("Push-Pull"), {}, 2100, 1680, 1900, 255);
    ui.Opt_Single->setChecked(true);

    // One frame for the whole primary, three for the loads: inputs first,
    // then the results, each row with its caption.
    struct Riga {
        CampoNumerico** campo;
        QLabel** etichetta;
        const char* nome;
        const char* didascalia;
        // An input's characters and tooltip.
        int limite = 0;
        const char* tooltip = "";
    };
    auto frame = [&](int k, const char* titolo, std::initializer_list<Riga> righe) {
        QGroupBox* f = Riquadro(p3, NomeIndice("Frm_Avvolg", k), Qs(titolo), 4500 + 1920 * k, 120, 1900, 2220);
        ui.Frm_Avvolg[static_cast<size_t>(k)] = f;
        int y = 300;
        for (const Riga& r : righe) {
            Didascalia(f, {}, Qs(r.didascalia), 45, y, 1210, 255);
            const QString nome = NomeIndice(r.nome, k == 0 ? S : S + k - 1);
            if (r.campo)
                *r.campo = Casella(f, nome, r.limite, Qs(r.tooltip), 1255, y - 15, 585, 285);
            else
                *r.etichetta = Risultato(f, nome, Qs(r.didascalia), 1255, y, 585, 255);
            y += 330;
        }
    };
    frame(0, "Avv Primario",
          {{&ui.Txt_PriImp, nullptr, "Txt_PriImp", "Impedenza (Ω)", 6, "Indicare Impedenza di Carico Anodico"},
           {&ui.Txt_PriAmp, nullptr, "Txt_PriAmp", "Corrente (A)", 5, "Indicare la Corrente Avvolgimento Pimario"},
           {nullptr, &ui.Lbl_PriPotTutto, "Lbl_PriPot", "Potenza (W)"},
           {nullptr, &ui.Lbl_PriVoltTutto, "Lbl_PriVolt", "Tensione (V)"},
           {nullptr, &ui.Lbl_PriSpireTutto, "Lbl_PriSpire", "Spire (n°)"}});
    for (size_t c = 0; c < CARICHI; ++c)
        frame(static_cast<int>(c) + 1, "Avv Secondario",
              {{&ui.Txt_SecImp[c], nullptr, "Txt_SecImp", "Impedenza (Ω)", 6, "Indicare Impedenza di Carico"},
               {nullptr, &ui.Lbl_SecPotCarico[c], "Lbl_SecPot", "Potenza (W)"},
               {nullptr, &ui.Lbl_SecAmpCarico[c], "Lbl_SecAmp", "Corrente (A)"},
               {nullptr, &ui.Lbl_SecVoltCarico[c], "Lbl_SecVolt", "Tensione (V)"},
               {nullptr, &ui.Lbl_SecSpireCarico[c], "Lbl_SecSpire", "Spire (n°)"}});
}

// ------------------------------------------------------------------ load

void Frm_Usci::Form_Load() {
    ModuleDIC& d = d_;
    IniziaCaricamento([&] {
        ProgettoPredefinitoUsci(d);
        // The lamination is not judged for this kind: it has no coefficients.
        CaricaLibrerie(false);

        TestiImpedenze();
        ui.Txt_LamCdP->ImpostaTestoU8(num::SngToText(d.LamCdP));

        RiempiListePredefinite(NUM_AVV);
        Riempi(ui.Cmb_Induzione, campiusci::Induzione);
        ui.Cmb_Frequenza->clear();
        for (int f : campiusci::Frequenze) ui.Cmb_Frequenza->addItem(QString::number(f));
        ui.Cmb_Frequenza->setCurrentIndex(campiusci::FrequenzaScelta);
        ui.Cmb_SecTipo->clear();
        for (const char* l : {"N", "A", "B", "C", "D", "E", "F", "G", "H"}) ui.Cmb_SecTipo->addItem(Qs(l));
        ui.Cmb_SecTipo->setCurrentIndex(0);

        // The controls as a new window shows them, whatever the last design left
        // (a new or closed project runs this again), without their handling:
        // single-ended, as the design now holds.
        {
            const QSignalBlocker a(ui.Opt_Single), b(ui.Opt_Push);
            ui.Opt_Single->setChecked(true);
        }
    });
    for (QWidget* w : std::initializer_list<QWidget*>{ui.Opt_Single, ui.Opt_Push, ui.Cmb_PriNumAvv,
                                                      ui.Cmb_SecNumAvv})
        w->setEnabled(true);
    ui.Txt_SecImp[1]->setEnabled(false);
    ui.Txt_SecImp[2]->setEnabled(false);
    ui.Frm_Avvolg[2]->hide();
    ui.Frm_Avvolg[3]->hide();
    ui.Lbl_Commento->setText(Qs("Commento"));

    ContolloFrame();
    PulsantiCollegamento();
    PulsantiRocchetto();
    CalcolaTrasfoUsci();
}

void Frm_Usci::TestiImpedenze() {
    const ModuleDIC& d = d_;
    ui.Txt_PriImp->ImpostaTestoU8(num::SngToText(d.PriImp[S]));
    ui.Txt_PriAmp->ImpostaTestoU8(num::SngToText(d.PriAmp[S]));
    for (size_t c = 0; c < CARICHI; ++c) ui.Txt_SecImp[c]->ImpostaTestoU8(num::SngToText(d.SecImp[S + c]));
}

// ------------------------------------------------------------------ calculation

DatiUsciTesti Frm_Usci::DatiTesti() const {
    DatiUsciTesti t;
    TestiListe(t.Cmb_PriNumAvv, t.Cmb_SecNumAvv, t.Cmb_Frequenza, t.Cmb_Induzione, t.Cmb_Densita);
    t.Cmb_SecTipo = U8(ui.Cmb_SecTipo->currentText());
    t.Txt_PriImp = ui.Txt_PriImp->TestoU8();
    t.Txt_PriAmp = ui.Txt_PriAmp->TestoU8();
    for (size_t c = 0; c < CARICHI; ++c) t.Txt_SecImp[c] = ui.Txt_SecImp[c]->TestoU8();
    return t;
}

void Frm_Usci::ControllaInputDati() {
    std::array<std::string, CARICHI> imp;
    for (size_t c = 0; c < CARICHI; ++c) imp[c] = ui.Txt_SecImp[c]->TestoU8();
    inputusci::ControllaInputDatiUsci(d_.SecTipo, imp);
    for (size_t c = 0; c < CARICHI; ++c)
        if (ui.Txt_SecImp[c]->TestoU8() != imp[c]) ui.Txt_SecImp[c]->ImpostaTestoU8(imp[c]);
}

void Frm_Usci::EseguiCalcolo() { CalcoloUsci(d_, DatiTesti(), Piattaforma::Messaggi()); }

void Frm_Usci::Refresh() {
    const ModuleDIC& d = d_;
    RefreshComune();
    Scrivi(ui.Lbl_FEMI, d.FEMI, "#0.0000");
    Scrivi(ui.Lbl_Induttanza, d.Induttanza, "0.0");
    Scrivi(ui.Lbl_Traferro, d.Traferro, "0.00");

    // The sections' rows come with the common part; then the whole primary
    // and the loads.
    Scrivi(ui.Lbl_PriPotTutto, d.PriPot[S], "0.0");
    Scrivi(ui.Lbl_PriVoltTutto, d.PriVolt[S], "0.0");
    Scrivi(ui.Lbl_PriSpireTutto, d.PriSpire[S], "0");
    for (size_t c = 0; c < CARICHI; ++c) {
        Scrivi(ui.Lbl_SecPotCarico[c], d.SecPot[S + c], "0.00");
        Scrivi(ui.Lbl_SecAmpCarico[c], d.SecAmp[S + c], "0.00");
        Scrivi(ui.Lbl_SecVoltCarico[c], d.SecVolt[S + c], "0.00");
        Scrivi(ui.Lbl_SecSpireCarico[c], d.SecSpire[S + c], "0");
    }
}

// ------------------------------------------------------------------ configuration, stage, counts

void Frm_Usci::Cmb_SecTipo_LostFocus() {
    ModuleDIC& d = d_;
    d.SecTipo = U8(ui.Cmb_SecTipo->currentText());
    const inputusci::Configurazione* c = inputusci::TrovaConfigurazione(d.SecTipo);
    // Each box's state is set once: a box locked on the way and unlocked
    // again would lose the focus the user is giving it.
    ui.Txt_SecImp[1]->setEnabled(c && c->impedenza17);
    ui.Txt_SecImp[2]->setEnabled(false);
    if (c) {
        using inputusci::Stadio;
        // A forced stage is selected first: when that changes the selection
        // its handling applies this letter once more and calculates.
        ui.Opt_Single->setEnabled(c->forzato != Stadio::Push);
        if (c->forzato == Stadio::Single) ui.Opt_Single->setChecked(true);
        ui.Opt_Push->setEnabled(c->forzato != Stadio::Single);
        if (c->forzato == Stadio::Push) ui.Opt_Push->setChecked(true);
        ui.Cmb_PriNumAvv->setEnabled(c->conteggiLiberi);
        ui.Cmb_SecNumAvv->setEnabled(c->conteggiLiberi);
        ui.Lbl_Commento->setText(Qs(c->commento));
        ui.Frm_Avvolg[2]->setVisible(c->frame2);
        ui.Frm_Avvolg[3]->setVisible(c->frame3);
        // The counts follow the stage the design holds.
        const bool single = Vero(d.OptSingle);
        if (c->conteggiLiberi)
            ScegliConteggi(d.PriUlt + 1.0, d.SecUlt + 1.0);
        else
            ScegliConteggi(single ? c->priSingle : c->priPush, single ? c->secSingle : c->secPush);
    }
    Cmb_PriNumAvv_LostFocus();
    Cmb_SecNumAvv_LostFocus();
}

void Frm_Usci::ImpostaStadio(bool single) {
    d_.OptSingle = Flag(single);
    Cmb_SecTipo_LostFocus();
    CalcolaTrasfoUsci();
}

void Frm_Usci::NumeroAvvCambiato(Lato lato, int n) {
    inputalim::CambiaNumeroAvv(lato, n, NUM_AVV);
    inputusci::PosizionaAvvRocch(d_);
    PulsantiRocchetto();
}

// ------------------------------------------------------------------ project files

const TestiProgetto& Frm_Usci::Testi() const {
    static const TestiProgetto testi{
        "Apri Progetto Trasformatore di Uscita",
        "Salva Progetto Trasformatore di Uscita",
        "Progetto Trasformatore di Uscita(*.tuv)|*.tuv",
        ".tuv",
        kTitolo,
        "Trasformatore di Uscita",
        "Nuovo Progetto di Calcolo Trasformatore",
        "Chiusura Progetto di Calcolo Trasformatore",
        "       del Trasformatore Esistente ?",
    };
    return testi;
}

void Frm_Usci::RefreshUsciImport() {
    TestiImpedenze();
    ScegliVoce(ui.Cmb_SecTipo, Qs(d_.SecTipo));
    // The flux density list shows two decimals ("0,50").
    RiempiDatiGenerali("0.00");
    // Only a change of stage runs its handling (see the option's toggled signal).
    (Vero(d_.OptSingle) ? ui.Opt_Single : ui.Opt_Push)->setChecked(true);
}

void Frm_Usci::RiempiDopoApertura() {
    RefreshUsciImport();
    ContolloFrame();
    PulsantiCollegamento();
    PulsantiRocchetto();
    Refresh();
    Cmb_SecTipo_LostFocus();
}

// ------------------------------------------------------------------ picture

void Frm_Usci::Cmd_Vedi_Click() {
    // A letter that is none of the nine leaves the path as it was.
    if (const inputusci::Configurazione* c = inputusci::TrovaConfigurazione(d_.SecTipo))
        d_.StrTemp = std::string("\\LIBRERIA\\avv sec ") +
                     static_cast<char>(std::tolower(static_cast<unsigned char>(c->lettera))) + ".gif";
    Frm_Vedi vedi(d_, this);
    vedi.exec();
}
