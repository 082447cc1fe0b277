
SELECT
    B_JAK.prod_no as [작업지시번호],
    B_JAK.seq as [지시번호],
    case when B_JAK.juya_gubun is not null and B_JAK.juya_gubun='1' then '주간' 
when B_JAK.juya_gubun is not null and B_JAK.juya_gubun='0' then '야간' 
when B_JAK.juya_gubun is  null then '주간' end as [구분],
    CASE WHEN P_SM.employee_su IS NOT NULL THEN P_SM.employee_su
ELSE B_JAK.employee_su END as [작업인원],
    case when B_JAK.END_YN = '3' then '완료' 
when B_JAK.END_YN = '2' then '진행중'
when B_JAK.END_YN = '1' then '미완료' end as [완료여부],
    B_ME.mold_no as [금형번호], B_EM.employee_name as [작업자], B_EM2.employee_name as [작업자2], B_C.car_name as [차종]
from B_JAKUPJISI_MASTER B_JAK
JOIN B_PRODUCT_MASTER B_PM On B_JAK.product_code = B_PM.product_code
Join B_CAR B_C On B_PM.car_code = B_C.car_code
LEFT JOIN (
SELECT
Seq as seq,
MAX(employee_no) as employee_no,
MAX(employee_su) As employee_su
From P_SangSan_Master
GROUP BY seq
) P_SM on P_SM.seq = B_JAK.seq
left Join B_EMPLOYEE B_EM On B_EM.EMPLOYEE_NO = B_JAK.EMPLOYEE_NO
left Join B_EMPLOYEE B_EM2 On B_EM2.EMPLOYEE_NO = P_SM.EMPLOYEE_NO
left Join B_PALETTE B_PAL On B_JAK.palette_code = B_PAL.palette_code
left Join B_PROCESS B_PR On B_JAK.process_code = B_PR.process_code
Join B_EQUIPMENT B_E On B_E.equipment_code = B_JAK.equipment_code
LEFT JOIN B_METALLIC B_ME ON B_ME.product_code = B_JAK.product_code
WHERE ((B_JAK.jisi_date <> '2024-03-05' AND B_JAK.end_yn = '2') OR B_JAK.jisi_date = '2024-03-05' or B_JAK.jisi_date = '2024-03-04')
AND B_E.ipaddress = '10.0.0.5'
AND B_JAK.order_qty <> '0'
 ORDER BY [작업지시번호],[지시번호]
