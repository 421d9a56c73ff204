// The main screen's "Speichern" and "Laden": the file dialogs and what follows them.
#include <QAbstractItemModel>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QListView>
#include <QUrl>

#include "sim/laden.h"
#include "sim/lesen.h"
#include "sim/spiel.h"
#include "state/speicherdatei.h"
#include "ui/hauptform.h"
#include "ui/programm.h"

namespace kabrolux::ui {

namespace {

// The sidebar's model names a place after its folder and names it so again whenever the folder
// changes; the place keeps its own name by being named after every such change.
void ortBenennen(QFileDialog& d, const QUrl& ort, const QString& name) {
    auto* leiste = d.findChild<QListView*>(QStringLiteral("sidebar"));
    QAbstractItemModel* m = leiste ? leiste->model() : nullptr;
    if (!m) return;
    auto benennen = [m, ort, name] {
        for (int i = 0; i < m->rowCount(); ++i) {
            const QModelIndex platz = m->index(i, 0);
            // The sidebar keeps each place's address in the first role after UserRole.
            if (platz.data(Qt::UserRole + 1).toUrl() == ort && platz.data().toString() != name)
                m->setData(platz, name, Qt::DisplayRole);
        }
    };
    benennen();
    QObject::connect(m, &QAbstractItemModel::dataChanged, &d, benennen);
    QObject::connect(m, &QAbstractItemModel::rowsInserted, &d, benennen);
    // Wide enough for the name: the sidebar starts narrower than that.
    leiste->setMinimumWidth(leiste->sizeHintForColumn(0) + 2 * leiste->frameWidth() + 4);
}

// The load dialog offers the autosave's folder among its places, as "Automatisch gesichert".
// Put back before the dialog goes, so the save dialog, which restores the places of the last
// dialog, shows it not.
class AutomatischGesichert {
  public:
    AutomatischGesichert(QFileDialog& d, const QString& ordner) : d_(d), vorher_(d.sidebarUrls()) {
        if (ordner.isEmpty() || !QFileInfo(ordner).isDir()) return;
        const QUrl ort = QUrl::fromLocalFile(ordner);
        QList<QUrl> orte = vorher_;
        orte.removeAll(ort);
        d.setSidebarUrls(orte << ort);
        ortBenennen(d, ort, THauptform::tr("Automatisch gesichert"));
    }
    ~AutomatischGesichert() { d_.setSidebarUrls(vorher_); }

  private:
    QFileDialog& d_;
    QList<QUrl> vorher_;
};

// The game's own file dialog, the same on every desktop and in the game's language. The save dialog
// does not ask before overwriting; the load dialog lets any name be typed (a missing file is
// reported when it is opened).
QString dateiWaehlen(QWidget* eltern, bool speichern, const QString& sicherungsordner = {}) {
    // Opens in the home folder, later where the player last saved or loaded during this run.
    static QString letzterOrdner = QDir::homePath();
    QFileDialog d(eltern, speichern ? THauptform::tr("Spielstand speichern")
                                    : THauptform::tr("Spielstand laden"));
    d.setObjectName(speichern ? QStringLiteral("SaveDialog1") : QStringLiteral("OpenDialog1"));
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::AnyFile);
    d.setOption(QFileDialog::DontConfirmOverwrite);
    d.setNameFilter(THauptform::tr("Kabrolux Spielstände (*.kbs)"));
    d.setDefaultSuffix(QStringLiteral("kbs"));
    d.setDirectory(letzterOrdner);
    d.selectFile(THauptform::tr("spielstand", "default name of a saved game"));
    const AutomatischGesichert ort(d, speichern ? QString() : sicherungsordner);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
    const QString pfad = d.selectedFiles().constFirst();
    letzterOrdner = QFileInfo(pfad).absolutePath();
    return pfad;
}

}  // namespace

void THauptform::SpeichernbuttonClick() {
    if (p_.spiel.imTakt()) return nachDemTakt([this] { SpeichernbuttonClick(); });
    const QString pfad = dateiWaehlen(this, true);
    if (pfad.isEmpty()) return;
    spielSpeichern(p_.spiel, QFile::encodeName(pfad).toStdString());
}

void THauptform::LadenbuttonClick() {
    if (p_.spiel.imTakt()) return nachDemTakt([this] { LadenbuttonClick(); });
    // Loading needs a running game; one that cannot start (a price field is no number) has
    // shown its message, and nothing is loaded into a game that never began.
    if (lesen(p_.spiel).spiellaeuft == 0) {
        Spiel_startenbuttonClick();
        if (lesen(p_.spiel).spiellaeuft == 0) return;
    }
    const QString pfad = dateiWaehlen(this, false, p_.sicherungsordner);
    if (!pfad.isEmpty()) spielstandLaden(pfad);
}

bool THauptform::spielstandLaden(const QString& pfad) {
    return spielLaden(p_.spiel, QFile::encodeName(pfad).toStdString());
}

void THauptform::startMitDatei(const QString& pfad) {
    // Tried on a copy first: a file that fails leaves no game started.
    Spielstand probe = lesen(p_.spiel);
    const Ladefehler fehler = ladeDatei(QFile::encodeName(pfad).toStdString(), probe);
    if (!fehler.leer()) {
        p_.anzeige.meldung(meldungZu(fehler));
        return;
    }
    if (lesen(p_.spiel).spiellaeuft == 0) Spiel_startenbuttonClick();
    if (lesen(p_.spiel).spiellaeuft == 1) spielstandLaden(pfad);
}

}  // namespace kabrolux::ui
