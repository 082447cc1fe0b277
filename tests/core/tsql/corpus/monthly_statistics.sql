
SELECT
    '1' as [순번]
   ,'생산계획량' as [구분]
    ,ISNULL(SUM(ISNULL(day_1,0)),0) as [day_1]
    ,ISNULL(SUM(ISNULL(day_2,0)),0) as [day_2]
    ,ISNULL(SUM(ISNULL(day_3,0)),0) as [day_3]
    ,ISNULL(SUM(ISNULL(day_4,0)),0) as [day_4]
    ,ISNULL(SUM(ISNULL(day_5,0)),0) as [day_5]
    ,ISNULL(SUM(ISNULL(day_6,0)),0) as [day_6]
    ,ISNULL(SUM(ISNULL(day_7,0)),0) as [day_7]
    ,ISNULL(SUM(ISNULL(day_8,0)),0) as [day_8]
    ,ISNULL(SUM(ISNULL(day_9,0)),0) as [day_9]
    ,ISNULL(SUM(ISNULL(day_10,0)),0) as [day_10]
    ,ISNULL(SUM(ISNULL(day_11,0)),0) as [day_11]
    ,ISNULL(SUM(ISNULL(day_12,0)),0) as [day_12]
    ,ISNULL(SUM(ISNULL(day_13,0)),0) as [day_13]
    ,ISNULL(SUM(ISNULL(day_14,0)),0) as [day_14]
    ,ISNULL(SUM(ISNULL(day_15,0)),0) as [day_15]
    ,ISNULL(SUM(ISNULL(day_16,0)),0) as [day_16]
    ,ISNULL(SUM(ISNULL(day_17,0)),0) as [day_17]
    ,ISNULL(SUM(ISNULL(day_18,0)),0) as [day_18]
    ,ISNULL(SUM(ISNULL(day_19,0)),0) as [day_19]
    ,ISNULL(SUM(ISNULL(day_20,0)),0) as [day_20]
    ,ISNULL(SUM(ISNULL(day_21,0)),0) as [day_21]
    ,ISNULL(SUM(ISNULL(day_22,0)),0) as [day_22]
    ,ISNULL(SUM(ISNULL(day_23,0)),0) as [day_23]
    ,ISNULL(SUM(ISNULL(day_24,0)),0) as [day_24]
    ,ISNULL(SUM(ISNULL(day_25,0)),0) as [day_25]
    ,ISNULL(SUM(ISNULL(day_26,0)),0) as [day_26]
    ,ISNULL(SUM(ISNULL(day_27,0)),0) as [day_27]
    ,ISNULL(SUM(ISNULL(day_28,0)),0) as [day_28]
    ,ISNULL(SUM(ISNULL(day_29,0)),0) as [day_29]
    ,ISNULL(SUM(ISNULL(day_30,0)),0) as [day_30]
    ,ISNULL(SUM(ISNULL(day_31,0)),0) as [day_31]
    ,'0' as [합계]
FROM S_PRODUCTIONPLAN_MONTH S_PD
JOIN(
    SELECT
        distinct product_code as product_code
    From B_EQUIPMENT_TIME
    WHERE process_code = '0001'
    ) A on A.product_code = S_PD.product_code
WHERE S_PD.productionplan_month = '2024-03'
Union All
SELECT
    '2' as [순번]
   ,'생산수량' as [구분]
    ,ISNULL([2024-03-01],0)  as day_1
    ,ISNULL([2024-03-02],0)  as day_2
    ,ISNULL([2024-03-03],0)  as day_3
    ,ISNULL([2024-03-04],0)  as day_4
    ,ISNULL([2024-03-05],0)  as day_5
    ,ISNULL([2024-03-06],0)  as day_6
    ,ISNULL([2024-03-07],0)  as day_7
    ,ISNULL([2024-03-08],0)  as day_8
    ,ISNULL([2024-03-09],0)  as day_9
    ,ISNULL([2024-03-10],0)  as day_10
    ,ISNULL([2024-03-11],0)  as day_11
    ,ISNULL([2024-03-12],0)  as day_12
    ,ISNULL([2024-03-13],0)  as day_13
    ,ISNULL([2024-03-14],0)  as day_14
    ,ISNULL([2024-03-15],0)  as day_15
    ,ISNULL([2024-03-16],0)  as day_16
    ,ISNULL([2024-03-17],0)  as day_17
    ,ISNULL([2024-03-18],0)  as day_18
    ,ISNULL([2024-03-19],0)  as day_19
    ,ISNULL([2024-03-20],0)  as day_20
    ,ISNULL([2024-03-21],0)  as day_21
    ,ISNULL([2024-03-22],0)  as day_22
    ,ISNULL([2024-03-23],0)  as day_23
    ,ISNULL([2024-03-24],0)  as day_24
    ,ISNULL([2024-03-25],0)  as day_25
    ,ISNULL([2024-03-26],0)  as day_26
    ,ISNULL([2024-03-27],0)  as day_27
    ,ISNULL([2024-03-28],0)  as day_28
    ,ISNULL([2024-03-29],0)  as day_29
    ,ISNULL([2024-03-30],0)  as day_30
    ,ISNULL([2024-03-31],0)  as day_31
    ,'0' as [합계]
FROM
    (SELECT
        SUM(ISNULL(qty,0) + ISNULL(bad_qty,0)) as [Sangsan_qty],
        Jakup_Date As Jakup_Date
    FROM P_SangSan_Master
    WHERE Jakup_Date between '2024-03-01' and '2024-03-31'
    AND process_code = '0001'
    GROUP BY Jakup_Date
    ) SANGSAN_QTY
PIVOT
(SUM(SANGSAN_QTY) FOR jakup_date IN([1],
[2024-03-01],
[2024-03-02],
[2024-03-03],
[2024-03-04],
[2024-03-05],
[2024-03-06],
[2024-03-07],
[2024-03-08],
[2024-03-09],
[2024-03-10],
[2024-03-11],
[2024-03-12],
[2024-03-13],
[2024-03-14],
[2024-03-15],
[2024-03-16],
[2024-03-17],
[2024-03-18],
[2024-03-19],
[2024-03-20],
[2024-03-21],
[2024-03-22],
[2024-03-23],
[2024-03-24],
[2024-03-25],
[2024-03-26],
[2024-03-27],
[2024-03-28],
[2024-03-29],
[2024-03-30],
[2024-03-31],
[2])) AS SANGSAN_QTY_pivot
Union All
SELECT
    '3' as [순번]
   ,'양품수량' as [구분]
    ,ISNULL([2024-03-01],0)  as day_1
    ,ISNULL([2024-03-02],0)  as day_2
    ,ISNULL([2024-03-03],0)  as day_3
    ,ISNULL([2024-03-04],0)  as day_4
    ,ISNULL([2024-03-05],0)  as day_5
    ,ISNULL([2024-03-06],0)  as day_6
    ,ISNULL([2024-03-07],0)  as day_7
    ,ISNULL([2024-03-08],0)  as day_8
    ,ISNULL([2024-03-09],0)  as day_9
    ,ISNULL([2024-03-10],0)  as day_10
    ,ISNULL([2024-03-11],0)  as day_11
    ,ISNULL([2024-03-12],0)  as day_12
    ,ISNULL([2024-03-13],0)  as day_13
    ,ISNULL([2024-03-14],0)  as day_14
    ,ISNULL([2024-03-15],0)  as day_15
    ,ISNULL([2024-03-16],0)  as day_16
    ,ISNULL([2024-03-17],0)  as day_17
    ,ISNULL([2024-03-18],0)  as day_18
    ,ISNULL([2024-03-19],0)  as day_19
    ,ISNULL([2024-03-20],0)  as day_20
    ,ISNULL([2024-03-21],0)  as day_21
    ,ISNULL([2024-03-22],0)  as day_22
    ,ISNULL([2024-03-23],0)  as day_23
    ,ISNULL([2024-03-24],0)  as day_24
    ,ISNULL([2024-03-25],0)  as day_25
    ,ISNULL([2024-03-26],0)  as day_26
    ,ISNULL([2024-03-27],0)  as day_27
    ,ISNULL([2024-03-28],0)  as day_28
    ,ISNULL([2024-03-29],0)  as day_29
    ,ISNULL([2024-03-30],0)  as day_30
    ,ISNULL([2024-03-31],0)  as day_31
    ,'0' as [합계]
FROM
    (SELECT
        SUM(ISNULL(QTY,0))    as [QTY],
        Jakup_Date as [JAKUP_DATE]
    FROM P_SANGSAN_MASTER
    WHERE Jakup_Date between '2024-03-01' and '2024-03-31'
    AND process_code = '0001'
    GROUP BY Jakup_Date
    ) QTY
Pivot
(SUM(QTY) FOR jakup_date IN([1],
[2024-03-01],
[2024-03-02],
[2024-03-03],
[2024-03-04],
[2024-03-05],
[2024-03-06],
[2024-03-07],
[2024-03-08],
[2024-03-09],
[2024-03-10],
[2024-03-11],
[2024-03-12],
[2024-03-13],
[2024-03-14],
[2024-03-15],
[2024-03-16],
[2024-03-17],
[2024-03-18],
[2024-03-19],
[2024-03-20],
[2024-03-21],
[2024-03-22],
[2024-03-23],
[2024-03-24],
[2024-03-25],
[2024-03-26],
[2024-03-27],
[2024-03-28],
[2024-03-29],
[2024-03-30],
[2024-03-31],
[2])) AS QTY_pivot
Union All
SELECT
    '4' as [순번]
   ,'불량수량' as [구분]
    ,ISNULL([2024-03-01],0)  as day_1
    ,ISNULL([2024-03-02],0)  as day_2
    ,ISNULL([2024-03-03],0)  as day_3
    ,ISNULL([2024-03-04],0)  as day_4
    ,ISNULL([2024-03-05],0)  as day_5
    ,ISNULL([2024-03-06],0)  as day_6
    ,ISNULL([2024-03-07],0)  as day_7
    ,ISNULL([2024-03-08],0)  as day_8
    ,ISNULL([2024-03-09],0)  as day_9
    ,ISNULL([2024-03-10],0)  as day_10
    ,ISNULL([2024-03-11],0)  as day_11
    ,ISNULL([2024-03-12],0)  as day_12
    ,ISNULL([2024-03-13],0)  as day_13
    ,ISNULL([2024-03-14],0)  as day_14
    ,ISNULL([2024-03-15],0)  as day_15
    ,ISNULL([2024-03-16],0)  as day_16
    ,ISNULL([2024-03-17],0)  as day_17
    ,ISNULL([2024-03-18],0)  as day_18
    ,ISNULL([2024-03-19],0)  as day_19
    ,ISNULL([2024-03-20],0)  as day_20
    ,ISNULL([2024-03-21],0)  as day_21
    ,ISNULL([2024-03-22],0)  as day_22
    ,ISNULL([2024-03-23],0)  as day_23
    ,ISNULL([2024-03-24],0)  as day_24
    ,ISNULL([2024-03-25],0)  as day_25
    ,ISNULL([2024-03-26],0)  as day_26
    ,ISNULL([2024-03-27],0)  as day_27
    ,ISNULL([2024-03-28],0)  as day_28
    ,ISNULL([2024-03-29],0)  as day_29
    ,ISNULL([2024-03-30],0)  as day_30
    ,ISNULL([2024-03-31],0)  as day_31
    ,'0' as [합계]
FROM
    (SELECT
        SUM(ISNULL(BAD_QTY,0))    as  [bad_qty],
        Jakup_Date As Jakup_Date
    From P_SangSan_Master
    WHERE Jakup_Date between '2024-03-01' and '2024-03-31'
    AND process_code = '0001'
    GROUP BY Jakup_Date
    ) BAD_QTY
Pivot
(SUM(BAD_QTY) FOR jakup_date IN([1],
[2024-03-01],
[2024-03-02],
[2024-03-03],
[2024-03-04],
[2024-03-05],
[2024-03-06],
[2024-03-07],
[2024-03-08],
[2024-03-09],
[2024-03-10],
[2024-03-11],
[2024-03-12],
[2024-03-13],
[2024-03-14],
[2024-03-15],
[2024-03-16],
[2024-03-17],
[2024-03-18],
[2024-03-19],
[2024-03-20],
[2024-03-21],
[2024-03-22],
[2024-03-23],
[2024-03-24],
[2024-03-25],
[2024-03-26],
[2024-03-27],
[2024-03-28],
[2024-03-29],
[2024-03-30],
[2024-03-31],
[2])) AS BAD_QTY_pivot
Union All
SELECT
    '5' as [순번]
   ,'가동율' as [구분]
    ,ISNULL([2024-03-01],0)  as day_1
    ,ISNULL([2024-03-02],0)  as day_2
    ,ISNULL([2024-03-03],0)  as day_3
    ,ISNULL([2024-03-04],0)  as day_4
    ,ISNULL([2024-03-05],0)  as day_5
    ,ISNULL([2024-03-06],0)  as day_6
    ,ISNULL([2024-03-07],0)  as day_7
    ,ISNULL([2024-03-08],0)  as day_8
    ,ISNULL([2024-03-09],0)  as day_9
    ,ISNULL([2024-03-10],0)  as day_10
    ,ISNULL([2024-03-11],0)  as day_11
    ,ISNULL([2024-03-12],0)  as day_12
    ,ISNULL([2024-03-13],0)  as day_13
    ,ISNULL([2024-03-14],0)  as day_14
    ,ISNULL([2024-03-15],0)  as day_15
    ,ISNULL([2024-03-16],0)  as day_16
    ,ISNULL([2024-03-17],0)  as day_17
    ,ISNULL([2024-03-18],0)  as day_18
    ,ISNULL([2024-03-19],0)  as day_19
    ,ISNULL([2024-03-20],0)  as day_20
    ,ISNULL([2024-03-21],0)  as day_21
    ,ISNULL([2024-03-22],0)  as day_22
    ,ISNULL([2024-03-23],0)  as day_23
    ,ISNULL([2024-03-24],0)  as day_24
    ,ISNULL([2024-03-25],0)  as day_25
    ,ISNULL([2024-03-26],0)  as day_26
    ,ISNULL([2024-03-27],0)  as day_27
    ,ISNULL([2024-03-28],0)  as day_28
    ,ISNULL([2024-03-29],0)  as day_29
    ,ISNULL([2024-03-30],0)  as day_30
    ,ISNULL([2024-03-31],0)  as day_31
    ,'0' as [합계]
FROM
    (SELECT
        CASE WHEN SUM(ISNULL(P_SM.Min,0)) = 0 then 0
        ELSE (SUM(ISNULL(P_SM.Min,0)) - SUM(ISNULL(BIGA.biga_time,0))) / CONVERT(float,SUM(ISNULL(P_SM.Min,0))) * 100 end as [가동율],
        P_SM.Jakup_Date as Jakup_date
    FROM P_SangSan_Master P_SM
    LEFT JOIN (
            SELECT
                OP_SEQ_SUB as op_seq_sub,
                SUM(ISNULL(Min,0)) As biga_time
            FROM P_BIGADONG
            WHERE Biga_Date between '2024-03-01' and '2024-03-31'
            GROUP BY OP_SEQ_SUB
            )BIGA on BIGA.op_seq_sub = P_SM.OP_SEQ_SUB
    WHERE Jakup_Date between '2024-03-01' and '2024-03-31'
    AND process_code = '0001'
    GROUP BY P_SM.Jakup_Date
    ) GADONG
Pivot
(SUM(가동율) FOR jakup_date IN([1],
[2024-03-01],
[2024-03-02],
[2024-03-03],
[2024-03-04],
[2024-03-05],
[2024-03-06],
[2024-03-07],
[2024-03-08],
[2024-03-09],
[2024-03-10],
[2024-03-11],
[2024-03-12],
[2024-03-13],
[2024-03-14],
[2024-03-15],
[2024-03-16],
[2024-03-17],
[2024-03-18],
[2024-03-19],
[2024-03-20],
[2024-03-21],
[2024-03-22],
[2024-03-23],
[2024-03-24],
[2024-03-25],
[2024-03-26],
[2024-03-27],
[2024-03-28],
[2024-03-29],
[2024-03-30],
[2024-03-31],
[2])) AS GADONG_pivot
Union All
SELECT
    '6' as [순번]
   ,'불량율' as [구분]
    ,ISNULL([2024-03-01],0)  as day_1
    ,ISNULL([2024-03-02],0)  as day_2
    ,ISNULL([2024-03-03],0)  as day_3
    ,ISNULL([2024-03-04],0)  as day_4
    ,ISNULL([2024-03-05],0)  as day_5
    ,ISNULL([2024-03-06],0)  as day_6
    ,ISNULL([2024-03-07],0)  as day_7
    ,ISNULL([2024-03-08],0)  as day_8
    ,ISNULL([2024-03-09],0)  as day_9
    ,ISNULL([2024-03-10],0)  as day_10
    ,ISNULL([2024-03-11],0)  as day_11
    ,ISNULL([2024-03-12],0)  as day_12
    ,ISNULL([2024-03-13],0)  as day_13
    ,ISNULL([2024-03-14],0)  as day_14
    ,ISNULL([2024-03-15],0)  as day_15
    ,ISNULL([2024-03-16],0)  as day_16
    ,ISNULL([2024-03-17],0)  as day_17
    ,ISNULL([2024-03-18],0)  as day_18
    ,ISNULL([2024-03-19],0)  as day_19
    ,ISNULL([2024-03-20],0)  as day_20
    ,ISNULL([2024-03-21],0)  as day_21
    ,ISNULL([2024-03-22],0)  as day_22
    ,ISNULL([2024-03-23],0)  as day_23
    ,ISNULL([2024-03-24],0)  as day_24
    ,ISNULL([2024-03-25],0)  as day_25
    ,ISNULL([2024-03-26],0)  as day_26
    ,ISNULL([2024-03-27],0)  as day_27
    ,ISNULL([2024-03-28],0)  as day_28
    ,ISNULL([2024-03-29],0)  as day_29
    ,ISNULL([2024-03-30],0)  as day_30
    ,ISNULL([2024-03-31],0)  as day_31
    ,'0' as [합계]
FROM
    (SELECT
        CASE WHEN SUM(ISNULL(qty,0) + ISNULL(bad_qty,0)) = 0 then 0
        ELSE SUM(ISNULL(bad_qty,0)) / CONVERT(float,SUM(ISNULL(qty,0) + ISNULL(bad_qty,0))) * 100 END as [불량율],
        P_SM.Jakup_Date as Jakup_date
    FROM P_SangSan_Master P_SM
    WHERE Jakup_Date between '2024-03-01' and '2024-03-31'
    AND process_code = '0001'
    GROUP BY P_SM.Jakup_Date
    ) SANGSAN_BAD
Pivot
(SUM(불량율) FOR jakup_date IN([1],
[2024-03-01],
[2024-03-02],
[2024-03-03],
[2024-03-04],
[2024-03-05],
[2024-03-06],
[2024-03-07],
[2024-03-08],
[2024-03-09],
[2024-03-10],
[2024-03-11],
[2024-03-12],
[2024-03-13],
[2024-03-14],
[2024-03-15],
[2024-03-16],
[2024-03-17],
[2024-03-18],
[2024-03-19],
[2024-03-20],
[2024-03-21],
[2024-03-22],
[2024-03-23],
[2024-03-24],
[2024-03-25],
[2024-03-26],
[2024-03-27],
[2024-03-28],
[2024-03-29],
[2024-03-30],
[2024-03-31],
[2])) AS SANGSAN_BAD_pivot
Union All
SELECT
    '7' as [순번]
   ,'작업효율' as [구분]
    ,ISNULL([2024-03-01],0)  as day_1
    ,ISNULL([2024-03-02],0)  as day_2
    ,ISNULL([2024-03-03],0)  as day_3
    ,ISNULL([2024-03-04],0)  as day_4
    ,ISNULL([2024-03-05],0)  as day_5
    ,ISNULL([2024-03-06],0)  as day_6
    ,ISNULL([2024-03-07],0)  as day_7
    ,ISNULL([2024-03-08],0)  as day_8
    ,ISNULL([2024-03-09],0)  as day_9
    ,ISNULL([2024-03-10],0)  as day_10
    ,ISNULL([2024-03-11],0)  as day_11
    ,ISNULL([2024-03-12],0)  as day_12
    ,ISNULL([2024-03-13],0)  as day_13
    ,ISNULL([2024-03-14],0)  as day_14
    ,ISNULL([2024-03-15],0)  as day_15
    ,ISNULL([2024-03-16],0)  as day_16
    ,ISNULL([2024-03-17],0)  as day_17
    ,ISNULL([2024-03-18],0)  as day_18
    ,ISNULL([2024-03-19],0)  as day_19
    ,ISNULL([2024-03-20],0)  as day_20
    ,ISNULL([2024-03-21],0)  as day_21
    ,ISNULL([2024-03-22],0)  as day_22
    ,ISNULL([2024-03-23],0)  as day_23
    ,ISNULL([2024-03-24],0)  as day_24
    ,ISNULL([2024-03-25],0)  as day_25
    ,ISNULL([2024-03-26],0)  as day_26
    ,ISNULL([2024-03-27],0)  as day_27
    ,ISNULL([2024-03-28],0)  as day_28
    ,ISNULL([2024-03-29],0)  as day_29
    ,ISNULL([2024-03-30],0)  as day_30
    ,ISNULL([2024-03-31],0)  as day_31
    ,'0' as [합계]
FROM
    (SELECT
        CASE WHEN SUM(ISNULL(qty,0) + ISNULL(bad_qty,0)) = 0 then 0
        ELSE SUM(ISNULL(qty,0)) / CONVERT(float,SUM(ISNULL(qty,0) + ISNULL(bad_qty,0))) * 100 END as [작업효율],
        P_SM.Jakup_Date as Jakup_date
    FROM P_SangSan_Master P_SM
    WHERE Jakup_Date between '2024-03-01' and '2024-03-31'
    AND process_code = '0001'
    GROUP BY P_SM.Jakup_Date
    ) SANGSAN_GOOD
Pivot
(SUM(작업효율) FOR jakup_date IN([1],
[2024-03-01],
[2024-03-02],
[2024-03-03],
[2024-03-04],
[2024-03-05],
[2024-03-06],
[2024-03-07],
[2024-03-08],
[2024-03-09],
[2024-03-10],
[2024-03-11],
[2024-03-12],
[2024-03-13],
[2024-03-14],
[2024-03-15],
[2024-03-16],
[2024-03-17],
[2024-03-18],
[2024-03-19],
[2024-03-20],
[2024-03-21],
[2024-03-22],
[2024-03-23],
[2024-03-24],
[2024-03-25],
[2024-03-26],
[2024-03-27],
[2024-03-28],
[2024-03-29],
[2024-03-30],
[2024-03-31],
[2])) AS SANGSAN_GOOD_pivot
Union All
SELECT
    '8' as [순번]
   ,'작업인원' as [구분]
    ,ISNULL([2024-03-01],0)  as day_1
    ,ISNULL([2024-03-02],0)  as day_2
    ,ISNULL([2024-03-03],0)  as day_3
    ,ISNULL([2024-03-04],0)  as day_4
    ,ISNULL([2024-03-05],0)  as day_5
    ,ISNULL([2024-03-06],0)  as day_6
    ,ISNULL([2024-03-07],0)  as day_7
    ,ISNULL([2024-03-08],0)  as day_8
    ,ISNULL([2024-03-09],0)  as day_9
    ,ISNULL([2024-03-10],0)  as day_10
    ,ISNULL([2024-03-11],0)  as day_11
    ,ISNULL([2024-03-12],0)  as day_12
    ,ISNULL([2024-03-13],0)  as day_13
    ,ISNULL([2024-03-14],0)  as day_14
    ,ISNULL([2024-03-15],0)  as day_15
    ,ISNULL([2024-03-16],0)  as day_16
    ,ISNULL([2024-03-17],0)  as day_17
    ,ISNULL([2024-03-18],0)  as day_18
    ,ISNULL([2024-03-19],0)  as day_19
    ,ISNULL([2024-03-20],0)  as day_20
    ,ISNULL([2024-03-21],0)  as day_21
    ,ISNULL([2024-03-22],0)  as day_22
    ,ISNULL([2024-03-23],0)  as day_23
    ,ISNULL([2024-03-24],0)  as day_24
    ,ISNULL([2024-03-25],0)  as day_25
    ,ISNULL([2024-03-26],0)  as day_26
    ,ISNULL([2024-03-27],0)  as day_27
    ,ISNULL([2024-03-28],0)  as day_28
    ,ISNULL([2024-03-29],0)  as day_29
    ,ISNULL([2024-03-30],0)  as day_30
    ,ISNULL([2024-03-31],0)  as day_31
    ,'0' as [합계]
FROM
    (SELECT
        SUM(ISNULL(employee_su,0))    as  [employee_su],
        Jakup_Date As Jakup_Date
    FROM P_SangSan_Master
    WHERE Jakup_Date between '2024-03-01' and '2024-03-31'
    AND process_code = '0001'
    GROUP BY Jakup_Date
    ) BAD_QTY
Pivot
(SUM(employee_su) FOR jakup_date IN([1],
[2024-03-01],
[2024-03-02],
[2024-03-03],
[2024-03-04],
[2024-03-05],
[2024-03-06],
[2024-03-07],
[2024-03-08],
[2024-03-09],
[2024-03-10],
[2024-03-11],
[2024-03-12],
[2024-03-13],
[2024-03-14],
[2024-03-15],
[2024-03-16],
[2024-03-17],
[2024-03-18],
[2024-03-19],
[2024-03-20],
[2024-03-21],
[2024-03-22],
[2024-03-23],
[2024-03-24],
[2024-03-25],
[2024-03-26],
[2024-03-27],
[2024-03-28],
[2024-03-29],
[2024-03-30],
[2024-03-31],
[2])) AS EMPLOYEE_SU_pivot
