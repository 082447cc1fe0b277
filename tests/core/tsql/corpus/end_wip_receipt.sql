
  INSERT INTO  S_PRODUCT_STORE
(
    IPGO_NO,
    IPGO_NO_SUB,
    PRODUCT_CODE,
    IPGO_SU,
    CULGO_TYPE,
    lot_no,
    JEGO_SU,
    REG_DATE,
    last_date,
    last_time,
    user_id
    )
 SELECT 
 '20240305001',
 '20240305001001',
 'P1',
  10,
 '재공품추가',
 '20240305/A',
     isnull(C.jego_su +10, 10), 
    '2024-03-05',
    substring(convert(varchar, getdate(), 121),1,10),
    replace(convert(varchar, getdate(), 108),':',''),
    'E01'
From (  Select PRODUCT_CODE,
   Max(reg_date) As reg_date
 From S_PRODUCT_STORE
  Where reg_date <='2024-03-05'
 Group by PRODUCT_CODE) A
 Join ( Select PRODUCT_CODE,reg_date,
  Max(idx) As idx
  From S_PRODUCT_STORE
  Where reg_date <= '2024-03-05'
  Group by PRODUCT_CODE,reg_date) B On A.PRODUCT_CODE = B.PRODUCT_CODE And A.reg_date = B.reg_date
Join S_PRODUCT_STORE C On B.idx = C.idx
RIGHT jOIN B_PRODUCT_MASTER AA  ON A.PRODUCT_CODE = AA.PRODUCT_CODE
 WHERE AA.PRODUCT_CODE = 'P1'
