// A typed value in each design window, offscreen: the value typed into an
// input field, Tab, and everything the window then does until it is idle (the
// check, the calculation, the labels written and painted). Each window is
// measured with the most windings its count lists offer (one a side for the
// autotransformers) and with one winding a side. Message boxes go to a sink that shows nothing (their count is
// reported), as a warning box would hold the window anyway.
#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "bench/MessaggiMuti.h"
#include "engine/ModuleDIC.h"
#include "platform/ui/MessaggiQt.h"
#include "windows/alim/Frm_Alim.h"
#include "windows/autotrasf/Frm_AutoTrasf.h"
#include "windows/autotrifase/Frm_AutoTrifase.h"
#include "windows/trifase/Frm_Trifase.h"
#include "windows/usci/Frm_Usci.h"

namespace {

void Inattivo() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

// The count list at its last item (`ultimo`) or its first, then left as the user leaves it.
void Conteggio(QComboBox* lista, bool ultimo) { lista->setCurrentIndex(ultimo ? lista->count() - 1 : 0); }

// The field `campo` picks in window W, typed alternately with the value it
// holds after the load and that value 5% higher.
template <class W, class Campo>
void Digita(benchmark::State& state, Campo campo, bool piu) {
    MessaggiMuti msg;
    Piattaforma::ImpostaMessaggi(&msg);
    auto d = std::make_unique<ModuleDIC>();
    {
        W w(*d);
        w.Form_Load();
        w.show();
        w.activateWindow();
        if (!QTest::qWaitForWindowActive(&w, 20000)) {
            state.SkipWithError("the window did not become active");
            Piattaforma::ImpostaMessaggi(nullptr);
            return;
        }
        Conteggio(w.ui.Cmb_PriNumAvv, piu), w.Cmb_PriNumAvv_LostFocus();
        Conteggio(w.ui.Cmb_SecNumAvv, piu), w.Cmb_SecNumAvv_LostFocus();
        QLineEdit* f = campo(w);
        const QString a = f->text();
        QString b = QString::number(QString(a).replace(',', '.').toDouble() * 1.05, 'f', 1).replace('.', ',');
        Inattivo();
        const int prima = msg.mostrati;
        bool alterna = false;
        std::vector<double> tempi;
        for (auto _ : state) {
            f->setFocus();  // the field Tab left checks itself here, untimed
            Inattivo();
            f->selectAll();
            alterna = !alterna;
            const auto t0 = std::chrono::steady_clock::now();
            QTest::keyClicks(f, alterna ? b : a);
            QTest::keyClick(f, Qt::Key_Tab);
            Inattivo();
            const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
            state.SetIterationTime(s);
            tempi.push_back(s);
        }
        std::sort(tempi.begin(), tempi.end());
        if (!tempi.empty()) state.counters["mediana_ms"] = tempi[tempi.size() / 2] * 1000;
        state.counters["avvolgimenti_pri"] = d->PriUlt + 1;
        state.counters["avvolgimenti_sec"] = d->SecUlt + 1;
        state.counters["avvisi_per_valore"] =
            static_cast<double>(msg.mostrati - prima) / static_cast<double>(state.iterations());
    }
    Piattaforma::ImpostaMessaggi(nullptr);
}

// The first secondary's voltage (its power, hence the total, the stack and
// every winding change); the output transformer's anode load impedance.
template <class W>
QLineEdit* SecVolt(W& w) { return w.ui.Txt_SecVolt[0]; }

void BM_Alim(benchmark::State& s, bool piu) { Digita<Frm_Alim>(s, SecVolt<Frm_Alim>, piu); }
void BM_AutoTrasf(benchmark::State& s, bool piu) { Digita<Frm_AutoTrasf>(s, SecVolt<Frm_AutoTrasf>, piu); }
void BM_Trifase(benchmark::State& s, bool piu) { Digita<Frm_Trifase>(s, SecVolt<Frm_Trifase>, piu); }
void BM_AutoTrifase(benchmark::State& s, bool piu) { Digita<Frm_AutoTrifase>(s, SecVolt<Frm_AutoTrifase>, piu); }
void BM_Usci(benchmark::State& s, bool piu) {
    Digita<Frm_Usci>(s, [](Frm_Usci& w) -> QLineEdit* { return w.ui.Txt_PriImp; }, piu);
}

#define FINESTRA(bm)                                                                                   \
    BENCHMARK_CAPTURE(bm, piu_avvolgimenti, true)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0); \
    BENCHMARK_CAPTURE(bm, un_avvolgimento, false)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);
FINESTRA(BM_Alim)
FINESTRA(BM_AutoTrasf)
FINESTRA(BM_Trifase)
FINESTRA(BM_AutoTrifase)
FINESTRA(BM_Usci)

}  // namespace
