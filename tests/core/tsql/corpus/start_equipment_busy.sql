
Select end_yn
From B_JAKUPJISI_MASTER
Where equipment_code = 'EQ1'
AND end_yn = '2'
