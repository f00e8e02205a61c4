// Draws the pictures of the output transformer's secondary configurations
// with the program's own drawing code and writes them beside the default
// libraries as GIF files, "avv sec n.gif" and "avv sec a.gif" .. "avv sec h.gif":
//   gendisegni <LIBRERIA folder>
// Qt reads GIF but cannot write it: each drawing is reduced to an indexed
// palette by Qt and encoded with giflib.
#include <cstdio>
#include <vector>

#include <gif_lib.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include "disegni/ConfigurazioneSecondari.h"

namespace {

bool ScriviGif(QImage img, const QString& file) {
    const QList<QRgb> tavola = img.colorTable();
    // A GIF colour map holds a power of two of colours.
    const int bit = GifBitSize(static_cast<int>(tavola.size()));
    std::vector<GifColorType> colori(size_t{1} << bit, GifColorType{0, 0, 0});
    for (qsizetype i = 0; i < tavola.size(); ++i)
        colori[static_cast<size_t>(i)] = {static_cast<GifByteType>(qRed(tavola[i])),
                                          static_cast<GifByteType>(qGreen(tavola[i])),
                                          static_cast<GifByteType>(qBlue(tavola[i]))};
    ColorMapObject* mappa = GifMakeMapObject(1 << bit, colori.data());
    int errore = 0;
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(file).constData(), false, &errore);
    bool ok = gif != nullptr && mappa != nullptr;
    if (gif) {
        EGifSetGifVersion(gif, true);
        ok = ok && EGifPutScreenDesc(gif, img.width(), img.height(), bit, 0, mappa) == GIF_OK &&
             EGifPutImageDesc(gif, 0, 0, img.width(), img.height(), false, nullptr) == GIF_OK;
        for (int y = 0; ok && y < img.height(); ++y)
            ok = EGifPutLine(gif, img.scanLine(y), img.width()) == GIF_OK;
        // A failed put leaves its code in the file's handle, not in `errore`.
        if (!ok) errore = gif->Error;
        int chiusura = 0;
        if (EGifCloseFile(gif, &chiusura) != GIF_OK && ok) ok = false, errore = chiusura;
    }
    GifFreeMapObject(mappa);
    // giflib creates the file readable by its owner only.
    const bool scritto = ok;
    ok = ok && QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                               QFile::ReadOther);
    if (!ok) {
        const char* perche = scritto ? "cannot set its permissions" : GifErrorString(errore);
        std::fprintf(stderr, "gendisegni: %s: %s\n", qPrintable(file), perche ? perche : "cannot write it");
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: gendisegni <LIBRERIA folder>\n");
        return 2;
    }
    const QDir cartella(QString::fromLocal8Bit(argv[1]));
    for (char lettera : {'N', 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'}) {
        // Threshold dithering: each pixel takes the nearest colour of the palette.
        const QImage img = disegni::ConfigurazioneSecondari(lettera).convertToFormat(
            QImage::Format_Indexed8, Qt::ThresholdDither);
        const QString nome = QStringLiteral("avv sec %1.gif").arg(QChar(lettera).toLower());
        if (!ScriviGif(img, cartella.filePath(nome))) return 1;
    }
    return 0;
}
