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
        <source>Quit Valheim first — switching profiles while the game runs would take its mods away under it.</source>
        <translation>Feche o Valheim primeiro — trocar de perfil com o jogo aberto tiraria os mods dele enquanto ele roda.</translation>
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
    <name>CommandRow</name>
    <message>
        <source>Copy command</source>
        <translation>Copiar comando</translation>
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
    <name>FoldingRow</name>
    <message>
        <source>More</source>
        <translation>Mais</translation>
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
