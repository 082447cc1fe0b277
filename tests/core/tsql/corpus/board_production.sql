
SELECT
    Total.order_qty1
FROM(
    SELECT
        ISNULL(Sum(ISNULL(order_qty, 0)), 0) As order_qty1
    FROM B_JAKUPJISI_MASTER P_PSJ
    WHERE P_PSJ.jisi_date = '2024-03-04'
    Union All
    SELECT
        ISNULL(Sum(ISNULL(Qty, 0)), 0) As Qty1
    FROM P_SangSan_Master P_PC
    WHERE P_PC.Jakup_Date = '2024-03-04'
    Union All
    SELECT
        ISNULL(Sum(ISNULL(order_qty, 0)), 0) As order_qty2
    FROM B_JAKUPJISI_MASTER P_PSJ
    WHERE P_PSJ.jisi_date = '2024-03-05'
    Union All
    SELECT
        ISNULL(Sum(ISNULL(Qty, 0)), 0) As Qty2
    FROM P_SangSan_Master P_PC
    WHERE P_PC.Jakup_Date = '2024-03-05'
    Union All
    SELECT
        ISNULL(Sum(ISNULL(order_qty, 0)), 0) As order_qty3
    FROM B_JAKUPJISI_MASTER P_PSJ
    WHERE P_PSJ.jisi_date = '2024-03-06'
)TOTAL
