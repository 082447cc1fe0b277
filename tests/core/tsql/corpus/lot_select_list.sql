
SELECT
     A.lot_no      AS [LOT NO],
     Isnull(a.ipgo_su,0) - Isnull(a.culgo_su,0) As [재고],
     B_MA.product_code as [제품코드],
     LEFT(A.lot_no,2) as [LOT구분1],
     ISNUMERIC(SUBSTRING(A.lot_no, 3, 1)) As [LOT구분2]
FROM B_PRODUCT_MASTER B_MA
JOIN B_CAR B_CAR ON B_CAR.car_code = B_MA.car_code
left join   (Select S_PS.product_code As product_code,    --(입출고량
           cast(Sum(IsNull(S_PS.ipgo_su, 0)) as Numeric(10,2))   As ipgo_su,
            cast(Sum(IsNull(S_PS.culgo_su, 0)) as Numeric(10,2)) As culgo_su,
            lot_no                        As lot_no,
            MAX(reg_date)  As reg_date
        From S_PRODUCT_STORE S_PS
        Where reg_date <= '2024-03-05'
        Group By S_PS.product_code, lot_no) A on A.product_code = B_MA.product_code
left join M_MATERIAL_IPHA m_mi on m_mi.product_code = B_MA.product_code and m_mi.lot_no = a.lot_no        
Where 1 = 1 And use_yn = 1
AND B_MA.product_code = 'M1'
AND A.reg_date <= '2024-03-05' AND A.lot_no IS NOT NULL
AND (Isnull(a.ipgo_su,0) - Isnull(a.culgo_su,0)) > 0

Order By [LOT구분1],[LOT구분2]
