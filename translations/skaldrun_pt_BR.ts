<?xml version='1.0' encoding='utf-8'?>
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
        <translation>Feche o Valheim primeiro — trocar de perfil com o jogo aberto tiraria os mods dele no meio da partida.</translation>
    </message>
    <message>
        <source>Switching to profile %1…</source>
        <translation>Trocando para o perfil %1…</translation>
    </message>
    <message>
        <source>Switched to profile %1</source>
        <translation>Perfil trocado para %1</translation>
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
        <source>Couldn't load the Thunderstore catalog.</source>
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
        <source>part %1 of its catalog didn't arrive (%2)</source>
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
        <source>The value of “%1” can't contain a line break.</source>
        <translation>O valor de “%1” não pode conter uma quebra de linha.</translation>
    </message>
    <message>
        <source>The value of “%1” can't end with “]”: the line would read as a section header.</source>
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
        <source>Launch Valheim vanilla — mods stay installed but don't load</source>
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
        <source>Very long, so shortened here; the rest is on the package's page.</source>
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
        <source>Edit this mod's settings</source>
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
        <source>Couldn't load the readme: %1</source>
        <translation>Não foi possível carregar o readme: %1</translation>
    </message>
    <message>
        <source>Couldn't load the changelog: %1</source>
        <translation>Não foi possível carregar o registro de alterações: %1</translation>
    </message>
    <message>
        <source>Couldn't load the readme: the repository answered %1.</source>
        <translation>Não foi possível carregar o readme: o repositório respondeu %1.</translation>
    </message>
    <message>
        <source>Couldn't load the changelog: the repository answered %1.</source>
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
        <source>A profile name can't start or end with a space.</source>
        <translation>O nome de um perfil não pode começar nem terminar com espaço.</translation>
    </message>
    <message>
        <source>A profile name can't start with a dot.</source>
        <translation>O nome de um perfil não pode começar com ponto.</translation>
    </message>
    <message>
        <source>A profile name can't contain “/”, “\”, “:” or control characters.</source>
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
        <source>Couldn't switch to “%1”: %2</source>
        <translation>Não foi possível trocar para “%1”: %2</translation>
    </message>
    <message>
        <source>Couldn't switch to “%1”: %2 “%3” is still active.</source>
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
        <source>Move every mod except ShaderHelperForMac out of the plugins folder, so mod materials can't contaminate the baseline.</source>
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
        <source>Copies every world and character to this app's backup folder</source>
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
        <source>Overwrites current saves with the latest backup's versions</source>
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
        <source>Some mods ship Windows-only shaders that Metal can't render. ShaderHelperForMac swaps broken materials to Mac-friendly shaders automatically.</source>
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
        <source>I've added it — mark this step done</source>
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
        <source>BepInEx's injector is Intel-only, so Apple Silicon needs Apple's Rosetta 2 translation layer.</source>
        <translation>O injetor do BepInEx é só para Intel, então o Apple Silicon precisa da camada de tradução Rosetta 2 da Apple.</translation>
    </message>
    <message>
        <source>BepInEx %1 is in the game folder and %2 is ready.</source>
        <translation>O BepInEx %1 está na pasta do jogo e o %2 está pronto.</translation>
    </message>
    <message>
        <source>%1 is from a pack older than 5.4.2331 and can't start BepInEx through Steam any more — update the pack.</source>
        <translation>%1 é de um pack anterior à 5.4.2331 e não consegue mais iniciar o BepInEx pela Steam — atualize o pack.</translation>
    </message>
    <message>
        <source>BepInEx files are there, but %1 isn't executable yet.</source>
        <translation>Os arquivos do BepInEx estão lá, mas o %1 ainda não é executável.</translation>
    </message>
    <message>
        <source>BepInEx files are there, but %1 still needs its Mac fixes (executable bit + game name).</source>
        <translation>Os arquivos do BepInEx estão lá, mas o %1 ainda precisa dos ajustes para Mac (permissão de execução + nome do jogo).</translation>
    </message>
    <message>
        <source>Downloads denikson's BepInExPack for Valheim from Thunderstore and unpacks it into the game folder.</source>
        <translation>Baixa o BepInExPack para Valheim do denikson no Thunderstore e o descompacta na pasta do jogo.</translation>
    </message>
    <message>
        <source>Downloads denikson's BepInExPack for Valheim from Thunderstore and unpacks it next to %1.</source>
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
        <source>The launch script starts the game's Intel (x86_64) build, so BepInEx loads under Rosetta.</source>
        <translation>O script de inicialização abre a versão Intel (x86_64) do jogo, então o BepInEx carrega no Rosetta.</translation>
    </message>
    <message>
        <source>Valheim's Mac app is Universal and would run natively, where BepInEx can't load — the fix makes the launch script start its Intel build.</source>
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
        <source>Linux doesn't quarantine downloads.</source>
        <translation>O Linux não coloca downloads em quarentena.</translation>
    </message>
    <message>
        <source>After BepInEx is installed, this strips macOS's quarantine flag so Gatekeeper doesn't block the injector.</source>
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
        <source>No quarantine flags on the modding files — Gatekeeper won't interfere.</source>
        <translation>Nenhuma marca de quarentena nos arquivos de mods — o Gatekeeper não vai atrapalhar.</translation>
    </message>
    <message>
        <source>Found in your Steam settings — Valheim starts through BepInEx.</source>
        <translation>Encontrado nas suas configurações da Steam — o Valheim inicia pelo BepInEx.</translation>
    </message>
    <message>
        <source>The one manual step: Steam has to start the game through BepInEx's script.</source>
        <translation>A única etapa manual: a Steam precisa abrir o jogo pelo script do BepInEx.</translation>
    </message>
    <message>
        <source>Modded launch confirmed — BepInEx last wrote its log %1.</source>
        <translation>Inicialização com mods confirmada — o BepInEx gravou o log pela última vez em %1.</translation>
    </message>
    <message>
        <source>BepInEx's last log comes from the Windows build under Proton, not the native game.</source>
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
        <source>Couldn't load the catalog: %1</source>
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
        <source>Don't offer updates for %1</source>
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