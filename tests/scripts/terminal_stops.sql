-- Added to terminal.sql for the downtime and defect script: the press process's defect codes,
-- the downtime codes and the machines' state for the boards.
INSERT INTO B_PROCESSBAD (processbad_code, processbad_name) VALUES ('D01', N'버');
INSERT INTO B_PROCESSBAD (processbad_code, processbad_name) VALUES ('D02', N'미성형');
INSERT INTO B_PROCESSBAD (processbad_code, processbad_name) VALUES ('D03', N'웰드라인');
INSERT INTO B_PROCESSBAD1 (process_code, processbad_code) VALUES ('P10', 'D01');
INSERT INTO B_PROCESSBAD1 (process_code, processbad_code) VALUES ('P10', 'D02');
INSERT INTO B_PROCESSBAD1 (process_code, processbad_code) VALUES ('P20', 'D03');
INSERT INTO B_BIGADONG (bigadong_code, bigadong_name) VALUES ('B01', N'금형교체');
INSERT INTO B_BIGADONG (bigadong_code, bigadong_name) VALUES ('B02', N'자재대기');
INSERT INTO REAL_TIME (equipment_code, bigadong) VALUES ('E1', 'FALSE');
INSERT INTO REAL_TIME (equipment_code, bigadong) VALUES ('E2', 'FALSE');
