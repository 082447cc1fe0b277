
Insert Into  B_METALLIC_COUNT
(
    Op_Seq_sub,
    mold_no,
    Product_Code,
    Qty,
    jakup_Date,
    Last_date,
    Last_time,
    User_id )
 Values 
    ('20240305001001',
    'MD1',
    'P1',
    10 + 1 ,
    '2024-03-05',
    '2024-03-05',
    '103000',
    'E01')
