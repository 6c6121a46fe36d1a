/* Version 11: the result of every backup (controle-os-copia), verified or
   failed, so that every station shows the date of the last verified copy
   and warns when it is old or the last one failed. The backup command
   writes it as the database owner; the stations only read it.
   controle_os.sql creates the same for a new database. */
create generator codigo_copia_seguranca;

create table copia_seguranca (
  ncodigo      integer not null,
  dmomento     timestamp not null,
  nconferida   smallint not null,
  carquivo     varchar(1000),
  ntabelas     integer,
  nlinhas      bigint,
  cmensagem    varchar(2000),
  constraint pk_copia_seguranca primary key (ncodigo),
  constraint ck_copia_conferida check (nconferida in (0, 1))
);

create descending index ix_copia_seguranca_momento on copia_seguranca (dmomento);

set term ^ ;
create trigger tg_copia_seguranca_bi for copia_seguranca active before insert position 0 as
begin new.ncodigo = gen_id(codigo_copia_seguranca, 1); end^
set term ; ^

grant select on copia_seguranca to role controle_os;
