/* Version 17: the stage of every job kept beside its documents, so that
   "Oficina" and the main window read it through an index instead of
   deriving it for every entry, budget and order of the shop at each
   reading (controle_os.sql creates the same for a new database).

   etapa_oficina holds exactly the rows trabalho_oficina gives, and posicao,
   the order "Oficina" lists them in (the stage, then the oldest first).
   Nobody writes it but three procedures, called by the documents' triggers
   in the transaction that changes them, so it follows every change at once
   and cannot drift from the documents:
   - recalcula_documento reads one document's row of the view again: what
     an order's conclusion, waiting for parts or delivery changes, and what
     the links of a budget to its entry or of an order to its budget change;
   - retira_respondidos takes out the entries (and, for an order, the
     budgets) of the customer that a new document from their day on answers;
   - recalcula_etapas reads a whole customer's rows again, for the rare
     changes that may bring an answered document back: a budget or order
     deleted, a document moved to another customer or day.
   A movement being filled belongs to customer 1 and is no job: naming its
   customer is when it becomes a new document. A change of a total alone
   only copies the value. The rows of the jobs already there come in the
   next script. */
set names utf8;
set sql dialect 3;
set autoddl on;

create table etapa_oficina (
  chave           bigint not null,
  documento       smallint not null,
  codigo          integer not null,
  etapa           smallint not null,
  desde           date,
  codigo_cliente  integer not null,
  valor           numeric(15,2),
  posicao         integer not null,
  constraint pk_etapa_oficina primary key (chave)
);
create index ix_etapa_oficina_posicao on etapa_oficina (posicao, chave);
create index ix_etapa_oficina_etapa on etapa_oficina (etapa);
create index ix_etapa_oficina_cliente on etapa_oficina (codigo_cliente, documento, desde);

set term ^ ;
create procedure recalcula_documento (documento integer, codigo integer) as
begin
  if (codigo is null) then
    exit;
  delete from etapa_oficina where chave = cast(:documento as bigint) * 10000000000 + :codigo;
  insert into etapa_oficina (chave, documento, codigo, etapa, desde, codigo_cliente, valor, posicao)
    select chave, documento, codigo, etapa, desde, codigo_cliente, valor,
           etapa * 100000 + coalesce(datediff(day from date '1900-01-01' to desde), 0)
    from trabalho_oficina where codigo = :codigo and documento = :documento;
end^
set term ; ^

set term ^ ;
create procedure retira_respondidos (cliente integer, dia date, documento integer) as
begin
  delete from etapa_oficina
  where codigo_cliente = :cliente and documento < :documento and documento < 3 and desde <= :dia;
end^
set term ; ^

set term ^ ;
create procedure recalcula_etapas (cliente integer) as
begin
  if (cliente is null or cliente = 1) then
    exit;
  delete from etapa_oficina where codigo_cliente = :cliente;
  insert into etapa_oficina (chave, documento, codigo, etapa, desde, codigo_cliente, valor, posicao)
    select chave, documento, codigo, etapa, desde, codigo_cliente, valor,
           etapa * 100000 + coalesce(datediff(day from date '1900-01-01' to desde), 0)
    from trabalho_oficina where codigo_cliente = :cliente;
end^
set term ; ^

set term ^ ;
create trigger tg_etapa_entrada for entrada_equipamento active after insert or update or delete position 10 as
begin
  if (deleting) then
    delete from etapa_oficina where chave = 10000000000 + old.ncodigo;
  else if (inserting or old.ncliente = 1) then
    execute procedure recalcula_documento(1, new.ncodigo);
  else if (new.ncliente is distinct from old.ncliente or new.ddata is distinct from old.ddata) then
  begin
    execute procedure recalcula_etapas(old.ncliente);
    if (new.ncliente is distinct from old.ncliente) then
      execute procedure recalcula_etapas(new.ncliente);
  end
end^
set term ; ^

set term ^ ;
create trigger tg_etapa_orcamento for orcamento active after insert or update or delete position 10 as
begin
  if (deleting) then
    execute procedure recalcula_etapas(old.ncliente);
  else if (inserting or old.ncliente = 1) then
  begin
    execute procedure recalcula_documento(2, new.ncodigo);
    execute procedure retira_respondidos(new.ncliente, new.ddata, 2);
  end
  else if (new.ncliente is distinct from old.ncliente or new.ddata is distinct from old.ddata) then
  begin
    execute procedure recalcula_etapas(old.ncliente);
    if (new.ncliente is distinct from old.ncliente) then
      execute procedure recalcula_etapas(new.ncliente);
  end
  else if (new.nvalor is distinct from old.nvalor) then
    update etapa_oficina set valor = new.nvalor where chave = 20000000000 + new.ncodigo;
end^
set term ; ^

set term ^ ;
create trigger tg_etapa_ordem for ordem active after insert or update or delete position 10 as
begin
  if (deleting) then
    execute procedure recalcula_etapas(old.ncliente);
  else if (inserting or old.ncliente = 1) then
  begin
    execute procedure recalcula_documento(3, new.ncodigo);
    execute procedure retira_respondidos(new.ncliente, new.ddata, 3);
  end
  else if (new.ncliente is distinct from old.ncliente or new.ddata is distinct from old.ddata) then
  begin
    execute procedure recalcula_etapas(old.ncliente);
    if (new.ncliente is distinct from old.ncliente) then
      execute procedure recalcula_etapas(new.ncliente);
  end
  else if (new.nconcluida is distinct from old.nconcluida) then
    execute procedure recalcula_documento(3, new.ncodigo);
  else if (new.nvalor is distinct from old.nvalor) then
    update etapa_oficina set valor = new.nvalor where chave = 30000000000 + new.ncodigo;
end^
set term ; ^

set term ^ ;
create trigger tg_etapa_orcamento_entrada for orcamento_da_entrada active after insert or update or delete position 10 as
begin
  if (not inserting) then
    execute procedure recalcula_documento(1, old.nentrada);
  if (not deleting) then
    execute procedure recalcula_documento(1, new.nentrada);
end^
set term ; ^

set term ^ ;
create trigger tg_etapa_ordem_orcamento for ordem_do_orcamento active after insert or update or delete position 10 as
begin
  if (not inserting) then
    execute procedure recalcula_documento(2, old.norcamento);
  if (not deleting) then
    execute procedure recalcula_documento(2, new.norcamento);
end^
set term ; ^

set term ^ ;
create trigger tg_etapa_pecas for ordem_aguardando_pecas active after insert or update or delete position 10 as
begin
  if (not inserting) then
    execute procedure recalcula_documento(3, old.nordem);
  if (not deleting) then
    execute procedure recalcula_documento(3, new.nordem);
end^
set term ; ^

set term ^ ;
create trigger tg_etapa_concluida for ordem_concluida active after insert or update or delete position 10 as
begin
  if (not inserting) then
    execute procedure recalcula_documento(3, old.nordem);
  if (not deleting) then
    execute procedure recalcula_documento(3, new.nordem);
end^
set term ; ^

set term ^ ;
create trigger tg_etapa_entrega for entrega active after insert or update or delete position 10 as
begin
  if (not inserting) then
    execute procedure recalcula_documento(3, old.nordem);
  if (not deleting) then
    execute procedure recalcula_documento(3, new.nordem);
end^
set term ; ^

set term ^ ;
create trigger tg_etapa_entrega_desfeita for entrega_desfeita active after insert or update or delete position 10 as
declare ordem integer;
begin
  ordem = (select nordem from entrega where ncodigo = coalesce(new.nentrega, old.nentrega));
  execute procedure recalcula_documento(3, ordem);
end^
set term ; ^

grant select on etapa_oficina to role controle_os;
grant select, insert, update, delete on etapa_oficina to procedure recalcula_documento;
grant select, insert, update, delete on etapa_oficina to procedure retira_respondidos;
grant select, insert, update, delete on etapa_oficina to procedure recalcula_etapas;
grant select on trabalho_oficina to procedure recalcula_documento;
grant select on trabalho_oficina to procedure recalcula_etapas;
grant execute on procedure recalcula_documento to trigger tg_etapa_entrada;
grant execute on procedure retira_respondidos to trigger tg_etapa_entrada;
grant execute on procedure recalcula_etapas to trigger tg_etapa_entrada;
grant execute on procedure recalcula_documento to trigger tg_etapa_orcamento;
grant execute on procedure retira_respondidos to trigger tg_etapa_orcamento;
grant execute on procedure recalcula_etapas to trigger tg_etapa_orcamento;
grant execute on procedure recalcula_documento to trigger tg_etapa_ordem;
grant execute on procedure retira_respondidos to trigger tg_etapa_ordem;
grant execute on procedure recalcula_etapas to trigger tg_etapa_ordem;
grant execute on procedure recalcula_documento to trigger tg_etapa_orcamento_entrada;
grant execute on procedure retira_respondidos to trigger tg_etapa_orcamento_entrada;
grant execute on procedure recalcula_etapas to trigger tg_etapa_orcamento_entrada;
grant execute on procedure recalcula_documento to trigger tg_etapa_ordem_orcamento;
grant execute on procedure retira_respondidos to trigger tg_etapa_ordem_orcamento;
grant execute on procedure recalcula_etapas to trigger tg_etapa_ordem_orcamento;
grant execute on procedure recalcula_documento to trigger tg_etapa_pecas;
grant execute on procedure retira_respondidos to trigger tg_etapa_pecas;
grant execute on procedure recalcula_etapas to trigger tg_etapa_pecas;
grant execute on procedure recalcula_documento to trigger tg_etapa_concluida;
grant execute on procedure retira_respondidos to trigger tg_etapa_concluida;
grant execute on procedure recalcula_etapas to trigger tg_etapa_concluida;
grant execute on procedure recalcula_documento to trigger tg_etapa_entrega;
grant execute on procedure retira_respondidos to trigger tg_etapa_entrega;
grant execute on procedure recalcula_etapas to trigger tg_etapa_entrega;
grant execute on procedure recalcula_documento to trigger tg_etapa_entrega_desfeita;
grant execute on procedure retira_respondidos to trigger tg_etapa_entrega_desfeita;
grant execute on procedure recalcula_etapas to trigger tg_etapa_entrega_desfeita;
grant update, delete on etapa_oficina to trigger tg_etapa_entrada;
grant update, delete on etapa_oficina to trigger tg_etapa_orcamento;
grant update, delete on etapa_oficina to trigger tg_etapa_ordem;
