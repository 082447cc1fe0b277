#include "ui/common/replaysteps.h"

#include "ui/common/replayinput.h"
#include "ui/common/replaymessages.h"
#include "ui/common/replayresolver.h"
#include "ui/common/spreadmodel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMessageBox>

#include <utility>

namespace {
using Kind = ReplayStep::Kind;

QString quoted(const QString& s) {
    return QLatin1Char('"') + s + QLatin1Char('"');
}

QString quotedList(const QStringList& items) {
    QStringList q;
    for (const QString& i : items)
        q << quoted(i);
    return q.isEmpty() ? QStringLiteral("none") : q.join(QStringLiteral(", "));
}

QString rgb(const QColor& c) {
    return QStringLiteral("%1,%2,%3").arg(c.red()).arg(c.green()).arg(c.blue());
}

ReplayAction touchAction(const ReplayHit& hit) {
    return {hit.widget(), [hit](QWidget*) {
                QPoint at;
                if (QWidget* receiver = hit.touchPoint(&at))
                    ReplayInput::touch(receiver, at);
            }};
}

QStringList flattened(const QStringList& items) {
    QStringList f;
    for (const QString& i : items)
        f << ReplayHit::flatten(i);
    return f;
}

// Grid drop-down cell: its editor opens on the cell, takes the entry, and Enter commits it.
ReplayAttempt chooseInCell(const ReplayHit& hit, const QString& text) {
    const QModelIndex cell = hit.cellIndex();
    const QStringList entries = cell.data(SpreadModel::ComboListRole).toStringList();
    if (entries.isEmpty() || !cell.flags().testFlag(Qt::ItemIsEditable))
        return ReplayAttempt::notYet(QStringLiteral("the cell is not an open drop-down cell"));
    const qsizetype at = flattened(entries).indexOf(text);
    if (at < 0)
        return ReplayAttempt::notYet(QStringLiteral("entries ") + quotedList(flattened(entries)));
    const QPersistentModelIndex index(cell);
    return ReplayAttempt::holds({{hit.widget(), [index, entry = entries.at(at)](QWidget* w) {
                                      auto* view = static_cast<QAbstractItemView*>(w);
                                      view->setCurrentIndex(index);
                                      view->scrollTo(index);
                                      view->edit(index);
                                      auto* box =
                                          qobject_cast<QComboBox*>(view->window()->focusWidget());
                                      if (!box)
                                          return;
                                      box->setCurrentIndex(box->findText(entry));
                                      ReplayInput::key(box, {Qt::Key_Return, QStringLiteral("\r")});
                                  }}});
}

ReplayAttempt chooseInCombo(QComboBox* box, const QString& text) {
    QStringList entries;
    for (int i = 0; i < box->count(); ++i) {
        if (ReplayHit::flatten(box->itemText(i)) != text) {
            entries << ReplayHit::flatten(box->itemText(i));
            continue;
        }
        // As a selection from the list does: the entry becomes current, then activated.
        return ReplayAttempt::holds({{box, [i](QWidget* w) {
                                          auto* b = static_cast<QComboBox*>(w);
                                          b->setCurrentIndex(i);
                                          emit b->activated(i);
                                          emit b->textActivated(b->itemText(i));
                                      }}});
    }
    return ReplayAttempt::notYet(QStringLiteral("entries ") + quotedList(entries));
}

ReplayAttempt chooseInList(QAbstractItemView* view, const QString& text) {
    QStringList entries;
    const QAbstractItemModel* model = view->model();
    for (int r = 0; model && r < model->rowCount(view->rootIndex()); ++r) {
        const QModelIndex i = model->index(r, 0, view->rootIndex());
        const QString shown = i.data(Qt::DisplayRole).toString();
        if (ReplayHit::flatten(shown) == text)
            return ReplayAttempt::holds({touchAction(ReplayHit::cell(view, i))});
        entries << ReplayHit::flatten(shown);
    }
    return ReplayAttempt::notYet(QStringLiteral("entries ") + quotedList(entries));
}

struct ButtonName {
    const char* name;
    QMessageBox::StandardButton button;
};
constexpr ButtonName kButtons[] = {{"Ok", QMessageBox::Ok},
                                   {"Cancel", QMessageBox::Cancel},
                                   {"Yes", QMessageBox::Yes},
                                   {"No", QMessageBox::No},
                                   {"Retry", QMessageBox::Retry}};

QString buttonNames(const QMessageBox* box) {
    QStringList names;
    for (QAbstractButton* b : box->buttons()) {
        const QMessageBox::StandardButton sb = box->standardButton(b);
        QString name = b->text();
        for (const ButtonName& n : kButtons) {
            if (n.button == sb)
                name = QLatin1String(n.name);
        }
        names << name;
    }
    return names.join(QStringLiteral(", "));
}

QMessageBox* openMessageBox() {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
        return box;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (box && box->isVisible() && !ReplayResolver::blockingModal(box))
            return box;
    }
    return nullptr;
}
} // namespace

ReplayAttempt ReplaySteps::attempt(const ReplayStep& step, qint64 elapsedMs) {
    switch (step.kind) {
    case Kind::Wait:
        return elapsedMs >= step.waitMs ? ReplayAttempt::holds() : ReplayAttempt::notYet(QString());
    case Kind::ExpectMessage:
        return expectMessage(step.text);
    case Kind::Key:
        return key(step);
    case Kind::Answer:
        return answer(step);
    default:
        return onTarget(step);
    }
}

ReplayAttempt ReplaySteps::onTarget(const ReplayStep& step) {
    QString problem;
    const ReplayHit hit = ReplayResolver::resolve(step.target, &problem);
    if (!hit.widget())
        return ReplayAttempt::notYet(problem);
    m_lastWindow = hit.widget()->window();
    // Reading a control needs no input; disabled controls still show their text and colour.
    const bool input =
        step.kind == Kind::Click || step.kind == Kind::Type || step.kind == Kind::Choose;
    if (input && !hit.isEnabled())
        return ReplayAttempt::notYet(quoted(step.target.text()) + QStringLiteral(" is disabled"));
    switch (step.kind) {
    case Kind::Click:
        return click(hit);
    case Kind::Type:
        return type(hit, step.text);
    case Kind::Expect:
        return expect(hit, step.text);
    case Kind::ExpectColor:
        return expectColour(hit, step.colour);
    default:
        return choose(hit, step.text);
    }
}

ReplayAttempt ReplaySteps::click(const ReplayHit& hit) {
    return ReplayAttempt::holds({touchAction(hit)});
}

// The focus comes without a touch (a touch may open an on-screen keyboard); each key then
// goes to whatever has the focus in that window, as typing on a keyboard does.
ReplayAttempt ReplaySteps::type(const ReplayHit& hit, const QString& text) {
    QList<ReplayAction> actions;
    actions << ReplayAction{hit.widget(), [hit](QWidget* w) {
                                w->window()->activateWindow();
                                if (auto* view = qobject_cast<QAbstractItemView*>(w);
                                    view && hit.isCell()) {
                                    view->setCurrentIndex(hit.cellIndex());
                                    view->scrollTo(hit.cellIndex());
                                }
                                w->setFocus(Qt::OtherFocusReason);
                            }};
    const QPointer<QWidget> window = hit.widget()->window();
    for (const ReplayInput::KeyStroke& k : ReplayInput::strokes(text)) {
        actions << ReplayAction{hit.widget(), [window, k](QWidget* w) {
                                    QWidget* focus = window ? window->focusWidget() : nullptr;
                                    ReplayInput::key(focus ? focus : w, k);
                                }};
    }
    return ReplayAttempt::holds(actions);
}

ReplayAttempt ReplaySteps::expect(const ReplayHit& hit, const QString& text) {
    QString shown;
    if (!hit.text(&shown))
        return ReplayAttempt::notYet(QStringLiteral("the control shows no text"));
    if (shown == text)
        return ReplayAttempt::holds();
    return ReplayAttempt::notYet(QStringLiteral("shows ") + quoted(shown));
}

ReplayAttempt ReplaySteps::expectColour(const ReplayHit& hit, const QColor& colour) {
    const QColor shown = hit.background();
    if (shown.isValid() && shown.rgb() == colour.rgb())
        return ReplayAttempt::holds();
    return ReplayAttempt::notYet(QStringLiteral("background ") + rgb(shown));
}

ReplayAttempt ReplaySteps::choose(const ReplayHit& hit, const QString& text) {
    if (hit.isCell())
        return chooseInCell(hit, text);
    if (auto* box = qobject_cast<QComboBox*>(hit.widget()))
        return chooseInCombo(box, text);
    if (auto* view = qobject_cast<QAbstractItemView*>(hit.widget()))
        return chooseInList(view, text);
    return ReplayAttempt::notYet(
        QStringLiteral("the control is not a combo box, list or grid drop-down cell"));
}

ReplayAttempt ReplaySteps::key(const ReplayStep& step) const {
    QWidget* receiver = QApplication::focusWidget();
    if (receiver && ReplayResolver::blockingModal(receiver->window()))
        receiver = nullptr;
    if (!receiver) {
        QWidget* window = QApplication::activeModalWidget();
        if (!window)
            window = QApplication::activeWindow();
        if (!window)
            window = m_lastWindow;
        if (window && window->isVisible())
            receiver = window->focusWidget() ? window->focusWidget() : window;
    }
    if (!receiver)
        return ReplayAttempt::notYet(QStringLiteral("no window has the keyboard focus"));
    const ReplayInput::KeyStroke k{step.key, step.keyText, Qt::NoModifier};
    return ReplayAttempt::holds({{receiver, [k](QWidget* w) { ReplayInput::key(w, k); }}});
}

ReplayAttempt ReplaySteps::answer(const ReplayStep& step) {
    QMessageBox* box = openMessageBox();
    if (!box)
        return ReplayAttempt::notYet(QStringLiteral("no message box is open"));
    QAbstractButton* button = box->button(step.button);
    if (!button || !button->isVisible())
        return ReplayAttempt::notYet(QStringLiteral("the message box has the buttons ") +
                                     buttonNames(box));
    return ReplayAttempt::holds({touchAction(ReplayHit(button))});
}

ReplayAttempt ReplaySteps::expectMessage(const QString& text) const {
    if (m_messages->consume(text))
        return ReplayAttempt::holds();
    return ReplayAttempt::notYet(QStringLiteral("messages since the last expect-message: ") +
                                 quotedList(m_messages->pending()));
}
