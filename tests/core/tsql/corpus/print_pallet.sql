
SELECT B_PM.palette_ea
FROM B_PRODUCT_MASTER B_PM
Where B_PM.product_code = 'P1'
