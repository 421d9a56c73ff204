#include "ui/basis/anleitung.h"

#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QShortcut>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QVBoxLayout>

#include "ui/basis/farben.h"
#include "ui/basis/qtanzeige.h"

namespace kabrolux::ui {

namespace {

// The guide's sections: "## " starts one, and a "<!-- F1: ... -->" line under it names its
// windows. What stands before the first section is the file's own remark.
QList<Anleitungsabschnitt> abschnitteLesen(const QString& text) {
    const QString f1 = QStringLiteral("<!-- F1:"), ende = QStringLiteral("-->");
    QList<Anleitungsabschnitt> abschnitte;
    for (const QString& zeile : text.split(QLatin1Char('\n'))) {
        if (zeile.startsWith(QStringLiteral("## "))) {
            abschnitte.append({zeile.mid(3).trimmed(), {}, {}});
        } else if (!abschnitte.isEmpty()) {
            const QString t = zeile.trimmed();
            if (t.startsWith(f1) && t.endsWith(ende))
                abschnitte.last().fenster = t.mid(f1.size(), t.size() - f1.size() - ende.size())
                                                .split(QLatin1Char(' '), Qt::SkipEmptyParts);
            else
                abschnitte.last().markdown += zeile + QLatin1Char('\n');
        }
    }
    return abschnitte;
}

QString anker(qsizetype i) {
    return QStringLiteral("a%1").arg(i);
}

// Spacing as rich text has it (headings 16 above, 12 below; paragraphs and whole lists 12 on
// either side), where Qt's Markdown spaces every block by 6.
void abstaendeSetzen(QTextCursor& c, const QTextBlock& b) {
    QTextBlockFormat f = b.blockFormat();
    if (f.headingLevel() > 0) {
        f.setTopMargin(16);
        f.setBottomMargin(12);
    } else if (const QTextList* liste = b.textList()) {
        f.setTopMargin(liste->itemNumber(b) == 0 ? 12 : 0);
        f.setBottomMargin(liste->itemNumber(b) == liste->count() - 1 ? 12 : 0);
    } else if (!f.hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth)) {
        f.setTopMargin(12);
        f.setBottomMargin(12);
    }
    c.setPosition(b.position());
    c.setBlockFormat(f);
}

// Qt's Markdown has no anchors for headings and its own colours for links and bold text; the
// guide has the game's: yellow headings, white bold words, cyan underlined links.
void gestalten(QTextDocument& d) {
    const auto& abschnitte = anleitungsabschnitte();
    QTextCursor c(&d);
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) {
        abstaendeSetzen(c, b);
        if (b.blockFormat().headingLevel() > 0) {
            QTextCharFormat kopf;
            kopf.setForeground(kGelb);
            for (qsizetype i = 0; i < abschnitte.size(); ++i)
                if (abschnitte[i].titel == b.text()) {
                    kopf.setAnchor(true);
                    kopf.setAnchorNames({anker(i)});
                }
            c.setPosition(b.position());
            c.setPosition(b.position() + b.length() - 1, QTextCursor::KeepAnchor);
            c.mergeCharFormat(kopf);
            continue;
        }
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            QTextCharFormat farbe;
            if (f.charFormat().isAnchor()) {
                farbe.setForeground(QColor(0x00, 0xFF, 0xFF));
                farbe.setFontUnderline(true);
            } else if (f.charFormat().fontWeight() >= QFont::Bold) {
                farbe.setForeground(Qt::white);
            } else {
                continue;
            }
            c.setPosition(f.position());
            c.setPosition(f.position() + f.length(), QTextCursor::KeepAnchor);
            c.mergeCharFormat(farbe);
        }
    }
}

}  // namespace

const QList<Anleitungsabschnitt>& anleitungsabschnitte() {
    static const QList<Anleitungsabschnitt> abschnitte = [] {
        QFile datei(QStringLiteral(":/anleitung/spielanleitung.md"));
        datei.open(QIODevice::ReadOnly);
        return abschnitteLesen(QString::fromUtf8(datei.readAll()));
    }();
    return abschnitte;
}

QString anleitungMarkdown(const QString& fenster) {
    QString vorn, hinten;
    QStringList verweise;
    const auto& abschnitte = anleitungsabschnitte();
    for (qsizetype i = 0; i < abschnitte.size(); ++i) {
        const Anleitungsabschnitt& a = abschnitte[i];
        const bool zuerst = a.fenster.contains(fenster, Qt::CaseInsensitive);
        (zuerst ? vorn : hinten) +=
            QStringLiteral("## ") + a.titel + QLatin1Char('\n') + a.markdown;
        verweise << QLatin1Char('[') + a.titel + QStringLiteral("](#") + anker(i) +
                        QLatin1Char(')');
    }
    return vorn + QStringLiteral("\n---\n\nAlle Abschnitte: ") +
           verweise.join(QStringLiteral(" · ")) + QStringLiteral("\n\n") + hinten;
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
    auto* rahmen = new QVBoxLayout(this);
    rahmen->setContentsMargins(0, 0, 0, 0);
    rahmen->addWidget(Text);
}

void Spielanleitung::zeigen(const QWidget& fenster) {
    Text->setMarkdown(anleitungMarkdown(fenster.objectName()));
    gestalten(*Text->document());
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
