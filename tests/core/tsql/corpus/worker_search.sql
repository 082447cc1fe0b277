
SELECT B_EMP.idx,employee_no, employee_Name
From B_EMPLOYEE B_EMP
where 1=1
    and  B_EMP.employee_name like '%김%'
   and B_EMP.employee_no like '%E%'
ORDER BY employee_Name
