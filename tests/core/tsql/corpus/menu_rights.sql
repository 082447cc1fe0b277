
Select
    CAST(authority_s as varchar)+CAST(authority_i as varchar )+CAST(authority_u as varchar)+CAST(authority_d as varchar)
From
    B_Authority
Where
    form_name='frm_S_dayReport'
AND
    form_code LIKE '00001%'
AND
    employee_no='E01'
