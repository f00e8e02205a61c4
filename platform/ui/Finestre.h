// The windows one window opens from another (the start window's design
// windows and library editors, the about window), behind a small interface:
// the application installs the real ones, a test records what was asked for.
#pragma once

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
    // Creates the window anew and shows it modally; returns when it is
    // closed. A window not available in this build does nothing.
    virtual void Mostra(Finestra f) = 0;
};

namespace Piattaforma {
// The windows every window opens; until the application installs its own,
// none opens.
IFinestre& Finestre();
// Replaces them (the application at start, tests); nullptr restores the
// default. Not owned.
void ImpostaFinestre(IFinestre* f);
}  // namespace Piattaforma
