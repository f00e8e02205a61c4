#include "dialogs/Frm_Isolanti.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "disegni/Isolamento.h"
#include "files/LimitiCampi.h"
#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"

namespace {

constexpr const char* kTitoloCampi = "Verifica Spessori Isolanti";

constexpr CampoNumerico::Limiti Spessore(const char* messaggio) {
    return {LIMITE_ISOLAMENTO, messaggio, kTitoloCampi, ""};
}

struct DatiCampo {
    RigaCampo riga;
    float ModuleDIC::*valore;
    const char* manca;  // "Ok" finds it empty
};

// In the order of Frm_Isolanti::Campo.
const DatiCampo kCampi[Frm_Isolanti::NUM_CAMPI] = {
    {{"Txt_IngKi", 4, {LIMITE_KI, "Il Valore del Coefficiente 'Ki' Fuori Limiti", kTitoloCampi, ""}},
     &ModuleDIC::RochIngKi, "Manca il Coefficiente di Ingombro Ki"},
    {{"Txt_IsoAvvH", 4, Spessore("Lo Spessore Gola 'H' Fuori Limiti")}, &ModuleDIC::RochIsoAvvH,
     "Manca lo Spessore Isolante Avv-Avv in Gola H"},
    {{"Txt_IsoAvvI", 4, Spessore("Lo Spessore Gola 'I' Fuori Limiti")}, &ModuleDIC::RochIsoAvvI,
     "Manca lo Spessore Isolante Avv-Avv in Gola I"},
    {{"Txt_IsoAvvL", 4, Spessore("Lo Spessore Gola 'L' Fuori Limiti")}, &ModuleDIC::RochIsoAvvL,
     "Manca lo Spessore Isolante Avv-Avv in Gola L"},
    {{"Txt_IsoStrH", 4, Spessore("Lo Spessore Gola 'H' Fuori Limiti")}, &ModuleDIC::RochIsoStrH,
     "Manca lo Spessore Isolante Str-Str in Gola H"},
    {{"Txt_IsoStrI", 4, Spessore("Lo Spessore Gola 'I' Fuori Limiti")}, &ModuleDIC::RochIsoStrI,
     "Manca lo Spessore Isolante Str-Str in Gola I"},
    {{"Txt_IsoStrL", 4, Spessore("Lo Spessore Gola 'L' Fuori Limiti")}, &ModuleDIC::RochIsoStrL,
     "Manca lo Spessore Isolante Str-Str in Gola L"},
};

constexpr int kXDestra = 3660;

}  // namespace

Frm_Isolanti::Frm_Isolanti(ModuleDIC& d, QWidget* parent)
    : DialogoBase(d, "Frm_Isolanti", Qs("Isolamento fra i vari strati degli Avvolgimenti"), 8400, 4700,
                  parent) {
    Costruisci();
    Form_Load();
}

void Frm_Isolanti::Costruisci() {
    // ---- the drawing
    Didascalia(this, "Label_Avvolgimenti", Qs("Avvolgimenti Filo Rame"), 120, 120, 3300, 240,
               Qt::AlignCenter);
    Immagine(this, "Image1", disegni::Isolamento(), 120, 380, 3300, 3000);
    Didascalia(this, "Label_Strati", Qs("Strati di Spire"), 120, 3400, 3300, 240, Qt::AlignCenter);

    // ---- Ki
    Didascalia(this, "Label_Ki", Qs("Coefficiente di Ingombro Ki"), kXDestra, 150, 2900, 285);
    ui.Txt[KI] = CampoConMessaggio(this, kCampi[KI].riga, 6660, 150, 700, 285);
    ui.Txt[KI]->setToolTip(Qs("Coefficiente di Aumento del Ingombro Totale Rame+Isolanti"));

    // ---- the two frames of thicknesses, one row per groove
    const struct {
        const char* nome;
        const char* titolo;
        int y;
        Campo primo;
    } riquadri[] = {{"Frame1", "Spessore Isolante fra Avvolgimento e Avvolgimento", 600, AVV_H},
                    {"Frame2", "Spessore Isolante fra Strato e Strato", 2000, STR_H}};
    const char* gole[] = {"Gola H", "Gola I", "Gola L"};
    for (const auto& q : riquadri) {
        QGroupBox* f = Riquadro(this, Qs(q.nome), Qs(q.titolo), kXDestra, q.y, 4620, 1300);
        for (int g = 0; g < 3; ++g) {
            const int y = 300 + g * 320;
            Didascalia(f, {}, Qs(gole[g]), 240, y, 900, 285);
            CampoNumerico* c = CampoConMessaggio(f, kCampi[q.primo + g].riga, 1200, y, 700, 285);
            c->setToolTip(Qs("Spessore Isolante"));
            ui.Txt[static_cast<size_t>(q.primo + g)] = c;
            Didascalia(f, {}, Qs("mm"), 1960, y, 500, 285);
        }
    }

    // ---- buttons and the note
    ui.Cmd_Ok = Pulsante(this, Qs("Cmd_Ok"), Qs("Ok"), {}, kXDestra, 3420, 1460, 360);
    ui.Cmd_Esci = Pulsante(this, Qs("Cmd_Esci"), Qs("Esci"), {}, kXDestra + 1580, 3420, 1460, 360);
    ui.Cmd_Stampa = PulsanteStampa(this, Qs("Stampa"), kXDestra + 3160, 3420, 1460, 360);
    QLabel* nota = Didascalia(
        this, "Label_Nota",
        Qs("Gli Ingombri Avvolgimenti Vengono calcolati considerando la finestra utile del Rocchetto "
           "(MxH) e non la finestra disponibile del Lamierino (FxE)"),
        120, 3900, 8160, 700, Qt::AlignLeft | Qt::AlignTop);
    nota->setWordWrap(true);

    connect(ui.Cmd_Ok, &QPushButton::clicked, this, [this] { Cmd_Ok_Click(); });
    connect(ui.Cmd_Esci, &QPushButton::clicked, this, [this] { Cmd_Esci_Click(); });
}

void Frm_Isolanti::Form_Load() {
    for (int k = 0; k < NUM_CAMPI; ++k)
        ui.Txt[static_cast<size_t>(k)]->ImpostaTestoU8(num::SngToText(d_.*kCampi[k].valore));
}

void Frm_Isolanti::Cmd_Ok_Click() {
    // A field that holds no number (a lone comma) is as good as empty.
    float valori[NUM_CAMPI] = {};
    for (int k = 0; k < NUM_CAMPI; ++k) {
        CampoNumerico* c = ui.Txt[static_cast<size_t>(k)];
        const auto v = c->Valore();
        if (!v) {
            Piattaforma::MsgBox(Qs(kCampi[k].manca), mb::Exclamation, Qs("Errore Spessore Isolanti"));
            c->SetGiallo(true);
            return;
        }
        valori[k] = *v;
    }
    for (int k = 0; k < NUM_CAMPI; ++k) d_.*kCampi[k].valore = valori[k];
    accept();
}

void Frm_Isolanti::Cmd_Esci_Click() { reject(); }
