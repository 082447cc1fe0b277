
SELECT
    P_BI.idx,
    P_BI.OP_SEQ_SUB,
    B_PR.process_name AS [공정명],
    B_E.EquipMent_Code AS [설비코드],
    B_E.EquipMent_name AS [설비명],
    P_BI.Stime as [시작시간],
    P_BI.Etime as [종료시간],
    B_PR.process_code as [공정코드],
    P_BI.Bigadong_Code as [비가동코드],
    B_BI.bigadong_name as [비가동명],
    P_BI.Min as [경과시간(분)]
FROM P_BIGADONG P_BI
LEFT join B_BIGADONG B_BI on B_BI.bigadong_code = P_BI.Bigadong_Code
left join P_SangSan_Master p_sm on p_sm.OP_SEQ_SUB = P_BI.OP_SEQ_SUB 
JOIN B_EQUIPMENT B_E on B_E.equipment_code = P_BI.equipment_code
JOIN B_PROCESS B_PR ON B_PR.process_code = p_sm.process_code
join B_JAKUPJISI_MASTER b_jak on b_jak.seq = P_SM.Seq
WHERE P_BI.Biga_Date = '2024-03-05'
AND B_E.ipaddress = '10.0.0.5'
AND P_SM.process_code = '0001'
