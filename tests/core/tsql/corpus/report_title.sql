
SELECT B_PR.process_name
FROM B_EQUIPMENT_time B_EQ
JOIN B_PROCESS B_PR ON B_PR.process_code = B_EQ.process_code
WHERE B_EQ.equipment_code = 'EQ1'
