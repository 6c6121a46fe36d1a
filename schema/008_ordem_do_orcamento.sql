/* Version 8: the order a budget made (controle_os.sql creates the same
   table for a new database).

   A budget makes one order: saving an approved budget again says which
   order it made instead of making a second one. The link lives in a table
   of its own, so the columns of orcamento and ordem stay as they are; it
   goes by itself when the order (or the budget) is deleted. */
create table ordem_do_orcamento (
  norcamento  integer not null,
  nordem      integer not null,
  constraint pk_ordem_do_orcamento primary key (norcamento),
  constraint uq_ordem_do_orcamento_ordem unique (nordem),
  constraint fk_ordemorc_orcamento foreign key (norcamento) references orcamento (ncodigo) on delete cascade,
  constraint fk_ordemorc_ordem foreign key (nordem) references ordem (ncodigo) on delete cascade
);

grant select, insert, update, delete on ordem_do_orcamento to role controle_os;
