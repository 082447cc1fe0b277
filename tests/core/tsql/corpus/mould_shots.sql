
SELECT
    mold_no as [금형번호],
    SUM(ISNULL(Qty,0)) as [누적타수]
FROM B_METALLIC_COUNT
WHERE mold_no = 'MD1'
AND product_code = 'P1'
AND jakup_date > '2024-01-10' 
GROUP BY mold_no
