
select op_seq_Sub from p_sangsan_master
where seq = '20240305001001'
