/* Version 10: customer name searches through an index of letter triples.

   cliente_trigrama holds, for each customer, every run of three letters of
   its name's search key (cfantasia_busca), once. A search for a text of
   three or more letters reads the customers that hold the text's rarest
   triples from the primary key, then checks the name itself, instead of
   reading the key of every customer. tg_cliente_trigrama keeps the triples
   in step with the name on every insert, update and delete.

   The triples of the customers that exist are written at the first start
   after this script (a table made in a transaction cannot be filled in
   that same transaction, and every script is one transaction). */
set names utf8;
set sql dialect 3;
set autoddl on;

create table cliente_trigrama (
  ctrigrama  varchar(3) not null,
  ncliente   integer not null,
  constraint pk_cliente_trigrama primary key (ctrigrama, ncliente)
);

/* The runs of three letters of a text, in order (repeated ones too). */
set term ^ ;
create procedure trigramas (t varchar(100)) returns (trigrama varchar(3)) as
declare i integer = 1;
declare n integer;
begin
  n = char_length(coalesce(t, ''));
  while (i <= n - 2) do
  begin
    trigrama = substring(t from i for 3);
    suspend;
    i = i + 1;
  end
end^
set term ; ^

/* After tg_cliente_busca has made the key, when the name changed: the
   triples only the old name had go, those only the new one has come. */
set term ^ ;
create trigger tg_cliente_trigrama for cliente active after insert or update or delete position 2 as
declare g varchar(3);
begin
  if (inserting or deleting or new.cfantasia_busca is distinct from old.cfantasia_busca) then
  begin
    if (not inserting) then
      for select distinct o.trigrama from trigramas(old.cfantasia_busca) o
          where not exists (select 1 from trigramas(new.cfantasia_busca) n where n.trigrama = o.trigrama)
          into g do
        delete from cliente_trigrama where ctrigrama = :g and ncliente = old.ncodigo;
    if (not deleting) then
      insert into cliente_trigrama (ctrigrama, ncliente)
        select distinct n.trigrama, new.ncodigo from trigramas(new.cfantasia_busca) n
        where not exists (select 1 from trigramas(old.cfantasia_busca) o where o.trigrama = n.trigrama);
  end
end^
set term ; ^

grant select, insert, update, delete on cliente_trigrama to role controle_os;
grant execute on procedure trigramas to role controle_os;
