// Each row: T-SQL text, a tiny data set, and the result the server gives for it (from its
// documentation: type precedence, conversions, CONVERT styles, DATEDIFF boundaries, the
// case-insensitive collation, integer division and the error messages).
#include "core/platform/clock.h"
#include "tests/core/tsql/tsqldb.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    const char* setup; // T-SQL run first (may be empty)
    const char* query; // the statement under test
    // Rows joined by '\n', cells by '|'; "ERROR: <message>" for a failure, or
    // "ERROR <number>: <message>" where the server's error number is checked too.
    const char* expected;
};

const char* const kTables =
    "CREATE TABLE T (n int NULL, s varchar(10) NULL, f float NULL, d numeric(18,3) NULL)\n";

const Case kCases[] = {
    // '+' follows the type precedence
    {"plus_int_text", "", "SELECT 1 + '2'", "3"},
    {"plus_text_text", "", "SELECT '1' + '2'", "12"},
    {"plus_empty_is_zero", "", "SELECT 5 + ''", "5"},
    {"plus_null_int", "", "SELECT 1 + NULL", "NULL"},
    {"plus_null_text", "", "SELECT 'a' + NULL", "NULL"},
    {"plus_unicode", "", "SELECT N'가나' + 'a'", "가나a"},
    {"plus_not_a_number", "", "SELECT 1 + 'x1'",
     "ERROR 245: Conversion failed when converting the varchar value 'x1' to data type int."},
    {"plus_columns", "INSERT INTO T (n, s) VALUES (1, '2')",
     "SELECT n + s, s + s, s + n, s + 'x', f + s FROM T", "3|22|3|2x|NULL"},
    {"plus_float_text", "INSERT INTO T (f, s) VALUES (1.5, '2.25')", "SELECT f + s FROM T", "3.75"},
    {"plus_column_not_a_number", "INSERT INTO T (n, s) VALUES (1, 'ab')", "SELECT n + s FROM T",
     "ERROR: Conversion failed when converting the varchar value 'ab' to data type int."},
    {"plus_unknown_types_at_runtime", "INSERT INTO T (n, s) VALUES (4, '6')",
     "SELECT x + y FROM (SELECT MAX(n) AS x, MAX(s) AS y FROM T) a", "10"},
    {"minus_times_text", "", "SELECT 7 - '2', '3' * 2", "5|6"},

    // conversions go through the server's rules
    {"cast_text_int_fails", "", "SELECT CAST('12abc' AS INTEGER)",
     "ERROR: Conversion failed when converting the varchar value '12abc' to data type int."},
    {"cast_decimal_text_to_int_fails", "", "SELECT CAST('1.5' AS INT)",
     "ERROR: Conversion failed when converting the varchar value '1.5' to data type int."},
    {"cast_spaces_sign", "", "SELECT CAST(' 12 ' AS INT), CAST('+5' AS INT), CAST('' AS INT)",
     "12|5|0"},
    {"cast_float_truncates", "", "SELECT CAST(12.7 AS INT), CAST(-12.7 AS INT)", "12|-12"},
    {"cast_numeric_rounds", "", "SELECT CAST('1.555' AS NUMERIC(10,2)), CAST(2.5 AS NUMERIC)",
     "1.56|3"},
    {"cast_numeric_empty_fails", "", "SELECT CAST('' AS NUMERIC(10,2))",
     "ERROR 8114: Error converting data type varchar to numeric."},
    {"cast_int_overflow", "", "SELECT CAST('99999999999' AS INT)",
     "ERROR 248: The conversion of the varchar value '99999999999' overflowed an int column."},
    {"cast_varchar_lengths", "",
     "SELECT CAST(123 AS VARCHAR(2)), CAST('abcdef' AS VARCHAR(3)), '[' + CAST('ab' AS CHAR(4)) + "
     "']'",
     "*|abc|[ab  ]"},
    {"cast_numeric_to_text_keeps_scale", "",
     "SELECT CAST(1.50 AS VARCHAR(10)), CAST(CAST(2 AS NUMERIC(10,2)) AS VARCHAR(10)), "
     "CONVERT(VARCHAR(10), -0.10), CAST(CAST(1.555 AS NUMERIC(10,2)) AS VARCHAR(10)), "
     "CAST(CAST(2.5 AS NUMERIC) AS VARCHAR(10)), CAST(-CAST(0.001 AS NUMERIC(5,2)) AS VARCHAR)",
     "1.50|2.00|-0.10|1.56|3|0.00"},
    {"cast_varchar_default_30", "",
     "SELECT LEN(CAST('123456789012345678901234567890XYZ' AS VARCHAR))", "30"},
    {"convert_float", "", "SELECT CONVERT(float, '1e3'), CONVERT(float, 2) / 4", "1000|0.5"},
    {"float_to_text", "INSERT INTO T (f) VALUES (1234567.5)",
     "SELECT CAST(f AS VARCHAR(20)), CAST(CAST(12.5 AS FLOAT) AS VARCHAR) FROM T",
     "1.23457e+006|12.5"},
    {"insert_empty_into_int", "INSERT INTO T (n, d) VALUES ('', '1.25')", "SELECT n, d FROM T",
     "0|1.25"},
    {"insert_text_into_int_fails", "", "INSERT INTO T (n) VALUES ('abc')",
     "ERROR: Conversion failed when converting the varchar value 'abc' to data type int."},
    {"update_text_into_int", "INSERT INTO T (n) VALUES (1)\nUPDATE T SET n = '7'",
     "SELECT n + 1 FROM T", "8"},

    // comparisons
    {"text_vs_int_column",
     "INSERT INTO T (n) VALUES (1)\nINSERT INTO T (n) VALUES (2)\nINSERT INTO T (n) VALUES (10)",
     "SELECT COUNT(*) FROM T WHERE n > '2'", "1"},
    {"text_vs_int_literal", "",
     "SELECT CASE WHEN 10 > '9' THEN 1 ELSE 0 END, CASE WHEN '10' > '9' THEN 1 ELSE 0 END", "1|0"},
    {"text_column_vs_int", "INSERT INTO T (s) VALUES ('01')", "SELECT COUNT(*) FROM T WHERE s = 1",
     "1"},
    {"collation_case_and_trailing_spaces", "INSERT INTO T (s) VALUES ('abc')",
     "SELECT COUNT(*) FROM T WHERE s = 'ABC  '", "1"},
    {"collation_literals", "",
     "SELECT CASE WHEN 'abc' = 'ABC ' THEN 1 ELSE 0 END, CASE WHEN N'가' = N'가  ' THEN 1 ELSE 0 "
     "END, CASE WHEN N'Äb' = N'äB' THEN 1 ELSE 0 END, CASE WHEN 'a' < 'B' THEN 1 ELSE 0 END",
     "1|1|1|1"},
    {"like_case_insensitive", "INSERT INTO T (s) VALUES ('abc')",
     "SELECT COUNT(*) FROM T WHERE s LIKE 'AB%' AND s LIKE '_B_' AND s NOT LIKE 'x%'", "1"},
    {"group_by_collation",
     "INSERT INTO T (s) VALUES ('a')\nINSERT INTO T (s) VALUES ('A')\nINSERT INTO T (s) VALUES ('a "
     "')",
     "SELECT COUNT(*) FROM (SELECT s FROM T GROUP BY s) x", "1"},
    {"distinct_collation", "INSERT INTO T (s) VALUES ('b')\nINSERT INTO T (s) VALUES ('B')",
     "SELECT COUNT(*) FROM (SELECT DISTINCT UPPER(s) + '' AS u FROM T) x", "1"},
    {"between_in", "INSERT INTO T (n, s) VALUES (2, '2024-03-05')",
     "SELECT COUNT(*) FROM T WHERE s BETWEEN '2024-03-01' AND '2024-03-31' AND n IN ('1', 2) AND s "
     "NOT IN ('X')",
     "1"},
    {"empty_text_equals_zero", "INSERT INTO T (n) VALUES (0)",
     "SELECT COUNT(*) FROM T WHERE n = ''", "1"},
    {"is_null", "INSERT INTO T (n) VALUES (NULL)",
     "SELECT COUNT(*) FROM T WHERE n IS NULL AND s IS NULL AND NOT n IS NOT NULL", "1"},

    // functions
    {"isnull_types", "INSERT INTO T (n, s) VALUES (NULL, NULL)",
     "SELECT ISNULL(s, 0), ISNULL(n, '5') + 1, ISNULL(NULL, 'x') FROM T", "0|6|x"},
    {"convert_styles", "",
     "SELECT convert(char(10),getdate(),120), convert(char(8),getdate(),114), convert(varchar, "
     "getdate(), 114), "
     "convert(varchar, getdate(), 121), convert(varchar, getdate(), 108), convert(varchar, "
     "getdate(), 23), "
     "convert(varchar, getdate(), 112), convert(varchar(10), getdate(), 120), convert(varchar, "
     "getdate(), 120)",
     "2024-03-05|09:07:05|09:07:05:120|2024-03-05 "
     "09:07:05.120|09:07:05|2024-03-05|20240305|2024-03-05|2024-03-05 09:07:05"},
    {"server_date_forms", "",
     "SELECT substring(convert(varchar, getdate(), 121),1,10), replace(convert(varchar, getdate(), "
     "108),':','')",
     "2024-03-05|090705"},
    {"getdate_is_local_clock", "", "SELECT getdate()", "2024-03-05 09:07:05.120"},
    {"datediff_boundaries", "",
     "SELECT datediff(minute, '2024-03-05 09:59:59', '2024-03-05 10:00:00'), datediff(hour, "
     "'2024-03-05 09:59', '2024-03-05 10:00'), "
     "datediff(day, '2024-03-04 23:59', '2024-03-05 00:01'), datediff(second, '2024-03-05 "
     "10:00:00.999', '2024-03-05 10:00:01.000'), "
     "datediff(minute, '2024-03-05 10:00', '2024-03-05 09:58:30'), datediff(month, '2024-01-31', "
     "'2024-02-01'), datediff(year, '2023-12-31', '2024-01-01')",
     "1|1|1|1|-2|1|1"},
    {"datediff_run_minutes",
     "CREATE TABLE R (sdate varchar(10), stime varchar(5))\nINSERT INTO R VALUES ('2024-03-05', "
     "'08:30')",
     "SELECT datediff(minute,SDATE + ' ' + Stime , getdate()) FROM R", "37"},
    {"datediff_bad_date", "", "SELECT datediff(minute, 'soon', getdate())",
     "ERROR 241: Conversion failed when converting date and/or time from character string."},
    {"dateadd", "",
     "SELECT DATEADD(day, 1, '2024-02-28'), DATEADD(month, 1, '2024-01-31'), DATEADD(minute, -30, "
     "'2024-03-05 00:10')",
     "2024-02-29 00:00:00.000|2024-02-29 00:00:00.000|2024-03-04 23:40:00.000"},
    {"string_functions", "",
     "SELECT LEFT('abc', 2), RIGHT('abc', 5), '[' + RIGHT('abc', 0) + ']', SUBSTRING('abcdef', 2, "
     "3), SUBSTRING('abc', 0, 2), "
     "LEN('ab  '), LEN(''), REPLACE('aBc','b','x'), '[' + LTRIM('  a ') + ']', '[' + RTRIM(' a  ') "
     "+ ']', UPPER('abc'), LOWER('ABC')",
     "ab|abc|[]|bcd|a|2|0|axc|[a ]|[ a]|ABC|abc"},
    {"string_functions_korean", "",
     "SELECT LEFT(N'가나다', 2), RIGHT(N'가나다', 1), LEN(N'가나 '), SUBSTRING(N'가나다', 2, 1)",
     "가나|다|2|나"},
    {"charindex_isnumeric", "",
     "SELECT CHARINDEX('C','abc'), CHARINDEX('z','abc'), CHARINDEX('b','abcb', 3), "
     "ISNUMERIC('12.5'), ISNUMERIC('abc'), "
     "ISNUMERIC('1e5'), ISNUMERIC(''), ISNUMERIC(SUBSTRING('A17', 3, 1)), ISNUMERIC(NULL)",
     "3|0|4|1|0|1|0|1|0"},
    {"left_of_number", "",
     "SELECT LEFT(20240305, 4), RIGHT(MAX(x), 3) + 1 FROM (SELECT '20240305009' AS x) a",
     "2024|10"},
    {"left_negative", "", "SELECT LEFT('abc', -1)",
     "ERROR 537: Invalid length parameter passed to the left function."},

    // aggregates keep the server's integer and float results
    {"aggregates", "INSERT INTO T (n, f) VALUES (1, 1)\nINSERT INTO T (n, f) VALUES (2, 2)",
     "SELECT SUM(n), AVG(n), AVG(CAST(n AS FLOAT)), COUNT(*), COUNT(s), MIN(n), MAX(f) FROM T",
     "3|1|1.5|2|0|1|2"},
    {"aggregates_empty", "", "SELECT COUNT(*), SUM(n), ISNULL(SUM(n), 0) FROM T", "0|NULL|0"},
    {"min_max_text_collation", "INSERT INTO T (s) VALUES ('b')\nINSERT INTO T (s) VALUES ('A')",
     "SELECT MAX(s), MIN(s), MAX(LEFT(s, 1)) FROM T", "b|A|b"},
    {"sum_of_text_fails", "", "SELECT SUM(s) FROM T",
     "ERROR 8117: Operand data type varchar is invalid for sum operator."},

    // division
    {"integer_division", "", "SELECT 7 / 2, -7 / 2, 7 % 3, 7 / 2.0", "3|-3|1|3.5"},
    {"divide_by_zero", "", "SELECT 1 / 0", "ERROR 8134: Divide by zero error encountered."},
    {"divide_by_zero_column", "INSERT INTO T (n) VALUES (0)", "SELECT 5 / n FROM T",
     "ERROR: Divide by zero error encountered."},
    {"rate_expression", "INSERT INTO T (n, f) VALUES (3, 1)\nINSERT INTO T (n, f) VALUES (1, 0)",
     "SELECT CASE WHEN SUM(ISNULL(n,0)) = 0 then 0 ELSE SUM(ISNULL(f,0)) / "
     "CONVERT(float,SUM(ISNULL(n,0))) * 100 END FROM T",
     "25"},

    // a '%' and a digit in a literal is text like any other
    {"percent_digit_in_cast", "",
     "SELECT CAST('a%2' + 'b' AS VARCHAR(10)), CONVERT(VARCHAR(10), '%1' + 'x'), '[' + "
     "CONVERT(CHAR(5), '%1%2' + '') + ']', "
     "CONVERT(VARCHAR(10), DATEADD(day, LEN('%1%2'), '2024-03-05'), 23)",
     "a%2b|%1x|[%1%2 ]|2024-03-09"},
    {"percent_digit_in_cast_column", "INSERT INTO T (s) VALUES ('x')",
     "SELECT CAST('%1%2' + s AS VARCHAR(10)), CONVERT(VARCHAR(10), s + '%1'), CAST(LEN('%1' + s) "
     "AS NUMERIC(10,2)) FROM T",
     "%1%2x|x%1|3"},

    // ROUND: negative places round to tens, hundreds.. half away from zero; the type stays
    {"round_negative_places", "",
     "SELECT ROUND(1234, -2), ROUND(1250, -2), ROUND(-1250, -2), ROUND(1249, -2), ROUND(5, -1), "
     "ROUND(4, -1), "
     "ROUND(123.45, -2), ROUND(748.58, -1), ROUND(748.58, -4), ROUND(1250, -2) / 7, ROUND(2.5, 0) "
     "/ 2, ROUND(7, 1)",
     "1200|1300|-1300|1200|10|0|100|750|0|185|1.5|7"},
    {"round_negative_places_columns", "INSERT INTO T (n, d, f) VALUES (1250, 1234.567, 1250)",
     "SELECT ROUND(n, -2), ROUND(d, -2), ROUND(d, 1), ROUND(n, -3), ROUND(f, -2), ROUND(n, 2) FROM "
     "T",
     "1300|1200|1234.6|1000|1300|1250"},
    {"round_int_overflow", "", "SELECT ROUND(2147483647, -1)",
     "ERROR 8115: Arithmetic overflow error converting expression to data type int."},

    // int arithmetic stays in the int range; a literal beyond it is numeric
    {"int_overflow_literal", "", "SELECT 2147483647 + 1",
     "ERROR 8115: Arithmetic overflow error converting expression to data type int."},
    {"int_no_overflow_at_the_edges", "",
     "SELECT 2147483646 + 1, -2147483647 - 1, 2147483648 + 1, CAST(2147483647 AS BIGINT) + 1, "
     "46340 * 46340, -2147483648",
     "2147483647|-2147483648|2147483649|2147483648|2147395600|-2147483648"},
    {"int_overflow_plus_column", "INSERT INTO T (n) VALUES (2147483647)", "SELECT n + 1 FROM T",
     "ERROR 8115: Arithmetic overflow error converting expression to data type int."},
    {"int_overflow_minus_column", "INSERT INTO T (n) VALUES (-2147483647)", "SELECT n - 2 FROM T",
     "ERROR 8115: Arithmetic overflow error converting expression to data type int."},
    {"int_overflow_times_column", "INSERT INTO T (n) VALUES (65536)", "SELECT n * n FROM T",
     "ERROR 8115: Arithmetic overflow error converting expression to data type int."},
    {"int_overflow_negate_column", "INSERT INTO T (n) VALUES (-2147483648)", "SELECT -n FROM T",
     "ERROR 8115: Arithmetic overflow error converting expression to data type int."},
    {"int_overflow_divide_column", "INSERT INTO T (n) VALUES (-2147483648)", "SELECT n / -1 FROM T",
     "ERROR 8115: Arithmetic overflow error converting expression to data type int."},
    {"int_overflow_sum", "INSERT INTO T (n) VALUES (2147483647)\nINSERT INTO T (n) VALUES (1)",
     "SELECT SUM(n) FROM T",
     "ERROR 8115: Arithmetic overflow error converting expression to data type int."},
    {"bigint_overflow_column",
     "CREATE TABLE B (b bigint)\nINSERT INTO B VALUES ('9223372036854775807')",
     "SELECT b + 1 FROM B",
     "ERROR 8115: Arithmetic overflow error converting expression to data type bigint."},
    {"bigint_sum_of_int",
     "INSERT INTO T (n) VALUES (2147483647)\nINSERT INTO T (n) VALUES (2147483647)",
     "SELECT SUM(CAST(n AS BIGINT)), MAX(n) + CAST(1 AS BIGINT), COUNT(*) * 2 FROM T",
     "4294967294|2147483648|4"},

    // type errors carry the server's numbers, not a syntax error's
    {"text_minus_text", "", "SELECT 'a' - 'b'",
     "ERROR 402: The data types varchar and varchar are incompatible in the subtract operator."},
    {"float_modulo", "", "SELECT CAST(5 AS FLOAT) % 2",
     "ERROR 402: The data types float and int are incompatible in the modulo operator."},
    {"coalesce_of_null_constants", "", "SELECT COALESCE(NULL, NULL)",
     "ERROR 4127: At least one of the arguments to COALESCE must be an expression that is not the "
     "NULL constant."},
    {"nullif_of_null_constant", "", "SELECT NULLIF(NULL, 1)",
     "ERROR 4151: The type of the first argument to NULLIF cannot be the NULL constant because the "
     "type of the first argument has to be known."},
    {"case_of_null_constants", "", "SELECT CASE WHEN 1 = 1 THEN NULL END",
     "ERROR 8133: At least one of the result expressions in a CASE specification must be an "
     "expression other than the NULL constant."},

    // date parts (DATEFIRST 7, us_english); 2024-03-05 is a Tuesday
    {"datepart", "",
     "SELECT DATEPART(year, getdate()), DATEPART(yy, getdate()), DATEPART(yyyy, getdate()), "
     "DATEPART(month, getdate()), "
     "DATEPART(mm, getdate()), DATEPART(m, getdate()), DATEPART(day, getdate()), DATEPART(dd, "
     "getdate()), DATEPART(d, getdate()), "
     "DATEPART(hour, getdate()), DATEPART(hh, getdate()), DATEPART(minute, getdate()), "
     "DATEPART(mi, getdate()), DATEPART(n, getdate()), "
     "DATEPART(second, getdate()), DATEPART(ss, getdate()), DATEPART(s, getdate()), "
     "DATEPART(weekday, getdate()), DATEPART(dw, getdate())",
     "2024|2024|2024|3|3|3|5|5|5|9|9|7|7|7|5|5|5|3|3"},
    {"datepart_other_parts_and_inputs", "INSERT INTO T (s) VALUES ('2024-03-10')",
     "SELECT DATEPART(dw, s), DATEPART(dw, '2024-03-09'), DATEPART(quarter, s), "
     "DATEPART(dayofyear, s), DATEPART(week, s), "
     "DATEPART(millisecond, getdate()), DATEPART(month, CAST(NULL AS DATETIME)), DATEPART(month, "
     "s) + 1 FROM T",
     "1|7|1|70|11|120|NULL|4"},
    {"datename", "",
     "SELECT DATENAME(month, getdate()), DATENAME(mm, '2024-12-01'), DATENAME(m, '2024-01-01'), "
     "DATENAME(weekday, getdate()), "
     "DATENAME(dw, '2024-03-10'), DATENAME(year, getdate()) + '1', DATENAME(yy, getdate()), "
     "DATENAME(dd, getdate()), DATENAME(d, getdate()), "
     "DATENAME(hh, getdate()), DATENAME(mi, getdate()), DATENAME(n, getdate()), DATENAME(ss, "
     "getdate()), DATENAME(s, getdate())",
     "March|December|January|Tuesday|Sunday|20241|2024|5|5|9|7|7|5|5"},
    {"year_month_day", "INSERT INTO T (s) VALUES ('2023-12-31 23:59:59')",
     "SELECT YEAR(s), MONTH(s), DAY(s), YEAR(getdate()) * 100 + MONTH(getdate()), "
     "DAY('2024-02-29'), YEAR(0), MONTH(0), DAY(0), YEAR(CAST(NULL AS DATETIME)) FROM T",
     "2023|12|31|202403|29|1900|1|1|NULL"},
    {"datepart_bad_unit_refused", "", "SELECT DATEPART(fortnight, getdate())",
     "ERROR: unsupported T-SQL: date part fortnight"},
    {"eomonth", "INSERT INTO T (s, n) VALUES ('2024-01-31', 1)",
     "SELECT EOMONTH('2024-02-10'), EOMONTH(s, 1), EOMONTH('2024-03-05', -1), "
     "EOMONTH('2023-12-15', 2), EOMONTH(s, n + 11), "
     "EOMONTH(CAST(NULL AS DATETIME)), DATEDIFF(day, s, EOMONTH(s)), CASE WHEN EOMONTH(getdate()) "
     "= '2024-03-31' THEN 1 ELSE 0 END FROM T",
     "2024-02-29|2024-02-29|2024-02-29|2024-02-29|2025-01-31|NULL|0|1"},

    // text functions
    {"replicate_space", "INSERT INTO T (s, n) VALUES ('ab', 3)",
     "SELECT REPLICATE(s, n), '[' + REPLICATE('a', 0) + ']', REPLICATE('a', -1), REPLICATE(NULL, "
     "2), REPLICATE(5, 2), "
     "REPLICATE(N'가', 2), '[' + SPACE(3) + ']', SPACE(-1), LEN('a' + SPACE(2) + 'b'), "
     "RIGHT(REPLICATE('0', 3) + '7', 3) FROM T",
     "ababab|[]|NULL|NULL|55|가가|[   ]|NULL|4|007"},
    {"stuff", "INSERT INTO T (s) VALUES ('abcdef')",
     "SELECT STUFF(s, 2, 3, 'ijklmn'), STUFF(s, 1, 0, 'x'), STUFF(s, 5, 9, 'X'), STUFF(s, 2, 3, "
     "NULL), STUFF(s, 0, 1, 'x'), "
     "STUFF(s, 7, 1, 'x'), STUFF(s, 2, -1, 'x'), STUFF(N'가나다', 2, 1, N'라') FROM T",
     "aijklmnef|xabcdef|abcdX|aef|NULL|NULL|NULL|가라다"},
    {"patindex", "INSERT INTO T (s) VALUES ('interesting data')",
     "SELECT PATINDEX('%ter%', s), PATINDEX('%en_ure%', 'please ensure the door is locked'), "
     "PATINDEX('%[^ 0-9A-z]%', 'Please ensure the door is locked!'), PATINDEX('%TER%', s), "
     "PATINDEX('in%', s), PATINDEX('te%', s), "
     "PATINDEX('%ing', 'interesting'), PATINDEX('%ter', 'interesting'), PATINDEX('%[0-9]%', "
     "'ab12'), PATINDEX('%x%', s), "
     "PATINDEX('%a%', NULL), PATINDEX('%나%', N'가나다') FROM T",
     "3|8|33|3|1|0|9|0|3|0|NULL|2"},
    {"str", "INSERT INTO T (f) VALUES (123.45)",
     "SELECT '[' + STR(f) + ']', STR(f, 6, 1), STR(f, 8, 3), STR(f, 2, 2), STR(f, 5, 3), STR(2.5), "
     "STR(-2.5, 3), "
     "STR(FLOOR(123.45), 8, 3), STR(1234567890123, 5), STR(NULL), LEN(STR(1)), STR('12.5', 4, 1) "
     "FROM T",
     "[       123]| 123.5| 123.450|**|123.5|         3| -3| 123.000|*****|NULL|10|12.5"},

    // numbers
    {"ceiling_floor", "INSERT INTO T (f, d, n) VALUES (-1.5, 123.45, 7)",
     "SELECT CEILING(123.45), CEILING(-123.45), CEILING(0.0), FLOOR(123.45), FLOOR(-123.45), "
     "FLOOR(n), CEILING(f), FLOOR(f), "
     "CEILING(d), FLOOR(d), FLOOR(n) / 2, FLOOR(7.5) / 2, CEILING(NULL), CEILING('1.5') FROM T",
     "124|-123|0|123|-124|7|-1|-2|124|123|3|3.5|NULL|2"},

    // COALESCE, NULLIF, IIF follow the type precedence of their arguments
    {"coalesce_nullif_iif", "INSERT INTO T (n, s) VALUES (NULL, 'a')",
     "SELECT COALESCE(n, 0) + 1, COALESCE(NULL, s, 'none'), COALESCE('5', 2) + 1, COALESCE(NULL, "
     "1, 'x'), "
     "NULLIF(5, 5), NULLIF(5, 6), NULLIF(s, 'A'), NULLIF(10, '10'), "
     "IIF(1 > 0, 'yes', 'no'), IIF(s = 'A', 1, 2), IIF(1 = 0, 5, '0') + 1, IIF(n IS NULL, NULL, 3) "
     "FROM T",
     "1|a|6|1|NULL|5|NULL|NULL|yes|1|1|NULL"},
    {"iif_branch_not_a_number", "", "SELECT IIF(1 = 0, 5, 'x')",
     "ERROR 245: Conversion failed when converting the varchar value 'x' to data type int."},
    {"unknown_function_still_refused", "", "SELECT SOUNDEX('a')",
     "ERROR -2147217900: unsupported T-SQL: function SOUNDEX"},

    // CASE result type
    {"case_precedence", "",
     "SELECT CASE WHEN 1=1 THEN 5 - 7 ELSE '0' END, CASE WHEN 1=0 THEN 5 ELSE '0' END + 1", "-2|1"},
    {"case_branch_not_a_number", "", "SELECT CASE WHEN 1=0 THEN 5 ELSE 'x' END",
     "ERROR: Conversion failed when converting the varchar value 'x' to data type int."},
    {"simple_case", "INSERT INTO T (s) VALUES ('B')",
     "SELECT CASE s WHEN 'a' THEN 1 WHEN 'b' THEN 2 ELSE 3 END FROM T", "2"},

    // TOP, UNION ALL
    {"top_order",
     "INSERT INTO T (n) VALUES (1)\nINSERT INTO T (n) VALUES (10)\nINSERT INTO T (n) VALUES (2)",
     "SELECT TOP 2 n FROM T ORDER BY n DESC", "10\n2"},
    {"top_inside_union_arm", "INSERT INTO T (n) VALUES (1)\nINSERT INTO T (n) VALUES (1)",
     "SELECT TOP 1 n FROM T UNION ALL SELECT 5", "1\n5"},
    {"union_all_keeps_order_and_duplicates", "",
     "SELECT Total.a FROM( SELECT 1 AS a Union All SELECT 1 Union All SELECT 0 )TOTAL", "1\n1\n0"},

    // numbering expressions
    {"op_seq_first", "CREATE TABLE OPS (OP_SEQ varchar(11))",
     "SELECT CASE WHEN MAX(OP_SEQ) IS NULL THEN '20240305'+'001' ELSE  LEFT(max(OP_SEQ),8) + "
     "RIGHT('000' + CAST(RIGHT(MAX(OP_SEQ),3) + 1 AS VARCHAR(12)),3) END From OPS WHERE OP_SEQ "
     "like '20240305%'",
     "20240305001"},
    {"op_seq_next",
     "CREATE TABLE OPS (OP_SEQ varchar(11))\nINSERT INTO OPS VALUES ('20240305009')\nINSERT INTO "
     "OPS VALUES ('20240304999')",
     "SELECT CASE WHEN MAX(OP_SEQ) IS NULL THEN '20240305'+'001' ELSE  LEFT(max(OP_SEQ),8) + "
     "RIGHT('000' + CAST(RIGHT(MAX(OP_SEQ),3) + 1 AS VARCHAR(12)),3) END From OPS WHERE OP_SEQ "
     "like '20240305%'",
     "20240305010"},
    {"prod_no_next", "CREATE TABLE J (prod_no varchar(11))\nINSERT INTO J VALUES ('20240305099')",
     " select  CASE wHEN left(MAX(prod_no),8) + Right('000' + Cast(right(Max(prod_no),3) + 1 as "
     "varchar(10)),3)\n"
     "   IS NULL THEN '20240305001' ELSE left(MAX(prod_no),8) + Right('000' + "
     "Cast(right(Max(prod_no),3) + 1 as varchar(10)),3) END\n"
     " From J\n Where PROD_NO like '20240305%'",
     "20240305100"},
    {"process_num_first", "CREATE TABLE Q (process_num varchar(11), process_test_date varchar(10))",
     " SELECT\n     Case When max(M_MAI.process_num) is null\n    Then '20240305' + '001'\n"
     "    else left(max(M_MAI.process_num),8) + Right('000' + Cast(right(Max(process_num),3) + 1 "
     "as varchar),3) End            AS 전표번호\n"
     "FROM Q M_MAI\nWhere  process_test_date= '2024-03-05'",
     "20240305001"},

    // PIVOT: conditional aggregation keyed by the pivot column's text
    {"pivot_missing_dates",
     "CREATE TABLE P (jakup_date varchar(10), qty int)\nINSERT INTO P VALUES ('2024-03-01', 5)\n"
     "INSERT INTO P VALUES ('2024-03-01', 2)\nINSERT INTO P VALUES ('2024-03-03', 4)",
     "SELECT '3' as [순번], ISNULL([2024-03-01],0)  as day_1, ISNULL([2024-03-02],0)  as day_2, "
     "ISNULL([2024-03-03],0)  as day_3, '0' as [합계]\n"
     "FROM\n    (SELECT\n        SUM(ISNULL(QTY,0))    as [QTY],\n        Jakup_Date as "
     "[JAKUP_DATE]\n    FROM P\n"
     "    WHERE Jakup_Date between '2024-03-01' and '2024-03-31'\n    GROUP BY Jakup_Date\n    ) "
     "QTY\n"
     "Pivot\n(SUM(QTY) FOR jakup_date IN([1],\n[2024-03-01],\n[2024-03-02],\n[2024-03-03],\n[2])) "
     "AS QTY_pivot",
     "3|7|0|4|0"},
    {"pivot_no_rows", "CREATE TABLE P (jakup_date varchar(10), qty int)",
     "SELECT ISNULL([2024-03-01],0) as day_1, [2] FROM (SELECT qty, jakup_date FROM P) X PIVOT "
     "(SUM(qty) FOR jakup_date IN ([2024-03-01], [2])) AS pv",
     "0|NULL"},
    {"pivot_groups_by_other_columns",
     "CREATE TABLE P (k varchar(5), jakup_date varchar(10), qty int)\nINSERT INTO P VALUES ('a', "
     "'1', 1)\n"
     "INSERT INTO P VALUES ('A', '2', 2)\nINSERT INTO P VALUES ('b', '1', 3)",
     "SELECT k, [1], [2] FROM P PIVOT (SUM(qty) FOR jakup_date IN ([1], [2])) AS pv ORDER BY k",
     "a|1|2\nb|3|NULL"},

    // UPDATE .. FROM and DELETE forms
    {"update_alias_from",
     "CREATE TABLE P_SANGSAN_MASTER (op_seq_sub varchar(14), bad_qty int)\nINSERT INTO "
     "P_SANGSAN_MASTER VALUES ('20240305001001', 0)\n"
     "INSERT INTO P_SANGSAN_MASTER VALUES ('20240305002001', 0)\n"
     "UPDATE P_SM\nSET\n    Bad_Qty = 5\nFROM P_SANGSAN_MASTER P_SM\nWHERE\n    "
     "P_SM.Op_seq_sub='20240305001001'",
     "SELECT op_seq_sub, bad_qty FROM P_SANGSAN_MASTER ORDER BY op_seq_sub",
     "20240305001001|5\n20240305002001|0"},
    {"update_alias_from_join",
     "CREATE TABLE A (id int, v int)\nCREATE TABLE B (id int, v int)\nINSERT INTO A VALUES (1, "
     "0)\nINSERT INTO A VALUES (2, 0)\n"
     "INSERT INTO B VALUES (1, 7)\nUPDATE x SET x.v = y.v + 1 FROM A x JOIN B y ON x.id = y.id",
     "SELECT id, v FROM A ORDER BY id", "1|8\n2|0"},
    {"update_named_table_from_itself",
     "CREATE TABLE P_BIGADONG (op_seq_sub varchar(14), sdate varchar(10), stime varchar(5), etime "
     "varchar(5), min int)\n"
     "INSERT INTO P_BIGADONG VALUES ('r', '2024-03-05', '09:00', NULL, NULL)\n"
     "UPDATE P_BIGADONG\nSET etime = '09:07'\n    ,min = datediff(minute,SDATE + ' ' + Stime , "
     "getdate())\nFrom P_BIGADONG\nWHERE OP_SEQ_SUB = 'r'\nAND Etime IS NULL",
     "SELECT etime, min FROM P_BIGADONG", "09:07|7"},
    {"delete_without_from",
     "CREATE TABLE D (k varchar(5))\nINSERT INTO D VALUES ('a')\nINSERT INTO D VALUES ('b')\n    "
     "DELETE  D\n    WHERE k = 'A'",
     "SELECT k FROM D", "b"},

    // IF .. BEGIN .. END
    {"if_else_runs_one_branch", "", "IF 1 = 0 BEGIN SELECT 'then' END ELSE BEGIN SELECT 'else' END",
     "else"},
    {"if_without_else", "CREATE TABLE D (k int)",
     "IF (SELECT COUNT(*) FROM D) = 0 INSERT INTO D VALUES (1)\nSELECT k FROM D", "1"},
    {"object_id_tables", "CREATE TABLE D (k int)",
     "SELECT CASE WHEN OBJECT_ID('D', 'U') IS NULL THEN 0 ELSE 1 END, CASE WHEN "
     "OBJECT_ID('dbo.Missing') IS NULL THEN 0 ELSE 1 END",
     "1|0"},

    // grouped derived tables read by index: the rows stay those of the grouping
    {"one_group_found", "INSERT INTO T (n, s) VALUES (1, 'a'), (3, 'A'), (2, 'b')",
     "SELECT COUNT(*), MAX(A.m) FROM (SELECT s, MAX(n) AS m FROM T WHERE s = 'a' GROUP BY s) A",
     "1|3"},
    {"one_group_none", "INSERT INTO T (n, s) VALUES (1, 'a')",
     "SELECT COUNT(*) FROM (SELECT s, MAX(n) AS m FROM T WHERE s = 'z' GROUP BY s) A", "0"},
    {"one_group_of_nulls", "INSERT INTO T (n, s) VALUES (NULL, 'a')",
     "SELECT COUNT(*), MAX(A.m) FROM (SELECT s, MIN(n) AS m FROM T WHERE s = 'a' GROUP BY s) A",
     "1|NULL"},
    {"latest_row_of_a_product",
     "CREATE TABLE L (idx int, p varchar(10), r varchar(10), q int)\nCREATE TABLE M (p "
     "varchar(10))\nINSERT INTO M VALUES ('a'), ('c')\nINSERT INTO L VALUES (1, 'a', "
     "'2024-03-01', 10), (2, 'A', '2024-03-04', 20), (3, 'a', '2024-03-04', 30), (4, 'a', "
     "'2024-03-09', 40), (5, 'b', '2024-03-04', 50)",
     "SELECT AA.p, ISNULL(C.q + 5, 5) FROM (SELECT p, MAX(r) AS r FROM L WHERE r <= '2024-03-05' "
     "AND p = 'a' GROUP BY p) A JOIN (SELECT p, r, MAX(idx) AS idx FROM L WHERE r <= "
     "'2024-03-05' AND p = 'a' GROUP BY p, r) B ON A.p = B.p AND A.r = B.r JOIN L C ON B.idx = "
     "C.idx RIGHT JOIN M AA ON A.p = AA.p WHERE AA.p = 'a' UNION ALL SELECT AA.p, ISNULL(C.q + "
     "5, 5) FROM (SELECT p, MAX(r) AS r FROM L WHERE r <= '2024-03-05' AND p = 'c' GROUP BY p) A "
     "JOIN (SELECT p, r, MAX(idx) AS idx FROM L WHERE r <= '2024-03-05' AND p = 'c' GROUP BY p, "
     "r) B ON A.p = B.p AND A.r = B.r JOIN L C ON B.idx = C.idx RIGHT JOIN M AA ON A.p = AA.p "
     "WHERE AA.p = 'c'",
     "a|35\nc|5"},
    {"left_join_to_groups", "INSERT INTO T (n, s) VALUES (1, 'a'), (2, 'a'), (3, 'b'), (1, 'c')",
     "SELECT A.s, B.c FROM (SELECT s, MAX(n) AS m FROM T GROUP BY s) A LEFT JOIN (SELECT s, "
     "COUNT(*) AS c FROM T WHERE n > 1 GROUP BY s) B ON A.s = B.s ORDER BY A.s",
     "a|1\nb|1\nc|NULL"},

    // names, comments, identity
    {"comments_not_in_strings", "", "SELECT '--x' AS a, 1 /* , 2 */ + 1 -- , 3", "--x|2"},
    {"misspelt_double_quoted_name_fails", "", "SELECT \"nosuch\" FROM T",
     "ERROR: no such column: nosuch"},
    {"identity",
     "CREATE TABLE I (idx int IDENTITY(1,1) NOT NULL PRIMARY KEY, v varchar(5))\nINSERT INTO I (v) "
     "VALUES ('a')\nINSERT INTO I VALUES ('b')",
     "SELECT idx, v FROM I ORDER BY idx", "1|a\n2|b"},
    {"temp_table", "CREATE TABLE #w (k int)\nINSERT INTO #w VALUES (3)", "SELECT k FROM #w", "3"},
    {"drop_table", "CREATE TABLE X (k int)\nDROP TABLE X",
     "SELECT CASE WHEN OBJECT_ID('X') IS NULL THEN 1 ELSE 0 END", "1"},
};

class TsqlSemantics : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(9, 7, 5, 120)));
    }
    void TearDown() override { Clock::reset(); }
    QTemporaryDir m_dir;
};

} // namespace

TEST_P(TsqlSemantics, GivesTheServersResult) {
    const Case& c = GetParam();
    TsqlDb db(m_dir.filePath(QStringLiteral("t.sqlite")));
    ASSERT_EQ(db.exec(QString::fromUtf8(kTables)).toStdString(), "");
    if (*c.setup) {
        ASSERT_EQ(db.exec(QString::fromUtf8(c.setup)).toStdString(), "");
    }
    const QString got = db.run(QString::fromUtf8(c.query));
    QString expected = QString::fromUtf8(c.expected);
    static const QRegularExpression numbered(QStringLiteral("^ERROR (-?\\d+): "));
    if (const QRegularExpressionMatch m = numbered.match(expected); m.hasMatch()) {
        EXPECT_EQ(db.lastErrorNumber(), m.captured(1).toInt()) << got.toStdString();
        expected = QStringLiteral("ERROR: ") + expected.mid(m.capturedLength());
    }
    if (expected.startsWith(QLatin1String("ERROR: "))) {
        EXPECT_TRUE(got.startsWith(expected)) << got.toStdString();
    } else {
        EXPECT_EQ(got.toStdString(), expected.toStdString());
    }
}

INSTANTIATE_TEST_SUITE_P(Table, TsqlSemantics, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });
