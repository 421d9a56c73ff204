#include "ui/basis/anleitung.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/basis/farben.h"
#include "ui/basis/qtanzeige.h"

namespace kabrolux::ui {

QString anleitungHtml(const QString& fenster) {
    QString vorn, hinten;
    QStringList verweise;
    int i = 0;
    for (const Anleitungsabschnitt& a : anleitungsabschnitte()) {
        const QString anker = QStringLiteral("a%1").arg(i++);
        const QString titel = QString::fromUtf8(a.titel).toHtmlEscaped();
        const bool zuerst = QString::fromUtf8(a.fenster)
                                .split(QLatin1Char(' '), Qt::SkipEmptyParts)
                                .contains(fenster, Qt::CaseInsensitive);
        (zuerst ? vorn : hinten) += QStringLiteral("<h2><a name=\"") + anker +
                                    QStringLiteral("\"></a>") + titel + QStringLiteral("</h2>\n") +
                                    QString::fromUtf8(a.html);
        verweise << QStringLiteral("<a href=\"#") + anker + QStringLiteral("\">") + titel +
                        QStringLiteral("</a>");
    }
    return vorn + QStringLiteral("<hr/><p>Alle Abschnitte: ") +
           verweise.join(QStringLiteral(" · ")) + QStringLiteral("</p>\n") + hinten;
}

Spielanleitung::Spielanleitung() {
    setObjectName(QStringLiteral("spielanleitung"));
    setWindowTitle(QStringLiteral("Spielanleitung"));
    resize(640, 580);
    Text = new QTextBrowser(this);
    Text->setObjectName(QStringLiteral("Text"));
    Text->setAccessibleName(QStringLiteral("Spielanleitung"));
    QPalette p = Text->palette();
    p.setColor(QPalette::Base, Qt::black);
    p.setColor(QPalette::Text, kSilber);
    Text->setPalette(p);
    QFont schrift(QStringLiteral("Arial"), 10);
    Text->setFont(schrift);
    Text->document()->setDefaultStyleSheet(
        QStringLiteral("h2 { color: #ffff00; } a { color: #00ffff; } b { color: #ffffff; }"));
    auto* rahmen = new QVBoxLayout(this);
    rahmen->setContentsMargins(0, 0, 0, 0);
    rahmen->addWidget(Text);
}

void Spielanleitung::zeigen(const QWidget& fenster) {
    Text->setHtml(anleitungHtml(fenster.objectName()));
    Text->setFocus();
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    gedaechtnis_.zeigenDaneben(*this, fenster);
}

void Spielanleitung::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

void Spielanleitung::closeEvent(QCloseEvent* e) {
    gedaechtnis_.merken(*this);
    e->accept();
}

void anleitungAnbieten(QWidget* fenster, QtAnzeige& anzeige) {
    QObject::connect(new QShortcut(Qt::Key_F1, fenster), &QShortcut::activated, fenster,
                     [fenster, &anzeige] { anzeige.anleitung().zeigen(*fenster); });
}

}  // namespace kabrolux::ui
