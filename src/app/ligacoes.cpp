#include "ajuda.h"
#include "comandosrelatorio.h"
#include "formularios.h"
#include "frmalteracoesfinanceiras.h"
#include "frmcadcidades.h"
#include "frmcadcondicaopagto.h"
#include "frmcadcliente.h"
#include "frmcadequipamentos.h"
#include "frmcadestabelecimento.h"
#include "frmcadtecnico.h"
#include "frmconsultacidades.h"
#include "frmconsultaclientes.h"
#include "frmconsultacondicaopagto.h"
#include "frmconsultaequipamentos.h"
#include "frmconsultaentradasequipamento.h"
#include "frmconsultaordem.h"
#include "frmconsultaservicomaquina.h"
#include "frmlocalizaorcamento.h"
#include "frmconsultatecnico.h"
#include "frmcontasreceber.h"
#include "frmcontasrecebidas.h"
#include "frmentradaequipamento.h"
#include "frmorcamento.h"
#include "frmoficina.h"
#include "frmordem.h"
#include "frmprazosoficina.h"
#include "frmprincipal.h"
#include "iniciasistema.h"
#include "relogio.h"
#include "sessao.h"

#include <QCoreApplication>

// Wires the main window's menu items and toolbar buttons to the forms that
// exist. Items without a form stay disabled.
void liga_formularios(FrmPrincipal& principal)
{
    principal.liga(QStringLiteral("menuCadastrarEstabelecimento"), [] { form<FrmCadEstabelecimento>().edita(); });
    principal.liga(QStringLiteral("menuPrazosOficina"), [] { form<FrmPrazosOficina>().edita(); });
    principal.liga(QStringLiteral("menuCadastrarCliente"), [] { form<FrmCadCliente>().inclui(); });
    principal.liga(QStringLiteral("menuCadastrarCidade"), [] { form<FrmCadCidades>().inclui(); });
    principal.liga(QStringLiteral("menuCadastrarTecnico"), [] { form<FrmCadTecnico>().inclui(); });
    principal.liga(QStringLiteral("menuIncluirEquipamento"), [] { form<FrmCadEquipamentos>().inclui(); });
    principal.liga(QStringLiteral("menuIncluirCondicaoPagto"), [] { form<FrmCadCondicaoPagto>().inclui(); });
    principal.liga(QStringLiteral("menuIncluirEntrada"), [] { form<FrmEntradaEquipamento>().inclui(); });
    principal.liga(QStringLiteral("menuIncluirOrcamento"), [] { form<FrmOrcamento>().inclui(); });
    principal.liga(QStringLiteral("menuIncluirOrdem"), [] { form<FrmOrdem>().inclui(); });
    principal.liga(QStringLiteral("menuLocalizarCliente"), [] {
        FrmConsultaClientes& f = form<FrmConsultaClientes>();
        f.abertaPeloCadastro = true;
        abre_modal(f);
    });
    principal.liga(QStringLiteral("menuLocalizarCidade"), [] { abre_modal(form<FrmConsultaCidades>()); });
    principal.liga(QStringLiteral("menuLocalizarTecnico"), [] { abre_modal(form<FrmConsultaTecnico>()); });
    principal.liga(QStringLiteral("menuLocalizarEquipamento"), [] { abre_modal(form<FrmConsultaEquipamentos>()); });
    principal.liga(QStringLiteral("menuLocalizarCondicaoPagto"), [] { abre_modal(form<FrmConsultaCondicaoPagto>()); });
    principal.liga(QStringLiteral("menuLocalizarEntrada"), [] { abre_modal(form<FrmConsultaEntradasEquipamento>()); });
    principal.liga(QStringLiteral("menuLocalizarOrcamento"), [] { abre_modal(form<FrmLocalizaOrcamento>()); });
    principal.liga(QStringLiteral("menuLocalizarOrdem"), [] { abre_modal(form<FrmConsultaOrdem>()); });
    principal.liga(QStringLiteral("menuOficina"), [] { abre_modal(form<FrmOficina>()); });
    principal.liga(QStringLiteral("menuContasReceber"), [] { abre_modal(form<FrmContasReceber>()); });
    principal.liga(QStringLiteral("menuContasRecebidas"), [] { abre_modal(form<FrmContasRecebidas>()); });
    principal.liga(QStringLiteral("menuAlteracoesFinanceiras"), [] { abre_modal(form<FrmAlteracoesFinanceiras>()); });
    principal.liga(QStringLiteral("menuServicoEquipamento"), [] { abre_modal(form<FrmConsultaServicoMaquina>()); });
    principal.liga(QStringLiteral("menuRelContasReceber"), imprime_contas_receber);
    principal.liga(QStringLiteral("menuRelContasRecebidas"), imprime_contas_recebidas);
    principal.liga(QStringLiteral("menuRelRecebimentos"), imprime_recebimentos);
    principal.liga(QStringLiteral("menuRelExtratoTecnico"), imprime_extrato_tecnico);
    principal.liga(QStringLiteral("menuRelFaturamento"), imprime_faturamento);
    principal.liga(QStringLiteral("menuRelServicosCliente"), imprime_servicos_cliente);
    principal.liga(QStringLiteral("menuGuia"), [] { abre_guia(locais_guia(QCoreApplication::applicationDirPath())); });
    principal.liga(QStringLiteral("menuSobre"), mostra_sobre);

    PainelLoja::Acoes painel;
    painel.le = [] { return le_resumo_loja(conexao, Relogio::hoje()); };
    painel.abreOficina = [](Etapa etapa) { form<FrmOficina>().abre_na_etapa(etapa); };
    painel.abreContas = [](bool vencidas) {
        // due today is the window's own first view, the period of today, listed
        form<FrmContasReceber>().abre_listando(vencidas ? FiltroContas::Vencidas : FiltroContas::PorPeriodo);
    };
    principal.mostraPainel(std::move(painel));
}
