/* Version 12: how many customers hold each letter triple of the names'
   index, so that a name search starts from the triples that really are the
   rarest (counting each typed triple's rows at every search, even up to a
   bound, was either slow or blind: past the bound every triple looked
   alike). The counts are a guide, not a rule: a triple missing from them
   is taken as rare, and a search finds the same customers whatever they
   say. The program writes them after the index of the customers that
   exist and again when the customers have grown by a quarter since
   (trigrama_contagem keeps the customer code they were counted at).

   tg_cliente_trigrama now finds the triples that changed by looking for
   each one in the other name, in one pass over each name, instead of
   reading every triple of the other name for each one. */
set names utf8;
set sql dialect 3;
set autoddl on;

create table trigrama_frequencia (
  ctrigrama  varchar(3) not null,
  nclientes  integer not null,
  constraint pk_trigrama_frequencia primary key (ctrigrama)
);

create table trigrama_contagem (
  nultimo_cliente  integer not null
);

set term ^ ;
create or alter trigger tg_cliente_trigrama for cliente active after insert or update or delete position 2 as
declare velho varchar(100);
declare novo varchar(100);
declare g varchar(3);
declare i integer;
begin
  if (inserting or deleting or new.cfantasia_busca is distinct from old.cfantasia_busca) then
  begin
    velho = iif(inserting, '', coalesce(old.cfantasia_busca, ''));
    novo = iif(deleting, '', coalesce(new.cfantasia_busca, ''));
    /* a triple counts once, where it first appears */
    i = 1;
    while (i <= char_length(velho) - 2) do
    begin
      g = substring(velho from i for 3);
      if (position(g in velho) = i and position(g in novo) = 0) then
        delete from cliente_trigrama where ctrigrama = :g and ncliente = old.ncodigo;
      i = i + 1;
    end
    i = 1;
    while (i <= char_length(novo) - 2) do
    begin
      g = substring(novo from i for 3);
      if (position(g in novo) = i and position(g in velho) = 0) then
        insert into cliente_trigrama (ctrigrama, ncliente) values (:g, new.ncodigo);
      i = i + 1;
    end
  end
end^
set term ; ^

grant select, insert, update, delete on trigrama_frequencia to role controle_os;
grant select, insert, update, delete on trigrama_contagem to role controle_os;
