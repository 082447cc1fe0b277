
select p_bi.idx As [idx],
   '20240305001001' as [생산실적순번],
    'P1' As [제품코드],
    b_bi1.bigadong_code As [비가동코드],
    b_bi.bigadong_name As [비가동명],
    ISNULL(p_bi.min,0) As[비가동시간]
from B_BIGADONG b_bi1
left join B_BIGADONG b_bi on b_bi.bigadong_code = b_bi1.bigadong_code
left join P_BIGADONG p_bi on p_bi.Bigadong_Code = b_bi.bigadong_code AND p_bi.op_seq_sub= '20240305001001'
order by  b_bi1.bigadong_code
