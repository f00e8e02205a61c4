// The six lamination drawings of a window (Image1 .. Image6, one per kind),
// stacked in one place and shown one at a time by the kind of the table: the
// lamination dialog's and the lamination editor's. The drawings themselves
// are disegni::Lamierino; this holds the labels that show them.
#pragma once

#include <array>

struct ModuleDIC;
class QLabel;
class QWidget;

class ImmaginiLamierino {
public:
    static constexpr int NUM = 6;

    // All six hidden, at x, y with width w and height h (twips).
    ImmaginiLamierino(QWidget* parent, int x, int y, int w, int h);

    // Each kind flag names the kinds it may show, tested one after the other:
    // shell 1 or 2, two legs 4, three legs 3, 5 or 6; a flag set with any other
    // kind hides all six. With no flag set the drawings stay as they are.
    void Mostra(const ModuleDIC& d);

    std::array<QLabel*, NUM + 1> Image{};  // Image1..Image6 (element 0 unused)

private:
    void MostraSolo(int tipo);
};
