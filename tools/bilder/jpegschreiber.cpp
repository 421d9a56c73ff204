#include "jpegschreiber.h"

#include <QFile>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>

#include <jpeglib.h>

namespace kabrolux::bilder {

namespace {

// Everything libjpeg writes to sits in one heap block; the function that calls
// setjmp never changes its locals afterwards, so the longjmp leaves none of them
// indeterminate.
struct Kodierer {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr fehler;
    std::jmp_buf sprung;
    char text[JMSG_LENGTH_MAX];
};

[[noreturn]] void kodierFehler(j_common_ptr cinfo) {
    auto* k = reinterpret_cast<Kodierer*>(cinfo);
    (*cinfo->err->format_message)(cinfo, k->text);
    std::longjmp(k->sprung, 1);
}

void keineAusgabe(j_common_ptr) {}

bool kodiere(Kodierer* const k, QImage& rgb, std::FILE* const datei, QString* fehler) {
    k->cinfo.err = jpeg_std_error(&k->fehler);
    k->fehler.error_exit = kodierFehler;
    k->fehler.output_message = keineAusgabe;
    k->text[0] = '\0';

    if (setjmp(k->sprung) != 0) {
        jpeg_destroy_compress(&k->cinfo);
        *fehler = QString::fromLocal8Bit(k->text);
        return false;
    }

    jpeg_create_compress(&k->cinfo);
    jpeg_stdio_dest(&k->cinfo, datei);
    k->cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
    k->cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
    k->cinfo.input_components = 3;
    k->cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&k->cinfo);
    jpeg_set_quality(&k->cinfo, 90, TRUE);
    jpeg_start_compress(&k->cinfo, TRUE);
    while (k->cinfo.next_scanline < k->cinfo.image_height) {
        JSAMPROW zeile = rgb.scanLine(static_cast<int>(k->cinfo.next_scanline));
        jpeg_write_scanlines(&k->cinfo, &zeile, 1);
    }
    jpeg_finish_compress(&k->cinfo);
    jpeg_destroy_compress(&k->cinfo);
    return true;
}

}  // namespace

bool schreibeJpeg(const QImage& bild, const QString& pfad, QString* fehler) {
    QImage rgb = bild.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull()) {
        *fehler = QStringLiteral("Bild für %1 ist leer").arg(pfad);
        return false;
    }
    const QByteArray name = QFile::encodeName(pfad);
    std::FILE* const datei = std::fopen(name.constData(), "wb");
    if (datei == nullptr) {
        *fehler = QStringLiteral("Kann %1 nicht anlegen: %2")
                      .arg(pfad, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    const auto k = std::make_unique<Kodierer>();
    QString grund;
    bool ok = kodiere(k.get(), rgb, datei, &grund);
    if (std::fclose(datei) != 0 && ok) {
        ok = false;
        grund = QString::fromLocal8Bit(std::strerror(errno));
    }
    if (!ok) {
        // A half-written picture must not look up to date to the build.
        QFile::remove(pfad);
        *fehler = QStringLiteral("Kann %1 nicht schreiben: %2").arg(pfad, grund);
    }
    return ok;
}

}  // namespace kabrolux::bilder
