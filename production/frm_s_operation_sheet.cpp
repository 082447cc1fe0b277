#include "production/frm_s_operation_sheet.h"

#include "core/notifier.h"
#include "production/operationsheetprinter.h"
#include "production/operationsheetxlsx.h"
#include "ui/common/messagebox.h"
#include "ui/common/modal.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
QPushButton* button(QWidget* parent, const QString& name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setMinimumSize(150, 64);
    b->setAutoDefault(false);
    QFont f = b->font();
    f.setPixelSize(22);
    f.setBold(true);
    b->setFont(f);
    return b;
}

// The worker's busy pointer for the scope.
class Busy {
public:
    Busy() { Notifier::current().setBusy(true); }
    ~Busy() { Notifier::current().setBusy(false); }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;
};
} // namespace

frm_S_operation_sheet::frm_S_operation_sheet(const OperationSheet::Values& values, QWidget* parent)
    : QDialog(parent), m_values(values) {
    setObjectName(QStringLiteral("frm_S_operation_sheet"));
    setWindowTitle(QStringLiteral("공정이동표 발행"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(20);
    Label1 = new QLabel(QStringLiteral("공정이동표 발행을 하시 겠습니까? "), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont f = Label1->font();
    f.setPixelSize(24);
    f.setBold(true);
    Label1->setFont(f);
    layout->addWidget(Label1, 1);
    auto* row = new QHBoxLayout();
    row->setSpacing(16);
    cmdmakestatement = button(this, QStringLiteral("cmdmakestatement"), QStringLiteral("발행"));
    cmdUnload = button(this, QStringLiteral("cmdUnload"), QStringLiteral("닫기"));
    row->addStretch(1);
    row->addWidget(cmdmakestatement);
    row->addWidget(cmdUnload);
    row->addStretch(1);
    layout->addLayout(row);
    resize(520, 220);
    connect(cmdmakestatement, &QPushButton::clicked, this, [this] { cmdmakestatement_Click(); });
    connect(cmdUnload, &QPushButton::clicked, this, &QDialog::reject);
}

void frm_S_operation_sheet::offer(const OperationSheet::Values& values, QWidget* parent) {
    frm_S_operation_sheet dialog(values, parent);
    runModal(dialog);
}

void frm_S_operation_sheet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

bool frm_S_operation_sheet::cmdmakestatement_Click() {
    const QList<OperationSheet::Cell> cells = OperationSheet::cells(m_values);
    QString error;
    bool ok = true;
    {
        const Busy busy;
        // The blank sheet is the program's own; a missing one is written again.
        const QString blank = OperationSheet::templateFile();
        if (!QFileInfo::exists(blank))
            ok = OperationSheetXlsx::write(blank, {}, &error);
        ok = ok && OperationSheetXlsx::write(OperationSheet::issuedFile(), cells, &error) &&
             OperationSheetPrinter::print(cells, &error);
    }
    if (!ok)
        MessageBox::warning(appTitle(),
                            QStringLiteral("공정이동표를 출력할 수 없습니다.\n") + error);
    return ok;
}
