
SELECT
    ISNULL(P_SM.Op_Seq,'') As [생산실적번호],
    B_PRO.process_name As [공정명],
    B_EQ.equipment_name As [설비명],
    P_SM.Product_Code as [품번코드],
    B_PM.pumbun as [품번],
    B_PM.product_name as [품명],
    P_SM.qty  AS [양품수량],
    ISNULL(B_BAD.processbad_name,'') As [불량명],
    ISNULL(P_BAD.Bad_Qty,0) As [불량수량]
FROM P_SangSan_Master P_SM
JOIN B_PRODUCT_MASTER B_PM on B_PM.product_code = P_SM.Product_Code
LEFT JOIN P_BADQTY P_BAD ON P_SM.Op_Seq_SUB = P_BAD.Op_Seq_SUB
LEFT JOIN B_PROCESSBAD B_BAD On B_BAD.processbad_code = P_BAD.ProcessBad_code
JOIN B_PROCESS B_PRO On B_PRO.process_code = P_SM.process_code
JOIN B_EQUIPMENT B_EQ On B_EQ.equipment_code = P_SM.Equipment_Code
ORDER BY P_SM.Op_Seq_SUB, B_PM.pumbun
