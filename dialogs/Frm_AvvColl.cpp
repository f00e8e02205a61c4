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
    ui.Frm_Coll1 = RiquadroLato("Coll1", {}, 60, 900);
    ui.Opt_AvvIso = OpzioneLato(ui.Frm_Coll1, "AvvIso", Qs("Avvolgimenti Isolati fra Loro"),
                                Qs("Avvolgimento Isolato dagli Altri Avvolgimenti"), 0);
    ui.Opt_AvvSer = OpzioneLato(ui.Frm_Coll1, "AvvSer", Qs("Avvolgimenti Collegati in Serie"),
                                Qs("Avvolgimento in Serie con un altro Avvolgimento"), 1);
    ui.Frm_Coll2 = RiquadroLato("Coll2", Qs("Scelta Tipo Presa Avvolgimento Serie"), 1020, 1380);
    ui.Opt_AvvAda = OpzioneLato(ui.Frm_Coll2, "AvvAda", Qs("Presa di Regolazione Tensione"),
                                Qs(pri ? "Avvolgimento Adattamento Tensione di Ingresso"
                                       : "Avvolgimento Adattamento Tensione di Uscita"),
                                0);
    if (!pri)
        ui.Opt_AvvCar = OpzioneLato(ui.Frm_Coll2, "AvvCar", Qs("Presa di Erogazione Corrente"),
                                    Qs("Avvolgimento con Carico"), 1);
    ui.Label1 = Didascalia(ui.Frm_Coll2, "Label1", Qs("Avvolgimento in Serie all' Avv."), 150, 930, 2700, 285);
    ui.Cmb_AvvSer = Lista(ui.Frm_Coll2, Nome("Cmb_", "AvvSer"), 2950, 900, 900, 315);
    ui.Cmd_Ok = PulsanteOk(2520);

    // As designed: a primary in series is always a voltage tap (its only
    // option); a secondary starts isolated, its tap options off.
    ui.Opt_AvvAda->setChecked(true);
    if (pri) {
        ui.Opt_AvvSer->setChecked(true);
    } else {
        ui.Opt_AvvIso->setChecked(true);
        AbilitaSerie(false);
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
        AbilitaSerie(false);
    }
    auto serie = [&](QRadioButton* presa) {
        ui.Opt_AvvSer->setChecked(true);
        presa->setChecked(true);
        MostraPartner(lato_.AvvSerCon[k]);
        AbilitaSerie(true);
    };
    if (Vero(lato_.AvvAda[k]) && Vero(lato_.AvvSer[k])) serie(ui.Opt_AvvAda);
    if (lato_.AvvCar && Vero((*lato_.AvvCar)[k]) && Vero(lato_.AvvSer[k])) serie(ui.Opt_AvvCar);
}

void Frm_AvvColl::AbilitaSerie(bool si) {
    for (QWidget* w : {static_cast<QWidget*>(ui.Frm_Coll2), static_cast<QWidget*>(ui.Opt_AvvAda),
                       static_cast<QWidget*>(ui.Opt_AvvCar), static_cast<QWidget*>(ui.Label1),
                       static_cast<QWidget*>(ui.Cmb_AvvSer)})
        if (w) w->setEnabled(si);
}

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
