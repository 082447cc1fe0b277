
    UPDATE  P_BIGADONG
    SET
        min = 20,
        BIGO = '비고',
        employee_su = '2',
        biga_date = '2024-03-05', 
        User_id = 'E01',
        last_date = '2024-03-05',
        last_time = '100000'
    WHERE op_seq_sub = '20240305001001'
    and bigadong_code = 'BG1'
