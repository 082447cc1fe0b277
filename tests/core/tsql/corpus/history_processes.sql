
select distinct B_JAK.process_code as PROCESS_CODE, B_PR.process_name as PROCESS_NAME
from B_JAKUPJISI_MASTER B_JAK
JOiN B_PROCESS B_PR ON B_PR.process_code = B_JAK.process_code 
left join b_equipment b_eq on b_eq.equipment_code = b_jak.equipment_code
where B_EQ.ipaddress = '10.0.0.5'
and ((B_JAK.jisi_date <> '2024-03-05' AND B_JAK.end_yn = '2') OR B_JAK.jisi_date = '2024-03-05')
Order by B_PR.process_name
