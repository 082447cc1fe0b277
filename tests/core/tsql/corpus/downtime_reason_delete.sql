
    DELETE  P_BIGADONG
    WHERE op_seq_sub = '20240305001001'
    and bigadong_code = 'BG1'
