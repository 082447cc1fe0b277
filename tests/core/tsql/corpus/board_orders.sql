
SELECT
    Total.Suju_Su1
FROM(
    SELECT
        ISNULL(Sum(ISNULL(Balju_su, 0)), 0) As Suju_Su1
    FROM P_PRODUCT_SUJU_TALVEN P_PSJ
    WHERE P_PSJ.Chulha_date between '2024-02-01' AND '2024-02-29'
    Union All
    SELECT
        ISNULL(Sum(ISNULL(culha_su, 0)), 0) As Chulha_Su1
    FROM P_PRODUCT_CULHA P_PC
    WHERE P_PC.Culha_date between '2024-02-01' AND '2024-02-29'
    Union All
    SELECT
        ISNULL(Sum(ISNULL(Balju_su, 0)), 0) As Suju_Su2
    FROM P_PRODUCT_SUJU_TALVEN P_PSJ
    WHERE P_PSJ.Chulha_date between '2024-03-01' AND '2024-03-31'
    Union All
    SELECT
        ISNULL(Sum(ISNULL(culha_su, 0)), 0) As chulha_Su2
    FROM P_PRODUCT_CULHA P_PC
    WHERE P_PC.Culha_date between '2024-03-01' AND '2024-03-31'
    Union All
    SELECT
        ISNULL(Sum(ISNULL(Balju_su, 0)), 0) As Suju_Su3
    FROM P_PRODUCT_SUJU_TALVEN P_PSJ
    WHERE P_PSJ.Chulha_date between '2024-04-01' AND '2024-04-30'
)TOTAL
