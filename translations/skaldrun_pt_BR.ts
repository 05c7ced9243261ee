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
    <name>Change</name>
    <message>
        <source>Another change of this game folder is still under way.</source>
        <translation>Outra alteração desta pasta do jogo ainda está em andamento.</translation>
    </message>
    <message>
        <source>%1 isn't in the game folder.</source>
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
        <source>part %1 of its catalog didn't arrive (%2)</source>
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
        <source>The value of “%1” can't contain a line break.</source>
        <translation>O valor de “%1” não pode conter uma quebra de linha.</translation>
    </message>
    <message>
        <source>The value of “%1” can't end with “]”: the line would read as a section header.</source>
        <translation>O valor de “%1” não pode terminar com “]”: a linha seria lida como um cabeçalho de seção.</translation>
    </message>
    <message>
        <source>Couldn't save “%1”: it's a link to a file that doesn't exist.</source>
        <translation>Não foi possível salvar “%1”: é um link para um arquivo que não existe.</translation>
    </message>
    <message>
        <source>Couldn't save “%1”: it's a link to a file outside the game folder.</source>
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
        <source>Couldn't lock the game folder for changes (%1).</source>
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
        <source>Couldn't read “%1”: %2.</source>
        <translation>Não foi possível ler “%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn't write “%1”: %2.</source>
        <translation>Não foi possível gravar “%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn't create “%1”: %2.</source>
        <translation>Não foi possível criar “%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn't create the folder “%1”: %2.</source>
        <translation>Não foi possível criar a pasta “%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn't create a folder in “%1”: %2.</source>
        <translation>Não foi possível criar uma pasta em “%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn't read the folder “%1”: %2.</source>
        <translation>Não foi possível ler a pasta “%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn't copy “%1”: %2.</source>
        <translation>Não foi possível copiar “%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn't move “%1”: %2.</source>
        <translation>Não foi possível mover “%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn't remove “%1”: %2.</source>
        <translation>Não foi possível remover “%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn't read “%1”: it isn't UTF-8 text.</source>
        <translation>Não foi possível ler “%1”: não é texto UTF-8.</translation>
    </message>
    <message>
        <source>Couldn't move “%1”: “%2” already exists.</source>
        <translation>Não foi possível mover “%1”: “%2” já existe.</translation>
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
        <source>The server's address couldn't be found</source>
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
        <source>A secure connection to the server couldn't be made</source>
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
        <source>The download couldn't be saved to disk</source>
        <translation>Não foi possível salvar o download no disco</translation>
    </message>
    <message>
        <source>Couldn't create “%1”: %2</source>
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
        <source>%1 isn't something I can install — drop a mod .zip, a .dll plugin, a .cfg file, or a mod folder.</source>
        <translation>Não consigo instalar %1 — solte um .zip de mod, um plugin .dll, um arquivo .cfg ou uma pasta de mod.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: %1</source>
        <translation>Não foi possível extrair o arquivo compactado: %1</translation>
    </message>
    <message>
        <source>%1 doesn't seem to contain any mod files.</source>
        <translation>%1 não parece conter arquivos de mod.</translation>
    </message>
    <message>
        <source>Couldn't find any Valheim worlds or characters in %1.</source>
        <translation>Nenhum mundo ou personagem do Valheim encontrado em %1.</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>the archive is damaged or isn't a ZIP archive</source>
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
        <source>Couldn't extract the archive: the entry “%1” has an absolute path, so nothing was installed.</source>
        <translation>Não foi possível extrair o arquivo compactado: a entrada “%1” tem um caminho absoluto, então nada foi instalado.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” points outside the archive's folder, so nothing was installed.</source>
        <translation>Não foi possível extrair o arquivo compactado: a entrada “%1” aponta para fora da pasta do arquivo compactado, então nada foi instalado.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” has an invalid name, so nothing was installed.</source>
        <translation>Não foi possível extrair o arquivo compactado: a entrada “%1” tem um nome inválido, então nada foi instalado.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: it unpacks to more than %1, far more than any mod needs, so nothing was installed.</source>
        <translation>Não foi possível extrair o arquivo compactado: ele descompacta mais de %1, muito mais do que qualquer mod precisa, então nada foi instalado.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: it holds more than %1 files, far more than any mod needs, so nothing was installed.</source>
        <translation>Não foi possível extrair o arquivo compactado: ele contém mais de %1 arquivos, muito mais do que qualquer mod precisa, então nada foi instalado.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: an entry has no name, so nothing was installed.</source>
        <translation>Não foi possível extrair o arquivo compactado: uma entrada não tem nome, então nada foi instalado.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” is a symbolic link, which no mod needs, so nothing was installed.</source>
        <translation>Não foi possível extrair o arquivo compactado: a entrada “%1” é um link simbólico, que nenhum mod precisa, então nada foi instalado.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” is a hard link, which no mod needs, so nothing was installed.</source>
        <translation>Não foi possível extrair o arquivo compactado: a entrada “%1” é um link físico, que nenhum mod precisa, então nada foi instalado.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” isn't a file or a folder, so nothing was installed.</source>
        <translation>Não foi possível extrair o arquivo compactado: a entrada “%1” não é um arquivo nem uma pasta, então nada foi instalado.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” couldn't be written (%2), so nothing was installed.</source>
        <translation>Não foi possível extrair o arquivo compactado: não foi possível gravar a entrada “%1” (%2), então nada foi instalado.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” couldn't be read (%2), so nothing was installed.</source>
        <translation>Não foi possível extrair o arquivo compactado: não foi possível ler a entrada “%1” (%2), então nada foi instalado.</translation>
    </message>
    <message>
        <source>Couldn't copy “%1”: it overlaps “%2”.</source>
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
        <source>Couldn't install “%1”: neither its manifest nor its file name gives a usable folder name.</source>
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
        <source>%1 holds the game folder's own files, so it can't be installed into them — drop a mod .zip, a .dll plugin, a .cfg file, or a mod folder.</source>
        <translation>%1 contém os próprios arquivos da pasta do jogo, então não pode ser instalado neles — solte um .zip de mod, um plugin .dll, um arquivo .cfg ou uma pasta de mod.</translation>
    </message>
    <message>
        <source>Couldn't copy “%1”: “%2” lies inside it.</source>
        <translation>Não foi possível copiar “%1”: “%2” está dentro dele.</translation>
    </message>
    <message>
        <source>Couldn't copy “%1”: it is a symbolic link.</source>
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
    <name>LaunchText</name>
    <message>
        <source>%1, which isn't installed</source>
        <translation>%1, que não está instalado</translation>
    </message>
    <message>
        <source>%1, which is switched off</source>
        <translation>%1, que está desativado</translation>
    </message>
    <message>
        <source>%1 %2 or newer, which isn't installed</source>
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
        <source>Couldn't connect to the server</source>
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
        <source>%1 didn't load: it needs %2</source>
        <translation>%1 não carregou: precisa de %2</translation>
    </message>
    <message>
        <source>%1 didn't load: it can't run beside %2</source>
        <translation>%1 não carregou: não pode rodar junto com %2</translation>
    </message>
    <message>
        <source>%1 didn't load: a mod it needs didn't load</source>
        <translation>%1 não carregou: um mod de que ele precisa não carregou</translation>
    </message>
    <message>
        <source>%1 didn't load, and BepInEx gave no reason</source>
        <translation>%1 não carregou, e o BepInEx não deu motivo</translation>
    </message>
    <message>
        <source>%1 didn't load: %2</source>
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
        <source>%1 was made for BepInEx %2 and might not work until it's updated</source>
        <translation>%1 foi feito para o BepInEx %2 e pode não funcionar até ser atualizado</translation>
    </message>
    <message>
        <source>A mod couldn't patch the game, and its error names no mod</source>
        <translation>Um mod não conseguiu modificar o jogo, e o erro não cita nenhum mod</translation>
    </message>
    <message>
        <source>%1 couldn't patch the game — it may need an update for this Valheim</source>
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
        <source>the game's versions differ (%1)</source>
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
        <source>Jotunn's version check turned a connection away</source>
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
        <source>BepInEx isn't installed in the game folder, so nothing wrote a log.</source>
        <translation>O BepInEx não está instalado na pasta do jogo, então nada gravou um log.</translation>
    </message>
    <message>
        <source>Steam runs the Windows build through Proton, which loads BepInEx only with these launch options: %1</source>
        <translation>O Steam roda a versão de Windows pelo Proton, que só carrega o BepInEx com estas opções de inicialização: %1</translation>
    </message>
    <message>
        <source>%1 isn't executable, so Steam couldn't start the game through it.</source>
        <translation>%1 não é executável, então o Steam não conseguiu iniciar o jogo por ele.</translation>
    </message>
    <message>
        <source>%1 is too old for Steam's runtime, which keeps it from loading BepInEx.</source>
        <translation>%1 é antigo demais para o ambiente de execução do Steam, o que o impede de carregar o BepInEx.</translation>
    </message>
    <message>
        <source>BepInEx's injector is Intel-only: on Apple Silicon the game has to run through Rosetta 2 (step 4).</source>
        <translation>O injetor do BepInEx é só para Intel: no Apple Silicon o jogo precisa rodar pelo Rosetta 2 (passo 4).</translation>
    </message>
    <message>
        <source>Steam's launch options for Valheim don't name %1, so the game started without mods.</source>
        <translation>As opções de inicialização do Valheim no Steam não incluem %1, então o jogo iniciou sem mods.</translation>
    </message>
    <message>
        <source>The server hasn't been started through %1 since BepInEx was installed, so nothing wrote a log.</source>
        <translation>O servidor não foi iniciado por %1 desde que o BepInEx foi instalado, então nada gravou um log.</translation>
    </message>
    <message>
        <source>Valheim hasn't been launched with mods yet.</source>
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
        <source>Steam's settings in “%1” aren't laid out as expected (%2), so Skaldrun left them as they are. Paste the launch options into Steam yourself.</source>
        <translation>As configurações do Steam em “%1” não estão organizadas como esperado (%2), então o Skaldrun as deixou como estavam. Cole você mesmo as opções de inicialização no Steam.</translation>
    </message>
    <message>
        <source>a block isn't closed</source>
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
    <name>Pipeline</name>
    <message>
        <source>Downloading %1 (%2 of %3)…</source>
        <translation>Baixando %1 (%2 de %3)…</translation>
    </message>
    <message>
        <source>no download URL</source>
        <translation>sem URL de download</translation>
    </message>
    <message>
        <source>refused to download from %1, which is neither Thunderstore's nor Hexium's</source>
        <translation>download de %1 recusado, pois não é do Thunderstore nem do Hexium</translation>
    </message>
    <message>
        <source>%1 Reload the catalog in Browse and try again.</source>
        <translation>%1 Recarregue o catálogo em Explorar e tente de novo.</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>%1 instalado</translation>
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
        <source>needs %1, which didn't install</source>
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
    <message numerus="yes">
        <source>Installed %1 with %n dependencies (%2)</source>
        <translation>
            <numerusform>%1 instalado com %n dependência (%2)</numerusform>
            <numerusform>%1 instalado com %n dependências (%2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Process</name>
    <message>
        <source>Couldn't start %1</source>
        <translation>Não foi possível iniciar %1</translation>
    </message>
    <message>
        <source>%1 couldn't be started</source>
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
        <source>That profile's mod list (export.r2x) is far larger than any profile's, so nothing was imported.</source>
        <translation>A lista de mods desse perfil (export.r2x) é muito maior que a de qualquer perfil, então nada foi importado.</translation>
    </message>
    <message>
        <source>That profile's mod list (export.r2x) isn't readable YAML.</source>
        <translation>A lista de mods desse perfil (export.r2x) não é um YAML legível.</translation>
    </message>
    <message>
        <source>That profile's mod list (export.r2x) has no list of mods.</source>
        <translation>A lista de mods desse perfil (export.r2x) não contém uma lista de mods.</translation>
    </message>
    <message>
        <source>That profile lists far too many mods.</source>
        <translation>Esse perfil lista mods demais.</translation>
    </message>
    <message>
        <source>“%1” in that profile isn't a mod name of the form Owner-Name.</source>
        <translation>“%1” nesse perfil não é um nome de mod no formato Autor-Nome.</translation>
    </message>
    <message>
        <source>That profile isn't a readable .r2z (zip) archive.</source>
        <translation>Esse perfil não é um arquivo .r2z (zip) legível.</translation>
    </message>
    <message>
        <source>That profile unpacks to far more files or bytes than any profile holds, so nothing was imported.</source>
        <translation>Esse perfil descompacta muito mais arquivos ou bytes do que qualquer perfil contém, então nada foi importado.</translation>
    </message>
    <message>
        <source>That profile has an entry “%1” that isn't a plain file, so nothing was imported.</source>
        <translation>Esse perfil tem uma entrada “%1” que não é um arquivo comum, então nada foi importado.</translation>
    </message>
    <message>
        <source>That profile has no mod list (export.r2x), so there is nothing to import.</source>
        <translation>Esse perfil não tem lista de mods (export.r2x), então não há nada para importar.</translation>
    </message>
    <message>
        <source>Couldn't build the profile archive.</source>
        <translation>Não foi possível criar o arquivo do perfil.</translation>
    </message>
    <message>
        <source>That isn't a profile code's content: it doesn't start with #r2modman.</source>
        <translation>Isso não é o conteúdo de um código de perfil: não começa com #r2modman.</translation>
    </message>
    <message>
        <source>That profile code's content is damaged: it isn't valid base64.</source>
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
    <name>Trash</name>
    <message>
        <source>Couldn't move to the Trash “%1”: it no longer exists.</source>
        <translation>Não foi possível mover “%1” para a Lixeira: ele não existe mais.</translation>
    </message>
    <message>
        <source>Couldn't move to the Trash “%1”: the Trash refused it.</source>
        <translation>Não foi possível mover “%1” para a Lixeira: a Lixeira recusou.</translation>
    </message>
    <message>
        <source>Couldn't move to the Trash “%1”: the Trash folder isn't available.</source>
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