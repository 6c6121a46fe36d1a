/* Version 7: the role of the program's stations (controle_os.sql creates
   the same role for a new database).

   Exactly what the program needs: read and write its tables, draw codes
   from its generators (and set back an abandoned code, which takes
   ALTER ANY SEQUENCE in Firebird 3), read its views. No DDL, no other
   right: a station user that holds only this role cannot change the
   schema, drop data wholesale through metadata or reach other databases'
   objects. A station connects with the role named in its path.txt
   ("source=user=password=CONTROLE_OS"). */
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
grant execute on function chave_busca to role controle_os;
