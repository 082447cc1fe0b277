#include "tests/db/catalogue.h"

using namespace Qt::Literals::StringLiterals;

namespace {
const QString kAudit = u" last_date last_time user_id"_s;

QString numbered(const QString& prefix, int from, int to, const QString& suffix = {}) {
    QStringList names;
    for (int i = from; i <= to; ++i)
        names << prefix + QString::number(i) + suffix;
    return names.join(QLatin1Char(' '));
}

QString storeColumns() {
    return u"idx ipgo_no ipgo_no_sub culgo_no culgo_no_sub product_code ipgo_su culgo_su "
           u"culgo_type "
           u"lot_no jego_su reg_date"_s +
           kAudit;
}

QString ticketColumns() {
    const QStringList both = {
        u"Process_name"_s,  u"Car_Name"_s, u"Qty"_s,          u"Palette_ea"_s, u"Jakup_Date"_s,
        u"Product_code"_s,  u"Pumbun"_s,   u"Product_name"_s, u"Lot_no"_s,     u"BarCode"_s,
        u"employee_name"_s, u"Bigo"_s,     u"op_seq_sub"_s};
    QStringList names = {u"idx"_s, u"Car_Name3"_s};
    for (const QString& n : both)
        names << n << n + u"2"_s;
    return names.join(QLatin1Char(' '));
}

QString mouldSheetColumns() {
    QStringList names = {u"op_seq_sub product_code test_date"_s};
    for (const QString& group : {u"cylinder"_s, u"sacul"_s, u"speed"_s, u"mm"_s})
        names << numbered(group, 1, 5);
    names << u"time_s_ju time_s_ya time_n_ju time_n_ya time_h_ju time_h_ya"_s;
    for (const QString& group :
         {u"cv_ju"_s, u"shot_ju"_s, u"gadong_ju"_s, u"cv_ya"_s, u"shot_ya"_s, u"gadong_ya"_s})
        names << numbered(group, 1, 3);
    return names.join(QLatin1Char(' '));
}
} // namespace

QList<CatalogueTable> catalogue() {
    const QList<std::pair<QString, QString>> tables = {
        {u"B_EMPLOYEE"_s, u"idx employee_no employee_name pwd emp_power"_s},
        {u"B_EQUIPMENT"_s,
         u"equipment_code equipment_name process_code ipaddress img_ip monitor"_s},
        {u"B_EQUIPMENT_TIME"_s, u"equipment_code process_code product_code"_s},
        {u"B_PROCESS"_s, u"process_code process_name"_s},
        {u"B_PRODUCT_MASTER"_s,
         u"product_code pumbun eono product_name standard car_code type "
         u"product_type_code unit_code palette_ea culha_pumbun abc use_yn"_s},
        {u"B_CAR"_s, u"car_code car_name"_s},
        {u"B_PRODUCT_TYPE"_s, u"product_type_code"_s},
        {u"B_PALETTE"_s, u"palette_code"_s},
        {u"B_ABC"_s, u"abc abc_gubun"_s},
        {u"B_BOM"_s, u"bom_code high_bom_code product_code usage"_s},
        {u"B_METALLIC"_s, u"mold_no product_code metallic_type_code"_s},
        {u"B_METALLIC_TYPE"_s, u"metallic_type_code test_su"_s},
        {u"B_METALLIC_REPAIR"_s, u"mold_no product_code repair_date"_s},
        {u"B_METALLIC_COUNT"_s, u"op_seq_sub mold_no product_code qty jakup_date"_s + kAudit},
        {u"B_PROCESSBAD"_s, u"processbad_code processbad_name"_s},
        {u"B_PROCESSBAD1"_s, u"process_code processbad_code"_s},
        {u"B_BIGADONG"_s, u"bigadong_code bigadong_name"_s},
        {u"B_TESTLIST"_s, u"testlist_code testlist_name testlist_type_code"_s},
        {u"B_TESTLIST_TYPE"_s, u"testlist_type_code testlist_type_name"_s},
        {u"B_MENU"_s, u"form_code form_name"_s},
        {u"B_Authority"_s,
         u"employee_no form_name form_code authority_s authority_i authority_u authority_d"_s},
        {u"B_JAKUPJISI_MASTER"_s, u"prod_no seq sunbun process_code equipment_code cproduct_code "
                                  u"product_code pumbun palette_code "
                                  u"plan_qty order_qty qty bad_qty end_yn employee_su employee "
                                  u"employee_no bom_code juya_gubun "
                                  u"jisi_date jisi_time real_jakup"_s +
                                      kAudit},
        {u"P_SANGSAN_MASTER"_s,
         u"idx prod_no seq op_seq op_seq_sub process_code equipment_code product_code jisiqty qty "
         u"bad_qty "
         u"sdate stime edate etime min jisi_date jakup_date employee_su employee_no lot_no"_s +
             kAudit},
        {u"P_BADQTY"_s, u"idx prod_no seq op_seq op_seq_sub processbad_code bad_qty process_code "
                        u"equipment_code bigo product_code employee_no"_s +
                            kAudit},
        {u"P_BIGADONG"_s,
         u"idx prod_no seq op_seq op_seq_sub equipment_code bigadong_code biga_date sdate "
         u"stime edate etime min employee_su bigo"_s +
             kAudit},
        {u"REAL_TIME"_s, u"equipment_code bigadong work_time"_s},
        {u"P_PRODUCT_IPGO"_s,
         u"ipgo_no ipgo_no_sub ipgo_date product_code lot_no operation_no_sub ipgo_su "
         u"palette_su ipgo_price ipgo_price_sum bigo employee_no"_s +
             kAudit},
        {u"P_PRODUCT_STORE"_s, storeColumns()},
        {u"P_PRODUCT_CULHA"_s, u"culha_date culha_su"_s},
        {u"P_PRODUCT_SUJU_TALVEN"_s, u"chulha_date balju_su"_s},
        {u"S_PRODUCT_STORE"_s, storeColumns()},
        {u"S_LOT_HISTORY"_s,
         u"ipgo_no_sub ipgo_product_code culgo_no_sub culgo_product_code lot_no "
         u"culgo_lot_no process_code equipment_code reg_date"_s},
        {u"PANLE_S_LOT_HISTORY"_s, u"H_product_code S_product_code lot_no"_s},
        {u"M_MATERIAL_IPHA"_s, u"product_code lot_no"_s},
        {u"S_PRODUCTIONPLAN_TOTAL"_s,
         u"product_code productionplan_month "_s + numbered(u"day_"_s, 1, 31)},
        {u"S_PRODUCTIONPLAN_MONTH"_s,
         u"product_code productionplan_month "_s + numbered(u"day_"_s, 1, 31)},
        {u"S_DATAREPORT1"_s, ticketColumns()},
        {u"Q_CHOJUNGJONGTEST_STD"_s, u"process_test_num product_code reg_yn path"_s},
        {u"Q_CHOJUNGJONGTEST_STD_SUB"_s,
         u"process_test_num process_test_num_sub testlist_code spec_std "
         u"spec_min spec_max spec_unit process_test_gu process_siryo_su sortby"_s},
        {u"Q_CHOJUNGJONGTEST_RESULT"_s,
         u"prod_no seq product_code process_test_num process_test_check process_test_result "
         u"process_test_select process_test_su process_tester_id lot_no process_test_date "
         u"process_pass_su "
         u"process_bad_su process_num process_juya bigo"_s +
             kAudit},
        {u"Q_CHOJUNGJONGTEST_RESULT_SUB"_s,
         u"seq process_test_num process_test_num_sub process_test_date product_code process_num "_s +
             numbered(u"x"_s, 1, 9) +
             u" process_check process_test_result_sub process_juya contents_sub time"_s + kAudit},
        {u"Q_MOLDTEST_RESULT"_s, mouldSheetColumns()},
    };
    QList<CatalogueTable> out;
    for (const auto& [name, columns] : tables)
        out.append({name, columns.split(QLatin1Char(' '), Qt::SkipEmptyParts)});
    return out;
}
