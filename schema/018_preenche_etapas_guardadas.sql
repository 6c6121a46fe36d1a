/* Version 18: the stages of the jobs already there, kept (the table of
   version 17 can be written once the script that made it is committed). */
set names utf8;
set sql dialect 3;

insert into etapa_oficina (chave, documento, codigo, etapa, desde, codigo_cliente, valor, posicao)
  select chave, documento, codigo, etapa, desde, codigo_cliente, valor,
         etapa * 100000 + coalesce(datediff(day from date '1900-01-01' to desde), 0)
  from trabalho_oficina;
