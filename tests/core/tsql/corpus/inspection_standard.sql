
select process_test_num from Q_CHOJUNGJONGTEST_STD
where product_code = 'P1'
and reg_yn = '1'
