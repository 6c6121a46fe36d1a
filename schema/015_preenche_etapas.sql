/* Version 15: the rows the tables of version 14 start with (they can be
   written only once the script that made them is committed).
   The shop's limits per stage and warranty days: a budget waits 5 days for
   approval, a machine ready 30 days for collection (90 and it is taken as
   abandoned), a delivery carries 90 days of warranty. */
set names utf8;
set sql dialect 3;

/* Orders concluded before this version: their own day stands for the
   moment they were concluded. */
insert into ordem_concluida (nordem, ddata)
  select ncodigo, coalesce(ddata, current_date) from ordem where nconcluida = 1;

insert into ajuste_oficina (ndias_aprovacao, ndias_retirada, ndias_abandono, ndias_garantia) values (5, 30, 90, 90);
