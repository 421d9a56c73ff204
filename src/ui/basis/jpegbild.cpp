#include "ui/basis/jpegbild.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>

#include <jpeglib.h>
// jerror.h needs jpeglib.h first.
#include <jerror.h>

namespace {

// Everything libjpeg writes to lives in one heap block. The function that calls
// setjmp only keeps a pointer to it that never changes afterwards, so no local
// variable is left indeterminate by a longjmp.
struct Dekoder {
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr fehler;
    std::jmp_buf sprung;
    char text[JMSG_LENGTH_MAX];
    QImage bild;
};

Dekoder* dekoderVon(j_common_ptr cinfo) {
    // cinfo is the first member, so the struct starts at the same address.
    return reinterpret_cast<Dekoder*>(cinfo);
}

// libjpeg's default handler calls exit(); we jump back instead so a broken
// picture only costs us the picture, not the game.
[[noreturn]] void fehlerAusgang(j_common_ptr cinfo) {
    Dekoder* d = dekoderVon(cinfo);
    (*cinfo->err->format_message)(cinfo, d->text);
    std::longjmp(d->sprung, 1);
}

// A cut-off file would otherwise come back padded with grey; we would rather
// report it than show half a taxi. Other warnings are counted and ignored.
void meldung(j_common_ptr cinfo, int stufe) {
    if (stufe < 0) {
        if (cinfo->err->msg_code == JWRN_JPEG_EOF) fehlerAusgang(cinfo);
        cinfo->err->num_warnings++;
    }
}

// Nothing goes to stderr; the caller shows the message where it belongs.
void keineAusgabe(j_common_ptr) {}

QImage dekodiere(Dekoder* const d, std::FILE* const datei, QString* fehler) {
    d->cinfo.err = jpeg_std_error(&d->fehler);
    d->fehler.error_exit = fehlerAusgang;
    d->fehler.emit_message = meldung;
    d->fehler.output_message = keineAusgabe;
    d->text[0] = '\0';

    if (setjmp(d->sprung) != 0) {
        jpeg_destroy_decompress(&d->cinfo);
        if (fehler != nullptr) *fehler = QString::fromLocal8Bit(d->text);
        return {};
    }

    jpeg_create_decompress(&d->cinfo);
    jpeg_stdio_src(&d->cinfo, datei);
    jpeg_read_header(&d->cinfo, TRUE);
    // Greyscale and YCbCr alike come out as three bytes per pixel.
    d->cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d->cinfo);

    d->bild = QImage(static_cast<int>(d->cinfo.output_width),
                     static_cast<int>(d->cinfo.output_height), QImage::Format_RGB888);
    if (d->bild.isNull()) {
        jpeg_destroy_decompress(&d->cinfo);
        if (fehler != nullptr)
            *fehler = QCoreApplication::translate("Bilder", "Bild ist zu groß für den Speicher");
        return {};
    }

    // QImage rows are padded to four bytes while libjpeg's are packed, so each
    // row is decoded into its own scanline instead of one flat buffer.
    while (d->cinfo.output_scanline < d->cinfo.output_height) {
        JSAMPROW zeile = d->bild.scanLine(static_cast<int>(d->cinfo.output_scanline));
        jpeg_read_scanlines(&d->cinfo, &zeile, 1);
    }

    jpeg_finish_decompress(&d->cinfo);
    jpeg_destroy_decompress(&d->cinfo);
    if (fehler != nullptr) fehler->clear();
    return std::move(d->bild);
}

struct DateiSchliessen {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

QImage ladeJpeg(const QString& pfad, QString* fehler) {
    const QByteArray name = QFile::encodeName(pfad);
    const std::unique_ptr<std::FILE, DateiSchliessen> datei(std::fopen(name.constData(), "rb"));
    if (!datei) {
        const int grund = errno;
        if (fehler != nullptr) {
            *fehler = QCoreApplication::translate("Bilder", "Kann Datei %1 nicht öffnen: %2")
                          .arg(pfad, QString::fromLocal8Bit(std::strerror(grund)));
        }
        return {};
    }

    const auto d = std::make_unique<Dekoder>();
    return dekodiere(d.get(), datei.get(), fehler);
}

QString bilderOrdner() {
    // KABROLUX_BILDER points at a folder of one's own pictures (same layout).
    const QString eigene = qEnvironmentVariable("KABROLUX_BILDER");
    if (!eigene.isEmpty()) return QDir::cleanPath(eigene) + QLatin1Char('/');
    const QString programm = QCoreApplication::applicationDirPath();
    if (QFileInfo(programm + QStringLiteral("/taxis")).isDir()) return programm + QLatin1Char('/');
    return QDir::cleanPath(programm + QStringLiteral("/../share/kabrolux")) + QLatin1Char('/');
}
