
UPDATE P_SangSan_Master
SET employee_no = 'E02'
WHERE op_seq_sub = '20240305001001'
