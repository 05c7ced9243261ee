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
        <source>Copying %1 into a new profile…</source>
        <translation>正在将 %1 复制到新配置档…</translation>
    </message>
    <message>
        <source>Creating profile %1…</source>
        <translation>正在创建配置档 %1…</translation>
    </message>
    <message>
        <source>Created profile %1</source>
        <translation>已创建配置档 %1</translation>
    </message>
    <message>
        <source>Renaming profile %1…</source>
        <translation>正在重命名配置档 %1…</translation>
    </message>
    <message>
        <source>Renamed profile %1 to %2</source>
        <translation>已将配置档 %1 重命名为 %2</translation>
    </message>
    <message>
        <source>Moving profile %1 to the Trash…</source>
        <translation>正在将配置档 %1 移到废纸篓…</translation>
    </message>
    <message>
        <source>Moved profile %1 to Trash</source>
        <translation>已将配置档 %1 移到废纸篓</translation>
    </message>
    <message>
        <source>Quit Valheim first — switching profiles while the game runs would take its mods away under it.</source>
        <translation>请先退出 Valheim——在游戏运行时切换配置档会把它正在用的模组拿走。</translation>
    </message>
    <message>
        <source>Switching to profile %1…</source>
        <translation>正在切换到配置档 %1…</translation>
    </message>
    <message>
        <source>Switched to profile %1</source>
        <translation>已切换到配置档 %1</translation>
    </message>
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
        <source>Another action is under way (“%1”); open the profile again when it has finished.</source>
        <translation>另一项操作正在进行（“%1”）；完成后请重新打开配置档。</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>正在读取 %1…</translation>
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
    <name>Catalog</name>
    <message>
        <source>The catalog is empty.</source>
        <translation>目录为空。</translation>
    </message>
    <message>
        <source>“%1” isn&apos;t a package: write Owner-Name or Owner-Name-1.2.3.</source>
        <translation>“%1”不是一个包：请写成 Owner-Name 或 Owner-Name-1.2.3。</translation>
    </message>
    <message>
        <source>The catalog has no package “%1”.</source>
        <translation>目录中没有包“%1”。</translation>
    </message>
</context>
<context>
    <name>Change</name>
    <message>
        <source>Another change of this game folder is still under way.</source>
        <translation>此游戏文件夹的另一项更改仍在进行中。</translation>
    </message>
    <message>
        <source>%1 isn&apos;t in the game folder.</source>
        <translation>%1 不在游戏文件夹中。</translation>
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
        <translation>在终端或脚本中为 Valheim 安装 BepInEx 并管理模组，
与 Skaldrun 窗口使用同一个模型。

命令：
  status                        七个设置步骤是否完成，以及模组数量
  list                          已安装的模组：版本、仓库、是否启用、更新、缺少的依赖项
  search QUERY                  搜索两个仓库，最热门的在前（或 --sort newest|rating|name）
  install PACKAGE...            Owner-Name，或指定版本的 Owner-Name-1.2.3，连同依赖项一起安装；
                                BepInEx 整合包会安装模组加载器（服务器的文件夹也可以）
  update [--all | NAME...]      目录中有更新版本的每个模组，或指定的模组，保留各自的开关和
                                配置文件（固定在某个版本的模组不动）
  enable NAME...                启用模组
  disable NAME...               停用模组，但保留安装
  remove NAME...                将模组移到废纸篓（--delete：彻底删除）
  config list MOD               某个模组的设置，格式为 文件：分区.键 = 值
  config get FILE KEY           一个设置（KEY 为 分区.键，或只有一个分区拥有的键）
  config set FILE KEY VALUE     修改一个设置，检查方式与窗口中的编辑器相同
  saves backup                  备份世界和角色
  saves restore                 从最新的备份恢复
  profile list                  游戏文件夹的配置档（模组集合），标出当前的一个
  profile new NAME              新建空配置档（--copy：复制当前配置档）
  profile switch NAME           将 NAME 设为当前配置档
  profile export [--file F.r2z | --code]  将模组及其配置导出为 .r2z 文件或配置档代码
  profile import CODE|FILE [--name N | --replace]
                                朋友的 r2modman 或 Gale 配置档，作为新配置档或导入当前配置档
  doctor                        上次启动：哪些加载了，哪些没有以及原因（服务器的文件夹也可以）；
                                有模组未加载时退出状态为 1

进度输出到 stderr，结果输出到 stdout。退出状态：0 完成，1 失败（原因见 stderr），
2 用法错误（附带此说明）。</translation>
    </message>
    <message>
        <source>The Valheim folder: a Mac or Linux client&apos;s, or a dedicated server&apos;s (default: the one found before).</source>
        <translation>Valheim 文件夹：Mac 或 Linux 游戏的，或专用服务器的（默认：之前找到的那个）。</translation>
    </message>
    <message>
        <source>status, list, search, doctor: JSON on stdout.</source>
        <translation>status、list、search、doctor：在 stdout 输出 JSON。</translation>
    </message>
    <message>
        <source>search: popular, newest, rating or name.</source>
        <translation>search：popular、newest、rating 或 name。</translation>
    </message>
    <message>
        <source>update: every mod (the default).</source>
        <translation>update：所有模组（默认）。</translation>
    </message>
    <message>
        <source>update: list what would change.</source>
        <translation>update：列出将会变更的内容。</translation>
    </message>
    <message>
        <source>remove: delete for good, not to the Trash.</source>
        <translation>remove：彻底删除，不放入废纸篓。</translation>
    </message>
    <message>
        <source>profile new: start from a copy of the active profile.</source>
        <translation>profile new：从当前配置档的副本开始。</translation>
    </message>
    <message>
        <source>profile export: the .r2z to write.</source>
        <translation>profile export：要写入的 .r2z 文件。</translation>
    </message>
    <message>
        <source>profile export: a profile code.</source>
        <translation>profile export：配置档代码。</translation>
    </message>
    <message>
        <source>profile import: into this profile, replacing its mods.</source>
        <translation>profile import：导入到当前配置档，替换其中的模组。</translation>
    </message>
    <message>
        <source>profile import: the new profile&apos;s name (the pack&apos;s own by default).</source>
        <translation>profile import：新配置档的名称（默认使用包自带的名称）。</translation>
    </message>
    <message>
        <source>One of the commands above.</source>
        <translation>上面列出的命令之一。</translation>
    </message>
    <message>
        <source>Name a command.</source>
        <translation>请指定一个命令。</translation>
    </message>
    <message>
        <source>%1 isn&apos;t a Valheim folder: it holds neither the game nor a dedicated server.</source>
        <translation>%1 不是 Valheim 文件夹：其中既没有游戏，也没有专用服务器。</translation>
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
    <name>Commands</name>
    <message>
        <source>No installed mod is called “%1”.</source>
        <translation>没有名为“%1”的已安装模组。</translation>
    </message>
    <message>
        <source>Game folder: %1</source>
        <translation>游戏文件夹：%1</translation>
    </message>
    <message>
        <source>Game folder: not found</source>
        <translation>游戏文件夹：未找到</translation>
    </message>
    <message>
        <source>This is Valheim&apos;s Windows build (valheim.exe), which Steam runs through Proton; for BepInEx to load, set its launch options to: %1</source>
        <translation>这是 Valheim 的 Windows 版本（valheim.exe），Steam 通过 Proton 运行它；要让 BepInEx 加载，请将其启动选项设为：%1</translation>
    </message>
    <message>
        <source>[n/a ] %1 (not needed)</source>
        <translation>[n/a ] %1（无需）</translation>
    </message>
    <message numerus="yes">
        <source>%1 of 7 steps done · %n mods, %2 enabled</source>
        <translation>
            <numerusform>已完成 %1/7 步 · %n 个模组，%2 个已启用</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Updates and dependencies aren&apos;t shown.</source>
        <translation>%1 不显示更新和依赖项。</translation>
    </message>
    <message>
        <source>%1 (disabled)</source>
        <translation>%1（已停用）</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1，来自 %2</translation>
    </message>
    <message>
        <source>update: %1</source>
        <translation>更新：%1</translation>
    </message>
    <message>
        <source>no updates offered</source>
        <translation>不提供更新</translation>
    </message>
    <message>
        <source>missing: %1</source>
        <translation>缺少：%1</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2 · %3 · %n downloads · %4</source>
        <translation>
            <numerusform>%1 %2 · %3 · %n 次下载 · %4</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 isn&apos;t in the catalog.</source>
        <translation>%1 不在目录中。</translation>
    </message>
    <message>
        <source>%1 is kept at its version; no updates are offered.</source>
        <translation>%1 固定在当前版本；不提供更新。</translation>
    </message>
    <message>
        <source>%1 is up to date.</source>
        <translation>%1 已是最新版本。</translation>
    </message>
    <message>
        <source>Nothing to update.</source>
        <translation>没有需要更新的内容。</translation>
    </message>
    <message>
        <source>%1 has no setting “%2”.</source>
        <translation>%1 中没有设置“%2”。</translation>
    </message>
    <message>
        <source>%1 has “%2” in several sections; write Section.Key, e.g. %3.%2.</source>
        <translation>%1 的多个分区中都有“%2”；请写成 分区.键，例如 %3.%2。</translation>
    </message>
    <message>
        <source>There is no config file “%1” in %2.</source>
        <translation>%2 中没有配置文件“%1”。</translation>
    </message>
    <message>
        <source>%1.%2 = %3 in %4</source>
        <translation>%4 中 %1.%2 = %3</translation>
    </message>
    <message>
        <source>There is no save backup to restore.</source>
        <translation>没有可恢复的备份。</translation>
    </message>
    <message>
        <source>“--file”, “--code”, “--name” and “--replace” belong to profile export and import.</source>
        <translation>“--file”、“--code”、“--name”和“--replace”只用于 profile export 和 import。</translation>
    </message>
    <message>
        <source>Unknown command “%1”.</source>
        <translation>未知命令“%1”。</translation>
    </message>
    <message>
        <source>Wrong number of words after “%1”.</source>
        <translation>“%1”后面的词数不对。</translation>
    </message>
    <message>
        <source>“--%1” means nothing to “%2”.</source>
        <translation>“--%1”对“%2”没有意义。</translation>
    </message>
    <message>
        <source>Sort by popular, newest, rating or name, not “%1”.</source>
        <translation>请按 popular、newest、rating 或 name 排序，而不是“%1”。</translation>
    </message>
    <message>
        <source>Give “--all” or mod names, not both.</source>
        <translation>请给出“--all”或模组名称，不要同时给出。</translation>
    </message>
    <message>
        <source>Write config list MOD, config get FILE KEY or config set FILE KEY VALUE.</source>
        <translation>请写成 config list MOD、config get FILE KEY 或 config set FILE KEY VALUE。</translation>
    </message>
    <message>
        <source>Write saves backup or saves restore.</source>
        <translation>请写成 saves backup 或 saves restore。</translation>
    </message>
    <message>
        <source>%1 Give --delete to delete it for good instead.</source>
        <translation>%1 请加上 --delete 以彻底删除。</translation>
    </message>
    <message>
        <source>Last launch: %1</source>
        <translation>上次启动：%1</translation>
    </message>
    <message>
        <source>pack %1</source>
        <translation>整合包 %1</translation>
    </message>
    <message>
        <source>%1 server</source>
        <translation>%1 服务器</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>日志：%1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>注意：%1</translation>
    </message>
    <message numerus="yes">
        <source>[%1] %2 (%n times)</source>
        <translation>
            <numerusform>[%1] %2（%n 次）</numerusform>
        </translation>
    </message>
    <message>
        <source>Not every mod loaded in the last launch.</source>
        <translation>上次启动时并非所有模组都已加载。</translation>
    </message>
    <message>
        <source>There is no log of a launch with mods.</source>
        <translation>没有带模组启动的日志。</translation>
    </message>
    <message>
        <source>Write profile list, profile new NAME [--copy] or profile switch NAME.</source>
        <translation>请写成 profile list、profile new NAME [--copy] 或 profile switch NAME。</translation>
    </message>
    <message>
        <source>“--copy” means something only to “profile new”.</source>
        <translation>“--copy”只对“profile new”有意义。</translation>
    </message>
    <message>
        <source>%1 (active)</source>
        <translation>%1（当前）</translation>
    </message>
</context>
<context>
    <name>ConfigEditorSheet</name>
    <message>
        <source>Search settings</source>
        <translation>搜索设置</translation>
    </message>
    <message>
        <source>Revert to Original</source>
        <translation>恢复原始设置</translation>
    </message>
    <message>
        <source>Restore the config as it was before any edits made here</source>
        <translation>将配置恢复到在此处做任何修改之前的状态</translation>
    </message>
    <message>
        <source>Changes apply the next time Valheim starts.</source>
        <translation>更改将在下次启动 Valheim 时生效。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>No config file found.</source>
        <translation>未找到配置文件。</translation>
    </message>
    <message>
        <source>Couldn&apos;t read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>Revert to original settings?</source>
        <translation>恢复到原始设置？</translation>
    </message>
    <message>
        <source>This restores %1 to the copy saved when you first opened it here. Your customized values will be lost.</source>
        <translation>这会把 %1 恢复为你第一次在这里打开它时保存的副本。你自定义的值将会丢失。</translation>
    </message>
    <message>
        <source>This restores the file to the copy saved when you first opened it here. Your customized values will be lost.</source>
        <translation>这会把该文件恢复为你第一次在这里打开它时保存的副本。你自定义的值将会丢失。</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Couldn&apos;t save</source>
        <translation>无法保存</translation>
    </message>
    <message>
        <source>No settings found in this file.</source>
        <translation>此文件中没有找到设置。</translation>
    </message>
    <message>
        <source>No settings match “%1”.</source>
        <translation>没有与“%1”匹配的设置。</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
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
    <message>
        <source>Couldn&apos;t save “%1”: it&apos;s a link to a file that doesn&apos;t exist.</source>
        <translation>无法保存“%1”：它是指向不存在文件的链接。</translation>
    </message>
    <message>
        <source>Couldn&apos;t save “%1”: it&apos;s a link to a file outside the game folder.</source>
        <translation>无法保存“%1”：它是指向游戏文件夹之外文件的链接。</translation>
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
    <name>FolderLock</name>
    <message>
        <source>Another program (process %1) is changing this game folder; try again when it has finished.</source>
        <translation>另一个程序（进程 %1）正在更改此游戏文件夹；请等它完成后再试。</translation>
    </message>
    <message>
        <source>%1 (process %2) is changing this game folder; try again when it has finished.</source>
        <translation>%1（进程 %2）正在更改此游戏文件夹；请等它完成后再试。</translation>
    </message>
    <message>
        <source>Couldn&apos;t lock the game folder for changes (%1).</source>
        <translation>无法锁定游戏文件夹以进行更改（%1）。</translation>
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
    <name>Fs</name>
    <message>
        <source>Couldn&apos;t read “%1”: %2.</source>
        <translation>无法读取“%1”：%2。</translation>
    </message>
    <message>
        <source>Couldn&apos;t write “%1”: %2.</source>
        <translation>无法写入“%1”：%2。</translation>
    </message>
    <message>
        <source>Couldn&apos;t create “%1”: %2.</source>
        <translation>无法创建“%1”：%2。</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder “%1”: %2.</source>
        <translation>无法创建文件夹“%1”：%2。</translation>
    </message>
    <message>
        <source>Couldn&apos;t create a folder in “%1”: %2.</source>
        <translation>无法在“%1”中创建文件夹：%2。</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the folder “%1”: %2.</source>
        <translation>无法读取文件夹“%1”：%2。</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: %2.</source>
        <translation>无法复制“%1”：%2。</translation>
    </message>
    <message>
        <source>Couldn&apos;t move “%1”: %2.</source>
        <translation>无法移动“%1”：%2。</translation>
    </message>
    <message>
        <source>Couldn&apos;t remove “%1”: %2.</source>
        <translation>无法移除“%1”：%2。</translation>
    </message>
    <message>
        <source>Couldn&apos;t read “%1”: it isn&apos;t UTF-8 text.</source>
        <translation>无法读取“%1”：它不是 UTF-8 文本。</translation>
    </message>
    <message>
        <source>Couldn&apos;t move “%1”: “%2” already exists.</source>
        <translation>无法移动“%1”：“%2”已存在。</translation>
    </message>
</context>
<context>
    <name>GameUpdateBanner</name>
    <message>
        <source>Back Up Saves</source>
        <translation>备份存档</translation>
    </message>
    <message>
        <source>Switch Them Off</source>
        <translation>停用它们</translation>
    </message>
    <message>
        <source>Back up your saves before you play on.</source>
        <translation>继续游戏前，先备份你的世界和角色。</translation>
    </message>
    <message numerus="yes">
        <source>%n mods didn&apos;t load after the update. Back up your saves first; then update, or switch them off until their authors catch up.</source>
        <translation>
            <numerusform>更新后有 %n 个模组未能加载。请先备份存档；然后更新它们，或在作者跟进前先停用。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Update %n Mods</source>
        <translation>
            <numerusform>更新 %n 个模组</numerusform>
        </translation>
    </message>
    <message>
        <source>Update BepInEx to %1</source>
        <translation>将 BepInEx 更新到 %1</translation>
    </message>
</context>
<context>
    <name>Http</name>
    <message>
        <source>The server stopped answering (timed out)</source>
        <translation>服务器停止响应（超时）</translation>
    </message>
    <message>
        <source>The server refused the connection</source>
        <translation>服务器拒绝了连接</translation>
    </message>
    <message>
        <source>The server&apos;s address couldn&apos;t be found</source>
        <translation>找不到服务器的地址</translation>
    </message>
    <message>
        <source>The server closed the connection</source>
        <translation>服务器关闭了连接</translation>
    </message>
    <message>
        <source>The server sent us round in circles (too many redirects)</source>
        <translation>服务器让我们兜圈子（重定向次数过多）</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made</source>
        <translation>无法与服务器建立安全连接</translation>
    </message>
    <message>
        <source>The Internet connection appears to be offline</source>
        <translation>网络连接似乎已断开</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>The download was cancelled</source>
        <translation>下载已取消</translation>
    </message>
    <message>
        <source>The server sent more than %1 MB, far more than expected</source>
        <translation>服务器发送了超过 %1 MB 的数据，远超预期</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved to disk</source>
        <translation>无法将下载内容保存到磁盘</translation>
    </message>
    <message>
        <source>Couldn&apos;t create “%1”: %2</source>
        <translation>无法创建“%1”：%2</translation>
    </message>
    <message>
        <source>The server answered with an error (HTTP %1)</source>
        <translation>服务器返回了错误（HTTP %1）</translation>
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
    <name>InstallError</name>
    <message>
        <source>%1 isn&apos;t something I can install — drop a mod .zip, a .dll plugin, a .cfg file, or a mod folder.</source>
        <translation>%1 无法安装——请拖入模组 .zip、.dll 插件、.cfg 文件或模组文件夹。</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: %1</source>
        <translation>无法解压压缩包：%1</translation>
    </message>
    <message>
        <source>%1 doesn&apos;t seem to contain any mod files.</source>
        <translation>%1 似乎不包含任何模组文件。</translation>
    </message>
    <message>
        <source>Couldn&apos;t find any Valheim worlds or characters in %1.</source>
        <translation>在 %1 中找不到任何 Valheim 世界和角色。</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>the archive is damaged or isn&apos;t a ZIP archive</source>
        <translation>压缩包已损坏或不是 ZIP 压缩包</translation>
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
            <numerusform>%n 字节</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” has an absolute path, so nothing was installed.</source>
        <translation>无法解压压缩包：条目“%1”使用了绝对路径，因此没有安装任何内容。</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” points outside the archive&apos;s folder, so nothing was installed.</source>
        <translation>无法解压压缩包：条目“%1”指向压缩包文件夹之外，因此没有安装任何内容。</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” has an invalid name, so nothing was installed.</source>
        <translation>无法解压压缩包：条目“%1”的名称无效，因此没有安装任何内容。</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: it unpacks to more than %1, far more than any mod needs, so nothing was installed.</source>
        <translation>无法解压压缩包：解压后超过 %1，远超任何模组所需，因此没有安装任何内容。</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: it holds more than %1 files, far more than any mod needs, so nothing was installed.</source>
        <translation>无法解压压缩包：其中有超过 %1 个文件，远超任何模组所需，因此没有安装任何内容。</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: an entry has no name, so nothing was installed.</source>
        <translation>无法解压压缩包：有一个条目没有名称，因此没有安装任何内容。</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” is a symbolic link, which no mod needs, so nothing was installed.</source>
        <translation>无法解压压缩包：条目“%1”是符号链接，任何模组都用不到，因此没有安装任何内容。</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” is a hard link, which no mod needs, so nothing was installed.</source>
        <translation>无法解压压缩包：条目“%1”是硬链接，任何模组都用不到，因此没有安装任何内容。</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” isn&apos;t a file or a folder, so nothing was installed.</source>
        <translation>无法解压压缩包：条目“%1”既不是文件也不是文件夹，因此没有安装任何内容。</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” couldn&apos;t be written (%2), so nothing was installed.</source>
        <translation>无法解压压缩包：无法写入条目“%1”（%2），因此没有安装任何内容。</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” couldn&apos;t be read (%2), so nothing was installed.</source>
        <translation>无法解压压缩包：无法读取条目“%1”（%2），因此没有安装任何内容。</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: it overlaps “%2”.</source>
        <translation>无法复制“%1”：它与“%2”重叠。</translation>
    </message>
    <message>
        <source>BepInEx is already set up in the game folder; kept it as it is</source>
        <translation>BepInEx 已在游戏文件夹中配置好，保持原样</translation>
    </message>
    <message>
        <source>BepInEx %1 installed into the game folder</source>
        <translation>已将 BepInEx %1 安装到游戏文件夹</translation>
    </message>
    <message>
        <source>BepInEx installed into the game folder</source>
        <translation>已将 BepInEx 安装到游戏文件夹</translation>
    </message>
    <message>
        <source>Merged %1 into BepInEx</source>
        <translation>已将 %1 合并到 BepInEx</translation>
    </message>
    <message>
        <source>Couldn&apos;t install “%1”: neither its manifest nor its file name gives a usable folder name.</source>
        <translation>无法安装“%1”：它的清单和文件名都无法给出可用的文件夹名称。</translation>
    </message>
    <message>
        <source>Installed %1 (data/config files only — no plugin DLL)</source>
        <translation>已安装 %1（仅数据/配置文件——没有插件 DLL）</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>已安装 %1</translation>
    </message>
    <message>
        <source>Copied %1 into BepInEx/config</source>
        <translation>已将 %1 复制到 BepInEx/config</translation>
    </message>
    <message>
        <source>%1 holds the game folder&apos;s own files, so it can&apos;t be installed into them — drop a mod .zip, a .dll plugin, a .cfg file, or a mod folder.</source>
        <translation>%1 包含游戏文件夹自身的文件，因此无法安装到其中——请拖入模组 .zip、.dll 插件、.cfg 文件或模组文件夹。</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: “%2” lies inside it.</source>
        <translation>无法复制“%1”：“%2”位于其中。</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: it is a symbolic link.</source>
        <translation>无法复制“%1”：它是符号链接。</translation>
    </message>
</context>
<context>
    <name>LaunchFixes</name>
    <message>
        <source>Update to %1</source>
        <translation>更新到 %1</translation>
    </message>
    <message>
        <source>Go Back to %1</source>
        <translation>退回到 %1</translation>
    </message>
    <message>
        <source>Switch On %1</source>
        <translation>启用 %1</translation>
    </message>
    <message>
        <source>Update %1 %2</source>
        <translation>更新 %1 %2</translation>
    </message>
    <message>
        <source>Install %1 %2</source>
        <translation>安装 %1 %2</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>停用</translation>
    </message>
</context>
<context>
    <name>LaunchLine</name>
    <message>
        <source>Details</source>
        <translation>详情</translation>
    </message>
    <message>
        <source>Last launch %1 · %2</source>
        <translation>上次启动 %1 · %2</translation>
    </message>
    <message>
        <source>Last launch · %1</source>
        <translation>上次启动 · %1</translation>
    </message>
</context>
<context>
    <name>LaunchSheet</name>
    <message>
        <source>Last launch</source>
        <translation>上次启动</translation>
    </message>
    <message>
        <source>Copy for Discord</source>
        <translation>复制到 Discord</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>%1 server</source>
        <translation>%1 服务器</translation>
    </message>
    <message numerus="yes">
        <source>[%1] %2 (%n times)</source>
        <translation>
            <numerusform>[%1] %2（%n 次）</numerusform>
        </translation>
    </message>
    <message>
        <source>What the mods wrote themselves:
%1</source>
        <translation>模组自己写下的内容：
%1</translation>
    </message>
</context>
<context>
    <name>LaunchText</name>
    <message>
        <source>%1, which isn&apos;t installed</source>
        <translation>%1（未安装）</translation>
    </message>
    <message>
        <source>%1, which is switched off</source>
        <translation>%1（已停用）</translation>
    </message>
    <message>
        <source>%1 %2 or newer, which isn&apos;t installed</source>
        <translation>%1 %2 或更高版本（未安装）</translation>
    </message>
    <message>
        <source>%1 %2 or newer, which is switched off</source>
        <translation>%1 %2 或更高版本（已停用）</translation>
    </message>
    <message>
        <source>%1 %2 or newer, you have %3</source>
        <translation>%1 %2 或更高版本，你的是 %3</translation>
    </message>
    <message>
        <source>%1 %2 or newer</source>
        <translation>%1 %2 或更高版本</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n times)</source>
        <translation>
            <numerusform>%1（%n 次）</numerusform>
        </translation>
    </message>
    <message>
        <source>the server needs %1 %2, it has %3</source>
        <translation>服务器需要 %1 %2，它有的是 %3</translation>
    </message>
    <message>
        <source>the client needs %1 %2, it has %3</source>
        <translation>客户端需要 %1 %2，它有的是 %3</translation>
    </message>
    <message>
        <source>the server lacks %1</source>
        <translation>服务器缺少 %1</translation>
    </message>
    <message>
        <source>the client lacks %1</source>
        <translation>客户端缺少 %1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1；%2</translation>
    </message>
    <message>
        <source>The server runs another version of Valheim</source>
        <translation>服务器运行的是另一个版本的 Valheim</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the server</source>
        <translation>无法连接到服务器</translation>
    </message>
    <message>
        <source>The server refused the password</source>
        <translation>服务器拒绝了密码</translation>
    </message>
    <message>
        <source>The server has banned this player</source>
        <translation>服务器已封禁此玩家</translation>
    </message>
    <message>
        <source>The server is full</source>
        <translation>服务器已满</translation>
    </message>
    <message>
        <source>Lost the connection to the server (%1)</source>
        <translation>与服务器的连接已断开（%1）</translation>
    </message>
    <message>
        <source>%1; and %2</source>
        <translation>%1；以及 %2</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: it needs %2</source>
        <translation>%1 没有加载：它需要 %2</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: it can&apos;t run beside %2</source>
        <translation>%1 没有加载：它无法与 %2 同时运行</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: a mod it needs didn&apos;t load</source>
        <translation>%1 没有加载：它需要的一个模组没有加载</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load, and BepInEx gave no reason</source>
        <translation>%1 没有加载，BepInEx 也没有给出原因</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: %2</source>
        <translation>%1 没有加载：%2</translation>
    </message>
    <message>
        <source>%1 is installed twice; BepInEx loaded one copy</source>
        <translation>%1 安装了两次；BepInEx 加载了其中一份</translation>
    </message>
    <message>
        <source>%1 was skipped: %2 is installed too</source>
        <translation>已跳过 %1：%2 也已安装</translation>
    </message>
    <message>
        <source>%1 was made for BepInEx %2 and might not work until it&apos;s updated</source>
        <translation>%1 是为 BepInEx %2 制作的，在更新之前可能无法正常工作</translation>
    </message>
    <message>
        <source>A mod couldn&apos;t patch the game, and its error names no mod</source>
        <translation>某个模组无法修补游戏，其错误中没有指明是哪个模组</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t patch the game — it may need an update for this Valheim</source>
        <translation>%1 无法修补游戏——它可能需要针对此版本 Valheim 的更新</translation>
    </message>
    <message>
        <source>%1 failed to start (%2)</source>
        <translation>%1 启动失败（%2）</translation>
    </message>
    <message>
        <source>%1 failed to start (an error)</source>
        <translation>%1 启动失败（出现错误）</translation>
    </message>
    <message>
        <source>Something failed (%1), and no mod is named in it</source>
        <translation>出现故障（%1），其中没有指明任何模组</translation>
    </message>
    <message>
        <source>Something failed (an error), and no mod is named in it</source>
        <translation>出现故障（出现错误），其中没有指明任何模组</translation>
    </message>
    <message>
        <source>Something failed (%1) in %2, which no one mod stands for</source>
        <translation>在 %2 中出现故障（%1），无法归属于某一个模组</translation>
    </message>
    <message>
        <source>Something failed (an error) in %1, which no one mod stands for</source>
        <translation>在 %1 中出现故障（出现错误），无法归属于某一个模组</translation>
    </message>
    <message>
        <source>%1 ran into %2</source>
        <translation>%1 遇到了 %2</translation>
    </message>
    <message>
        <source>%1 ran into an error</source>
        <translation>%1 遇到了错误</translation>
    </message>
    <message>
        <source>the game&apos;s versions differ (%1)</source>
        <translation>游戏版本不一致（%1）</translation>
    </message>
    <message>
        <source>A connection was refused: the versions differ</source>
        <translation>一个连接被拒绝：版本不一致</translation>
    </message>
    <message>
        <source>A connection was refused: %1</source>
        <translation>一个连接被拒绝：%1</translation>
    </message>
    <message>
        <source>Jotunn&apos;s version check turned a connection away</source>
        <translation>Jotunn 的版本检查拒绝了一个连接</translation>
    </message>
    <message>
        <source>Mods need to be %1 on the server: %2</source>
        <translation>服务器上需要 %1 这些模组：%2</translation>
    </message>
    <message>
        <source>Mods need to be %1 on the client: %2</source>
        <translation>客户端上需要 %1 这些模组：%2</translation>
    </message>
    <message>
        <source>A connection was closed</source>
        <translation>一个连接已关闭</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n mods loaded, Valheim %2</source>
        <translation>
            <numerusform>已加载 %1 个（共 %n 个模组），Valheim %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n mods loaded</source>
        <translation>
            <numerusform>已加载 %1 个（共 %n 个模组）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>BepInEx stopped before it finished loading: %1 of %n mods loaded, Valheim %2</source>
        <translation>
            <numerusform>BepInEx 在加载完成前停止了：已加载 %1 个（共 %n 个模组），Valheim %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>BepInEx stopped before it finished loading: %1 of %n mods loaded</source>
        <translation>
            <numerusform>BepInEx 在加载完成前停止了：已加载 %1 个（共 %n 个模组）</numerusform>
        </translation>
    </message>
    <message>
        <source>BepInEx isn&apos;t installed in the game folder, so nothing wrote a log.</source>
        <translation>游戏文件夹中没有安装 BepInEx，因此没有写入任何日志。</translation>
    </message>
    <message>
        <source>Steam runs the Windows build through Proton, which loads BepInEx only with these launch options: %1</source>
        <translation>Steam 通过 Proton 运行 Windows 版本，而 Proton 只有在这些启动选项下才会加载 BepInEx：%1</translation>
    </message>
    <message>
        <source>%1 isn&apos;t executable, so Steam couldn&apos;t start the game through it.</source>
        <translation>%1 不可执行，因此 Steam 无法通过它启动游戏。</translation>
    </message>
    <message>
        <source>%1 is too old for Steam&apos;s runtime, which keeps it from loading BepInEx.</source>
        <translation>%1 对于 Steam 的运行环境来说太旧，因此无法加载 BepInEx。</translation>
    </message>
    <message>
        <source>BepInEx&apos;s injector is Intel-only: on Apple Silicon the game has to run through Rosetta 2 (step 4).</source>
        <translation>BepInEx 的注入器只支持 Intel：在 Apple 芯片上，游戏必须通过 Rosetta 2 运行（第 4 步）。</translation>
    </message>
    <message>
        <source>Steam&apos;s launch options for Valheim don&apos;t name %1, so the game started without mods.</source>
        <translation>Steam 中 Valheim 的启动选项没有指定 %1，因此游戏在没有模组的情况下启动了。</translation>
    </message>
    <message>
        <source>The server hasn&apos;t been started through %1 since BepInEx was installed, so nothing wrote a log.</source>
        <translation>自安装 BepInEx 以来，服务器还没有通过 %1 启动过，因此没有写入任何日志。</translation>
    </message>
    <message>
        <source>Valheim hasn&apos;t been launched with mods yet.</source>
        <translation>Valheim 还没有带模组启动过。</translation>
    </message>
    <message>
        <source>Valheim started, but BepInEx wrote no log — Steam may have started it without its launch options.</source>
        <translation>Valheim 已启动，但 BepInEx 没有写入日志——Steam 可能没有使用启动选项来启动它。</translation>
    </message>
    <message>
        <source>Valheim updated from %1 to %2</source>
        <translation>Valheim 已从 %1 更新到 %2</translation>
    </message>
    <message>
        <source>pack %1</source>
        <translation>包 %1</translation>
    </message>
    <message>
        <source>%1 server</source>
        <translation>%1 服务器</translation>
    </message>
    <message>
        <source>**Last launch:** %1</source>
        <translation>**上次启动：**%1</translation>
    </message>
    <message numerus="yes">
        <source>- …and %n more</source>
        <translation>
            <numerusform>- …还有 %n 条</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LocalConfig</name>
    <message>
        <source>a text runs to the end of the file</source>
        <translation>某段文本一直延续到文件末尾</translation>
    </message>
    <message>
        <source>Steam&apos;s settings in “%1” aren&apos;t laid out as expected (%2), so Skaldrun left them as they are. Paste the launch options into Steam yourself.</source>
        <translation>“%1”中的 Steam 设置结构与预期不符（%2），因此 Skaldrun 没有改动它们。请你自己把启动选项粘贴到 Steam 中。</translation>
    </message>
    <message>
        <source>a block isn&apos;t closed</source>
        <translation>某个块没有闭合</translation>
    </message>
    <message>
        <source>a brace closes nothing</source>
        <translation>某个括号没有对应的开头</translation>
    </message>
    <message>
        <source>a block has no name</source>
        <translation>某个块没有名称</translation>
    </message>
    <message>
        <source>a name has no value</source>
        <translation>某个名称没有值</translation>
    </message>
    <message>
        <source>it holds no UserLocalConfigStore</source>
        <translation>其中没有 UserLocalConfigStore</translation>
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
    <name>ModsPane</name>
    <message numerus="yes">
        <source>%n mods are stashed outside the plugins folder. Bring them back once you&apos;ve run the capture.</source>
        <translation>
            <numerusform>有 %n 个模组被移到了插件文件夹之外。完成捕获后再把它们移回来。</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading your game folder…</source>
        <translation>正在读取游戏文件夹…</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>已安装</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Open BepInEx/plugins in Finder</source>
        <translation>在访达中打开 BepInEx/plugins</translation>
    </message>
    <message>
        <source>Open the Plugins Folder</source>
        <translation>打开插件文件夹</translation>
    </message>
    <message>
        <source>Shader-cache capture in progress</source>
        <translation>正在捕获着色器缓存</translation>
    </message>
    <message>
        <source>Move Mods Back</source>
        <translation>移回模组</translation>
    </message>
    <message>
        <source>No mod loader yet</source>
        <translation>尚无模组加载器</translation>
    </message>
    <message>
        <source>Work through the setup steps on the left. Once BepInEx is installed, your mods show up here.</source>
        <translation>按左侧的设置步骤操作。安装 BepInEx 后，你的模组会显示在这里。</translation>
    </message>
    <message>
        <source>No mods installed</source>
        <translation>未安装模组</translation>
    </message>
    <message>
        <source>Switch to Browse to search Thunderstore, or drop a mod .zip below.</source>
        <translation>切换到“浏览”搜索 Thunderstore，或把模组 .zip 拖到下方。</translation>
    </message>
    <message>
        <source>donate</source>
        <translation>捐助</translation>
    </message>
    <message>
        <source>Support Skaldrun&apos;s development</source>
        <translation>支持 Skaldrun 的开发</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n enabled</source>
        <translation>
            <numerusform>已启用 %1/%n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n updates</source>
        <translation>
            <numerusform>%n 个更新</numerusform>
        </translation>
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
    <name>Pipeline</name>
    <message>
        <source>no download URL</source>
        <translation>没有下载地址</translation>
    </message>
    <message>
        <source>refused to download from %1, which is neither Thunderstore&apos;s nor Hexium&apos;s</source>
        <translation>已拒绝从 %1 下载：它既不属于 Thunderstore 也不属于 Hexium</translation>
    </message>
    <message>
        <source>Downloading %1 (%2 of %3)…</source>
        <translation>正在下载 %1（第 %2 个，共 %3 个）…</translation>
    </message>
    <message>
        <source>%1 Reload the catalog in Browse and try again.</source>
        <translation>%1 请在“浏览”中重新加载目录后再试。</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>已安装 %1</translation>
    </message>
    <message numerus="yes">
        <source>Installed %1 with %n dependencies (%2)</source>
        <translation>
            <numerusform>已安装 %1 及 %n 个依赖项（%2）</numerusform>
        </translation>
    </message>
    <message>
        <source>Installed %1, but not %2</source>
        <translation>已安装 %1，但未安装 %2</translation>
    </message>
    <message>
        <source>Updates cancelled — nothing was changed</source>
        <translation>已取消更新——没有做任何更改</translation>
    </message>
    <message numerus="yes">
        <source>Updated %1 of %n mods; stopped before %2</source>
        <translation>
            <numerusform>已更新 %1 个（共 %n 个模组）；在 %2 之前停止</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %1 of %n mods</source>
        <translation>
            <numerusform>已更新 %1 个（共 %n 个模组）</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Not in the catalog (install manually): %1</source>
        <translation>目录中没有（请手动安装）：%1</translation>
    </message>
    <message>
        <source>needs %1, which didn&apos;t install</source>
        <translation>需要 %1，但它没有安装成功</translation>
    </message>
    <message>
        <source>Updating %1 to %2 (%3 of %4)…</source>
        <translation>正在将 %1 更新到 %2（第 %3 个，共 %4 个）…</translation>
    </message>
    <message>
        <source>Installing %1 (%2 of %3)…</source>
        <translation>正在安装 %1（第 %2 个，共 %3 个）…</translation>
    </message>
</context>
<context>
    <name>Process</name>
    <message>
        <source>Couldn&apos;t start %1</source>
        <translation>无法启动 %1</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be started</source>
        <translation>%1 无法启动</translation>
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
    <name>ProfilePack</name>
    <message>
        <source>%1 in that profile has no version of three numbers.</source>
        <translation>该配置档中的 %1 没有由三个数字组成的版本号。</translation>
    </message>
    <message>
        <source>That profile has a file “%1” with an absolute path, so nothing was imported.</source>
        <translation>该配置档中的文件“%1”使用了绝对路径，因此没有导入任何内容。</translation>
    </message>
    <message>
        <source>That profile has a file “%1” that points outside its folder, so nothing was imported.</source>
        <translation>该配置档中的文件“%1”指向其文件夹之外，因此没有导入任何内容。</translation>
    </message>
    <message>
        <source>That profile&apos;s mod list (export.r2x) is far larger than any profile&apos;s, so nothing was imported.</source>
        <translation>该配置档的模组列表（export.r2x）远大于任何配置档，因此没有导入任何内容。</translation>
    </message>
    <message>
        <source>That profile&apos;s mod list (export.r2x) isn&apos;t readable YAML.</source>
        <translation>该配置档的模组列表（export.r2x）不是可读的 YAML。</translation>
    </message>
    <message>
        <source>That profile&apos;s mod list (export.r2x) has no list of mods.</source>
        <translation>该配置档的模组列表（export.r2x）中没有模组列表。</translation>
    </message>
    <message>
        <source>That profile lists far too many mods.</source>
        <translation>该配置档列出的模组过多。</translation>
    </message>
    <message>
        <source>“%1” in that profile isn&apos;t a mod name of the form Owner-Name.</source>
        <translation>该配置档中的“%1”不是“作者-名称”格式的模组名。</translation>
    </message>
    <message>
        <source>That profile isn&apos;t a readable .r2z (zip) archive.</source>
        <translation>该配置档不是可读的 .r2z（zip）压缩包。</translation>
    </message>
    <message>
        <source>That profile unpacks to far more files or bytes than any profile holds, so nothing was imported.</source>
        <translation>该配置档解压后的文件数或字节数远超任何配置档，因此没有导入任何内容。</translation>
    </message>
    <message>
        <source>That profile has an entry “%1” that isn&apos;t a plain file, so nothing was imported.</source>
        <translation>该配置档中的条目“%1”不是普通文件，因此没有导入任何内容。</translation>
    </message>
    <message>
        <source>That profile has no mod list (export.r2x), so there is nothing to import.</source>
        <translation>该配置档没有模组列表（export.r2x），因此没有可导入的内容。</translation>
    </message>
    <message>
        <source>Couldn&apos;t build the profile archive.</source>
        <translation>无法生成配置档压缩包。</translation>
    </message>
    <message>
        <source>That isn&apos;t a profile code&apos;s content: it doesn&apos;t start with #r2modman.</source>
        <translation>这不是配置档代码的内容：它不是以 #r2modman 开头的。</translation>
    </message>
    <message>
        <source>That profile code&apos;s content is damaged: it isn&apos;t valid base64.</source>
        <translation>该配置档代码的内容已损坏：它不是有效的 base64。</translation>
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
    <name>Profiles</name>
    <message>
        <source>There is no profile called “%1”.</source>
        <translation>没有名为“%1”的配置档。</translation>
    </message>
    <message>
        <source>Some mods are still moved aside for the shader capture; bring them back first.</source>
        <translation>有些模组仍因着色器捕获被移到一旁；请先把它们移回来。</translation>
    </message>
    <message>
        <source>The copy of %1 came out different from the original.</source>
        <translation>%1 的副本与原件不一致。</translation>
    </message>
    <message>
        <source>The record of an interrupted profile switch in %1 is damaged; nothing was moved.</source>
        <translation>%1 中一次中断的配置档切换记录已损坏；没有移动任何内容。</translation>
    </message>
    <message>
        <source>%1 holds a folder named like the profile in use; move it away and try again.</source>
        <translation>%1 中有一个与当前配置档同名的文件夹；请把它移走后重试。</translation>
    </message>
    <message>
        <source>Give the profile a name.</source>
        <translation>给配置档起个名字。</translation>
    </message>
    <message>
        <source>A profile name can&apos;t start or end with a space.</source>
        <translation>配置档名称不能以空格开头或结尾。</translation>
    </message>
    <message>
        <source>A profile name can&apos;t start with a dot.</source>
        <translation>配置档名称不能以点开头。</translation>
    </message>
    <message>
        <source>A profile name can&apos;t contain “/”, “\”, “:” or control characters.</source>
        <translation>配置档名称不能包含“/”、“\”、“:”或控制字符。</translation>
    </message>
    <message>
        <source>A profile name can have at most %1 characters.</source>
        <translation>配置档名称最多 %1 个字符。</translation>
    </message>
    <message>
        <source>There is already a profile called “%1”.</source>
        <translation>已经有名为“%1”的配置档了。</translation>
    </message>
    <message>
        <source>“%1” is the profile in use; switch to another one before deleting it.</source>
        <translation>“%1”是正在使用的配置档；请先切换到其他配置档再删除它。</translation>
    </message>
    <message>
        <source>Couldn&apos;t switch to “%1”: %2</source>
        <translation>无法切换到“%1”：%2</translation>
    </message>
    <message>
        <source>Couldn&apos;t switch to “%1”: %2 “%3” is still active.</source>
        <translation>无法切换到“%1”：%2 “%3”仍在使用中。</translation>
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
    <name>Session</name>
    <message>
        <source>Couldn&apos;t find Valheim in any Steam library; name its folder with --game.</source>
        <translation>在任何 Steam 库中都找不到 Valheim；请用 --game 指定它的文件夹。</translation>
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
    <name>Share</name>
    <message>
        <source>Write profile export --file F.r2z or profile export --code.</source>
        <translation>请写成 profile export --file F.r2z 或 profile export --code。</translation>
    </message>
    <message>
        <source>Write profile import CODE or profile import FILE, with --name N for the new profile or --replace to import into this one.</source>
        <translation>请写成 profile import CODE 或 profile import FILE，用 --name N 指定新配置档，或用 --replace 导入到当前配置档。</translation>
    </message>
    <message>
        <source>“--replace” means nothing to an export.</source>
        <translation>“--replace”对导出没有意义。</translation>
    </message>
    <message>
        <source>“--name” names the new profile an import makes; it goes without “--replace”.</source>
        <translation>“--name”为导入新建的配置档命名；不能与“--replace”同时使用。</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>没有可导入的内容。</translation>
    </message>
    <message>
        <source>%1 %2 (disabled)</source>
        <translation>%1 %2（已停用）</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>未找到</translation>
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
    <name>Trash</name>
    <message>
        <source>Couldn&apos;t move to the Trash “%1”: it no longer exists.</source>
        <translation>无法将“%1”移到废纸篓：它已不存在。</translation>
    </message>
    <message>
        <source>Couldn&apos;t move to the Trash “%1”: the Trash refused it.</source>
        <translation>无法将“%1”移到废纸篓：废纸篓拒绝了它。</translation>
    </message>
    <message>
        <source>Couldn&apos;t move to the Trash “%1”: the Trash folder isn&apos;t available.</source>
        <translation>无法将“%1”移到废纸篓：废纸篓文件夹不可用。</translation>
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
