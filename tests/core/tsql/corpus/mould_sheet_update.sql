
UPDATE Q_MOLDTEST_RESULT
SET
    test_date = '2024-03-05'
    ,time_s_ju = 3
    , cylinder1 = 12.5
    ,cv_ju1 = 7
WHERE op_seq_sub = '20240305001001' AND test_date = '2024-03-05'
