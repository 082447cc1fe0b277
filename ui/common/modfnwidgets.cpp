#include "ui/common/modfnwidgets.h"

#include "core/modbas.h"
#include "core/moddb.h"
#include "core/modfn.h"
#include "ui/common/imeenglishfilter.h"

#include <QWidget>

namespace {
const char* const kButtons[] = {"btnSave",   "btnFind", "btnExcel", "btnDelete",
                                "btnClear",  "btnEdit", "btnCopy",  "btnRowAdd",
                                "btnCancel", "btnExit", "btnPrint"};

void enable(QWidget* screen, std::initializer_list<const char*> names) {
    for (const char* name : names)
        if (auto* w = screen->findChild<QWidget*>(QString::fromLatin1(name)))
            w->setEnabled(true);
}
} // namespace

void gfIME_ENGLISH(QWidget* textBox) {
    if (!textBox)
        return;
    textBox->setInputMethodHints(textBox->inputMethodHints() | Qt::ImhLatinOnly |
                                 Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
    if (ImeEnglishFilter::applyNow(textBox))
        return;
    if (!textBox->findChild<ImeEnglishFilter*>(QString(), Qt::FindDirectChildrenOnly))
        new ImeEnglishFilter(textBox);
}

QString authorityStatement(const QString& screenName, const QString& prefix,
                           const QString& userId) {
    QString sql;
    sql += QStringLiteral("\nSelect");
    sql += QStringLiteral("\n    CAST(authority_s as varchar)+CAST(authority_i as varchar "
                          ")+CAST(authority_u as varchar)+CAST(authority_d as varchar)");
    sql += QStringLiteral("\nFrom");
    sql += QStringLiteral("\n    B_Authority");
    sql += QStringLiteral("\nWhere");
    sql += QStringLiteral("\n    form_name='") + gfSQL_STR(screenName) + QStringLiteral("'");
    sql += QStringLiteral("\nAND");
    sql += QStringLiteral("\n    form_code LIKE '") + gfSQL_STR(prefix) + QStringLiteral("%'");
    if (userId.toUpper() != masterCode()) {
        sql += QStringLiteral("\nAND");
        sql += QStringLiteral("\n    employee_no='") + gfSQL_STR(userId) + QStringLiteral("'");
    }
    return sql;
}

void applyAuthority(QWidget* screen, const QString& rights, const QString& userId) {
    for (const char* name : kButtons)
        if (auto* w = screen->findChild<QWidget*>(QString::fromLatin1(name)))
            w->setEnabled(false);
    enable(screen, {"btnExit"});
    if (rights.mid(0, 1) == QLatin1String("1"))
        enable(screen, {"btnFind", "btnClear", "btnExcel"});
    if (rights.mid(1, 1) == QLatin1String("1"))
        enable(screen, {"btnFind", "btnClear", "btnSave", "btnCopy", "btnRowAdd", "btnCancel"});
    if (rights.mid(2, 1) == QLatin1String("1"))
        enable(screen, {"btnFind", "btnClear", "btnEdit", "btnCancel"});
    if (rights.mid(3, 1) == QLatin1String("1"))
        enable(screen, {"btnFind", "btnClear", "btnDelete", "btnCancel"});
    if (userId == masterCode())
        for (const char* name : kButtons)
            enable(screen, {name});
}

void gfMENU_AUTHORITY(const QString& screenName, const QString& caption, QWidget* screen) {
    Q_UNUSED(caption);
    if (!screen)
        return;
    const QString prefix =
        gfGET_VALUE(QStringLiteral("SELECT ISNULL(MAX(LEFT(form_code,5)), '00000') FROM B_MENU"),
                    screenName)
            .toString();
    const QString rights =
        gfGET_VALUE(authorityStatement(screenName, prefix, gsUSER_ID), screenName).toString();
    applyAuthority(screen, rights, gsUSER_ID);
    screen->setWindowState(screen->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
}
