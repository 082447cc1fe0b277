
SELECT
    CASE WHEN SUM(P_SM.Min) = 0 then 0
    ELSE (SUM(P_SM.Min) - SUM(BIGA.biga_time)) / CONVERT(float,SUM(P_SM.Min)) * 100 end as [가동율]
FROM P_SangSan_Master P_SM
LEFT JOIN (
    SELECT
        OP_SEQ_SUB as op_seq_sub,
        SUM(Min) As biga_time
    From P_BIGADONG
    WHERE Biga_Date between '2024-03-01' and '2024-03-31'
    GROUP BY OP_SEQ_SUB
        )BIGA on BIGA.op_seq_sub = P_SM.OP_SEQ_SUB
WHERE Jakup_Date between '2024-03-01' and '2024-03-31'
AND P_SM.process_code = '0001'
