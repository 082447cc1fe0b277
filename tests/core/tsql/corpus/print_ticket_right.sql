
UPDATE S_DATAREPORT1
SET
    Process_name2 = '사출'
    ,Car_Name2 = '차1'
    ,Qty2 = '10'
    ,Palette_ea2 = '50'
    ,Jakup_Date2 = '2024-03-05'
    ,Product_code2 = 'P1'
    ,Pumbun2 = 'PN1'
    ,Product_name2 = '제품'
    ,Lot_no2 = '20240305/A'
    ,BarCode2 = '*20240305001001*'
    ,employee_name2 = '김'
    ,Bigo2 = ''
    ,op_seq_sub2 = '20240305001001'
    where idx = '1'
