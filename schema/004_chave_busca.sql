/* The search key of the customer's name and address, kept by a trigger
   (the columns came with version 3, and are used here once committed). */
set names utf8;
set sql dialect 3;
set autoddl on;

/* The search key of a text: lower case, accented Latin-1 letters turned
   into their plain letter. The program computes the same key of what the
   user types (chave_busca in src/common/busca.cpp) and compares it with
   like: a plain comparison, several times cheaper per row than the
   UNICODE_CI_AI collation on a table of tens of thousands of customers. */
set term ^ ;
create function chave_busca (t varchar(100)) returns varchar(100) as
declare r varchar(100);
begin
  r = lower(t);
  r = replace(replace(replace(replace(replace(replace(r, 'à', 'a'), 'á', 'a'), 'â', 'a'), 'ã', 'a'), 'ä', 'a'), 'å', 'a');
  r = replace(replace(replace(replace(replace(replace(r, 'ç', 'c'), 'è', 'e'), 'é', 'e'), 'ê', 'e'), 'ë', 'e'), 'ì', 'i');
  r = replace(replace(replace(replace(replace(replace(r, 'í', 'i'), 'î', 'i'), 'ï', 'i'), 'ñ', 'n'), 'ò', 'o'), 'ó', 'o');
  r = replace(replace(replace(replace(replace(replace(r, 'ô', 'o'), 'õ', 'o'), 'ö', 'o'), 'ù', 'u'), 'ú', 'u'), 'û', 'u');
  r = replace(replace(replace(r, 'ü', 'u'), 'ý', 'y'), 'ÿ', 'y');
  return r;
end^
set term ; ^
set term ^ ;
create trigger tg_cliente_busca for cliente active before insert or update position 1 as
begin
  new.cfantasia_busca = chave_busca(new.cfantasia);
  new.cendereco_busca = chave_busca(new.cendereco);
end^
set term ; ^
