
SELECT
    B_CAR.car_code as car_code,
    B_CAR.car_name as car_name,
    B_PM.product_code as product_code,
    B_PM.pumbun as pumbun,
    B_PM.product_name as product_name,
    CASE WHEN ISNULL(S_PT.jisi_su,0) - ISNULL(P_SM.qty,0)> 0 THEN ISNULL(S_PT.jisi_su,0) - ISNULL(P_SM.qty,0)
    ELSE 0 END as jisi_su
    FROM B_EQUIPMENT_TIME B_ET
    JOIN B_PRODUCT_MASTER B_PM on B_PM.product_code = B_ET.product_code
    JOIN B_CAR B_CAR on B_PM.car_code = B_CAR.car_code
    LEFT JOIN(
        SELECT
            product_code as product_code,
            ISNULL(day_5,0) As jisi_su
        FROM S_PRODUCTIONPLAN_TOTAL
        WHERE productionplan_month = '2024-03'
    )S_PT on S_PT.product_code = B_PM.product_code
    LEFT JOIN(
        SELECT
            Product_Code as product_code,
            SUM(IsNull(qty, 0)) As qty
        From P_SangSan_Master
        WHERE Jakup_Date = '2024-03-05'
        GROUP BY Product_Code
    )P_SM on P_SM.product_code = B_PM.product_code
    WHERE B_ET.process_code = '0001'
    AND B_ET.equipment_code = 'EQ1'
