#pragma once

#include "ui/common/replayoutput.h"

#include <QObject>
#include <QStringList>

class QWidget;

// Watches every system message box and message dialog as it opens, prints it as
// message<TAB>window<TAB>title<TAB>text (window: the box's objectName; texts flattened to one
// line) and keeps its text until an expect-message step consumes it.
class ReplayMessageObserver : public QObject {
    Q_OBJECT
public:
    // Watches the whole application from now on.
    ReplayMessageObserver(ReplayOutput output, QObject* parent);
    ~ReplayMessageObserver() override;

    // True when a message shown since the last successful call contains the text; those
    // messages are then used up.
    bool consume(const QString& text);
    // The texts not yet used up.
    const QStringList& pending() const { return m_pending; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void opened(QWidget* window);

    ReplayOutput m_output;
    QStringList m_pending;
};
