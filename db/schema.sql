-- Tables of the plant database that the shop-floor client reads and writes.
--
-- Runs unchanged on SQL Server (a fresh, empty database) and, through the program's
-- dialect layer, on an embedded SQLite file:  mes-sql --db FILE < db/schema.sql
--
-- Textual forms the program writes and compares:
--   dates "yyyy-mm-dd" varchar(10), months "yyyy-mm" varchar(7), run and stop times
--   "HH:MM" varchar(5), audit time last_time "hhmmss" varchar(6).
--   Counts (qty, bad_qty, order_qty, min, employee_su, ...) are int: statements splice
--   them unquoted into arithmetic and quoted into value lists, and some write an empty
--   text where no count is known, which int takes as 0.
--   Stock quantities are numeric(18,3) (materials are also received by weight).
--   Texts that hold Korean (names, labels, lots, remarks) are nvarchar.
--   idx is an identity where the program only reads it.

-- ---------------------------------------------------------------------------------------
-- Master data
-- ---------------------------------------------------------------------------------------

CREATE TABLE B_EMPLOYEE (
    idx int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    employee_no varchar(20) NOT NULL,
    employee_name nvarchar(30) NULL,
    pwd varchar(30) NULL,
    emp_power varchar(10) NULL
);
CREATE UNIQUE INDEX UX_B_EMPLOYEE_employee_no ON B_EMPLOYEE (employee_no);

CREATE TABLE B_PROCESS (
    process_code varchar(10) NOT NULL PRIMARY KEY,
    process_name nvarchar(50) NULL
);

-- ipaddress: the terminal PC that serves the machine; img_ip: the PC that shows its
-- product picture; monitor '2': shown on the product picture board.
CREATE TABLE B_EQUIPMENT (
    equipment_code varchar(20) NOT NULL PRIMARY KEY,
    equipment_name nvarchar(50) NULL,
    process_code varchar(10) NULL,
    ipaddress varchar(15) NULL,
    img_ip varchar(15) NULL,
    monitor varchar(1) NULL
);
CREATE INDEX IX_B_EQUIPMENT_ipaddress ON B_EQUIPMENT (ipaddress);
CREATE INDEX IX_B_EQUIPMENT_img_ip ON B_EQUIPMENT (img_ip);

-- Which product is made in which process on which machine.
CREATE TABLE B_EQUIPMENT_TIME (
    equipment_code varchar(20) NOT NULL,
    process_code varchar(10) NOT NULL,
    product_code varchar(20) NOT NULL,
    CONSTRAINT PK_B_EQUIPMENT_TIME PRIMARY KEY (equipment_code, process_code, product_code)
);
CREATE INDEX IX_B_EQUIPMENT_TIME_process ON B_EQUIPMENT_TIME (process_code, product_code);

CREATE TABLE B_CAR (
    car_code varchar(10) NOT NULL PRIMARY KEY,
    car_name nvarchar(50) NULL
);

CREATE TABLE B_PRODUCT_TYPE (
    product_type_code varchar(10) NOT NULL PRIMARY KEY,
    product_type_name nvarchar(30) NULL
);

CREATE TABLE B_PALETTE (
    palette_code varchar(10) NOT NULL PRIMARY KEY,
    palette_name nvarchar(30) NULL
);

CREATE TABLE B_ABC (
    abc varchar(10) NOT NULL PRIMARY KEY,
    abc_gubun nvarchar(20) NULL
);

-- Items: finished products, semi-finished parts and materials. type "완제품" marks a
-- finished product; use_yn 1 = item in use (lives only here, so the lot statement that
-- names it without a table stays unambiguous).
CREATE TABLE B_PRODUCT_MASTER (
    product_code varchar(20) NOT NULL PRIMARY KEY,
    pumbun varchar(50) NULL,
    eono varchar(10) NULL,
    product_name nvarchar(100) NULL,
    standard nvarchar(100) NULL,
    car_code varchar(10) NULL,
    type nvarchar(20) NULL,
    product_type_code varchar(10) NULL,
    unit_code varchar(10) NULL,
    palette_ea int NULL,
    culha_pumbun varchar(50) NULL,
    abc varchar(10) NULL,
    use_yn int NOT NULL DEFAULT 1
);
CREATE INDEX IX_B_PRODUCT_MASTER_pumbun ON B_PRODUCT_MASTER (pumbun);

-- Bill of materials: a product's own row has its bom_code; its materials are the rows
-- whose high_bom_code is that code.
CREATE TABLE B_BOM (
    bom_code varchar(30) NOT NULL PRIMARY KEY,
    high_bom_code varchar(30) NULL,
    product_code varchar(20) NOT NULL,
    usage numeric(18,4) NULL
);
CREATE INDEX IX_B_BOM_product_code ON B_BOM (product_code);
CREATE INDEX IX_B_BOM_high_bom_code ON B_BOM (high_bom_code);

-- Moulds, their types (test_su: shots between inspections), repairs and shots per run.
CREATE TABLE B_METALLIC_TYPE (
    metallic_type_code varchar(10) NOT NULL PRIMARY KEY,
    metallic_type_name nvarchar(30) NULL,
    test_su int NULL
);

CREATE TABLE B_METALLIC (
    mold_no varchar(20) NOT NULL PRIMARY KEY,
    product_code varchar(20) NULL,
    metallic_type_code varchar(10) NULL
);
CREATE INDEX IX_B_METALLIC_product_code ON B_METALLIC (product_code);

CREATE TABLE B_METALLIC_REPAIR (
    mold_no varchar(20) NOT NULL,
    product_code varchar(20) NOT NULL,
    repair_date varchar(10) NOT NULL,
    CONSTRAINT PK_B_METALLIC_REPAIR PRIMARY KEY (mold_no, product_code, repair_date)
);

CREATE TABLE B_METALLIC_COUNT (
    op_seq_sub varchar(20) NULL,
    mold_no varchar(20) NULL,
    product_code varchar(20) NULL,
    qty int NULL,
    jakup_date varchar(10) NULL,
    last_date varchar(10) NULL,
    last_time varchar(6) NULL,
    user_id varchar(20) NULL
);
CREATE INDEX IX_B_METALLIC_COUNT_mold ON B_METALLIC_COUNT (mold_no, product_code, jakup_date);
CREATE INDEX IX_B_METALLIC_COUNT_op_seq_sub ON B_METALLIC_COUNT (op_seq_sub);

-- Defect codes and the codes allowed per process; downtime codes.
CREATE TABLE B_PROCESSBAD (
    processbad_code varchar(10) NOT NULL PRIMARY KEY,
    processbad_name nvarchar(50) NULL
);

CREATE TABLE B_PROCESSBAD1 (
    process_code varchar(10) NOT NULL,
    processbad_code varchar(10) NOT NULL,
    CONSTRAINT PK_B_PROCESSBAD1 PRIMARY KEY (process_code, processbad_code)
);
CREATE INDEX IX_B_PROCESSBAD1_processbad_code ON B_PROCESSBAD1 (processbad_code);

CREATE TABLE B_BIGADONG (
    bigadong_code varchar(10) NOT NULL PRIMARY KEY,
    bigadong_name nvarchar(50) NULL
);

-- Inspection items and their types.
CREATE TABLE B_TESTLIST_TYPE (
    testlist_type_code varchar(10) NOT NULL PRIMARY KEY,
    testlist_type_name nvarchar(30) NULL
);

CREATE TABLE B_TESTLIST (
    testlist_code varchar(10) NOT NULL PRIMARY KEY,
    testlist_name nvarchar(50) NULL,
    testlist_type_code varchar(10) NULL
);

-- Screen catalogue (the first five characters of form_code are the menu version) and
-- per-user rights ("1" allowed).
CREATE TABLE B_MENU (
    form_code varchar(20) NOT NULL PRIMARY KEY,
    form_name varchar(50) NULL
);

CREATE TABLE B_Authority (
    employee_no varchar(20) NOT NULL,
    form_name varchar(50) NULL,
    form_code varchar(20) NOT NULL,
    authority_s char(1) NULL,
    authority_i char(1) NULL,
    authority_u char(1) NULL,
    authority_d char(1) NULL,
    CONSTRAINT PK_B_Authority PRIMARY KEY (employee_no, form_code)
);
CREATE INDEX IX_B_Authority_form_name ON B_Authority (form_name, form_code);

-- ---------------------------------------------------------------------------------------
-- Work orders
-- ---------------------------------------------------------------------------------------

-- One row per work order line. prod_no "yyyymmdd" + 3 digits, seq = prod_no + "001".
-- end_yn '1' waiting, '2' running, '3' finished; juya_gubun '1' day, '0' night.
-- qty and bad_qty start at 0: the insert of a new order does not name them.
CREATE TABLE B_JAKUPJISI_MASTER (
    prod_no varchar(20) NOT NULL,
    seq varchar(20) NOT NULL,
    sunbun int NULL,
    process_code varchar(10) NULL,
    equipment_code varchar(20) NULL,
    cproduct_code varchar(20) NULL,
    product_code varchar(20) NULL,
    pumbun varchar(50) NULL,
    palette_code varchar(10) NULL,
    plan_qty int NULL,
    order_qty int NULL,
    qty int NULL DEFAULT 0,
    bad_qty int NULL DEFAULT 0,
    end_yn char(1) NULL,
    employee_su int NULL,
    employee nvarchar(30) NULL,
    employee_no varchar(20) NULL,
    bom_code varchar(30) NULL,
    juya_gubun char(1) NULL,
    jisi_date varchar(10) NULL,
    jisi_time varchar(5) NULL,
    real_jakup char(1) NULL,
    last_date varchar(10) NULL,
    last_time varchar(6) NULL,
    user_id varchar(20) NULL,
    CONSTRAINT PK_B_JAKUPJISI_MASTER PRIMARY KEY (prod_no, seq)
);
CREATE UNIQUE INDEX UX_B_JAKUPJISI_MASTER_seq ON B_JAKUPJISI_MASTER (seq);
CREATE INDEX IX_B_JAKUPJISI_MASTER_jisi_date ON B_JAKUPJISI_MASTER (jisi_date, end_yn);
CREATE INDEX IX_B_JAKUPJISI_MASTER_end_yn ON B_JAKUPJISI_MASTER (end_yn, equipment_code);
CREATE INDEX IX_B_JAKUPJISI_MASTER_equipment ON B_JAKUPJISI_MASTER (equipment_code, end_yn);
CREATE INDEX IX_B_JAKUPJISI_MASTER_product ON B_JAKUPJISI_MASTER (product_code);

-- ---------------------------------------------------------------------------------------
-- Production transactions
-- ---------------------------------------------------------------------------------------

-- Production runs. op_seq = order date "yyyymmdd" + 3 digits; op_seq_sub = op_seq + "001"
-- is the run number that defects, downtime, shots and lots point to.
CREATE TABLE P_SANGSAN_MASTER (
    idx int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    prod_no varchar(20) NULL,
    seq varchar(20) NULL,
    op_seq varchar(20) NULL,
    op_seq_sub varchar(20) NOT NULL,
    process_code varchar(10) NULL,
    equipment_code varchar(20) NULL,
    product_code varchar(20) NULL,
    jisiqty int NULL,
    qty int NULL DEFAULT 0,
    bad_qty int NULL DEFAULT 0,
    sdate varchar(10) NULL,
    stime varchar(5) NULL,
    edate varchar(10) NULL,
    etime varchar(5) NULL,
    min int NULL,
    jisi_date varchar(10) NULL,
    jakup_date varchar(10) NULL,
    employee_su int NULL,
    employee_no varchar(20) NULL,
    lot_no nvarchar(50) NULL,
    last_date varchar(10) NULL,
    last_time varchar(6) NULL,
    user_id varchar(20) NULL
);
CREATE UNIQUE INDEX UX_P_SANGSAN_MASTER_op_seq_sub ON P_SANGSAN_MASTER (op_seq_sub);
CREATE INDEX IX_P_SANGSAN_MASTER_op_seq ON P_SANGSAN_MASTER (op_seq);
CREATE INDEX IX_P_SANGSAN_MASTER_seq ON P_SANGSAN_MASTER (seq);
CREATE INDEX IX_P_SANGSAN_MASTER_jakup_date ON P_SANGSAN_MASTER (jakup_date, process_code);
CREATE INDEX IX_P_SANGSAN_MASTER_jisi_date ON P_SANGSAN_MASTER (jisi_date);

-- Defects, one row per run and defect code.
CREATE TABLE P_BADQTY (
    idx int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    prod_no varchar(20) NULL,
    seq varchar(20) NULL,
    op_seq varchar(20) NULL,
    op_seq_sub varchar(20) NULL,
    processbad_code varchar(10) NULL,
    bad_qty int NULL,
    process_code varchar(10) NULL,
    equipment_code varchar(20) NULL,
    bigo nvarchar(200) NULL,
    product_code varchar(20) NULL,
    employee_no varchar(20) NULL,
    last_date varchar(10) NULL,
    last_time varchar(6) NULL,
    user_id varchar(20) NULL
);
-- Carries the quantity too: the monthly quality board picks its month by the first six
-- characters of op_seq_sub, which no index can seek, so it reads this narrow index instead
-- of the table.
CREATE INDEX IX_P_BADQTY_op_seq_sub ON P_BADQTY (op_seq_sub, processbad_code, bad_qty);

-- Downtime: timed stops (no code, etime NULL while open) and minutes per downtime code.
CREATE TABLE P_BIGADONG (
    idx int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    prod_no varchar(20) NULL,
    seq varchar(20) NULL,
    op_seq varchar(20) NULL,
    op_seq_sub varchar(20) NULL,
    equipment_code varchar(20) NULL,
    bigadong_code varchar(10) NULL,
    biga_date varchar(10) NULL,
    sdate varchar(10) NULL,
    stime varchar(5) NULL,
    edate varchar(10) NULL,
    etime varchar(5) NULL,
    min int NULL,
    employee_su int NULL,
    bigo nvarchar(200) NULL,
    last_date varchar(10) NULL,
    last_time varchar(6) NULL,
    user_id varchar(20) NULL
);
CREATE INDEX IX_P_BIGADONG_op_seq_sub ON P_BIGADONG (op_seq_sub, bigadong_code);
CREATE INDEX IX_P_BIGADONG_biga_date ON P_BIGADONG (biga_date);
CREATE INDEX IX_P_BIGADONG_equipment ON P_BIGADONG (equipment_code, op_seq_sub);

-- Live state per machine: bigadong 'TRUE' stopped, 'FALSE' running.
CREATE TABLE REAL_TIME (
    equipment_code varchar(20) NOT NULL PRIMARY KEY,
    bigadong varchar(5) NULL,
    work_time datetime NULL
);

-- Finished-goods receipts.
CREATE TABLE P_PRODUCT_IPGO (
    ipgo_no varchar(20) NULL,
    ipgo_no_sub varchar(20) NULL,
    ipgo_date varchar(10) NULL,
    product_code varchar(20) NULL,
    lot_no nvarchar(50) NULL,
    operation_no_sub varchar(20) NULL,
    ipgo_su numeric(18,3) NULL,
    palette_su numeric(18,3) NULL,
    ipgo_price numeric(18,2) NULL,
    ipgo_price_sum numeric(18,2) NULL,
    bigo nvarchar(200) NULL,
    employee_no varchar(20) NULL,
    last_date varchar(10) NULL,
    last_time varchar(6) NULL,
    user_id varchar(20) NULL
);
CREATE INDEX IX_P_PRODUCT_IPGO_operation ON P_PRODUCT_IPGO (operation_no_sub);
CREATE INDEX IX_P_PRODUCT_IPGO_product ON P_PRODUCT_IPGO (product_code, ipgo_date);

-- Finished-goods stock ledger; same layout and running balance as S_PRODUCT_STORE.
CREATE TABLE P_PRODUCT_STORE (
    idx int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    ipgo_no varchar(20) NULL,
    ipgo_no_sub varchar(20) NULL,
    culgo_no varchar(20) NULL,
    culgo_no_sub varchar(20) NULL,
    product_code varchar(20) NULL,
    ipgo_su numeric(18,3) NULL,
    culgo_su numeric(18,3) NULL,
    culgo_type nvarchar(20) NULL,
    lot_no nvarchar(50) NULL,
    jego_su numeric(18,3) NULL,
    reg_date varchar(10) NULL,
    last_date varchar(10) NULL,
    last_time varchar(6) NULL,
    user_id varchar(20) NULL
);
CREATE INDEX IX_P_PRODUCT_STORE_product ON P_PRODUCT_STORE (product_code, reg_date, idx);
CREATE INDEX IX_P_PRODUCT_STORE_lot ON P_PRODUCT_STORE (product_code, lot_no);

-- Shipments and customer orders (the boards total them by date).
CREATE TABLE P_PRODUCT_CULHA (
    culha_no varchar(20) NULL,
    product_code varchar(20) NULL,
    culha_date varchar(10) NULL,
    culha_su int NULL
);
CREATE INDEX IX_P_PRODUCT_CULHA_culha_date ON P_PRODUCT_CULHA (culha_date);

CREATE TABLE P_PRODUCT_SUJU_TALVEN (
    suju_no varchar(20) NULL,
    suju_date varchar(10) NULL,
    product_code varchar(20) NULL,
    chulha_date varchar(10) NULL,
    balju_su int NULL
);
CREATE INDEX IX_P_PRODUCT_SUJU_TALVEN_chulha_date ON P_PRODUCT_SUJU_TALVEN (chulha_date);

-- ---------------------------------------------------------------------------------------
-- Stock, lots, plans and print buffers
-- ---------------------------------------------------------------------------------------

-- Stock ledger of materials and work in process, one row per movement; jego_su is the
-- product's balance after the movement (ordered by reg_date, then idx).
CREATE TABLE S_PRODUCT_STORE (
    idx int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    ipgo_no varchar(20) NULL,
    ipgo_no_sub varchar(20) NULL,
    culgo_no varchar(20) NULL,
    culgo_no_sub varchar(20) NULL,
    product_code varchar(20) NULL,
    ipgo_su numeric(18,3) NULL,
    culgo_su numeric(18,3) NULL,
    culgo_type nvarchar(20) NULL,
    lot_no nvarchar(50) NULL,
    jego_su numeric(18,3) NULL,
    reg_date varchar(10) NULL,
    last_date varchar(10) NULL,
    last_time varchar(6) NULL,
    user_id varchar(20) NULL
);
CREATE INDEX IX_S_PRODUCT_STORE_product ON S_PRODUCT_STORE (product_code, reg_date, idx);
CREATE INDEX IX_S_PRODUCT_STORE_lot ON S_PRODUCT_STORE (product_code, lot_no, reg_date);

-- Lot genealogy: which input lot went into which output.
CREATE TABLE S_LOT_HISTORY (
    ipgo_no_sub varchar(20) NULL,
    ipgo_product_code varchar(20) NULL,
    culgo_no_sub varchar(20) NULL,
    culgo_product_code varchar(20) NULL,
    lot_no nvarchar(50) NULL,
    culgo_lot_no nvarchar(50) NULL,
    process_code varchar(10) NULL,
    equipment_code varchar(20) NULL,
    reg_date varchar(10) NULL
);
CREATE INDEX IX_S_LOT_HISTORY_ipgo_no_sub ON S_LOT_HISTORY (ipgo_no_sub);
CREATE INDEX IX_S_LOT_HISTORY_culgo_lot ON S_LOT_HISTORY (culgo_product_code, culgo_lot_no);

-- Lot inputs entered at the machine by another program.
CREATE TABLE PANLE_S_LOT_HISTORY (
    H_product_code varchar(20) NULL,
    S_product_code varchar(20) NULL,
    lot_no nvarchar(50) NULL
);
CREATE INDEX IX_PANLE_S_LOT_HISTORY_product ON PANLE_S_LOT_HISTORY (H_product_code, S_product_code, lot_no);

-- Material receipts.
CREATE TABLE M_MATERIAL_IPHA (
    ipha_no varchar(20) NULL,
    ipha_date varchar(10) NULL,
    product_code varchar(20) NULL,
    lot_no nvarchar(50) NULL,
    ipha_su numeric(18,3) NULL
);
CREATE INDEX IX_M_MATERIAL_IPHA_lot ON M_MATERIAL_IPHA (product_code, lot_no);

-- Monthly production plans: one planned quantity per day in day_1 .. day_31.
CREATE TABLE S_PRODUCTIONPLAN_TOTAL (
    product_code varchar(20) NOT NULL,
    productionplan_month varchar(7) NOT NULL,
    day_1 int NULL, day_2 int NULL, day_3 int NULL, day_4 int NULL, day_5 int NULL,
    day_6 int NULL, day_7 int NULL, day_8 int NULL, day_9 int NULL, day_10 int NULL,
    day_11 int NULL, day_12 int NULL, day_13 int NULL, day_14 int NULL, day_15 int NULL,
    day_16 int NULL, day_17 int NULL, day_18 int NULL, day_19 int NULL, day_20 int NULL,
    day_21 int NULL, day_22 int NULL, day_23 int NULL, day_24 int NULL, day_25 int NULL,
    day_26 int NULL, day_27 int NULL, day_28 int NULL, day_29 int NULL, day_30 int NULL,
    day_31 int NULL,
    CONSTRAINT PK_S_PRODUCTIONPLAN_TOTAL PRIMARY KEY (productionplan_month, product_code)
);

CREATE TABLE S_PRODUCTIONPLAN_MONTH (
    product_code varchar(20) NOT NULL,
    productionplan_month varchar(7) NOT NULL,
    day_1 int NULL, day_2 int NULL, day_3 int NULL, day_4 int NULL, day_5 int NULL,
    day_6 int NULL, day_7 int NULL, day_8 int NULL, day_9 int NULL, day_10 int NULL,
    day_11 int NULL, day_12 int NULL, day_13 int NULL, day_14 int NULL, day_15 int NULL,
    day_16 int NULL, day_17 int NULL, day_18 int NULL, day_19 int NULL, day_20 int NULL,
    day_21 int NULL, day_22 int NULL, day_23 int NULL, day_24 int NULL, day_25 int NULL,
    day_26 int NULL, day_27 int NULL, day_28 int NULL, day_29 int NULL, day_30 int NULL,
    day_31 int NULL,
    CONSTRAINT PK_S_PRODUCTIONPLAN_MONTH PRIMARY KEY (productionplan_month, product_code)
);

-- Buffer of the parts identification ticket: the left ticket and, with "2" appended, the
-- right one. Values are printed as written (quantities included), so all columns are text.
CREATE TABLE S_DATAREPORT1 (
    idx int NULL,
    Process_name nvarchar(50) NULL,
    Car_Name nvarchar(60) NULL,
    Car_Name3 nvarchar(50) NULL,
    Qty varchar(20) NULL,
    Palette_ea varchar(20) NULL,
    Jakup_Date nvarchar(20) NULL,
    Product_code varchar(20) NULL,
    Pumbun varchar(50) NULL,
    Product_name nvarchar(100) NULL,
    Lot_no nvarchar(50) NULL,
    BarCode varchar(30) NULL,
    employee_name nvarchar(30) NULL,
    Bigo nvarchar(200) NULL,
    op_seq_sub varchar(20) NULL,
    Process_name2 nvarchar(50) NULL,
    Car_Name2 nvarchar(60) NULL,
    Qty2 varchar(20) NULL,
    Palette_ea2 varchar(20) NULL,
    Jakup_Date2 nvarchar(20) NULL,
    Product_code2 varchar(20) NULL,
    Pumbun2 varchar(50) NULL,
    Product_name2 nvarchar(100) NULL,
    Lot_no2 nvarchar(50) NULL,
    BarCode2 varchar(30) NULL,
    employee_name2 nvarchar(30) NULL,
    Bigo2 nvarchar(200) NULL,
    op_seq_sub2 varchar(20) NULL
);

-- ---------------------------------------------------------------------------------------
-- Quality
-- ---------------------------------------------------------------------------------------

-- Inspection standard per product (reg_yn '1' in force; path: its reference picture).
CREATE TABLE Q_CHOJUNGJONGTEST_STD (
    process_test_num varchar(20) NOT NULL PRIMARY KEY,
    product_code varchar(20) NULL,
    reg_yn char(1) NULL,
    path nvarchar(260) NULL
);
CREATE INDEX IX_Q_CHOJUNGJONGTEST_STD_product ON Q_CHOJUNGJONGTEST_STD (product_code, reg_yn);

-- Items of a standard; spec_min and spec_max are texts, a non-number means no limit.
CREATE TABLE Q_CHOJUNGJONGTEST_STD_SUB (
    process_test_num varchar(20) NOT NULL,
    process_test_num_sub varchar(20) NOT NULL,
    testlist_code varchar(10) NULL,
    spec_std nvarchar(200) NULL,
    spec_min varchar(20) NULL,
    spec_max varchar(20) NULL,
    spec_unit nvarchar(20) NULL,
    process_test_gu nvarchar(50) NULL,
    process_siryo_su int NULL,
    sortby int NULL,
    CONSTRAINT PK_Q_CHOJUNGJONGTEST_STD_SUB PRIMARY KEY (process_test_num, process_test_num_sub)
);

-- Inspection sheet header, one per product, work order line, standard and shift.
-- process_num "yyyymmdd" + 3 digits per inspection date; process_juya 1 day, 0 night.
CREATE TABLE Q_CHOJUNGJONGTEST_RESULT (
    prod_no varchar(20) NULL,
    seq varchar(20) NULL,
    product_code varchar(20) NULL,
    process_test_num varchar(20) NULL,
    process_test_check char(1) NULL,
    process_test_result char(1) NULL,
    process_test_select char(1) NULL,
    process_test_su int NULL,
    process_tester_id varchar(20) NULL,
    lot_no nvarchar(50) NULL,
    process_test_date varchar(10) NULL,
    process_pass_su int NULL,
    process_bad_su int NULL,
    process_num varchar(20) NULL,
    process_juya int NULL,
    bigo nvarchar(200) NULL,
    last_date varchar(10) NULL,
    last_time varchar(6) NULL,
    user_id varchar(20) NULL
);
-- A sheet number is taken once per shift: the day and the night sheet of a line may share it.
CREATE UNIQUE INDEX UX_Q_CHOJUNGJONGTEST_RESULT_num ON Q_CHOJUNGJONGTEST_RESULT (process_num, process_juya);
CREATE INDEX IX_Q_CHOJUNGJONGTEST_RESULT_line ON Q_CHOJUNGJONGTEST_RESULT (product_code, seq, process_juya);
CREATE INDEX IX_Q_CHOJUNGJONGTEST_RESULT_date ON Q_CHOJUNGJONGTEST_RESULT (process_test_date);

-- One row per standard item of a sheet; x1, x2, x3 are the first, middle and last article.
CREATE TABLE Q_CHOJUNGJONGTEST_RESULT_SUB (
    seq varchar(20) NULL,
    process_test_num varchar(20) NULL,
    process_test_num_sub varchar(20) NULL,
    process_test_date varchar(10) NULL,
    product_code varchar(20) NULL,
    process_num varchar(20) NULL,
    x1 nvarchar(20) NULL,
    x2 nvarchar(20) NULL,
    x3 nvarchar(20) NULL,
    x4 nvarchar(20) NULL,
    x5 nvarchar(20) NULL,
    x6 nvarchar(20) NULL,
    x7 nvarchar(20) NULL,
    x8 nvarchar(20) NULL,
    x9 nvarchar(20) NULL,
    process_check nvarchar(50) NULL,
    process_test_result_sub nvarchar(10) NULL,
    process_juya int NULL,
    contents_sub nvarchar(200) NULL,
    time varchar(10) NULL,
    last_date varchar(10) NULL,
    last_time varchar(6) NULL,
    user_id varchar(20) NULL
);
CREATE INDEX IX_Q_CHOJUNGJONGTEST_RESULT_SUB_num ON Q_CHOJUNGJONGTEST_RESULT_SUB (process_num, process_test_num_sub);
CREATE INDEX IX_Q_CHOJUNGJONGTEST_RESULT_SUB_line ON Q_CHOJUNGJONGTEST_RESULT_SUB (product_code, seq, process_juya, process_test_num_sub);

-- Mould condition sheet, one row per work order line (op_seq_sub holds the line's seq)
-- and sheet date; NULL where nothing was entered.
CREATE TABLE Q_MOLDTEST_RESULT (
    op_seq_sub varchar(20) NULL,
    product_code varchar(20) NULL,
    test_date varchar(10) NULL,
    cylinder1 float NULL, cylinder2 float NULL, cylinder3 float NULL, cylinder4 float NULL, cylinder5 float NULL,
    sacul1 float NULL, sacul2 float NULL, sacul3 float NULL, sacul4 float NULL, sacul5 float NULL,
    speed1 float NULL, speed2 float NULL, speed3 float NULL, speed4 float NULL, speed5 float NULL,
    mm1 float NULL, mm2 float NULL, mm3 float NULL, mm4 float NULL, mm5 float NULL,
    time_s_ju float NULL, time_s_ya float NULL,
    time_n_ju float NULL, time_n_ya float NULL,
    time_h_ju float NULL, time_h_ya float NULL,
    cv_ju1 float NULL, cv_ju2 float NULL, cv_ju3 float NULL,
    shot_ju1 float NULL, shot_ju2 float NULL, shot_ju3 float NULL,
    gadong_ju1 float NULL, gadong_ju2 float NULL, gadong_ju3 float NULL,
    cv_ya1 float NULL, cv_ya2 float NULL, cv_ya3 float NULL,
    shot_ya1 float NULL, shot_ya2 float NULL, shot_ya3 float NULL,
    gadong_ya1 float NULL, gadong_ya2 float NULL, gadong_ya3 float NULL
);
CREATE INDEX IX_Q_MOLDTEST_RESULT_line ON Q_MOLDTEST_RESULT (op_seq_sub, test_date);
