
DELETE Q_CHOJUNGJONGTEST_RESULT
WHERE process_test_num = 'S1'
AND product_code = 'P1'
AND process_juya =  '1'
AND seq = '20240305001001'

DELETE Q_CHOJUNGJONGTEST_RESULT_sub
WHERE process_test_num = 'S1'
AND product_code = 'P1'
AND process_juya = 1
AND seq = '20240305001001'
