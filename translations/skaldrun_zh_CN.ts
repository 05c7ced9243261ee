<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AlertPresenter</name>
    <message>
        <source>OK</source>
        <translation>好</translation>
    </message>
</context>
<context>
    <name>AppState</name>
    <message>
        <source>%1 Download it from %2 yourself and drop the .zip anywhere on this window.</source>
        <translation>%1 请自行从 %2 下载，然后把 .zip 拖到此窗口的任意位置。</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach Thunderstore for %1 (%2). Download it from %3 yourself and drop the .zip anywhere on this window.</source>
        <translation>无法连接 Thunderstore 获取 %1（%2）。请自行从 %3 下载，然后把 .zip 拖到此窗口的任意位置。</translation>
    </message>
    <message>
        <source>Thunderstore&apos;s answer about %1 (HTTP %2) names no download; try again later. Download it from %3 yourself and drop the .zip anywhere on this window.</source>
        <translation>Thunderstore 关于 %1 的回复（HTTP %2）中没有下载链接；请稍后再试。请自行从 %3 下载，然后把 .zip 拖到此窗口的任意位置。</translation>
    </message>
    <message>
        <source>Downloading %1 %2…</source>
        <translation>正在下载 %1 %2…</translation>
    </message>
    <message>
        <source>Downloading %1…</source>
        <translation>正在下载 %1…</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>下载失败：%1</translation>
    </message>
    <message>
        <source>Installing %1…</source>
        <translation>正在安装 %1…</translation>
    </message>
    <message>
        <source>Install failed: %1</source>
        <translation>安装失败：%1</translation>
    </message>
    <message>
        <source>Another change of this game folder is under way (“%1”); try again when it has finished.</source>
        <translation>此游戏文件夹正在进行另一项更改（“%1”）；请在它完成后再试。</translation>
    </message>
    <message>
        <source>Found Valheim at %1</source>
        <translation>已在 %1 找到 Valheim</translation>
    </message>
    <message>
        <source>Couldn&apos;t find Valheim in any Steam library. Install it through Steam first, or choose its folder manually.</source>
        <translation>在所有 Steam 库中都没有找到 Valheim。请先通过 Steam 安装它，或手动选择它的文件夹。</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Select the Valheim game folder (the one containing %1)</source>
        <translation>选择 Valheim 的游戏文件夹（包含 %1 的那个）</translation>
    </message>
    <message>
        <source>Installing Rosetta 2… this can take a minute</source>
        <translation>正在安装 Rosetta 2… 这可能需要一分钟</translation>
    </message>
    <message>
        <source>Rosetta 2 installed</source>
        <translation>Rosetta 2 已安装</translation>
    </message>
    <message>
        <source>Rosetta 2 install didn&apos;t finish (exit %1).
%2
Run this in Terminal instead:
%3</source>
        <translation>Rosetta 2 安装未完成（退出码 %1）。
%2
请改为在“终端”中运行：
%3</translation>
    </message>
    <message>
        <source>Contacting Thunderstore…</source>
        <translation>正在连接 Thunderstore…</translation>
    </message>
    <message>
        <source>Choose the BepInExPack_Valheim .zip you downloaded</source>
        <translation>选择你下载的 BepInExPack_Valheim .zip</translation>
    </message>
    <message>
        <source>Installing…</source>
        <translation>正在安装…</translation>
    </message>
    <message>
        <source>Couldn&apos;t update the launch script: %1</source>
        <translation>无法更新启动脚本：%1</translation>
    </message>
    <message>
        <source>%1 can&apos;t be made to start the game&apos;s Intel build: it isn&apos;t the script of a BepInEx pack from 5.4.2331 on. Reinstall BepInEx in step 3; its new script gets the fix as it goes in.</source>
        <translation>无法让 %1 启动游戏的 Intel 版本：它不是 5.4.2331 及以后版本 BepInEx 包的脚本。请在第 3 步重新安装 BepInEx；新脚本会在安装时获得修复。</translation>
    </message>
    <message>
        <source>Made %1 executable</source>
        <translation>已将 %1 设为可执行</translation>
    </message>
    <message>
        <source>Updated %1 for this Mac</source>
        <translation>已为此 Mac 更新 %1</translation>
    </message>
    <message>
        <source>Clearing quarantine flags…</source>
        <translation>正在清除隔离标记…</translation>
    </message>
    <message>
        <source>No quarantine flags found</source>
        <translation>未发现隔离标记</translation>
    </message>
    <message numerus="yes">
        <source>Removed quarantine from %n files</source>
        <translation>
            <numerusform>已移除 %n 个文件的隔离标记</numerusform>
        </translation>
    </message>
    <message>
        <source>Launch options copied — paste them into Steam</source>
        <translation>已复制启动选项——请粘贴到 Steam 中</translation>
    </message>
    <message>
        <source>Asked Steam to launch Valheim</source>
        <translation>已请求 Steam 启动 Valheim</translation>
    </message>
    <message>
        <source>Start Steam first — Valheim needs it running even for a vanilla launch.</source>
        <translation>请先启动 Steam——即使以原版启动，Valheim 也需要它在运行。</translation>
    </message>
    <message>
        <source>Couldn&apos;t launch Valheim directly: %1</source>
        <translation>无法直接启动 Valheim：%1</translation>
    </message>
    <message>
        <source>Launched Valheim vanilla — mods stay installed but don&apos;t load</source>
        <translation>已以原版启动 Valheim——模组仍保留安装，但不会加载</translation>
    </message>
    <message>
        <source>Locate your Valheim folder first (step 1).</source>
        <translation>请先找到你的 Valheim 文件夹（第 1 步）。</translation>
    </message>
    <message>
        <source>Preparing %1…</source>
        <translation>正在准备 %1…</translation>
    </message>
    <message>
        <source>%1 is installed already</source>
        <translation>%1 已经安装</translation>
    </message>
    <message>
        <source>Locate your Valheim folder first (step 1), then drop mods here.</source>
        <translation>请先找到你的 Valheim 文件夹（第 1 步），再把模组拖到这里。</translation>
    </message>
    <message numerus="yes">
        <source>Installing %n items…</source>
        <translation>
            <numerusform>正在安装 %n 项…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 enabled</source>
        <translation>
            <numerusform>已启用 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 disabled</source>
        <translation>
            <numerusform>已停用 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t toggle %1: %2</source>
        <translation>无法切换 %1：%2</translation>
    </message>
    <message>
        <source>Couldn&apos;t remove %1: %2</source>
        <translation>无法移除 %1：%2</translation>
    </message>
    <message numerus="yes">
        <source>Moved %1 to Trash</source>
        <translation>
            <numerusform>已将 %1 移到废纸篓</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>已删除 %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t delete all of %1 (%2).</source>
        <translation>无法完全删除 %1（%2）。</translation>
    </message>
    <message>
        <source>Saved settings for %1</source>
        <translation>已保存 %1 的设置</translation>
    </message>
    <message>
        <source>Couldn&apos;t revert: %1</source>
        <translation>无法还原：%1</translation>
    </message>
    <message>
        <source>Restored original settings for %1</source>
        <translation>已恢复 %1 的原始设置</translation>
    </message>
    <message>
        <source>Quit Valheim first — backing up while the game is running can capture a half-written save.</source>
        <translation>请先退出 Valheim——在游戏运行时备份，可能会备份到写了一半的存档。</translation>
    </message>
    <message>
        <source>Backing up worlds and characters…</source>
        <translation>正在备份世界和角色…</translation>
    </message>
    <message numerus="yes">
        <source>Backed up %n save files</source>
        <translation>
            <numerusform>已备份 %n 个存档文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Backed up %1 — %n links in the save folder lead nowhere, so no older backup was removed</source>
        <translation>
            <numerusform>已备份 %1——存档文件夹中有 %n 个链接指向不存在的位置，因此没有删除任何旧备份</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n save files</source>
        <translation>
            <numerusform>%n 个存档文件</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Valheim first — restoring while the game is running would corrupt the save.</source>
        <translation>请先退出 Valheim——在游戏运行时恢复会损坏存档。</translation>
    </message>
    <message>
        <source>Restoring worlds and characters…</source>
        <translation>正在恢复世界和角色…</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n save files from the backup</source>
        <translation>
            <numerusform>已从备份恢复 %n 个存档文件</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t move mods aside: %1</source>
        <translation>无法将模组移到一旁：%1</translation>
    </message>
    <message numerus="yes">
        <source>Moved %n mods aside — capture command copied to clipboard</source>
        <translation>
            <numerusform>已将 %n 个模组移到一旁——捕获命令已复制到剪贴板</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t restore mods: %1</source>
        <translation>无法恢复模组：%1</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n mods — relaunch Valheim to play modded</source>
        <translation>
            <numerusform>已恢复 %n 个模组——重新启动 Valheim 即可带模组游玩</numerusform>
        </translation>
    </message>
    <message>
        <source>The mod catalog hasn&apos;t loaded, so %1 can&apos;t be looked up yet — try again once Browse lists mods.</source>
        <translation>模组目录尚未加载，因此还无法查找 %1——等“浏览”列出模组后再试。</translation>
    </message>
    <message>
        <source>Neither Thunderstore nor Hexium has %1 — if you have its .zip, drop it anywhere on this window.</source>
        <translation>Thunderstore 和 Hexium 上都没有 %1——如果你有它的 .zip，把它拖到此窗口的任意位置即可。</translation>
    </message>
    <message>
        <source>The last launch&apos;s summary is copied — paste it into Discord</source>
        <translation>已复制上次启动的摘要——粘贴到 Discord 即可</translation>
    </message>
    <message>
        <source>Quit Steam first — it rewrites its settings when it quits, so launch options written while it runs would be lost.</source>
        <translation>请先退出 Steam——它退出时会重写自己的设置，运行期间写入的启动选项会丢失。</translation>
    </message>
    <message>
        <source>Couldn&apos;t tell which Steam account plays Valheim. Sign in to Steam once, quit it, then try again — or paste the launch options yourself.</source>
        <translation>无法判断是哪个 Steam 账户在玩 Valheim。请登录一次 Steam，退出后再试——或者自己粘贴启动选项。</translation>
    </message>
    <message>
        <source>Setting Valheim&apos;s launch options in Steam…</source>
        <translation>正在 Steam 中设置 Valheim 的启动选项…</translation>
    </message>
    <message>
        <source>Launch options set in Steam</source>
        <translation>已在 Steam 中设置启动选项</translation>
    </message>
    <message>
        <source>Launch options set in Steam (the previous settings are kept in %1)</source>
        <translation>已在 Steam 中设置启动选项（之前的设置保存在 %1）</translation>
    </message>
    <message>
        <source>%1 is far larger than any profile.</source>
        <translation>%1 远大于任何配置档。</translation>
    </message>
    <message>
        <source>Choose a profile (.r2z or export.r2x) to import</source>
        <translation>选择要导入的配置档（.r2z 或 export.r2x）</translation>
    </message>
    <message>
        <source>That isn&apos;t a profile code: codes look like 018f2c4e-7b1a-4d3e-9f00-1c2b3a4d5e6f.</source>
        <translation>这不是配置档代码：代码的样子是 018f2c4e-7b1a-4d3e-9f00-1c2b3a4d5e6f。</translation>
    </message>
    <message>
        <source>Fetching the profile code…</source>
        <translation>正在获取配置档代码…</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t hand out that profile code (HTTP %2).</source>
        <translation>%1 无法提供该配置档代码（HTTP %2）。</translation>
    </message>
    <message numerus="yes">
        <source>Read the profile “%1”: %n mods</source>
        <translation>
            <numerusform>已读取配置档“%1”：%n 个模组</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t reach Thunderstore or Hexium for that code: %1</source>
        <translation>无法连接 Thunderstore 或 Hexium 获取该代码：%1</translation>
    </message>
    <message>
        <source>That profile code wasn&apos;t found — it may have expired or been mistyped.</source>
        <translation>找不到该配置档代码——它可能已过期或输入有误。</translation>
    </message>
    <message>
        <source>The mod catalog hasn&apos;t loaded, so the pack&apos;s mods can&apos;t be looked up yet — try again once Browse lists mods.</source>
        <translation>模组目录尚未加载，因此还无法查找该包中的模组——等“浏览”列出模组后再试。</translation>
    </message>
    <message>
        <source>None of the mods of “%1” is on Thunderstore or Hexium for Valheim — it&apos;s a profile for another game, so nothing was imported.</source>
        <translation>“%1”中的模组在 Thunderstore 和 Hexium 上都不是 Valheim 的——这是其他游戏的配置档，因此没有导入任何内容。</translation>
    </message>
    <message>
        <source>Quit Valheim first — switching profiles while the game runs would take its mods away under it.</source>
        <translation>请先退出 Valheim——在游戏运行时切换配置档会把它正在用的模组拿走。</translation>
    </message>
    <message>
        <source>Quit Valheim first — importing over this profile while the game runs would change its mods under it.</source>
        <translation>请先退出 Valheim——在游戏运行时覆盖导入此配置档会改变它正在用的模组。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Import cancelled — nothing was changed.</source>
        <translation>已取消导入——没有任何更改。</translation>
    </message>
    <message>
        <source>Couldn&apos;t download %1 — nothing was changed.</source>
        <translation>无法下载 %1——没有任何更改。</translation>
    </message>
    <message>
        <source>Couldn&apos;t import %1 — you&apos;re back on profile %2. %3</source>
        <translation>无法导入 %1——你已回到配置档 %2。%3</translation>
    </message>
    <message>
        <source>Couldn&apos;t import %1 — nothing was changed. %2</source>
        <translation>无法导入 %1——没有任何更改。%2</translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods into the new profile %2</source>
        <translation>
            <numerusform>已将 %1 个模组（共 %n 个）导入新配置档 %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods into the new profile %2; not found: %3</source>
        <translation>
            <numerusform>已将 %1 个模组（共 %n 个）导入新配置档 %2；未找到：%3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods</source>
        <translation>
            <numerusform>已导入 %1 个模组（共 %n 个）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods; not found: %2</source>
        <translation>
            <numerusform>已导入 %1 个模组（共 %n 个）；未找到：%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing %1…</source>
        <translation>正在导入 %1…</translation>
    </message>
    <message>
        <source>Not included: %1 — they aren&apos;t from Thunderstore or Hexium</source>
        <translation>未包含：%1——它们不是来自 Thunderstore 或 Hexium</translation>
    </message>
    <message>
        <source>Save the profile for r2modman, Gale or Skaldrun players</source>
        <translation>保存配置档，供 r2modman、Gale 或 Skaldrun 玩家使用</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n mods to %1</source>
        <translation>
            <numerusform>已将 %n 个模组保存到 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Making a profile code…</source>
        <translation>正在生成配置档代码…</translation>
    </message>
    <message>
        <source>This profile is over 20 MB, too large for a code; export it as a .r2z file instead.</source>
        <translation>此配置档超过 20 MB，无法生成代码；请改为导出 .r2z 文件。</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach Thunderstore to make a code: %1</source>
        <translation>无法连接 Thunderstore 生成代码：%1</translation>
    </message>
    <message>
        <source>Thunderstore makes only a few codes a minute; try again in a minute.</source>
        <translation>Thunderstore 每分钟只能生成少量代码；请一分钟后再试。</translation>
    </message>
    <message>
        <source>Thunderstore didn&apos;t make a code (HTTP %1).</source>
        <translation>Thunderstore 没有生成代码（HTTP %1）。</translation>
    </message>
    <message>
        <source>Profile code: %1</source>
        <translation>配置档代码：%1</translation>
    </message>
    <message>
        <source>Profile code copied</source>
        <translation>已复制配置档代码</translation>
    </message>
    <message>
        <source>Updates for %1 are offered again</source>
        <translation>将再次提供 %1 的更新</translation>
    </message>
    <message>
        <source>No updates will be offered for %1</source>
        <translation>将不再提供 %1 的更新</translation>
    </message>
    <message>
        <source>Quit Valheim first — updating mods while the game or its server runs would change them under it.</source>
        <translation>请先退出 Valheim——在游戏或其服务器运行时更新模组，会在它们使用中改动这些模组。</translation>
    </message>
    <message numerus="yes">
        <source>Updating %n mods…</source>
        <translation>
            <numerusform>正在更新 %n 个模组…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1；%2</translation>
    </message>
    <message>
        <source>Stopping after this mod…</source>
        <translation>将在此模组之后停止…</translation>
    </message>
    <message>
        <source>Installing %1 %2…</source>
        <translation>正在安装 %1 %2…</translation>
    </message>
    <message>
        <source>Installed %1 %2</source>
        <translation>已安装 %1 %2</translation>
    </message>
    <message>
        <source>Installing what %1 needs…</source>
        <translation>正在安装 %1 所需的内容…</translation>
    </message>
    <message>
        <source>Installed %1 for %2</source>
        <translation>已为 %2 安装 %1</translation>
    </message>
    <message>
        <source>Nothing was missing for %1</source>
        <translation>%1 没有缺少任何内容</translation>
    </message>
</context>
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
    <name>CommandRow</name>
    <message>
        <source>Copy command</source>
        <translation>复制命令</translation>
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
    <name>DropZone</name>
    <message>
        <source>Drop mods here to install</source>
        <translation>将模组拖到这里安装</translation>
    </message>
    <message>
        <source>Thunderstore .zip · loose .dll · mod folders — they land in BepInEx/plugins</source>
        <translation>Thunderstore .zip · 单个 .dll · 模组文件夹 — 都会放进 BepInEx/plugins</translation>
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
    <name>FoldingRow</name>
    <message>
        <source>More</source>
        <translation>更多</translation>
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
    <name>MainWindow</name>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Settings — shader cache &amp; save backups</source>
        <translation>设置 — 着色器缓存与备份</translation>
    </message>
    <message>
        <source>Game Folder</source>
        <translation>游戏文件夹</translation>
    </message>
    <message>
        <source>Open the Valheim game folder in Finder</source>
        <translation>在访达中打开 Valheim 游戏文件夹</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Re-check every step</source>
        <translation>重新检查每一步</translation>
    </message>
    <message>
        <source>Play Vanilla</source>
        <translation>原版游玩</translation>
    </message>
    <message>
        <source>Launch Valheim vanilla — mods stay installed but don&apos;t load</source>
        <translation>以原版启动 Valheim — 模组仍保留安装但不会加载</translation>
    </message>
    <message>
        <source>Launch Valheim</source>
        <translation>启动 Valheim</translation>
    </message>
    <message>
        <source>Launch Valheim through Steam (with mods)</source>
        <translation>通过 Steam 启动 Valheim（带模组）</translation>
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
    <name>ModRow</name>
    <message>
        <source>Config</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>data</source>
        <translation>数据</translation>
    </message>
    <message>
        <source>Edit this mod&apos;s settings</source>
        <translation>编辑此模组的设置</translation>
    </message>
    <message>
        <source>Holds no plugin DLL, so there is nothing to switch off</source>
        <translation>不含插件 DLL，因此没有可关闭的内容</translation>
    </message>
    <message>
        <source>%1 (disabled)</source>
        <translation>%1（已停用）</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1（缺失）</translation>
    </message>
    <message>
        <source>Needs %1</source>
        <translation>需要 %1</translation>
    </message>
    <message>
        <source>Install missing</source>
        <translation>安装缺失项</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Data files (no plugin DLL)</source>
        <translation>数据文件（无插件 DLL）</translation>
    </message>
    <message>
        <source>Plugin DLL</source>
        <translation>插件 DLL</translation>
    </message>
    <message>
        <source>Plugin DLL · disabled</source>
        <translation>插件 DLL · 已停用</translation>
    </message>
    <message numerus="yes">
        <source>%n plugins</source>
        <translation>
            <numerusform>%n 个插件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n plugins · disabled</source>
        <translation>
            <numerusform>%n 个插件 · 已停用</numerusform>
        </translation>
    </message>
    <message>
        <source>Enabled — click to disable</source>
        <translation>已启用 — 点击停用</translation>
    </message>
    <message>
        <source>Disabled — click to enable</source>
        <translation>已停用 — 点击启用</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>在访达中显示</translation>
    </message>
    <message>
        <source>Install version…</source>
        <translation>安装版本…</translation>
    </message>
    <message>
        <source>Offer updates again</source>
        <translation>重新提供更新</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>移到废纸篓</translation>
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
    <name>ProfileMenu</name>
    <message>
        <source>Profiles: separate mod sets for this game folder</source>
        <translation>配置档：为此游戏文件夹分开的模组组合</translation>
    </message>
    <message>
        <source>New Profile…</source>
        <translation>新建配置档…</translation>
    </message>
    <message>
        <source>Rename “%1”…</source>
        <translation>重命名“%1”…</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>移到废纸篓</translation>
    </message>
</context>
<context>
    <name>ProfileSheet</name>
    <message>
        <source>New Profile</source>
        <translation>新建配置档</translation>
    </message>
    <message>
        <source>Rename Profile</source>
        <translation>重命名配置档</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>配置档名称</translation>
    </message>
    <message>
        <source>Name of the new profile</source>
        <translation>新配置档的名称</translation>
    </message>
    <message>
        <source>New name for “%1”</source>
        <translation>“%1”的新名称</translation>
    </message>
    <message>
        <source>Start with a copy of “%1” (its mods and settings)</source>
        <translation>从“%1”的副本开始（包括其模组和设置）</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>创建</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
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
    <name>SetupBubble</name>
    <message>
        <source>Setup</source>
        <translation>初始设置</translation>
    </message>
    <message>
        <source>Setup complete — click to review the steps</source>
        <translation>初始设置已完成 — 点击查看各步骤</translation>
    </message>
    <message>
        <source>Setup incomplete — click to open</source>
        <translation>初始设置未完成 — 点击打开</translation>
    </message>
    <message>
        <source>Setup %1/7</source>
        <translation>初始设置 %1/7</translation>
    </message>
</context>
<context>
    <name>ShaderFixBanner</name>
    <message>
        <source>Pink or magenta textures in game?</source>
        <translation>游戏里出现粉色或品红色贴图？</translation>
    </message>
    <message>
        <source>Some mods ship Windows-only shaders that Metal can&apos;t render. ShaderHelperForMac swaps broken materials to Mac-friendly shaders automatically.</source>
        <translation>有些模组自带仅限 Windows 的着色器，Metal 无法渲染。ShaderHelperForMac 会自动把损坏的材质换成适合 Mac 的着色器。</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>了解更多</translation>
    </message>
    <message>
        <source>Install Fix</source>
        <translation>安装修复</translation>
    </message>
</context>
<context>
    <name>StepCard</name>
    <message>
        <source>Done</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>第 %1 步</translation>
    </message>
</context>
<context>
    <name>StepsPane</name>
    <message>
        <source>Locate Valheim</source>
        <translation>找到 Valheim</translation>
    </message>
    <message>
        <source>Install Rosetta 2</source>
        <translation>安装 Rosetta 2</translation>
    </message>
    <message>
        <source>Install BepInEx</source>
        <translation>安装 BepInEx</translation>
    </message>
    <message>
        <source>Enable Rosetta Translation</source>
        <translation>启用 Rosetta 转译</translation>
    </message>
    <message>
        <source>Clear Quarantine Flags</source>
        <translation>清除隔离标记</translation>
    </message>
    <message>
        <source>Set Steam Launch Options</source>
        <translation>设置 Steam 启动选项</translation>
    </message>
    <message>
        <source>Launch Once to Verify</source>
        <translation>启动一次以验证</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>初始设置</translation>
    </message>
    <message>
        <source>Hide setup — it collapses into a bubble</source>
        <translation>隐藏初始设置 — 它会收起为气泡</translation>
    </message>
    <message>
        <source>Auto-Detect</source>
        <translation>自动检测</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>选择文件夹…</translation>
    </message>
    <message>
        <source>Fix Script</source>
        <translation>修复脚本</translation>
    </message>
    <message>
        <source>Download &amp; Install</source>
        <translation>下载并安装</translation>
    </message>
    <message>
        <source>Install from Zip…</source>
        <translation>从 Zip 安装…</translation>
    </message>
    <message>
        <source>Get it manually</source>
        <translation>手动获取</translation>
    </message>
    <message>
        <source>Apply Fix</source>
        <translation>应用修复</translation>
    </message>
    <message>
        <source>Clear Quarantine</source>
        <translation>解除隔离</translation>
    </message>
    <message>
        <source>Copy Launch Options</source>
        <translation>复制启动选项</translation>
    </message>
    <message>
        <source>Set It for Me</source>
        <translation>帮我设置</translation>
    </message>
    <message>
        <source>Enable the in-game console (adds -console)</source>
        <translation>启用游戏内控制台（添加 -console）</translation>
    </message>
    <message>
        <source>Changed the checkbox? Copy the line above and paste it into Steam again.</source>
        <translation>改了勾选框？复制上面这一行，再粘贴到 Steam 里。</translation>
    </message>
    <message>
        <source>In Steam: right-click Valheim → Properties… → General → paste into Launch Options, then close the window.</source>
        <translation>在 Steam 中：右键点击 Valheim → 属性… → 通用 → 粘贴到启动选项，然后关闭窗口。</translation>
    </message>
    <message>
        <source>I&apos;ve added it — mark this step done</source>
        <translation>我已添加 — 将此步标记为完成</translation>
    </message>
    <message>
        <source>Launch Valheim</source>
        <translation>启动 Valheim</translation>
    </message>
    <message>
        <source>Re-check</source>
        <translation>重新检查</translation>
    </message>
    <message>
        <source>Linux runs the game natively.</source>
        <translation>Linux 原生运行游戏。</translation>
    </message>
    <message>
        <source>All set — mods load on next launch</source>
        <translation>一切就绪 — 下次启动时加载模组</translation>
    </message>
    <message>
        <source>%1 of 7 complete</source>
        <translation>已完成 %1/7</translation>
    </message>
    <message>
        <source>Found %1 at %2</source>
        <translation>已在 %2 找到 %1</translation>
    </message>
    <message>
        <source>Found the game at %1</source>
        <translation>已在 %1 找到游戏</translation>
    </message>
    <message>
        <source>Found the Windows build (valheim.exe) at %1, which Steam runs through Proton. For BepInEx to load in it, its launch options need: %2</source>
        <translation>在 %1 找到了 Windows 版本（valheim.exe），Steam 通过 Proton 运行它。要让 BepInEx 在其中加载，启动选项需要：%2</translation>
    </message>
    <message>
        <source>Install Valheim through Steam first, then auto-detect — or point me at its folder.</source>
        <translation>请先通过 Steam 安装 Valheim，然后自动检测 — 或者告诉我它的文件夹。</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>无需此步</translation>
    </message>
    <message>
        <source>This Mac is Intel, so no translation is needed.</source>
        <translation>这台 Mac 是 Intel 芯片，无需转译。</translation>
    </message>
    <message>
        <source>Rosetta 2 is installed — this Mac can run Intel code.</source>
        <translation>Rosetta 2 已安装 — 这台 Mac 可以运行 Intel 代码。</translation>
    </message>
    <message>
        <source>BepInEx&apos;s injector is Intel-only, so Apple Silicon needs Apple&apos;s Rosetta 2 translation layer.</source>
        <translation>BepInEx 的注入器仅支持 Intel，因此 Apple 芯片需要 Apple 的 Rosetta 2 转译层。</translation>
    </message>
    <message>
        <source>BepInEx %1 is in the game folder and %2 is ready.</source>
        <translation>BepInEx %1 已在游戏文件夹中，%2 已就绪。</translation>
    </message>
    <message>
        <source>%1 is from a pack older than 5.4.2331 and can&apos;t start BepInEx through Steam any more — update the pack.</source>
        <translation>%1 来自早于 5.4.2331 的包，已无法通过 Steam 启动 BepInEx — 请更新该包。</translation>
    </message>
    <message>
        <source>BepInEx files are there, but %1 isn&apos;t executable yet.</source>
        <translation>BepInEx 文件已在，但 %1 还不可执行。</translation>
    </message>
    <message>
        <source>BepInEx files are there, but %1 still needs its Mac fixes (executable bit + game name).</source>
        <translation>BepInEx 文件已在，但 %1 还需要 Mac 修复（可执行权限 + 游戏名称）。</translation>
    </message>
    <message>
        <source>Downloads denikson&apos;s BepInExPack for Valheim from Thunderstore and unpacks it into the game folder.</source>
        <translation>从 Thunderstore 下载 denikson 的 Valheim 版 BepInExPack，并解压到游戏文件夹。</translation>
    </message>
    <message>
        <source>Downloads denikson&apos;s BepInExPack for Valheim from Thunderstore and unpacks it next to %1.</source>
        <translation>从 Thunderstore 下载 denikson 的 Valheim 版 BepInExPack，并解压到 %1 旁边。</translation>
    </message>
    <message>
        <source>Reinstall / Update</source>
        <translation>重新安装 / 更新</translation>
    </message>
    <message>
        <source>Intel Macs already run the Intel build natively.</source>
        <translation>Intel Mac 本就原生运行 Intel 版本。</translation>
    </message>
    <message>
        <source>The launch script starts the game&apos;s Intel (x86_64) build, so BepInEx loads under Rosetta.</source>
        <translation>启动脚本会运行游戏的 Intel（x86_64）版本，因此 BepInEx 在 Rosetta 下加载。</translation>
    </message>
    <message>
        <source>Valheim&apos;s Mac app is Universal and would run natively, where BepInEx can&apos;t load — the fix makes the launch script start its Intel build.</source>
        <translation>Valheim 的 Mac 应用是通用版本，会原生运行，而那样 BepInEx 无法加载 — 此修复让启动脚本运行其 Intel 版本。</translation>
    </message>
    <message>
        <source>Install BepInEx first — this changes how its launch script starts the game.</source>
        <translation>请先安装 BepInEx — 这一步会改变它的启动脚本启动游戏的方式。</translation>
    </message>
    <message>
        <source># added to %1</source>
        <translation># 已添加到 %1</translation>
    </message>
    <message>
        <source>Linux doesn&apos;t quarantine downloads.</source>
        <translation>Linux 不会隔离下载的文件。</translation>
    </message>
    <message>
        <source>After BepInEx is installed, this strips macOS&apos;s quarantine flag so Gatekeeper doesn&apos;t block the injector.</source>
        <translation>安装 BepInEx 后，此步会清除 macOS 的隔离标记，让 Gatekeeper 不再阻止注入器。</translation>
    </message>
    <message numerus="yes">
        <source>%n files are quarantined from being downloaded. This runs the Terminal command below for you.</source>
        <translation>
            <numerusform>%n 个文件因是下载所得而被隔离。此操作会替你运行下方的终端命令。</numerusform>
        </translation>
    </message>
    <message>
        <source>No quarantine flags on the modding files — Gatekeeper won&apos;t interfere.</source>
        <translation>模组文件上没有隔离标记 — Gatekeeper 不会干扰。</translation>
    </message>
    <message>
        <source>Found in your Steam settings — Valheim starts through BepInEx.</source>
        <translation>已在你的 Steam 设置中找到 — Valheim 会通过 BepInEx 启动。</translation>
    </message>
    <message>
        <source>The one manual step: Steam has to start the game through BepInEx&apos;s script.</source>
        <translation>唯一需要手动的一步：Steam 必须通过 BepInEx 的脚本启动游戏。</translation>
    </message>
    <message>
        <source>Modded launch confirmed — BepInEx last wrote its log %1.</source>
        <translation>已确认带模组启动 — BepInEx 最后一次写入日志是在 %1。</translation>
    </message>
    <message>
        <source>BepInEx&apos;s last log comes from the Windows build under Proton, not the native game.</source>
        <translation>BepInEx 的最新日志来自 Proton 下的 Windows 版本，而不是原生游戏。</translation>
    </message>
    <message>
        <source>Start the game once. When BepInEx loads, it writes BepInEx/LogOutput.log — that file is the proof.</source>
        <translation>启动一次游戏。BepInEx 加载时会写入 BepInEx/LogOutput.log — 这个文件就是证据。</translation>
    </message>
    <message>
        <source>Tip: if a game update breaks mods, re-run steps 3–5.</source>
        <translation>提示：如果游戏更新导致模组失效，请重新执行第 3–5 步。</translation>
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
