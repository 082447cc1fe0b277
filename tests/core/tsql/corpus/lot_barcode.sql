
        Select
    Isnull(a.ipgo_su,0)  as [입고수량],
    B_PM.product_code As [자재코드],
    a.lot_no                As lot_no,
    Isnull(a.culgo_su,0) as [출고수량]
From B_PRODUCT_MASTER B_PM
Join B_CAR B_C On B_PM.car_code = B_C.car_code
Join B_ABC B_ABC On B_ABC.abc = B_PM.abc  --And B_ABC.abc_gubun = '자재'
left join   (Select S_PS.product_code As product_code,    --(입출고량
            Sum(isnull(S_PS.ipgo_su,0))   As ipgo_su,
            Sum(isnull(S_PS.culgo_su, 0)) As culgo_su,
            lot_no                        As lot_no
        From S_PRODUCT_STORE S_PS
        Where reg_date <= '2024-03-05'
        Group By S_PS.product_code, lot_no) A on A.product_code = B_PM.product_code
where A.product_code = 'M1'
  and A.lot_no = 'L1'
  and ((Isnull(a.ipgo_su,0) - Isnull(a.culgo_su,0)  = 0 and  a.lot_no is  null ) or  Isnull(a.ipgo_su,0) - Isnull(a.culgo_su,0)  <> 0 )
order by a.lot_no
