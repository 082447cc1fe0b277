
select process_num from Q_CHOJUNGJONGTEST_RESULT
where product_code = 'P1'
AND SEQ = '20240305001001' 
