#pragma once

// A process-wide service that tests may replace: the real implementation is
// made on first use, and a replacement set with Imposta answers instead until
// it is cleared with nullptr.
template <class Interfaccia, class Reale>
class Sostituibile {
public:
    static Interfaccia& Attuale() {
        static Reale reale;
        return sostituto ? *sostituto : reale;
    }
    static void Imposta(Interfaccia* s) { sostituto = s; }

private:
    static inline Interfaccia* sostituto = nullptr;
};
