
SELECT  TOP 1 AA.lot_no,
        AA.재고
FROM (
            SELECT  ISNULL(S_PS.lot_no,0) as lot_no ,
                    IsNull(Sum(S_PS.ipgo_su), 0) - IsNull(Sum(S_PS.culgo_su), 0) as [재고],
                    MIN(S_PS.reg_date) As reg_date,
                    MIN(S_PS.idx) As idx,
                    CASE WHEN S_PS.lot_no LIKE '%선진행재고%' THEN '1'
                    ELSE '2' END AS gubun
            From S_PRODUCT_STORE S_PS
            WHERE S_PS.product_code = 'M1'
            AND S_PS.reg_date <= '2024-03-05'
            GROUP BY S_PS.lot_no
            Having IsNull(Sum(S_PS.ipgo_su), 0) - IsNull(Sum(S_PS.culgo_su), 0) > 0
) AA
ORDER BY AA.gubun,AA.lot_no
