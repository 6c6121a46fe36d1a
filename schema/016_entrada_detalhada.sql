/* Version 16: a richer check-in, and the open instalments found by their
   due date (controle_os.sql creates the same for a new database).

   New facts only, each in a table of its own; the columns of the existing
   tables stay as they are:
   - entrada_prometida: the day promised to the customer for an entry
     (optional, one per entry);
   - item_entrada_detalhe: a machine checked in: its serial number, the
     accessories left with it and the condition it came in (optional, one
     per item; it goes with its item).
   ix_conta_receber_aberta finds the instalments still open that are due
   today or overdue without walking the paid ones. */
set names utf8;
set sql dialect 3;
set autoddl on;

create table entrada_prometida (
  nentrada    integer not null,
  dprometida  date not null,
  constraint pk_entrada_prometida primary key (nentrada),
  constraint fk_entradaprometida_entrada foreign key (nentrada) references entrada_equipamento (ncodigo) on delete cascade
);

create table item_entrada_detalhe (
  nitem          integer not null,
  cnumero_serie  varchar(60),
  cacessorios    varchar(255),
  cestado        varchar(255),
  constraint pk_item_entrada_detalhe primary key (nitem),
  constraint fk_itementradadetalhe_item foreign key (nitem) references item_da_entrada (ncodigo) on delete cascade
);

create index ix_conta_receber_aberta on conta_receber (npago, dvencimento);

grant select, insert, update, delete on entrada_prometida to role controle_os;
grant select, insert, update, delete on item_entrada_detalhe to role controle_os;
