
   Select
    PBAD.idx as [IDX],
    '20240305001001' as [생산실적순번],
    '0001' As [공정코드],
    'P1' As [제품코드],
    BPRO.ProcessBad_code as [공정불량코드],
    BPRO.PROCESSBAD_NAME As [공정불량명],
    ISNULL(Bad_Qty,0) As[불량수량],
    isnull(PBAD.bigo,'') as [비고]
  From B_PROCESSBAD BPRO
  LEFT JOIN P_BADQTY PBAD ON BPRO.ProcessBad_code = PBAD.ProcessBad_code AND PBAD.op_seq_sub= '20240305001001'
LEFT JOIN
    B_PROCESSBAD1 B_PR1 ON BPRO.processbad_code = B_PR1.processbad_code
where B_PR1.process_code = '0001'
ORDER BY BPRO.processbad_name
