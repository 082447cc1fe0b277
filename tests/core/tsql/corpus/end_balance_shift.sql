
 Update S_PRODUCT_STORE
 Set Jego_Su = Jego_Su + 10
 WHERE product_code = 'P1' And reg_date > '2024-03-05'
