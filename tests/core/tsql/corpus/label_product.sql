
SELECT  ISNULL(B_PM.product_name,''), ISNULL(B_PM.pumbun,''), ISNULL(B_PM.culha_pumbun,'')
FROM B_PRODUCT_MASTER B_PM
WHERE B_PM.product_code = 'P1'
