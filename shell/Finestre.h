// The windows the start window opens, behind a small interface so that a test
// can record what was asked for instead of opening it.
#pragma once

struct ModuleDIC;

enum class Finestra {
    Alim,         // single-phase power transformer
    AutoTrasf,    // single-phase autotransformer
    Trifase,      // three-phase transformer
    AutoTrifase,  // three-phase autotransformer
    Usci,         // output transformer for valve amplifiers
    CreaLibLam,   // lamination library editor
    CreaLibRame,  // enamelled wire library editor
    About,
};

class IFinestre {
public:
    virtual ~IFinestre() = default;
    // Creates the window anew and shows it modally with no owner; returns when
    // it is closed. A window not available in this build does nothing.
    virtual void Mostra(Finestra f) = 0;
};

// The real windows, all sharing the one design data store.
class FinestreReali : public IFinestre {
public:
    explicit FinestreReali(ModuleDIC& dati) : dati_(dati) {}
    void Mostra(Finestra f) override;

private:
    ModuleDIC& dati_;
};
