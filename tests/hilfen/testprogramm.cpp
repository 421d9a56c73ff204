#include "testprogramm.h"

#include <QDir>
#include <QFile>

#include "sim/spiel.h"

namespace kabrolux::test {

TestProgramm::TestProgramm() : stand(p.spiel.stand()), uhr(p.spiel.uhr()) {
    p.anzeige.meldungenSammeln = &meldungen;
    p.hauptform->show();
}

void ProgrammTest::init() {
    t = std::make_unique<TestProgramm>();
    p = &t->p;
}

void ProgrammTest::cleanup() {
    t.reset();
    p = nullptr;
}

KaputteBilder::KaputteBilder() {
    QDir(ordner_.path()).mkpath(QStringLiteral("taxis"));
    QDir(ordner_.path()).mkpath(QStringLiteral("personal"));
    QFile kaputt(ordner_.path() + QStringLiteral("/taxis/1.jpg"));
    if (kaputt.open(QIODevice::WriteOnly)) kaputt.write("kein Bild");
    qputenv("KABROLUX_BILDER", ordner_.path().toUtf8());
}

KaputteBilder::~KaputteBilder() {
    qunsetenv("KABROLUX_BILDER");
}

}  // namespace kabrolux::test
