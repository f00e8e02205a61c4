// The coefficient list of a design window (Cmb_CoefK) as the engine sees it.
#pragma once

#include <QComboBox>
#include <QPointer>

#include "engine/Interfacce.h"

class ListaCoefKCombo : public ICoefKLista {
public:
    explicit ListaCoefKCombo(QComboBox* combo = nullptr) : combo_(combo) {}
    void Collega(QComboBox* combo) { combo_ = combo; }

    void Svuota() override {
        if (combo_) combo_->clear();
    }
    void Aggiungi(const std::string& voce) override {
        if (combo_) combo_->addItem(QString::fromStdString(voce));
    }
    void Seleziona(int indice) override {
        if (combo_ && indice >= 0 && indice < combo_->count()) combo_->setCurrentIndex(indice);
    }
    int Conta() const override { return combo_ ? combo_->count() : 0; }
    std::string Voce(int indice) const override {
        if (!combo_ || indice < 0 || indice >= combo_->count()) return {};
        return combo_->itemText(indice).toStdString();
    }

private:
    QPointer<QComboBox> combo_;
};
