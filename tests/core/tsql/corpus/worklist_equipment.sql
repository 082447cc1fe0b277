
SELECT
    B_ET.equipment_code as 설비코드,
    B_E.equipment_name as 설비명
FROM(
SELECT distinct
    equipment_code as equipment_code,
    process_code As process_code
From B_EQUIPMENT_TIME
) B_ET
JOIN B_EQUIPMENT B_E ON B_E.equipment_code = B_ET.equipment_code
JOIN B_PROCESS B_PRO ON B_PRO.process_code = B_ET.process_code
WHERE B_E.ipaddress = '10.0.0.5'
and B_PRO.process_code = '0001'
