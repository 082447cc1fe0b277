
SELECT  TOP 1 lot_no As lot_no
From S_PRODUCT_STORE S_PS
Where reg_date <= '2024-03-05' and product_code = 'M1'
Group By S_PS.product_code, lot_no
Having (cast(Sum(IsNull(S_PS.ipgo_su, 0)) as Numeric(10,2)) - cast(Sum(IsNull(S_PS.culgo_su, 0)) as Numeric(10,2)) = 0 And lot_no Is Null) Or (cast(Sum(IsNull(S_PS.ipgo_su, 0)) as Numeric(10,2)) - cast(Sum(IsNull(S_PS.culgo_su, 0)) as Numeric(10,2)) > 0)
AND MIN(reg_date) <= '2024-03-01' and MIN(idx) < '5'
ORDER BY MIN(reg_date), MIN(idx)
