
select
    prod_no,
    process_code,
    product_code,
    order_qty ,
    jisi_date,
    employee_No,
    employee_su,
    equipment_code
From B_JAKUPJISI_MASTER
where seq = '20240305001001'
