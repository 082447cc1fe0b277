#include "ui/common/spreaddelegate.h"

#include "ui/common/spreadcelltype.h"
#include "ui/common/spreadmodel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QTimeEdit>

namespace {
int typeOf(const QModelIndex& index) {
    return index.data(SpreadModel::CellTypeRole).toInt();
}
} // namespace

SpreadDelegate::SpreadDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QWidget* SpreadDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    switch (typeOf(index)) {
    case SpreadCellType::Combo: {
        auto* box = new QComboBox(parent);
        box->addItems(index.data(SpreadModel::ComboListRole).toStringList());
        const int width = index.data(SpreadModel::ComboWidthRole).toInt();
        if (width > 0)
            box->view()->setMinimumWidth(width * 8);
        return box;
    }
    case SpreadCellType::Time: {
        auto* edit = new QTimeEdit(parent);
        edit->setDisplayFormat(QStringLiteral("HH:mm"));
        return edit;
    }
    case SpreadCellType::Number:
    case SpreadCellType::Currency: {
        auto* edit = new QLineEdit(parent);
        // Digits, separators, one decimal point and a leading minus; the model checks the
        // largest value and rounds to the decimal places.
        edit->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("-?[0-9,]*\\.?[0-9]*")), edit));
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return edit;
    }
    default: {
        QWidget* w = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            const int max = index.data(SpreadModel::MaxLengthRole).toInt();
            if (max > 0)
                edit->setMaxLength(max);
        }
        return w;
    }
    }
}

void SpreadDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString value = index.data(Qt::EditRole).toString();
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        box->setCurrentIndex(box->findText(value));
    } else if (auto* time = qobject_cast<QTimeEdit*>(editor)) {
        time->setTime(QTime::fromString(value.left(5), QStringLiteral("HH:mm")));
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(value);
    } else {
        QStyledItemDelegate::setEditorData(editor, index);
    }
}

void SpreadDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
    if (auto* box = qobject_cast<QComboBox*>(editor))
        model->setData(index, box->currentText(), Qt::EditRole);
    else if (auto* time = qobject_cast<QTimeEdit*>(editor))
        model->setData(index, time->time().toString(QStringLiteral("HH:mm")), Qt::EditRole);
    else if (auto* edit = qobject_cast<QLineEdit*>(editor))
        model->setData(index, edit->text(), Qt::EditRole);
    else
        QStyledItemDelegate::setModelData(editor, model, index);
}

void SpreadDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    const int type = typeOf(index);
    if (type == SpreadCellType::Picture) {
        painter->fillRect(option.rect, Qt::white);
        const QPixmap pic = index.data(SpreadModel::PictureRole).value<QPixmap>();
        if (!pic.isNull())
            painter->drawPixmap(option.rect, pic);
        return;
    }
    if (type != SpreadCellType::Button) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    painter->fillRect(option.rect, index.data(Qt::BackgroundRole).value<QColor>());
    QStyleOptionButton button;
    button.rect = option.rect.adjusted(2, 2, -2, -2);
    button.text = index.data(Qt::DisplayRole).toString();
    const QFont font = index.data(Qt::FontRole).value<QFont>();
    button.fontMetrics = QFontMetrics(font);
    button.state =
        QStyle::State_Enabled | (m_pressed == index ? QStyle::State_Sunken : QStyle::State_Raised);
    painter->save();
    painter->setFont(font);
    QApplication::style()->drawControl(QStyle::CE_PushButton, &button, painter);
    painter->restore();
}

bool SpreadDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                 const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (typeOf(index) == SpreadCellType::Button) {
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_pressed = index;
            emit buttonClicked(index.column() + 1, index.row() + 1, 1);
            return false; // the view still makes the cell the active one
        }
        if (event->type() == QEvent::MouseButtonRelease && m_pressed == index) {
            m_pressed = QPersistentModelIndex();
            emit buttonClicked(index.column() + 1, index.row() + 1, 0);
            return true;
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

bool SpreadDelegate::eventFilter(QObject* editor, QEvent* event) {
    // Up and down stay in the editor instead of moving to another cell.
    if (event->type() == QEvent::KeyPress) {
        const auto* ke = static_cast<QKeyEvent*>(event);
        const int key = ke->key();
        emit editorKey(key, ke->text());
        auto* w = qobject_cast<QWidget*>(editor);
        const auto* box = qobject_cast<QComboBox*>(editor);
        if (w && (key == Qt::Key_Return || key == Qt::Key_Enter) &&
            !(box && box->view()->isVisible())) {
            emit commitData(w);
            emit closeEditor(w, QAbstractItemDelegate::NoHint);
            emit enterPressed();
            return true;
        }
        if ((key == Qt::Key_Up || key == Qt::Key_Down) && !qobject_cast<QComboBox*>(editor) &&
            !qobject_cast<QTimeEdit*>(editor))
            return true;
    }
    return QStyledItemDelegate::eventFilter(editor, event);
}
