-- Added to terminal.sql for the ending script: product A takes 2 of material M1 and 1 of M2
-- a piece; both materials have two lots in stock with their running balances.
INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name, car_code, type, unit_code, abc) VALUES ('M1', 'PN-M1', N'강판', 'C1', N'원자재', 'KG', 'R');
INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name, car_code, type, unit_code, abc) VALUES ('M2', 'PN-M2', N'볼트', 'C1', N'부자재', 'EA', 'R');
INSERT INTO B_ABC (abc, abc_gubun) VALUES ('R', N'자재');
INSERT INTO B_BOM (bom_code, high_bom_code, product_code, usage) VALUES ('BA', NULL, 'A', 1);
INSERT INTO B_BOM (bom_code, high_bom_code, product_code, usage) VALUES ('BA-1', 'BA', 'M1', 2);
INSERT INTO B_BOM (bom_code, high_bom_code, product_code, usage) VALUES ('BA-2', 'BA', 'M2', 1);
INSERT INTO S_PRODUCT_STORE (product_code, lot_no, ipgo_su, culgo_su, jego_su, reg_date) VALUES ('M1', 'L1', 150, 0, 150, '2024-03-01');
INSERT INTO S_PRODUCT_STORE (product_code, lot_no, ipgo_su, culgo_su, jego_su, reg_date) VALUES ('M1', 'L2', 100, 0, 250, '2024-03-02');
INSERT INTO S_PRODUCT_STORE (product_code, lot_no, ipgo_su, culgo_su, jego_su, reg_date) VALUES ('M2', 'K1', 100, 0, 100, '2024-03-01');
INSERT INTO S_PRODUCT_STORE (product_code, lot_no, ipgo_su, culgo_su, jego_su, reg_date) VALUES ('M2', 'K2', 80, 0, 180, '2024-03-03');
