/* Reports 006 and 008 stay fast as years of orders pile up.
   - item_ordem gets an index on (nordem, ntecnico): the items of one order
     for one technician are found without reading the technician's index.
   - servico_por_tecnico is read from ordem first, so a period is found by
     the order date index and a customer by the order's customer index.
     The left join with "i.ncodigo is not null" keeps exactly the rows of an
     inner join and lets the optimizer start from ordem.
   No data is touched. */

create index ix_item_ordem_ordem_tecnico on item_ordem (nordem, ntecnico);

create or alter view servico_por_tecnico (codigo_tecnico, nome_tecnico, comissao, codigo_cliente,
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
