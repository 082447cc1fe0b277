
SELECT
    B_ET.process_code as process_code,
    B_PRO.process_name as process_name
FROM(
SELECT distinct
    equipment_code as equipment_code,
    process_code As process_code
From B_EQUIPMENT_TIME
) B_ET
JOIN B_EQUIPMENT B_E ON B_E.equipment_code = B_ET.equipment_code
JOIN B_PROCESS B_PRO ON B_PRO.process_code = B_ET.process_code
WHERE B_E.ipaddress = '10.0.0.5'
GROUP BY B_ET.process_code, B_PRO.process_name
