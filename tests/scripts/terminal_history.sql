-- Added to terminal.sql and terminal_stops.sql for the history script: the products' type,
-- which the defect history joins, and their pallet quantity, which the ticket checks.
INSERT INTO B_PRODUCT_TYPE (product_type_code, product_type_name) VALUES ('T1', N'완제품');
UPDATE B_PRODUCT_MASTER SET product_type_code = 'T1', palette_ea = 20;
