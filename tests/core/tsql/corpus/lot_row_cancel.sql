
delete PANLE_S_LOT_HISTORY
where H_product_code = 'M1'
and S_product_code ='P1'
and lot_no = 'L1'
