
select distinct B_JAK.equipment_code as equipment_code, B_eq.equipment_name as equipment_name
from B_JAKUPJISI_MASTER B_JAK
JOiN B_EQUIPMENT B_eq ON b_eq.equipment_code = B_JAK.equipment_code 
where b_eq.ipaddress = '10.0.0.5'
 and ((B_JAK.jisi_date <> '2024-03-05' AND B_JAK.end_yn = '2') OR B_JAK.jisi_date = '2024-03-05' AND B_JAK.end_yn = '2')
Order by b_eq.equipment_name
