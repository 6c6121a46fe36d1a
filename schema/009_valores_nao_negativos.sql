/* Version 9: no amount of money below zero. Prices, totals, instalments,
   write-offs (received, discount, surcharge) and the technicians'
   commission are refused by the database itself when negative, whatever
   writes them.

   Firebird does not check the rows a table already holds when a CHECK
   constraint is added, so an older database keeps any negative amount it
   has exactly as it was; the program counts and names those rows at the
   start that applies this script, for the shop to correct them. Such a row
   takes no further change until its amount is corrected: the database
   checks the whole row on every update. A null amount passes. */

alter table tecnico add constraint ck_tecnico_comissao check (ncomissao >= 0);
alter table orcamento add constraint ck_orcamento_valor check (nvalor >= 0);
alter table item_orcamento add constraint ck_item_orcamento_valor check (nvalor >= 0);
alter table ordem add constraint ck_ordem_valor check (nvalor >= 0);
alter table item_ordem add constraint ck_item_ordem_valor check (nvalor >= 0);
alter table conta_receber add constraint ck_conta_receber_valor check (nvalor_parcela >= 0);
alter table baixa_conta_receber add constraint ck_baixa_valor check (nvalor_baixa >= 0);
alter table baixa_conta_receber add constraint ck_baixa_desconto check (ndesconto >= 0);
alter table baixa_conta_receber add constraint ck_baixa_acrescimo check (nacrescimo >= 0);
