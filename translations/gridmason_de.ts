<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Gridmason</source>
        <translation>Über Gridmason</translation>
    </message>
    <message>
        <source>Gridmason %1
A level editor for episodes 1 to 3 of the DOS game Keen.

Released under the MIT licence: free to use, copy, change and pass on, without warranty. The full text is in:
%2

Settings are kept in:
%3</source>
        <translation>Gridmason %1
Ein Level-Editor für die Episoden 1 bis 3 des DOS-Spiels Keen.

Veröffentlicht unter der MIT-Lizenz: frei zu verwenden, zu kopieren, zu ändern und weiterzugeben, ohne Gewährleistung. Der vollständige Text steht in:
%2

Einstellungen werden gespeichert in:
%3</translation>
    </message>
</context>
<context>
    <name>BmpLayout</name>
    <message>
        <source>its header puts %1 bytes of pixel data at byte %2, but the file ends after %3 bytes</source>
        <translation>ihr Kopf legt %1 Byte Pixeldaten an Byte %2, aber die Datei endet nach %3 Byte</translation>
    </message>
</context>
<context>
    <name>BoundedFileReader</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not an ordinary file (a device, pipe or socket)</source>
        <translation>es ist keine gewöhnliche Datei (ein Gerät, eine Pipe oder ein Socket)</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; cannot be read: %3.</source>
        <translation>%1 „%2“ kann nicht gelesen werden: %3.</translation>
    </message>
    <message>
        <source>it is %1 bytes long, more than the %2 a %3 can hold</source>
        <translation>sie ist %1 Byte lang; als %3 darf sie höchstens %2 haben</translation>
    </message>
    <message>
        <source>it is more than the %1 bytes a %2 can hold</source>
        <translation>als %2 darf sie höchstens %1 Byte haben</translation>
    </message>
</context>
<context>
    <name>BucketFillTool</name>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
</context>
<context>
    <name>CellFinder</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>%1: %2,%3</source>
        <translation>%1: %2,%3</translation>
    </message>
    <message>
        <source>No cell holds tile %1</source>
        <translation>Keine Zelle enthält Kachel %1</translation>
    </message>
    <message>
        <source>No cell holds info value %1</source>
        <translation>Keine Zelle enthält Infowert %1</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 Zelle</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 Zellen</translation>
    </message>
    <message>
        <source>in 1 level</source>
        <translation>in 1 Level</translation>
    </message>
    <message>
        <source>in %1 levels</source>
        <translation>in %1 Levels</translation>
    </message>
</context>
<context>
    <name>CellReplacement</name>
    <message>
        <source>Replace Tile</source>
        <translation>Kachel ersetzen</translation>
    </message>
    <message>
        <source>Replace Value</source>
        <translation>Wert ersetzen</translation>
    </message>
</context>
<context>
    <name>CellSelection</name>
    <message>
        <source>Selection %1,%2: %3 x %4</source>
        <translation>Auswahl %1,%2: %3 × %4</translation>
    </message>
    <message numerus="yes">
        <source>, %n cells</source>
        <translation>
            <numerusform>, %n Zelle</numerusform>
            <numerusform>, %n Zellen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CheckFinding</name>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>note</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>ClipboardCodec</name>
    <message>
        <source>The cells on the clipboard are damaged: %1.</source>
        <translation>Die Zellen in der Zwischenablage sind beschädigt: %1.</translation>
    </message>
    <message>
        <source>The clipboard text is not a block of cells: %1.</source>
        <translation>Der Text in der Zwischenablage ist kein Zellenblock: %1.</translation>
    </message>
    <message>
        <source>it holds more than %1 cells, the most a level can have</source>
        <translation>er enthält mehr als %1 Zellen, das Höchste, was ein Level haben kann</translation>
    </message>
    <message>
        <source>line %1 has %2 values where the lines before it have %3</source>
        <translation>Zeile %1 hat %2 Werte, die Zeilen davor haben %3</translation>
    </message>
    <message>
        <source>value %1 on line %2 is not a whole number: %3</source>
        <translation>Wert %1 in Zeile %2 ist keine ganze Zahl: %3</translation>
    </message>
    <message>
        <source>value %1 on line %2, %3, is outside -32768 to 32767</source>
        <translation>Wert %1 in Zeile %2, %3, liegt außerhalb von -32768 bis 32767</translation>
    </message>
    <message>
        <source>it has more than two blocks of numbers (line %1)</source>
        <translation>er hat mehr als zwei Zahlenblöcke (Zeile %1)</translation>
    </message>
    <message>
        <source>it holds no numbers</source>
        <translation>er enthält keine Zahlen</translation>
    </message>
    <message>
        <source>the info values are %1 by %2 cells, the tiles %3 by %4</source>
        <translation>die Infowerte sind %1 × %2 Zellen groß, die Kacheln %3 × %4</translation>
    </message>
    <message>
        <source>they do not start with the mark of a block of cells</source>
        <translation>sie beginnen nicht mit der Kennung eines Zellenblocks</translation>
    </message>
    <message>
        <source>they were written by another version of the program</source>
        <translation>sie wurden von einer anderen Version des Programms geschrieben</translation>
    </message>
    <message>
        <source>episode %1 is not one of 1 to 3</source>
        <translation>Episode %1 ist nicht eine von 1 bis 3</translation>
    </message>
    <message>
        <source>the block has no cells</source>
        <translation>der Block hat keine Zellen</translation>
    </message>
    <message>
        <source>unknown flags %1</source>
        <translation>unbekannte Kennzeichen %1</translation>
    </message>
    <message>
        <source>they are %1 bytes long where a block of %2 by %3 takes %4</source>
        <translation>sie sind %1 Byte lang, wo ein Block von %2 × %3 Zellen %4 braucht</translation>
    </message>
    <message>
        <source>cell %1,%2 is marked %3, neither held nor left out</source>
        <translation>Zelle %1,%2 ist mit %3 markiert, weder enthalten noch ausgelassen</translation>
    </message>
    <message>
        <source>it is %1 characters long, more than the %2 of the largest block a level can hold</source>
        <translation>er ist %1 Zeichen lang, mehr als die %2 des größten Blocks, den ein Level haben kann</translation>
    </message>
    <message>
        <source>The clipboard holds no cells and no text.</source>
        <translation>Die Zwischenablage enthält weder Zellen noch Text.</translation>
    </message>
</context>
<context>
    <name>CloseAllQuestion</name>
    <message>
        <source>Close All</source>
        <translation>Alle schließen</translation>
    </message>
    <message>
        <source>These levels have changed since they were last saved:</source>
        <translation>Diese Levels wurden seit dem letzten Speichern geändert:</translation>
    </message>
    <message>
        <source>Do you want to save them?</source>
        <translation>Möchten Sie sie speichern?</translation>
    </message>
</context>
<context>
    <name>ContactSheet</name>
    <message>
        <source>There is no level to put on the sheet.</source>
        <translation>Es gibt kein Level für den Kontaktbogen.</translation>
    </message>
    <message>
        <source>The sheet would be %1 x %2 pixels, more than a picture may be; choose a smaller zoom.</source>
        <translation>Der Bogen wäre %1 × %2 Pixel groß, mehr als ein Bild sein darf; wählen Sie einen kleineren Zoom.</translation>
    </message>
    <message>
        <source>There is not enough memory for a sheet of %1 x %2 pixels.</source>
        <translation>Es ist nicht genug Speicher für einen Bogen von %1 × %2 Pixeln da.</translation>
    </message>
</context>
<context>
    <name>DiskChangeBar</name>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>Show the level as it is now in its file. Unsaved changes are one Edit, Undo away.</source>
        <translation>Das Level so zeigen, wie es jetzt in seiner Datei steht. Ungespeicherte Änderungen sind mit Bearbeiten, Rückgängig zurückzuholen.</translation>
    </message>
    <message>
        <source>&amp;Keep mine</source>
        <translation>&amp;Meine behalten</translation>
    </message>
    <message>
        <source>Go on with the level as it is in this window; saving it asks before the other program&apos;s file is overwritten.</source>
        <translation>Mit dem Level weiterarbeiten, wie es in diesem Fenster ist; beim Speichern wird gefragt, bevor die Datei des anderen Programms überschrieben wird.</translation>
    </message>
    <message>
        <source>%1 was changed by another program.</source>
        <translation>%1 wurde von einem anderen Programm geändert.</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program. Saving writes it again.</source>
        <translation>%1 wurde von einem anderen Programm gelöscht oder verschoben. Speichern schreibt es neu.</translation>
    </message>
</context>
<context>
    <name>DosProgram</name>
    <message>
        <source>it is only %1 bytes long, shorter than a DOS program&apos;s header</source>
        <translation>sie ist nur %1 Byte lang, kürzer als der Kopf eines DOS-Programms</translation>
    </message>
    <message>
        <source>it is not a DOS program (it does not start with &quot;MZ&quot;)</source>
        <translation>sie ist kein DOS-Programm (sie beginnt nicht mit „MZ“)</translation>
    </message>
    <message>
        <source>its header is damaged (a header of %1 bytes in an image of %2 bytes)</source>
        <translation>ihr Kopf ist beschädigt (ein Kopf von %1 Byte in einem Abbild von %2 Byte)</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; cannot be read: %2.</source>
        <translation>Das Programm „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>it is %1 bytes long, but its header declares %2</source>
        <translation>sie ist %1 Byte lang, aber ihr Kopf gibt %2 an</translation>
    </message>
    <message>
        <source>program</source>
        <translation>Programm</translation>
    </message>
</context>
<context>
    <name>EditToolBox</name>
    <message>
        <source>&amp;Brush</source>
        <translation>&amp;Pinsel</translation>
    </message>
    <message>
        <source>paint the button&apos;s tile or sprite</source>
        <translation>die Kachel oder das Sprite der Taste malen</translation>
    </message>
    <message>
        <source>Rectangle &amp;Select</source>
        <translation>Rechteck&amp;auswahl</translation>
    </message>
    <message>
        <source>drag to select, Shift extends, drag inside the selection to move it</source>
        <translation>ziehen zum Auswählen, Umschalt erweitert, Ziehen in der Auswahl verschiebt sie</translation>
    </message>
    <message>
        <source>Bucket &amp;Fill</source>
        <translation>&amp;Fülleimer</translation>
    </message>
    <message>
        <source>&amp;Rectangle Fill</source>
        <translation>&amp;Rechteck füllen</translation>
    </message>
    <message>
        <source>drag to fill a rectangle</source>
        <translation>ziehen, um ein Rechteck zu füllen</translation>
    </message>
    <message>
        <source>&amp;Line</source>
        <translation>&amp;Linie</translation>
    </message>
    <message>
        <source>drag to draw a straight line of cells</source>
        <translation>ziehen, um eine gerade Linie von Zellen zu zeichnen</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>A&amp;usschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Paste T&amp;iles Only</source>
        <translation>Nur Ka&amp;cheln einfügen</translation>
    </message>
    <message>
        <source>Paste &amp;Sprites Only</source>
        <translation>Nur &amp;Sprites einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>Select &amp;None</source>
        <translation>Auswahl auf&amp;heben</translation>
    </message>
    <message>
        <source>P&amp;lace Pasted Block</source>
        <translation>Eingefügten Block &amp;platzieren</translation>
    </message>
    <message>
        <source>Use Selection as Sta&amp;mp</source>
        <translation>Auswahl als Stempel &amp;verwenden</translation>
    </message>
    <message>
        <source>Paste the tiles alone: the sprites and info values under the block stay</source>
        <translation>Nur die Kacheln einfügen: Sprites und Infowerte unter dem Block bleiben</translation>
    </message>
    <message>
        <source>Paste the sprites and info values alone: the tiles under the block stay</source>
        <translation>Nur die Sprites und Infowerte einfügen: die Kacheln unter dem Block bleiben</translation>
    </message>
    <message>
        <source>Copy the selection, then leave the level&apos;s empty tile (%1, the tile a new level is filled with) and no info values in its cells</source>
        <translation>Die Auswahl kopieren und dann in ihren Zellen die leere Kachel des Levels (%1, die Kachel, mit der ein neues Level gefüllt wird) und keine Infowerte hinterlassen</translation>
    </message>
    <message>
        <source>Leave the level&apos;s empty tile (%1, the tile a new level is filled with) and no info values in the selected cells</source>
        <translation>In den ausgewählten Zellen die leere Kachel des Levels (%1, die Kachel, mit der ein neues Level gefüllt wird) und keine Infowerte hinterlassen</translation>
    </message>
    <message>
        <source>The clipboard is empty.</source>
        <translation>Die Zwischenablage ist leer.</translation>
    </message>
    <message>
        <source>The cells on the clipboard hold tiles only: there are no sprites or info values to paste.</source>
        <translation>Die Zellen in der Zwischenablage enthalten nur Kacheln: es gibt keine Sprites oder Infowerte zum Einfügen.</translation>
    </message>
    <message>
        <source>The cells on the clipboard hold no tiles to paste.</source>
        <translation>Die Zellen in der Zwischenablage enthalten keine Kacheln zum Einfügen.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>A block from episode %1: pasted as episode %2&apos;s numbers.</source>
        <translation>Ein Block aus Episode %1: als Nummern von Episode %2 eingefügt.</translation>
    </message>
    <message>
        <source>Select Same &amp;Tile</source>
        <translation>Gleiche &amp;Kachel auswählen</translation>
    </message>
    <message>
        <source>click to select every cell of the level holding that tile, Shift+click adds, Ctrl+click removes</source>
        <translation>klicken, um jede Zelle des Levels mit dieser Kachel auszuwählen, Umschalt+Klick fügt hinzu, Strg+Klick entfernt</translation>
    </message>
    <message>
        <source>Magic &amp;Wand</source>
        <translation>&amp;Zauberstab</translation>
    </message>
    <message>
        <source>click to select the area of equal tiles joined to the cell, Shift+click adds, Ctrl+click removes</source>
        <translation>klicken, um die zusammenhängende Fläche gleicher Kacheln an der Zelle auszuwählen, Umschalt+Klick fügt hinzu, Strg+Klick entfernt</translation>
    </message>
    <message>
        <source>fill the area of equal tiles under the pointer, within the selection if there is one (tile mode)</source>
        <translation>die Fläche gleicher Kacheln unter dem Zeiger füllen, innerhalb der Auswahl, falls es eine gibt (Kachelmodus)</translation>
    </message>
</context>
<context>
    <name>EgaHeader</name>
    <message>
        <source>it is too short to be a graphics header</source>
        <translation>sie ist zu kurz für einen Grafikkopf</translation>
    </message>
    <message>
        <source>its plane sizes are out of range</source>
        <translation>ihre Ebenengrößen liegen außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>its tiles lie outside the latch plane</source>
        <translation>ihre Kacheln liegen außerhalb der Latch-Ebene</translation>
    </message>
    <message>
        <source>its sprites lie outside the sprite plane</source>
        <translation>ihre Sprites liegen außerhalb der Sprite-Ebene</translation>
    </message>
    <message>
        <source>its sprite table is cut short</source>
        <translation>ihre Sprite-Tabelle ist abgeschnitten</translation>
    </message>
</context>
<context>
    <name>EpisodeChecker</name>
    <message>
        <source>no entrance on the world map leads to this level (no cell of the map holds the info value %1)</source>
        <translation>kein Eingang auf der Weltkarte führt zu diesem Level (keine Zelle der Karte enthält den Infowert %1)</translation>
    </message>
    <message>
        <source>the entrance to level %1 leads to %2, which is not in the folder</source>
        <translation>der Eingang zu Level %1 führt zu %2, das nicht im Ordner liegt</translation>
    </message>
    <message>
        <source>another entrance to level %1, apart from the one at %2,%3 (the map has %4 entrances to it)</source>
        <translation>ein weiterer Eingang zu Level %1 neben dem bei %2,%3 (die Karte hat %4 Eingänge dorthin)</translation>
    </message>
    <message>
        <source>the blocker %1 opens once level %2 is finished, but %3 is not in the folder: it never opens</source>
        <translation>die Sperre %1 öffnet sich, sobald Level %2 geschafft ist, aber %3 liegt nicht im Ordner: sie öffnet sich nie</translation>
    </message>
    <message>
        <source>the folder has no world map (%1), so no entrance is checked</source>
        <translation>der Ordner hat keine Weltkarte (%1), daher wird kein Eingang geprüft</translation>
    </message>
</context>
<context>
    <name>EpisodeDock</name>
    <message>
        <source>Episode</source>
        <translation>Episodenleiste</translation>
    </message>
    <message>
        <source>Number, or &quot;problems&quot;</source>
        <translation>Nummer oder „Probleme“</translation>
    </message>
    <message>
        <source>P&amp;roblems only</source>
        <translation>Nur P&amp;robleme</translation>
    </message>
    <message>
        <source>Contact &amp;Sheet...</source>
        <translation>&amp;Kontaktbogen …</translation>
    </message>
    <message>
        <source>Save every level of the episode on one picture</source>
        <translation>Alle Levels der Episode in einem Bild speichern</translation>
    </message>
    <message>
        <source>Thumbnails %v of %m</source>
        <translation>Vorschaubilder %v von %m</translation>
    </message>
    <message>
        <source>Episode %1: %2</source>
        <translation>Episode %1: %2</translation>
    </message>
    <message>
        <source>File, Open Episode Folder shows the levels of a folder here.</source>
        <translation>Datei, Episodenordner öffnen zeigt hier die Levels eines Ordners.</translation>
    </message>
    <message>
        <source>problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>Export Contact Sheet</source>
        <translation>Kontaktbogen exportieren</translation>
    </message>
    <message>
        <source>PNG Pictures|*.png</source>
        <translation>PNG-Bilder|*.png</translation>
    </message>
    <message>
        <source>Filter the levels</source>
        <translation>Levels filtern</translation>
    </message>
    <message>
        <source>Levels of the episode</source>
        <translation>Levels der Episode</translation>
    </message>
</context>
<context>
    <name>EpisodeFolder</name>
    <message>
        <source>episode %1 (1 level)</source>
        <translation>Episode %1 (1 Level)</translation>
    </message>
    <message>
        <source>episode %1 (%2 levels)</source>
        <translation>Episode %1 (%2 Levels)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder of levels: %2.</source>
        <translation>„%1“ ist kein Ordner mit Levels: %2.</translation>
    </message>
    <message>
        <source>it is a file</source>
        <translation>es ist eine Datei</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>es existiert nicht</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: permission denied.</source>
        <translation>Der Ordner „%1“ kann nicht gelesen werden: Zugriff verweigert.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no level of episode %2 (%3 ... %4).</source>
        <translation>Der Ordner „%1“ enthält kein Level der Episode %2 (%3 … %4).</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no level files (LEVEL01.CK1 ... LEVEL90.CK3).</source>
        <translation>Der Ordner „%1“ enthält keine Leveldateien (LEVEL01.CK1 … LEVEL90.CK3).</translation>
    </message>
    <message>
        <source>%1 is left aside: it is level %2 again under another letter case, and %3 is taken.</source>
        <translation>%1 wird übergangen: es ist noch einmal Level %2 in anderer Groß-/Kleinschreibung, und %3 ist schon vergeben.</translation>
    </message>
    <message>
        <source>The folder also holds levels of %1; these show %2.</source>
        <translation>Der Ordner enthält auch Levels von %1; hier werden die von %2 gezeigt.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
</context>
<context>
    <name>EpisodeModel</name>
    <message>
        <source>%1 x %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>unlesbar</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>wird gelesen</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>… und %1 weitere</translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n Fehler</numerusform>
            <numerusform>%n Fehler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n Warnung</numerusform>
            <numerusform>%n Warnungen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EpisodeTileBehaviour</name>
    <message>
        <source>Tile %1</source>
        <translation>Kachel %1</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>eine Pipe</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>something other than a file</source>
        <translation>etwas anderes als eine Datei</translation>
    </message>
    <message>
        <source>it is %1, not an ordinary file</source>
        <translation>es ist %1, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is a link to %1, which is %2, not an ordinary file</source>
        <translation>es ist ein Verweis auf %1, das %2 ist, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>only %1 of its %2 bytes reached the disk</source>
        <translation>nur %1 ihrer %2 Byte haben die Platte erreicht</translation>
    </message>
</context>
<context>
    <name>FindDock</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Kachel</translation>
    </message>
    <message>
        <source>Info value</source>
        <translation>Infowert</translation>
    </message>
    <message>
        <source>A tile number, or an info value: a number from -32768 to 32767, or 0x and up to four hexadecimal digits</source>
        <translation>Eine Kachelnummer oder ein Infowert: eine Zahl von -32768 bis 32767 oder 0x und bis zu vier Hexadezimalziffern</translation>
    </message>
    <message>
        <source>In this level</source>
        <translation>In diesem Level</translation>
    </message>
    <message>
        <source>In every level of its folder</source>
        <translation>In allen Levels seines Ordners</translation>
    </message>
    <message>
        <source>Double-click a line or press Return to go to its cell; F3 goes to the next one, Shift+F3 to the one before</source>
        <translation>Doppelklicken Sie auf eine Zeile oder drücken Sie die Eingabetaste, um zu ihrer Zelle zu gehen; F3 geht zur nächsten, Umschalt+F3 zur vorigen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a tile number.</source>
        <translation>„%1“ ist keine Kachelnummer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an info value: type a number from -32768 to 32767, or 0x and up to four hexadecimal digits.</source>
        <translation>„%1“ ist kein Infowert: geben Sie eine Zahl von -32768 bis 32767 oder 0x und bis zu vier Hexadezimalziffern ein.</translation>
    </message>
    <message>
        <source>Tile or value to find</source>
        <translation>Gesuchte Kachel oder gesuchter Wert</translation>
    </message>
    <message>
        <source>Cells found</source>
        <translation>Gefundene Zellen</translation>
    </message>
</context>
<context>
    <name>FindResults</name>
    <message>
        <source>%1; 1 file could not be read</source>
        <translation>%1; 1 Datei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1; %2 files could not be read</source>
        <translation>%1; %2 Dateien konnten nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>FolderBitmapSource</name>
    <message>
        <source>The bitmap &quot;%1&quot; cannot be used: %2.</source>
        <translation>Die Bitmap „%1“ kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>bitmap</source>
        <translation>Bitmap</translation>
    </message>
    <message>
        <source>it is not a bitmap, or its header is damaged</source>
        <translation>sie ist keine Bitmap, oder ihr Kopf ist beschädigt</translation>
    </message>
    <message>
        <source>it declares %1 x %2 pixels, more than the %3 left of the %4 its set of graphics may take</source>
        <translation>sie gibt %1 × %2 Pixel an, mehr als die %3, die von den %4 ihres Grafiksatzes übrig sind</translation>
    </message>
    <message>
        <source>The bitmap &quot;%1&quot; is cut short: %2.</source>
        <translation>Die Bitmap „%1“ ist abgeschnitten: %2.</translation>
    </message>
    <message>
        <source>its pixel data is damaged or cut short (%1)</source>
        <translation>ihre Pixeldaten sind beschädigt oder abgeschnitten (%1)</translation>
    </message>
    <message>
        <source>there is not enough memory for it</source>
        <translation>es ist nicht genug Speicher für sie da</translation>
    </message>
</context>
<context>
    <name>GameFileSelection</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Not copied (larger than %1 MB and not the game&apos;s): %2</source>
        <translation>Nicht kopiert (größer als %1 MB und nicht vom Spiel): %2</translation>
    </message>
</context>
<context>
    <name>GameFolderCopier</name>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The copy was stopped.</source>
        <translation>Das Kopieren wurde abgebrochen.</translation>
    </message>
    <message>
        <source>the copy is incomplete</source>
        <translation>die Kopie ist unvollständig</translation>
    </message>
    <message>
        <source>The game&apos;s files need %1 in %2, and only %3 are free there. Make room there, or set TMPDIR to a folder on another disk.</source>
        <translation>Die Dateien des Spiels brauchen %1 in %2, und dort sind nur %3 frei. Schaffen Sie dort Platz, oder setzen Sie TMPDIR auf einen Ordner auf einer anderen Platte.</translation>
    </message>
</context>
<context>
    <name>GameGraphics</name>
    <message>
        <source>The graphics file &quot;%1&quot; is damaged: %2.</source>
        <translation>Die Grafikdatei „%1“ ist beschädigt: %2.</translation>
    </message>
    <message>
        <source>The graphics file &quot;%1&quot; is missing from &quot;%2&quot;.</source>
        <translation>Die Grafikdatei „%1“ fehlt in „%2“.</translation>
    </message>
    <message>
        <source>graphics file</source>
        <translation>Grafikdatei</translation>
    </message>
    <message>
        <source>it holds %1 bytes of the %2 its header needs</source>
        <translation>sie enthält %1 Byte der %2, die ihr Kopf braucht</translation>
    </message>
    <message>
        <source>There are no graphics files for episode %1.</source>
        <translation>Es gibt keine Grafikdateien für Episode %1.</translation>
    </message>
    <message>
        <source>it lists no tiles</source>
        <translation>sie führt keine Kacheln auf</translation>
    </message>
    <message>
        <source>it lists %1 sprites, more than the %2 any episode has</source>
        <translation>sie führt %1 Sprites auf, mehr als die %2, die eine Episode hat</translation>
    </message>
    <message>
        <source>sprite %1 %2</source>
        <translation>Sprite %1 %2</translation>
    </message>
    <message>
        <source>The game&apos;s graphics in &quot;%1&quot; have no sprite %2.</source>
        <translation>Die Grafiken des Spiels in „%1“ haben kein Sprite %2.</translation>
    </message>
    <message>
        <source>has an impossible size of %1 x %2 pixels (the screen is 320 x 200)</source>
        <translation>hat die unmögliche Größe von %1 × %2 Pixeln (der Bildschirm hat 320 × 200)</translation>
    </message>
    <message>
        <source>lies outside the sprite planes</source>
        <translation>liegt außerhalb der Sprite-Ebenen</translation>
    </message>
    <message>
        <source>There is not enough memory for sprite %1 of &quot;%2&quot;.</source>
        <translation>Es ist nicht genug Speicher für Sprite %1 von „%2“ da.</translation>
    </message>
    <message>
        <source>There is not enough memory for the tile sheet of &quot;%1&quot;.</source>
        <translation>Es ist nicht genug Speicher für den Kachelbogen von „%1“ da.</translation>
    </message>
    <message>
        <source>it lists %1 sprites, but sprite %2 (&quot;%3&quot;) is needed</source>
        <translation>sie führt %1 Sprites auf, aber Sprite %2 („%3“) wird gebraucht</translation>
    </message>
    <message>
        <source>The bitmap &quot;%1&quot; is not among the game&apos;s graphics in &quot;%2&quot;.</source>
        <translation>Die Bitmap „%1“ gehört nicht zu den Grafiken des Spiels in „%2“.</translation>
    </message>
</context>
<context>
    <name>GameGraphicsSource</name>
    <message>
        <source>The game&apos;s graphics in &quot;%1&quot; make bitmaps of more than the %2 pixels a set of graphics may take (at &quot;%3&quot;).</source>
        <translation>Die Grafiken des Spiels in „%1“ ergeben Bitmaps von mehr als den %2 Pixeln, die ein Grafiksatz haben darf (bei „%3“).</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>Copying the game to a temporary folder: %1</source>
        <translation>Das Spiel wird in einen temporären Ordner kopiert: %1</translation>
    </message>
    <message>
        <source>DOSBox was not found. Testing a level in the game needs DOSBox on the PATH; on Debian or Ubuntu install it with &quot;sudo apt-get install dosbox&quot;.</source>
        <translation>DOSBox wurde nicht gefunden. Um ein Level im Spiel zu testen, muss DOSBox im PATH liegen; unter Debian oder Ubuntu installieren Sie es mit „sudo apt-get install dosbox“.</translation>
    </message>
    <message>
        <source>This level is too large for the game: it has %1x%2 = %3 cells, and the game loads at most %4 (124x132 plays). Make it smaller to test it in the game.</source>
        <translation>Dieses Level ist zu groß für das Spiel: es hat %1x%2 = %3 Zellen, und das Spiel lädt höchstens %4 (124x132 ist spielbar). Verkleinern Sie es, um es im Spiel zu testen.</translation>
    </message>
    <message>
        <source>The level&apos;s episode is %1; the game has episodes 1, 2 and 3.</source>
        <translation>Die Episode des Levels ist %1; das Spiel hat die Episoden 1, 2 und 3.</translation>
    </message>
    <message>
        <source>The level number %1 has no file name in the game (1 to 99).</source>
        <translation>Die Levelnummer %1 hat keinen Dateinamen im Spiel (1 bis 99).</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not hold KEEN%2.EXE, the program of episode %2. Choose the game&apos;s folder in File, Set Paths.</source>
        <translation>Der Ordner „%1“ enthält kein KEEN%2.EXE, das Programm der Episode %2. Wählen Sie den Ordner des Spiels unter Datei, Pfade festlegen.</translation>
    </message>
    <message>
        <source>Could not make the folder %1.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>There is no prepared game folder to run.</source>
        <translation>Es gibt keinen vorbereiteten Spielordner zum Starten.</translation>
    </message>
    <message>
        <source>DOSBox (%1) could not be started: %2</source>
        <translation>DOSBox (%1) konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>The copy of the game ended early.</source>
        <translation>Die Kopie des Spiels endete vorzeitig.</translation>
    </message>
    <message>
        <source>DOSBox stopped unexpectedly.</source>
        <translation>DOSBox wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>DOSBox ended with exit code %1.</source>
        <translation>DOSBox endete mit dem Rückgabewert %1.</translation>
    </message>
    <message>
        <source> Its last words:
</source>
        <translation> Seine letzten Worte:
</translation>
    </message>
    <message>
        <source>%1, open with changes, is played with this level: %2</source>
        <translation>%1, mit Änderungen geöffnet, wird mit diesem Level gespielt: %2</translation>
    </message>
</context>
<context>
    <name>GamePathsDialog</name>
    <message>
        <source>Set Paths</source>
        <translation>Pfade festlegen</translation>
    </message>
    <message>
        <source>Keen &amp;%1 Path:</source>
        <translation>Pfad für Keen &amp;%1:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen …</translation>
    </message>
    <message>
        <source>Game folders, for Level, Test in Game (optional when the path above is the game&apos;s own folder):</source>
        <translation>Spielordner für Level, Im Spiel testen (freiwillig, wenn der Pfad oben der Ordner des Spiels selbst ist):</translation>
    </message>
    <message>
        <source>Keen %1 &amp;Game:</source>
        <translation>&amp;Spiel für Keen %1:</translation>
    </message>
    <message>
        <source>The game&apos;s own graphics files (read directly)</source>
        <translation>Die eigenen Grafikdateien des Spiels (direkt gelesen)</translation>
    </message>
    <message>
        <source>Exported bitmaps</source>
        <translation>Exportierte Bitmaps</translation>
    </message>
    <message>
        <source>Bitmaps, but not this episode&apos;s tile sheet</source>
        <translation>Bitmaps, aber nicht der Kachelbogen dieser Episode</translation>
    </message>
    <message>
        <source>No graphics found here</source>
        <translation>Hier wurden keine Grafiken gefunden</translation>
    </message>
    <message>
        <source>Keen Graphics</source>
        <translation>Keen-Grafiken</translation>
    </message>
    <message>
        <source>Keen Bitmaps</source>
        <translation>Keen-Bitmaps</translation>
    </message>
    <message>
        <source>Game Graphics Files</source>
        <translation>Grafikdateien des Spiels</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Select Path</source>
        <translation>Pfad auswählen</translation>
    </message>
    <message>
        <source>Select the Game&apos;s Program (KEEN%1.EXE)</source>
        <translation>Das Programm des Spiels auswählen (KEEN%1.EXE)</translation>
    </message>
    <message>
        <source>Keen %1 Program</source>
        <translation>Programm von Keen %1</translation>
    </message>
    <message>
        <source>All paths must be valid!</source>
        <translation>Alle Pfade müssen gültig sein!</translation>
    </message>
    <message>
        <source>The game folder of Keen %1 does not hold KEEN%1.EXE.</source>
        <translation>Der Spielordner von Keen %1 enthält kein KEEN%1.EXE.</translation>
    </message>
    <message>
        <source>The game folders could not be stored. %1</source>
        <translation>Die Spielordner konnten nicht gespeichert werden. %1</translation>
    </message>
</context>
<context>
    <name>GameTempFolder</name>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>%1 is the root folder</source>
        <translation>%1 ist der Wurzelordner</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be locked</source>
        <translation>%1 kann nicht gesperrt werden</translation>
    </message>
    <message>
        <source>Could not make a temporary folder for the game: %1. Set TMPDIR to a folder that can be written.</source>
        <translation>Für das Spiel konnte kein temporärer Ordner angelegt werden: %1. Setzen Sie TMPDIR auf einen beschreibbaren Ordner.</translation>
    </message>
    <message>
        <source>no folder to make it in</source>
        <translation>kein Ordner, in dem er angelegt werden kann</translation>
    </message>
</context>
<context>
    <name>GraphicsFolder</name>
    <message>
        <source>Exported bitmaps</source>
        <translation>Exportierte Bitmaps</translation>
    </message>
    <message>
        <source>The game&apos;s own graphics files</source>
        <translation>Die eigenen Grafikdateien des Spiels</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;About Gridmason</source>
        <translation>&amp;Über Gridmason</translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>%1 is not a valid level file: %2.</source>
        <translation>%1 ist keine gültige Leveldatei: %2.</translation>
    </message>
    <message>
        <source>it is %1 bytes long, shorter than the 20-byte header</source>
        <translation>sie ist %1 Byte lang, kürzer als der 20 Byte lange Kopf</translation>
    </message>
    <message>
        <source>its size of %1x%2 cells is empty</source>
        <translation>ihre Größe von %1x%2 Zellen ist leer</translation>
    </message>
    <message>
        <source>its size of %1x%2 cells is more than the %3 cells a level file can hold</source>
        <translation>ihre Größe von %1x%2 Zellen ist mehr als die %3 Zellen, die eine Leveldatei aufnehmen kann</translation>
    </message>
    <message>
        <source>level file</source>
        <translation>Leveldatei</translation>
    </message>
    <message>
        <source>Cannot save %1: a level of %2x%3 cells does not fit in a level file (1 to %4 cells).</source>
        <translation>%1 kann nicht gespeichert werden: ein Level von %2x%3 Zellen passt nicht in eine Leveldatei (1 bis %4 Zellen).</translation>
    </message>
</context>
<context>
    <name>LevelCanvas</name>
    <message>
        <source>Level preview: hold the button down to see the whole level and move to the part to show, then let go</source>
        <translation>Levelvorschau: die Taste gedrückt halten, um das ganze Level zu sehen, zu dem Teil fahren, der gezeigt werden soll, dann loslassen</translation>
    </message>
    <message>
        <source>Level canvas</source>
        <translation>Level-Zeichenfläche</translation>
    </message>
    <message>
        <source>Scroll the level across</source>
        <translation>Level waagerecht verschieben</translation>
    </message>
    <message>
        <source>Scroll the level up and down</source>
        <translation>Level senkrecht verschieben</translation>
    </message>
    <message>
        <source>Level preview</source>
        <translation>Levelvorschau</translation>
    </message>
</context>
<context>
    <name>LevelCheckDock</name>
    <message>
        <source>List the errors: what keeps the game from playing the level</source>
        <translation>Die Fehler auflisten: was das Spiel daran hindert, das Level zu spielen</translation>
    </message>
    <message>
        <source>List the warnings: what may not play as meant</source>
        <translation>Die Warnungen auflisten: was nicht wie gedacht spielen könnte</translation>
    </message>
    <message>
        <source>Double-click a line or press Return to go to its cell</source>
        <translation>Doppelklicken Sie auf eine Zeile oder drücken Sie die Eingabetaste, um zu ihrer Zelle zu gehen</translation>
    </message>
    <message>
        <source>Check: %1</source>
        <translation>Prüfung: %1</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Errors (%1)</source>
        <translation>Fehler (%1)</translation>
    </message>
    <message>
        <source>Warnings (%1)</source>
        <translation>Warnungen (%1)</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Befunde</translation>
    </message>
</context>
<context>
    <name>LevelCheckModel</name>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 at %2, %3: %4</source>
        <translation>%1 bei %2, %3: %4</translation>
    </message>
    <message>
        <source>%1: %2 — %3 cells</source>
        <translation>%1: %2 — %3 Zellen</translation>
    </message>
    <message>
        <source>No level is open.</source>
        <translation>Es ist kein Level geöffnet.</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Keine Probleme gefunden.</translation>
    </message>
    <message>
        <source>Every finding is hidden: turn Errors or Warnings on.</source>
        <translation>Alle Befunde sind ausgeblendet: schalten Sie Fehler oder Warnungen ein.</translation>
    </message>
    <message>
        <source>at %1, %2</source>
        <translation>bei %1, %2</translation>
    </message>
    <message>
        <source>no table is known for this episode</source>
        <translation>für diese Episode ist keine Tabelle bekannt</translation>
    </message>
</context>
<context>
    <name>LevelChecker</name>
    <message>
        <source>Keen has no start: no cell holds the info value 255</source>
        <translation>Keen hat keinen Start: keine Zelle enthält den Infowert 255</translation>
    </message>
    <message>
        <source>one of %1 starts of Keen (info value 255); the game uses only one</source>
        <translation>einer von %1 Starts von Keen (Infowert 255); das Spiel verwendet nur einen</translation>
    </message>
    <message>
        <source>the outer frame holds tile %1, not the border tile %2: Keen may leave the level there</source>
        <translation>der äußere Rahmen enthält Kachel %1, nicht die Randkachel %2: Keen kann das Level dort verlassen</translation>
    </message>
    <message>
        <source>tile %1 is not one of the episode&apos;s %2 tiles (0 to %3)</source>
        <translation>Kachel %1 gehört nicht zu den %2 Kacheln der Episode (0 bis %3)</translation>
    </message>
    <message>
        <source>info value %1 shows no sprite (kept in the file, not shown in the editor)</source>
        <translation>Infowert %1 zeigt kein Sprite (in der Datei behalten, im Editor nicht gezeigt)</translation>
    </message>
    <message>
        <source>the level&apos;s episode is %1; the game has episodes 1, 2 and 3 (the file name&apos;s last digit)</source>
        <translation>die Episode des Levels ist %1; das Spiel hat die Episoden 1, 2 und 3 (die letzte Ziffer des Dateinamens)</translation>
    </message>
</context>
<context>
    <name>LevelDocument</name>
    <message>
        <source>The level has no file to reload.</source>
        <translation>Das Level hat keine Datei, aus der es neu geladen werden kann.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
</context>
<context>
    <name>LevelEditorWindow</name>
    <message>
        <source>Tiles: click with the left or right button to choose the tile that button paints</source>
        <translation>Kacheln: mit der linken oder rechten Taste klicken, um die Kachel zu wählen, die diese Taste malt</translation>
    </message>
    <message>
        <source>Tile picker: hold the left or right button down, move over the tiles and let go on the one that button paints</source>
        <translation>Kachelwähler: die linke oder rechte Taste gedrückt halten, über die Kacheln fahren und auf der loslassen, die diese Taste malen soll</translation>
    </message>
    <message>
        <source>Sprite picker: hold the button down, move over the sprites and let go on the one to place</source>
        <translation>Sprite-Wähler: die Taste gedrückt halten, über die Sprites fahren und auf dem loslassen, das gesetzt werden soll</translation>
    </message>
    <message>
        <source>The tile the %1 button paints in tile mode</source>
        <translation>Die Kachel, die die %1 Taste im Kachelmodus malt</translation>
    </message>
    <message>
        <source>left</source>
        <translation>linke</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechte</translation>
    </message>
    <message>
        <source>The sprite the left button places in sprite mode</source>
        <translation>Das Sprite, das die linke Taste im Sprite-Modus setzt</translation>
    </message>
    <message>
        <source>Tile mode: the left and right buttons paint their tiles; Ctrl+click picks up a cell&apos;s tile</source>
        <translation>Kachelmodus: die linke und rechte Taste malen ihre Kacheln; Strg+Klick nimmt die Kachel einer Zelle auf</translation>
    </message>
    <message>
        <source>Sprite mode: the left button places the sprite (or the Value), the right button clears a cell; Ctrl+click picks up a cell&apos;s sprite</source>
        <translation>Sprite-Modus: die linke Taste setzt das Sprite (oder den Wert), die rechte Taste leert eine Zelle; Strg+Klick nimmt das Sprite einer Zelle auf</translation>
    </message>
    <message>
        <source>The cell under the pointer, across and down</source>
        <translation>Die Zelle unter dem Zeiger, waagerecht und senkrecht</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen …</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter …</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Set &amp;Paths</source>
        <translation>&amp;Pfade festlegen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;1x Zoom</source>
        <translation>Zoom &amp;1×</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Level</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>%1 has changed since it was last saved. Do you want to save it?</source>
        <translation>%1 wurde seit dem letzten Speichern geändert. Möchten Sie es speichern?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>%1 is %2.<byte value="xd"/>
The game shows garbage or stops when it loads it. Save it anyway?</source>
        <translation>%1 ist %2.<byte value="xd"/>
Das Spiel zeigt Datenmüll oder stürzt ab, wenn es dieses Level lädt. Trotzdem speichern?</translation>
    </message>
    <message>
        <source>its folder %1 is read-only</source>
        <translation>sein Ordner %1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it.</source>
        <translation>%1 wurde von einem anderen Programm geändert, seit Sie es geöffnet haben.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.<byte value="xd"/>
Save it somewhere else?</source>
        <translation>%1 kann nicht geschrieben werden: %2.<byte value="xd"/>
An anderer Stelle speichern?</translation>
    </message>
    <message>
        <source>Save File As</source>
        <translation>Datei speichern unter</translation>
    </message>
    <message>
        <source>%1 already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>%1 existiert bereits.<byte value="xd"/>
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>&amp;Test in Game</source>
        <translation>Im Spiel &amp;testen</translation>
    </message>
    <message>
        <source>&amp;Check Level</source>
        <translation>Level &amp;prüfen</translation>
    </message>
    <message>
        <source>Copying the game to a temporary folder...</source>
        <translation>Das Spiel wird in einen temporären Ordner kopiert …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Test in Game</source>
        <translation>Im Spiel testen</translation>
    </message>
    <message>
        <source>Testing a level needs the game of episode %1. Choose its program, KEEN%1.EXE, in the game&apos;s folder; the folder is not changed, the game is run from a copy.</source>
        <translation>Zum Testen eines Levels wird das Spiel der Episode %1 gebraucht. Wählen Sie sein Programm, KEEN%1.EXE, im Ordner des Spiels; der Ordner wird nicht verändert, das Spiel läuft aus einer Kopie.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not hold KEEN%2.EXE.</source>
        <translation>Der Ordner „%1“ enthält kein KEEN%2.EXE.</translation>
    </message>
    <message>
        <source>The game folder is used this time only: it could not be stored. %1</source>
        <translation>Der Spielordner wird nur dieses Mal verwendet: er konnte nicht gespeichert werden. %1</translation>
    </message>
    <message>
        <source>This level has errors; the game may not play it:</source>
        <translation>Dieses Level hat Fehler; das Spiel spielt es womöglich nicht:</translation>
    </message>
    <message>
        <source>... and %1 more (Level, Check Level lists them all)</source>
        <translation>… und %1 weitere (Level, Level prüfen listet alle auf)</translation>
    </message>
    <message>
        <source>Save it anyway?</source>
        <translation>Trotzdem speichern?</translation>
    </message>
    <message>
        <source>An info value to place in sprite mode instead of the selected sprite: -32768 to 32767, or 0x0000 to 0xFFFF. Empty: place the selected sprite.</source>
        <translation>Ein Infowert, der im Sprite-Modus statt des gewählten Sprites gesetzt wird: -32768 bis 32767 oder 0x0000 bis 0xFFFF. Leer: das gewählte Sprite setzen.</translation>
    </message>
    <message>
        <source>Not an info value, so the selected sprite is placed: type -32768 to 32767, or 0x0000 to 0xFFFF.</source>
        <translation>Kein Infowert, daher wird das gewählte Sprite gesetzt: geben Sie -32768 bis 32767 oder 0x0000 bis 0xFFFF ein.</translation>
    </message>
    <message>
        <source>Show &amp;Info Values</source>
        <translation>&amp;Infowerte anzeigen</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Info value %1 (from the Value box)</source>
        <translation>Infowert %1 (aus dem Feld Wert)</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Show &amp;Grid</source>
        <translation>&amp;Raster anzeigen</translation>
    </message>
    <message>
        <source>Show &amp;Tiles</source>
        <translation>Ka&amp;cheln anzeigen</translation>
    </message>
    <message>
        <source>Show &amp;Sprites</source>
        <translation>&amp;Sprites anzeigen</translation>
    </message>
    <message>
        <source>&amp;Fit Level</source>
        <translation>Level ein&amp;passen</translation>
    </message>
    <message>
        <source>  Tiles are hidden: edits change the tile plane.</source>
        <translation>  Kacheln sind ausgeblendet: Änderungen betreffen die Kachelebene.</translation>
    </message>
    <message>
        <source>  Sprites are hidden: edits change the sprite plane.</source>
        <translation>  Sprites sind ausgeblendet: Änderungen betreffen die Sprite-Ebene.</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Show Tile &amp;Behaviour</source>
        <translation>Kachel&amp;verhalten anzeigen</translation>
    </message>
    <message>
        <source>&amp;Animate Tiles</source>
        <translation>Kacheln &amp;animieren</translation>
    </message>
    <message>
        <source>No table of what the tiles do was read for this episode.</source>
        <translation>Für diese Episode wurde keine Tabelle gelesen, was die Kacheln tun.</translation>
    </message>
    <message>
        <source>Unavailable: %1</source>
        <translation>Nicht verfügbar: %1</translation>
    </message>
    <message>
        <source>Mark what each tile does in the game: blocked sides, killing tiles, tiles in front of Keen, items, doors, keys and the exit</source>
        <translation>Markieren, was jede Kachel im Spiel tut: gesperrte Seiten, tödliche Kacheln, Kacheln vor Keen, Gegenstände, Türen, Schlüssel und den Ausgang</translation>
    </message>
    <message>
        <source>Cycle the tiles of the game&apos;s animation loops as the game does</source>
        <translation>Die Kacheln der Animationsschleifen so durchlaufen lassen, wie das Spiel es tut</translation>
    </message>
    <message>
        <source>Unavailable: no tile of this episode animates.</source>
        <translation>Nicht verfügbar: keine Kachel dieser Episode ist animiert.</translation>
    </message>
    <message>
        <source>&amp;Find Tile or Value...</source>
        <translation>Kachel oder Wer&amp;t suchen …</translation>
    </message>
    <message>
        <source>Find Ne&amp;xt</source>
        <translation>&amp;Nächstes suchen</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>V&amp;orheriges suchen</translation>
    </message>
    <message>
        <source>No file of this level beside the map</source>
        <translation>Keine Datei dieses Levels neben der Karte</translation>
    </message>
    <message>
        <source>Open Level %1</source>
        <translation>Level %1 öffnen</translation>
    </message>
    <message>
        <source>R&amp;eplace Tile...</source>
        <translation>Kachel erset&amp;zen …</translation>
    </message>
    <message>
        <source>Replace every cell of one tile or info value by another, in the selection, the level or every open level</source>
        <translation>Eine Kachel oder einen Infowert in jeder Zelle durch eine andere Kachel oder einen anderen Infowert ersetzen: in der Auswahl, im Level oder in allen geöffneten Levels</translation>
    </message>
    <message>
        <source>Level preview</source>
        <translation>Levelvorschau</translation>
    </message>
    <message>
        <source>Tile strip</source>
        <translation>Kachelleiste</translation>
    </message>
    <message>
        <source>Scroll the tile strip</source>
        <translation>Kachelleiste verschieben</translation>
    </message>
    <message>
        <source>Tile picker</source>
        <translation>Kachelwähler</translation>
    </message>
    <message>
        <source>Sprite picker</source>
        <translation>Sprite-Wähler</translation>
    </message>
    <message>
        <source>Tool panel</source>
        <translation>Werkzeugfeld</translation>
    </message>
    <message>
        <source>Left button&apos;s tile</source>
        <translation>Kachel der linken Taste</translation>
    </message>
    <message>
        <source>Right button&apos;s tile</source>
        <translation>Kachel der rechten Taste</translation>
    </message>
    <message>
        <source>Selected sprite</source>
        <translation>Gewähltes Sprite</translation>
    </message>
    <message>
        <source>Tile mode</source>
        <translation>Kachelmodus</translation>
    </message>
    <message>
        <source>Sprite mode</source>
        <translation>Sprite-Modus</translation>
    </message>
    <message>
        <source>Tile selector</source>
        <translation>Kachelauswahl</translation>
    </message>
    <message>
        <source>Scroll the tile selector</source>
        <translation>Kachelauswahl verschieben</translation>
    </message>
    <message>
        <source>Sprite selector</source>
        <translation>Sprite-Auswahl</translation>
    </message>
    <message>
        <source>Scroll the sprite selector</source>
        <translation>Sprite-Auswahl verschieben</translation>
    </message>
    <message>
        <source>Stamp of %1 x %2 tiles</source>
        <translation>Stempel aus %1 × %2 Kacheln</translation>
    </message>
</context>
<context>
    <name>LevelFileDialogs</name>
    <message>
        <source>All Levels|Level??.ck?|Keen 1 Levels|Level??.ck1|Keen 2 Levels|Level??.ck2|Keen 3 Levels|Level??.ck3</source>
        <translation>Alle Levels|Level??.ck?|Keen-1-Levels|Level??.ck1|Keen-2-Levels|Level??.ck2|Keen-3-Levels|Level??.ck3</translation>
    </message>
    <message>
        <source>Open Levels</source>
        <translation>Levels öffnen</translation>
    </message>
    <message>
        <source>Save File As</source>
        <translation>Datei speichern unter</translation>
    </message>
</context>
<context>
    <name>LevelFileName</name>
    <message>
        <source>The level belongs to no episode 1 to 3, so it has no file name the game could load.</source>
        <translation>Das Level gehört zu keiner der Episoden 1 bis 3 und hat daher keinen Dateinamen, den das Spiel laden könnte.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is that of a level of episode %2, but this level belongs to episode %3.<byte value="xd"/>
Save it as a %4 file, or change its episode in Level, Properties first.</source>
        <translation>Der Name „%1“ ist der eines Levels der Episode %2, aber dieses Level gehört zu Episode %3.<byte value="xd"/>
Speichern Sie es als %4-Datei, oder ändern Sie zuerst seine Episode unter Level, Eigenschaften.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; does not end in .CK1, .CK2 or .CK3, so neither the game nor Gridmason could tell the level&apos;s episode.<byte value="xd"/>
Type the name without an extension to save it as a %2 file.</source>
        <translation>Der Name „%1“ endet nicht auf .CK1, .CK2 oder .CK3, daher können weder das Spiel noch Gridmason die Episode des Levels erkennen.<byte value="xd"/>
Geben Sie den Namen ohne Endung ein, um es als %2-Datei zu speichern.</translation>
    </message>
</context>
<context>
    <name>LevelNumberDialog</name>
    <message>
        <source>Test in Game</source>
        <translation>Im Spiel testen</translation>
    </message>
    <message>
        <source>Play this level in the game as level &amp;number
(1 to 16 are reached from the map, 80 is the map):</source>
        <translation>Dieses Level im Spiel als Level &amp;Nummer spielen
(1 bis 16 erreicht man über die Karte, 80 ist die Karte):</translation>
    </message>
</context>
<context>
    <name>LevelPropertiesDialog</name>
    <message>
        <source>Level Properties</source>
        <translation>Level-Eigenschaften</translation>
    </message>
    <message>
        <source>Level &amp;Width:</source>
        <translation>Level&amp;breite:</translation>
    </message>
    <message>
        <source>Level &amp;Height:</source>
        <translation>Level&amp;höhe:</translation>
    </message>
    <message>
        <source>&amp;Episode:</source>
        <translation>&amp;Episode:</translation>
    </message>
    <message>
        <source>1 - Marooned on Mars</source>
        <translation>1 - Marooned on Mars</translation>
    </message>
    <message>
        <source>2 - The Earth Explodes</source>
        <translation>2 - The Earth Explodes</translation>
    </message>
    <message>
        <source>3 - Keen Must Die!</source>
        <translation>3 - Keen Must Die!</translation>
    </message>
    <message>
        <source>&amp;Map Level</source>
        <translation>&amp;Weltkarte</translation>
    </message>
    <message>
        <source>Width should be between %1 and %2</source>
        <translation>Die Breite sollte zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>Height should be between %1 and %2</source>
        <translation>Die Höhe sollte zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>A level of %1 x %2 cells is too large: a level file holds at most %3 cells.</source>
        <translation>Ein Level von %1 × %2 Zellen ist zu groß: eine Leveldatei fasst höchstens %3 Zellen.</translation>
    </message>
    <message>
        <source>Please choose an episode</source>
        <translation>Bitte wählen Sie eine Episode</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>LineTool</name>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
</context>
<context>
    <name>LzexeUnpacker</name>
    <message>
        <source>its packed data ends at byte %1 before its end mark</source>
        <translation>ihre gepackten Daten enden bei Byte %1 vor ihrer Endmarke</translation>
    </message>
    <message>
        <source>its unpacker&apos;s header at byte %1 lies past its end (%2 bytes)</source>
        <translation>der Kopf ihres Entpackers bei Byte %1 liegt hinter ihrem Ende (%2 Byte)</translation>
    </message>
    <message>
        <source>its header claims %1 bytes of packed data, more than the %2 before its unpacker</source>
        <translation>ihr Kopf gibt %1 Byte gepackte Daten an, mehr als die %2 vor ihrem Entpacker</translation>
    </message>
    <message>
        <source>it unpacks to more than the %1 bytes its header allows</source>
        <translation>sie entpackt sich zu mehr als den %1 Byte, die ihr Kopf erlaubt</translation>
    </message>
    <message>
        <source>a copy at byte %1 of its packed data reaches %2 bytes back, before the start of the program</source>
        <translation>eine Kopie bei Byte %1 ihrer gepackten Daten reicht %2 Byte zurück, vor den Anfang des Programms</translation>
    </message>
</context>
<context>
    <name>LzwDecoder</name>
    <message>
        <source>the packed data is too short</source>
        <translation>die gepackten Daten sind zu kurz</translation>
    </message>
    <message>
        <source>the packed data claims %1 bytes, more than the %2 expected</source>
        <translation>die gepackten Daten geben %1 Byte an, mehr als die erwarteten %2</translation>
    </message>
    <message>
        <source>the packed data holds an undefined code</source>
        <translation>die gepackten Daten enthalten einen undefinierten Code</translation>
    </message>
    <message>
        <source>the packed data unpacks to more than its declared size</source>
        <translation>die gepackten Daten entpacken sich zu mehr als ihrer angegebenen Größe</translation>
    </message>
    <message>
        <source>the packed data ends early</source>
        <translation>die gepackten Daten enden zu früh</translation>
    </message>
</context>
<context>
    <name>MainStatusBar</name>
    <message>
        <source>Zoom %1</source>
        <translation>Zoom %1</translation>
    </message>
    <message>
        <source>Column %1, Row %2</source>
        <translation>Spalte %1, Zeile %2</translation>
    </message>
    <message>
        <source>Info %1</source>
        <translation>Infowert %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source><byte value="xd"/>
Gridmason starts without the settings stored in it, and cannot store new ones there until the file is replaced.</source>
        <translation><byte value="xd"/>
Gridmason startet ohne die darin gespeicherten Einstellungen und kann dort keine neuen speichern, bis die Datei ersetzt wird.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Set &amp;Paths</source>
        <translation>&amp;Pfade festlegen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>The paths could not be stored. %1<byte value="xd"/>
They are used until the program ends.</source>
        <translation>Die Pfade konnten nicht gespeichert werden. %1<byte value="xd"/>
Sie werden verwendet, bis das Programm endet.</translation>
    </message>
    <message>
        <source>One or more of the image paths did not contain the required images!<byte value="xd"/>
Please re-enter the paths.</source>
        <translation>Mindestens einer der Grafikpfade enthielt nicht die nötigen Bilder!<byte value="xd"/>
Bitte geben Sie die Pfade erneut ein.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
cannot be opened: a level file&apos;s name must end in 1, 2 or 3, the number of its episode.</source>
        <translation>%1<byte value="xd"/>
kann nicht geöffnet werden: der Name einer Leveldatei muss auf 1, 2 oder 3 enden, die Nummer ihrer Episode.</translation>
    </message>
    <message>
        <source>These levels could not be restored; their recovery copies are kept for the next start:</source>
        <translation>Diese Levels konnten nicht wiederhergestellt werden; ihre Wiederherstellungskopien bleiben für den nächsten Start erhalten:</translation>
    </message>
    <message>
        <source>These recovery copies could not be deleted:</source>
        <translation>Diese Wiederherstellungskopien konnten nicht gelöscht werden:</translation>
    </message>
    <message>
        <source>The list of recent files could not be stored. %1</source>
        <translation>Die Liste der zuletzt geöffneten Dateien konnte nicht gespeichert werden. %1</translation>
    </message>
    <message>
        <source>It has been removed from the list of recent files.</source>
        <translation>Sie wurde aus der Liste der zuletzt geöffneten Dateien entfernt.</translation>
    </message>
    <message>
        <source>It could not be removed from the list of recent files. %1</source>
        <translation>Sie konnte nicht aus der Liste der zuletzt geöffneten Dateien entfernt werden. %1</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
no longer exists. %2</source>
        <translation>%1<byte value="xd"/>
existiert nicht mehr. %2</translation>
    </message>
    <message>
        <source>E&amp;pisode Panel</source>
        <translation>&amp;Episodenleiste</translation>
    </message>
    <message>
        <source>Open &amp;Episode Folder...</source>
        <translation>&amp;Episodenordner öffnen …</translation>
    </message>
    <message>
        <source>Sa&amp;ve All</source>
        <translation>&amp;Alle speichern</translation>
    </message>
    <message>
        <source>Close A&amp;ll</source>
        <translation>A&amp;lle schließen</translation>
    </message>
    <message>
        <source>No level is open.</source>
        <translation>Es ist kein Level geöffnet.</translation>
    </message>
    <message>
        <source>A level never saved has no folder: only it was searched.</source>
        <translation>Ein nie gespeichertes Level hat keinen Ordner: nur es selbst wurde durchsucht.</translation>
    </message>
    <message>
        <source>The level of %1 is no longer open.</source>
        <translation>Das Level von %1 ist nicht mehr geöffnet.</translation>
    </message>
    <message>
        <source>%1 lies outside the level now.</source>
        <translation>%1 liegt jetzt außerhalb des Levels.</translation>
    </message>
    <message>
        <source>Cell %1 of %2: %3</source>
        <translation>Zelle %1 von %2: %3</translation>
    </message>
    <message>
        <source>Past the last cell found, back to the first.</source>
        <translation>Nach der letzten gefundenen Zelle wieder zur ersten.</translation>
    </message>
    <message>
        <source>Before the first cell found, round to the last.</source>
        <translation>Vor der ersten gefundenen Zelle weiter zur letzten.</translation>
    </message>
    <message>
        <source>Open Episode Folder: choose any level of the episode</source>
        <translation>Episodenordner öffnen: wählen Sie ein beliebiges Level der Episode</translation>
    </message>
    <message>
        <source>Keen Levels|Level??.ck1;Level??.ck2;Level??.ck3|All Files|*</source>
        <translation>Keen-Levels|Level??.ck1;Level??.ck2;Level??.ck3|Alle Dateien|*</translation>
    </message>
</context>
<context>
    <name>MainWindowTitle</name>
    <message>
        <source>%1[*] — Gridmason</source>
        <translation>%1[*] — Gridmason</translation>
    </message>
    <message>
        <source>Gridmason v%1</source>
        <translation>Gridmason v%1</translation>
    </message>
</context>
<context>
    <name>MapLink</name>
    <message>
        <source>Level %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>Opens once level %1 is finished</source>
        <translation>Öffnet sich, sobald Level %1 geschafft ist</translation>
    </message>
</context>
<context>
    <name>OverviewDock</name>
    <message>
        <source>Overview</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Over&amp;view</source>
        <translation>&amp;Übersicht</translation>
    </message>
</context>
<context>
    <name>OverviewPane</name>
    <message>
        <source>The whole level: click or drag to move the canvas&apos;s view</source>
        <translation>Das ganze Level: klicken oder ziehen, um den Ausschnitt der Zeichenfläche zu verschieben</translation>
    </message>
    <message>
        <source>No level is open.</source>
        <translation>Es ist kein Level geöffnet.</translation>
    </message>
    <message>
        <source>Level overview</source>
        <translation>Levelübersicht</translation>
    </message>
</context>
<context>
    <name>PaintCommand</name>
    <message>
        <source>Paint</source>
        <translation>Malen</translation>
    </message>
</context>
<context>
    <name>PatchScript</name>
    <message>
        <source>patch script</source>
        <translation>Patch-Skript</translation>
    </message>
    <message>
        <source>The patch script &quot;%1&quot; cannot be used: line %2: %3.</source>
        <translation>Das Patch-Skript „%1“ kann nicht verwendet werden: Zeile %2: %3.</translation>
    </message>
    <message>
        <source>a quotation mark is not closed on its line</source>
        <translation>ein Anführungszeichen wird in seiner Zeile nicht geschlossen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands before the first command</source>
        <translation>„%1“ steht vor dem ersten Befehl</translation>
    </message>
    <message>
        <source>%%1 needs an offset into the program first</source>
        <translation>%%1 braucht zuerst eine Position im Programm</translation>
    </message>
    <message>
        <source>%patchfile needs an offset and one file name</source>
        <translation>%patchfile braucht eine Position und einen Dateinamen</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; it loads is not in the folder &quot;%2&quot;</source>
        <translation>die Datei „%1“, die es lädt, liegt nicht im Ordner „%2“</translation>
    </message>
    <message>
        <source>patch file</source>
        <translation>Patch-Datei</translation>
    </message>
    <message>
        <source>%1 It is loaded by line %2 of the patch script &quot;%3&quot;.</source>
        <translation>%1 Sie wird von Zeile %2 des Patch-Skripts „%3“ geladen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a number nor a quoted text</source>
        <translation>„%1“ ist weder eine Zahl noch ein Text in Anführungszeichen</translation>
    </message>
    <message>
        <source>%1 is too large for %2 bits</source>
        <translation>%1 ist zu groß für %2 Bit</translation>
    </message>
</context>
<context>
    <name>PlayableSize</name>
    <message>
        <source>too large for the game to load: %1 cells, at most %2</source>
        <translation>zu groß, als dass das Spiel es laden könnte: %1 Zellen, höchstens %2</translation>
    </message>
</context>
<context>
    <name>PngFile</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>&amp;Overwrite</source>
        <translation>Ü&amp;berschreiben</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>&amp;Save All</source>
        <translation>&amp;Alle speichern</translation>
    </message>
    <message>
        <source>&amp;Discard All</source>
        <translation>Alle &amp;verwerfen</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>Recent Files</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
</context>
<context>
    <name>RecoveryDialog</name>
    <message>
        <source>Unreadable copy</source>
        <translation>Unlesbare Kopie</translation>
    </message>
    <message>
        <source>Keen %1, world map</source>
        <translation>Keen %1, Weltkarte</translation>
    </message>
    <message>
        <source>Keen %1, level %2</source>
        <translation>Keen %1, Level %2</translation>
    </message>
    <message>
        <source>Never saved</source>
        <translation>Nie gespeichert</translation>
    </message>
    <message>
        <source>Recover Unsaved Levels</source>
        <translation>Ungespeicherte Levels wiederherstellen</translation>
    </message>
    <message>
        <source>Gridmason ended without saving these levels. Tick the ones to restore (they open as unsaved changes of their files) or to discard; the others are kept for the next start.</source>
        <translation>Gridmason wurde beendet, ohne diese Levels zu speichern. Haken Sie die an, die wiederhergestellt (sie öffnen sich als ungespeicherte Änderungen ihrer Dateien) oder verworfen werden sollen; die anderen bleiben für den nächsten Start erhalten.</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Restore selected</source>
        <translation>Ausgewählte wiederherstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Keep for later</source>
        <translation>Für später behalten</translation>
    </message>
</context>
<context>
    <name>RecoveryKeeper</name>
    <message>
        <source>The recovery copy of %1 could not be written. %2</source>
        <translation>Die Wiederherstellungskopie von %1 konnte nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <source>The recovery copy of %1 could not be removed. %2</source>
        <translation>Die Wiederherstellungskopie von %1 konnte nicht entfernt werden. %2</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>RecoveryStore</name>
    <message>
        <source>it is not a recovery description</source>
        <translation>sie ist keine Beschreibung einer Wiederherstellungskopie</translation>
    </message>
    <message>
        <source>its episode is not 1, 2 or 3</source>
        <translation>ihre Episode ist nicht 1, 2 oder 3</translation>
    </message>
    <message>
        <source>its level number, time or file name is missing</source>
        <translation>ihre Levelnummer, Zeit oder ihr Dateiname fehlt</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 is held by another running copy of the program.</source>
        <translation>%1 wird von einer anderen laufenden Kopie des Programms gehalten.</translation>
    </message>
    <message>
        <source>Cannot create %1.</source>
        <translation>%1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2.</source>
        <translation>%1 kann nicht entfernt werden: %2.</translation>
    </message>
    <message>
        <source>recovery file</source>
        <translation>Wiederherstellungsdatei</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>RectangleFillTool</name>
    <message>
        <source>Rectangle Fill</source>
        <translation>Rechteck füllen</translation>
    </message>
</context>
<context>
    <name>ReplaceTileDialog</name>
    <message>
        <source>Replace Tile</source>
        <translation>Kachel ersetzen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Tiles</source>
        <translation>&amp;Kacheln</translation>
    </message>
    <message>
        <source>&amp;Info values (sprites)</source>
        <translation>&amp;Infowerte (Sprites)</translation>
    </message>
    <message>
        <source>A number, or 0x and the 16-bit word (0x8003)</source>
        <translation>Eine Zahl oder 0x und das 16-Bit-Wort (0x8003)</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Replace &amp;with:</source>
        <translation>Ersetzen &amp;durch:</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Wo</translation>
    </message>
    <message>
        <source>In the &amp;selection</source>
        <translation>In der &amp;Auswahl</translation>
    </message>
    <message>
        <source>In the whole &amp;level</source>
        <translation>Im ganzen &amp;Level</translation>
    </message>
    <message>
        <source>In every &amp;open level of episode %1</source>
        <translation>In allen &amp;geöffneten Levels der Episode %1</translation>
    </message>
</context>
<context>
    <name>ReplacementChoice</name>
    <message>
        <source>Type the tile to replace.</source>
        <translation>Geben Sie die zu ersetzende Kachel ein.</translation>
    </message>
    <message>
        <source>Type the info value to replace (a sprite&apos;s number or a raw value such as 0x8003).</source>
        <translation>Geben Sie den zu ersetzenden Infowert ein (die Nummer eines Sprites oder einen Rohwert wie 0x8003).</translation>
    </message>
    <message>
        <source>Type the tile to put in its place.</source>
        <translation>Geben Sie die Kachel ein, die an ihre Stelle tritt.</translation>
    </message>
    <message>
        <source>Type the info value to put in its place (0 for none).</source>
        <translation>Geben Sie den Infowert ein, der an seine Stelle tritt (0 für keinen).</translation>
    </message>
    <message>
        <source>Tile %1 is not one of the episode&apos;s tiles (0 to %2).</source>
        <translation>Kachel %1 gehört nicht zu den Kacheln der Episode (0 bis %2).</translation>
    </message>
    <message>
        <source>No cell will change.</source>
        <translation>Keine Zelle ändert sich.</translation>
    </message>
    <message>
        <source>1 cell will change</source>
        <translation>1 Zelle ändert sich</translation>
    </message>
    <message>
        <source>%1 cells will change</source>
        <translation>%1 Zellen ändern sich</translation>
    </message>
    <message>
        <source> in 1 level</source>
        <translation> in 1 Level</translation>
    </message>
    <message>
        <source> in %1 levels</source>
        <translation> in %1 Levels</translation>
    </message>
</context>
<context>
    <name>SaveQuestions</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>SelectTool</name>
    <message>
        <source>Pasting tiles</source>
        <translation>Kacheln einfügen</translation>
    </message>
    <message>
        <source>Pasting sprites</source>
        <translation>Sprites einfügen</translation>
    </message>
    <message>
        <source>Pasting</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>%1 %2 x %3 at %4,%5: click or Enter to place, Esc to drop</source>
        <translation>%1 %2 × %3 bei %4,%5: Klick oder Eingabetaste zum Platzieren, Esc zum Verwerfen</translation>
    </message>
    <message>
        <source>Moving %1 x %2 by %3,%4</source>
        <translation>Verschieben von %1 × %2 um %3,%4</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Paste Tiles</source>
        <translation>Kacheln einfügen</translation>
    </message>
    <message>
        <source>Paste Sprites</source>
        <translation>Sprites einfügen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Fill Selection</source>
        <translation>Auswahl füllen</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>settings file</source>
        <translation>Einstellungsdatei</translation>
    </message>
    <message>
        <source>it is not a text file (byte %1 is the control character 0x%2)</source>
        <translation>sie ist keine Textdatei (Byte %1 ist das Steuerzeichen 0x%2)</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; cannot be stored in the settings file.</source>
        <translation>Die Einstellung „%1“ kann nicht in der Einstellungsdatei gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>ShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Tastenkürzel</translation>
    </message>
</context>
<context>
    <name>SpriteCatalogue</name>
    <message>
        <source>Player&apos;s map position</source>
        <translation>Position des Spielers auf der Karte</translation>
    </message>
    <message>
        <source>Player start</source>
        <translation>Startpunkt des Spielers</translation>
    </message>
    <message>
        <source>Yorp</source>
        <translation>Yorp</translation>
    </message>
    <message>
        <source>Garg</source>
        <translation>Garg</translation>
    </message>
    <message>
        <source>Vorticon</source>
        <translation>Vorticon</translation>
    </message>
    <message>
        <source>Butler robot</source>
        <translation>Butler-Roboter</translation>
    </message>
    <message>
        <source>Tank robot</source>
        <translation>Panzerroboter</translation>
    </message>
    <message>
        <source>Ice cannon (up-right)</source>
        <translation>Eiskanone (nach oben rechts)</translation>
    </message>
    <message>
        <source>Ice cannon (up)</source>
        <translation>Eiskanone (nach oben)</translation>
    </message>
    <message>
        <source>Ice cannon (down)</source>
        <translation>Eiskanone (nach unten)</translation>
    </message>
    <message>
        <source>Ice cannon (up-left)</source>
        <translation>Eiskanone (nach oben links)</translation>
    </message>
    <message>
        <source>Rope</source>
        <translation>Seil</translation>
    </message>
    <message>
        <source>Vorticon youth</source>
        <translation>Vorticon-Junges</translation>
    </message>
    <message>
        <source>Vorticon Elite</source>
        <translation>Vorticon-Elite</translation>
    </message>
    <message>
        <source>Scrub</source>
        <translation>Scrub</translation>
    </message>
    <message>
        <source>Guard robot</source>
        <translation>Wachroboter</translation>
    </message>
    <message>
        <source>Horizontal platform</source>
        <translation>Waagerechte Plattform</translation>
    </message>
    <message>
        <source>Spark</source>
        <translation>Funke</translation>
    </message>
    <message>
        <source>Vorticon Mother</source>
        <translation>Vorticon-Mutter</translation>
    </message>
    <message>
        <source>Meep</source>
        <translation>Meep</translation>
    </message>
    <message>
        <source>Vorticon Ninja</source>
        <translation>Vorticon-Ninja</translation>
    </message>
    <message>
        <source>Foob</source>
        <translation>Foob</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>Ball</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jack</translation>
    </message>
    <message>
        <source>Vertical platform</source>
        <translation>Senkrechte Plattform</translation>
    </message>
    <message>
        <source>Jumping Vorticon</source>
        <translation>Springender Vorticon</translation>
    </message>
    <message>
        <source>Mortimer sparks</source>
        <translation>Mortimers Funken</translation>
    </message>
    <message>
        <source>Mortimer heart</source>
        <translation>Mortimers Herz</translation>
    </message>
    <message>
        <source>Auto-raygun (horizontal)</source>
        <translation>Selbstschuss-Strahlenkanone (waagerecht)</translation>
    </message>
    <message>
        <source>Auto-raygun (vertical)</source>
        <translation>Selbstschuss-Strahlenkanone (senkrecht)</translation>
    </message>
    <message>
        <source>Mortimer&apos;s arms</source>
        <translation>Mortimers Arme</translation>
    </message>
    <message>
        <source>Mortimer&apos;s left leg</source>
        <translation>Mortimers linkes Bein</translation>
    </message>
    <message>
        <source>Mortimer&apos;s right leg</source>
        <translation>Mortimers rechtes Bein</translation>
    </message>
</context>
<context>
    <name>SpriteSet</name>
    <message>
        <source>There are no sprites for episode %1.</source>
        <translation>Es gibt keine Sprites für Episode %1.</translation>
    </message>
</context>
<context>
    <name>TileBehaviour</name>
    <message>
        <source>animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>behaviour</source>
        <translation>Verhalten</translation>
    </message>
    <message>
        <source>top</source>
        <translation>oben</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>unten</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>a table of %1 tiles is not one the game can have (1 to %2)</source>
        <translation>eine Tabelle von %1 Kacheln kann das Spiel nicht haben (1 bis %2)</translation>
    </message>
    <message>
        <source>%1 tiles take %2 bytes, and only %3 are there</source>
        <translation>%1 Kacheln brauchen %2 Byte, und nur %3 sind da</translation>
    </message>
    <message>
        <source>tile %1 has the %2 value %3, which the game does not know</source>
        <translation>Kachel %1 hat den Wert %3 für „%2“, den das Spiel nicht kennt</translation>
    </message>
    <message>
        <source>masked</source>
        <translation>maskiert</translation>
    </message>
    <message>
        <source>foreground</source>
        <translation>Vordergrund</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>kills</source>
        <translation>tödlich</translation>
    </message>
    <message>
        <source>door 1</source>
        <translation>Tür 1</translation>
    </message>
    <message>
        <source>door 2</source>
        <translation>Tür 2</translation>
    </message>
    <message>
        <source>door 3</source>
        <translation>Tür 3</translation>
    </message>
    <message>
        <source>door 4</source>
        <translation>Tür 4</translation>
    </message>
    <message>
        <source>500 points</source>
        <translation>500 Punkte</translation>
    </message>
    <message>
        <source>100 points</source>
        <translation>100 Punkte</translation>
    </message>
    <message>
        <source>200 points</source>
        <translation>200 Punkte</translation>
    </message>
    <message>
        <source>1000 points</source>
        <translation>1000 Punkte</translation>
    </message>
    <message>
        <source>5000 points</source>
        <translation>5000 Punkte</translation>
    </message>
    <message>
        <source>joystick</source>
        <translation>Joystick</translation>
    </message>
    <message>
        <source>battery</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <source>vacuum</source>
        <translation>Staubsauger</translation>
    </message>
    <message>
        <source>whiskey</source>
        <translation>Whisky</translation>
    </message>
    <message>
        <source>raygun</source>
        <translation>Strahlenkanone</translation>
    </message>
    <message>
        <source>pogo</source>
        <translation>Pogostab</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>key 1</source>
        <translation>Schlüssel 1</translation>
    </message>
    <message>
        <source>key 2</source>
        <translation>Schlüssel 2</translation>
    </message>
    <message>
        <source>key 3</source>
        <translation>Schlüssel 3</translation>
    </message>
    <message>
        <source>key 4</source>
        <translation>Schlüssel 4</translation>
    </message>
    <message>
        <source>message box</source>
        <translation>Nachrichtenfeld</translation>
    </message>
    <message>
        <source>light switch</source>
        <translation>Lichtschalter</translation>
    </message>
    <message>
        <source>teleporter</source>
        <translation>Teleporter</translation>
    </message>
    <message>
        <source>switch on</source>
        <translation>einschalten</translation>
    </message>
    <message>
        <source>switch off</source>
        <translation>ausschalten</translation>
    </message>
    <message>
        <source>ankh</source>
        <translation>Anch</translation>
    </message>
    <message>
        <source>ammo</source>
        <translation>Munition</translation>
    </message>
    <message>
        <source>behaviour %1</source>
        <translation>Verhalten %1</translation>
    </message>
    <message>
        <source>smooth on top</source>
        <translation>oben glatt</translation>
    </message>
    <message>
        <source>icy on top</source>
        <translation>oben vereist</translation>
    </message>
    <message>
        <source>solid</source>
        <translation>fest</translation>
    </message>
    <message>
        <source>solid, %1</source>
        <translation>fest, %1</translation>
    </message>
    <message>
        <source>solid on %1</source>
        <translation>fest auf %1</translation>
    </message>
    <message>
        <source>not in the game&apos;s table of %1 tiles</source>
        <translation>nicht in der Tabelle des Spiels von %1 Kacheln</translation>
    </message>
    <message>
        <source>animated (%1 tiles)</source>
        <translation>animiert (%1 Kacheln)</translation>
    </message>
    <message>
        <source>Tile %1: %2</source>
        <translation>Kachel %1: %2</translation>
    </message>
</context>
<context>
    <name>TileBehaviourLoader</name>
    <message>
        <source>%1 patched by %2</source>
        <translation>%1, gepatcht durch %2</translation>
    </message>
    <message>
        <source>The tile behaviour of episode %1 cannot be read from %2 in &quot;%3&quot;: %4.</source>
        <translation>Das Kachelverhalten der Episode %1 kann nicht aus %2 in „%3“ gelesen werden: %4.</translation>
    </message>
    <message>
        <source>%1, table at %2</source>
        <translation>%1, Tabelle bei %2</translation>
    </message>
    <message>
        <source>The patch scripts %1 and %2 in &quot;%3&quot; give episode %4 different tile behaviour, and which one the game runs with cannot be told. Keep only the one you play with beside the game.</source>
        <translation>Die Patch-Skripte %1 und %2 in „%3“ geben Episode %4 verschiedenes Kachelverhalten, und mit welchem das Spiel läuft, lässt sich nicht sagen. Behalten Sie nur das neben dem Spiel, mit dem Sie spielen.</translation>
    </message>
    <message>
        <source>tile behaviour file</source>
        <translation>Kachelverhaltensdatei</translation>
    </message>
    <message>
        <source>The tile behaviour file &quot;%1&quot; cannot be used: %2.</source>
        <translation>Die Kachelverhaltensdatei „%1“ kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>it is %1 bytes long, not six planes of two bytes a tile (a multiple of %2)</source>
        <translation>sie ist %1 Byte lang, nicht sechs Ebenen mit zwei Byte je Kachel (ein Vielfaches von %2)</translation>
    </message>
    <message>
        <source>The game has episodes 1, 2 and 3; there is no tile behaviour for episode %1.</source>
        <translation>Das Spiel hat die Episoden 1, 2 und 3; es gibt kein Kachelverhalten für Episode %1.</translation>
    </message>
    <message>
        <source>There is no tile behaviour for episode %1: the folder &quot;%2&quot; holds neither %3 nor %4.</source>
        <translation>Es gibt kein Kachelverhalten für Episode %1: der Ordner „%2“ enthält weder %3 noch %4.</translation>
    </message>
</context>
<context>
    <name>TileRulesChecker</name>
    <message>
        <source>the episode has no exit tile</source>
        <translation>die Episode hat keine Ausgangskachel</translation>
    </message>
    <message>
        <source>the exit is tile %1</source>
        <translation>der Ausgang ist Kachel %1</translation>
    </message>
    <message>
        <source>the level has no exit, so it cannot be finished (%1)</source>
        <translation>das Level hat keinen Ausgang und kann daher nicht beendet werden (%1)</translation>
    </message>
    <message>
        <source>Keen&apos;s start cell</source>
        <translation>Keens Startzelle</translation>
    </message>
    <message>
        <source>the cell below Keen&apos;s start (he is two cells tall)</source>
        <translation>die Zelle unter Keens Start (er ist zwei Zellen groß)</translation>
    </message>
    <message>
        <source>%1 holds tile %2 (%3): Keen starts stuck or dies</source>
        <translation>%1 enthält Kachel %2 (%3): Keen steckt beim Start fest oder stirbt</translation>
    </message>
    <message>
        <source>door %1 (tile %2) has no key %1 in the level: it cannot be opened</source>
        <translation>Tür %1 (Kachel %2) hat keinen Schlüssel %1 im Level: sie lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>tile %1 animates through tiles %2 to %3, but the episode has only %4 tiles: it does not animate</source>
        <translation>Kachel %1 wird durch die Kacheln %2 bis %3 animiert, aber die Episode hat nur %4 Kacheln: sie wird nicht animiert</translation>
    </message>
    <message>
        <source>The checks that need the game&apos;s tile behaviour were skipped: %1</source>
        <translation>Die Prüfungen, die das Kachelverhalten des Spiels brauchen, wurden übersprungen: %1</translation>
    </message>
</context>
<context>
    <name>TileTableFinder</name>
    <message>
        <source>the game has episodes 1, 2 and 3, not %1</source>
        <translation>das Spiel hat die Episoden 1, 2 und 3, nicht %1</translation>
    </message>
    <message>
        <source>it holds no table of %1 tiles that the game could use: not at %2, where version 1.31 keeps it (%3), nor anywhere else</source>
        <translation>es enthält keine Tabelle von %1 Kacheln, die das Spiel verwenden könnte: nicht bei %2, wo Version 1.31 sie hat (%3), und auch nirgends sonst</translation>
    </message>
    <message>
        <source>more</source>
        <translation>mehr</translation>
    </message>
    <message>
        <source>a table of %1 tiles fits at several places (%2), and which one the game uses cannot be told</source>
        <translation>eine Tabelle von %1 Kacheln passt an mehrere Stellen (%2), und welche das Spiel verwendet, lässt sich nicht sagen</translation>
    </message>
</context>
<context>
    <name>UserGuideBrowser</name>
    <message>
        <source>Gridmason User Guide</source>
        <translation>Gridmason-Benutzerhandbuch</translation>
    </message>
    <message>
        <source>user guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>user guide file</source>
        <translation>Datei des Benutzerhandbuchs</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Überlappend</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
</TS>
