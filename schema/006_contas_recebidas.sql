/* The received accounts (report 004 and the received-accounts list) stay
   fast as years of payments pile up: view_contas_recebidas is read from the
   full write-off of each paid instalment, so a period of payments is found
   by the write-off date index instead of computing the date of every paid
   instalment ever. Same rows: one per paid instalment, dated by its full
   write-off (a paid instalment has exactly one: reopening it deletes it).
   No data is touched. */

create or alter view view_contas_recebidas (codigo_conta, codigo_cliente, nome_cliente, vencimento,
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
