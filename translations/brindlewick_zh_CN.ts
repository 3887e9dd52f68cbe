<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AppTexts</name>
    <message>
        <source>Untitled.cpn</source>
        <extracomment>The file name a new campaign has until it is saved; keep the .cpn extension.</extracomment>
        <translation>无标题.cpn</translation>
    </message>
    <message>
        <source>Quorvane &amp; Meltharn Brindlewick will only run on a screen size of 800 x 600 or greater.</source>
        <translation>Quorvane &amp; Meltharn Brindlewick 只能在 800 x 600 或更大的屏幕上运行。</translation>
    </message>
    <message>
        <source>Do you want to save any changes to the current Campaign?</source>
        <translation>是否保存对当前战役所做的更改？</translation>
    </message>
    <message>
        <source>Campaigns|*.cpn|Expansion Campaigns|*.cpx</source>
        <extracomment>Translate the descriptions only; keep every &quot;|&quot; and pattern as it is.</extracomment>
        <translation>战役|*.cpn|资料片战役|*.cpx</translation>
    </message>
    <message>
        <source>Scenarios|*.scn|Expansion Scenarios|*.scx</source>
        <extracomment>Translate the descriptions only; keep every &quot;|&quot; and pattern as it is.</extracomment>
        <translation>场景|*.scn|资料片场景|*.scx</translation>
    </message>
    <message>
        <source>Replace Scenario With...</source>
        <translation>替换场景为...</translation>
    </message>
    <message>
        <source>Insert Scenario...</source>
        <translation>插入场景...</translation>
    </message>
    <message>
        <source>Save Scenario As...</source>
        <translation>场景另存为...</translation>
    </message>
    <message>
        <source>Save All to Folder</source>
        <translation>全部保存到文件夹</translation>
    </message>
    <message>
        <source>Saving Scenarios</source>
        <translation>正在保存场景</translation>
    </message>
    <message>
        <source>Saving the scenarios...</source>
        <translation>正在保存场景...</translation>
    </message>
    <message>
        <source>%1 of the %2 scenario files already exists in %3.

Replace it, or skip it and save the others?</source>
        <translation>%2 个场景文件中有 %1 个已存在于 %3 中。

要替换该文件，还是跳过它并保存其他文件？</translation>
    </message>
    <message>
        <source>%1 of the %2 scenario files already exist in %3.

Replace them, or skip them and save the others?</source>
        <translation>%2 个场景文件中有 %1 个已存在于 %3 中。

要替换这些文件，还是跳过它们并保存其他文件？</translation>
    </message>
    <message>
        <source>No web browser is set up to open %1</source>
        <translation>没有设置用于打开 %1 的网页浏览器。</translation>
    </message>
    <message>
        <source>Cannot start the web browser %1</source>
        <translation>无法启动网页浏览器 %1。</translation>
    </message>
</context>
<context>
    <name>CampaignMessages</name>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>无法打开文件 %1：%2。</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>无法创建文件 %1：%2。</translation>
    </message>
    <message>
        <source>Cannot read file %1: %2</source>
        <translation>无法读取文件 %1：%2。</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>无法写入文件 %1：%2。</translation>
    </message>
    <message>
        <source>Cannot lock file %1: another program is changing it</source>
        <translation>无法锁定文件 %1：另一个程序正在更改它。</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>无法打开文件 %1。</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>无法创建文件 %1。</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>数据流读取错误。</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>数据流写入错误。</translation>
    </message>
    <message>
        <source>The file %1 is either not an Quorvane/Meltharn Campaign or an unsupported version.</source>
        <translation>文件 %1 不是 Quorvane/Meltharn 战役，或者其版本不受支持。</translation>
    </message>
    <message>
        <source>The file %1 is too large for a campaign: scenario files must be smaller than 2 GiB</source>
        <translation>文件 %1 太大，无法放入战役：场景文件必须小于 2 GiB。</translation>
    </message>
    <message>
        <source>The campaign would be %1 bytes long, more than the 2,147,483,647 bytes a campaign file can hold</source>
        <translation>战役将有 %1 字节，超过了战役文件最多能容纳的 2,147,483,647 字节。</translation>
    </message>
    <message>
        <source>%1 is shorter than four bytes and has no version text to set</source>
        <translation>%1 不足四个字节，没有可设置的版本文本。</translation>
    </message>
    <message>
        <source>Unknown text encoding %1</source>
        <translation>未知的文本编码 %1。</translation>
    </message>
    <message>
        <source>%1: unknown code page &quot;%2&quot;</source>
        <translation>%1：未知的代码页“%2”。</translation>
    </message>
    <message>
        <source>scenario %1</source>
        <translation>场景 %1</translation>
    </message>
    <message>
        <source>%1 has no version text of either game (1.10, 1.11 or 1.18)</source>
        <translation>%1 的版本文本不属于任何一款游戏（1.10、1.11 或 1.18）</translation>
    </message>
    <message>
        <source>%1 (%2) and %3 (%4) are for different games: no game plays both</source>
        <translation>%1（%2）和%3（%4）属于不同的游戏：没有哪款游戏能同时运行两者</translation>
    </message>
    <message>
        <source>%1 unused bytes at %2-%3</source>
        <translation>%2-%3 处有 %1 个未使用的字节</translation>
    </message>
    <message>
        <source>the payload of %1 starts inside the header or the entry table</source>
        <translation>%1 的数据始于文件头或条目表之内</translation>
    </message>
    <message>
        <source>the payloads of %1 and %2 overlap</source>
        <translation>%1 和%2 的数据相互重叠</translation>
    </message>
    <message>
        <source>%1 bytes after the last payload</source>
        <translation>最后一段场景数据之后还有 %1 个字节</translation>
    </message>
    <message>
        <source>the file is shorter than the 264-byte header</source>
        <translation>文件比 264 字节的文件头还短</translation>
    </message>
    <message>
        <source>the version text is not 1.00</source>
        <translation>版本文本不是 1.00</translation>
    </message>
    <message>
        <source>the title fills its field without a zero byte</source>
        <translation>标题占满了整个字段，没有结尾的零字节</translation>
    </message>
    <message>
        <source>the entry count is negative (%1)</source>
        <translation>条目数为负数（%1）</translation>
    </message>
    <message>
        <source>the entry table is cut short: %1 of %2 records are in the file</source>
        <translation>条目表不完整：%2 条记录中只有 %1 条在文件中</translation>
    </message>
    <message>
        <source>the name of %1 fills its field without a zero byte</source>
        <translation>%1 的名称占满了整个字段，没有结尾的零字节</translation>
    </message>
    <message>
        <source>the file name of %1 fills its field without a zero byte</source>
        <translation>%1 的文件名占满了整个字段，没有结尾的零字节</translation>
    </message>
    <message>
        <source>%1 has a negative offset or size</source>
        <translation>%1 的偏移量或大小为负数</translation>
    </message>
    <message>
        <source>the payload of %1 reaches past the end of the file</source>
        <translation>%1 的数据超出了文件末尾</translation>
    </message>
</context>
<context>
    <name>DesktopPlaces</name>
    <message>
        <source>Home</source>
        <extracomment>The user&apos;s home folder, at the top of the folder tree.</extracomment>
        <translation>主文件夹</translation>
    </message>
    <message>
        <source>Desktop Folder</source>
        <extracomment>The folder whose files the desktop shows, beside the home folder.</extracomment>
        <translation>桌面文件夹</translation>
    </message>
    <message>
        <source>File System</source>
        <extracomment>The root folder &quot;/&quot;, holding every file of the computer.</extracomment>
        <translation>文件系统</translation>
    </message>
</context>
<context>
    <name>DetailTexts</name>
    <message>
        <source>%1 KB</source>
        <extracomment>A file&apos;s size in the file list; %1 is a whole number of kilobytes with &quot;,&quot; between groups of three digits.</extracomment>
        <translation>%1 KB</translation>
    </message>
</context>
<context>
    <name>FileAssociations</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <extracomment>%1 is the path of a file that records which program opens campaign files.</extracomment>
        <translation>无法为“%1”设置数据。</translation>
    </message>
</context>
<context>
    <name>ItemDetails</name>
    <message>
        <source>System Folder</source>
        <extracomment>The type column of the desktop&apos;s places (home, file system, volumes).</extracomment>
        <translation>系统文件夹</translation>
    </message>
</context>
<context>
    <name>ItemFacts</name>
    <message>
        <source>%1 File</source>
        <extracomment>The type of a file no program claims; %1 is its extension in capitals (&quot;SCX&quot;).</extracomment>
        <translation>%1 文件</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>The type of a file without an extension that no program claims.</extracomment>
        <translation>文件</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Modified</source>
        <extracomment>The time a file was last written.</extracomment>
        <translation>修改时间</translation>
    </message>
    <message>
        <source>Attributes</source>
        <extracomment>Letters for the read-only, hidden, system and archive marks of a file.</extracomment>
        <translation>属性</translation>
    </message>
    <message>
        <source>Total Size</source>
        <extracomment>The capacity of a drive.</extracomment>
        <translation>总大小</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>可用空间</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>Documents</source>
        <extracomment>The number of documents waiting for a printer.</extracomment>
        <translation>文档</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>Whether a printer is ready, busy or out of paper.</extracomment>
        <translation>状态</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Entry name</source>
        <extracomment>A dial-up network connection&apos;s name.</extracomment>
        <translation>连接名称</translation>
    </message>
    <message>
        <source>Phone #</source>
        <extracomment>The telephone number a dial-up connection calls.</extracomment>
        <translation>电话号码</translation>
    </message>
    <message>
        <source>Device name</source>
        <extracomment>The modem a dial-up connection uses.</extracomment>
        <translation>设备名称</translation>
    </message>
</context>
<context>
    <name>MainCommands</name>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>Add Scenario</source>
        <translation>添加场景</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <source>Remove Scenario</source>
        <translation>移除场景</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>替换(&amp;R)</translation>
    </message>
    <message>
        <source>Replace Scenario</source>
        <translation>替换场景</translation>
    </message>
    <message>
        <source>&amp;Insert After...</source>
        <translation>在后面插入(&amp;I)...</translation>
    </message>
    <message>
        <source>Insert Scenario After...</source>
        <translation>在后面插入场景...</translation>
    </message>
    <message>
        <source>&amp;Save to File...</source>
        <translation>保存到文件(&amp;S)...</translation>
    </message>
    <message>
        <source>Save Scenario To Disk</source>
        <translation>将场景保存到磁盘</translation>
    </message>
    <message>
        <source>&amp;Set to Version...</source>
        <translation>设置版本(&amp;S)...</translation>
    </message>
    <message>
        <source>Quorvane - &amp;Trial Version (1.10)</source>
        <translation>Quorvane - 试用版 (1.10)(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Quorvane (1.11)</source>
        <translation>Quorvane (1.11)(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Meltharn (1.18)</source>
        <translation>Meltharn (1.18)(&amp;M)</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>上移(&amp;U)</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>下移(&amp;D)</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>重命名(&amp;N)</translation>
    </message>
    <message>
        <source>Save &amp;All to Folder...</source>
        <translation>全部保存到文件夹(&amp;A)...</translation>
    </message>
    <message>
        <source>Check &amp;Campaign...</source>
        <translation>检查战役(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>状态栏(&amp;B)</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>大图标(&amp;G)</translation>
    </message>
    <message>
        <source>Large Icons</source>
        <translation>大图标</translation>
    </message>
    <message>
        <source>S&amp;mall Icons</source>
        <translation>小图标(&amp;M)</translation>
    </message>
    <message>
        <source>Small Icons</source>
        <translation>小图标</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>列表(&amp;L)</translation>
    </message>
    <message>
        <source>List</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>&amp;Detials</source>
        <translation>详细信息(&amp;D)</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详细信息</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目录(&amp;C)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>&amp;Quorvane Heaven</source>
        <translation>Quorvane Heaven(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Meltharn Heaven</source>
        <translation>Meltharn Heaven(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>Set Scenario Version</source>
        <translation>设置场景版本</translation>
    </message>
</context>
<context>
    <name>MainToolbars</name>
    <message>
        <source>Menu</source>
        <extracomment>The caption of the toolbar that holds the menus, shown when it floats.</extracomment>
        <translation>菜单</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Scenario</source>
        <translation>场景(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Standard Toolbar</source>
        <translation>标准工具栏</translation>
    </message>
</context>
<context>
    <name>QtDialogService</name>
    <message>
        <source>&amp;Replace</source>
        <translation>替换(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Skip Existing</source>
        <translation>跳过已有文件(&amp;S)</translation>
    </message>
</context>
<context>
    <name>ScenarioCommands</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ShellControls</name>
    <message>
        <source>Could not get the root folder.</source>
        <translation>无法获取根文件夹。</translation>
    </message>
    <message>
        <source>Could not enumerate system objects.</source>
        <translation>无法列举系统对象。</translation>
    </message>
    <message>
        <source>Could not get folder data.</source>
        <translation>无法获取文件夹数据。</translation>
    </message>
    <message>
        <source>Could not find folder.</source>
        <translation>找不到文件夹。</translation>
    </message>
    <message>
        <source>Could not get Desktop folder.</source>
        <translation>无法获取桌面文件夹。</translation>
    </message>
    <message>
        <source>InvokeCommand failed. Result = $%x</source>
        <extracomment>Running a command on a file failed; &quot;$%x&quot; stands for the hexadecimal error code.</extracomment>
        <translation>执行命令失败。结果 = $%x</translation>
    </message>
    <message>
        <source>Could not get UI object. Result = $%x</source>
        <extracomment>A file&apos;s menu could not be made; &quot;$%x&quot; stands for the hexadecimal error code.</extracomment>
        <translation>无法获取界面对象。结果 = $%x</translation>
    </message>
    <message>
        <source>Memory Leak Detected.  Not all folder data was freed.</source>
        <extracomment>Shown when the program ends while records of the file list are still alive.</extracomment>
        <translation>检测到内存泄漏。并非所有文件夹数据都已释放。</translation>
    </message>
    <message>
        <source>Error parsing mask string.</source>
        <extracomment>The file list&apos;s filter, such as &quot;*.scn;*.scx&quot;, could not be read.</extracomment>
        <translation>解析文件筛选条件时出错。</translation>
    </message>
</context>
<context>
    <name>ShellItemCommands</name>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Open Containing &amp;Folder</source>
        <translation>打开所在文件夹(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Copy Path</source>
        <extracomment>Copies the path of the one item chosen in the file list or folder tree.</extracomment>
        <translation>复制路径(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Copy Paths</source>
        <extracomment>Copies the paths of the several items chosen in the file list, one per line.</extracomment>
        <translation>复制路径(&amp;C)</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>属性(&amp;R)</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>%1 KB</source>
        <extracomment>Kilobytes of memory; %1 is the figure.</extracomment>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>关于...</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Free software for the players and mod makers of both games.</source>
        <translation>为两款游戏的玩家和模组制作者提供的自由软件。</translation>
    </message>
    <message>
        <source>Comments and suggestions to:</source>
        <translation>意见和建议请发送至：</translation>
    </message>
    <message>
        <source>Memory available to Windows:</source>
        <translation>Windows 可用内存：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TCheckCampaignForm</name>
    <message>
        <source>%1 problems found (Scenario ▸ Check Campaign...)</source>
        <translation>发现 %1 个问题（场景 ▸ 检查战役...）</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A finding of the campaign check: %1 is the scenario&apos;s name, %2 the finding.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>No problems found (%1 scenarios).</source>
        <translation>未发现问题（共 %1 个场景）。</translation>
    </message>
    <message>
        <source>Check Campaign</source>
        <translation>检查战役</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>检查结果</translation>
    </message>
</context>
<context>
    <name>TDesktopFolder</name>
    <message>
        <source>Home</source>
        <extracomment>The user&apos;s home folder, at the top of the folder tree.</extracomment>
        <translation>主文件夹</translation>
    </message>
    <message>
        <source>Desktop Folder</source>
        <extracomment>The folder whose files the desktop shows, beside the home folder.</extracomment>
        <translation>桌面文件夹</translation>
    </message>
    <message>
        <source>File System</source>
        <extracomment>The root folder &quot;/&quot;, holding every file of the computer.</extracomment>
        <translation>文件系统</translation>
    </message>
    <message>
        <source>Desktop</source>
        <extracomment>The root of the folder tree, holding the home folder, the file system and volumes.</extracomment>
        <translation>桌面</translation>
    </message>
</context>
<context>
    <name>TDockAccessible</name>
    <message>
        <source>Top dock</source>
        <translation>顶部停靠区</translation>
    </message>
    <message>
        <source>Bottom dock</source>
        <translation>底部停靠区</translation>
    </message>
    <message>
        <source>Left dock</source>
        <translation>左侧停靠区</translation>
    </message>
    <message>
        <source>Right dock</source>
        <translation>右侧停靠区</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Folders</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Scenarios</source>
        <translation>场景</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>An Undo or Redo menu item: %1 is the item&apos;s caption, %2 the step it undoes or redoes (&quot;&amp;Undo Remove&quot;).</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>%1 Help</source>
        <translation>%1 帮助</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help is not available&lt;/h2&gt;&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; could not be found or read.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;帮助不可用&lt;/h2&gt;&lt;p&gt;找不到或无法读取帮助文件 &lt;b&gt;%1&lt;/b&gt;。&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>TOptionsForm</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Project Options</source>
        <translation>项目选项</translation>
    </message>
    <message>
        <source>Campaign Title:</source>
        <translation>战役标题：</translation>
    </message>
    <message>
        <source> Description </source>
        <translation> 说明 </translation>
    </message>
    <message>
        <source>Specify here a title if different from the actual Campaign filename, to revert from</source>
        <extracomment>The first of two lines; the sentence goes on in the next text.</extracomment>
        <translation>如果标题与战役的实际文件名不同，请在此处指定。若要不再使用</translation>
    </message>
    <message>
        <source>using the title above, clear the whole box and leave empty.</source>
        <translation>上面的标题而改回文件名，请清空整个文本框并保持为空。</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source> File Associations </source>
        <translation> 文件关联 </translation>
    </message>
    <message>
        <source>Associate Campaign files (*.cpn) with Brindlewick.</source>
        <translation>将战役文件 (*.cpn) 与 Brindlewick 关联。</translation>
    </message>
    <message>
        <source>Associate Expansion Campaign files (*.cpx) with Brindlewick.</source>
        <translation>将资料片战役文件 (*.cpx) 与 Brindlewick 关联。</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>Read-only</source>
        <translation>只读</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>隐藏</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>A file the system needs, which the user should leave alone.</extracomment>
        <translation>系统</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Link</source>
        <extracomment>A symbolic link.</extracomment>
        <translation>链接</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>The attributes of a file that has none of the marks read-only, hidden, system, folder or link.</extracomment>
        <translation>普通</translation>
    </message>
    <message>
        <source>%1 Properties</source>
        <extracomment>The title of the properties dialog; %1 is the file&apos;s name.</extracomment>
        <translation>%1 属性</translation>
    </message>
    <message>
        <source>%1 bytes (%2)</source>
        <extracomment>%1 is the size in bytes with &quot;,&quot; between groups of three digits, %2 the size in kilobytes as the file list shows it (&quot;1 KB&quot;).</extracomment>
        <translation>%1 字节（%2）</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>大小：</translation>
    </message>
    <message>
        <source>Modified:</source>
        <extracomment>The time the file was last written.</extracomment>
        <translation>修改时间：</translation>
    </message>
    <message>
        <source>Attributes:</source>
        <translation>属性：</translation>
    </message>
</context>
<context>
    <name>TScenarioListModel</name>
    <message>
        <source>Scenario Name</source>
        <translation>场景名称</translation>
    </message>
    <message>
        <source>Scenario Filename</source>
        <translation>场景文件名</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>偏移量</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
</context>
<context>
    <name>TStatusBarAccessible</name>
    <message>
        <source>Status Bar</source>
        <translation>状态栏</translation>
    </message>
</context>
<context>
    <name>TStoredTextValidator</name>
    <message>
        <source>A scenario name holds at most %1 bytes.</source>
        <translation>场景名称最多 %1 字节。</translation>
    </message>
    <message>
        <source>A scenario file name holds at most %1 bytes.</source>
        <translation>场景文件名最多 %1 字节。</translation>
    </message>
    <message>
        <source>A scenario name cannot hold control characters.</source>
        <translation>场景名称不能包含控制字符。</translation>
    </message>
    <message>
        <source>A scenario file name cannot hold control characters.</source>
        <translation>场景文件名不能包含控制字符。</translation>
    </message>
    <message>
        <source>The code page %1 cannot hold “%2”.</source>
        <translation>代码页 %1 无法表示“%2”。</translation>
    </message>
</context>
<context>
    <name>TSystemTreeView</name>
    <message>
        <source>Cannot open folder %1</source>
        <extracomment>%1 is the path of a folder that went away since the tree listed it.</extracomment>
        <translation>无法打开文件夹 %1。</translation>
    </message>
</context>
<context>
    <name>TToolWindowPartAccessible</name>
    <message>
        <source>Move %1</source>
        <extracomment>The grip a docked toolbar is dragged by; %1 is the toolbar&apos;s caption.</extracomment>
        <translation>移动%1</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The button that closes a floating toolbar&apos;s window.</extracomment>
        <translation>关闭</translation>
    </message>
</context>
</TS>
