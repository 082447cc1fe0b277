
SELECT ISNULL(sum(isnull(qty,0)),0) as qty, ISNULL(sum(isnull(bad_qty,0)),0) as bad_qty
FROM P_sangsan_master P_SM
WHERE seq = '20240305001001'
