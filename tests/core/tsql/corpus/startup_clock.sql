
select convert(char(10),getdate(),120) As SDATE,
convert(char(8),getdate(),114) as STIME
