// Test doubles for the window interfaces the engine talks to.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "engine/Interfacce.h"

// Records every message box and answers from a queue (mb::Ok when empty).
struct FakeMessaggi : IMessaggi {
    struct Box {
        std::string testo;
        int stile;
        std::string titolo;
    };
    std::vector<Box> boxes;
    std::deque<int> risposte;

    int MsgBox(const std::string& testo, int stile, const std::string& titolo) override {
        boxes.push_back({testo, stile, titolo});
        if (risposte.empty()) return mb::Ok;
        int r = risposte.front();
        risposte.pop_front();
        return r;
    }
};

// A drop-down list of coefficients held as texts.
struct FakeCoefKLista : ICoefKLista {
    std::vector<std::string> voci;
    int selezionato = -1;

    void Svuota() override {
        voci.clear();
        selezionato = -1;
    }
    void Aggiungi(const std::string& voce) override { voci.push_back(voce); }
    void Seleziona(int indice) override { selezionato = indice; }
    int Conta() const override { return static_cast<int>(voci.size()); }
    std::string Voce(int indice) const override { return voci.at(static_cast<size_t>(indice)); }
};
