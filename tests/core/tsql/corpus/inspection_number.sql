
 SELECT
     Case When max(M_MAI.process_num) is null
    Then '20240305' + '001'
    else left(max(M_MAI.process_num),8) + Right('000' + Cast(right(Max(process_num),3) + 1 as varchar),3) End            AS 전표번호
FROM Q_CHOJUNGJONGTEST_RESULT M_MAI
Where  process_test_date= '2024-03-05'
