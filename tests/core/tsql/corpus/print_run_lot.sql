
select  p_sm.lot_no
from p_sangsan_master p_sm
where p_sm.op_seq_sub = '20240305001001'
