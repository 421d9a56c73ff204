#pragma once
// Finds text a screen would show cut off: every control inside its parent, every label and
// radio button at least as large as its text needs (a wrapping label as high as its width needs),
// button and frame captions within their width, list entries within the box.

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QWidget>

namespace kabrolux::test {

inline QString beschreibung(const QWidget* w, const QString& text) {
    return QStringLiteral("%1 \"%2\" %3x%4")
        .arg(QString::fromLatin1(w->metaObject()->className()), text)
        .arg(w->width())
        .arg(w->height());
}

inline QStringList abgeschnitten(QWidget* fenster) {
    fenster->ensurePolished();
    for (QWidget* w : fenster->findChildren<QWidget*>())
        if (w->layout()) w->layout()->activate();
    QStringList fehler;
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(fenster) || w->isWindow()) continue;
        const QFontMetrics fm = w->fontMetrics();
        QString text;
        bool passt = true;
        if (auto* l = qobject_cast<QLabel*>(w)) {
            text = l->text();
            // A wrapping label needs the height its width gives it.
            passt = l->wordWrap() ? l->height() >= l->heightForWidth(l->width())
                                  : l->width() >= l->sizeHint().width() &&
                                        l->height() >= l->sizeHint().height();
        } else if (auto* r = qobject_cast<QRadioButton*>(w)) {
            text = r->text();
            passt = r->width() >= r->sizeHint().width() && r->height() >= r->sizeHint().height();
        } else if (auto* b = qobject_cast<QPushButton*>(w)) {
            text = b->text();
            passt = fm.horizontalAdvance(text) + 12 <= b->width() && fm.height() + 6 <= b->height();
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            text = g->title();
            passt = fm.horizontalAdvance(text) + 16 <= g->width();
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < c->count(); ++i)
                passt = passt && fm.horizontalAdvance(c->itemText(i)) + 32 <= c->width();
        }
        if (!passt) fehler << beschreibung(w, text);
        if (!w->parentWidget()->rect().contains(w->geometry()))
            fehler << beschreibung(w, text) + QStringLiteral(" ragt hinaus");
    }
    return fehler;
}

}  // namespace kabrolux::test
