/* Controle OS: database definition.
   Run with isql-fb against an existing, empty UTF8 database:
     isql-fb -q -user SYSDBA -password X -i controle_os.sql <database>
   It holds no CREATE DATABASE, so the same script serves an embedded
   database file and a database on a Firebird server.

   This script always creates the newest schema and records its version in
   versao_esquema. A database made by an older version is brought up to date
   by the numbered scripts beside this one (002_....sql, ...), which the
   program applies once each, in order, when it starts. So every change made
   here needs its numbered script too, and the version below follows the
   highest script number. */
set names utf8;
set sql dialect 3;
set autoddl on;

/* ---------------------------------------------------------------- tables
   Columns are declared in the order the program writes them in its
   inserts without a column list. Money is NUMERIC(15,2) and never below
   zero: the named check constraints below refuse a negative amount. */

create table cidade (
  ncodigo     integer not null,
  cnome       varchar(50),
  cuf         varchar(2),
  constraint pk_cidade primary key (ncodigo)
);

create table cliente (
  ncodigo          integer not null,
  cfantasia        varchar(50),
  crazao           varchar(50),
  ccnpj            varchar(20),
  cie              varchar(20),
  ncidade          integer,
  ccep             varchar(20),
  cfone            varchar(20),
  cfax             varchar(20),
  cemail           varchar(255),
  cendereco        varchar(40),
  ccontato         varchar(30),
  cbairro          varchar(30),
  nfisica_juridica smallint default 0,
  cobs             varchar(100),
  /* search keys of the name and the address, kept by tg_cliente_busca */
  cfantasia_busca  varchar(100),
  cendereco_busca  varchar(100),
  constraint pk_cliente primary key (ncodigo),
  constraint fk_cliente_cidade foreign key (ncidade) references cidade (ncodigo)
);

create table tecnico (
  ncodigo    integer not null,
  cfantasia  varchar(50),
  ccnpj      varchar(20),
  cie        varchar(20),
  ncidade    integer,
  ccep       varchar(20),
  cfone      varchar(20),
  cfax       varchar(20),
  cemail     varchar(255),
  cendereco  varchar(40),
  cbairro    varchar(30),
  cobs       varchar(100),
  ccontato   varchar(30),
  ncomissao  numeric(15,2) default 0,
  constraint pk_tecnico primary key (ncodigo),
  constraint ck_tecnico_comissao check (ncomissao >= 0),
  constraint fk_tecnico_cidade foreign key (ncidade) references cidade (ncodigo)
);

create table equipamento (
  ncodigo     integer not null,
  cdescricao  varchar(50),
  constraint pk_equipamento primary key (ncodigo)
);

create table propriedade (
  ncodigo       integer not null,
  nequipamento  integer not null,
  cdescricao    varchar(100),
  constraint pk_propriedade primary key (ncodigo),
  constraint fk_propriedade_equipamento foreign key (nequipamento) references equipamento (ncodigo)
);

create table equipamento_cliente (
  ncodigo         integer not null,
  ncliente        integer not null,
  nequipamento    integer not null,
  cidentificacao  varchar(50),
  constraint pk_equipamento_cliente primary key (ncodigo),
  constraint fk_equipcli_cliente foreign key (ncliente) references cliente (ncodigo),
  constraint fk_equipcli_equipamento foreign key (nequipamento) references equipamento (ncodigo)
);

create table Propriedade_equipamento_cliente (
  nPropriedade          integer not null,
  nequipamento_cliente  integer not null,
  cvalor                varchar(100),
  constraint pk_propriedade_equipcli primary key (nPropriedade, nequipamento_cliente),
  constraint fk_propequipcli_propriedade foreign key (nPropriedade) references propriedade (ncodigo),
  constraint fk_propequipcli_equipcli foreign key (nequipamento_cliente) references equipamento_cliente (ncodigo)
);

create table condicao_pagto (
  ncodigo     integer not null,
  cdescricao  varchar(200),
  nparcela    integer,
  constraint pk_condicao_pagto primary key (ncodigo)
);

create table estabelecimento (
  ncodigo       integer not null,
  cfantasia     varchar(60),
  crazaosocial  varchar(60),
  ncidade       integer,
  cendereco     varchar(50),
  cbairro       varchar(50),
  cfone         varchar(20),
  ccnpj         varchar(20),
  cfax          varchar(20),
  cie           varchar(20),
  cemail        varchar(50),
  ccep          varchar(20),
  constraint pk_estabelecimento primary key (ncodigo),
  constraint fk_estabelecimento_cidade foreign key (ncidade) references cidade (ncodigo)
);

create table entrada_equipamento (
  ncodigo       integer not null,
  ncliente      integer not null,
  ddata         date,
  thora         time,
  csolicitante  varchar(50),
  cobs          varchar(255),
  constraint pk_entrada_equipamento primary key (ncodigo),
  constraint fk_entrada_cliente foreign key (ncliente) references cliente (ncodigo)
);

create table item_da_entrada (
  ncodigo               integer not null,
  nentrada_equipamento  integer not null,
  cequipamento          varchar(100),
  cproblema             varchar(255),
  constraint pk_item_da_entrada primary key (ncodigo),
  constraint fk_itementrada_entrada foreign key (nentrada_equipamento) references entrada_equipamento (ncodigo)
);

create table orcamento (
  ncodigo    integer not null,
  ncliente   integer not null,
  ddata      date,
  thora      time,
  nvalor     numeric(15,2) default 0,
  cobs       varchar(255),
  naprovado  smallint default 0,
  ncondicao  integer,
  constraint pk_orcamento primary key (ncodigo),
  constraint ck_orcamento_valor check (nvalor >= 0),
  constraint fk_orcamento_cliente foreign key (ncliente) references cliente (ncodigo),
  constraint fk_orcamento_condicao foreign key (ncondicao) references condicao_pagto (ncodigo)
);

create table item_orcamento (
  ncodigo               integer not null,
  norcamento            integer not null,
  nequipamento_cliente  integer,
  cservico              varchar(255),
  nvalor                numeric(15,2) default 0,
  constraint pk_item_orcamento primary key (ncodigo),
  constraint ck_item_orcamento_valor check (nvalor >= 0),
  constraint fk_itemorc_orcamento foreign key (norcamento) references orcamento (ncodigo),
  constraint fk_itemorc_equipcli foreign key (nequipamento_cliente) references equipamento_cliente (ncodigo)
);

create table ordem (
  ncodigo     integer not null,
  ncliente    integer not null,
  ddata       date,
  thora       time,
  nvalor      numeric(15,2) default 0,
  cobs        varchar(255),
  ncondicao   integer,
  nconcluida  smallint default 0,
  ntipo       smallint default 0,
  constraint pk_ordem primary key (ncodigo),
  constraint ck_ordem_valor check (nvalor >= 0),
  constraint fk_ordem_cliente foreign key (ncliente) references cliente (ncodigo),
  constraint fk_ordem_condicao foreign key (ncondicao) references condicao_pagto (ncodigo)
);

create table item_ordem (
  ncodigo               integer not null,
  nordem                integer not null,
  nequipamento_cliente  integer,
  cservico              varchar(255),
  nvalor                numeric(15,2) default 0,
  ntecnico              integer,
  constraint pk_item_ordem primary key (ncodigo),
  constraint ck_item_ordem_valor check (nvalor >= 0),
  constraint fk_itemordem_ordem foreign key (nordem) references ordem (ncodigo),
  constraint fk_itemordem_equipcli foreign key (nequipamento_cliente) references equipamento_cliente (ncodigo),
  constraint fk_itemordem_tecnico foreign key (ntecnico) references tecnico (ncodigo)
);

/* The order a budget made: one per budget; the link goes with the order
   (or the budget) when either is deleted. */
create table ordem_do_orcamento (
  norcamento  integer not null,
  nordem      integer not null,
  constraint pk_ordem_do_orcamento primary key (norcamento),
  constraint uq_ordem_do_orcamento_ordem unique (nordem),
  constraint fk_ordemorc_orcamento foreign key (norcamento) references orcamento (ncodigo) on delete cascade,
  constraint fk_ordemorc_ordem foreign key (nordem) references ordem (ncodigo) on delete cascade
);

/* The entry a budget answers (optional); an order marked as waiting for
   parts; when an order was concluded (kept by tg_ordem_concluida); the
   delivery of a concluded order and its undoing, kept on record; the
   shop's limits per stage and warranty days (one row). */
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

/* A richer check-in: the day promised to the customer for an entry, and
   each machine's serial number, the accessories left with it and the
   condition it came in (both optional). */
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

/* cparcela holds the instalment label "k/n"; nrenegociada is written 0
   by every insert and kept for later use. */
create table conta_receber (
  ncodigo         integer not null,
  nordem          integer not null,
  cparcela        varchar(15),
  nvalor_parcela  numeric(15,2) default 0,
  npago           smallint default 0,
  dvencimento     date,
  nrenegociada    integer default 0,
  constraint pk_conta_receber primary key (ncodigo),
  constraint ck_conta_receber_valor check (nvalor_parcela >= 0),
  constraint fk_contareceber_ordem foreign key (nordem) references ordem (ncodigo)
);

create table baixa_conta_receber (
  ncodigo         integer not null,
  nconta_receber  integer not null,
  nvalor_baixa    numeric(15,2) default 0,
  nforma_pagto    smallint default 0,
  ndesconto       numeric(15,2) default 0,
  nacrescimo      numeric(15,2) default 0,
  ctipo_baixa     char(1),
  cobs            varchar(255),
  ddata_baixa     timestamp,
  constraint pk_baixa_conta_receber primary key (ncodigo),
  constraint fk_baixa_contareceber foreign key (nconta_receber) references conta_receber (ncodigo),
  constraint ck_baixa_tipo check (ctipo_baixa in ('I', 'P')),
  constraint ck_baixa_valor check (nvalor_baixa >= 0),
  constraint ck_baixa_desconto check (ndesconto >= 0),
  constraint ck_baixa_acrescimo check (nacrescimo >= 0)
);

/* Every run of three letters of a customer's name search key, once per
   customer: a name search reads the customers that hold the typed text's
   rarest triples instead of every name. Kept by tg_cliente_trigrama. */
create table cliente_trigrama (
  ctrigrama  varchar(3) not null,
  ncliente   integer not null,
  constraint pk_cliente_trigrama primary key (ctrigrama, ncliente)
);

/* How many customers held each triple when they were last counted (the
   program counts them after writing the index of existing customers and
   when the customers have grown by a quarter since), so that a search
   starts from the rarest; trigrama_contagem keeps the customer code of
   that count. A guide only: a search finds the same customers whatever
   they say. */
create table trigrama_frequencia (
  ctrigrama  varchar(3) not null,
  nclientes  integer not null,
  constraint pk_trigrama_frequencia primary key (ctrigrama)
);

create table trigrama_contagem (
  nultimo_cliente  integer not null
);

create index ix_conta_receber_vencimento on conta_receber (dvencimento);
create index ix_baixa_data on baixa_conta_receber (ddata_baixa);
/* the open instalments due today or overdue, without walking the paid ones */
create index ix_conta_receber_aberta on conta_receber (npago, dvencimento);
create index ix_ordem_data on ordem (ddata);
create index ix_item_ordem_ordem_tecnico on item_ordem (nordem, ntecnico);
create index ix_orcamento_cliente_data on orcamento (ncliente, ddata);
create index ix_ordem_cliente_data on ordem (ncliente, ddata);
/* a document's first item, found from the document (its machine and
   technician in "Oficina") */
create index ix_item_ordem_ordem_codigo on item_ordem (nordem, ncodigo);
create index ix_item_orcamento_orc_codigo on item_orcamento (norcamento, ncodigo);
create index ix_item_entrada_entrada_codigo on item_da_entrada (nentrada_equipamento, ncodigo);

/* The result of every backup (controle-os-copia), verified or failed: the
   status bar of every station shows the last verified one. Written by the
   backup command as the owner; the stations only read it. */
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

/* Every change of money after the fact, written by the triggers below
   (tg_baixa_alteracao, tg_conta_receber_alteracao, tg_ordem_alteracao)
   through registra_alteracao; the stations only read it. */
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

/* The schema version of this database: one row. */
create table versao_esquema (
  nversao  integer not null
);

/* ------------------------------------------------------------ generators
   The program reads and sets back these ten by name. */
create generator codigo_cidade;
create generator codigo_cliente;
create generator codigo_tecnico;
create generator codigo_equipamento;
create generator codigo_condicao_pagto;
create generator codigo_equipamento_cliente;
create generator codigo_entrada_equipamento;
create generator codigo_orcamento;
create generator codigo_ordem;
create generator codigo_conta_receber;

/* Item and payment tables: numbered by generators the program never reads. */
create generator gen_propriedade;
create generator gen_item_da_entrada;
create generator gen_item_orcamento;
create generator gen_item_ordem;
create generator gen_baixa_conta_receber;
create generator codigo_copia_seguranca;
create generator codigo_alteracao_financeira;
create generator codigo_entrega;

create exception ex_ordem_entregue '{ini}Esta ordem de serviço já foi entregue: desfaça a entrega antes de reabri-la.{ini}';

/* ------------------------------------------------------------ search keys */
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

/* -------------------------------------------------------------- triggers
   Every numbered table takes its code from its generator, whatever the
   statement supplies (null, 0 or the code a form showed in advance). */
set term ^ ;
create trigger tg_cidade_bi for cidade active before insert position 0 as
begin new.ncodigo = gen_id(codigo_cidade, 1); end^
create trigger tg_cliente_bi for cliente active before insert position 0 as
begin new.ncodigo = gen_id(codigo_cliente, 1); end^
create trigger tg_tecnico_bi for tecnico active before insert position 0 as
begin new.ncodigo = gen_id(codigo_tecnico, 1); end^
create trigger tg_equipamento_bi for equipamento active before insert position 0 as
begin new.ncodigo = gen_id(codigo_equipamento, 1); end^
create trigger tg_condicao_pagto_bi for condicao_pagto active before insert position 0 as
begin new.ncodigo = gen_id(codigo_condicao_pagto, 1); end^
create trigger tg_equipamento_cliente_bi for equipamento_cliente active before insert position 0 as
begin new.ncodigo = gen_id(codigo_equipamento_cliente, 1); end^
create trigger tg_entrada_equipamento_bi for entrada_equipamento active before insert position 0 as
begin new.ncodigo = gen_id(codigo_entrada_equipamento, 1); end^
create trigger tg_orcamento_bi for orcamento active before insert position 0 as
begin new.ncodigo = gen_id(codigo_orcamento, 1); end^
create trigger tg_ordem_bi for ordem active before insert position 0 as
begin new.ncodigo = gen_id(codigo_ordem, 1); end^
create trigger tg_conta_receber_bi for conta_receber active before insert position 0 as
begin new.ncodigo = gen_id(codigo_conta_receber, 1); end^
create trigger tg_propriedade_bi for propriedade active before insert position 0 as
begin new.ncodigo = gen_id(gen_propriedade, 1); end^
create trigger tg_item_da_entrada_bi for item_da_entrada active before insert position 0 as
begin new.ncodigo = gen_id(gen_item_da_entrada, 1); end^
create trigger tg_item_orcamento_bi for item_orcamento active before insert position 0 as
begin new.ncodigo = gen_id(gen_item_orcamento, 1); end^
create trigger tg_item_ordem_bi for item_ordem active before insert position 0 as
begin new.ncodigo = gen_id(gen_item_ordem, 1); end^
create trigger tg_baixa_conta_receber_bi for baixa_conta_receber active before insert position 0 as
begin new.ncodigo = gen_id(gen_baixa_conta_receber, 1); end^
create trigger tg_copia_seguranca_bi for copia_seguranca active before insert position 0 as
begin new.ncodigo = gen_id(codigo_copia_seguranca, 1); end^
set term ; ^

/* The delivery numbered by its generator. */
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

/* The customer's search keys follow its name and address. */
set term ^ ;
create trigger tg_cliente_busca for cliente active before insert or update position 1 as
begin
  new.cfantasia_busca = chave_busca(new.cfantasia);
  new.cendereco_busca = chave_busca(new.cendereco);
end^
set term ; ^

/* After the key is made, when the name changed: the letter triples only
   the old name had go, those only the new one has come (a triple is in a
   name when the name contains it). */
set term ^ ;
create trigger tg_cliente_trigrama for cliente active after insert or update or delete position 2 as
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

/* ------------------------------------------------ changes of money */
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

/* ----------------------------------------------------------------- views */

/* One row per open instalment; valor_pago sums its write-offs. */
create view view_contas_a_receber (codigo_conta, codigo_ordem, codigo_cliente, nome_cliente,
                                   vencimento, parcela, valor_parcela, valor_pago) as
select c.ncodigo, c.nordem, o.ncliente, coalesce(cl.cfantasia, ''),
       c.dvencimento, c.cparcela, c.nvalor_parcela,
       coalesce((select sum(b.nvalor_baixa) from baixa_conta_receber b
                 where b.nconta_receber = c.ncodigo), 0)
from conta_receber c
join ordem o on o.ncodigo = c.nordem
left join cliente cl on cl.ncodigo = o.ncliente
where c.npago = 0;

/* One row per paid instalment: total received and when it was settled
   (the time of its full write-off: a paid instalment has exactly one, and
   reopening it deletes it). codigo_entrada is the order the instalment came
   from. Read from the full write-off, so a period of payments is found by
   its date index. */
create view view_contas_recebidas (codigo_conta, codigo_cliente, nome_cliente, vencimento,
                                   parcela, valor_parcela, total, data_baixa, codigo_entrada) as
select c.ncodigo, o.ncliente, coalesce(cl.cfantasia, ''), c.dvencimento,
       c.cparcela, c.nvalor_parcela,
       coalesce((select sum(b.nvalor_baixa) from baixa_conta_receber b
                 where b.nconta_receber = c.ncodigo), 0),
       bi.ddata_baixa,
       c.nordem
from baixa_conta_receber bi
join conta_receber c on c.ncodigo = bi.nconta_receber
join ordem o on o.ncodigo = c.nordem
left join cliente cl on cl.ncodigo = o.ncliente
where bi.ctipo_baixa = 'I' and c.npago = 1;

/* What a printed service order shows: the order, its customer and one
   row per item (an order without items still gives one row). */
create view view_ordem (codigo_ordem, data, hora, valor_total, obs, garantia, concluida,
                        codigo_condicao, condicao, codigo_cliente, nome_cliente, razao_cliente,
                        cnpj_cliente, ie_cliente, endereco_cliente, bairro_cliente, cep_cliente,
                        cidade_cliente, uf_cliente, fone_cliente, email_cliente,
                        codigo_item, codigo_equipamento_cliente, equipamento, identificacao,
                        servico, valor_item, codigo_tecnico, nome_tecnico) as
select o.ncodigo, o.ddata, o.thora, o.nvalor, coalesce(o.cobs, ''), o.ntipo, o.nconcluida,
       o.ncondicao, coalesce(cp.cdescricao, ''), o.ncliente, coalesce(cl.cfantasia, ''),
       coalesce(cl.crazao, ''), coalesce(cl.ccnpj, ''), coalesce(cl.cie, ''),
       coalesce(cl.cendereco, ''), coalesce(cl.cbairro, ''), coalesce(cl.ccep, ''),
       coalesce(ci.cnome, ''), coalesce(ci.cuf, ''), coalesce(cl.cfone, ''), coalesce(cl.cemail, ''),
       i.ncodigo, i.nequipamento_cliente, coalesce(e.cdescricao, ''), coalesce(ec.cidentificacao, ''),
       coalesce(i.cservico, ''), i.nvalor, i.ntecnico, coalesce(t.cfantasia, '')
from ordem o
left join cliente cl on cl.ncodigo = o.ncliente
left join cidade ci on ci.ncodigo = cl.ncidade
left join condicao_pagto cp on cp.ncodigo = o.ncondicao
left join item_ordem i on i.nordem = o.ncodigo
left join equipamento_cliente ec on ec.ncodigo = i.nequipamento_cliente
left join equipamento e on e.ncodigo = ec.nequipamento
left join tecnico t on t.ncodigo = i.ntecnico;

/* The services done on each customer machine: one row per order item
   (codigo_item keeps the items of one order in the order they were written). */
create view servico_equipamento (equipamento_cliente, codigo, data, servico, valor,
                                 codigo_cliente, nome_cliente, equipamento, identificacao,
                                 codigo_tecnico, nome_tecnico, garantia, concluida, codigo_item) as
select i.nequipamento_cliente, o.ncodigo, o.ddata, coalesce(i.cservico, ''), i.nvalor,
       o.ncliente, coalesce(cl.cfantasia, ''), coalesce(e.cdescricao, ''),
       coalesce(ec.cidentificacao, ''), i.ntecnico, coalesce(t.cfantasia, ''), o.ntipo, o.nconcluida,
       i.ncodigo
from item_ordem i
join ordem o on o.ncodigo = i.nordem
left join cliente cl on cl.ncodigo = o.ncliente
left join equipamento_cliente ec on ec.ncodigo = i.nequipamento_cliente
left join equipamento e on e.ncodigo = ec.nequipamento
left join tecnico t on t.ncodigo = i.ntecnico;

/* The services per technician and customer: one row per order item.
   valor_comissao is the item's price times the technician's percentage.
   Read from ordem first (the left join with "i.ncodigo is not null" keeps
   the rows of an inner join), so a period or a customer is found by the
   order's indexes, then the order's items by (nordem, ntecnico). */
create view servico_por_tecnico (codigo_tecnico, nome_tecnico, comissao, codigo_cliente,
                                 nome_cliente, codigo_ordem, data, servico, valor,
                                 valor_comissao, equipamento, identificacao, garantia, concluida,
                                 codigo_item) as
select i.ntecnico, coalesce(t.cfantasia, ''), coalesce(t.ncomissao, 0), o.ncliente,
       coalesce(cl.cfantasia, ''), o.ncodigo, o.ddata, coalesce(i.cservico, ''), i.nvalor,
       cast(coalesce(i.nvalor, 0) * coalesce(t.ncomissao, 0) / 100 as numeric(15,2)),
       coalesce(e.cdescricao, ''), coalesce(ec.cidentificacao, ''), o.ntipo, o.nconcluida,
       i.ncodigo
from ordem o
left join item_ordem i on i.nordem = o.ncodigo
left join tecnico t on t.ncodigo = i.ntecnico
left join cliente cl on cl.ncodigo = o.ncliente
left join equipamento_cliente ec on ec.ncodigo = i.nequipamento_cliente
left join equipamento e on e.ncodigo = ec.nequipamento
where i.ncodigo is not null;

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

/* The stage of every job kept beside its documents: exactly the rows
   trabalho_oficina gives, and posicao, the order "Oficina" lists them in.
   Only recalcula_documento (one document's row), retira_respondidos (the
   entries and budgets a new document answers) and recalcula_etapas (a whole
   customer's, when a change may bring an answered document back) write it,
   called by the documents' triggers in the transaction that changes them. */
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

/* ------------------------------------------------------ placeholder rows */
insert into cidade (ncodigo, cnome, cuf) values (null, 'Cidade Não Informada', '');
insert into cliente (ncodigo, cfantasia, ncidade, nfisica_juridica) values (null, '', 1, 0);
insert into condicao_pagto (ncodigo, cdescricao, nparcela) values (null, 'A vista', 1);
insert into estabelecimento (ncodigo, cfantasia, crazaosocial, ncidade, cendereco, cbairro,
                             cfone, ccnpj, cfax, cie, cemail, ccep)
  values (1, 'Minha Assistência Técnica', 'Minha Assistência Técnica', 1, '', '', '', '', '', '', '', '');
insert into ajuste_oficina (ndias_aprovacao, ndias_retirada, ndias_abandono, ndias_garantia) values (5, 30, 90, 90);
insert into versao_esquema (nversao) values (18);
commit;

/* ------------------------------------------------------ the program's role
   What a station user needs, and nothing more . A station names
   the role in its path.txt: source=user=password=CONTROLE_OS. A database of
   an earlier version gets it from 007_papel_programa.sql. */
create role controle_os;

grant select, insert, update, delete on cidade to role controle_os;
grant select, insert, update, delete on cliente to role controle_os;
grant select, insert, update, delete on tecnico to role controle_os;
grant select, insert, update, delete on equipamento to role controle_os;
grant select, insert, update, delete on propriedade to role controle_os;
grant select, insert, update, delete on equipamento_cliente to role controle_os;
grant select, insert, update, delete on Propriedade_equipamento_cliente to role controle_os;
grant select, insert, update, delete on condicao_pagto to role controle_os;
grant select, insert, update, delete on estabelecimento to role controle_os;
grant select, insert, update, delete on entrada_equipamento to role controle_os;
grant select, insert, update, delete on item_da_entrada to role controle_os;
grant select, insert, update, delete on orcamento to role controle_os;
grant select, insert, update, delete on item_orcamento to role controle_os;
grant select, insert, update, delete on ordem to role controle_os;
grant select, insert, update, delete on item_ordem to role controle_os;
grant select, insert, update, delete on conta_receber to role controle_os;
grant select, insert, update, delete on baixa_conta_receber to role controle_os;
grant select, insert, update, delete on ordem_do_orcamento to role controle_os;

grant usage on generator codigo_cidade to role controle_os;
grant usage on generator codigo_cliente to role controle_os;
grant usage on generator codigo_tecnico to role controle_os;
grant usage on generator codigo_equipamento to role controle_os;
grant usage on generator codigo_condicao_pagto to role controle_os;
grant usage on generator codigo_equipamento_cliente to role controle_os;
grant usage on generator codigo_entrada_equipamento to role controle_os;
grant usage on generator codigo_orcamento to role controle_os;
grant usage on generator codigo_ordem to role controle_os;
grant usage on generator codigo_conta_receber to role controle_os;
grant usage on generator gen_propriedade to role controle_os;
grant usage on generator gen_item_da_entrada to role controle_os;
grant usage on generator gen_item_orcamento to role controle_os;
grant usage on generator gen_item_ordem to role controle_os;
grant usage on generator gen_baixa_conta_receber to role controle_os;
/* the customer, technician and equipment-type forms put an abandoned
   code back with "set generator" */
grant alter any sequence to role controle_os;

grant select on view_contas_a_receber to role controle_os;
grant select on view_contas_recebidas to role controle_os;
grant select on view_ordem to role controle_os;
grant select on servico_equipamento to role controle_os;
grant select on servico_por_tecnico to role controle_os;
grant select on versao_esquema to role controle_os;
grant select on copia_seguranca to role controle_os;
grant execute on function chave_busca to role controle_os;
grant select, insert, update, delete on cliente_trigrama to role controle_os;
grant execute on procedure trigramas to role controle_os;
grant select, insert, update, delete on trigrama_frequencia to role controle_os;
grant select, insert, update, delete on trigrama_contagem to role controle_os;
/* the changes of money: written only by registra_alteracao, run only by
   the triggers that record them; the stations read them */
grant insert on alteracao_financeira to procedure registra_alteracao;
grant usage on generator codigo_alteracao_financeira to procedure registra_alteracao;
grant execute on procedure registra_alteracao to trigger tg_baixa_alteracao;
grant execute on procedure registra_alteracao to trigger tg_conta_receber_alteracao;
grant execute on procedure registra_alteracao to trigger tg_ordem_alteracao;
grant select on conta_receber to trigger tg_baixa_alteracao;
grant select on alteracao_financeira to role controle_os;
grant select, insert, update, delete on orcamento_da_entrada to role controle_os;
grant select, insert, update, delete on ordem_aguardando_pecas to role controle_os;
grant select, insert, update, delete on ordem_concluida to role controle_os;
grant select, insert, update, delete on entrega to role controle_os;
grant select, insert, update, delete on entrega_desfeita to role controle_os;
grant select, update on ajuste_oficina to role controle_os;
grant select, insert, update, delete on entrada_prometida to role controle_os;
grant select, insert, update, delete on item_entrada_detalhe to role controle_os;
grant usage on generator codigo_entrega to role controle_os;
grant usage on exception ex_ordem_entregue to role controle_os;
grant select on trabalho_oficina to role controle_os;
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
commit;
