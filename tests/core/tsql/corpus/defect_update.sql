
    UPDATE  P_BADQTY
    SET
        BAD_QTY = 4,
        BIGO = '',
        Employee_no = 'E01',
        User_id = 'E01',
        last_date = '2024-03-05',
        last_time = '100000'
    WHERE op_seq_sub = '20240305001001'
    and processbad_code = 'D1'
