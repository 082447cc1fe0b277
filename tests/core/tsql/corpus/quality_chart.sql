
SELECT
    B_P.processbad_name as [불량유형],
    BAD.Bad_Qty as [불량수량]
FROM(
SELECT
    ProcessBad_code as processbad_code,
    SUM(IsNull(P_B.Bad_Qty, 0)) As Bad_Qty
FROM P_BADQTY P_B
WHERE LEFT(P_B.Op_Seq_SUB,6) = '202403'
GROUP BY ProcessBad_code
)BAD
JOIN B_PROCESSBAD B_P on B_P.processbad_code = BAD.processbad_code
