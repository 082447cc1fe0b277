
UPDATE REAL_TIME
SET bigadong = 'TRUE',
    work_time = getdate()
WHERE equipment_code = 'EQ1'
