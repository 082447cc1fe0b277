
INSERT INTO S_LOT_HISTORY
(ipgo_no_sub
,ipgo_product_code
,culgo_no_sub
,culgo_product_code
,lot_no
,culgo_lot_no
,process_code
,equipment_code
,reg_date)
Values
('20240305001001'
,'P1'
,''
,'M1'
,'20240305/A'
,'L1'
,'0001'
,'EQ1'
,'2024-03-05')
