#include "ui/common/replayhit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTextEdit>

namespace {
QColor brushColour(const QBrush& brush) {
    if (const QGradient* g = brush.gradient(); g && !g->stops().isEmpty())
        return g->stops().first().second;
    return brush.color();
}

// Check boxes and radio buttons take a touch on their box and text, which may not cover the
// widget's centre when a layout stretches it.
QRect touchRect(QWidget* w) {
    auto* check = qobject_cast<QCheckBox*>(w);
    auto* radio = qobject_cast<QRadioButton*>(w);
    if (!check && !radio)
        return w->rect();
    QStyleOptionButton option;
    option.initFrom(w);
    option.text = static_cast<QAbstractButton*>(w)->text();
    const QRect r = w->style()->subElementRect(
        check ? QStyle::SE_CheckBoxClickRect : QStyle::SE_RadioButtonClickRect, &option, w);
    return r.isValid() ? r : w->rect();
}
} // namespace

ReplayHit ReplayHit::cell(QWidget* view, const QModelIndex& index) {
    ReplayHit h(view);
    h.m_cell = index;
    h.m_wasCell = true;
    return h;
}

ReplayHit ReplayHit::tab(QWidget* tabBar, int index) {
    ReplayHit h(tabBar);
    h.m_tab = index;
    return h;
}

QString ReplayHit::flatten(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool ReplayHit::shownText(const QWidget* w, QString* text) {
    QString t;
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        t = label->text();
        // A label showing a picture shows what its accessible name says the picture is.
        if (t.isEmpty() && !label->pixmap().isNull())
            t = label->accessibleName();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        t = button->text();
    else if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        t = edit->text();
    else if (const auto* rich = qobject_cast<const QTextEdit*>(w))
        t = rich->toPlainText();
    else if (const auto* plain = qobject_cast<const QPlainTextEdit*>(w))
        t = plain->toPlainText();
    else if (const auto* combo = qobject_cast<const QComboBox*>(w))
        t = combo->currentText();
    else if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(w))
        t = spin->text();
    else if (const auto* group = qobject_cast<const QGroupBox*>(w))
        t = group->title();
    else if (const auto* bar = qobject_cast<const QProgressBar*>(w))
        t = bar->text();
    else if (const auto* view = qobject_cast<const QAbstractItemView*>(w))
        t = view->currentIndex().data(Qt::DisplayRole).toString();
    else
        return false;
    *text = flatten(t);
    return true;
}

bool ReplayHit::isEnabled() const {
    if (!m_widget || !m_widget->isEnabled())
        return false;
    if (const auto* bar = qobject_cast<const QTabBar*>(m_widget.data()); bar && m_tab >= 0)
        return bar->isTabEnabled(m_tab);
    if (m_cell.isValid())
        return m_cell.flags().testFlag(Qt::ItemIsEnabled);
    return true;
}

bool ReplayHit::text(QString* text) const {
    if (!m_widget)
        return false;
    if (m_cell.isValid()) {
        *text = flatten(m_cell.data(Qt::DisplayRole).toString());
        return true;
    }
    if (const auto* bar = qobject_cast<const QTabBar*>(m_widget.data()); bar && m_tab >= 0) {
        *text = flatten(bar->tabText(m_tab));
        return true;
    }
    return shownText(m_widget, text);
}

QColor ReplayHit::background() const {
    if (!m_widget)
        return {};
    if (m_cell.isValid()) {
        const QVariant v = m_cell.data(Qt::BackgroundRole);
        if (v.typeId() == QMetaType::QColor && v.value<QColor>().isValid())
            return v.value<QColor>();
        if (v.typeId() == QMetaType::QBrush && v.value<QBrush>().style() != Qt::NoBrush)
            return brushColour(v.value<QBrush>());
        return m_widget->palette().color(QPalette::Base);
    }
    // Style sheets write their background into the palette when the widget is polished.
    m_widget->ensurePolished();
    return brushColour(m_widget->palette().brush(m_widget->backgroundRole()));
}

QWidget* ReplayHit::touchPoint(QPoint* local) const {
    if (!m_widget)
        return nullptr;
    if (auto* view = qobject_cast<QAbstractItemView*>(m_widget.data()); view && m_cell.isValid()) {
        view->scrollTo(m_cell);
        *local = view->visualRect(m_cell).center();
        return view->viewport();
    }
    if (auto* bar = qobject_cast<QTabBar*>(m_widget.data()); bar && m_tab >= 0) {
        *local = bar->tabRect(m_tab).center();
        return bar;
    }
    const QPoint centre = touchRect(m_widget).center();
    // The deepest child under the point gets the touch, as on the screen.
    if (QWidget* child = m_widget->childAt(centre)) {
        *local = child->mapFrom(m_widget.data(), centre);
        return child;
    }
    *local = centre;
    return m_widget;
}
