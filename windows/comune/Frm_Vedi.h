// A borderless window showing one picture file at its natural size; a click
// on the picture closes it. The file is named by StrTemp, relative to the
// application's folder.
#pragma once

#include <QDialog>
#include <QLabel>

struct ModuleDIC;

// The picture box: a framed label that reports a click (press and release on it).
class RiquadroImmagine : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clic();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool premuto_ = false;
};

class Frm_Vedi : public QDialog {
    Q_OBJECT
public:
    // Loads the picture named by dati.StrTemp; parent: the window it is centred on.
    explicit Frm_Vedi(const ModuleDIC& dati, QWidget* parent = nullptr);

    // Full path of the picture for a StrTemp (application folder, '\' or '/',
    // any letter case of the folders); empty when StrTemp is empty.
    static QString PercorsoImmagine(const std::string& strTemp);

public slots:
    void Picture1_Click();

protected:
    void showEvent(QShowEvent* e) override;
    // Only a click on the picture closes the viewer: Esc does nothing.
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Form_Load(const ModuleDIC& dati);

    RiquadroImmagine* picture1_ = nullptr;
};
