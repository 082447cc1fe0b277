
delete p_sangsan_master
where op_seq_sub = '20240305001001'

update b_jakupjisi_master
set
end_yn = '3'
where seq = '20240305001001'
