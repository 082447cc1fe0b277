
IF OBJECT_ID(N'TEMPDB..##TEMP_REAL_LOT', N'U') IS NULL
BEGIN
SELECT distinct B_PM.product_code
        ,B_C.car_name
        ,B_PM.type
        ,B_PM.pumbun
        ,B_PM.eono
        ,B_PM.product_name
        ,B_BOM2.usage
        ,'0' AS [LOT NO]
        ,'0' AS [LOT 재고]
        ,'0' AS [투입수량]
        ,B_PM.unit_code AS [단위]
FROM B_BOM B_BOM
JOIN B_BOM B_BOM2 ON B_BOM.bom_code = B_BOM2.high_bom_code
JOIN B_PRODUCT_MASTER B_PM On B_BOM2.product_code = B_PM.product_code
JOIN B_CAR B_C On B_PM.car_code = B_C.car_code
WHERE B_BOM.product_code = 'P1'
END
ELSE
BEGIN
SELECT distinct B_PM.product_code
        ,B_C.car_name
        ,B_PM.type
        ,B_PM.pumbun
        ,B_PM.eono
        ,B_PM.product_name
        ,B_BOM2.usage
        ,TRT.lot_no AS [LOT NO]
        ,ISNULL(TRT.lot_su,'0')  AS [LOT 재고]
        ,'' AS [투입수량]
        ,B_PM.unit_code AS [단위]
FROM B_BOM B_BOM
JOIN B_BOM B_BOM2 ON B_BOM.bom_code = B_BOM2.high_bom_code
JOIN B_PRODUCT_MASTER B_PM On B_BOM2.product_code = B_PM.product_code
JOIN B_CAR B_C On B_PM.car_code = B_C.car_code
LEFT JOIN ##TEMP_REAL_LOT TRT On B_PM.product_code = TRT.product_code AND TRT.op_seq_sub = '20240305001001'
WHERE B_BOM.product_code = 'P1'
END
