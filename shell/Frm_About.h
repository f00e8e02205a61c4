// The about window: title, version, notes on this version, the kinds of
// transformer calculated, and a credits text scrolling upwards without end.
#pragma once

#include <QDialog>
#include <QStringList>

class QFrame;
class QLabel;
class QTimer;

// The credits strip: lines of text printed centred, one below the other.
class StrisciaTitoli : public QWidget {
    Q_OBJECT
public:
    explicit StrisciaTitoli(QWidget* parent);
    void Svuota();
    void StampaCentrato(const QString& riga);
    const QStringList& Righe() const { return righe_; }
    // Height of one printed line (the letter "A" in the strip's font).
    int AltezzaRiga() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QStringList righe_;
};

class Frm_About : public QDialog {
    Q_OBJECT
public:
    explicit Frm_About(QWidget* parent = nullptr);

    // Builds the credits strip below the viewport and (re)starts the scrolling.
    void ScrollText();
    // Top of the strip inside the viewport's inner area, in pixels.
    int CimaStriscia() const { return cima_; }
    int AltezzaStriscia() const;
    // Inner height of the viewport, in pixels.
    int AltezzaVisibile() const;

    // The 30 lines of the credits strip.
    static QStringList TitoliDiCoda();

public slots:
    void Timer1_Timer();
    void cmdOK_Click();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void Form_Load();
    void PosizionaStriscia();

    QFrame* picture1_ = nullptr;
    QWidget* interno_ = nullptr;  // inner area of picture1_, clips the strip
    StrisciaTitoli* picture3_ = nullptr;
    QTimer* timer1_ = nullptr;
    int cima_ = 0;
};
