
UPDATE P_SM 
SET
    Qty = 10,
    Bad_Qty = 1,
    end_yn = '3'
FROM B_JAKUPJISI_MASTER P_SM
Where P_SM.Seq = '20240305001001'
