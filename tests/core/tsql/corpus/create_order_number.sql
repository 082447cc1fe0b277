
 select  CASE wHEN left(MAX(prod_no),8) + Right('000' + Cast(right(Max(prod_no),3) + 1 as varchar(10)),3)
   IS NULL THEN '20240305001' ELSE left(MAX(prod_no),8) + Right('000' + Cast(right(Max(prod_no),3) + 1 as varchar(10)),3) END
 From B_JAKUPJISI_MASTER
 Where PROD_NO like '20240305%'
