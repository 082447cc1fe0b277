
SELECT
    Top 1
    B_JAK.prod_no as [작업지시번호],
    P_SAN.op_seq_sub as [생산실적순번],
    case when B_JAK.juya_gubun is not null and B_JAK.juya_gubun='1' then '주간'
        when B_JAK.juya_gubun is not null and B_JAK.juya_gubun='0' then '야간'
        when B_JAK.juya_gubun is  null then '주간' end  as [주야구분],
    CASE WHEN B_JAK.ORDER_QTY - B_JAK.Qty >= 0 then B_JAK.ORDER_QTY - B_JAK.Qty - B_JAK.bad_Qty else '0' end  as [지시수량],
    B_EMP1.employee_name as [작업자]
FROM B_JAKUPJISI_MASTER B_JAK
JOIN P_SangSan_Master P_SAN ON B_JAK.seq = P_SAN.Seq
LEFT JOIN B_PRODUCT_MASTER B_PM On B_JAK.product_code = B_PM.product_code
Join B_CAR B_C On B_PM.car_code = B_C.car_code
left Join B_EMPLOYEE B_EM On B_EM.EMPLOYEE_NO = P_SAN.EMPLOYEE_NO
left Join B_PROCESS B_PR On B_JAK.process_code = B_PR.process_code
left join b_equipment b_eq on b_eq.equipment_code = b_jak.equipment_code
LEFT JOIN B_EMPLOYEE B_EMP1 on B_EMP1.employee_no = P_SAN.employee_no
WHERE 1=1 -- AND B_JAK.jisi_date = '2024-03-05'
AND B_JAK.END_YN = '2'
AND P_SAN.equipment_code = 'EQ1'
AND P_SAN.op_seq_sub = '20240305001001'
Order by P_SAN.idx desc
