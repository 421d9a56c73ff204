#include "ui/basis/doppelklickschutz.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace kabrolux::ui {

namespace {

// One widget is the other or holds it: a release a child ignored reaches its parents.
bool verwandt(const QObject* a, const QObject* b) {
    for (const QObject* o = a; o; o = o->parent())
        if (o == b) return true;
    for (const QObject* o = b; o; o = o->parent())
        if (o == a) return true;
    return false;
}

}  // namespace

Doppelklickschutz::Doppelklickschutz() {
    QCoreApplication::instance()->installEventFilter(this);
}

bool Doppelklickschutz::eventFilter(QObject* o, QEvent* e) {
    if (!o->isWidgetType()) return false;  // the windows pass every event on to their widgets
    if (e->type() == QEvent::MouseButtonRelease) {
        if (verworfen_ == o) {  // the release that ends a dropped double-click
            verworfen_ = nullptr;
            return true;
        }
        losgelassen_ = o;
    } else if (e->type() == QEvent::MouseButtonDblClick && qobject_cast<QAbstractButton*>(o)) {
        if (!losgelassen_ || !verwandt(o, losgelassen_)) {
            verworfen_ = o;
            return true;
        }
    }
    return false;
}

}  // namespace kabrolux::ui
