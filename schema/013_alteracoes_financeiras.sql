/* Version 13: who changed the money after the fact. The database itself
   records, in alteracao_financeira, every write-off stored, deleted or
   changed, every change of an instalment's due date or amount, every paid
   instalment opened again, every instalment deleted and every order
   concluded or reopened: the moment, the database user, the station's
   address and the values before and after. Triggers write it, so no
   station can leave a change out; they write through one procedure that
   only they may run, and only that procedure may insert. The program's
   role reads the table and nothing more: no station user can write, change
   or delete a row of it. controle_os.sql creates the same for a new
   database. */
set names utf8;
set sql dialect 3;
set autoddl on;

create generator codigo_alteracao_financeira;

create table alteracao_financeira (
  ncodigo             integer not null,
  dmomento            timestamp not null,
  cusuario            varchar(63) not null,
  cestacao            varchar(255) not null,
  ntipo               smallint not null,
  ctabela             varchar(31) not null,
  nregistro           integer not null,
  nordem              integer,
  nconta_receber      integer,
  nvalor_antes        numeric(15,2),
  nvalor_depois       numeric(15,2),
  dvencimento_antes   date,
  dvencimento_depois  date,
  constraint pk_alteracao_financeira primary key (ncodigo),
  constraint ck_alteracao_financeira_tipo check (ntipo between 1 and 9)
);

create index ix_alteracao_financeira_momento on alteracao_financeira (dmomento);

/* The one writer of alteracao_financeira: who (the database user), from
   where (the station's network address; 'local' on an embedded database)
   and when, with what the trigger tells. */
set term ^ ;
create procedure registra_alteracao (tipo smallint, tabela varchar(31), registro integer, ordem integer,
                                     conta integer, valor_antes numeric(15,2), valor_depois numeric(15,2),
                                     vencimento_antes date, vencimento_depois date) as
declare estacao varchar(255);
begin
  /* "address/port" on a server: the port changes with every connection */
  estacao = coalesce(rdb$get_context('SYSTEM', 'CLIENT_ADDRESS'), 'local');
  if (position('/' in estacao) > 1) then
    estacao = left(estacao, position('/' in estacao) - 1);
  insert into alteracao_financeira (ncodigo, dmomento, cusuario, cestacao, ntipo, ctabela, nregistro, nordem,
                                    nconta_receber, nvalor_antes, nvalor_depois, dvencimento_antes,
                                    dvencimento_depois)
  values (gen_id(codigo_alteracao_financeira, 1), current_timestamp, current_user,
          :estacao, :tipo, :tabela, :registro, :ordem,
          :conta, :valor_antes, :valor_depois, :vencimento_antes, :vencimento_depois);
end^

/* A write-off stored (1), deleted (2) or its amount changed (3). */
create trigger tg_baixa_alteracao for baixa_conta_receber
active after insert or update or delete position 10 as
declare codigo_ordem integer;
begin
  if (updating and new.nvalor_baixa is not distinct from old.nvalor_baixa) then
    exit;
  select nordem from conta_receber where ncodigo = coalesce(new.nconta_receber, old.nconta_receber)
    into :codigo_ordem;
  if (inserting) then
    execute procedure registra_alteracao(1, 'BAIXA_CONTA_RECEBER', new.ncodigo, :codigo_ordem,
                                         new.nconta_receber, null, new.nvalor_baixa, null, null);
  else if (deleting) then
    execute procedure registra_alteracao(2, 'BAIXA_CONTA_RECEBER', old.ncodigo, :codigo_ordem,
                                         old.nconta_receber, old.nvalor_baixa, null, null, null);
  else
    execute procedure registra_alteracao(3, 'BAIXA_CONTA_RECEBER', new.ncodigo, :codigo_ordem,
                                         new.nconta_receber, old.nvalor_baixa, new.nvalor_baixa, null, null);
end^

/* An instalment's due date (4) or amount (5) changed, a paid instalment
   opened again (6, with its amount), an instalment deleted (7, with its
   amount and due date: reopening or closing an order again deletes them).
   The instalments a closing creates are recorded as the order's
   conclusion, not one by one. */
create trigger tg_conta_receber_alteracao for conta_receber
active after update or delete position 10 as
begin
  if (deleting) then
  begin
    execute procedure registra_alteracao(7, 'CONTA_RECEBER', old.ncodigo, old.nordem, old.ncodigo,
                                         old.nvalor_parcela, null, old.dvencimento, null);
    exit;
  end
  if (new.dvencimento is distinct from old.dvencimento) then
    execute procedure registra_alteracao(4, 'CONTA_RECEBER', new.ncodigo, new.nordem, new.ncodigo,
                                         null, null, old.dvencimento, new.dvencimento);
  if (new.nvalor_parcela is distinct from old.nvalor_parcela) then
    execute procedure registra_alteracao(5, 'CONTA_RECEBER', new.ncodigo, new.nordem, new.ncodigo,
                                         old.nvalor_parcela, new.nvalor_parcela, null, null);
  if (old.npago = 1 and new.npago is distinct from 1) then
    execute procedure registra_alteracao(6, 'CONTA_RECEBER', new.ncodigo, new.nordem, new.ncodigo,
                                         new.nvalor_parcela, null, null, null);
end^

/* An order concluded (8, with its total after) or reopened (9, with its
   total before). */
create trigger tg_ordem_alteracao for ordem
active after insert or update position 10 as
begin
  if (new.nconcluida = 1 and (inserting or old.nconcluida is distinct from 1)) then
    execute procedure registra_alteracao(8, 'ORDEM', new.ncodigo, new.ncodigo, null, null, new.nvalor, null, null);
  else if (updating and old.nconcluida = 1 and new.nconcluida is distinct from 1) then
    execute procedure registra_alteracao(9, 'ORDEM', new.ncodigo, new.ncodigo, null, old.nvalor, null, null, null);
end^
set term ; ^

grant insert on alteracao_financeira to procedure registra_alteracao;
grant usage on generator codigo_alteracao_financeira to procedure registra_alteracao;
grant execute on procedure registra_alteracao to trigger tg_baixa_alteracao;
grant execute on procedure registra_alteracao to trigger tg_conta_receber_alteracao;
grant execute on procedure registra_alteracao to trigger tg_ordem_alteracao;
grant select on conta_receber to trigger tg_baixa_alteracao;
grant select on alteracao_financeira to role controle_os;
