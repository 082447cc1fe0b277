
    DELETE  P_BADQTY
    WHERE op_seq_sub = '20240305001001'
    and processbad_code = 'D1'
