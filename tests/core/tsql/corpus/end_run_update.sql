
UPDATE P_SM
SET
    Qty=10,
    Bad_Qty=1,
    EDATE='2024-03-05',
    ETIME='10:30',
    SDATE='2024-03-05',
    STIME='10:00',
    MIN='30',
    EMPLOYEE_SU ='2',
    employee_no ='E01',
    Last_date='2024-03-05',
    Last_time='103000',
    User_id='E01'
FROM P_SANGSAN_MASTER P_SM
WHERE
    P_SM.Op_seq_sub='20240305001001'
