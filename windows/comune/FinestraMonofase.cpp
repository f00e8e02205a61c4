#include "windows/comune/FinestraMonofase.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "engine/ModRoutine.h"
#include "files/LimitiCampi.h"
#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"

FinestraMonofase::FinestraMonofase(ModuleDIC& dic, QWidget* parent, ControlliMonofase& c, const Monofase& m)
    : FinestraProgetto(dic, parent), m_(c), tipo_(m) {}

void FinestraMonofase::DescriviAvvolgimenti(Descrizione& k) {
    // A secondary's voltage or power gives its current anew; its current
    // gives its power.
    auto corrente = [this](int i) {
        RicalcolaCorrente(m_.Txt_SecPot[i], m_.Txt_SecVolt[i], m_.Txt_SecAmp[i]);
    };
    auto potenza = [this](int i) {
        RicalcolaPotenza(m_.Txt_SecAmp[i], m_.Txt_SecVolt[i], m_.Txt_SecPot[i]);
    };
    k.pri.campi = {{&m_.Txt_PriVolt, "Txt_PriVolt", "Tensione (V)",
                    "Indicare la Tensione Avvolgimento Primario", 4, campialim::PriVolt, {}}};
    using M = ModuleDIC;
    k.pri.risultati = {{&m_.Lbl_PriPot, "Lbl_PriPot", "Potenza (VA)"},
                       {&m_.Lbl_PriAmp, "Lbl_PriAmp", "Corrente (A)", &M::PriAmp, "##0.###"},
                       {&m_.Lbl_PriSpire, "Lbl_PriSpire", "Spire (n°)", &M::PriSpire, "#####0"}};
    k.sec.campi = {{&m_.Txt_SecVolt, "Txt_SecVolt", "Tens. a Carico (V)",
                    "Indicare la Tensione Avvolgimento Secondario", 4, campialim::SecVolt, corrente},
                   {&m_.Txt_SecAmp, "Txt_SecAmp", "Corrente (A)",
                    "Indicare la Corrente Avvolgimento Secondario", 5, campialim::SecAmp, potenza},
                   {&m_.Txt_SecPot, "Txt_SecPot", "Potenza (VA)",
                    "Indicare la Potenza Avvolgimento Secondario", 4, campialim::SecPot, corrente}};
    k.sec.risultati = {
        {&m_.Lbl_SecVoltVuoto, "Lbl_SecVoltVuoto", "Tens. a Vuoto (V)", &M::SecVoltVuoto, tipo_.mascheraVuoto},
        {&m_.Lbl_SecSpire, "Lbl_SecSpire", "Spire (n°)", &M::SecSpire, "#####0"}};
}

void FinestraMonofase::CostruisciPaginaLamierino(QGroupBox* p1) {
    PaginaLamierinoComune(p1, tipo_.potenzaPassante);
}

DatiAlimTesti FinestraMonofase::DatiTesti() const {
    DatiAlimTesti t;
    TestiListe(t);
    for (int i = 0; i < NumAvv(); ++i) {
        t.Txt_PriVolt[i] = m_.Txt_PriVolt[i]->TestoU8();
        t.Txt_SecVolt[i] = m_.Txt_SecVolt[i]->TestoU8();
        t.Txt_SecAmp[i] = m_.Txt_SecAmp[i]->TestoU8();
        t.Txt_SecPot[i] = m_.Txt_SecPot[i]->TestoU8();
    }
    return t;
}

void FinestraMonofase::ScriviTesti(const DatiAlimTesti& t) {
    auto scrivi = [](CampoNumerico* c, const std::string& s) {
        if (c->TestoU8() != s) c->ImpostaTestoU8(s);
    };
    for (int i = 0; i < NumAvv(); ++i) {
        scrivi(m_.Txt_PriVolt[i], t.Txt_PriVolt[i]);
        scrivi(m_.Txt_SecVolt[i], t.Txt_SecVolt[i]);
        scrivi(m_.Txt_SecAmp[i], t.Txt_SecAmp[i]);
        scrivi(m_.Txt_SecPot[i], t.Txt_SecPot[i]);
    }
}

void FinestraMonofase::ScriviCampiAvv() {
    const ModuleDIC& d = d_;
    for (int i = 0; i < NumAvv(); ++i) {
        m_.Txt_PriVolt[i]->ImpostaTestoU8(num::SngToText(d.PriVolt[i]));
        m_.Txt_SecVolt[i]->ImpostaTestoU8(num::SngToText(d.SecVolt[i]));
        m_.Txt_SecPot[i]->ImpostaTestoU8(num::SngToText(d.SecPot[i]));
        m_.Txt_SecAmp[i]->ImpostaTestoU8(num::SngToText(d.SecAmp[i]));
    }
}

void FinestraMonofase::CaricaPredefinito(void (*predefinito)(ModuleDIC&), int maxConteggio) {
    IniziaCaricamento([&] {
        predefinito(d_);
        CaricaLibrerie();

        ScriviCampiAvv();
        m_.Txt_LamCdP->ImpostaTestoU8(num::SngToText(d_.LamCdP));

        RiempiListePredefinite(maxConteggio);
    });

    ContolloFrame();
    PulsantiCollegamento();
    PulsantiRocchetto();
    CalcolaTrasfo();
}

void FinestraMonofase::RiempiMonofase(bool verificaPosizione) {
    // Every winding, in use or not, in full precision.
    ScriviCampiAvv();
    RiempiDatiGenerali();

    ContolloFrame();
    PulsantiCollegamento();
    if (verificaPosizione) VerificaPosizioneAvvolgimenti(d_);
    PulsantiRocchetto();
    Refresh();
}

void FinestraMonofase::RefreshMonofase(float giudicata) {
    const ModuleDIC& d = d_;
    RefreshComune();
    // Each primary in use carries the whole power; the hidden ones keep what
    // they last showed.
    const QString potenza = Qs(num::Format(d.PriPotTot, "0.0"));
    for (int i = 0; i <= inputalim::UltimoIndice(d.PriUlt, NumAvv()); ++i) m_.Lbl_PriPot[i]->setText(potenza);
    AvvisiLimiti(giudicata, tipo_.troppoAlta, tipo_.troppoBassa);
}

void FinestraMonofase::PresaSec(int i) {
    if (i >= 0 && i < NumAvv()) FinestraProgetto::PresaSec(i, m_.Txt_SecAmp[i], m_.Txt_SecPot[i]);
}
