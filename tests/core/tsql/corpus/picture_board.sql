
SELECT 
    pumbun AS [품번]
FROM B_JAKUPJISI_MASTER B_JM
JOIN B_EQUIPMENT B_E on B_E.equipment_code = B_JM.equipment_code
WHERE B_E.img_ip = '10.0.0.5'
AND B_E.Monitor = '2'
AND B_JM.end_yn = '2'
AND B_JM.Real_Jakup = '1'
