
SELECT  cylinder1
        ,sacul1
        ,speed1
        ,mm1
        ,cylinder2
        ,sacul2
        ,speed2
        ,mm2
        ,cylinder3
        ,sacul3
        ,speed3
        ,mm3
        ,cylinder4
        ,sacul4
        ,speed4
        ,mm4
        ,cylinder5
        ,sacul5
        ,speed5
        ,mm5
        ,time_s_ju
        ,time_s_ya
        ,time_n_ju
        ,time_n_ya
        ,time_h_ju
        ,time_h_ya
        ,cv_ju1
        ,shot_ju1
        ,gadong_ju1
        ,cv_ya1
        ,shot_ya1
        ,gadong_ya1
        ,cv_ju2
        ,shot_ju2
        ,gadong_ju2
        ,cv_ya2
        ,shot_ya2
        ,gadong_ya2
        ,cv_ju3
        ,shot_ju3
        ,gadong_ju3
        ,cv_ya3
        ,shot_ya3
        ,gadong_ya3
From Q_MOLDTEST_RESULT
WHERE op_seq_sub = '20240305001001'
