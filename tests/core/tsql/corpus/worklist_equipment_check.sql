
SELECT DISTINCT ISNULL(B_EQ.equipment_code,'') AS [설비코드], B_EQ.equipment_name AS [설비명]
FROM B_PROCESS B_PR
JOIN b_jakupjisi_master b_ET ON B_PR.process_code = b_ET.process_code
JOIN B_EQUIPMENT B_EQ ON b_ET.equipment_code = B_EQ.equipment_code
WHERE 1=1
AND B_EQ.ipaddress = '10.0.0.5'
AND b_ET.process_code = '0001'
and B_EQ.equipment_code = 'EQ1'
and jisi_date = '2024-03-05'
