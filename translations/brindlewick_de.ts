<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AppTexts</name>
    <message>
        <source>Untitled.cpn</source>
        <extracomment>The file name a new campaign has until it is saved; keep the .cpn extension.</extracomment>
        <translation>Unbenannt.cpn</translation>
    </message>
    <message>
        <source>Quorvane &amp; Meltharn Brindlewick will only run on a screen size of 800 x 600 or greater.</source>
        <translation>Quorvane &amp; Meltharn Brindlewick läuft nur bei einer Bildschirmgröße von mindestens 800 x 600.</translation>
    </message>
    <message>
        <source>Do you want to save any changes to the current Campaign?</source>
        <translation>Möchten Sie die Änderungen an der aktuellen Kampagne speichern?</translation>
    </message>
    <message>
        <source>Campaigns|*.cpn|Expansion Campaigns|*.cpx</source>
        <extracomment>Translate the descriptions only; keep every &quot;|&quot; and pattern as it is.</extracomment>
        <translation>Kampagnen|*.cpn|Erweiterungskampagnen|*.cpx</translation>
    </message>
    <message>
        <source>Scenarios|*.scn|Expansion Scenarios|*.scx</source>
        <extracomment>Translate the descriptions only; keep every &quot;|&quot; and pattern as it is.</extracomment>
        <translation>Szenarien|*.scn|Erweiterungsszenarien|*.scx</translation>
    </message>
    <message>
        <source>Replace Scenario With...</source>
        <translation>Szenario ersetzen durch...</translation>
    </message>
    <message>
        <source>Insert Scenario...</source>
        <translation>Szenario einfügen...</translation>
    </message>
    <message>
        <source>Save Scenario As...</source>
        <translation>Szenario speichern unter...</translation>
    </message>
    <message>
        <source>Save All to Folder</source>
        <translation>Alle in Ordner speichern</translation>
    </message>
    <message>
        <source>Saving Scenarios</source>
        <translation>Szenarien speichern</translation>
    </message>
    <message>
        <source>Saving the scenarios...</source>
        <translation>Die Szenarien werden gespeichert...</translation>
    </message>
    <message>
        <source>%1 of the %2 scenario files already exists in %3.

Replace it, or skip it and save the others?</source>
        <translation>%1 der %2 Szenariodateien ist in %3 schon vorhanden.

Ersetzen oder überspringen und die übrigen speichern?</translation>
    </message>
    <message>
        <source>%1 of the %2 scenario files already exist in %3.

Replace them, or skip them and save the others?</source>
        <translation>%1 der %2 Szenariodateien sind in %3 schon vorhanden.

Ersetzen oder überspringen und die übrigen speichern?</translation>
    </message>
    <message>
        <source>No web browser is set up to open %1</source>
        <translation>Es ist kein Webbrowser eingerichtet, der %1 öffnen kann</translation>
    </message>
    <message>
        <source>Cannot start the web browser %1</source>
        <translation>Der Webbrowser %1 kann nicht gestartet werden</translation>
    </message>
</context>
<context>
    <name>CampaignMessages</name>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Die Datei %1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>Cannot read file %1: %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot lock file %1: another program is changing it</source>
        <translation>Die Datei %1 kann nicht gesperrt werden: Ein anderes Programm ändert sie gerade</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Lesefehler im Datenstrom</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Schreibfehler im Datenstrom</translation>
    </message>
    <message>
        <source>The file %1 is either not an Quorvane/Meltharn Campaign or an unsupported version.</source>
        <translation>Die Datei %1 ist entweder keine Quorvane/Meltharn-Kampagne oder eine nicht unterstützte Version.</translation>
    </message>
    <message>
        <source>The file %1 is too large for a campaign: scenario files must be smaller than 2 GiB</source>
        <translation>Die Datei %1 ist zu groß für eine Kampagne: Szenariodateien müssen kleiner als 2 GiB sein</translation>
    </message>
    <message>
        <source>The campaign would be %1 bytes long, more than the 2,147,483,647 bytes a campaign file can hold</source>
        <translation>Die Kampagne wäre %1 Byte lang, mehr als die 2.147.483.647 Byte, die eine Kampagnendatei fassen kann</translation>
    </message>
    <message>
        <source>%1 is shorter than four bytes and has no version text to set</source>
        <translation>%1 ist kürzer als vier Byte und hat keinen Versionstext, der sich setzen ließe</translation>
    </message>
    <message>
        <source>Unknown text encoding %1</source>
        <translation>Unbekannte Textkodierung %1</translation>
    </message>
    <message>
        <source>%1: unknown code page &quot;%2&quot;</source>
        <translation>%1: unbekannte Codepage „%2“</translation>
    </message>
    <message>
        <source>scenario %1</source>
        <translation>Szenario %1</translation>
    </message>
    <message>
        <source>%1 has no version text of either game (1.10, 1.11 or 1.18)</source>
        <translation>%1 hat keinen Versionstext eines der beiden Spiele (1.10, 1.11 oder 1.18)</translation>
    </message>
    <message>
        <source>%1 (%2) and %3 (%4) are for different games: no game plays both</source>
        <translation>%1 (%2) und %3 (%4) gehören zu verschiedenen Spielen: Kein Spiel spielt beide</translation>
    </message>
    <message>
        <source>%1 unused bytes at %2-%3</source>
        <translation>%1 ungenutzte Bytes bei %2-%3</translation>
    </message>
    <message>
        <source>the payload of %1 starts inside the header or the entry table</source>
        <translation>Die Nutzdaten von %1 beginnen im Dateikopf oder in der Eintragstabelle</translation>
    </message>
    <message>
        <source>the payloads of %1 and %2 overlap</source>
        <translation>Die Nutzdaten von %1 und %2 überlappen sich</translation>
    </message>
    <message>
        <source>%1 bytes after the last payload</source>
        <translation>%1 Bytes nach den letzten Nutzdaten</translation>
    </message>
    <message>
        <source>the file is shorter than the 264-byte header</source>
        <translation>Die Datei ist kürzer als der 264 Byte lange Dateikopf</translation>
    </message>
    <message>
        <source>the version text is not 1.00</source>
        <translation>Der Versionstext ist nicht 1.00</translation>
    </message>
    <message>
        <source>the title fills its field without a zero byte</source>
        <translation>Der Titel füllt sein Feld ohne Nullbyte</translation>
    </message>
    <message>
        <source>the entry count is negative (%1)</source>
        <translation>Die Anzahl der Einträge ist negativ (%1)</translation>
    </message>
    <message>
        <source>the entry table is cut short: %1 of %2 records are in the file</source>
        <translation>Die Eintragstabelle ist abgeschnitten: %1 von %2 Einträgen stehen in der Datei</translation>
    </message>
    <message>
        <source>the name of %1 fills its field without a zero byte</source>
        <translation>Der Name von %1 füllt sein Feld ohne Nullbyte</translation>
    </message>
    <message>
        <source>the file name of %1 fills its field without a zero byte</source>
        <translation>Der Dateiname von %1 füllt sein Feld ohne Nullbyte</translation>
    </message>
    <message>
        <source>%1 has a negative offset or size</source>
        <translation>%1 hat einen negativen Offset oder eine negative Größe</translation>
    </message>
    <message>
        <source>the payload of %1 reaches past the end of the file</source>
        <translation>Die Nutzdaten von %1 reichen über das Dateiende hinaus</translation>
    </message>
</context>
<context>
    <name>DesktopPlaces</name>
    <message>
        <source>Home</source>
        <extracomment>The user&apos;s home folder, at the top of the folder tree.</extracomment>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message>
        <source>Desktop Folder</source>
        <extracomment>The folder whose files the desktop shows, beside the home folder.</extracomment>
        <translation>Desktop-Ordner</translation>
    </message>
    <message>
        <source>File System</source>
        <extracomment>The root folder &quot;/&quot;, holding every file of the computer.</extracomment>
        <translation>Dateisystem</translation>
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
        <translation>Die Daten für „%1“ konnten nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>ItemDetails</name>
    <message>
        <source>System Folder</source>
        <extracomment>The type column of the desktop&apos;s places (home, file system, volumes).</extracomment>
        <translation>Systemordner</translation>
    </message>
</context>
<context>
    <name>ItemFacts</name>
    <message>
        <source>%1 File</source>
        <extracomment>The type of a file no program claims; %1 is its extension in capitals (&quot;SCX&quot;).</extracomment>
        <translation>%1-Datei</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>The type of a file without an extension that no program claims.</extracomment>
        <translation>Datei</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Modified</source>
        <extracomment>The time a file was last written.</extracomment>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Attributes</source>
        <extracomment>Letters for the read-only, hidden, system and archive marks of a file.</extracomment>
        <translation>Attribute</translation>
    </message>
    <message>
        <source>Total Size</source>
        <extracomment>The capacity of a drive.</extracomment>
        <translation>Gesamtgröße</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Freier Speicher</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Documents</source>
        <extracomment>The number of documents waiting for a printer.</extracomment>
        <translation>Dokumente</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>Whether a printer is ready, busy or out of paper.</extracomment>
        <translation>Status</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Entry name</source>
        <extracomment>A dial-up network connection&apos;s name.</extracomment>
        <translation>Eintragsname</translation>
    </message>
    <message>
        <source>Phone #</source>
        <extracomment>The telephone number a dial-up connection calls.</extracomment>
        <translation>Rufnummer</translation>
    </message>
    <message>
        <source>Device name</source>
        <extracomment>The modem a dial-up connection uses.</extracomment>
        <translation>Gerätename</translation>
    </message>
</context>
<context>
    <name>MainCommands</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add Scenario</source>
        <translation>Szenario hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Remove Scenario</source>
        <translation>Szenario entfernen</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>E&amp;rsetzen</translation>
    </message>
    <message>
        <source>Replace Scenario</source>
        <translation>Szenario ersetzen</translation>
    </message>
    <message>
        <source>&amp;Insert After...</source>
        <translation>E&amp;infügen nach...</translation>
    </message>
    <message>
        <source>Insert Scenario After...</source>
        <translation>Szenario einfügen nach...</translation>
    </message>
    <message>
        <source>&amp;Save to File...</source>
        <translation>In Datei &amp;speichern...</translation>
    </message>
    <message>
        <source>Save Scenario To Disk</source>
        <translation>Szenario auf Datenträger speichern</translation>
    </message>
    <message>
        <source>&amp;Set to Version...</source>
        <translation>Auf &amp;Version setzen...</translation>
    </message>
    <message>
        <source>Quorvane - &amp;Trial Version (1.10)</source>
        <translation>Quorvane - &amp;Testversion (1.10)</translation>
    </message>
    <message>
        <source>&amp;Quorvane (1.11)</source>
        <translation>&amp;Quorvane (1.11)</translation>
    </message>
    <message>
        <source>&amp;Meltharn (1.18)</source>
        <translation>&amp;Meltharn (1.18)</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach u&amp;nten</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>Save &amp;All to Folder...</source>
        <translation>&amp;Alle in Ordner speichern...</translation>
    </message>
    <message>
        <source>Check &amp;Campaign...</source>
        <translation>Kampagne &amp;prüfen...</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>&amp;Große Symbole</translation>
    </message>
    <message>
        <source>Large Icons</source>
        <translation>Große Symbole</translation>
    </message>
    <message>
        <source>S&amp;mall Icons</source>
        <translation>&amp;Kleine Symbole</translation>
    </message>
    <message>
        <source>Small Icons</source>
        <translation>Kleine Symbole</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>&amp;Detials</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Quorvane Heaven</source>
        <translation>&amp;Quorvane Heaven</translation>
    </message>
    <message>
        <source>&amp;Meltharn Heaven</source>
        <translation>&amp;Meltharn Heaven</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>Set Scenario Version</source>
        <translation>Szenarioversion setzen</translation>
    </message>
</context>
<context>
    <name>MainToolbars</name>
    <message>
        <source>Menu</source>
        <extracomment>The caption of the toolbar that holds the menus, shown when it floats.</extracomment>
        <translation>Menü</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Scenario</source>
        <translation>&amp;Szenario</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Standard Toolbar</source>
        <translation>Standard-Symbolleiste</translation>
    </message>
</context>
<context>
    <name>QtDialogService</name>
    <message>
        <source>&amp;Replace</source>
        <translation>E&amp;rsetzen</translation>
    </message>
    <message>
        <source>&amp;Skip Existing</source>
        <translation>&amp;Vorhandene überspringen</translation>
    </message>
</context>
<context>
    <name>ScenarioCommands</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ShellControls</name>
    <message>
        <source>Could not get the root folder.</source>
        <translation>Der Stammordner konnte nicht ermittelt werden.</translation>
    </message>
    <message>
        <source>Could not enumerate system objects.</source>
        <translation>Die Systemobjekte konnten nicht aufgelistet werden.</translation>
    </message>
    <message>
        <source>Could not get folder data.</source>
        <translation>Die Ordnerdaten konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Could not find folder.</source>
        <translation>Der Ordner wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Could not get Desktop folder.</source>
        <translation>Der Desktop-Ordner konnte nicht ermittelt werden.</translation>
    </message>
    <message>
        <source>InvokeCommand failed. Result = $%x</source>
        <extracomment>Running a command on a file failed; &quot;$%x&quot; stands for the hexadecimal error code.</extracomment>
        <translation>Der Befehl konnte nicht ausgeführt werden. Ergebnis = $%x</translation>
    </message>
    <message>
        <source>Could not get UI object. Result = $%x</source>
        <extracomment>A file&apos;s menu could not be made; &quot;$%x&quot; stands for the hexadecimal error code.</extracomment>
        <translation>Das Menü der Datei konnte nicht erstellt werden. Ergebnis = $%x</translation>
    </message>
    <message>
        <source>Memory Leak Detected.  Not all folder data was freed.</source>
        <extracomment>Shown when the program ends while records of the file list are still alive.</extracomment>
        <translation>Speicherleck entdeckt.  Nicht alle Ordnerdaten wurden freigegeben.</translation>
    </message>
    <message>
        <source>Error parsing mask string.</source>
        <extracomment>The file list&apos;s filter, such as &quot;*.scn;*.scx&quot;, could not be read.</extracomment>
        <translation>Fehler beim Auswerten der Dateimaske.</translation>
    </message>
</context>
<context>
    <name>ShellItemCommands</name>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open Containing &amp;Folder</source>
        <translation>Enthaltenden &amp;Ordner öffnen</translation>
    </message>
    <message>
        <source>&amp;Copy Path</source>
        <extracomment>Copies the path of the one item chosen in the file list or folder tree.</extracomment>
        <translation>&amp;Pfad kopieren</translation>
    </message>
    <message>
        <source>&amp;Copy Paths</source>
        <extracomment>Copies the paths of the several items chosen in the file list, one per line.</extracomment>
        <translation>&amp;Pfade kopieren</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Eigenschaften</translation>
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
        <translation>Über...</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Free software for the players and mod makers of both games.</source>
        <translation>Freie Software für die Spieler und Mod-Ersteller beider Spiele.</translation>
    </message>
    <message>
        <source>Comments and suggestions to:</source>
        <translation>Kommentare und Vorschläge an:</translation>
    </message>
    <message>
        <source>Memory available to Windows:</source>
        <translation>Für Windows verfügbarer Speicher:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TCheckCampaignForm</name>
    <message>
        <source>%1 problems found (Scenario ▸ Check Campaign...)</source>
        <translation>%1 Probleme gefunden (Szenario ▸ Kampagne prüfen...)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A finding of the campaign check: %1 is the scenario&apos;s name, %2 the finding.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No problems found (%1 scenarios).</source>
        <translation>Keine Probleme gefunden (%1 Szenarien).</translation>
    </message>
    <message>
        <source>Check Campaign</source>
        <translation>Kampagne prüfen</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Befunde</translation>
    </message>
</context>
<context>
    <name>TDesktopFolder</name>
    <message>
        <source>Home</source>
        <extracomment>The user&apos;s home folder, at the top of the folder tree.</extracomment>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message>
        <source>Desktop Folder</source>
        <extracomment>The folder whose files the desktop shows, beside the home folder.</extracomment>
        <translation>Desktop-Ordner</translation>
    </message>
    <message>
        <source>File System</source>
        <extracomment>The root folder &quot;/&quot;, holding every file of the computer.</extracomment>
        <translation>Dateisystem</translation>
    </message>
    <message>
        <source>Desktop</source>
        <extracomment>The root of the folder tree, holding the home folder, the file system and volumes.</extracomment>
        <translation>Desktop</translation>
    </message>
</context>
<context>
    <name>TDockAccessible</name>
    <message>
        <source>Top dock</source>
        <translation>Andockbereich oben</translation>
    </message>
    <message>
        <source>Bottom dock</source>
        <translation>Andockbereich unten</translation>
    </message>
    <message>
        <source>Left dock</source>
        <translation>Andockbereich links</translation>
    </message>
    <message>
        <source>Right dock</source>
        <translation>Andockbereich rechts</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Scenarios</source>
        <translation>Szenarien</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>An Undo or Redo menu item: %1 is the item&apos;s caption, %2 the step it undoes or redoes (&quot;&amp;Undo Remove&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>%1 Help</source>
        <translation>%1-Hilfe</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help is not available&lt;/h2&gt;&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; could not be found or read.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Hilfe ist nicht verfügbar&lt;/h2&gt;&lt;p&gt;Die Hilfedatei &lt;b&gt;%1&lt;/b&gt; konnte nicht gefunden oder gelesen werden.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>TOptionsForm</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Project Options</source>
        <translation>Projektoptionen</translation>
    </message>
    <message>
        <source>Campaign Title:</source>
        <translation>Kampagnentitel:</translation>
    </message>
    <message>
        <source> Description </source>
        <translation> Beschreibung </translation>
    </message>
    <message>
        <source>Specify here a title if different from the actual Campaign filename, to revert from</source>
        <extracomment>The first of two lines; the sentence goes on in the next text.</extracomment>
        <translation>Geben Sie hier einen Titel an, wenn er vom Namen der Kampagnendatei abweichen</translation>
    </message>
    <message>
        <source>using the title above, clear the whole box and leave empty.</source>
        <translation>soll. Um wieder den Dateinamen zu verwenden, leeren Sie das Feld ganz.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source> File Associations </source>
        <translation> Dateizuordnungen </translation>
    </message>
    <message>
        <source>Associate Campaign files (*.cpn) with Brindlewick.</source>
        <translation>Kampagnendateien (*.cpn) mit Brindlewick verknüpfen.</translation>
    </message>
    <message>
        <source>Associate Expansion Campaign files (*.cpx) with Brindlewick.</source>
        <translation>Erweiterungskampagnendateien (*.cpx) mit Brindlewick verknüpfen.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>Read-only</source>
        <translation>Schreibgeschützt</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Versteckt</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>A file the system needs, which the user should leave alone.</extracomment>
        <translation>System</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Link</source>
        <extracomment>A symbolic link.</extracomment>
        <translation>Verknüpfung</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>The attributes of a file that has none of the marks read-only, hidden, system, folder or link.</extracomment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>%1 Properties</source>
        <extracomment>The title of the properties dialog; %1 is the file&apos;s name.</extracomment>
        <translation>Eigenschaften von %1</translation>
    </message>
    <message>
        <source>%1 bytes (%2)</source>
        <extracomment>%1 is the size in bytes with &quot;,&quot; between groups of three digits, %2 the size in kilobytes as the file list shows it (&quot;1 KB&quot;).</extracomment>
        <translation>%1 Byte (%2)</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <extracomment>The time the file was last written.</extracomment>
        <translation>Geändert:</translation>
    </message>
    <message>
        <source>Attributes:</source>
        <translation>Attribute:</translation>
    </message>
</context>
<context>
    <name>TScenarioListModel</name>
    <message>
        <source>Scenario Name</source>
        <translation>Szenarioname</translation>
    </message>
    <message>
        <source>Scenario Filename</source>
        <translation>Szenariodateiname</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
</context>
<context>
    <name>TStatusBarAccessible</name>
    <message>
        <source>Status Bar</source>
        <translation>Statusleiste</translation>
    </message>
</context>
<context>
    <name>TStoredTextValidator</name>
    <message>
        <source>A scenario name holds at most %1 bytes.</source>
        <translation>Ein Szenarioname fasst höchstens %1 Byte.</translation>
    </message>
    <message>
        <source>A scenario file name holds at most %1 bytes.</source>
        <translation>Ein Szenariodateiname fasst höchstens %1 Byte.</translation>
    </message>
    <message>
        <source>A scenario name cannot hold control characters.</source>
        <translation>Ein Szenarioname darf keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>A scenario file name cannot hold control characters.</source>
        <translation>Ein Szenariodateiname darf keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>The code page %1 cannot hold “%2”.</source>
        <translation>Die Codepage %1 kann „%2“ nicht darstellen.</translation>
    </message>
</context>
<context>
    <name>TSystemTreeView</name>
    <message>
        <source>Cannot open folder %1</source>
        <extracomment>%1 is the path of a folder that went away since the tree listed it.</extracomment>
        <translation>Der Ordner %1 kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>TToolWindowPartAccessible</name>
    <message>
        <source>Move %1</source>
        <extracomment>The grip a docked toolbar is dragged by; %1 is the toolbar&apos;s caption.</extracomment>
        <translation>%1 verschieben</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The button that closes a floating toolbar&apos;s window.</extracomment>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
