-- A terminal (127.0.0.1) with two press machines and an injection machine, and the orders the
-- terminal scripts work on; their clock is set to 2024-03-05.
INSERT INTO B_PROCESS (process_code, process_name) VALUES ('P10', N'프레스');
INSERT INTO B_PROCESS (process_code, process_name) VALUES ('P20', N'사출');
INSERT INTO B_EQUIPMENT (equipment_code, equipment_name, process_code, ipaddress) VALUES ('E1', N'프레스 1호기', 'P10', '127.0.0.1');
INSERT INTO B_EQUIPMENT (equipment_code, equipment_name, process_code, ipaddress) VALUES ('E2', N'프레스 2호기', 'P10', '127.0.0.1');
INSERT INTO B_EQUIPMENT (equipment_code, equipment_name, process_code, ipaddress) VALUES ('E3', N'사출기', 'P20', '127.0.0.1');
INSERT INTO B_EQUIPMENT_TIME (equipment_code, process_code, product_code) VALUES ('E1', 'P10', 'A');
INSERT INTO B_EQUIPMENT_TIME (equipment_code, process_code, product_code) VALUES ('E2', 'P10', 'A');
INSERT INTO B_EQUIPMENT_TIME (equipment_code, process_code, product_code) VALUES ('E3', 'P20', 'B');
INSERT INTO B_CAR (car_code, car_name) VALUES ('C1', N'K5');
INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name, car_code) VALUES ('A', 'PN-A', N'브라켓', 'C1');
INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name, car_code) VALUES ('B', 'PN-B', N'하우징', 'C1');
INSERT INTO S_PRODUCTIONPLAN_TOTAL (product_code, productionplan_month, day_5) VALUES ('A', '2024-03', 120);
INSERT INTO B_EMPLOYEE (employee_no, employee_name, pwd, emp_power) VALUES ('2001', N'김작업', '1111', 'USER');
-- Running since three days ago, done yesterday, two waiting today.
INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, process_code, equipment_code, product_code, order_qty, qty, bad_qty, end_yn, employee_su, employee_no, juya_gubun, jisi_date)
VALUES ('20240302001', '20240302001001', 'P10', 'E1', 'A', 300, 120, 0, '2', 1, '2001', '1', '2024-03-02');
INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, process_code, equipment_code, product_code, order_qty, qty, bad_qty, end_yn, employee_su, employee_no, juya_gubun, jisi_date)
VALUES ('20240304001', '20240304001001', 'P20', 'E3', 'B', 80, 78, 2, '3', 1, '2001', '0', '2024-03-04');
INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, process_code, equipment_code, product_code, order_qty, qty, bad_qty, end_yn, employee_su, employee_no, juya_gubun, jisi_date)
VALUES ('20240305001', '20240305001001', 'P10', 'E1', 'A', 100, 0, 0, '1', 1, '2001', NULL, '2024-03-05');
INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, process_code, equipment_code, product_code, order_qty, qty, bad_qty, end_yn, employee_su, employee_no, juya_gubun, jisi_date)
VALUES ('20240305002', '20240305002001', 'P10', 'E2', 'A', 50, 0, 0, '1', 2, '2001', '1', '2024-03-05');
INSERT INTO P_SANGSAN_MASTER (prod_no, seq, op_seq, op_seq_sub, process_code, equipment_code, product_code, jisiqty, qty, bad_qty, sdate, stime, min, jisi_date, jakup_date, employee_su, employee_no)
VALUES ('20240302001', '20240302001001', '20240302001', '20240302001001', 'P10', 'E1', 'A', 300, 120, 0, '2024-03-02', '08:00', 0, '2024-03-02', '2024-03-02', 1, '2001');
