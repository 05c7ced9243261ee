<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AlertPresenter</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AppState</name>
    <message>
        <source>Copying %1 into a new profile…</source>
        <translation>Copiando %1 para um novo perfil…</translation>
    </message>
    <message>
        <source>Creating profile %1…</source>
        <translation>Criando o perfil %1…</translation>
    </message>
    <message>
        <source>Created profile %1</source>
        <translation>Perfil %1 criado</translation>
    </message>
    <message>
        <source>Renaming profile %1…</source>
        <translation>Renomeando o perfil %1…</translation>
    </message>
    <message>
        <source>Renamed profile %1 to %2</source>
        <translation>Perfil %1 renomeado para %2</translation>
    </message>
    <message>
        <source>Moving profile %1 to the Trash…</source>
        <translation>Movendo o perfil %1 para a Lixeira…</translation>
    </message>
    <message>
        <source>Moved profile %1 to Trash</source>
        <translation>Perfil %1 movido para a Lixeira</translation>
    </message>
    <message>
        <source>Quit Valheim first — switching profiles while the game runs would take its mods away under it.</source>
        <translation>Feche o Valheim primeiro — trocar de perfil com o jogo aberto tiraria os mods dele enquanto ele roda.</translation>
    </message>
    <message>
        <source>Switching to profile %1…</source>
        <translation>Trocando para o perfil %1…</translation>
    </message>
    <message>
        <source>Switched to profile %1</source>
        <translation>Perfil trocado para %1</translation>
    </message>
    <message>
        <source>%1 Download it from %2 yourself and drop the .zip anywhere on this window.</source>
        <translation>%1 Baixe-o você mesmo em %2 e solte o .zip em qualquer lugar desta janela.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach Thunderstore for %1 (%2). Download it from %3 yourself and drop the .zip anywhere on this window.</source>
        <translation>Não foi possível acessar o Thunderstore para %1 (%2). Baixe-o você mesmo em %3 e solte o .zip em qualquer lugar desta janela.</translation>
    </message>
    <message>
        <source>Thunderstore&apos;s answer about %1 (HTTP %2) names no download; try again later. Download it from %3 yourself and drop the .zip anywhere on this window.</source>
        <translation>A resposta do Thunderstore sobre %1 (HTTP %2) não traz nenhum download; tente novamente mais tarde. Baixe-o você mesmo em %3 e solte o .zip em qualquer lugar desta janela.</translation>
    </message>
    <message>
        <source>Downloading %1 %2…</source>
        <translation>Baixando %1 %2…</translation>
    </message>
    <message>
        <source>Downloading %1…</source>
        <translation>Baixando %1…</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>O download falhou: %1</translation>
    </message>
    <message>
        <source>Installing %1…</source>
        <translation>Instalando %1…</translation>
    </message>
    <message>
        <source>Install failed: %1</source>
        <translation>A instalação falhou: %1</translation>
    </message>
    <message>
        <source>Another change of this game folder is under way (“%1”); try again when it has finished.</source>
        <translation>Outra alteração nesta pasta do jogo está em andamento (“%1”); tente novamente quando ela terminar.</translation>
    </message>
    <message>
        <source>Found Valheim at %1</source>
        <translation>Valheim encontrado em %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t find Valheim in any Steam library. Install it through Steam first, or choose its folder manually.</source>
        <translation>O Valheim não foi encontrado em nenhuma biblioteca da Steam. Instale-o pela Steam primeiro ou escolha a pasta dele manualmente.</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Escolher</translation>
    </message>
    <message>
        <source>Select the Valheim game folder (the one containing %1)</source>
        <translation>Selecione a pasta do jogo Valheim (a que contém %1)</translation>
    </message>
    <message>
        <source>Installing Rosetta 2… this can take a minute</source>
        <translation>Instalando o Rosetta 2… isso pode levar um minuto</translation>
    </message>
    <message>
        <source>Rosetta 2 installed</source>
        <translation>Rosetta 2 instalado</translation>
    </message>
    <message>
        <source>Rosetta 2 install didn&apos;t finish (exit %1).
%2
Run this in Terminal instead:
%3</source>
        <translation>A instalação do Rosetta 2 não terminou (código %1).
%2
Execute isto no Terminal:
%3</translation>
    </message>
    <message>
        <source>Contacting Thunderstore…</source>
        <translation>Contatando o Thunderstore…</translation>
    </message>
    <message>
        <source>Choose the BepInExPack_Valheim .zip you downloaded</source>
        <translation>Escolha o .zip do BepInExPack_Valheim que você baixou</translation>
    </message>
    <message>
        <source>Installing…</source>
        <translation>Instalando…</translation>
    </message>
    <message>
        <source>Couldn&apos;t update the launch script: %1</source>
        <translation>Não foi possível atualizar o script de inicialização: %1</translation>
    </message>
    <message>
        <source>%1 can&apos;t be made to start the game&apos;s Intel build: it isn&apos;t the script of a BepInEx pack from 5.4.2331 on. Reinstall BepInEx in step 3; its new script gets the fix as it goes in.</source>
        <translation>%1 não pode ser ajustado para iniciar a versão Intel do jogo: não é o script de um pacote do BepInEx 5.4.2331 ou mais recente. Reinstale o BepInEx na etapa 3; o novo script recebe a correção na instalação.</translation>
    </message>
    <message>
        <source>Made %1 executable</source>
        <translation>%1 agora é executável</translation>
    </message>
    <message>
        <source>Updated %1 for this Mac</source>
        <translation>%1 atualizado para este Mac</translation>
    </message>
    <message>
        <source>Clearing quarantine flags…</source>
        <translation>Removendo as marcas de quarentena…</translation>
    </message>
    <message>
        <source>No quarantine flags found</source>
        <translation>Nenhuma marca de quarentena encontrada</translation>
    </message>
    <message numerus="yes">
        <source>Removed quarantine from %n files</source>
        <translation>
            <numerusform>Quarentena removida de %n arquivo</numerusform>
            <numerusform>Quarentena removida de %n arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Launch options copied — paste them into Steam</source>
        <translation>Opções de inicialização copiadas — cole-as na Steam</translation>
    </message>
    <message>
        <source>Asked Steam to launch Valheim</source>
        <translation>A Steam foi chamada para iniciar o Valheim</translation>
    </message>
    <message>
        <source>Start Steam first — Valheim needs it running even for a vanilla launch.</source>
        <translation>Abra a Steam primeiro — o Valheim precisa dela aberta mesmo para jogar vanilla.</translation>
    </message>
    <message>
        <source>Couldn&apos;t launch Valheim directly: %1</source>
        <translation>Não foi possível iniciar o Valheim diretamente: %1</translation>
    </message>
    <message>
        <source>Launched Valheim vanilla — mods stay installed but don&apos;t load</source>
        <translation>Valheim iniciado vanilla — os mods continuam instalados, mas não carregam</translation>
    </message>
    <message>
        <source>Locate your Valheim folder first (step 1).</source>
        <translation>Primeiro localize sua pasta do Valheim (etapa 1).</translation>
    </message>
    <message>
        <source>Preparing %1…</source>
        <translation>Preparando %1…</translation>
    </message>
    <message>
        <source>%1 is installed already</source>
        <translation>%1 já está instalado</translation>
    </message>
    <message>
        <source>Locate your Valheim folder first (step 1), then drop mods here.</source>
        <translation>Primeiro localize sua pasta do Valheim (etapa 1) e depois solte os mods aqui.</translation>
    </message>
    <message numerus="yes">
        <source>Installing %n items…</source>
        <translation>
            <numerusform>Instalando %n item…</numerusform>
            <numerusform>Instalando %n itens…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 enabled</source>
        <translation>
            <numerusform>%1 ativado</numerusform>
            <numerusform>%1 ativados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 disabled</source>
        <translation>
            <numerusform>%1 desativado</numerusform>
            <numerusform>%1 desativados</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t toggle %1: %2</source>
        <translation>Não foi possível ativar ou desativar %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t remove %1: %2</source>
        <translation>Não foi possível remover %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Moved %1 to Trash</source>
        <translation>
            <numerusform>%1 movido para a Lixeira</numerusform>
            <numerusform>%1 movidos para a Lixeira</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>%1 excluído</translation>
    </message>
    <message>
        <source>Couldn&apos;t delete all of %1 (%2).</source>
        <translation>Não foi possível excluir %1 por completo (%2).</translation>
    </message>
    <message>
        <source>Saved settings for %1</source>
        <translation>Configurações de %1 salvas</translation>
    </message>
    <message>
        <source>Couldn&apos;t revert: %1</source>
        <translation>Não foi possível reverter: %1</translation>
    </message>
    <message>
        <source>Restored original settings for %1</source>
        <translation>Configurações originais de %1 restauradas</translation>
    </message>
    <message>
        <source>Quit Valheim first — backing up while the game is running can capture a half-written save.</source>
        <translation>Feche o Valheim primeiro — fazer backup com o jogo aberto pode capturar um save pela metade.</translation>
    </message>
    <message>
        <source>Backing up worlds and characters…</source>
        <translation>Fazendo backup de mundos e personagens…</translation>
    </message>
    <message numerus="yes">
        <source>Backed up %n save files</source>
        <translation>
            <numerusform>Backup feito de %n arquivo de save</numerusform>
            <numerusform>Backup feito de %n arquivos de save</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Backed up %1 — %n links in the save folder lead nowhere, so no older backup was removed</source>
        <translation>
            <numerusform>Backup feito de %1 — %n link na pasta de saves não leva a lugar nenhum, então nenhum backup antigo foi removido</numerusform>
            <numerusform>Backup feito de %1 — %n links na pasta de saves não levam a lugar nenhum, então nenhum backup antigo foi removido</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n save files</source>
        <translation>
            <numerusform>%n arquivo de save</numerusform>
            <numerusform>%n arquivos de save</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Valheim first — restoring while the game is running would corrupt the save.</source>
        <translation>Feche o Valheim primeiro — restaurar com o jogo aberto corromperia o save.</translation>
    </message>
    <message>
        <source>Restoring worlds and characters…</source>
        <translation>Restaurando mundos e personagens…</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n save files from the backup</source>
        <translation>
            <numerusform>%n arquivo de save restaurado do backup</numerusform>
            <numerusform>%n arquivos de save restaurados do backup</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t move mods aside: %1</source>
        <translation>Não foi possível deixar os mods de lado: %1</translation>
    </message>
    <message numerus="yes">
        <source>Moved %n mods aside — capture command copied to clipboard</source>
        <translation>
            <numerusform>%n mod deixado de lado — comando de captura copiado para a área de transferência</numerusform>
            <numerusform>%n mods deixados de lado — comando de captura copiado para a área de transferência</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t restore mods: %1</source>
        <translation>Não foi possível restaurar os mods: %1</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n mods — relaunch Valheim to play modded</source>
        <translation>
            <numerusform>%n mod restaurado — reinicie o Valheim para jogar com mods</numerusform>
            <numerusform>%n mods restaurados — reinicie o Valheim para jogar com mods</numerusform>
        </translation>
    </message>
    <message>
        <source>The mod catalog hasn&apos;t loaded, so %1 can&apos;t be looked up yet — try again once Browse lists mods.</source>
        <translation>O catálogo de mods não carregou, então ainda não dá para procurar %1 — tente novamente quando Explorar listar mods.</translation>
    </message>
    <message>
        <source>Neither Thunderstore nor Hexium has %1 — if you have its .zip, drop it anywhere on this window.</source>
        <translation>Nem o Thunderstore nem o Hexium têm %1 — se você tiver o .zip, solte-o em qualquer lugar desta janela.</translation>
    </message>
    <message>
        <source>The last launch&apos;s summary is copied — paste it into Discord</source>
        <translation>O resumo da última inicialização foi copiado — cole-o no Discord</translation>
    </message>
    <message>
        <source>Quit Steam first — it rewrites its settings when it quits, so launch options written while it runs would be lost.</source>
        <translation>Feche a Steam primeiro — ela regrava as configurações ao fechar, então opções de inicialização gravadas com ela aberta seriam perdidas.</translation>
    </message>
    <message>
        <source>Couldn&apos;t tell which Steam account plays Valheim. Sign in to Steam once, quit it, then try again — or paste the launch options yourself.</source>
        <translation>Não foi possível saber qual conta da Steam joga Valheim. Entre na Steam uma vez, feche-a e tente novamente — ou cole você mesmo as opções de inicialização.</translation>
    </message>
    <message>
        <source>Setting Valheim&apos;s launch options in Steam…</source>
        <translation>Definindo as opções de inicialização do Valheim na Steam…</translation>
    </message>
    <message>
        <source>Launch options set in Steam</source>
        <translation>Opções de inicialização definidas na Steam</translation>
    </message>
    <message>
        <source>Launch options set in Steam (the previous settings are kept in %1)</source>
        <translation>Opções de inicialização definidas na Steam (as configurações anteriores ficam em %1)</translation>
    </message>
    <message>
        <source>Another action is under way (“%1”); open the profile again when it has finished.</source>
        <translation>Outra ação está em andamento (“%1”); abra o perfil de novo quando ela terminar.</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>Lendo %1…</translation>
    </message>
    <message>
        <source>%1 is far larger than any profile.</source>
        <translation>%1 é muito maior do que qualquer perfil.</translation>
    </message>
    <message>
        <source>Choose a profile (.r2z or export.r2x) to import</source>
        <translation>Escolha um perfil (.r2z ou export.r2x) para importar</translation>
    </message>
    <message>
        <source>That isn&apos;t a profile code: codes look like 018f2c4e-7b1a-4d3e-9f00-1c2b3a4d5e6f.</source>
        <translation>Isso não é um código de perfil: os códigos são assim: 018f2c4e-7b1a-4d3e-9f00-1c2b3a4d5e6f.</translation>
    </message>
    <message>
        <source>Fetching the profile code…</source>
        <translation>Buscando o código de perfil…</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t hand out that profile code (HTTP %2).</source>
        <translation>%1 não conseguiu fornecer esse código de perfil (HTTP %2).</translation>
    </message>
    <message numerus="yes">
        <source>Read the profile “%1”: %n mods</source>
        <translation>
            <numerusform>Perfil “%1” lido: %n mod</numerusform>
            <numerusform>Perfil “%1” lido: %n mods</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t reach Thunderstore or Hexium for that code: %1</source>
        <translation>Não foi possível acessar o Thunderstore nem o Hexium para esse código: %1</translation>
    </message>
    <message>
        <source>That profile code wasn&apos;t found — it may have expired or been mistyped.</source>
        <translation>Esse código de perfil não foi encontrado — ele pode ter expirado ou sido digitado errado.</translation>
    </message>
    <message>
        <source>The mod catalog hasn&apos;t loaded, so the pack&apos;s mods can&apos;t be looked up yet — try again once Browse lists mods.</source>
        <translation>O catálogo de mods não carregou, então ainda não dá para procurar os mods do pacote — tente novamente quando Explorar listar mods.</translation>
    </message>
    <message>
        <source>None of the mods of “%1” is on Thunderstore or Hexium for Valheim — it&apos;s a profile for another game, so nothing was imported.</source>
        <translation>Nenhum dos mods de “%1” está no Thunderstore ou no Hexium para Valheim — é um perfil de outro jogo, então nada foi importado.</translation>
    </message>
    <message>
        <source>Quit Valheim first — importing over this profile while the game runs would change its mods under it.</source>
        <translation>Feche o Valheim primeiro — importar por cima deste perfil com o jogo aberto mudaria os mods dele enquanto ele roda.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Import cancelled — nothing was changed.</source>
        <translation>Importação cancelada — nada foi alterado.</translation>
    </message>
    <message>
        <source>Couldn&apos;t download %1 — nothing was changed.</source>
        <translation>Não foi possível baixar %1 — nada foi alterado.</translation>
    </message>
    <message>
        <source>Couldn&apos;t import %1 — you&apos;re back on profile %2. %3</source>
        <translation>Não foi possível importar %1 — você voltou ao perfil %2. %3</translation>
    </message>
    <message>
        <source>Couldn&apos;t import %1 — nothing was changed. %2</source>
        <translation>Não foi possível importar %1 — nada foi alterado. %2</translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods into the new profile %2</source>
        <translation>
            <numerusform>Mods importados para o novo perfil %2: %1 de %n</numerusform>
            <numerusform>Mods importados para o novo perfil %2: %1 de %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods into the new profile %2; not found: %3</source>
        <translation>
            <numerusform>Mods importados para o novo perfil %2: %1 de %n; não encontrados: %3</numerusform>
            <numerusform>Mods importados para o novo perfil %2: %1 de %n; não encontrados: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods</source>
        <translation>
            <numerusform>Mods importados: %1 de %n</numerusform>
            <numerusform>Mods importados: %1 de %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods; not found: %2</source>
        <translation>
            <numerusform>Mods importados: %1 de %n; não encontrados: %2</numerusform>
            <numerusform>Mods importados: %1 de %n; não encontrados: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing %1…</source>
        <translation>Importando %1…</translation>
    </message>
    <message>
        <source>Not included: %1 — they aren&apos;t from Thunderstore or Hexium</source>
        <translation>Não incluídos: %1 — eles não vêm do Thunderstore nem do Hexium</translation>
    </message>
    <message>
        <source>Save the profile for r2modman, Gale or Skaldrun players</source>
        <translation>Salvar o perfil para jogadores de r2modman, Gale ou Skaldrun</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n mods to %1</source>
        <translation>
            <numerusform>%n mod salvo em %1</numerusform>
            <numerusform>%n mods salvos em %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Making a profile code…</source>
        <translation>Gerando um código de perfil…</translation>
    </message>
    <message>
        <source>This profile is over 20 MB, too large for a code; export it as a .r2z file instead.</source>
        <translation>Este perfil tem mais de 20 MB, grande demais para um código; exporte-o como arquivo .r2z.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach Thunderstore to make a code: %1</source>
        <translation>Não foi possível acessar o Thunderstore para gerar um código: %1</translation>
    </message>
    <message>
        <source>Thunderstore makes only a few codes a minute; try again in a minute.</source>
        <translation>O Thunderstore gera só alguns códigos por minuto; tente novamente daqui a um minuto.</translation>
    </message>
    <message>
        <source>Thunderstore didn&apos;t make a code (HTTP %1).</source>
        <translation>O Thunderstore não gerou um código (HTTP %1).</translation>
    </message>
    <message>
        <source>Profile code: %1</source>
        <translation>Código de perfil: %1</translation>
    </message>
    <message>
        <source>Profile code copied</source>
        <translation>Código de perfil copiado</translation>
    </message>
    <message>
        <source>Updates for %1 are offered again</source>
        <translation>As atualizações de %1 voltaram a ser oferecidas</translation>
    </message>
    <message>
        <source>No updates will be offered for %1</source>
        <translation>Nenhuma atualização será oferecida para %1</translation>
    </message>
    <message>
        <source>Quit Valheim first — updating mods while the game or its server runs would change them under it.</source>
        <translation>Feche o Valheim primeiro — atualizar mods com o jogo ou o servidor rodando os mudaria enquanto estão em uso.</translation>
    </message>
    <message numerus="yes">
        <source>Updating %n mods…</source>
        <translation>
            <numerusform>Atualizando %n mod…</numerusform>
            <numerusform>Atualizando %n mods…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Stopping after this mod…</source>
        <translation>Parando depois deste mod…</translation>
    </message>
    <message>
        <source>Installing %1 %2…</source>
        <translation>Instalando %1 %2…</translation>
    </message>
    <message>
        <source>Installed %1 %2</source>
        <translation>%1 %2 instalado</translation>
    </message>
    <message>
        <source>Installing what %1 needs…</source>
        <translation>Instalando o que %1 precisa…</translation>
    </message>
    <message>
        <source>Installed %1 for %2</source>
        <translation>Instalado para %2: %1</translation>
    </message>
    <message>
        <source>Nothing was missing for %1</source>
        <translation>Nada faltava para %1</translation>
    </message>
</context>
<context>
    <name>BrowseRow</name>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Instalado</translation>
    </message>
    <message>
        <source>%1K</source>
        <translation>%1 mil</translation>
    </message>
    <message>
        <source>%1M</source>
        <translation>%1 mi</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>por %1</translation>
    </message>
</context>
<context>
    <name>BrowseView</name>
    <message>
        <source>Search mods</source>
        <translation>Buscar mods</translation>
    </message>
    <message>
        <source>Refresh catalog</source>
        <translation>Atualizar catálogo</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Tentar novamente</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n mods</source>
        <translation>
            <numerusform>%1 de %n mod</numerusform>
            <numerusform>%1 de %n mods</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 · showing the previous catalog</source>
        <translation>%1 · mostrando o catálogo anterior</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Carregando…</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the Thunderstore catalog.</source>
        <translation>Não foi possível carregar o catálogo do Thunderstore.</translation>
    </message>
    <message>
        <source>View on Thunderstore</source>
        <translation>Ver no Thunderstore</translation>
    </message>
    <message>
        <source>Install version…</source>
        <translation>Instalar versão…</translation>
    </message>
    <message>
        <source>Read More</source>
        <translation>Ler mais</translation>
    </message>
</context>
<context>
    <name>Catalog</name>
    <message>
        <source>The catalog is empty.</source>
        <translation>O catálogo está vazio.</translation>
    </message>
    <message>
        <source>“%1” isn&apos;t a package: write Owner-Name or Owner-Name-1.2.3.</source>
        <translation>“%1” não é um pacote: escreva Owner-Name ou Owner-Name-1.2.3.</translation>
    </message>
    <message>
        <source>The catalog has no package “%1”.</source>
        <translation>O catálogo não tem o pacote “%1”.</translation>
    </message>
</context>
<context>
    <name>Change</name>
    <message>
        <source>Another change of this game folder is still under way.</source>
        <translation>Outra alteração desta pasta do jogo ainda está em andamento.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t in the game folder.</source>
        <translation>%1 não está na pasta do jogo.</translation>
    </message>
</context>
<context>
    <name>ChunkedListing</name>
    <message>
        <source>the server answered with error %1</source>
        <translation>o servidor respondeu com o erro %1</translation>
    </message>
    <message>
        <source>its list of catalog parts is unreadable</source>
        <translation>a lista de partes do catálogo está ilegível</translation>
    </message>
    <message>
        <source>its list names %1 catalog parts, far more than any real catalog</source>
        <translation>a lista indica %1 partes do catálogo, muito mais do que qualquer catálogo real</translation>
    </message>
    <message>
        <source>its list of catalog parts holds something that is no address</source>
        <translation>a lista de partes do catálogo contém algo que não é um endereço</translation>
    </message>
    <message>
        <source>part %1 of its catalog is damaged</source>
        <translation>a parte %1 do catálogo está danificada</translation>
    </message>
    <message>
        <source>part %1 of its catalog didn&apos;t arrive (%2)</source>
        <translation>a parte %1 do catálogo não chegou (%2)</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Sets up Valheim with BepInEx and manages its mods from a terminal or a script,
through the same model as the Skaldrun window.

Commands:
  status                        the seven setup steps, done or not, and the mod count
  list                          installed mods: version, repository, enabled, update, missing dependencies
  search QUERY                  both repositories, most popular first (or --sort newest|rating|name)
  install PACKAGE...            Owner-Name, or Owner-Name-1.2.3 for that release, with its dependencies;
                                the BepInEx pack sets the loader up (a server&apos;s folder too)
  update [--all | NAME...]      every mod with a newer version in the catalog, or those named, keeping
                                each one&apos;s switch and config files (mods kept at a release are left)
  enable NAME...                turns mods on
  disable NAME...               turns mods off, leaving them installed
  remove NAME...                moves mods to the Trash (--delete: deletes them for good)
  config list MOD               a mod&apos;s settings, as FILE&apos;s Section.Key = value
  config get FILE KEY           one setting (KEY is Section.Key, or a key only one section has)
  config set FILE KEY VALUE     changes one setting, checked like the window&apos;s editor
  saves backup                  backs the worlds and characters up
  saves restore                 restores them from the newest backup
  profile list                  the game folder&apos;s profiles (mod sets), the active one marked
  profile new NAME              a new empty profile (--copy: a copy of the active one)
  profile switch NAME           makes NAME the active profile
  profile export [--file F.r2z | --code]  the mods and their configs as a .r2z file or a profile code
  profile import CODE|FILE [--name N | --replace]
                                a friend&apos;s r2modman or Gale profile, as a new profile or into this one
  doctor                        the last launch: what loaded, what didn&apos;t and why (a server&apos;s folder
                                too); exit status 1 when a mod didn&apos;t load

Progress goes to stderr, results to stdout. Exit status: 0 done, 1 failed (the reason on
stderr), 2 misused (with this text).</source>
        <translation>Prepara o Valheim com o BepInEx e gerencia os mods a partir de um terminal ou script,
com o mesmo modelo da janela do Skaldrun.

Comandos:
  status                        as sete etapas de configuração, concluídas ou não, e o número de mods
  list                          mods instalados: versão, repositório, ativado, atualização, dependências faltando
  search QUERY                  os dois repositórios, os mais populares primeiro (ou --sort newest|rating|name)
  install PACKAGE...            Owner-Name, ou Owner-Name-1.2.3 para essa versão, com as dependências;
                                o pacote do BepInEx instala o carregador de mods (também na pasta de um servidor)
  update [--all | NAME...]      cada mod com uma versão mais nova no catálogo, ou os informados, mantendo
                                o estado e os arquivos de configuração (mods fixados numa versão ficam como estão)
  enable NAME...                ativa mods
  disable NAME...               desativa mods, mantendo-os instalados
  remove NAME...                move mods para a Lixeira (--delete: apaga de vez)
  config list MOD               as configurações de um mod, como ARQUIVO: Seção.Chave = valor
  config get FILE KEY           uma configuração (KEY é Seção.Chave, ou uma chave que só uma seção tem)
  config set FILE KEY VALUE     altera uma configuração, verificada como no editor da janela
  saves backup                  faz backup dos mundos e personagens
  saves restore                 restaura-os a partir do backup mais recente
  profile list                  os perfis (conjuntos de mods) da pasta do jogo, com o ativo marcado
  profile new NAME              um novo perfil vazio (--copy: uma cópia do ativo)
  profile switch NAME           torna NAME o perfil ativo
  profile export [--file F.r2z | --code]  os mods e suas configurações como arquivo .r2z ou código de perfil
  profile import CODE|FILE [--name N | --replace]
                                o perfil do r2modman ou do Gale de um amigo, como novo perfil ou neste
  doctor                        a última inicialização: o que carregou, o que não carregou e por quê (também na
                                pasta de um servidor); status de saída 1 quando um mod não carregou

O progresso vai para stderr, os resultados para stdout. Status de saída: 0 concluído, 1 falhou
(o motivo em stderr), 2 uso incorreto (com este texto).</translation>
    </message>
    <message>
        <source>The Valheim folder: a Mac or Linux client&apos;s, or a dedicated server&apos;s (default: the one found before).</source>
        <translation>A pasta do Valheim: a de um jogo no Mac ou Linux, ou a de um servidor dedicado (padrão: a encontrada antes).</translation>
    </message>
    <message>
        <source>status, list, search, doctor: JSON on stdout.</source>
        <translation>status, list, search, doctor: JSON no stdout.</translation>
    </message>
    <message>
        <source>search: popular, newest, rating or name.</source>
        <translation>search: popular, newest, rating ou name.</translation>
    </message>
    <message>
        <source>update: every mod (the default).</source>
        <translation>update: todos os mods (padrão).</translation>
    </message>
    <message>
        <source>update: list what would change.</source>
        <translation>update: lista o que mudaria.</translation>
    </message>
    <message>
        <source>remove: delete for good, not to the Trash.</source>
        <translation>remove: apaga de vez, sem ir para a Lixeira.</translation>
    </message>
    <message>
        <source>profile new: start from a copy of the active profile.</source>
        <translation>profile new: começa com uma cópia do perfil ativo.</translation>
    </message>
    <message>
        <source>profile export: the .r2z to write.</source>
        <translation>profile export: o .r2z a gravar.</translation>
    </message>
    <message>
        <source>profile export: a profile code.</source>
        <translation>profile export: um código de perfil.</translation>
    </message>
    <message>
        <source>profile import: into this profile, replacing its mods.</source>
        <translation>profile import: neste perfil, substituindo os mods dele.</translation>
    </message>
    <message>
        <source>profile import: the new profile&apos;s name (the pack&apos;s own by default).</source>
        <translation>profile import: o nome do novo perfil (por padrão, o do pacote).</translation>
    </message>
    <message>
        <source>One of the commands above.</source>
        <translation>Um dos comandos acima.</translation>
    </message>
    <message>
        <source>Name a command.</source>
        <translation>Informe um comando.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t a Valheim folder: it holds neither the game nor a dedicated server.</source>
        <translation>%1 não é uma pasta do Valheim: não contém nem o jogo nem um servidor dedicado.</translation>
    </message>
</context>
<context>
    <name>CommandRow</name>
    <message>
        <source>Copy command</source>
        <translation>Copiar comando</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>No installed mod is called “%1”.</source>
        <translation>Nenhum mod instalado se chama “%1”.</translation>
    </message>
    <message>
        <source>Game folder: %1</source>
        <translation>Pasta do jogo: %1</translation>
    </message>
    <message>
        <source>Game folder: not found</source>
        <translation>Pasta do jogo: não encontrada</translation>
    </message>
    <message>
        <source>This is Valheim&apos;s Windows build (valheim.exe), which Steam runs through Proton; for BepInEx to load, set its launch options to: %1</source>
        <translation>Esta é a versão para Windows do Valheim (valheim.exe), que a Steam executa pelo Proton; para o BepInEx carregar, defina as opções de inicialização como: %1</translation>
    </message>
    <message>
        <source>[n/a ] %1 (not needed)</source>
        <translation>[n/a ] %1 (não necessário)</translation>
    </message>
    <message numerus="yes">
        <source>%1 of 7 steps done · %n mods, %2 enabled</source>
        <translation>
            <numerusform>%1 de 7 etapas concluídas · %n mod, %2 ativado(s)</numerusform>
            <numerusform>%1 de 7 etapas concluídas · %n mods, %2 ativado(s)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Updates and dependencies aren&apos;t shown.</source>
        <translation>%1 Atualizações e dependências não são mostradas.</translation>
    </message>
    <message>
        <source>%1 (disabled)</source>
        <translation>%1 (desativado)</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 no %2</translation>
    </message>
    <message>
        <source>update: %1</source>
        <translation>atualização: %1</translation>
    </message>
    <message>
        <source>no updates offered</source>
        <translation>sem atualizações oferecidas</translation>
    </message>
    <message>
        <source>missing: %1</source>
        <translation>faltando: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2 · %3 · %n downloads · %4</source>
        <translation>
            <numerusform>%1 %2 · %3 · %n download · %4</numerusform>
            <numerusform>%1 %2 · %3 · %n downloads · %4</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 isn&apos;t in the catalog.</source>
        <translation>%1 não está no catálogo.</translation>
    </message>
    <message>
        <source>%1 is kept at its version; no updates are offered.</source>
        <translation>%1 fica na versão atual; nenhuma atualização é oferecida.</translation>
    </message>
    <message>
        <source>%1 is up to date.</source>
        <translation>%1 está atualizado.</translation>
    </message>
    <message>
        <source>Nothing to update.</source>
        <translation>Nada para atualizar.</translation>
    </message>
    <message>
        <source>%1 has no setting “%2”.</source>
        <translation>%1 não tem a configuração “%2”.</translation>
    </message>
    <message>
        <source>%1 has “%2” in several sections; write Section.Key, e.g. %3.%2.</source>
        <translation>%1 tem “%2” em várias seções; escreva Seção.Chave, por exemplo %3.%2.</translation>
    </message>
    <message>
        <source>There is no config file “%1” in %2.</source>
        <translation>Não há arquivo de configuração “%1” em %2.</translation>
    </message>
    <message>
        <source>%1.%2 = %3 in %4</source>
        <translation>%1.%2 = %3 em %4</translation>
    </message>
    <message>
        <source>There is no save backup to restore.</source>
        <translation>Não há backup para restaurar.</translation>
    </message>
    <message>
        <source>“--file”, “--code”, “--name” and “--replace” belong to profile export and import.</source>
        <translation>“--file”, “--code”, “--name” e “--replace” são de profile export e import.</translation>
    </message>
    <message>
        <source>Unknown command “%1”.</source>
        <translation>Comando desconhecido “%1”.</translation>
    </message>
    <message>
        <source>Wrong number of words after “%1”.</source>
        <translation>Número errado de palavras depois de “%1”.</translation>
    </message>
    <message>
        <source>“--%1” means nothing to “%2”.</source>
        <translation>“--%1” não significa nada para “%2”.</translation>
    </message>
    <message>
        <source>Sort by popular, newest, rating or name, not “%1”.</source>
        <translation>Ordene por popular, newest, rating ou name, não “%1”.</translation>
    </message>
    <message>
        <source>Give “--all” or mod names, not both.</source>
        <translation>Informe “--all” ou nomes de mods, não os dois.</translation>
    </message>
    <message>
        <source>Write config list MOD, config get FILE KEY or config set FILE KEY VALUE.</source>
        <translation>Escreva config list MOD, config get FILE KEY ou config set FILE KEY VALUE.</translation>
    </message>
    <message>
        <source>Write saves backup or saves restore.</source>
        <translation>Escreva saves backup ou saves restore.</translation>
    </message>
    <message>
        <source>%1 Give --delete to delete it for good instead.</source>
        <translation>%1 Use --delete para apagá-lo de vez.</translation>
    </message>
    <message>
        <source>Last launch: %1</source>
        <translation>Última inicialização: %1</translation>
    </message>
    <message>
        <source>pack %1</source>
        <translation>pacote %1</translation>
    </message>
    <message>
        <source>%1 server</source>
        <translation>servidor %1</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Log: %1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>observação: %1</translation>
    </message>
    <message numerus="yes">
        <source>[%1] %2 (%n times)</source>
        <translation>
            <numerusform>[%1] %2 (%n vez)</numerusform>
            <numerusform>[%1] %2 (%n vezes)</numerusform>
        </translation>
    </message>
    <message>
        <source>Not every mod loaded in the last launch.</source>
        <translation>Nem todos os mods carregaram na última inicialização.</translation>
    </message>
    <message>
        <source>There is no log of a launch with mods.</source>
        <translation>Não há log de uma inicialização com mods.</translation>
    </message>
    <message>
        <source>Write profile list, profile new NAME [--copy] or profile switch NAME.</source>
        <translation>Escreva profile list, profile new NAME [--copy] ou profile switch NAME.</translation>
    </message>
    <message>
        <source>“--copy” means something only to “profile new”.</source>
        <translation>“--copy” só significa algo para “profile new”.</translation>
    </message>
    <message>
        <source>%1 (active)</source>
        <translation>%1 (ativo)</translation>
    </message>
</context>
<context>
    <name>ConfigEditorSheet</name>
    <message>
        <source>Search settings</source>
        <translation>Buscar configurações</translation>
    </message>
    <message>
        <source>Revert to Original</source>
        <translation>Voltar ao original</translation>
    </message>
    <message>
        <source>Restore the config as it was before any edits made here</source>
        <translation>Restaura a configuração como era antes de qualquer alteração feita aqui</translation>
    </message>
    <message>
        <source>Changes apply the next time Valheim starts.</source>
        <translation>As alterações valem na próxima vez que o Valheim iniciar.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>No config file found.</source>
        <translation>Nenhum arquivo de configuração encontrado.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read %1: %2</source>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>Revert to original settings?</source>
        <translation>Voltar às configurações originais?</translation>
    </message>
    <message>
        <source>This restores %1 to the copy saved when you first opened it here. Your customized values will be lost.</source>
        <translation>Isso restaura %1 para a cópia salva quando você o abriu aqui pela primeira vez. Seus valores personalizados serão perdidos.</translation>
    </message>
    <message>
        <source>This restores the file to the copy saved when you first opened it here. Your customized values will be lost.</source>
        <translation>Isso restaura o arquivo para a cópia salva quando você o abriu aqui pela primeira vez. Seus valores personalizados serão perdidos.</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Couldn&apos;t save</source>
        <translation>Não foi possível salvar</translation>
    </message>
    <message>
        <source>No settings found in this file.</source>
        <translation>Nenhuma configuração encontrada neste arquivo.</translation>
    </message>
    <message>
        <source>No settings match “%1”.</source>
        <translation>Nenhuma configuração corresponde a “%1”.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
</context>
<context>
    <name>ConfigEntryRow</name>
    <message>
        <source>Modified — not saved yet</source>
        <translation>Modificado — ainda não salvo</translation>
    </message>
    <message>
        <source>Default: %1</source>
        <translation>Padrão: %1</translation>
    </message>
</context>
<context>
    <name>ConfigStore</name>
    <message>
        <source>“%1” takes true or false.</source>
        <translation>“%1” aceita true ou false.</translation>
    </message>
    <message>
        <source>“%1” takes one of: %2.</source>
        <translation>“%1” aceita um destes valores: %2.</translation>
    </message>
    <message>
        <source>“%1” takes a whole number.</source>
        <translation>“%1” aceita um número inteiro.</translation>
    </message>
    <message>
        <source>“%1” takes a number.</source>
        <translation>“%1” aceita um número.</translation>
    </message>
    <message>
        <source>“%1” takes a whole number from %2 to %3.</source>
        <translation>“%1” aceita um número inteiro de %2 a %3.</translation>
    </message>
    <message>
        <source>“%1” takes a number from %2 to %3.</source>
        <translation>“%1” aceita um número de %2 a %3.</translation>
    </message>
    <message>
        <source>The value of “%1” can&apos;t contain a line break.</source>
        <translation>O valor de “%1” não pode conter uma quebra de linha.</translation>
    </message>
    <message>
        <source>The value of “%1” can&apos;t end with “]”: the line would read as a section header.</source>
        <translation>O valor de “%1” não pode terminar com “]”: a linha seria lida como um cabeçalho de seção.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save “%1”: it&apos;s a link to a file that doesn&apos;t exist.</source>
        <translation>Não foi possível salvar “%1”: é um link para um arquivo que não existe.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save “%1”: it&apos;s a link to a file outside the game folder.</source>
        <translation>Não foi possível salvar “%1”: é um link para um arquivo fora da pasta do jogo.</translation>
    </message>
</context>
<context>
    <name>DependantsPrompt</name>
    <message>
        <source>Move All to Trash</source>
        <translation>Mover tudo para a Lixeira</translation>
    </message>
    <message>
        <source>Disable All</source>
        <translation>Desativar todos</translation>
    </message>
    <message>
        <source>Move Only %1 to Trash</source>
        <translation>Mover só %1 para a Lixeira</translation>
    </message>
    <message>
        <source>Disable Only %1</source>
        <translation>Desativar só %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message numerus="yes">
        <source>%n mods depend on %1: %2.</source>
        <translation>
            <numerusform>%n mod depende de %1: %2.</numerusform>
            <numerusform>%n mods dependem de %1: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message>
        <source>Drop mods here to install</source>
        <translation>Solte mods aqui para instalar</translation>
    </message>
    <message>
        <source>Thunderstore .zip · loose .dll · mod folders — they land in BepInEx/plugins</source>
        <translation>.zip do Thunderstore · .dll avulsa · pastas de mods — vão para BepInEx/plugins</translation>
    </message>
</context>
<context>
    <name>ExportSheet</name>
    <message>
        <source>%1 and %2, for r2modman, Gale and Skaldrun players.</source>
        <translation>%1 e %2, para jogadores de r2modman, Gale e Skaldrun.</translation>
    </message>
    <message>
        <source>Export This Profile</source>
        <translation>Exportar este perfil</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save .r2z…</source>
        <translation>Salvar .r2z…</translation>
    </message>
    <message>
        <source>Get Code</source>
        <translation>Gerar código</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>Another program (process %1) is changing this game folder; try again when it has finished.</source>
        <translation>Outro programa (processo %1) está alterando esta pasta do jogo; tente de novo quando ele terminar.</translation>
    </message>
    <message>
        <source>%1 (process %2) is changing this game folder; try again when it has finished.</source>
        <translation>%1 (processo %2) está alterando esta pasta do jogo; tente de novo quando ele terminar.</translation>
    </message>
    <message>
        <source>Couldn&apos;t lock the game folder for changes (%1).</source>
        <translation>Não foi possível bloquear a pasta do jogo para alterações (%1).</translation>
    </message>
</context>
<context>
    <name>FoldingRow</name>
    <message>
        <source>More</source>
        <translation>Mais</translation>
    </message>
</context>
<context>
    <name>Fs</name>
    <message>
        <source>Couldn&apos;t read “%1”: %2.</source>
        <translation>Não foi possível ler “%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t write “%1”: %2.</source>
        <translation>Não foi possível gravar “%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create “%1”: %2.</source>
        <translation>Não foi possível criar “%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder “%1”: %2.</source>
        <translation>Não foi possível criar a pasta “%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create a folder in “%1”: %2.</source>
        <translation>Não foi possível criar uma pasta em “%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the folder “%1”: %2.</source>
        <translation>Não foi possível ler a pasta “%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: %2.</source>
        <translation>Não foi possível copiar “%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move “%1”: %2.</source>
        <translation>Não foi possível mover “%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t remove “%1”: %2.</source>
        <translation>Não foi possível remover “%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read “%1”: it isn&apos;t UTF-8 text.</source>
        <translation>Não foi possível ler “%1”: não é texto UTF-8.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move “%1”: “%2” already exists.</source>
        <translation>Não foi possível mover “%1”: “%2” já existe.</translation>
    </message>
</context>
<context>
    <name>GameUpdateBanner</name>
    <message>
        <source>Back Up Saves</source>
        <translation>Fazer backup</translation>
    </message>
    <message>
        <source>Switch Them Off</source>
        <translation>Desativá-los</translation>
    </message>
    <message>
        <source>Back up your saves before you play on.</source>
        <translation>Faça backup dos seus mundos e personagens antes de continuar jogando.</translation>
    </message>
    <message numerus="yes">
        <source>%n mods didn&apos;t load after the update. Back up your saves first; then update, or switch them off until their authors catch up.</source>
        <translation>
            <numerusform>%n mod não carregou depois da atualização. Faça backup primeiro; depois atualize ou desative até o autor atualizar.</numerusform>
            <numerusform>%n mods não carregaram depois da atualização. Faça backup primeiro; depois atualize ou desative até os autores atualizarem.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Update %n Mods</source>
        <translation>
            <numerusform>Atualizar %n mod</numerusform>
            <numerusform>Atualizar %n mods</numerusform>
        </translation>
    </message>
    <message>
        <source>Update BepInEx to %1</source>
        <translation>Atualizar o BepInEx para %1</translation>
    </message>
</context>
<context>
    <name>Http</name>
    <message>
        <source>The server stopped answering (timed out)</source>
        <translation>O servidor parou de responder (tempo esgotado)</translation>
    </message>
    <message>
        <source>The server refused the connection</source>
        <translation>O servidor recusou a conexão</translation>
    </message>
    <message>
        <source>The server&apos;s address couldn&apos;t be found</source>
        <translation>O endereço do servidor não foi encontrado</translation>
    </message>
    <message>
        <source>The server closed the connection</source>
        <translation>O servidor encerrou a conexão</translation>
    </message>
    <message>
        <source>The server sent us round in circles (too many redirects)</source>
        <translation>O servidor nos fez andar em círculos (redirecionamentos demais)</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made</source>
        <translation>Não foi possível estabelecer uma conexão segura com o servidor</translation>
    </message>
    <message>
        <source>The Internet connection appears to be offline</source>
        <translation>A conexão com a Internet parece estar offline</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erro desconhecido</translation>
    </message>
    <message>
        <source>The download was cancelled</source>
        <translation>O download foi cancelado</translation>
    </message>
    <message>
        <source>The server sent more than %1 MB, far more than expected</source>
        <translation>O servidor enviou mais de %1 MB, muito mais do que o esperado</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved to disk</source>
        <translation>Não foi possível salvar o download no disco</translation>
    </message>
    <message>
        <source>Couldn&apos;t create “%1”: %2</source>
        <translation>Não foi possível criar “%1”: %2</translation>
    </message>
    <message>
        <source>The server answered with an error (HTTP %1)</source>
        <translation>O servidor respondeu com um erro (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>ImportSheet</name>
    <message numerus="yes">
        <source>%n mods</source>
        <translation>
            <numerusform>%n mod</numerusform>
            <numerusform>%n mods</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n config files</source>
        <translation>
            <numerusform>%n arquivo de configuração</numerusform>
            <numerusform>%n arquivos de configuração</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1”: %2, %3</source>
        <translation>“%1”: %2, %3</translation>
    </message>
    <message>
        <source>Import a Profile</source>
        <translation>Importar um perfil</translation>
    </message>
    <message>
        <source>Paste a profile code</source>
        <translation>Cole um código de perfil</translation>
    </message>
    <message>
        <source>Profile code from r2modman, Gale or Skaldrun</source>
        <translation>Código de perfil do r2modman, Gale ou Skaldrun</translation>
    </message>
    <message>
        <source>Read Code</source>
        <translation>Ler código</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>Abrir arquivo…</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Repository</source>
        <translation>Repositório</translation>
    </message>
    <message>
        <source>Name of the new profile</source>
        <translation>Nome do novo perfil</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>Novo perfil</translation>
    </message>
    <message>
        <source>Replace This Profile</source>
        <translation>Substituir este perfil</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>não encontrado</translation>
    </message>
    <message>
        <source>Paste a code from r2modman, Gale or Skaldrun, or open a .r2z file.</source>
        <translation>Cole um código do r2modman, Gale ou Skaldrun, ou abra um arquivo .r2z.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importar…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Import a Profile…</source>
        <translation>Importar um perfil…</translation>
    </message>
    <message>
        <source>Export This Profile…</source>
        <translation>Exportar este perfil…</translation>
    </message>
</context>
<context>
    <name>InstallError</name>
    <message>
        <source>%1 isn&apos;t something I can install — drop a mod .zip, a .dll plugin, a .cfg file, or a mod folder.</source>
        <translation>Não consigo instalar %1 — solte um .zip de mod, um plugin .dll, um arquivo .cfg ou uma pasta de mod.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: %1</source>
        <translation>Não foi possível extrair o arquivo compactado: %1</translation>
    </message>
    <message>
        <source>%1 doesn&apos;t seem to contain any mod files.</source>
        <translation>%1 não parece conter arquivos de mod.</translation>
    </message>
    <message>
        <source>Couldn&apos;t find any Valheim worlds or characters in %1.</source>
        <translation>Nenhum mundo ou personagem do Valheim encontrado em %1.</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>the archive is damaged or isn&apos;t a ZIP archive</source>
        <translation>o arquivo compactado está danificado ou não é um ZIP</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” has an absolute path, so nothing was installed.</source>
        <translation>Não foi possível extrair o arquivo compactado: a entrada “%1” tem um caminho absoluto, então nada foi instalado.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” points outside the archive&apos;s folder, so nothing was installed.</source>
        <translation>Não foi possível extrair o arquivo compactado: a entrada “%1” aponta para fora da pasta do arquivo compactado, então nada foi instalado.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” has an invalid name, so nothing was installed.</source>
        <translation>Não foi possível extrair o arquivo compactado: a entrada “%1” tem um nome inválido, então nada foi instalado.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: it unpacks to more than %1, far more than any mod needs, so nothing was installed.</source>
        <translation>Não foi possível extrair o arquivo compactado: ele descompacta mais de %1, muito mais do que qualquer mod precisa, então nada foi instalado.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: it holds more than %1 files, far more than any mod needs, so nothing was installed.</source>
        <translation>Não foi possível extrair o arquivo compactado: ele contém mais de %1 arquivos, muito mais do que qualquer mod precisa, então nada foi instalado.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: an entry has no name, so nothing was installed.</source>
        <translation>Não foi possível extrair o arquivo compactado: uma entrada não tem nome, então nada foi instalado.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” is a symbolic link, which no mod needs, so nothing was installed.</source>
        <translation>Não foi possível extrair o arquivo compactado: a entrada “%1” é um link simbólico, que nenhum mod precisa, então nada foi instalado.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” is a hard link, which no mod needs, so nothing was installed.</source>
        <translation>Não foi possível extrair o arquivo compactado: a entrada “%1” é um link físico, que nenhum mod precisa, então nada foi instalado.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” isn&apos;t a file or a folder, so nothing was installed.</source>
        <translation>Não foi possível extrair o arquivo compactado: a entrada “%1” não é um arquivo nem uma pasta, então nada foi instalado.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” couldn&apos;t be written (%2), so nothing was installed.</source>
        <translation>Não foi possível extrair o arquivo compactado: não foi possível gravar a entrada “%1” (%2), então nada foi instalado.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” couldn&apos;t be read (%2), so nothing was installed.</source>
        <translation>Não foi possível extrair o arquivo compactado: não foi possível ler a entrada “%1” (%2), então nada foi instalado.</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: it overlaps “%2”.</source>
        <translation>Não foi possível copiar “%1”: ele se sobrepõe a “%2”.</translation>
    </message>
    <message>
        <source>BepInEx is already set up in the game folder; kept it as it is</source>
        <translation>O BepInEx já está configurado na pasta do jogo; foi mantido como está</translation>
    </message>
    <message>
        <source>BepInEx %1 installed into the game folder</source>
        <translation>BepInEx %1 instalado na pasta do jogo</translation>
    </message>
    <message>
        <source>BepInEx installed into the game folder</source>
        <translation>BepInEx instalado na pasta do jogo</translation>
    </message>
    <message>
        <source>Merged %1 into BepInEx</source>
        <translation>%1 mesclado ao BepInEx</translation>
    </message>
    <message>
        <source>Couldn&apos;t install “%1”: neither its manifest nor its file name gives a usable folder name.</source>
        <translation>Não foi possível instalar “%1”: nem o manifesto nem o nome do arquivo fornecem um nome de pasta utilizável.</translation>
    </message>
    <message>
        <source>Installed %1 (data/config files only — no plugin DLL)</source>
        <translation>%1 instalado (apenas arquivos de dados/configuração — sem DLL de plugin)</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>%1 instalado</translation>
    </message>
    <message>
        <source>Copied %1 into BepInEx/config</source>
        <translation>%1 copiado para BepInEx/config</translation>
    </message>
    <message>
        <source>%1 holds the game folder&apos;s own files, so it can&apos;t be installed into them — drop a mod .zip, a .dll plugin, a .cfg file, or a mod folder.</source>
        <translation>%1 contém os próprios arquivos da pasta do jogo, então não pode ser instalado neles — solte um .zip de mod, um plugin .dll, um arquivo .cfg ou uma pasta de mod.</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: “%2” lies inside it.</source>
        <translation>Não foi possível copiar “%1”: “%2” está dentro dele.</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: it is a symbolic link.</source>
        <translation>Não foi possível copiar “%1”: é um link simbólico.</translation>
    </message>
</context>
<context>
    <name>LaunchFixes</name>
    <message>
        <source>Update to %1</source>
        <translation>Atualizar para %1</translation>
    </message>
    <message>
        <source>Go Back to %1</source>
        <translation>Voltar para %1</translation>
    </message>
    <message>
        <source>Switch On %1</source>
        <translation>Ativar %1</translation>
    </message>
    <message>
        <source>Update %1 %2</source>
        <translation>Atualizar %1 %2</translation>
    </message>
    <message>
        <source>Install %1 %2</source>
        <translation>Instalar %1 %2</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Desativar</translation>
    </message>
</context>
<context>
    <name>LaunchLine</name>
    <message>
        <source>Details</source>
        <translation>Detalhes</translation>
    </message>
    <message>
        <source>Last launch %1 · %2</source>
        <translation>Última inicialização %1 · %2</translation>
    </message>
    <message>
        <source>Last launch · %1</source>
        <translation>Última inicialização · %1</translation>
    </message>
</context>
<context>
    <name>LaunchSheet</name>
    <message>
        <source>Last launch</source>
        <translation>Última inicialização</translation>
    </message>
    <message>
        <source>Copy for Discord</source>
        <translation>Copiar para o Discord</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>%1 server</source>
        <translation>servidor %1</translation>
    </message>
    <message numerus="yes">
        <source>[%1] %2 (%n times)</source>
        <translation>
            <numerusform>[%1] %2 (%n vez)</numerusform>
            <numerusform>[%1] %2 (%n vezes)</numerusform>
        </translation>
    </message>
    <message>
        <source>What the mods wrote themselves:
%1</source>
        <translation>O que os próprios mods escreveram:
%1</translation>
    </message>
</context>
<context>
    <name>LaunchText</name>
    <message>
        <source>%1, which isn&apos;t installed</source>
        <translation>%1, que não está instalado</translation>
    </message>
    <message>
        <source>%1, which is switched off</source>
        <translation>%1, que está desativado</translation>
    </message>
    <message>
        <source>%1 %2 or newer, which isn&apos;t installed</source>
        <translation>%1 %2 ou mais recente, que não está instalado</translation>
    </message>
    <message>
        <source>%1 %2 or newer, which is switched off</source>
        <translation>%1 %2 ou mais recente, que está desativado</translation>
    </message>
    <message>
        <source>%1 %2 or newer, you have %3</source>
        <translation>%1 %2 ou mais recente, você tem %3</translation>
    </message>
    <message>
        <source>%1 %2 or newer</source>
        <translation>%1 %2 ou mais recente</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n times)</source>
        <translation>
            <numerusform>%1 (%n vez)</numerusform>
            <numerusform>%1 (%n vezes)</numerusform>
        </translation>
    </message>
    <message>
        <source>the server needs %1 %2, it has %3</source>
        <translation>o servidor precisa de %1 %2, ele tem %3</translation>
    </message>
    <message>
        <source>the client needs %1 %2, it has %3</source>
        <translation>o cliente precisa de %1 %2, ele tem %3</translation>
    </message>
    <message>
        <source>the server lacks %1</source>
        <translation>falta %1 no servidor</translation>
    </message>
    <message>
        <source>the client lacks %1</source>
        <translation>falta %1 no cliente</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>The server runs another version of Valheim</source>
        <translation>O servidor roda outra versão do Valheim</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the server</source>
        <translation>Não foi possível conectar ao servidor</translation>
    </message>
    <message>
        <source>The server refused the password</source>
        <translation>O servidor recusou a senha</translation>
    </message>
    <message>
        <source>The server has banned this player</source>
        <translation>O servidor baniu este jogador</translation>
    </message>
    <message>
        <source>The server is full</source>
        <translation>O servidor está cheio</translation>
    </message>
    <message>
        <source>Lost the connection to the server (%1)</source>
        <translation>A conexão com o servidor foi perdida (%1)</translation>
    </message>
    <message>
        <source>%1; and %2</source>
        <translation>%1; e %2</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: it needs %2</source>
        <translation>%1 não carregou: precisa de %2</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: it can&apos;t run beside %2</source>
        <translation>%1 não carregou: não pode rodar junto com %2</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: a mod it needs didn&apos;t load</source>
        <translation>%1 não carregou: um mod de que ele precisa não carregou</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load, and BepInEx gave no reason</source>
        <translation>%1 não carregou, e o BepInEx não deu motivo</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: %2</source>
        <translation>%1 não carregou: %2</translation>
    </message>
    <message>
        <source>%1 is installed twice; BepInEx loaded one copy</source>
        <translation>%1 está instalado duas vezes; o BepInEx carregou uma cópia</translation>
    </message>
    <message>
        <source>%1 was skipped: %2 is installed too</source>
        <translation>%1 foi ignorado: %2 também está instalado</translation>
    </message>
    <message>
        <source>%1 was made for BepInEx %2 and might not work until it&apos;s updated</source>
        <translation>%1 foi feito para o BepInEx %2 e pode não funcionar até ser atualizado</translation>
    </message>
    <message>
        <source>A mod couldn&apos;t patch the game, and its error names no mod</source>
        <translation>Um mod não conseguiu modificar o jogo, e o erro não cita nenhum mod</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t patch the game — it may need an update for this Valheim</source>
        <translation>%1 não conseguiu modificar o jogo — talvez precise de uma atualização para esta versão do Valheim</translation>
    </message>
    <message>
        <source>%1 failed to start (%2)</source>
        <translation>%1 não conseguiu iniciar (%2)</translation>
    </message>
    <message>
        <source>%1 failed to start (an error)</source>
        <translation>%1 não conseguiu iniciar (um erro)</translation>
    </message>
    <message>
        <source>Something failed (%1), and no mod is named in it</source>
        <translation>Algo falhou (%1), e nenhum mod é citado</translation>
    </message>
    <message>
        <source>Something failed (an error), and no mod is named in it</source>
        <translation>Algo falhou (um erro), e nenhum mod é citado</translation>
    </message>
    <message>
        <source>Something failed (%1) in %2, which no one mod stands for</source>
        <translation>Algo falhou (%1) em %2, que não corresponde a nenhum mod específico</translation>
    </message>
    <message>
        <source>Something failed (an error) in %1, which no one mod stands for</source>
        <translation>Algo falhou (um erro) em %1, que não corresponde a nenhum mod específico</translation>
    </message>
    <message>
        <source>%1 ran into %2</source>
        <translation>%1 encontrou %2</translation>
    </message>
    <message>
        <source>%1 ran into an error</source>
        <translation>%1 encontrou um erro</translation>
    </message>
    <message>
        <source>the game&apos;s versions differ (%1)</source>
        <translation>as versões do jogo são diferentes (%1)</translation>
    </message>
    <message>
        <source>A connection was refused: the versions differ</source>
        <translation>Uma conexão foi recusada: as versões são diferentes</translation>
    </message>
    <message>
        <source>A connection was refused: %1</source>
        <translation>Uma conexão foi recusada: %1</translation>
    </message>
    <message>
        <source>Jotunn&apos;s version check turned a connection away</source>
        <translation>A verificação de versão do Jotunn recusou uma conexão</translation>
    </message>
    <message>
        <source>Mods need to be %1 on the server: %2</source>
        <translation>Mods precisam estar %1 no servidor: %2</translation>
    </message>
    <message>
        <source>Mods need to be %1 on the client: %2</source>
        <translation>Mods precisam estar %1 no cliente: %2</translation>
    </message>
    <message>
        <source>A connection was closed</source>
        <translation>Uma conexão foi encerrada</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n mods loaded, Valheim %2</source>
        <translation>
            <numerusform>Carregados: %1 de %n mod, Valheim %2</numerusform>
            <numerusform>Carregados: %1 de %n mods, Valheim %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n mods loaded</source>
        <translation>
            <numerusform>Carregados: %1 de %n mod</numerusform>
            <numerusform>Carregados: %1 de %n mods</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>BepInEx stopped before it finished loading: %1 of %n mods loaded, Valheim %2</source>
        <translation>
            <numerusform>O BepInEx parou antes de terminar de carregar: carregados %1 de %n mod, Valheim %2</numerusform>
            <numerusform>O BepInEx parou antes de terminar de carregar: carregados %1 de %n mods, Valheim %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>BepInEx stopped before it finished loading: %1 of %n mods loaded</source>
        <translation>
            <numerusform>O BepInEx parou antes de terminar de carregar: carregados %1 de %n mod</numerusform>
            <numerusform>O BepInEx parou antes de terminar de carregar: carregados %1 de %n mods</numerusform>
        </translation>
    </message>
    <message>
        <source>BepInEx isn&apos;t installed in the game folder, so nothing wrote a log.</source>
        <translation>O BepInEx não está instalado na pasta do jogo, então nada gravou um log.</translation>
    </message>
    <message>
        <source>Steam runs the Windows build through Proton, which loads BepInEx only with these launch options: %1</source>
        <translation>O Steam roda a versão de Windows pelo Proton, que só carrega o BepInEx com estas opções de inicialização: %1</translation>
    </message>
    <message>
        <source>%1 isn&apos;t executable, so Steam couldn&apos;t start the game through it.</source>
        <translation>%1 não é executável, então o Steam não conseguiu iniciar o jogo por ele.</translation>
    </message>
    <message>
        <source>%1 is too old for Steam&apos;s runtime, which keeps it from loading BepInEx.</source>
        <translation>%1 é antigo demais para o ambiente de execução do Steam, o que o impede de carregar o BepInEx.</translation>
    </message>
    <message>
        <source>BepInEx&apos;s injector is Intel-only: on Apple Silicon the game has to run through Rosetta 2 (step 4).</source>
        <translation>O injetor do BepInEx é só para Intel: no Apple Silicon o jogo precisa rodar pelo Rosetta 2 (passo 4).</translation>
    </message>
    <message>
        <source>Steam&apos;s launch options for Valheim don&apos;t name %1, so the game started without mods.</source>
        <translation>As opções de inicialização do Valheim no Steam não incluem %1, então o jogo iniciou sem mods.</translation>
    </message>
    <message>
        <source>The server hasn&apos;t been started through %1 since BepInEx was installed, so nothing wrote a log.</source>
        <translation>O servidor não foi iniciado por %1 desde que o BepInEx foi instalado, então nada gravou um log.</translation>
    </message>
    <message>
        <source>Valheim hasn&apos;t been launched with mods yet.</source>
        <translation>O Valheim ainda não foi iniciado com mods.</translation>
    </message>
    <message>
        <source>Valheim started, but BepInEx wrote no log — Steam may have started it without its launch options.</source>
        <translation>O Valheim iniciou, mas o BepInEx não gravou nenhum log — talvez o Steam o tenha iniciado sem as opções de inicialização.</translation>
    </message>
    <message>
        <source>Valheim updated from %1 to %2</source>
        <translation>O Valheim foi atualizado de %1 para %2</translation>
    </message>
    <message>
        <source>pack %1</source>
        <translation>pacote %1</translation>
    </message>
    <message>
        <source>%1 server</source>
        <translation>servidor %1</translation>
    </message>
    <message>
        <source>**Last launch:** %1</source>
        <translation>**Última inicialização:** %1</translation>
    </message>
    <message numerus="yes">
        <source>- …and %n more</source>
        <translation>
            <numerusform>- …e mais %n</numerusform>
            <numerusform>- …e mais %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LocalConfig</name>
    <message>
        <source>a text runs to the end of the file</source>
        <translation>um texto vai até o fim do arquivo</translation>
    </message>
    <message>
        <source>Steam&apos;s settings in “%1” aren&apos;t laid out as expected (%2), so Skaldrun left them as they are. Paste the launch options into Steam yourself.</source>
        <translation>As configurações do Steam em “%1” não estão organizadas como esperado (%2), então o Skaldrun as deixou como estavam. Cole você mesmo as opções de inicialização no Steam.</translation>
    </message>
    <message>
        <source>a block isn&apos;t closed</source>
        <translation>um bloco não está fechado</translation>
    </message>
    <message>
        <source>a brace closes nothing</source>
        <translation>uma chave não fecha nada</translation>
    </message>
    <message>
        <source>a block has no name</source>
        <translation>um bloco não tem nome</translation>
    </message>
    <message>
        <source>a name has no value</source>
        <translation>um nome não tem valor</translation>
    </message>
    <message>
        <source>it holds no UserLocalConfigStore</source>
        <translation>ele não contém nenhum UserLocalConfigStore</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Settings — shader cache &amp; save backups</source>
        <translation>Configurações — cache de shaders e backups</translation>
    </message>
    <message>
        <source>Game Folder</source>
        <translation>Pasta do jogo</translation>
    </message>
    <message>
        <source>Open the Valheim game folder in Finder</source>
        <translation>Abrir a pasta do jogo do Valheim no Finder</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Re-check every step</source>
        <translation>Verificar todas as etapas de novo</translation>
    </message>
    <message>
        <source>Play Vanilla</source>
        <translation>Jogar vanilla</translation>
    </message>
    <message>
        <source>Launch Valheim vanilla — mods stay installed but don&apos;t load</source>
        <translation>Iniciar o Valheim vanilla — os mods continuam instalados, mas não carregam</translation>
    </message>
    <message>
        <source>Launch Valheim</source>
        <translation>Iniciar Valheim</translation>
    </message>
    <message>
        <source>Launch Valheim through Steam (with mods)</source>
        <translation>Iniciar o Valheim pela Steam (com mods)</translation>
    </message>
</context>
<context>
    <name>MarkdownView</name>
    <message>
        <source>Loading…</source>
        <translation>Carregando…</translation>
    </message>
    <message>
        <source>No changelog</source>
        <translation>Sem registro de alterações</translation>
    </message>
    <message>
        <source>No readme</source>
        <translation>Sem readme</translation>
    </message>
    <message>
        <source>Very long, so shortened here; the rest is on the package&apos;s page.</source>
        <translation>Muito longo, por isso foi encurtado aqui; o resto está na página do pacote.</translation>
    </message>
</context>
<context>
    <name>ModRow</name>
    <message>
        <source>Config</source>
        <translation>Config</translation>
    </message>
    <message>
        <source>data</source>
        <translation>dados</translation>
    </message>
    <message>
        <source>Edit this mod&apos;s settings</source>
        <translation>Editar as configurações deste mod</translation>
    </message>
    <message>
        <source>Holds no plugin DLL, so there is nothing to switch off</source>
        <translation>Não tem DLL de plugin, então não há nada para desligar</translation>
    </message>
    <message>
        <source>%1 (disabled)</source>
        <translation>%1 (desativado)</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (ausente)</translation>
    </message>
    <message>
        <source>Needs %1</source>
        <translation>Precisa de %1</translation>
    </message>
    <message>
        <source>Install missing</source>
        <translation>Instalar os que faltam</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ativar</translation>
    </message>
    <message>
        <source>Data files (no plugin DLL)</source>
        <translation>Arquivos de dados (sem DLL de plugin)</translation>
    </message>
    <message>
        <source>Plugin DLL</source>
        <translation>DLL de plugin</translation>
    </message>
    <message>
        <source>Plugin DLL · disabled</source>
        <translation>DLL de plugin · desativado</translation>
    </message>
    <message numerus="yes">
        <source>%n plugins</source>
        <translation>
            <numerusform>%n plugin</numerusform>
            <numerusform>%n plugins</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n plugins · disabled</source>
        <translation>
            <numerusform>%n plugin · desativado</numerusform>
            <numerusform>%n plugins · desativado</numerusform>
        </translation>
    </message>
    <message>
        <source>Enabled — click to disable</source>
        <translation>Ativado — clique para desativar</translation>
    </message>
    <message>
        <source>Disabled — click to enable</source>
        <translation>Desativado — clique para ativar</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Mostrar no Finder</translation>
    </message>
    <message>
        <source>Install version…</source>
        <translation>Instalar versão…</translation>
    </message>
    <message>
        <source>Offer updates again</source>
        <translation>Oferecer atualizações de novo</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Mover para a Lixeira</translation>
    </message>
</context>
<context>
    <name>ModsPane</name>
    <message numerus="yes">
        <source>%n mods are stashed outside the plugins folder. Bring them back once you&apos;ve run the capture.</source>
        <translation>
            <numerusform>%n mod está guardado fora da pasta de plugins. Traga-o de volta depois de fazer a captura.</numerusform>
            <numerusform>%n mods estão guardados fora da pasta de plugins. Traga-os de volta depois de fazer a captura.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading your game folder…</source>
        <translation>Lendo a pasta do jogo…</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Instalados</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Explorar</translation>
    </message>
    <message>
        <source>Open BepInEx/plugins in Finder</source>
        <translation>Abrir BepInEx/plugins no Finder</translation>
    </message>
    <message>
        <source>Open the Plugins Folder</source>
        <translation>Abrir a pasta de plugins</translation>
    </message>
    <message>
        <source>Shader-cache capture in progress</source>
        <translation>Captura do cache de shaders em andamento</translation>
    </message>
    <message>
        <source>Move Mods Back</source>
        <translation>Trazer os mods de volta</translation>
    </message>
    <message>
        <source>No mod loader yet</source>
        <translation>Ainda sem carregador de mods</translation>
    </message>
    <message>
        <source>Work through the setup steps on the left. Once BepInEx is installed, your mods show up here.</source>
        <translation>Siga as etapas de configuração à esquerda. Quando o BepInEx estiver instalado, seus mods aparecem aqui.</translation>
    </message>
    <message>
        <source>No mods installed</source>
        <translation>Nenhum mod instalado</translation>
    </message>
    <message>
        <source>Switch to Browse to search Thunderstore, or drop a mod .zip below.</source>
        <translation>Vá para Explorar para buscar no Thunderstore, ou solte o .zip de um mod abaixo.</translation>
    </message>
    <message>
        <source>donate</source>
        <translation>doar</translation>
    </message>
    <message>
        <source>Support Skaldrun&apos;s development</source>
        <translation>Apoie o desenvolvimento do Skaldrun</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n enabled</source>
        <translation>
            <numerusform>%1 de %n ativados</numerusform>
            <numerusform>%1 de %n ativados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n updates</source>
        <translation>
            <numerusform>%n atualização</numerusform>
            <numerusform>%n atualizações</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PackageDocs</name>
    <message>
        <source>Couldn&apos;t load the readme: %1</source>
        <translation>Não foi possível carregar o readme: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the changelog: %1</source>
        <translation>Não foi possível carregar o registro de alterações: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the readme: the repository answered %1.</source>
        <translation>Não foi possível carregar o readme: o repositório respondeu %1.</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the changelog: the repository answered %1.</source>
        <translation>Não foi possível carregar o registro de alterações: o repositório respondeu %1.</translation>
    </message>
</context>
<context>
    <name>Pipeline</name>
    <message>
        <source>no download URL</source>
        <translation>sem URL de download</translation>
    </message>
    <message>
        <source>refused to download from %1, which is neither Thunderstore&apos;s nor Hexium&apos;s</source>
        <translation>download de %1 recusado, pois não é do Thunderstore nem do Hexium</translation>
    </message>
    <message>
        <source>Downloading %1 (%2 of %3)…</source>
        <translation>Baixando %1 (%2 de %3)…</translation>
    </message>
    <message>
        <source>%1 Reload the catalog in Browse and try again.</source>
        <translation>%1 Recarregue o catálogo em Explorar e tente de novo.</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>%1 instalado</translation>
    </message>
    <message numerus="yes">
        <source>Installed %1 with %n dependencies (%2)</source>
        <translation>
            <numerusform>%1 instalado com %n dependência (%2)</numerusform>
            <numerusform>%1 instalado com %n dependências (%2)</numerusform>
        </translation>
    </message>
    <message>
        <source>Installed %1, but not %2</source>
        <translation>%1 instalado, mas não %2</translation>
    </message>
    <message>
        <source>Updates cancelled — nothing was changed</source>
        <translation>Atualizações canceladas — nada foi alterado</translation>
    </message>
    <message numerus="yes">
        <source>Updated %1 of %n mods; stopped before %2</source>
        <translation>
            <numerusform>Atualizados: %1 de %n mod; parou antes de %2</numerusform>
            <numerusform>Atualizados: %1 de %n mods; parou antes de %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %1 of %n mods</source>
        <translation>
            <numerusform>Atualizados: %1 de %n mod</numerusform>
            <numerusform>Atualizados: %1 de %n mods</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Not in the catalog (install manually): %1</source>
        <translation>Fora do catálogo (instale manualmente): %1</translation>
    </message>
    <message>
        <source>needs %1, which didn&apos;t install</source>
        <translation>precisa de %1, que não foi instalado</translation>
    </message>
    <message>
        <source>Updating %1 to %2 (%3 of %4)…</source>
        <translation>Atualizando %1 para %2 (%3 de %4)…</translation>
    </message>
    <message>
        <source>Installing %1 (%2 of %3)…</source>
        <translation>Instalando %1 (%2 de %3)…</translation>
    </message>
</context>
<context>
    <name>Process</name>
    <message>
        <source>Couldn&apos;t start %1</source>
        <translation>Não foi possível iniciar %1</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be started</source>
        <translation>%1 não pôde ser iniciado</translation>
    </message>
</context>
<context>
    <name>ProfileMenu</name>
    <message>
        <source>Profiles: separate mod sets for this game folder</source>
        <translation>Perfis: conjuntos de mods separados para esta pasta do jogo</translation>
    </message>
    <message>
        <source>New Profile…</source>
        <translation>Novo perfil…</translation>
    </message>
    <message>
        <source>Rename “%1”…</source>
        <translation>Renomear “%1”…</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Mover para a Lixeira</translation>
    </message>
</context>
<context>
    <name>ProfilePack</name>
    <message>
        <source>%1 in that profile has no version of three numbers.</source>
        <translation>%1 nesse perfil não tem uma versão de três números.</translation>
    </message>
    <message>
        <source>That profile has a file “%1” with an absolute path, so nothing was imported.</source>
        <translation>Esse perfil tem um arquivo “%1” com caminho absoluto, então nada foi importado.</translation>
    </message>
    <message>
        <source>That profile has a file “%1” that points outside its folder, so nothing was imported.</source>
        <translation>Esse perfil tem um arquivo “%1” que aponta para fora da pasta dele, então nada foi importado.</translation>
    </message>
    <message>
        <source>That profile&apos;s mod list (export.r2x) is far larger than any profile&apos;s, so nothing was imported.</source>
        <translation>A lista de mods desse perfil (export.r2x) é muito maior que a de qualquer perfil, então nada foi importado.</translation>
    </message>
    <message>
        <source>That profile&apos;s mod list (export.r2x) isn&apos;t readable YAML.</source>
        <translation>A lista de mods desse perfil (export.r2x) não é um YAML legível.</translation>
    </message>
    <message>
        <source>That profile&apos;s mod list (export.r2x) has no list of mods.</source>
        <translation>A lista de mods desse perfil (export.r2x) não contém uma lista de mods.</translation>
    </message>
    <message>
        <source>That profile lists far too many mods.</source>
        <translation>Esse perfil lista mods demais.</translation>
    </message>
    <message>
        <source>“%1” in that profile isn&apos;t a mod name of the form Owner-Name.</source>
        <translation>“%1” nesse perfil não é um nome de mod no formato Autor-Nome.</translation>
    </message>
    <message>
        <source>That profile isn&apos;t a readable .r2z (zip) archive.</source>
        <translation>Esse perfil não é um arquivo .r2z (zip) legível.</translation>
    </message>
    <message>
        <source>That profile unpacks to far more files or bytes than any profile holds, so nothing was imported.</source>
        <translation>Esse perfil descompacta muito mais arquivos ou bytes do que qualquer perfil contém, então nada foi importado.</translation>
    </message>
    <message>
        <source>That profile has an entry “%1” that isn&apos;t a plain file, so nothing was imported.</source>
        <translation>Esse perfil tem uma entrada “%1” que não é um arquivo comum, então nada foi importado.</translation>
    </message>
    <message>
        <source>That profile has no mod list (export.r2x), so there is nothing to import.</source>
        <translation>Esse perfil não tem lista de mods (export.r2x), então não há nada para importar.</translation>
    </message>
    <message>
        <source>Couldn&apos;t build the profile archive.</source>
        <translation>Não foi possível criar o arquivo do perfil.</translation>
    </message>
    <message>
        <source>That isn&apos;t a profile code&apos;s content: it doesn&apos;t start with #r2modman.</source>
        <translation>Isso não é o conteúdo de um código de perfil: não começa com #r2modman.</translation>
    </message>
    <message>
        <source>That profile code&apos;s content is damaged: it isn&apos;t valid base64.</source>
        <translation>O conteúdo desse código de perfil está danificado: não é um base64 válido.</translation>
    </message>
</context>
<context>
    <name>ProfileSheet</name>
    <message>
        <source>New Profile</source>
        <translation>Novo perfil</translation>
    </message>
    <message>
        <source>Rename Profile</source>
        <translation>Renomear perfil</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nome do perfil</translation>
    </message>
    <message>
        <source>Name of the new profile</source>
        <translation>Nome do novo perfil</translation>
    </message>
    <message>
        <source>New name for “%1”</source>
        <translation>Novo nome para “%1”</translation>
    </message>
    <message>
        <source>Start with a copy of “%1” (its mods and settings)</source>
        <translation>Começar com uma cópia de “%1” (seus mods e configurações)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Criar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>There is no profile called “%1”.</source>
        <translation>Não há nenhum perfil chamado “%1”.</translation>
    </message>
    <message>
        <source>Some mods are still moved aside for the shader capture; bring them back first.</source>
        <translation>Alguns mods ainda estão separados para a captura de shaders; traga-os de volta primeiro.</translation>
    </message>
    <message>
        <source>The copy of %1 came out different from the original.</source>
        <translation>A cópia de %1 ficou diferente do original.</translation>
    </message>
    <message>
        <source>The record of an interrupted profile switch in %1 is damaged; nothing was moved.</source>
        <translation>O registro de uma troca de perfil interrompida em %1 está danificado; nada foi movido.</translation>
    </message>
    <message>
        <source>%1 holds a folder named like the profile in use; move it away and try again.</source>
        <translation>%1 tem uma pasta com o nome do perfil em uso; mova-a para outro lugar e tente de novo.</translation>
    </message>
    <message>
        <source>Give the profile a name.</source>
        <translation>Dê um nome ao perfil.</translation>
    </message>
    <message>
        <source>A profile name can&apos;t start or end with a space.</source>
        <translation>O nome de um perfil não pode começar nem terminar com espaço.</translation>
    </message>
    <message>
        <source>A profile name can&apos;t start with a dot.</source>
        <translation>O nome de um perfil não pode começar com ponto.</translation>
    </message>
    <message>
        <source>A profile name can&apos;t contain “/”, “\”, “:” or control characters.</source>
        <translation>O nome de um perfil não pode conter “/”, “\”, “:” nem caracteres de controle.</translation>
    </message>
    <message>
        <source>A profile name can have at most %1 characters.</source>
        <translation>O nome de um perfil pode ter no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>There is already a profile called “%1”.</source>
        <translation>Já existe um perfil chamado “%1”.</translation>
    </message>
    <message>
        <source>“%1” is the profile in use; switch to another one before deleting it.</source>
        <translation>“%1” é o perfil em uso; troque para outro antes de excluí-lo.</translation>
    </message>
    <message>
        <source>Couldn&apos;t switch to “%1”: %2</source>
        <translation>Não foi possível trocar para “%1”: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t switch to “%1”: %2 “%3” is still active.</source>
        <translation>Não foi possível trocar para “%1”: %2 “%3” continua ativo.</translation>
    </message>
</context>
<context>
    <name>ReadmeSheet</name>
    <message>
        <source>Open Page</source>
        <translation>Abrir página</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
</context>
<context>
    <name>Repository</name>
    <message>
        <source>%1 has no package %2.</source>
        <translation>%1 não tem o pacote %2.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Couldn&apos;t find Valheim in any Steam library; name its folder with --game.</source>
        <translation>O Valheim não foi encontrado em nenhuma biblioteca da Steam; informe a pasta dele com --game.</translation>
    </message>
</context>
<context>
    <name>SettingsSheet</name>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>The new language shows the next time Skaldrun starts.</source>
        <translation>O novo idioma aparece na próxima vez que o Skaldrun iniciar.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Mod repositories:</source>
        <translation>Repositórios de mods:</translation>
    </message>
    <message>
        <source>Rebuild the Vanilla Shader Cache</source>
        <translation>Recriar o cache de shaders vanilla</translation>
    </message>
    <message>
        <source>ShaderHelperForMac compares mod materials against a baseline captured from an unmodded game. After a Valheim update, rebuild it so the baseline matches your game version. The steps below automate the file shuffling.</source>
        <translation>O ShaderHelperForMac compara os materiais dos mods com uma referência capturada do jogo sem mods. Depois de uma atualização do Valheim, recrie-a para que corresponda à sua versão do jogo. As etapas abaixo movem os arquivos por você.</translation>
    </message>
    <message>
        <source>Install ShaderHelperForMac first — see the pink banner in the Mods pane, or search for it in Browse.</source>
        <translation>Instale primeiro o ShaderHelperForMac — veja o aviso rosa no painel de mods ou procure-o em Explorar.</translation>
    </message>
    <message>
        <source>Move every mod except ShaderHelperForMac out of the plugins folder, so mod materials can&apos;t contaminate the baseline.</source>
        <translation>Tire todos os mods, exceto o ShaderHelperForMac, da pasta plugins, para que os materiais dos mods não contaminem a referência.</translation>
    </message>
    <message>
        <source>Move Mods Aside</source>
        <translation>Tirar os mods</translation>
    </message>
    <message>
        <source>Back Up Worlds &amp; Characters</source>
        <translation>Fazer backup de mundos e personagens</translation>
    </message>
    <message>
        <source>Copies every world and character to this app&apos;s backup folder</source>
        <translation>Copia todos os mundos e personagens para a pasta de backup deste app</translation>
    </message>
    <message>
        <source>Back up first: if the game saves while mods are unloaded, modded items and buildings vanish from those saves.</source>
        <translation>Faça backup antes: se o jogo salvar enquanto os mods estiverem fora, os itens e construções de mods somem desses saves.</translation>
    </message>
    <message>
        <source>Launch Valheim and load any world.</source>
        <translation>Inicie o Valheim e carregue qualquer mundo.</translation>
    </message>
    <message>
        <source>Launch Valheim</source>
        <translation>Iniciar Valheim</translation>
    </message>
    <message>
        <source>Heads up: the F5 console needs -console in your Steam launch options — enable the checkbox in Setup step 6 and re-paste first.</source>
        <translation>Atenção: o console F5 precisa de -console nas suas opções de inicialização da Steam — primeiro marque a caixa na etapa 6 da configuração e cole de novo.</translation>
    </message>
    <message>
        <source>Press F5 in game and run the capture command (already on your clipboard after step 1):</source>
        <translation>Pressione F5 no jogo e execute o comando de captura (já está na sua área de transferência após a etapa 1):</translation>
    </message>
    <message>
        <source>Quit Valheim, bring your mods back, then relaunch. The new cache is now authoritative for this Valheim version.</source>
        <translation>Feche o Valheim, traga seus mods de volta e inicie de novo. O novo cache agora vale para esta versão do Valheim.</translation>
    </message>
    <message>
        <source>Move Mods Back</source>
        <translation>Trazer os mods de volta</translation>
    </message>
    <message>
        <source>Restore Worlds &amp; Characters</source>
        <translation>Restaurar mundos e personagens</translation>
    </message>
    <message>
        <source>Overwrites current saves with the latest backup&apos;s versions</source>
        <translation>Substitui os saves atuais pelas versões do backup mais recente</translation>
    </message>
    <message>
        <source>Restoring puts back the backed-up versions — use it if a vanilla session overwrote a modded world.</source>
        <translation>Restaurar traz de volta as versões do backup — use se uma sessão vanilla sobrescreveu um mundo com mods.</translation>
    </message>
    <message>
        <source>This replaces your current worlds and characters with the backup from %1. Anything saved since then will be overwritten.</source>
        <translation>Isso substitui seus mundos e personagens atuais pelo backup de %1. Tudo o que foi salvo desde então será sobrescrito.</translation>
    </message>
    <message>
        <source>This replaces your current worlds and characters with the backup. Anything saved since then will be overwritten.</source>
        <translation>Isso substitui seus mundos e personagens atuais pelo backup. Tudo o que foi salvo desde então será sobrescrito.</translation>
    </message>
    <message>
        <source>Restore saves from backup?</source>
        <translation>Restaurar os saves do backup?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Current baseline built %1</source>
        <translation>Referência atual criada em %1</translation>
    </message>
    <message>
        <source>No baseline cache yet — ShaderHelperForMac creates one on its first launch.</source>
        <translation>Ainda não há cache de referência — o ShaderHelperForMac cria um na primeira inicialização.</translation>
    </message>
    <message numerus="yes">
        <source>%n items stashed in %1</source>
        <translation>
            <numerusform>%n item guardado em %1</numerusform>
            <numerusform>%n itens guardados em %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Last backup: %1 · %L2 most recent are kept</source>
        <translation>Último backup: %1 · os %L2 mais recentes são mantidos</translation>
    </message>
</context>
<context>
    <name>SetupBubble</name>
    <message>
        <source>Setup</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Setup complete — click to review the steps</source>
        <translation>Configuração concluída — clique para rever as etapas</translation>
    </message>
    <message>
        <source>Setup incomplete — click to open</source>
        <translation>Configuração incompleta — clique para abrir</translation>
    </message>
    <message>
        <source>Setup %1/7</source>
        <translation>Configuração %1/7</translation>
    </message>
</context>
<context>
    <name>ShaderFixBanner</name>
    <message>
        <source>Pink or magenta textures in game?</source>
        <translation>Texturas rosa ou magenta no jogo?</translation>
    </message>
    <message>
        <source>Some mods ship Windows-only shaders that Metal can&apos;t render. ShaderHelperForMac swaps broken materials to Mac-friendly shaders automatically.</source>
        <translation>Alguns mods trazem shaders só para Windows que o Metal não consegue renderizar. O ShaderHelperForMac troca automaticamente os materiais quebrados por shaders compatíveis com Mac.</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Saiba mais</translation>
    </message>
    <message>
        <source>Install Fix</source>
        <translation>Instalar a correção</translation>
    </message>
</context>
<context>
    <name>Share</name>
    <message>
        <source>Write profile export --file F.r2z or profile export --code.</source>
        <translation>Escreva profile export --file F.r2z ou profile export --code.</translation>
    </message>
    <message>
        <source>Write profile import CODE or profile import FILE, with --name N for the new profile or --replace to import into this one.</source>
        <translation>Escreva profile import CODE ou profile import FILE, com --name N para o novo perfil ou --replace para importar neste.</translation>
    </message>
    <message>
        <source>“--replace” means nothing to an export.</source>
        <translation>“--replace” não significa nada para uma exportação.</translation>
    </message>
    <message>
        <source>“--name” names the new profile an import makes; it goes without “--replace”.</source>
        <translation>“--name” dá nome ao novo perfil criado por uma importação; não vai junto com “--replace”.</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>Nada para importar.</translation>
    </message>
    <message>
        <source>%1 %2 (disabled)</source>
        <translation>%1 %2 (desativado)</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>não encontrado</translation>
    </message>
</context>
<context>
    <name>StepCard</name>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Etapa %1</translation>
    </message>
</context>
<context>
    <name>StepsPane</name>
    <message>
        <source>Locate Valheim</source>
        <translation>Localizar o Valheim</translation>
    </message>
    <message>
        <source>Install Rosetta 2</source>
        <translation>Instalar o Rosetta 2</translation>
    </message>
    <message>
        <source>Install BepInEx</source>
        <translation>Instalar o BepInEx</translation>
    </message>
    <message>
        <source>Enable Rosetta Translation</source>
        <translation>Ativar a tradução do Rosetta</translation>
    </message>
    <message>
        <source>Clear Quarantine Flags</source>
        <translation>Remover as marcas de quarentena</translation>
    </message>
    <message>
        <source>Set Steam Launch Options</source>
        <translation>Definir as opções de inicialização da Steam</translation>
    </message>
    <message>
        <source>Launch Once to Verify</source>
        <translation>Iniciar uma vez para verificar</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Hide setup — it collapses into a bubble</source>
        <translation>Ocultar a configuração — ela vira uma bolha</translation>
    </message>
    <message>
        <source>Auto-Detect</source>
        <translation>Detectar</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>Escolher pasta…</translation>
    </message>
    <message>
        <source>Fix Script</source>
        <translation>Corrigir o script</translation>
    </message>
    <message>
        <source>Download &amp; Install</source>
        <translation>Baixar e instalar</translation>
    </message>
    <message>
        <source>Install from Zip…</source>
        <translation>Instalar de um zip…</translation>
    </message>
    <message>
        <source>Get it manually</source>
        <translation>Baixar manualmente</translation>
    </message>
    <message>
        <source>Apply Fix</source>
        <translation>Aplicar a correção</translation>
    </message>
    <message>
        <source>Clear Quarantine</source>
        <translation>Remover a quarentena</translation>
    </message>
    <message>
        <source>Copy Launch Options</source>
        <translation>Copiar opções de inicialização</translation>
    </message>
    <message>
        <source>Set It for Me</source>
        <translation>Fazer por mim</translation>
    </message>
    <message>
        <source>Enable the in-game console (adds -console)</source>
        <translation>Ativar o console no jogo (adiciona -console)</translation>
    </message>
    <message>
        <source>Changed the checkbox? Copy the line above and paste it into Steam again.</source>
        <translation>Mudou a caixa? Copie a linha acima e cole de novo na Steam.</translation>
    </message>
    <message>
        <source>In Steam: right-click Valheim → Properties… → General → paste into Launch Options, then close the window.</source>
        <translation>Na Steam: clique com o botão direito em Valheim → Propriedades… → Geral → cole em Opções de inicialização e feche a janela.</translation>
    </message>
    <message>
        <source>I&apos;ve added it — mark this step done</source>
        <translation>Já adicionei — marcar esta etapa como concluída</translation>
    </message>
    <message>
        <source>Launch Valheim</source>
        <translation>Iniciar Valheim</translation>
    </message>
    <message>
        <source>Re-check</source>
        <translation>Verificar de novo</translation>
    </message>
    <message>
        <source>Linux runs the game natively.</source>
        <translation>O Linux roda o jogo nativamente.</translation>
    </message>
    <message>
        <source>All set — mods load on next launch</source>
        <translation>Tudo pronto — os mods carregam na próxima inicialização</translation>
    </message>
    <message>
        <source>%1 of 7 complete</source>
        <translation>%1 de 7 concluídas</translation>
    </message>
    <message>
        <source>Found %1 at %2</source>
        <translation>%1 encontrado em %2</translation>
    </message>
    <message>
        <source>Found the game at %1</source>
        <translation>Jogo encontrado em %1</translation>
    </message>
    <message>
        <source>Found the Windows build (valheim.exe) at %1, which Steam runs through Proton. For BepInEx to load in it, its launch options need: %2</source>
        <translation>A versão para Windows (valheim.exe) foi encontrada em %1, e a Steam a roda pelo Proton. Para o BepInEx carregar nela, as opções de inicialização precisam de: %2</translation>
    </message>
    <message>
        <source>Install Valheim through Steam first, then auto-detect — or point me at its folder.</source>
        <translation>Instale o Valheim pela Steam primeiro e depois detecte — ou me mostre a pasta dele.</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>Não é necessário</translation>
    </message>
    <message>
        <source>This Mac is Intel, so no translation is needed.</source>
        <translation>Este Mac é Intel, então não é preciso tradução.</translation>
    </message>
    <message>
        <source>Rosetta 2 is installed — this Mac can run Intel code.</source>
        <translation>O Rosetta 2 está instalado — este Mac pode rodar código Intel.</translation>
    </message>
    <message>
        <source>BepInEx&apos;s injector is Intel-only, so Apple Silicon needs Apple&apos;s Rosetta 2 translation layer.</source>
        <translation>O injetor do BepInEx é só para Intel, então o Apple Silicon precisa da camada de tradução Rosetta 2 da Apple.</translation>
    </message>
    <message>
        <source>BepInEx %1 is in the game folder and %2 is ready.</source>
        <translation>O BepInEx %1 está na pasta do jogo e o %2 está pronto.</translation>
    </message>
    <message>
        <source>%1 is from a pack older than 5.4.2331 and can&apos;t start BepInEx through Steam any more — update the pack.</source>
        <translation>%1 é de um pack anterior à 5.4.2331 e não consegue mais iniciar o BepInEx pela Steam — atualize o pack.</translation>
    </message>
    <message>
        <source>BepInEx files are there, but %1 isn&apos;t executable yet.</source>
        <translation>Os arquivos do BepInEx estão lá, mas o %1 ainda não é executável.</translation>
    </message>
    <message>
        <source>BepInEx files are there, but %1 still needs its Mac fixes (executable bit + game name).</source>
        <translation>Os arquivos do BepInEx estão lá, mas o %1 ainda precisa dos ajustes para Mac (permissão de execução + nome do jogo).</translation>
    </message>
    <message>
        <source>Downloads denikson&apos;s BepInExPack for Valheim from Thunderstore and unpacks it into the game folder.</source>
        <translation>Baixa o BepInExPack para Valheim do denikson no Thunderstore e o descompacta na pasta do jogo.</translation>
    </message>
    <message>
        <source>Downloads denikson&apos;s BepInExPack for Valheim from Thunderstore and unpacks it next to %1.</source>
        <translation>Baixa o BepInExPack para Valheim do denikson no Thunderstore e o descompacta ao lado de %1.</translation>
    </message>
    <message>
        <source>Reinstall / Update</source>
        <translation>Reinstalar / Atualizar</translation>
    </message>
    <message>
        <source>Intel Macs already run the Intel build natively.</source>
        <translation>Macs Intel já rodam a versão Intel nativamente.</translation>
    </message>
    <message>
        <source>The launch script starts the game&apos;s Intel (x86_64) build, so BepInEx loads under Rosetta.</source>
        <translation>O script de inicialização abre a versão Intel (x86_64) do jogo, então o BepInEx carrega no Rosetta.</translation>
    </message>
    <message>
        <source>Valheim&apos;s Mac app is Universal and would run natively, where BepInEx can&apos;t load — the fix makes the launch script start its Intel build.</source>
        <translation>O app de Mac do Valheim é Universal e rodaria nativamente, onde o BepInEx não carrega — a correção faz o script de inicialização abrir a versão Intel.</translation>
    </message>
    <message>
        <source>Install BepInEx first — this changes how its launch script starts the game.</source>
        <translation>Instale o BepInEx primeiro — isto muda como o script de inicialização dele abre o jogo.</translation>
    </message>
    <message>
        <source># added to %1</source>
        <translation># adicionado a %1</translation>
    </message>
    <message>
        <source>Linux doesn&apos;t quarantine downloads.</source>
        <translation>O Linux não coloca downloads em quarentena.</translation>
    </message>
    <message>
        <source>After BepInEx is installed, this strips macOS&apos;s quarantine flag so Gatekeeper doesn&apos;t block the injector.</source>
        <translation>Depois que o BepInEx for instalado, isto remove a marca de quarentena do macOS para o Gatekeeper não bloquear o injetor.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are quarantined from being downloaded. This runs the Terminal command below for you.</source>
        <translation>
            <numerusform>%n arquivo está em quarentena por ter sido baixado. Isto executa para você o comando do Terminal abaixo.</numerusform>
            <numerusform>%n arquivos estão em quarentena por terem sido baixados. Isto executa para você o comando do Terminal abaixo.</numerusform>
        </translation>
    </message>
    <message>
        <source>No quarantine flags on the modding files — Gatekeeper won&apos;t interfere.</source>
        <translation>Nenhuma marca de quarentena nos arquivos de mods — o Gatekeeper não vai atrapalhar.</translation>
    </message>
    <message>
        <source>Found in your Steam settings — Valheim starts through BepInEx.</source>
        <translation>Encontrado nas suas configurações da Steam — o Valheim inicia pelo BepInEx.</translation>
    </message>
    <message>
        <source>The one manual step: Steam has to start the game through BepInEx&apos;s script.</source>
        <translation>A única etapa manual: a Steam precisa abrir o jogo pelo script do BepInEx.</translation>
    </message>
    <message>
        <source>Modded launch confirmed — BepInEx last wrote its log %1.</source>
        <translation>Inicialização com mods confirmada — o BepInEx gravou o log pela última vez em %1.</translation>
    </message>
    <message>
        <source>BepInEx&apos;s last log comes from the Windows build under Proton, not the native game.</source>
        <translation>O último log do BepInEx veio da versão Windows no Proton, não do jogo nativo.</translation>
    </message>
    <message>
        <source>Start the game once. When BepInEx loads, it writes BepInEx/LogOutput.log — that file is the proof.</source>
        <translation>Inicie o jogo uma vez. Quando o BepInEx carrega, ele grava BepInEx/LogOutput.log — esse arquivo é a prova.</translation>
    </message>
    <message>
        <source>Tip: if a game update breaks mods, re-run steps 3–5.</source>
        <translation>Dica: se uma atualização do jogo quebrar os mods, refaça as etapas 3–5.</translation>
    </message>
</context>
<context>
    <name>TSPackage</name>
    <message>
        <source>%1 has no version %2; the newest are %3.</source>
        <translation>%1 não tem a versão %2; as mais recentes são %3.</translation>
    </message>
</context>
<context>
    <name>TSSorts</name>
    <message>
        <source>Popular</source>
        <translation>Populares</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>Mais recentes</translation>
    </message>
    <message>
        <source>Top Rated</source>
        <translation>Mais bem avaliados</translation>
    </message>
    <message>
        <source>A–Z</source>
        <translation>A–Z</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Instalados</translation>
    </message>
</context>
<context>
    <name>ThunderstoreStore</name>
    <message>
        <source>Loading the Thunderstore catalog…</source>
        <translation>Carregando o catálogo do Thunderstore…</translation>
    </message>
    <message>
        <source>Updated just now</source>
        <translation>Atualizado agora</translation>
    </message>
    <message numerus="yes">
        <source>Updated %n min ago</source>
        <translation>
            <numerusform>Atualizado há %n min</numerusform>
            <numerusform>Atualizado há %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %n h ago</source>
        <translation>
            <numerusform>Atualizado há %n h</numerusform>
            <numerusform>Atualizado há %n h</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %n days ago</source>
        <translation>
            <numerusform>Atualizado há %n dia</numerusform>
            <numerusform>Atualizado há %n dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 · %Ln mods (%2)</source>
        <translation>
            <numerusform>%1 · %Ln mod (%2)</numerusform>
            <numerusform>%1 · %Ln mods (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 · %Ln mods</source>
        <translation>
            <numerusform>%1 · %Ln mod</numerusform>
            <numerusform>%1 · %Ln mods</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the catalog: %1</source>
        <translation>Não foi possível carregar o catálogo: %1</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>Couldn&apos;t move to the Trash “%1”: it no longer exists.</source>
        <translation>Não foi possível mover “%1” para a Lixeira: ele não existe mais.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move to the Trash “%1”: the Trash refused it.</source>
        <translation>Não foi possível mover “%1” para a Lixeira: a Lixeira recusou.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move to the Trash “%1”: the Trash folder isn&apos;t available.</source>
        <translation>Não foi possível mover “%1” para a Lixeira: a pasta da Lixeira não está disponível.</translation>
    </message>
</context>
<context>
    <name>UpdatesSheet</name>
    <message>
        <source>Updates</source>
        <translation>Atualizações</translation>
    </message>
    <message numerus="yes">
        <source>%n updates</source>
        <translation>
            <numerusform>%n atualização</numerusform>
            <numerusform>%n atualizações</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message numerus="yes">
        <source>Update %n mods</source>
        <translation>
            <numerusform>Atualizar %n mod</numerusform>
            <numerusform>Atualizar %n mods</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VersionPickerSheet</name>
    <message>
        <source>Install Version</source>
        <translation>Instalar versão</translation>
    </message>
    <message>
        <source>Install a version of %1</source>
        <translation>Instalar uma versão de %1</translation>
    </message>
    <message>
        <source>Don&apos;t offer updates for %1</source>
        <translation>Não oferecer atualizações para %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
</context>
</TS>
