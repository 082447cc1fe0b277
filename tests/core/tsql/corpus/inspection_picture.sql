
Select
    ISNULL(path,'')
From
    Q_CHOJUNGJONGTEST_STD
Where
    process_test_num = 'S1'
