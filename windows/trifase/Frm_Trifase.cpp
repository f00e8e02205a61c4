#include "windows/trifase/Frm_Trifase.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "engine/ModRoutine.h"
#include "engine/Mod_Alim.h"
#include "engine/Mod_AutoTrasf.h"
#include "files/LimitiCampi.h"
#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"

namespace {

const char* const kTitoloLettera = "Tipo Collegamento Trifase";
const char* const kNoLettera = inputtrif::NESSUNA_LETTERA;

void NessunaLettera() {
    Piattaforma::MsgBox(Qs(kNoLettera), mb::OkOnly + mb::Exclamation, Qs(kTitoloLettera));
}

}  // namespace

Frm_Trifase::Frm_Trifase(ModuleDIC& dic, QWidget* parent) : Frm_Trifase(dic, parent, Genere{}) {}

Frm_Trifase::Frm_Trifase(ModuleDIC& dic, QWidget* parent, const Genere& g) : FinestraProgetto(dic, parent), g_(g) {
    Descrizione k;
    k.tipo = g.tipo;
    k.nome = g.nome;
    k.titolo = g.titolo;
    // The exit question keeps the transformer's title.
    k.titoloEsci = "Calcolo di Trasformatore Trifase";
    k.salvaNome = g.salvaNome;
    k.stampa = g.stampa;
    k.chiudiAnnulla = true;
    k.collegamentiFissi = g.prese;
    k.maxConteggio = g.prese ? 1 : NUM_AVV;
    k.numAvv = NUM_AVV;
    k.numPag = NUM_PAG;
    k.libreriaLam = "LamTrifaseStandard.lam";
    k.rigaPropria = true;
    const char* tSec = "Indicare la Tensione Avvolgimento Secondario";
    const char* aSec = "Indicare la Corrente Avvolgimento Secondario";
    const char* pSec = "Indicare la Potenza Avvolgimento Secondario";
    k.pri.campi = {
        {&ui.Txt_PriVolt, "Txt_PriVolt", "Tensione Fase (V)", "Indicare la Tensione Avvolgimento Primario", 4,
         campitrif::PriVolt, [this](int i) { Converti(Conv::PriVolt, ui.Txt_PriVolt[i], ui.Txt_PriVoltLin[i], true, i); }},
        {&ui.Txt_PriVoltLin, "Txt_PriVoltLin", "Tensione Linea (V)",
         "Indicare la Tensione Avvolgimento Primario di Linea", 4, g.priVoltLin,
         [this](int i) { Converti(Conv::PriVoltLin, ui.Txt_PriVoltLin[i], ui.Txt_PriVolt[i], true, i); }}};
    k.pri.risultati = {{&ui.Lbl_PriPot, "Lbl_PriPot", "Potenza Fase (VA)"},
                       {&ui.Lbl_PriAmp, "Lbl_PriAmp", "Corrente Fase (A)"},
                       {&ui.Lbl_PriAmpLin, "Lbl_PriAmpLin", "Corrente Linea (A)"},
                       {&ui.Lbl_PriPotLin, "Lbl_PriPotLin", "Potenza Linea (VA)"},
                       {&ui.Lbl_PriSpire, "Lbl_PriSpire", "Spire (n°)"}};
    k.sec.campi = {
        {&ui.Txt_SecVolt, "Txt_SecVolt", "Tensione Fase (V)", tSec, 4, campitrif::SecVolt, [this](int i) { DopoFase(i, false); }},
        {&ui.Txt_SecAmp, "Txt_SecAmp", "Corrente Fase (A)", aSec, 5, campitrif::SecAmp,
         [this](int i) { DopoFase(i, true, g_.mascheraPotDaAmp); }},
        {&ui.Txt_SecPot, "Txt_SecPot", "Potenza Fase (VA)", pSec, 5, g.secPot, [this](int i) { DopoFase(i, false); }},
        {&ui.Txt_SecVoltLin, "Txt_SecVoltLin", "Tensione Linea (V)",
         "Indicare la Tensione Avvolgimento Secondario di Linea", 4, campitrif::SecVoltLin,
         [this](int i) { DopoLinea(i, Conv::SecVoltLin, ui.Txt_SecVoltLin[i], ui.Txt_SecVolt[i]); }},
        {&ui.Txt_SecAmpLin, "Txt_SecAmpLin", "Corrente Linea (A)",
         "Indicare la Corrente Avvolgimento Secondario di Linea", 5, campitrif::SecAmpLin,
         [this](int i) { DopoLinea(i, Conv::SecAmpLin, ui.Txt_SecAmpLin[i], ui.Txt_SecAmp[i]); }},
        {&ui.Txt_SecPotLin, "Txt_SecPotLin", "Potenza Linea (VA)",
         "Indicare la Potenza Avvolgimento Secondario di Linea", 5, campitrif::SecPotLin,
         [this](int i) { DopoLinea(i, Conv::SecPotLin, ui.Txt_SecPotLin[i], ui.Txt_SecPot[i]); }}};
    k.sec.risultati = {{&ui.Lbl_SecVoltVuoto, "Lbl_SecVoltVuoto", "Tens. a Vuoto (V)"},
                       {&ui.Lbl_SecSpire, "Lbl_SecSpire", "Spire (n°)"}};
    // Six inputs and thirteen results would leave a secondary's figures
    // unreadably small: its inputs sit 17 px apart (not 20), and its results
    // take the 13 px a figure needs in the primaries' size, the rest from
    // the room below the pages, which the menu and status bars leave free
    // also in a desktop's larger font.
    k.sec.passoCampo = 255;
    k.sec.altRisultato = 195;
    Costruisci(k, ui);
}

void Frm_Trifase::CostruisciFrameAvv(bool primario, int i, QGroupBox* frm) {
    if (primario) {
        ui.Cmd_PriTrif[i] = Pulsante(frm, NomeIndice("Cmd_PriTrif", i), "Y",
                                     QString(), 60, RIGA_PROPRIA, 390, 270);
        connect(ui.Cmd_PriTrif[i], &QPushButton::clicked, this, [this, i] { Cmd_PriTrif_Click(i); });
        return;
    }
    ui.Cmd_SecTrif[i] = Pulsante(frm, NomeIndice("Cmd_SecTrif", i), "z", QString(),
                                 60, RIGA_PROPRIA, 390, 270);
    connect(ui.Cmd_SecTrif[i], &QPushButton::clicked, this, [this, i] { Cmd_SecTrif_Click(i); });
    ui.Cmd_FaseLinea[i] = Pulsante(frm, NomeIndice("Cmd_FaseLinea", i), "Linea",
                                   Qs("Visualizzo Parametri di Linea"), 480, RIGA_PROPRIA, 720, 270);
    connect(ui.Cmd_FaseLinea[i], &QPushButton::clicked, this, [this, i] {
        Cmd_FaseLinea_Click(i);
        AbilitaCaselleLinea(i);
    });
}

void Frm_Trifase::CostruisciPaginaLamierino(QGroupBox* p1) {
    PaginaLamierinoComune(p1, g_.prese);
}

// ------------------------------------------------------------------ fields

void Frm_Trifase::Converti(Conv c, CampoNumerico* da, CampoNumerico* a, bool primario, int i) {
    const std::string& lettera = primario ? d_.PriTrif[i] : d_.SecTrif[i];
    const inputtrif::TestoLettera t = inputtrif::Converti(c, lettera, da->Valore().value_or(0), g_.vista);
    if (!t.lettera) NessunaLettera();
    a->ImpostaTestoU8(t.testo);
}

void Frm_Trifase::DopoFase(int i, bool corrente, const char* mascheraPot) {
    if (corrente) {
        // Power = voltage x current in Single; no nonzero power shown as 0,0.
        const auto v = ui.Txt_SecVolt[i]->Valore();
        const auto amp = ui.Txt_SecAmp[i]->Valore();
        if (v && amp)
            ui.Txt_SecPot[i]->ImpostaTestoU8(inputtrif::TestoCasella(num::Sng(double(*v) * *amp), mascheraPot));
    } else {
        RicalcolaCorrente(ui.Txt_SecPot[i], ui.Txt_SecVolt[i], ui.Txt_SecAmp[i]);
    }
    Cmd_FaseLinea_Click(i);
}

void Frm_Trifase::DopoLinea(int i, Conv c, CampoNumerico* linea, CampoNumerico* fase) {
    Converti(c, linea, fase, false, i);
    // With "Fase" on the button the click builds the line view again from
    // the phase values just derived.
    ui.Cmd_FaseLinea[i]->setText(Qs("Fase"));
    DopoFase(i, c == Conv::SecAmpLin);
}

// ------------------------------------------------------------------ load

void Frm_Trifase::Form_Load() {
    ModuleDIC& d = d_;
    IniziaCaricamento([&] {
        // The common defaults (mode, bobbin choice, insulation, placements,
        // isolated windings, two windings a side until the first pass reads
        // the lists; the bobbin table keeps the user's bobbin), then the
        // three-phase kind and its libraries.
        ProgettoIsolato(d);
        d.TipoCalcolo = g_.tipo;
        CaricaLibrerie();
        if (g_.prese) PreseInSerie(d, NUM_AVV, true);

        const double r3 = std::sqrt(3.0);
        // A star secondary's phase values are its line voltage by √3 and a third
        // of its power; a zig-zag's a third of its voltage, its power by 3√3.
        const bool stella = std::string_view(g_.letteraSec) == "y";
        for (int k = 0; k < NUM_AVV; ++k) {
            d.PriTrif[k] = "Y";
            d.SecTrif[k] = g_.letteraSec;
            Lettera(ui.Cmd_PriTrif[k], d.PriTrif[k]);
            Lettera(ui.Cmd_SecTrif[k], d.SecTrif[k]);
            d.SecVoltLin[k] = static_cast<float>(220 - k);
            d.SecPotLin[k] = static_cast<float>(1000 - k);
            d.SecAmpLin[k] = num::Sng(d.SecPotLin[k] / static_cast<double>(d.SecVoltLin[k]) / r3);
            d.SecVolt[k] = num::Sng(d.SecVoltLin[k] / (stella ? r3 : 3.0));
            d.SecPot[k] = num::Sng(d.SecPotLin[k] / 3.0 / (stella ? 1.0 : r3));
            d.SecAmp[k] = num::Sng(static_cast<double>(d.SecPot[k]) / d.SecVolt[k]);
            ui.Txt_SecVoltLin[k]->ImpostaTestoU8(num::SngToText(d.SecVoltLin[k]));
            ui.Txt_SecPotLin[k]->ImpostaTestoU8(num::SngToText(d.SecPotLin[k]));
            ui.Txt_SecAmpLin[k]->ImpostaTestoU8(num::Format(d.SecAmpLin[k], g_.mascheraAmpCarico));
            ui.Txt_SecVolt[k]->ImpostaTestoU8(num::Format(d.SecVolt[k], "0.0"));
            ui.Txt_SecPot[k]->ImpostaTestoU8(num::Format(d.SecPot[k], "0.0"));
            ui.Txt_SecAmp[k]->ImpostaTestoU8(num::Format(d.SecAmp[k], g_.mascheraAmpCarico));
            d.PriVoltLin[k] = static_cast<float>(380 - k);
            d.PriVolt[k] = num::Sng(d.PriVoltLin[k] / r3);
            ui.Txt_PriVoltLin[k]->ImpostaTestoU8(num::SngToText(d.PriVoltLin[k]));
            ui.Txt_PriVolt[k]->ImpostaTestoU8(num::Format(d.PriVolt[k], "0.0"));
            // Every secondary starts in the line view.
            ui.Cmd_FaseLinea[k]->setText(Qs("Linea"));
            ui.Cmd_FaseLinea[k]->setToolTip(Qs("Visualizzo Parametri di Linea"));
        }
        ui.Txt_LamCdP->ImpostaTestoU8(num::SngToText(d.LamCdP));

        RiempiListePredefinite(MaxConteggio());
    });

    ContolloFrame();
    PulsantiCollegamento();
    PulsantiLettere();
    PulsantiRocchetto();
    CalcolaTrifTrasfo();
}

// ------------------------------------------------------------------ buttons

void Frm_Trifase::Lettera(QPushButton* b, const std::string& lettera) { b->setText(Qs(lettera)); }

void Frm_Trifase::PulsantiLettere() {
    if (g_.prese) return;
    for (const LatoC& l : {LatoC(Primari(d_)), LatoC(Secondari(d_))}) {
        auto& cmd = l.Primario ? ui.Cmd_PriTrif : ui.Cmd_SecTrif;
        for (int i = 0; i < NUM_AVV; ++i) cmd[i]->setEnabled(inputtrif::LetteraAbilitata(l, i));
    }
}

void Frm_Trifase::Cmd_PriTrif_Click(int i) {
    SceltaLettera(Primari(d_), ui.Cmd_PriTrif, i);
    // The primaries' line values from the last pass by their (new) letters,
    // the current with one decimal until the next calculation shows it in
    // the window's own form.
    const int priUlt = inputalim::UltimoIndice(d_.PriUlt, NUM_AVV);
    for (int k = 0; k <= priUlt; ++k) {
        const inputtrif::TestoLettera v = inputtrif::TensioneLineaPri(d_.PriTrif[k], d_.PriVolt[k]);
        if (v.lettera) ui.Txt_PriVoltLin[k]->ImpostaTestoU8(v.testo);
        MostraLineaPri(k, "##0.0");
    }
    const bool secondario = g_.prese && i >= 0 && i < NUM_AVV;
    if (secondario) {
        // One tapped winding: the secondary is connected as the primary is.
        if (d_.PriTrif[i] == "D") d_.SecTrif[i] = "d";
        if (d_.PriTrif[i] == "Y") d_.SecTrif[i] = "y";
        Lettera(ui.Cmd_SecTrif[i], d_.SecTrif[i]);
        VistaLineaTutti();
    }
    // The line boxes the letter rewrote are the design's too, read as the
    // calculation reads them, so a save right after keeps what they show.
    // The primaries' line current and power labels are no input: nothing
    // reads them back. Turns, wires and results wait for the calculation.
    const DatiTrifTesti t = DatiTesti();
    LeggiLineePri(d_, t);
    if (secondario) LeggiLineeSec(d_, t);
}

void Frm_Trifase::Cmd_SecTrif_Click(int i) {
    SceltaLettera(Secondari(d_), ui.Cmd_SecTrif, i);
    VistaLineaTutti();
    // As after a primary's letter: the line boxes are the design's at once.
    LeggiLineeSec(d_, DatiTesti());
}

void Frm_Trifase::VistaLineaTutti() {
    const int secUlt = inputalim::UltimoIndice(d_.SecUlt, NUM_AVV);
    for (int k = 0; k <= secUlt; ++k) {
        ui.Cmd_FaseLinea[k]->setText(Qs("Fase"));
        Cmd_FaseLinea_Click(k);
        AbilitaCaselleLinea(k);
    }
}

void Frm_Trifase::SceltaLettera(Lato l, Arr<QPushButton>& cmd, int i) {
    if (i < 0 || i >= NUM_AVV) return;
    d_.NumAvvScelto = static_cast<float>(i);
    dialoghi::Lanciatore().Mostra(l.Primario ? Dialogo::PriAvvTrif : Dialogo::SecAvvTrif, d_, nullptr);
    Lettera(cmd[i], l.Trif[i]);
    if (g_.prese) return;
    // A tap in series takes its partner's letter; going downwards carries a
    // letter along a chain of taps. A tap flag without the series flag (left
    // on a winding the ordering made isolated) does not count.
    for (int k = std::min(i + 1, NUM_AVV - 1); k >= 0; --k) {
        const int p = PartnerLettera(l, k);
        if (p < 0) continue;
        Lettera(cmd[k], l.Trif[p]);
        l.Trif[k] = l.Trif[p];
    }
}

int Frm_Trifase::PartnerLettera(const LatoC& l, int k) {
    const int p = l.AvvSerCon[k] - 1;
    return !inputtrif::LetteraAbilitata(l, k) && p > k && p < NUM_AVV ? p : -1;
}

void Frm_Trifase::MostraLineaPri(int i, const char* mascheraAmp) {
    // A primary with no letter keeps the line figures it showed.
    if (const auto l = inputtrif::LineaPrimario(d_.PriTrif[i], d_.PriAmp[i], d_.PriPot[i], mascheraAmp)) {
        ui.Lbl_PriAmpLin[i]->setText(Qs(l->amp));
        ui.Lbl_PriPotLin[i]->setText(Qs(l->pot));
    }
}

void Frm_Trifase::NumeroAvvCambiato(Lato lato, int n) {
    FinestraProgetto::NumeroAvvCambiato(lato, n);
    PulsantiLettere();
}

void Frm_Trifase::DopoCollegamento(Lato lato, int i) {
    MostraCollegamento(lato, i);
    // A tap in series takes its partner's letter through the buttons; a
    // partner that is no later winding of the side leaves the letters alone.
    const int p = PartnerLettera(lato, i);
    auto& cmd = lato.Primario ? ui.Cmd_PriTrif : ui.Cmd_SecTrif;
    if (p >= 0) {
        lato.Trif[i] = U8(cmd[p]->text());
        Lettera(cmd[i], lato.Trif[i]);
        if (!lato.Primario) PresaSec(i, ui.Txt_SecAmp[i], ui.Txt_SecPot[i]);
    }
    PulsantiLettere();
}

// ------------------------------------------------------------------ procedures

DatiTrifTesti Frm_Trifase::DatiTesti() const {
    DatiTrifTesti t;
    TestiListe(t);
    for (int i = 0; i < NUM_AVV; ++i) {
        t.Txt_PriVolt[i] = ui.Txt_PriVolt[i]->TestoU8();
        t.Txt_PriVoltLin[i] = ui.Txt_PriVoltLin[i]->TestoU8();
        t.Txt_SecVolt[i] = ui.Txt_SecVolt[i]->TestoU8();
        t.Txt_SecAmp[i] = ui.Txt_SecAmp[i]->TestoU8();
        t.Txt_SecPot[i] = ui.Txt_SecPot[i]->TestoU8();
        t.Txt_SecVoltLin[i] = ui.Txt_SecVoltLin[i]->TestoU8();
        t.Txt_SecAmpLin[i] = ui.Txt_SecAmpLin[i]->TestoU8();
        t.Txt_SecPotLin[i] = ui.Txt_SecPotLin[i]->TestoU8();
    }
    return t;
}

void Frm_Trifase::EseguiCalcolo() { CalcoloTrif(d_, DatiTesti(), Piattaforma::Messaggi()); }

void Frm_Trifase::RicalcoloAvvolgimenti() {
    RicalcoloAvvolgimentiTrif(d_, Piattaforma::Messaggi());
    Refresh();
}

void Frm_Trifase::ControllaInputDati() {
    DatiTrifTesti t = DatiTesti();
    auto scrivi = [](CampoNumerico* c, const std::string& s) {
        if (c->TestoU8() != s) c->ImpostaTestoU8(s);
    };
    auto lettere = [](const Arr<QPushButton>& cmd) {
        std::array<std::string, NUM_AVV> l;
        for (int i = 0; i < NUM_AVV; ++i) l[i] = U8(cmd[i]->text());
        return l;
    };
    // The connection letters move with the voltages, and the design's
    // letters follow their buttons. The autotransformer's taps stay put.
    auto ordina = [&](Lato lato, std::span<std::string> volt, std::span<std::string> pot,
                      Arr<QPushButton>& cmd) {
        std::array<std::string, NUM_AVV> l = lettere(cmd);
        inputalim::Indici isolati{};
        const bool scambio = g_.prese ? inputalim::OrdinaPrese(lato, volt, pot, NUM_AVV, l)
                                      : inputalim::OrdinaLato(lato, volt, pot, NUM_AVV, isolati, l);
        if (!scambio) return;
        for (int i = 0; i < NUM_AVV; ++i) {
            Lettera(cmd[i], l[i]);
            lato.Trif[i] = l[i];
        }
        if (!g_.prese) MostraIsolati(lato, isolati, scambio);
    };

    // 1-2. Primaries by phase voltage; their line voltages by their letters.
    ordina(Primari(d_), std::span(t.Txt_PriVolt).first(NUM_AVV), {}, ui.Cmd_PriTrif);
    const int priUlt = inputalim::UltimoIndice(d_.PriUlt, NUM_AVV);
    for (int i = 0; i < NUM_AVV; ++i) scrivi(ui.Txt_PriVolt[i], t.Txt_PriVolt[i]);
    for (int i = 0; i <= priUlt; ++i) {
        const auto v = num::TextToSng(t.Txt_PriVolt[i]);
        if (!v) continue;
        const inputtrif::TestoLettera l = inputtrif::TensioneLineaPri(d_.PriTrif[i], *v);
        if (!l.lettera) NessunaLettera();
        scrivi(ui.Txt_PriVoltLin[i], l.testo);
    }

    // 3-4. Secondaries by phase voltage, their power texts along; the
    // current of a winding whose voltage changed.
    ordina(Secondari(d_), std::span(t.Txt_SecVolt).first(NUM_AVV), std::span(t.Txt_SecPot).first(NUM_AVV),
           ui.Cmd_SecTrif);
    inputalim::RicalcolaCorrentiSec(d_, t);
    for (int i = 0; i < NUM_AVV; ++i) {
        scrivi(ui.Txt_SecVolt[i], t.Txt_SecVolt[i]);
        scrivi(ui.Txt_SecPot[i], t.Txt_SecPot[i]);
        scrivi(ui.Txt_SecAmp[i], t.Txt_SecAmp[i]);
    }

    // 5. Every secondary in use in the line view, so the reader gets line values.
    VistaLineaTutti();
    PulsantiLettere();
    PulsantiRocchetto();
}

void Frm_Trifase::Cmd_FaseLinea_Click(int i) {
    if (i < 0 || i >= NUM_AVV) return;
    const auto v = ui.Txt_SecVolt[i]->Valore();
    const auto a = ui.Txt_SecAmp[i]->Valore();
    const auto p = ui.Txt_SecPot[i]->Valore();
    // The click shows the other view: the phase values when the row shows
    // line values, else the line values.
    const bool mostraFase = VistaDiLinea(i);
    const std::string& lettera = d_.SecTrif[i];
    const inputtrif::VistaSec vista =
        mostraFase ? inputtrif::VistaFase(lettera, v.value_or(0), a.value_or(0), p.value_or(0), g_.vista)
                   : inputtrif::VistaLinea(lettera, v.value_or(0), a.value_or(0), p.value_or(0), g_.vista);
    if (!vista.lettera) NessunaLettera();
    ui.Txt_SecVoltLin[i]->ImpostaTestoU8(vista.volt);
    ui.Txt_SecAmpLin[i]->ImpostaTestoU8(vista.amp);
    ui.Txt_SecPotLin[i]->ImpostaTestoU8(vista.pot);
    StatoVista(i, mostraFase);
}

void Frm_Trifase::StatoVista(int i, bool mostraFase) {
    const char* vistaNome = mostraFase ? "Fase" : "Linea";
    ui.Cmd_FaseLinea[i]->setText(Qs(vistaNome));
    ui.Cmd_FaseLinea[i]->setToolTip(Qs("Visualizzo Parametri di ") + Qs(vistaNome));
    const char* grandezze[] = {"Tensione", "Corrente", "Potenza"};
    CampoNumerico* caselle[] = {ui.Txt_SecVoltLin[i], ui.Txt_SecAmpLin[i], ui.Txt_SecPotLin[i]};
    for (int g = 0; g < 3; ++g)
        caselle[g]->setToolTip(Qs("Indicare la ") + Qs(grandezze[g]) + Qs(" Avvolgimento Secondario di ") +
                               Qs(vistaNome));
}

bool Frm_Trifase::VistaDiLinea(int i) const { return ui.Cmd_FaseLinea[i]->text() == Qs("Linea"); }

void Frm_Trifase::AbilitaCaselleLinea(int i) {
    for (CampoNumerico* c : {ui.Txt_SecVoltLin[i], ui.Txt_SecAmpLin[i], ui.Txt_SecPotLin[i]})
        c->setEnabled(VistaDiLinea(i));
}

// ------------------------------------------------------------------ results

void Frm_Trifase::Refresh() {
    const ModuleDIC& d = d_;
    RefreshComune();

    // Windings in use only: the hidden ones keep what they last showed.
    const int priUlt = inputalim::UltimoIndice(d.PriUlt, NUM_AVV);
    const int secUlt = inputalim::UltimoIndice(d.SecUlt, NUM_AVV);
    for (int i = 0; i <= priUlt; ++i) {
        Scrivi(ui.Lbl_PriPot[i], d.PriPot[i], "0.0");
        Scrivi(ui.Lbl_PriAmp[i], d.PriAmp[i], g_.mascheraPriAmp);
        Scrivi(ui.Lbl_PriSpire[i], d.PriSpire[i], "#####0");
        MostraLineaPri(i, g_.mascheraPriAmpLin);
    }
    for (int i = 0; i <= secUlt; ++i) {
        Scrivi(ui.Lbl_SecVoltVuoto[i], d.SecVoltVuoto[i], g_.mascheraVuoto);
        Scrivi(ui.Lbl_SecSpire[i], d.SecSpire[i], "#####0");
    }
    AvvisiLimiti(g_.prese ? d.PotPass : d.SecPotTot, "La Potenza del Trasformatore è Troppo Alta",
                 "La Potenza del Trasformatore è Troppo Bassa");
}

// ------------------------------------------------------------------ project files

const TestiProgetto& Frm_Trifase::Testi() const {
    static const TestiProgetto testi{
        "Apri Progetto Trasformatore Trifase",
        "Salva Progetto Trasformatore Trifase",
        "Progetto Trasformatore Trifase(*.ttf)|*.ttf",
        ".ttf",
        "Calcolo di Trasformatore Trifase",
        "Trasformatore Trifase",
        "Nuovo Progetto di Calcolo Trasformatore",
        "Chiusura Progetto di Calcolo Trasformatore",
        "       del Trasformatore Esistente ?",
    };
    return testi;
}

void Frm_Trifase::RiempiDopoApertura() {
    const ModuleDIC& d = d_;
    for (int i = 0; i < NUM_AVV; ++i) {
        ui.Txt_PriVolt[i]->ImpostaTestoU8(num::SngToText(d.PriVolt[i]));
        ui.Txt_PriVoltLin[i]->ImpostaTestoU8(num::SngToText(d.PriVoltLin[i]));
        ui.Txt_SecVolt[i]->ImpostaTestoU8(num::SngToText(d.SecVolt[i]));
        ui.Txt_SecAmp[i]->ImpostaTestoU8(num::SngToText(d.SecAmp[i]));
        ui.Txt_SecPot[i]->ImpostaTestoU8(num::SngToText(d.SecPot[i]));
        ui.Txt_SecVoltLin[i]->ImpostaTestoU8(num::SngToText(d.SecVoltLin[i]));
        ui.Txt_SecAmpLin[i]->ImpostaTestoU8(num::SngToText(d.SecAmpLin[i]));
        ui.Txt_SecPotLin[i]->ImpostaTestoU8(num::SngToText(d.SecPotLin[i]));
        Lettera(ui.Cmd_PriTrif[i], d.PriTrif[i]);
        Lettera(ui.Cmd_SecTrif[i], d.SecTrif[i]);
    }
    RiempiDatiGenerali();
    // The line boxes hold the stored line values: every row in the line view.
    for (int i = 0; i < NUM_AVV; ++i) {
        StatoVista(i, false);
        AbilitaCaselleLinea(i);
    }
    ContolloFrame();
    PulsantiCollegamento();
    PulsantiLettere();
    VerificaPosizioneAvvolgimenti(d_);
    PulsantiRocchetto();
    Refresh();
}
