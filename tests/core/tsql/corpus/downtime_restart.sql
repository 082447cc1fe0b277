
UPDATE P_BIGADONG
SET edate = '2024-03-05'
    ,etime = '10:05'
    ,min = datediff(minute,SDATE + ' ' + Stime , getdate())
From P_BIGADONG
WHERE equipment_code = 'EQ1'
AND OP_SEQ_SUB = '20240305001001'
AND Etime IS NULL
