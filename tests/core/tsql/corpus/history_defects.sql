
SELECT
    ISNULL(P_SM.prod_no,'') As [작업지시번호],
    ISNULL(P_SM.op_seq_sub,'') As [생산실적순번],
    P_BAD.process_code As [공정코드],
    B_PRO.process_name As [공정명],
    B_PM.pumbun As [품번],
    B_PM.eono As [Rev.No],
    B_PM.product_name As [품명],
    P_BAD.ProcessBad_code As [부적합코드],
    B_BAD.processbad_name As [부적합명],
    P_BAD.Bad_Qty As [불량수량],
    P_BAD.Last_Time As [종료시간],
    P_BAD.Employee_no As [사번],
    P_BAD.User_Id As [성명],
    P_BAD.bigo As [비고]
from P_BADQTY P_BAD
JOIN B_PROCESSBAD B_BAD On B_BAD.processbad_code = P_BAD.ProcessBad_code
JOIN B_PROCESS B_PRO On B_PRO.process_code = P_BAD.process_code
JOIN P_SangSan_Master P_SM ON P_SM.Op_Seq_SUB = P_BAD.Op_Seq_SUB
LEFT JOIN B_EQUIPMENT B_EQ On B_EQ.equipment_code = P_SM.Equipment_Code
JOIN B_PRODUCT_MASTER B_PM On B_PM.product_code = P_SM.Product_Code
Join B_PRODUCT_TYPE B_PT On B_PT.product_type_code = B_PM.product_type_code
JOIN B_CAR B_C On B_C.car_code = B_PM.car_code
join B_JAKUPJISI_MASTER b_jak on b_jak.seq = P_SM.Seq
Where 1 = 1
AND P_SM.Jakup_Date = '2024-03-05'
and  B_EQ.ipaddress = '10.0.0.5'
AND B_PRO.process_code = '0001'
