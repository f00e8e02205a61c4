#include "windows/autotrifase/Frm_AutoTrifase.h"

#include <cmath>

#include <QPushButton>

#include "engine/Mod_AutoTrifase.h"
#include "platform/ui/MessaggiQt.h"

Frm_Trifase::Genere Frm_AutoTrifase::Autotrasformatore() {
    return {.tipo = tipo::AutoTrifase,
            .nome = "Frm_AutoTrifase",
            .titolo = "Calcolo di AutoTrasformatore Trifase",
            .salvaNome = "Salva con No&me",
            .stampa = "Stam&pa",
            .prese = true,
            .priVoltLin = campitrif::AutoPriVoltLin,
            .secPot = campitrif::AutoSecPot,
            .letteraSec = "y",
            .mascheraAmpCarico = "0.0##",
            .mascheraPriAmp = "##0.0##",
            .mascheraPriAmpLin = "##0.0##",
            .mascheraVuoto = "####0.0",
            .mascheraPotDaAmp = "##0.0##",
            .vista = {2.0 * std::sqrt(3.0), "##0.0##"}};
}

Frm_AutoTrifase::Frm_AutoTrifase(ModuleDIC& dic, QWidget* parent) : Frm_Trifase(dic, parent, Autotrasformatore()) {}

void Frm_AutoTrifase::EseguiCalcolo() { CalcoloAutoTrif(d_, DatiTesti(), Piattaforma::Messaggi()); }

void Frm_AutoTrifase::PulsantiCollegamento() {
    for (int i = 0; i <= inputalim::UltimoIndice(d_.SecUlt, NUM_AVV); ++i) ui.Cmd_SecTrif[i]->setEnabled(false);
    // The primary's caption names its secondary's partner.
    PulsantiPrese(d_.SecAvvSerCon, ui.Txt_SecAmp, ui.Txt_SecPot);
}

const TestiProgetto& Frm_AutoTrifase::Testi() const {
    static const TestiProgetto testi{
        "Apri Progetto AutoTrasformatore Trifase",
        "Salva Progetto AutoTrasformatore Trifase",
        "Progetto AutoTrasformatore Trifase(*.att)|*.att",
        ".att",
        "Calcolo di AutoTrasformatore Trifase",
        "AutoTrasformatore Trifase",
        "Nuovo Progetto di Calcolo Trasformatore",
        "Chiusura Progetto di Calcolo Trasformatore",
        "       del Trasformatore Esistente ?",
    };
    return testi;
}
