-- Orders and shipments of November 2024 to January 2025 for the board-role scripts, whose
-- clock is set to 2024-12-10.
INSERT INTO P_PRODUCT_SUJU_TALVEN (suju_no, chulha_date, balju_su) VALUES ('S1', '2024-11-20', 1000);
INSERT INTO P_PRODUCT_SUJU_TALVEN (suju_no, chulha_date, balju_su) VALUES ('S2', '2024-12-05', 40000);
INSERT INTO P_PRODUCT_SUJU_TALVEN (suju_no, chulha_date, balju_su) VALUES ('S3', '2024-12-31', 2000);
INSERT INTO P_PRODUCT_SUJU_TALVEN (suju_no, chulha_date, balju_su) VALUES ('S4', '2025-01-15', 300);
INSERT INTO P_PRODUCT_CULHA (culha_no, culha_date, culha_su) VALUES ('C1', '2024-11-21', 800);
INSERT INTO P_PRODUCT_CULHA (culha_no, culha_date, culha_su) VALUES ('C2', '2024-12-06', 1500);
