
SELECT
    B_M.mold_no as [금형번호],
    B_MT.Test_Su as [점검타수],
    ISNULL(B_MR.repair_date,'') as [수리날짜]
FROM B_METALLIC B_M
JOIN B_METALLIC_TYPE B_MT on B_MT.Metallic_Type_Code = B_M.Metallic_Type_Code
JOIN(
    SELECT
        mold_no as mold_no,
        MAX(repair_date) As repair_date
    From B_METALLIC_REPAIR
    WHERE mold_no = 'MD1'
    AND product_code = 'P1'
    GROUP BY mold_no
)B_MR on B_M.mold_no = B_MR.mold_no
