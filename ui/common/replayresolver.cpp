#include "ui/common/replayresolver.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QTabBar>
#include <QTableView>

namespace {
QString quoted(const QString& s) {
    return QLatin1Char('"') + s + QLatin1Char('"');
}

// Widgets of the window itself, in tree order (children of windows parented to it excluded).
template <typename T> QList<T*> ownWidgets(QWidget* window, const QString& name = QString()) {
    QList<T*> own;
    const QList<T*> all =
        name.isNull() ? window->findChildren<T*>() : window->findChildren<T*>(name);
    for (T* w : all) {
        if (w->window() == window)
            own << w;
    }
    return own;
}

ReplayHit child(QWidget* window, const ReplayTarget& t, QString* problem) {
    const QList<QWidget*> named = ownWidgets<QWidget>(window, t.name);
    for (QWidget* w : named) {
        if (w->isVisible())
            return ReplayHit(w);
    }
    *problem = named.isEmpty()
                   ? QStringLiteral("window %1 has no %2").arg(quoted(t.window), quoted(t.name))
                   : QStringLiteral("%1 is not visible").arg(quoted(t.text()));
    return {};
}

// A button, check box or tab with the caption wins over a label showing the same text (a
// label that echoes the chosen button's caption must not hide the button).
ReplayHit caption(QWidget* window, const ReplayTarget& t) {
    QString text;
    QWidget* label = nullptr;
    for (QWidget* w : ownWidgets<QWidget>(window)) {
        if (!w->isVisible())
            continue;
        if (auto* bar = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < bar->count(); ++i) {
                if (bar->isTabVisible(i) && ReplayHit::flatten(bar->tabText(i)) == t.name)
                    return ReplayHit::tab(bar, i);
            }
            continue;
        }
        const bool button = qobject_cast<QAbstractButton*>(w) != nullptr;
        if (!button && (label || !qobject_cast<QLabel*>(w)))
            continue;
        if (!ReplayHit::shownText(w, &text) || text != t.name)
            continue;
        if (button)
            return ReplayHit(w);
        label = w;
    }
    return label ? ReplayHit(label) : ReplayHit();
}

ReplayHit cell(QWidget* window, const ReplayTarget& t, QString* problem) {
    const ReplayHit grid = child(window, t, problem);
    if (!grid.widget())
        return {};
    auto* view = qobject_cast<QAbstractItemView*>(grid.widget());
    if (!view || !view->model()) {
        *problem =
            QStringLiteral("%1 is not a grid").arg(quoted(t.window + QLatin1Char('/') + t.name));
        return {};
    }
    const QModelIndex index = view->model()->index(t.row - 1, t.col - 1, view->rootIndex());
    if (!index.isValid()) {
        *problem = QStringLiteral("grid %1 has %2 rows and %3 columns")
                       .arg(quoted(t.name))
                       .arg(view->model()->rowCount(view->rootIndex()))
                       .arg(view->model()->columnCount(view->rootIndex()));
        return {};
    }
    if (const auto* table = qobject_cast<QTableView*>(view);
        table && (table->isRowHidden(index.row()) || table->isColumnHidden(index.column()))) {
        *problem = QStringLiteral("cell %1 is hidden").arg(quoted(t.text()));
        return {};
    }
    return ReplayHit::cell(view, index);
}
} // namespace

QWidget* ReplayResolver::window(const QString& name) {
    QWidget* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() != name || !w->isVisible())
            continue;
        if (w == QApplication::activeModalWidget() || w == QApplication::activeWindow())
            return w;
        if (!found)
            found = w;
    }
    return found;
}

QWidget* ReplayResolver::blockingModal(const QWidget* window) {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == window)
        return nullptr;
    // A window opened from the modal one (a keyboard over a dialog) is not blocked by it.
    for (const QWidget* p = window->parentWidget(); p; p = p->parentWidget()) {
        if (p->window() == modal)
            return nullptr;
    }
    return modal;
}

ReplayHit ReplayResolver::resolve(const ReplayTarget& t, QString* problem) {
    QWidget* w = window(t.window);
    if (!w) {
        *problem = QStringLiteral("no open window %1").arg(quoted(t.window));
        return {};
    }
    if (const QWidget* modal = blockingModal(w)) {
        *problem = QStringLiteral("window %1 is blocked by the modal window %2")
                       .arg(quoted(t.window), quoted(modal->objectName()));
        return {};
    }
    switch (t.kind) {
    case ReplayTarget::Kind::Child:
        return child(w, t, problem);
    case ReplayTarget::Kind::Cell:
        return cell(w, t, problem);
    case ReplayTarget::Kind::Caption:
        break;
    }
    ReplayHit hit = caption(w, t);
    if (!hit.widget())
        *problem = QStringLiteral("window %1 shows no button, label, check box or tab %2")
                       .arg(quoted(t.window), quoted(t.name));
    return hit;
}
