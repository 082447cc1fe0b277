#include "db/demomasterdata.h"

#include "db/sqlscript.h"

using namespace Qt::Literals::StringLiterals;

namespace {
const QString kFinished = u"완제품"_s;

struct Employee {
    QString no, name, pwd, power;
};
// Workers log in with their number and password (digits only, so the login keypad
// reaches them); 3001 is the quality inspector, 1001 the shift leader.
const QList<Employee> kEmployees = {
    {u"1001"_s, u"한상우"_s, u"1234"_s, u"ADMIN"_s}, {u"2001"_s, u"김도윤"_s, u"1111"_s, u"USER"_s},
    {u"2002"_s, u"이하은"_s, u"2222"_s, u"USER"_s},  {u"2003"_s, u"박준서"_s, u"3333"_s, u"USER"_s},
    {u"2004"_s, u"최서윤"_s, u"4444"_s, u"USER"_s},  {u"2005"_s, u"정민재"_s, u"5555"_s, u"USER"_s},
    {u"2006"_s, u"강지아"_s, u"6666"_s, u"USER"_s},  {u"3001"_s, u"윤태희"_s, u"7777"_s, u"QC"_s},
};

struct Code {
    QString code, name;
};
const QList<Code> kDefects = {
    {u"P01"_s, u"버(Burr)"_s}, {u"P02"_s, u"찍힘"_s},     {u"P03"_s, u"크랙"_s},
    {u"P04"_s, u"치수불량"_s}, {u"I01"_s, u"미성형"_s},   {u"I02"_s, u"수축(싱크)"_s},
    {u"I03"_s, u"은줄"_s},     {u"I04"_s, u"웰드라인"_s}, {u"A01"_s, u"조립불량"_s},
    {u"A02"_s, u"부품누락"_s}, {u"A03"_s, u"작동불량"_s}, {u"C01"_s, u"스크래치"_s},
    {u"C02"_s, u"이물"_s},
};
const QList<std::pair<QString, QStringList>> kDefectsPerProcess = {
    {u"1000"_s, {u"P01"_s, u"P02"_s, u"P03"_s, u"P04"_s, u"C01"_s}},
    {u"0001"_s, {u"I01"_s, u"I02"_s, u"I03"_s, u"I04"_s, u"C01"_s, u"C02"_s}},
    {u"0002"_s, {u"A01"_s, u"A02"_s, u"A03"_s, u"C01"_s, u"C02"_s}},
};
const QList<Code> kDowntime = {
    {u"01"_s, u"금형교체"_s}, {u"02"_s, u"자재대기"_s}, {u"03"_s, u"설비고장"_s},
    {u"04"_s, u"품질이상"_s}, {u"05"_s, u"작업준비"_s}, {u"06"_s, u"기타"_s},
};

struct StdItem {
    QString sub, testlist, standard, min, max, unit, gauge;
    int samples;
};
struct Standard {
    QString num, product, regYn, picture;
    QList<StdItem> items;
};
// Two-sided limits, one-sided limits ("-" is no limit) and visual items without limits.
const QList<Standard> kStandards = {
    {u"QS-FG01-02"_s,
     u"FG01"_s,
     u"1"_s,
     u"QS-FG01-02.jpg"_s,
     {{u"01"_s, u"L01"_s, u"120 ± 0.2"_s, u"119.8"_s, u"120.2"_s, u"mm"_s, u"버니어캘리퍼스"_s, 1},
      {u"02"_s, u"L02"_s, u"15 N 이하"_s, u"-"_s, u"15"_s, u"N"_s, u"푸시풀게이지"_s, 1},
      {u"03"_s, u"L03"_s, u"8 N·m 이상"_s, u"8"_s, u"-"_s, u"N·m"_s, u"토크렌치"_s, 1},
      {u"04"_s, u"L04"_s, u"스크래치, 찍힘, 이물 없을 것\n한도견본 기준"_s, u""_s, u""_s, u""_s,
       u"육안"_s, 1}}},
    {u"QS-FG01-01"_s,
     u"FG01"_s,
     u"0"_s,
     u""_s,
     {{u"01"_s, u"L01"_s, u"120 ± 0.3"_s, u"119.7"_s, u"120.3"_s, u"mm"_s, u"버니어캘리퍼스"_s,
       1}}},
    {u"QS-SF01-01"_s,
     u"SF01"_s,
     u"1"_s,
     u"QS-SF01-01.jpg"_s,
     {{u"01"_s, u"L05"_s, u"2.5 ± 0.1"_s, u"2.4"_s, u"2.6"_s, u"mm"_s, u"마이크로미터"_s, 3},
      {u"02"_s, u"L06"_s, u"42.5 ± 1.0"_s, u"41.5"_s, u"43.5"_s, u"g"_s, u"전자저울"_s, 3},
      {u"03"_s, u"L07"_s, u"미성형 없을 것"_s, u""_s, u""_s, u""_s, u"육안"_s, 3}}},
    {u"QS-FG03-01"_s,
     u"FG03"_s,
     u"1"_s,
     u"QS-FG03-01.jpg"_s,
     {{u"01"_s, u"L08"_s, u"45.0 ± 0.1"_s, u"44.9"_s, u"45.1"_s, u"mm"_s, u"핀게이지"_s, 1},
      {u"02"_s, u"L09"_s, u"0.1 이하"_s, u"-"_s, u"0.1"_s, u"mm"_s, u"하이트게이지"_s, 1},
      {u"03"_s, u"L04"_s, u"크랙, 찍힘 없을 것"_s, u""_s, u""_s, u""_s, u"육안"_s, 1}}},
};
} // namespace

DemoMasterData::DemoMasterData(QDate today, QString pictureFolder)
    : m_today(today), m_pictureFolder(std::move(pictureFolder)) {
    m_products = {
        {u"FG01"_s, u"81230-KX100"_s, u"A"_s, u"테일게이트 핸들 ASSY"_s, u"KX1 LH/RH 공용"_s,
         u"KX1"_s, kFinished, u"FG"_s, u"EA"_s, 50, u"KX81230-100"_s, u"A"_s},
        {u"FG02"_s, u"81240-MV300"_s, u"B"_s, u"해치 오퍼 ASSY"_s, u"MV3 테일게이트용"_s, u"MV3"_s,
         kFinished, u"FG"_s, u"EA"_s, 40, u"MV81240-300"_s, u"A"_s},
        {u"FG03"_s, u"82651-TR500"_s, u"A"_s, u"도어 체커 브라켓"_s, u"SAPH440 2.0T"_s, u"TR5"_s,
         kFinished, u"FG"_s, u"EA"_s, 100, u"TR82651-500"_s, u"A"_s},
        {u"SF01"_s, u"81231-KX100"_s, u"A"_s, u"핸들 하우징"_s, u"PP+GF20 BK"_s, u"KX1"_s,
         u"반제품"_s, u"SF"_s, u"EA"_s, 200, u""_s, u"B"_s},
        {u"SF02"_s, u"81241-MV300"_s, u"A"_s, u"오퍼 커버"_s, u"ABS 내열 BK"_s, u"MV3"_s,
         u"반제품"_s, u"SF"_s, u"EA"_s, 150, u""_s, u"B"_s},
        {u"SF03"_s, u"81232-KX100"_s, u"A"_s, u"핸들 레버 브라켓"_s, u"SPCC 1.2T"_s, u"KX1"_s,
         u"반제품"_s, u"SF"_s, u"EA"_s, 300, u""_s, u"B"_s},
        {u"SF04"_s, u"81242-MV300"_s, u"A"_s, u"오퍼 베이스"_s, u"ABS 내열 BK"_s, u"MV3"_s,
         u"반제품"_s, u"SF"_s, u"EA"_s, 150, u""_s, u"B"_s},
        {u"RM01"_s, u"PP-GF20-BK"_s, u"-"_s, u"PP 수지 GF20 흑색"_s, u"25KG/BAG"_s, u"COM"_s,
         u"원자재"_s, u"RM"_s, u"KG"_s, 25, u""_s, u"C"_s},
        {u"RM02"_s, u"ABS-HR-BK"_s, u"-"_s, u"ABS 수지 내열 흑색"_s, u"25KG/BAG"_s, u"COM"_s,
         u"원자재"_s, u"RM"_s, u"KG"_s, 25, u""_s, u"C"_s},
        {u"RM03"_s, u"SPCC-1.2-BL"_s, u"-"_s, u"냉연강판 블랭크 1.2T"_s, u"1.2T×300×450"_s,
         u"COM"_s, u"원자재"_s, u"RM"_s, u"EA"_s, 500, u""_s, u"C"_s},
        {u"RM04"_s, u"SPR-0712"_s, u"-"_s, u"리턴 스프링"_s, u"SWP-A Ø0.7"_s, u"COM"_s, u"부자재"_s,
         u"SM"_s, u"EA"_s, 1000, u""_s, u"C"_s},
        {u"RM05"_s, u"BLT-M6X16"_s, u"-"_s, u"플랜지 볼트 M6×16"_s, u"SWCH10A"_s, u"COM"_s,
         u"부자재"_s, u"SM"_s, u"EA"_s, 2000, u""_s, u"C"_s},
        {u"RM06"_s, u"SAPH-2.0-BL"_s, u"-"_s, u"열연강판 블랭크 2.0T"_s, u"SAPH440 2.0T×200×300"_s,
         u"COM"_s, u"원자재"_s, u"RM"_s, u"EA"_s, 400, u""_s, u"C"_s},
    };
    m_bom = {
        {u"FG01"_s, u"SF01"_s, 10000}, {u"FG01"_s, u"SF03"_s, 10000}, {u"FG01"_s, u"RM04"_s, 20000},
        {u"FG01"_s, u"RM05"_s, 20000}, {u"FG02"_s, u"SF02"_s, 10000}, {u"FG02"_s, u"SF04"_s, 10000},
        {u"FG02"_s, u"RM04"_s, 10000}, {u"FG02"_s, u"RM05"_s, 40000}, {u"FG03"_s, u"RM06"_s, 10000},
        {u"SF01"_s, u"RM01"_s, 3500},  {u"SF02"_s, u"RM02"_s, 4200},  {u"SF03"_s, u"RM03"_s, 5000},
        {u"SF04"_s, u"RM02"_s, 2800},
    };
    // Most machines are served by the demo terminal 127.0.0.1; R012 belongs to another PC.
    // R017 may run several jobs at once; R015 shows its product on the picture board.
    m_machines = {
        {u"R001"_s, u"프레스 1호기 (300T)"_s, u"1000"_s, u"127.0.0.1"_s, u""_s, u"1"_s, u"2001"_s,
         1},
        {u"R002"_s, u"프레스 2호기 (500T)"_s, u"1000"_s, u"127.0.0.1"_s, u""_s, u"1"_s, u"2002"_s,
         1},
        {u"R010"_s, u"사출기 450T"_s, u"0001"_s, u"127.0.0.1"_s, u""_s, u"1"_s, u"2003"_s, 1},
        {u"R011"_s, u"사출기 650T"_s, u"0001"_s, u"127.0.0.1"_s, u""_s, u"1"_s, u"2004"_s, 1},
        {u"R012"_s, u"사출기 850T"_s, u"0001"_s, u"192.168.10.23"_s, u""_s, u"1"_s, u"2005"_s, 1},
        {u"R015"_s, u"조립 1라인"_s, u"0002"_s, u"127.0.0.1"_s, u"127.0.0.1"_s, u"2"_s, u"2006"_s,
         3},
        {u"R016"_s, u"조립 2라인"_s, u"0002"_s, u"127.0.0.1"_s, u""_s, u"1"_s, u"2001"_s, 2},
        {u"R017"_s, u"용접 로봇셀"_s, u"0002"_s, u"127.0.0.1"_s, u""_s, u"1"_s, u"2002"_s, 2},
    };
    m_moulds = {
        {u"M-SF01-01"_s, u"SF01"_s, u"IJ-S"_s, {62, 20}},
        {u"M-SF02-01"_s, u"SF02"_s, u"IJ-M"_s, {25}},
        {u"M-SF04-01"_s, u"SF04"_s, u"IJ-M"_s, {25}},
        {u"M-SF03-01"_s, u"SF03"_s, u"PR-A"_s, {10}},
        // Repaired long ago: its shots since then are past the inspection interval.
        {u"M-FG03-01"_s, u"FG03"_s, u"PR-B"_s, {40}},
    };
}

void DemoMasterData::write(SqlScript& script) const {
    script.comment(u"Master data"_s);
    for (const auto& [code, name] : QList<std::pair<QString, QString>>{
             {u"1000"_s, u"프레스"_s}, {u"0001"_s, u"사출"_s}, {u"0002"_s, u"조립"_s}})
        script.insert(u"B_PROCESS"_s, {{u"process_code"_s, code}, {u"process_name"_s, name}});
    writeItems(script);
    writeMachines(script);
    writeMoulds(script);
    writeCodes(script);
    writePeople(script);
    writeStandards(script);
}

void DemoMasterData::writeItems(SqlScript& script) const {
    for (const auto& [code, name] : QList<std::pair<QString, QString>>{{u"KX1"_s, u"KX1"_s},
                                                                       {u"MV3"_s, u"MV3"_s},
                                                                       {u"TR5"_s, u"TR5"_s},
                                                                       {u"COM"_s, u"공용"_s}})
        script.insert(u"B_CAR"_s, {{u"car_code"_s, code}, {u"car_name"_s, name}});
    for (const auto& [code, name] : QList<std::pair<QString, QString>>{{u"FG"_s, u"완제품"_s},
                                                                       {u"SF"_s, u"반제품"_s},
                                                                       {u"RM"_s, u"원자재"_s},
                                                                       {u"SM"_s, u"부자재"_s}})
        script.insert(u"B_PRODUCT_TYPE"_s,
                      {{u"product_type_code"_s, code}, {u"product_type_name"_s, name}});
    for (const auto& [code, name] : QList<std::pair<QString, QString>>{
             {u"A"_s, u"제품"_s}, {u"B"_s, u"반제품"_s}, {u"C"_s, u"자재"_s}})
        script.insert(u"B_ABC"_s, {{u"abc"_s, code}, {u"abc_gubun"_s, name}});
    for (const auto& [code, name] : QList<std::pair<QString, QString>>{
             {u"PL01"_s, u"플라스틱 박스"_s}, {u"PL02"_s, u"철제 팔레트"_s}})
        script.insert(u"B_PALETTE"_s, {{u"palette_code"_s, code}, {u"palette_name"_s, name}});
    for (const Product& p : m_products)
        script.insert(u"B_PRODUCT_MASTER"_s, {{u"product_code"_s, p.code},
                                              {u"pumbun"_s, p.pumbun},
                                              {u"eono"_s, p.eono},
                                              {u"product_name"_s, p.name},
                                              {u"standard"_s, p.standard},
                                              {u"car_code"_s, p.car},
                                              {u"type"_s, p.type},
                                              {u"product_type_code"_s, p.typeCode},
                                              {u"unit_code"_s, p.unit},
                                              {u"palette_ea"_s, p.paletteEa},
                                              {u"culha_pumbun"_s, p.culhaPumbun},
                                              {u"abc"_s, p.abc},
                                              {u"use_yn"_s, 1}});
    // Each product's own row, then one row per material below it.
    QStringList parents;
    for (const BomLine& b : m_bom)
        if (!parents.contains(b.parent))
            parents << b.parent;
    for (const QString& parent : parents) {
        const QString root = u"BOM-"_s + parent;
        script.insert(u"B_BOM"_s, {{u"bom_code"_s, root},
                                   {u"high_bom_code"_s, u""_s},
                                   {u"product_code"_s, parent},
                                   {u"usage"_s, 1}});
        int n = 0;
        for (const BomLine& b : bom(parent))
            script.insert(u"B_BOM"_s,
                          {{u"bom_code"_s, root + u"-%1"_s.arg(++n, 2, 10, QLatin1Char('0'))},
                           {u"high_bom_code"_s, root},
                           {u"product_code"_s, b.material},
                           {u"usage"_s, b.usageTenThousandths / 10000.0}});
    }
}

void DemoMasterData::writeMachines(SqlScript& script) const {
    for (const Machine& m : m_machines)
        script.insert(u"B_EQUIPMENT"_s, {{u"equipment_code"_s, m.code},
                                         {u"equipment_name"_s, m.name},
                                         {u"process_code"_s, m.process},
                                         {u"ipaddress"_s, m.ip},
                                         {u"img_ip"_s, m.imgIp},
                                         {u"monitor"_s, m.monitor}});
    const QList<std::pair<QString, QStringList>> makes = {
        {u"R001"_s, {u"SF03"_s, u"FG03"_s}},
        {u"R002"_s, {u"SF03"_s, u"FG03"_s}},
        {u"R010"_s, {u"SF01"_s}},
        {u"R011"_s, {u"SF02"_s, u"SF04"_s}},
        {u"R012"_s, {u"SF02"_s, u"SF04"_s}},
        {u"R015"_s, {u"FG01"_s}},
        {u"R016"_s, {u"FG02"_s}},
        {u"R017"_s, {u"FG01"_s, u"FG02"_s}},
    };
    for (const auto& [equipment, items] : makes)
        for (const QString& item : items)
            script.insert(u"B_EQUIPMENT_TIME"_s, {{u"equipment_code"_s, equipment},
                                                  {u"process_code"_s, machine(equipment).process},
                                                  {u"product_code"_s, item}});
}

void DemoMasterData::writeMoulds(SqlScript& script) const {
    const QList<std::tuple<QString, QString, int>> types = {
        {u"IJ-S"_s, u"사출 소형"_s, 10000},
        {u"IJ-M"_s, u"사출 중형"_s, 8000},
        {u"PR-A"_s, u"프레스 순차이송"_s, 20000},
        {u"PR-B"_s, u"프레스 단발"_s, 4000}};
    for (const auto& [code, name, shots] : types)
        script.insert(u"B_METALLIC_TYPE"_s, {{u"metallic_type_code"_s, code},
                                             {u"metallic_type_name"_s, name},
                                             {u"test_su"_s, shots}});
    for (const Mould& m : m_moulds) {
        script.insert(u"B_METALLIC"_s, {{u"mold_no"_s, m.moldNo},
                                        {u"product_code"_s, m.product},
                                        {u"metallic_type_code"_s, m.type}});
        for (int days : m.repairedDaysAgo)
            script.insert(u"B_METALLIC_REPAIR"_s,
                          {{u"mold_no"_s, m.moldNo},
                           {u"product_code"_s, m.product},
                           {u"repair_date"_s, date(m_today.addDays(-days))}});
    }
}

void DemoMasterData::writeCodes(SqlScript& script) const {
    for (const Code& c : kDefects)
        script.insert(u"B_PROCESSBAD"_s,
                      {{u"processbad_code"_s, c.code}, {u"processbad_name"_s, c.name}});
    for (const auto& [process, codes] : kDefectsPerProcess)
        for (const QString& code : codes)
            script.insert(u"B_PROCESSBAD1"_s,
                          {{u"process_code"_s, process}, {u"processbad_code"_s, code}});
    for (const Code& c : kDowntime)
        script.insert(u"B_BIGADONG"_s,
                      {{u"bigadong_code"_s, c.code}, {u"bigadong_name"_s, c.name}});
    for (const auto& [code, name] : QList<std::pair<QString, QString>>{
             {u"T01"_s, u"치수"_s}, {u"T02"_s, u"성능"_s}, {u"T03"_s, u"외관"_s}})
        script.insert(u"B_TESTLIST_TYPE"_s,
                      {{u"testlist_type_code"_s, code}, {u"testlist_type_name"_s, name}});
    const QList<std::tuple<QString, QString, QString>> items = {
        {u"L01"_s, u"전장 길이"_s, u"T01"_s},   {u"L02"_s, u"레버 작동력"_s, u"T02"_s},
        {u"L03"_s, u"체결 토크"_s, u"T02"_s},   {u"L04"_s, u"외관 상태"_s, u"T03"_s},
        {u"L05"_s, u"두께"_s, u"T01"_s},        {u"L06"_s, u"제품 중량"_s, u"T02"_s},
        {u"L07"_s, u"미성형 유무"_s, u"T03"_s}, {u"L08"_s, u"홀 피치"_s, u"T01"_s},
        {u"L09"_s, u"버 높이"_s, u"T01"_s}};
    for (const auto& [code, name, type] : items)
        script.insert(u"B_TESTLIST"_s, {{u"testlist_code"_s, code},
                                        {u"testlist_name"_s, name},
                                        {u"testlist_type_code"_s, type}});
}

void DemoMasterData::writePeople(SqlScript& script) const {
    for (const Employee& e : kEmployees)
        script.insert(u"B_EMPLOYEE"_s, {{u"employee_no"_s, e.no},
                                        {u"employee_name"_s, e.name},
                                        {u"pwd"_s, e.pwd},
                                        {u"emp_power"_s, e.power}});
    // Two menu versions; the rights belong to the current one ("M0002").
    const QString form = u"frm_S_Report_Suju_Chulha"_s;
    script.insert(u"B_MENU"_s, {{u"form_code"_s, u"M0001-RP01"_s}, {u"form_name"_s, form}});
    script.insert(u"B_MENU"_s, {{u"form_code"_s, u"M0002-RP01"_s}, {u"form_name"_s, form}});
    const QList<std::pair<QString, QString>> rights = {
        {u"1001"_s, u"1111"_s}, {u"3001"_s, u"1000"_s}, {u"2001"_s, u"1000"_s}};
    for (const auto& [employee, r] : rights)
        script.insert(u"B_Authority"_s, {{u"employee_no"_s, employee},
                                         {u"form_name"_s, form},
                                         {u"form_code"_s, u"M0002-RP01"_s},
                                         {u"authority_s"_s, r.mid(0, 1)},
                                         {u"authority_i"_s, r.mid(1, 1)},
                                         {u"authority_u"_s, r.mid(2, 1)},
                                         {u"authority_d"_s, r.mid(3, 1)}});
}

void DemoMasterData::writeStandards(SqlScript& script) const {
    for (const Standard& s : kStandards) {
        script.insert(u"Q_CHOJUNGJONGTEST_STD"_s,
                      {{u"process_test_num"_s, s.num},
                       {u"product_code"_s, s.product},
                       {u"reg_yn"_s, s.regYn},
                       {u"path"_s, s.picture.isEmpty() ? QString() : picturePath(s.picture)}});
        int order = 0;
        for (const StdItem& i : s.items)
            script.insert(u"Q_CHOJUNGJONGTEST_STD_SUB"_s,
                          {{u"process_test_num"_s, s.num},
                           {u"process_test_num_sub"_s, s.num + u"-"_s + i.sub},
                           {u"testlist_code"_s, i.testlist},
                           {u"spec_std"_s, i.standard},
                           {u"spec_min"_s, i.min},
                           {u"spec_max"_s, i.max},
                           {u"spec_unit"_s, i.unit},
                           {u"process_test_gu"_s, i.gauge},
                           {u"process_siryo_su"_s, i.samples},
                           {u"sortby"_s, ++order}});
    }
}

QString DemoMasterData::picturePath(const QString& file) const {
    if (m_pictureFolder.isEmpty())
        return file;
    const QChar sep =
        m_pictureFolder.contains(QLatin1Char('\\')) ? QLatin1Char('\\') : QLatin1Char('/');
    return m_pictureFolder.endsWith(sep) ? m_pictureFolder + file : m_pictureFolder + sep + file;
}

const DemoMasterData::Product& DemoMasterData::product(const QString& code) const {
    for (const Product& p : m_products)
        if (p.code == code)
            return p;
    return m_products.front();
}

const DemoMasterData::Machine& DemoMasterData::machine(const QString& code) const {
    for (const Machine& m : m_machines)
        if (m.code == code)
            return m;
    return m_machines.front();
}

QList<DemoMasterData::BomLine> DemoMasterData::bom(const QString& parent) const {
    QList<BomLine> lines;
    for (const BomLine& b : m_bom)
        if (b.parent == parent)
            lines << b;
    return lines;
}

bool DemoMasterData::isFinished(const QString& productCode) const {
    return product(productCode).type == kFinished;
}

QString DemoMasterData::mouldOf(const QString& productCode) const {
    for (const Mould& m : m_moulds)
        if (m.product == productCode)
            return m.moldNo;
    return {};
}

QStringList DemoMasterData::defectCodes(const QString& process) const {
    for (const auto& [p, codes] : kDefectsPerProcess)
        if (p == process)
            return codes;
    return {};
}

QStringList DemoMasterData::downtimeCodes() const {
    QStringList codes;
    for (const Code& c : kDowntime)
        codes << c.code;
    return codes;
}

QString DemoMasterData::employeeName(const QString& employeeNo) const {
    for (const Employee& e : kEmployees)
        if (e.no == employeeNo)
            return e.name;
    return {};
}
