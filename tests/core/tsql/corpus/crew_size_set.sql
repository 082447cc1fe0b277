
UPDATE P_SangSan_Master
SET employee_su = 3
WHERE op_seq_sub = '20240305001001'
