#include "dialogs/Frm_AvvColl.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "engine/InputAlim.h"
#include "platform/ui/Ui.h"

Frm_AvvColl::Frm_AvvColl(ModuleDIC& d, bool primario, QWidget* parent)
    : DialogoAvvolgimento(d, primario, "Frm_", "AvvColl", 4530, 3015, parent) {
    Costruisci();
    Form_Load();
}

void Frm_AvvColl::Costruisci() {
    const bool pri = lato_.Primario;
    CostruisciCollegamento(ui, Qs("Avvolgimento in Serie all' Avv."));
    ui.Cmb_AvvSer = Lista(ui.Frm_Coll2, Nome("Cmb_", "AvvSer"), 2950, 900, 900, 315);

    // As designed: a primary in series is always a voltage tap (its only
    // option); a secondary starts isolated, its tap options off.
    ui.Opt_AvvAda->setChecked(true);
    if (pri) {
        ui.Opt_AvvSer->setChecked(true);
    } else {
        ui.Opt_AvvIso->setChecked(true);
        Abilita(false);
    }

    connect(ui.Opt_AvvIso, &QRadioButton::clicked, this, [this] { Opt_AvvIso_Click(); });
    connect(ui.Opt_AvvSer, &QRadioButton::clicked, this, [this] { Opt_AvvSer_Click(); });
    connect(ui.Cmd_Ok, &QPushButton::clicked, this, [this] { Cmd_Ok_Click(); });
}

void Frm_AvvColl::Form_Load() {
    for (int p = 1; p <= NUM_PARTNER; ++p) ui.Cmb_AvvSer->addItem(QString::number(p));
    ui.Cmb_AvvSer->setCurrentIndex(1);
    ui.Frm_Coll1->setTitle(Qs("Scelta Collegamento Avv. ") + QString::number(avv_ + 1));

    const auto k = static_cast<size_t>(avv_);
    if (Vero(lato_.AvvIso[k])) {
        ui.Opt_AvvIso->setChecked(true);
        ui.Cmb_AvvSer->setCurrentIndex(0);
        Abilita(false);
    }
    auto serie = [&](QRadioButton* presa) {
        ui.Opt_AvvSer->setChecked(true);
        presa->setChecked(true);
        MostraPartner(lato_.AvvSerCon[k]);
        Abilita(true);
    };
    if (Vero(lato_.AvvAda[k]) && Vero(lato_.AvvSer[k])) serie(ui.Opt_AvvAda);
    if (lato_.AvvCar && Vero((*lato_.AvvCar)[k]) && Vero(lato_.AvvSer[k])) serie(ui.Opt_AvvCar);
}

void Frm_AvvColl::Abilita(bool si) { AbilitaSerie(ui, ui.Cmb_AvvSer, si); }

void Frm_AvvColl::MostraPartner(int p) {
    // A partner the list does not hold (a damaged project) leaves the list as it is.
    if (p >= 1 && p <= NUM_PARTNER) ui.Cmb_AvvSer->setCurrentIndex(p - 1);
}

bool Frm_AvvColl::PartnerAccettato(int p) const {
    // A later winding, in use, that no other winding of the side is in series with.
    if (p <= avv_ + 1 || p > lato_.Ultimo(inputalim::NUM_AVV) + 1) return false;
    for (int j = 0; j < inputalim::NUM_AVV; ++j)
        if (j != avv_ && lato_.AvvSerCon[static_cast<size_t>(j)] == p) return false;
    return true;
}

void Frm_AvvColl::Cmd_Ok_Click() {
    const auto k = static_cast<size_t>(avv_);
    if (!ui.Opt_AvvSer->isChecked()) {
        lato_.AvvIso[k] = Flag(ui.Opt_AvvIso->isChecked());
        lato_.AvvSer[k] = FALSO;
        lato_.AvvAda[k] = FALSO;
        if (lato_.AvvCar) (*lato_.AvvCar)[k] = FALSO;
        lato_.AvvSerCon[k] = 1;
        accept();
        return;
    }
    const int p = ui.Cmb_AvvSer->currentText().toInt();
    // A refused partner writes nothing: closing the dialog then leaves the
    // winding as it was.
    if (!PartnerAccettato(p)) {
        SfondoGiallo(ui.Cmb_AvvSer, true);
        MostraPartner(p);
        return;
    }
    SfondoGiallo(ui.Cmb_AvvSer, false);
    lato_.AvvIso[k] = Flag(ui.Opt_AvvIso->isChecked());
    lato_.AvvSer[k] = VERO;
    lato_.AvvAda[k] = Flag(ui.Opt_AvvAda->isChecked());
    if (lato_.AvvCar) (*lato_.AvvCar)[k] = Flag(ui.Opt_AvvCar->isChecked());
    lato_.AvvSerCon[k] = static_cast<int16_t>(p);
    accept();
}
