<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AppTexts</name>
    <message>
        <source>Untitled.cpn</source>
        <extracomment>The file name a new campaign has until it is saved; keep the .cpn extension.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvane &amp; Meltharn Brindlewick will only run on a screen size of 800 x 600 or greater.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save any changes to the current Campaign?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campaigns|*.cpn|Expansion Campaigns|*.cpx</source>
        <extracomment>Translate the descriptions only; keep every &quot;|&quot; and pattern as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenarios|*.scn|Expansion Scenarios|*.scx</source>
        <extracomment>Translate the descriptions only; keep every &quot;|&quot; and pattern as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace Scenario With...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Scenario...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Scenario As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save All to Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving Scenarios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving the scenarios...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of the %2 scenario files already exists in %3.

Replace it, or skip it and save the others?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of the %2 scenario files already exist in %3.

Replace them, or skip them and save the others?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No web browser is set up to open %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot start the web browser %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CampaignMessages</name>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot lock file %1: another program is changing it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is either not an Quorvane/Meltharn Campaign or an unsupported version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is too large for a campaign: scenario files must be smaller than 2 GiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The campaign would be %1 bytes long, more than the 2,147,483,647 bytes a campaign file can hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is shorter than four bytes and has no version text to set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown text encoding %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: unknown code page &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scenario %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no version text of either game (1.10, 1.11 or 1.18)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2) and %3 (%4) are for different games: no game plays both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 unused bytes at %2-%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the payload of %1 starts inside the header or the entry table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the payloads of %1 and %2 overlap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes after the last payload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is shorter than the 264-byte header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the version text is not 1.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the title fills its field without a zero byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the entry count is negative (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the entry table is cut short: %1 of %2 records are in the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name of %1 fills its field without a zero byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file name of %1 fills its field without a zero byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has a negative offset or size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the payload of %1 reaches past the end of the file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainCommands</name>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace Scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert After...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Scenario After...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save to File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Scenario To Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Set to Version...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvane - &amp;Trial Version (1.10)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quorvane (1.11)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Meltharn (1.18)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;All to Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check &amp;Campaign...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;mall Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Detials</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quorvane Heaven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Meltharn Heaven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Scenario Version</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainToolbars</name>
    <message>
        <source>Menu</source>
        <extracomment>The caption of the toolbar that holds the menus, shown when it floats.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtDialogService</name>
    <message>
        <source>&amp;Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Skip Existing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScenarioCommands</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>%1 KB</source>
        <extracomment>Kilobytes of memory; %1 is the figure.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free software for the players and mod makers of both games.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments and suggestions to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory available to Windows:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCheckCampaignForm</name>
    <message>
        <source>%1 problems found (Scenario ▸ Check Campaign...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A finding of the campaign check: %1 is the scenario&apos;s name, %2 the finding.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No problems found (%1 scenarios).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Campaign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Findings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenarios</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>%1 Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help is not available&lt;/h2&gt;&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; could not be found or read.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TOptionsForm</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campaign Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Description </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify here a title if different from the actual Campaign filename, to revert from</source>
        <extracomment>The first of two lines; the sentence goes on in the next text.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>using the title above, clear the whole box and leave empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> File Associations </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Associate Campaign files (*.cpn) with Brindlewick.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Associate Expansion Campaign files (*.cpx) with Brindlewick.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TScenarioListModel</name>
    <message>
        <source>Scenario Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario Filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TStoredTextValidator</name>
    <message>
        <source>A scenario name holds at most %1 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A scenario file name holds at most %1 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A scenario name cannot hold control characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A scenario file name cannot hold control characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The code page %1 cannot hold “%2”.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
