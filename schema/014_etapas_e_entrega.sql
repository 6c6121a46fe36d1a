/* Version 14: the stage of every job at the counter, read from its
   documents, and the delivery of a concluded order (controle_os.sql creates
   the same for a new database).

   New facts only, each in a table of its own; the columns of the existing
   tables stay as they are:
   - orcamento_da_entrada: the entry a budget answers (optional);
   - ordem_aguardando_pecas: an order the clerk marked as waiting for parts,
     with a note;
   - ordem_concluida: the day an order was concluded (the server's day: a
     stage is counted in days), kept by a trigger on
     ordem as nconcluida changes, so no form writes it and it cannot drift;
   - entrega and entrega_desfeita: who collected a concluded order and when,
     and the undoing of a delivery (when, by whom, why): a delivery undone
     stays on record;
   - ajuste_oficina: the shop's limits per stage and its warranty days.
   A delivered order is not reopened: the delivery is undone first.
   trabalho_oficina gives one row per job with its stage. The rows these
   tables start with come in the next script: a table is written only once
   the transaction that made it is committed. */
set names utf8;
set sql dialect 3;
set autoddl on;

create table orcamento_da_entrada (
  norcamento  integer not null,
  nentrada    integer not null,
  constraint pk_orcamento_da_entrada primary key (norcamento),
  constraint fk_orcentrada_orcamento foreign key (norcamento) references orcamento (ncodigo) on delete cascade,
  constraint fk_orcentrada_entrada foreign key (nentrada) references entrada_equipamento (ncodigo) on delete cascade
);

create table ordem_aguardando_pecas (
  nordem    integer not null,
  dmomento  timestamp not null,
  cobs      varchar(255),
  constraint pk_ordem_aguardando_pecas primary key (nordem),
  constraint fk_ordempecas_ordem foreign key (nordem) references ordem (ncodigo) on delete cascade
);

create table ordem_concluida (
  nordem    integer not null,
  ddata     date not null,
  constraint pk_ordem_concluida primary key (nordem),
  constraint fk_ordemconcluida_ordem foreign key (nordem) references ordem (ncodigo) on delete cascade
);

create table entrega (
  ncodigo        integer not null,
  nordem         integer not null,
  dmomento       timestamp not null,
  cretirado_por  varchar(60) not null,
  cdocumento     varchar(30),
  cobs           varchar(255),
  constraint pk_entrega primary key (ncodigo),
  constraint fk_entrega_ordem foreign key (nordem) references ordem (ncodigo) on delete cascade
);

create table entrega_desfeita (
  nentrega  integer not null,
  dmomento  timestamp not null,
  cusuario  varchar(63) default current_user not null,
  cmotivo   varchar(255),
  constraint pk_entrega_desfeita primary key (nentrega),
  constraint fk_entregadesfeita_entrega foreign key (nentrega) references entrega (ncodigo) on delete cascade
);

create table ajuste_oficina (
  ndias_aprovacao  integer not null,
  ndias_retirada   integer not null,
  ndias_abandono   integer not null,
  ndias_garantia   integer not null,
  constraint ck_ajuste_oficina_dias check (ndias_aprovacao >= 0 and ndias_retirada >= 0
                                           and ndias_abandono >= 0 and ndias_garantia >= 0)
);

create index ix_orcamento_cliente_data on orcamento (ncliente, ddata);
create index ix_ordem_cliente_data on ordem (ncliente, ddata);
/* a document's first item, found from the document (its machine and
   technician in "Oficina") */
create index ix_item_ordem_ordem_codigo on item_ordem (nordem, ncodigo);
create index ix_item_orcamento_orc_codigo on item_orcamento (norcamento, ncodigo);
create index ix_item_entrada_entrada_codigo on item_da_entrada (nentrada_equipamento, ncodigo);

create generator codigo_entrega;

create exception ex_ordem_entregue '{ini}Esta ordem de serviço já foi entregue: desfaça a entrega antes de reabri-la.{ini}';

set term ^ ;
create trigger tg_entrega_bi for entrega active before insert position 0 as
begin new.ncodigo = gen_id(codigo_entrega, 1); end^

/* A delivered order stays concluded until its delivery is undone. */
create trigger tg_ordem_entregue for ordem active before update position 0 as
begin
  if (old.nconcluida = 1 and new.nconcluida is distinct from 1 and exists (
        select 1 from entrega e where e.nordem = new.ncodigo
          and not exists (select 1 from entrega_desfeita d where d.nentrega = e.ncodigo))) then
    exception ex_ordem_entregue;
end^

/* When the order was concluded follows nconcluida; concluding it clears
   its mark of waiting for parts. */
create trigger tg_ordem_concluida for ordem active after insert or update position 0 as
begin
  if (new.nconcluida = 1 and (inserting or old.nconcluida is distinct from 1)) then
  begin
    update or insert into ordem_concluida (nordem, ddata) values (new.ncodigo, current_date) matching (nordem);
    /* a concluded order waits for no parts */
    delete from ordem_aguardando_pecas where nordem = new.ncodigo;
  end
  else if (updating and new.nconcluida is distinct from 1 and old.nconcluida = 1) then
    delete from ordem_concluida where nordem = new.ncodigo;
end^
set term ; ^

/* Every job, once, at the document it stands on: an entry no budget or
   order answers yet, a budget no order answers yet, and every order. An
   entry is answered by a budget that names it or, for an entry no budget
   names, by a budget or order of the same customer from the entry's day on;
   a budget by the order it made or, lacking that link, by an order of the
   same customer from the budget's day on. A movement still being filled
   (customer 1) is no job. etapa: 1 "Aguardando orçamento", 2 "Aguardando
   aprovação", 3 "Em serviço", 4 "Aguardando peças", 5 "Pronto para
   retirada", 6 "Entregue"; desde is the day the job entered that stage.
   chave orders the jobs: the kind of document (1 entry, 2 budget, 3 order)
   times 10^10 plus its code. The view holds only what a stage needs: a
   list reads a job's customer, machine and technician for the rows it
   shows, after it has chosen them. */
create view trabalho_oficina (chave, documento, codigo, etapa, desde, codigo_cliente, valor) as
select cast(10000000000 as bigint) + e.ncodigo, 1, e.ncodigo, 1, e.ddata, e.ncliente, cast(null as numeric(15,2))
from entrada_equipamento e
where e.ncliente <> 1
  and not exists (select 1 from orcamento_da_entrada oe where oe.nentrada = e.ncodigo)
  and not exists (select 1 from orcamento b where b.ncliente = e.ncliente and b.ddata >= e.ddata)
  and not exists (select 1 from ordem o where o.ncliente = e.ncliente and o.ddata >= e.ddata)
union all
select cast(20000000000 as bigint) + b.ncodigo, 2, b.ncodigo, 2, b.ddata, b.ncliente, b.nvalor
from orcamento b
where b.ncliente <> 1
  and not exists (select 1 from ordem_do_orcamento oo where oo.norcamento = b.ncodigo)
  and not exists (select 1 from ordem o where o.ncliente = b.ncliente and o.ddata >= b.ddata)
union all
select cast(30000000000 as bigint) + o.ncodigo, 3, o.ncodigo,
       case when o.nconcluida is distinct from 1 then iif(p.nordem is null, 3, 4)
            when en.dmomento is null then 5 else 6 end,
       case when o.nconcluida is distinct from 1 then coalesce(cast(p.dmomento as date), o.ddata)
            when en.dmomento is null then coalesce(c.ddata, o.ddata)
            else cast(en.dmomento as date) end,
       o.ncliente, o.nvalor
from ordem o
left join ordem_aguardando_pecas p on p.nordem = o.ncodigo
left join ordem_concluida c on c.nordem = o.ncodigo
left join entrega en on en.nordem = o.ncodigo
  and not exists (select 1 from entrega_desfeita d where d.nentrega = en.ncodigo)
where o.ncliente <> 1;

grant select, insert, update, delete on orcamento_da_entrada to role controle_os;
grant select, insert, update, delete on ordem_aguardando_pecas to role controle_os;
grant select, insert, update, delete on ordem_concluida to role controle_os;
grant select, insert, update, delete on entrega to role controle_os;
grant select, insert, update, delete on entrega_desfeita to role controle_os;
grant select, update on ajuste_oficina to role controle_os;
grant usage on generator codigo_entrega to role controle_os;
grant usage on exception ex_ordem_entregue to role controle_os;
grant select on trabalho_oficina to role controle_os;
