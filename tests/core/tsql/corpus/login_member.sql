SELECT EMP.idx, emp.emp_power,emp.employee_name 
FROM B_EMPLOYEE EMP
WHERE employee_no = 
'E01'
AND pwd = 
'PW'
