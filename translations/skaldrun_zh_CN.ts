<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BrowseRow</name>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>已安装</translation>
    </message>
    <message>
        <source>%1K</source>
        <translation>%1K</translation>
    </message>
    <message>
        <source>%1M</source>
        <translation>%1M</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>作者 %1</translation>
    </message>
</context>
<context>
    <name>BrowseView</name>
    <message>
        <source>Search mods</source>
        <translation>搜索模组</translation>
    </message>
    <message>
        <source>Refresh catalog</source>
        <translation>刷新目录</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>重试</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n mods</source>
        <translation>
            <numerusform>%1 / %n 个模组</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 · showing the previous catalog</source>
        <translation>%1 · 显示的是之前的目录</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>正在加载…</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the Thunderstore catalog.</source>
        <translation>无法加载 Thunderstore 目录。</translation>
    </message>
    <message>
        <source>View on Thunderstore</source>
        <translation>在 Thunderstore 上查看</translation>
    </message>
    <message>
        <source>Install version…</source>
        <translation>安装版本…</translation>
    </message>
    <message>
        <source>Read More</source>
        <translation>查看详情</translation>
    </message>
</context>
<context>
    <name>ChunkedListing</name>
    <message>
        <source>the server answered with error %1</source>
        <translation>服务器返回错误 %1</translation>
    </message>
    <message>
        <source>its list of catalog parts is unreadable</source>
        <translation>其目录分块列表无法读取</translation>
    </message>
    <message>
        <source>its list names %1 catalog parts, far more than any real catalog</source>
        <translation>其列表列出了 %1 个目录分块，远多于任何真实目录</translation>
    </message>
    <message>
        <source>its list of catalog parts holds something that is no address</source>
        <translation>其目录分块列表中有一项不是地址</translation>
    </message>
    <message>
        <source>part %1 of its catalog is damaged</source>
        <translation>其目录的第 %1 部分已损坏</translation>
    </message>
    <message>
        <source>part %1 of its catalog didn&apos;t arrive (%2)</source>
        <translation>其目录的第 %1 部分未能送达（%2）</translation>
    </message>
</context>
<context>
    <name>ConfigEntryRow</name>
    <message>
        <source>Modified — not saved yet</source>
        <translation>已修改——尚未保存</translation>
    </message>
    <message>
        <source>Default: %1</source>
        <translation>默认值：%1</translation>
    </message>
</context>
<context>
    <name>ConfigStore</name>
    <message>
        <source>“%1” takes true or false.</source>
        <translation>“%1”只接受 true 或 false。</translation>
    </message>
    <message>
        <source>“%1” takes one of: %2.</source>
        <translation>“%1”只接受以下值之一：%2。</translation>
    </message>
    <message>
        <source>“%1” takes a whole number.</source>
        <translation>“%1”只接受整数。</translation>
    </message>
    <message>
        <source>“%1” takes a number.</source>
        <translation>“%1”只接受数字。</translation>
    </message>
    <message>
        <source>“%1” takes a whole number from %2 to %3.</source>
        <translation>“%1”只接受 %2 到 %3 之间的整数。</translation>
    </message>
    <message>
        <source>“%1” takes a number from %2 to %3.</source>
        <translation>“%1”只接受 %2 到 %3 之间的数字。</translation>
    </message>
    <message>
        <source>The value of “%1” can&apos;t contain a line break.</source>
        <translation>“%1”的值不能包含换行。</translation>
    </message>
    <message>
        <source>The value of “%1” can&apos;t end with “]”: the line would read as a section header.</source>
        <translation>“%1”的值不能以“]”结尾：这一行会被读作节标题。</translation>
    </message>
</context>
<context>
    <name>DependantsPrompt</name>
    <message>
        <source>Move All to Trash</source>
        <translation>全部移到废纸篓</translation>
    </message>
    <message>
        <source>Disable All</source>
        <translation>全部停用</translation>
    </message>
    <message>
        <source>Move Only %1 to Trash</source>
        <translation>仅将 %1 移到废纸篓</translation>
    </message>
    <message>
        <source>Disable Only %1</source>
        <translation>仅停用 %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message numerus="yes">
        <source>%n mods depend on %1: %2.</source>
        <translation>
            <numerusform>有 %n 个模组依赖 %1：%2。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportSheet</name>
    <message>
        <source>%1 and %2, for r2modman, Gale and Skaldrun players.</source>
        <translation>%1 和 %2，供 r2modman、Gale 和 Skaldrun 玩家使用。</translation>
    </message>
    <message>
        <source>Export This Profile</source>
        <translation>导出此配置档</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Save .r2z…</source>
        <translation>保存 .r2z…</translation>
    </message>
    <message>
        <source>Get Code</source>
        <translation>获取代码</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>ImportSheet</name>
    <message numerus="yes">
        <source>%n mods</source>
        <translation>
            <numerusform>%n 个模组</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n config files</source>
        <translation>
            <numerusform>%n 个配置文件</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1”: %2, %3</source>
        <translation>“%1”：%2，%3</translation>
    </message>
    <message>
        <source>Import a Profile</source>
        <translation>导入配置档</translation>
    </message>
    <message>
        <source>Paste a profile code</source>
        <translation>粘贴配置档代码</translation>
    </message>
    <message>
        <source>Profile code from r2modman, Gale or Skaldrun</source>
        <translation>来自 r2modman、Gale 或 Skaldrun 的配置档代码</translation>
    </message>
    <message>
        <source>Read Code</source>
        <translation>读取代码</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>打开文件…</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>模组</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>已启用</translation>
    </message>
    <message>
        <source>Repository</source>
        <translation>仓库</translation>
    </message>
    <message>
        <source>Name of the new profile</source>
        <translation>新配置档的名称</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>新建配置档</translation>
    </message>
    <message>
        <source>Replace This Profile</source>
        <translation>替换此配置档</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>未找到</translation>
    </message>
    <message>
        <source>Paste a code from r2modman, Gale or Skaldrun, or open a .r2z file.</source>
        <translation>粘贴来自 r2modman、Gale 或 Skaldrun 的代码，或打开 .r2z 文件。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>导入…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>导出…</translation>
    </message>
    <message>
        <source>Import a Profile…</source>
        <translation>导入配置档…</translation>
    </message>
    <message>
        <source>Export This Profile…</source>
        <translation>导出此配置档…</translation>
    </message>
</context>
<context>
    <name>MarkdownView</name>
    <message>
        <source>Loading…</source>
        <translation>正在加载…</translation>
    </message>
    <message>
        <source>No changelog</source>
        <translation>没有更新日志</translation>
    </message>
    <message>
        <source>No readme</source>
        <translation>没有自述文件</translation>
    </message>
    <message>
        <source>Very long, so shortened here; the rest is on the package&apos;s page.</source>
        <translation>内容很长，此处已截短；其余内容见该包的页面。</translation>
    </message>
</context>
<context>
    <name>PackageDocs</name>
    <message>
        <source>Couldn&apos;t load the readme: %1</source>
        <translation>无法加载自述文件：%1</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the changelog: %1</source>
        <translation>无法加载更新日志：%1</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the readme: the repository answered %1.</source>
        <translation>无法加载自述文件：仓库返回了 %1。</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the changelog: the repository answered %1.</source>
        <translation>无法加载更新日志：仓库返回了 %1。</translation>
    </message>
</context>
<context>
    <name>ReadmeSheet</name>
    <message>
        <source>Open Page</source>
        <translation>打开页面</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>Repository</name>
    <message>
        <source>%1 has no package %2.</source>
        <translation>%1 上没有包 %2。</translation>
    </message>
</context>
<context>
    <name>SettingsSheet</name>
    <message>
        <source>Language:</source>
        <translation>语言：</translation>
    </message>
    <message>
        <source>System</source>
        <translation>跟随系统</translation>
    </message>
    <message>
        <source>The new language shows the next time Skaldrun starts.</source>
        <translation>新语言将在下次启动 Skaldrun 时生效。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Mod repositories:</source>
        <translation>模组仓库：</translation>
    </message>
    <message>
        <source>Rebuild the Vanilla Shader Cache</source>
        <translation>重建原版着色器缓存</translation>
    </message>
    <message>
        <source>ShaderHelperForMac compares mod materials against a baseline captured from an unmodded game. After a Valheim update, rebuild it so the baseline matches your game version. The steps below automate the file shuffling.</source>
        <translation>ShaderHelperForMac 会将模组材质与从无模组游戏中捕获的基准进行比较。Valheim 更新后，请重建它，使基准与你的游戏版本一致。下面的步骤会自动搬移文件。</translation>
    </message>
    <message>
        <source>Install ShaderHelperForMac first — see the pink banner in the Mods pane, or search for it in Browse.</source>
        <translation>请先安装 ShaderHelperForMac——参见模组面板中的粉色横幅，或在“浏览”中搜索它。</translation>
    </message>
    <message>
        <source>Move every mod except ShaderHelperForMac out of the plugins folder, so mod materials can&apos;t contaminate the baseline.</source>
        <translation>将除 ShaderHelperForMac 之外的所有模组移出 plugins 文件夹，以免模组材质污染基准。</translation>
    </message>
    <message>
        <source>Move Mods Aside</source>
        <translation>移开模组</translation>
    </message>
    <message>
        <source>Back Up Worlds &amp; Characters</source>
        <translation>备份世界和角色</translation>
    </message>
    <message>
        <source>Copies every world and character to this app&apos;s backup folder</source>
        <translation>将所有世界和角色复制到本应用的备份文件夹</translation>
    </message>
    <message>
        <source>Back up first: if the game saves while mods are unloaded, modded items and buildings vanish from those saves.</source>
        <translation>请先备份：如果游戏在模组未加载时存档，这些存档中的模组物品和建筑将会消失。</translation>
    </message>
    <message>
        <source>Launch Valheim and load any world.</source>
        <translation>启动 Valheim 并载入任意世界。</translation>
    </message>
    <message>
        <source>Launch Valheim</source>
        <translation>启动 Valheim</translation>
    </message>
    <message>
        <source>Heads up: the F5 console needs -console in your Steam launch options — enable the checkbox in Setup step 6 and re-paste first.</source>
        <translation>注意：F5 控制台需要在 Steam 启动选项中加入 -console——请先勾选设置第 6 步中的复选框并重新粘贴。</translation>
    </message>
    <message>
        <source>Press F5 in game and run the capture command (already on your clipboard after step 1):</source>
        <translation>在游戏中按 F5 并运行捕获命令（第 1 步后已在你的剪贴板中）：</translation>
    </message>
    <message>
        <source>Quit Valheim, bring your mods back, then relaunch. The new cache is now authoritative for this Valheim version.</source>
        <translation>退出 Valheim，移回你的模组，然后重新启动。新的缓存现在就是此 Valheim 版本的基准。</translation>
    </message>
    <message>
        <source>Move Mods Back</source>
        <translation>移回模组</translation>
    </message>
    <message>
        <source>Restore Worlds &amp; Characters</source>
        <translation>恢复世界和角色</translation>
    </message>
    <message>
        <source>Overwrites current saves with the latest backup&apos;s versions</source>
        <translation>用最新备份中的版本覆盖当前存档</translation>
    </message>
    <message>
        <source>Restoring puts back the backed-up versions — use it if a vanilla session overwrote a modded world.</source>
        <translation>恢复会放回备份的版本——如果一次原版游戏会话覆盖了有模组的世界，就用它。</translation>
    </message>
    <message>
        <source>This replaces your current worlds and characters with the backup from %1. Anything saved since then will be overwritten.</source>
        <translation>这会用 %1 的备份替换你当前的世界和角色。此后保存的所有内容都将被覆盖。</translation>
    </message>
    <message>
        <source>This replaces your current worlds and characters with the backup. Anything saved since then will be overwritten.</source>
        <translation>这会用备份替换你当前的世界和角色。此后保存的所有内容都将被覆盖。</translation>
    </message>
    <message>
        <source>Restore saves from backup?</source>
        <translation>要从备份恢复存档吗？</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Current baseline built %1</source>
        <translation>当前基准创建于 %1</translation>
    </message>
    <message>
        <source>No baseline cache yet — ShaderHelperForMac creates one on its first launch.</source>
        <translation>还没有基准缓存——ShaderHelperForMac 会在首次启动时创建一个。</translation>
    </message>
    <message numerus="yes">
        <source>%n items stashed in %1</source>
        <translation>
            <numerusform>已将 %n 项移至 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Last backup: %1 · %L2 most recent are kept</source>
        <translation>上次备份：%1 · 保留最近 %L2 份</translation>
    </message>
</context>
<context>
    <name>TSPackage</name>
    <message>
        <source>%1 has no version %2; the newest are %3.</source>
        <translation>%1 没有版本 %2；最新的是 %3。</translation>
    </message>
</context>
<context>
    <name>TSSorts</name>
    <message>
        <source>Popular</source>
        <translation>热门</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>最新</translation>
    </message>
    <message>
        <source>Top Rated</source>
        <translation>评分最高</translation>
    </message>
    <message>
        <source>A–Z</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>已安装</translation>
    </message>
</context>
<context>
    <name>ThunderstoreStore</name>
    <message>
        <source>Loading the Thunderstore catalog…</source>
        <translation>正在加载 Thunderstore 目录…</translation>
    </message>
    <message>
        <source>Updated just now</source>
        <translation>刚刚更新</translation>
    </message>
    <message numerus="yes">
        <source>Updated %n min ago</source>
        <translation>
            <numerusform>%n 分钟前更新</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %n h ago</source>
        <translation>
            <numerusform>%n 小时前更新</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %n days ago</source>
        <translation>
            <numerusform>%n 天前更新</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 · %Ln mods (%2)</source>
        <translation>
            <numerusform>%1 · %Ln 个模组（%2）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 · %Ln mods</source>
        <translation>
            <numerusform>%1 · %Ln 个模组</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the catalog: %1</source>
        <translation>无法加载目录：%1</translation>
    </message>
</context>
<context>
    <name>UpdatesSheet</name>
    <message>
        <source>Updates</source>
        <translation>更新</translation>
    </message>
    <message numerus="yes">
        <source>%n updates</source>
        <translation>
            <numerusform>%n 个更新</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message numerus="yes">
        <source>Update %n mods</source>
        <translation>
            <numerusform>更新 %n 个模组</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VersionPickerSheet</name>
    <message>
        <source>Install Version</source>
        <translation>安装版本</translation>
    </message>
    <message>
        <source>Install a version of %1</source>
        <translation>安装 %1 的某个版本</translation>
    </message>
    <message>
        <source>Don&apos;t offer updates for %1</source>
        <translation>不再为 %1 提供更新</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
</context>
</TS>
