-- Added to terminal.sql and terminal_stops.sql for the whole-shift script: the worker who
-- takes over the job.
INSERT INTO B_EMPLOYEE (employee_no, employee_name, pwd, emp_power) VALUES ('2002', N'이작업', '2222', 'USER');
