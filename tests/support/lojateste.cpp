#include "lojateste.h"
#include "apoio.h"

namespace apoio {

LojaExemplo cria_loja_exemplo()
{
    const QStringList sql = {
        QStringLiteral("insert into cidade values(2,'Curitiba','PR');"),
        QStringLiteral("update estabelecimento set cfantasia = 'Lumen Assistência Técnica', crazaosocial = 'Lumen Serviços Ltda', "
                       "ncidade = 2, cendereco = 'Rua das Flores, 100', cbairro = 'Centro', cfone = '(41) 3333-4444', "
                       "ccnpj = '12.345.678/0001-90', cemail = 'contato@lumen.com.br' where ncodigo = 1"),
        QStringLiteral("insert into cliente (ncidade) values(1);"),
        QStringLiteral("update cliente set cfantasia = 'Ana Souza', ncidade = 2, cendereco = 'Av. Brasil, 500', cbairro = 'Batel', "
                       "cfone = '(41) 9999-0000', ccnpj = '123.456.789-09', ccep = '80000-000' where ncodigo = 2"),
        QStringLiteral("insert into cliente (ncidade) values(1);"),
        QStringLiteral("update cliente set cfantasia = 'Bruno Lima', ncidade = 2 where ncodigo = 3"),
        QStringLiteral("insert into tecnico values(1,'Carlos Mendes','','',2,'','','','','','','','',10)"),
        QStringLiteral("insert into tecnico values(2,'Dora Reis','','',2,'','','','','','','','',5)"),
        QStringLiteral("Insert into equipamento values (null,'');"),
        QStringLiteral("update equipamento set cdescricao = 'Impressora' where ncodigo = 1"),
        QStringLiteral("Insert into equipamento values (null,'');"),
        QStringLiteral("update equipamento set cdescricao = 'Notebook' where ncodigo = 2"),
        QStringLiteral("insert into equipamento_cliente values(null,2,(select ncodigo from equipamento where cdescricao = 'Impressora'),'HP LaserJet 1102'); "),
        QStringLiteral("insert into equipamento_cliente values(null,2,(select ncodigo from equipamento where cdescricao = 'Notebook'),'Dell Inspiron'); "),
        QStringLiteral("insert into equipamento_cliente values(null,3,(select ncodigo from equipamento where cdescricao = 'Impressora'),'Epson L355'); "),
        QStringLiteral("insert into condicao_pagto values(2,'30/60',2);"),
        // the entry
        QStringLiteral("set generator codigo_entrada_equipamento to 56"),
        QStringLiteral("insert into entrada_equipamento(ncodigo,ncliente,ddata,thora) values (null,1,'2026-12-06','09:15:00') ;"),
        QStringLiteral("update entrada_equipamento set ncliente = 2, csolicitante = 'Marcos Souza', cobs = 'Cliente pede urgência' where ncodigo = 57"),
        QStringLiteral("insert into item_da_entrada values(null,57,'Impressora HP LaserJet 1102','Manchas na impressão e papel enroscando');"),
        QStringLiteral("insert into item_da_entrada values(null,57,'Notebook Dell Inspiron','Não liga');"),
        // the order on credit
        QStringLiteral("insert into ordem values(null,1,'2026-12-07','10:00:00',0,'',1,0,0);"),
        QStringLiteral("update ordem set ncliente = 2, nvalor = 300.50, ncondicao = 2, nconcluida = 1, cobs = 'Retirar até sexta' where ncodigo = 1"),
        QStringLiteral("insert into item_ordem values(null,1,1,'Troca do fusor',180,1 );"),
        QStringLiteral("insert into item_ordem values(null,1,2,'Limpeza e revisão geral',120.50,2 );"),
        QStringLiteral("insert into conta_receber values(null,1,'1/2','150.25',0,'2027-01-10',0)  "),
        QStringLiteral("insert into conta_receber values(null,1,'2/2','150.25',0,'2027-02-10',0)  "),
        QStringLiteral("insert into baixa_conta_receber values(null,1,150.25,0,0,0,'I','','2026-12-15 16:40:00');"),
        QStringLiteral("update conta_receber set npago = 1 where ncodigo = 1"),
        // the warranty order
        QStringLiteral("insert into ordem values(null,1,'2026-12-08','11:00:00',0,'',1,0,0);"),
        QStringLiteral("update ordem set ncliente = 3, nvalor = 0, ncondicao = 1, nconcluida = 1, ntipo = 1 where ncodigo = 2"),
        QStringLiteral("insert into item_ordem values(null,2,3,'Troca da cabeça de impressão (garantia)',0,1 );"),
    };
    for (const QString& s : sql)
        executa(s);
    return LojaExemplo{};
}

} // namespace apoio
