// The start window: the program-wide version text, the choice of the kind of
// calculation, and the buttons that open the design windows, the library
// editors and the about window. The application ends when it is closed.
#pragma once

#include <QWidget>

#include "platform/ui/Finestre.h"

struct ModuleDIC;
class QLabel;
class QPushButton;
class QRadioButton;

class Frm_Splash : public QWidget {
    Q_OBJECT
public:
    // finestre: the windows to open (nullptr: the program-wide ones). Not owned.
    explicit Frm_Splash(ModuleDIC& dati, IFinestre* finestre = nullptr, QWidget* parent = nullptr);

    // The design window of the selected option.
    Finestra Scelta() const;

signals:
    // The start window was closed ("Esci" or the window manager): the run ends.
    void Scaricata();

public slots:
    void Cmd_Ok_Click();
    void Cmd_CreaLibLami_Click();
    void Cmd_CreaLibRame_Click();
    void Cmd_About_Click();
    void Cmd_Esci_Click();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();
    IFinestre& Finestre() const;

    ModuleDIC& dati_;
    IFinestre* finestre_;
    QLabel* lblVersion_ = nullptr;
    QRadioButton* optAlim_ = nullptr;
    QRadioButton* optAuto_ = nullptr;
    QRadioButton* optTrif_ = nullptr;
    QRadioButton* optAutoTrif_ = nullptr;
    QRadioButton* optUsci_ = nullptr;
    bool scaricata_ = false;
};
