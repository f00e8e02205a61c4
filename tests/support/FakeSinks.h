// Test doubles for the window interfaces the engine talks to, and a table check
// of named figures.
#pragma once

#include <deque>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/Interfacce.h"
#include "engine/ModuleDIC.h"

// Records every message box and answers from a queue (mb::Ok when empty).
struct FakeMessaggi : IMessaggi {
    struct Box {
        std::string testo;
        int stile;
        std::string titolo;
        bool operator==(const Box&) const = default;
        friend std::ostream& operator<<(std::ostream& os, const Box& b) {
            return os << '"' << b.testo << "\" (" << b.stile << ", \"" << b.titolo << "\")";
        }
    };
    std::vector<Box> boxes;
    std::deque<int> risposte;

    int MsgBox(const std::string& testo, int stile, const std::string& titolo) override {
        boxes.push_back({testo, stile, titolo});
        const int r = risposte.empty() ? mb::Ok : risposte.front();
        if (!risposte.empty()) risposte.pop_front();
        return r;
    }
    // The texts shown, in order: one comparison checks count, order and wording.
    std::vector<std::string> Testi() const {
        std::vector<std::string> t;
        for (const Box& b : boxes) t.push_back(b.testo);
        return t;
    }
};

// The boxes expected, in order: EXPECT_EQ(msg.boxes, (Scatole{{testo, stile, titolo}})).
using Scatole = std::vector<FakeMessaggi::Box>;

// A fresh design store and a message sink for each test of a suite declared
// as `using Suite = Banco;` and written with TEST_F.
struct Banco : ::testing::Test {
    std::unique_ptr<ModuleDIC> d = std::make_unique<ModuleDIC>();
    FakeMessaggi msg;
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

// Named figures checked as one table: V(d->PriLung[0], 11.2f) keeps the name for
// the failure message. Esatti compares exactly, Circa within four float ulps.
struct Valore { const char* nome; float letto, atteso; };
#define V(x, v) Valore{#x, static_cast<float>(x), static_cast<float>(v)}
inline void Esatti(std::initializer_list<Valore> l) {
    for (const Valore& v : l) EXPECT_EQ(v.letto, v.atteso) << v.nome;
}
inline void Circa(std::initializer_list<Valore> l) {
    for (const Valore& v : l) EXPECT_FLOAT_EQ(v.letto, v.atteso) << v.nome;
}
