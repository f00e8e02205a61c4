// The window's load: default libraries, default design, lists, pages and the
// first calculation; and the two options of the design mode.
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

#include "engine/ModRoutine.h"
#include "files/LibLam.h"
#include "files/LibRame.h"
#include "platform/core/Numeri.h"
#include "platform/core/Percorsi.h"
#include "platform/ui/Ui.h"
#include "windows/alim/Frm_Alim.h"

namespace {

// Fills a list with the texts of first, first + passo, ... (n items).
void Riempi(QComboBox* c, int n, double primo, double passo, const char* maschera, int scelto) {
    c->clear();
    for (int k = 0; k < n; ++k) c->addItem(Qs(num::Format(primo + passo * k, maschera)));
    c->setCurrentIndex(scelto);
}

}  // namespace

QString Frm_Alim::CartellaApplicazione() const {
    return cartella_.isEmpty() ? QCoreApplication::applicationDirPath() : cartella_;
}

std::string Frm_Alim::FileLibreriaDefault(const char* nome) const {
    // The folder ships as LIBRERIA beside the program; take it in whatever
    // letter case it has on disk.
    return percorsi::TrovaPercorso(U8(CartellaApplicazione()), std::string("LIBRERIA/") + nome);
}

void Frm_Alim::Form_Load() {
    ModuleDIC& d = d_;
    IMessaggi& msg = Piattaforma::Messaggi();

    Dimensiona(this, 12300, 9500);
    ImpostaTestoStato(this, Qs("Inserire i Parametri Desiderati, per ottenere il Calcolo del Trasformatore"));
    d.TipoCalcolo = 1;
    // A new design belongs to no file: a later save asks for a name.
    d.FileNome.clear();
    d.FileTitolo.clear();

    // Default lamination library; its first lamination, its shape and list.
    d.FileLibreria = FileLibreriaDefault("LamMantelloStandard.lam");
    ApriLibreriaLamierini(d, msg);
    d.LamScelto = 0;
    IndividuaTipoLamierino(d, msg);
    VerificaParametriLamierino(d, msg, &listaCoefK_);

    // Default wire library, read into column 0 and copied to every winding.
    d.FileLibreria = FileLibreriaDefault("LibRame1.wir");
    d.NumAvvScelto = 0;
    LeggiLibreriaRame(d, msg);
    CopiaLibreriaRame(d);

    for (int r = 0; r <= 1; ++r) {
        d.RochC[r] = d.RochSp[r] = d.RochM[r] = 0;
        d.RochH[r] = d.RochI[r] = d.RochL[r] = 0;
        d.RochGolaH[r] = d.RochGolaI[r] = d.RochGolaL[r] = 0;
        d.RochTipo[r].clear();
    }
    d.RochIngKi = 10;
    d.RochIsoAvvH = d.RochIsoAvvI = d.RochIsoAvvL = 0.3f;
    d.RochIsoStrH = d.RochIsoStrI = d.RochIsoStrL = 0.2f;

    d.PriUlt = 1;
    d.SecUlt = 1;
    for (int i = 0; i < NUM_AVV; ++i) {
        d.PriVolt[i] = static_cast<float>(220 - i);
        d.SecVolt[i] = static_cast<float>(150 - i);
        d.SecPot[i] = static_cast<float>(300 - i);
        d.SecAmp[i] = num::Sng(static_cast<double>(d.SecPot[i]) / d.SecVolt[i]);
        ui.Txt_PriVolt[i]->ImpostaTestoU8(num::SngToText(d.PriVolt[i]));
        ui.Txt_SecVolt[i]->ImpostaTestoU8(num::SngToText(d.SecVolt[i]));
        ui.Txt_SecPot[i]->ImpostaTestoU8(num::SngToText(d.SecPot[i]));
        ui.Txt_SecAmp[i]->ImpostaTestoU8(num::SngToText(d.SecAmp[i]));
    }
    d.LamCdP = 1.5f;
    ui.Txt_LamCdP->ImpostaTestoU8(num::SngToText(d.LamCdP));

    Riempi(ui.Cmb_Induzione, 30, 0.1, 0.1, "0.0", 9);
    Riempi(ui.Cmb_Frequenza, 2, 50, 10, "0", 0);
    Riempi(ui.Cmb_Densita, 18, 0.5, 0.5, "0.0", 4);
    Riempi(ui.Cmb_PriNumAvv, NUM_AVV, 1, 1, "0", 0);
    Riempi(ui.Cmb_SecNumAvv, NUM_AVV, 1, 1, "0", 0);

    d.ConoscoPotenza = VERO;
    d.RochScelto = 0;
    d.RochDue = 0;
    d.RochGole1 = 0;
    d.RochGole2 = 0;
    for (int i = 0; i < NUM_AVV; ++i) {
        d.PriRoch1[i] = d.SecRoch1[i] = VERO;
        d.PriRoch2[i] = d.SecRoch2[i] = FALSO;
        d.PriGolaH[i] = d.SecGolaH[i] = VERO;
        d.PriGolaI[i] = d.SecGolaI[i] = FALSO;
        d.PriGolaL[i] = d.SecGolaL[i] = FALSO;
    }

    // The page frames already lie on their strips' client areas.
    TabStrip1_Click();
    TabStrip2_Click();
    TabStrip3_Click();

    for (int i = 0; i < NUM_AVV; ++i) {
        d.PriAvvIso[i] = VERO;
        d.PriAvvSer[i] = FALSO;
        d.PriAvvAda[i] = FALSO;
        d.PriAvvSerCon[i] = 1;
        d.SecAvvIso[i] = VERO;
        d.SecAvvSer[i] = FALSO;
        d.SecAvvAda[i] = FALSO;
        d.SecAvvCar[i] = FALSO;
        d.SecAvvSerCon[i] = 1;
    }

    // The option on screen follows the power-given mode set above, also when
    // a new project resets the design after the user chose the lamination.
    ui.Opt_Pot->setChecked(true);
    Opt_Pot_Click();

    ContolloFrameAlim();
    PulsantiAlim();
    PulsantiRocchetto();
    CalcolaTrasfo();
}

void Frm_Alim::Opt_Lam_Click() {
    ui.Cmd_Lamierino->setEnabled(true);
    ui.Label15->setEnabled(true);
    ui.Lbl_CoefK->setEnabled(true);
    ui.Label66->setEnabled(true);
    ui.Label2->setEnabled(false);
    ui.Cmb_CoefK->setEnabled(false);
    ui.Label14->setEnabled(false);
    d_.ConoscoPotenza = FALSO;
}

void Frm_Alim::Opt_Pot_Click() {
    ui.Cmd_Lamierino->setEnabled(false);
    ui.Label15->setEnabled(false);
    ui.Lbl_CoefK->setEnabled(false);
    ui.Label66->setEnabled(false);
    ui.Label2->setEnabled(true);
    ui.Cmb_CoefK->setEnabled(true);
    ui.Label14->setEnabled(true);
    d_.ConoscoPotenza = VERO;
}
