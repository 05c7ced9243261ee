<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
