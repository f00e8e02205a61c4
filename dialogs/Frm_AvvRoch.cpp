#include "dialogs/Frm_AvvRoch.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "platform/ui/Ui.h"

Frm_AvvRoch::Frm_AvvRoch(ModuleDIC& d, bool primario, QWidget* parent)
    : DialogoAvvolgimento(d, primario, "Frm_", "Roch", 3930, 3270, parent) {
    Costruisci();
    Form_Load();
}

void Frm_AvvRoch::Costruisci() {
    ui.Frm_Roch1 = RiquadroLato("Roch1", Qs("Scelta Rocchetto"), 60, 900);
    ui.Opt_Roch1 = OpzioneLato(ui.Frm_Roch1, "Roch1", Qs("Avvolgimento nel Rocchetto 1"), {}, 0);
    ui.Opt_Roch2 = OpzioneLato(ui.Frm_Roch1, "Roch2", Qs("Avvolgimento nel Rocchetto 2"), {}, 1);
    ui.Frm_Roch2 = RiquadroLato("Roch2", Qs("Scelta Gola"), 1020, 1200);
    ui.Opt_RochGolaH = OpzioneLato(ui.Frm_Roch2, "RochGolaH", Qs("Avvolgimento nella Gola H"), {}, 0);
    ui.Opt_RochGolaI = OpzioneLato(ui.Frm_Roch2, "RochGolaI", Qs("Avvolgimento nella Gola I"), {}, 1);
    ui.Opt_RochGolaL = OpzioneLato(ui.Frm_Roch2, "RochGolaL", Qs("Avvolgimento nella Gola L"), {}, 2);
    ui.Cmd_Ok = PulsanteOk(2400);

    connect(ui.Opt_Roch1, &QRadioButton::clicked, this, [this] { Opt_Roch1_Click(); });
    connect(ui.Opt_Roch2, &QRadioButton::clicked, this, [this] { Opt_Roch2_Click(); });
    connect(ui.Cmd_Ok, &QPushButton::clicked, this, [this] { Cmd_Ok_Click(); });
}

void Frm_AvvRoch::Form_Load() {
    const auto n = static_cast<size_t>(avv_);
    // Checking an option from code runs no click: the bobbin's is run here.
    if (Vero(lato_.Roch1[n])) {
        ui.Opt_Roch1->setChecked(true);
        Opt_Roch1_Click();
    }
    if (Vero(lato_.Roch2[n])) {
        ui.Opt_Roch2->setChecked(true);
        Opt_Roch2_Click();
    }
    if (Vero(lato_.GolaH[n])) ui.Opt_RochGolaH->setChecked(true);
    if (Vero(lato_.GolaI[n])) ui.Opt_RochGolaI->setChecked(true);
    if (Vero(lato_.GolaL[n])) ui.Opt_RochGolaL->setChecked(true);
    if (d_.RochDue == 0) {
        ui.Opt_Roch1->setEnabled(true);
        ui.Opt_Roch2->setEnabled(false);
    } else if (d_.RochDue == 1) {
        ui.Opt_Roch1->setEnabled(true);
        ui.Opt_Roch2->setEnabled(true);
    }
}

void Frm_AvvRoch::GoleRocchetto(int16_t gole) {
    if (gole != 0 && gole != 1) return;
    ui.Opt_RochGolaH->setEnabled(gole == 0);
    ui.Opt_RochGolaI->setEnabled(gole == 1);
    ui.Opt_RochGolaL->setEnabled(gole == 1);
}

void Frm_AvvRoch::Cmd_Ok_Click() {
    QRadioButton* const opzioni[] = {ui.Opt_Roch1, ui.Opt_Roch2, ui.Opt_RochGolaH, ui.Opt_RochGolaI,
                                     ui.Opt_RochGolaL};
    // A place that cannot be chosen is kept until an option that can replaces it.
    for (QRadioButton* o : opzioni)
        if (o->isChecked() && !o->isEnabled()) return;
    const auto n = static_cast<size_t>(avv_);
    if (ui.Opt_Roch1->isChecked() || ui.Opt_Roch2->isChecked()) {
        lato_.Roch1[n] = Flag(ui.Opt_Roch1->isChecked());
        lato_.Roch2[n] = Flag(ui.Opt_Roch2->isChecked());
    }
    if (ui.Opt_RochGolaH->isChecked() || ui.Opt_RochGolaI->isChecked() || ui.Opt_RochGolaL->isChecked()) {
        lato_.GolaH[n] = Flag(ui.Opt_RochGolaH->isChecked());
        lato_.GolaI[n] = Flag(ui.Opt_RochGolaI->isChecked());
        lato_.GolaL[n] = Flag(ui.Opt_RochGolaL->isChecked());
    }
    accept();
}
