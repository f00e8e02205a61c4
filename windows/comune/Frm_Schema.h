// The winding schematic: one row per winding, a picture beside the core and
// five labels (number, voltage, current, turns, bare wire diameter), drawn
// from the design data as they stand. It computes nothing.
#pragma once

#include <QList>
#include <QMainWindow>
#include <QString>

struct ModuleDIC;
class QLabel;

class Frm_Schema : public QMainWindow {
    Q_OBJECT
public:
    // Reads the design data; writes only the shared scratch fields
    // Indice, Appoggio and NumRec, which the drawing leaves at their last values.
    explicit Frm_Schema(ModuleDIC& dati, QWidget* parent = nullptr);

    // The drawing area (client area below the menu); positions are relative to it.
    QWidget* Area() const { return area_; }

public slots:
    void MnuFileStampa_Click();
    void MnuFileEsci_Click();

private:
    void Form_Load(ModuleDIC& dati);
    QLabel* Figura(int figura, int elemento);

    QWidget* area_ = nullptr;
    QList<QLabel*> immagini_[7];  // [kind 1..6][element]
    QList<QLabel*> etichette_[10];
    int copieUsate_[7] = {};
    QString progetto_;  // the project shown, named in a print's PDF
};
