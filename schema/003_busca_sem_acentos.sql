/* Customer searches that ignore letter case and accents: search keys of
   the customer's name and address, kept by a trigger, filled once for the
   customers that exist. */
set names utf8;
set sql dialect 3;
set autoddl on;

alter table cliente add cfantasia_busca varchar(100);
alter table cliente add cendereco_busca varchar(100);
