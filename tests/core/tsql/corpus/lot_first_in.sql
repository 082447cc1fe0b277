
SELECT  MIN(reg_date) as [LOT생성날짜],
        MIN(IDX) As IDX
From S_PRODUCT_STORE
where product_code = 'M1' and lot_no = 'L1'
