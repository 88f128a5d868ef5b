<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ObjectMenu</name>
    <message>
        <source>&amp;Size &amp;&amp; Position...</source>
        <translation>&amp;Größe &amp;&amp; Position...</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>B&amp;order</source>
        <translation>&amp;Rahmen</translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation>&amp;Füllung</translation>
    </message>
    <message>
        <source>Change &amp;Text...</source>
        <translation>&amp;Text ändern...</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Links</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Zentriert</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Rechts</translation>
    </message>
    <message>
        <source>Text &amp;Font</source>
        <translation>Text&amp;schrift</translation>
    </message>
    <message>
        <source>&amp;Clue Number Font</source>
        <translation>Schrift der Hinweis&amp;nummern</translation>
    </message>
    <message>
        <source>Load B&amp;itmap</source>
        <translation>B&amp;itmap laden</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Bring To Front</source>
        <translation>In den &amp;Vordergrund</translation>
    </message>
    <message>
        <source>&amp;Send To Back</source>
        <translation>In den &amp;Hintergrund</translation>
    </message>
    <message>
        <source>Answer Key Font</source>
        <translation>Schrift der Lösung</translation>
    </message>
    <message>
        <source>Text &amp;Alignment</source>
        <translation>Text&amp;ausrichtung</translation>
    </message>
</context>
<context>
    <name>PrintStatusDialog</name>
    <message>
        <source>One or more bitmaps in the layout design could not be located.</source>
        <translation>Mindestens eine Bitmap des Seitenlayouts wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Puzzle Clues would not fit in allocated space.  You will need to change the alotted clue space on the page layout, change the font size for the clues or select the &quot;Make It Fit&quot; attribute for the clue fonts.</source>
        <translation>Die Hinweise des Rätsels passen nicht in den vorgesehenen Platz. Vergrößern Sie den Platz für die Hinweise im Seitenlayout, ändern Sie die Schriftgröße der Hinweise oder wählen Sie für die Schrift der Hinweise die Eigenschaft „Einpassen“.</translation>
    </message>
    <message>
        <source>Puzzle Words would not fit in allocated space.  You will need to change the alotted word space on the page layout, change the font size for the words or select the &quot;Make It Fit&quot; attribute for the puzzle words.</source>
        <translation>Die Wörter des Rätsels passen nicht in den vorgesehenen Platz. Vergrößern Sie den Platz für die Wörter im Seitenlayout, ändern Sie die Schriftgröße der Wörter oder wählen Sie für die Wörter die Eigenschaft „Einpassen“.</translation>
    </message>
    <message>
        <source>Text would not fit in allocated space.  You will need to change the alotted text space on the page layout, change the font size for the text or select the &quot;Make It Fit&quot; attribute for the text object.</source>
        <translation>Der Text passt nicht in den vorgesehenen Platz. Vergrößern Sie den Platz für den Text im Seitenlayout, ändern Sie die Schriftgröße des Textes oder wählen Sie für das Textobjekt die Eigenschaft „Einpassen“.</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be located.  Please make sure that it was installed.</source>
        <translation>Die Hilfedatei „%1“ wurde nicht gefunden. Bitte prüfen Sie, ob sie installiert ist.</translation>
    </message>
    <message>
        <source>its title</source>
        <translation>sein Titel</translation>
    </message>
    <message>
        <source>its category</source>
        <translation>seine Kategorie</translation>
    </message>
    <message>
        <source>its bonus question</source>
        <translation>seine Bonusfrage</translation>
    </message>
    <message>
        <source>its word %1</source>
        <translation>sein Wort %1</translation>
    </message>
    <message>
        <source>its clue %1</source>
        <translation>sein Hinweis %1</translation>
    </message>
    <message>
        <source>%1 holds the control character %2</source>
        <translation>%1 enthält das Steuerzeichen %2</translation>
    </message>
    <message>
        <source>The puzzle &quot;%1&quot; cannot be imported: %2.  Nothing was imported.</source>
        <translation>Das Rätsel „%1“ kann nicht importiert werden: %2. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Import Puzzles</source>
        <translation>Rätsel importieren</translation>
    </message>
    <message>
        <source>The file selected is not a valid Quorvex file.</source>
        <translation>Die gewählte Datei ist keine gültige Quorvex-Datei.</translation>
    </message>
    <message>
        <source>Puzzle could not be imported.</source>
        <translation>Das Rätsel konnte nicht importiert werden.</translation>
    </message>
    <message>
        <source>Puzzle file is corrupt or incompatible.  Import aborted.</source>
        <translation>Die Rätseldatei ist beschädigt oder nicht kompatibel. Import abgebrochen.</translation>
    </message>
    <message>
        <source>Unable to save puzzle.</source>
        <translation>Das Rätsel kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Import File cannot be the same as the currently open file.</source>
        <translation>Die Importdatei darf nicht die aktuell geöffnete Datei sein.</translation>
    </message>
    <message>
        <source>Create New Puzzle</source>
        <translation>Neues Rätsel erstellen</translation>
    </message>
    <message>
        <source>Unable to access Word List file.</source>
        <translation>Auf die Wortliste kann nicht zugegriffen werden.</translation>
    </message>
    <message>
        <source>Modify Existing Puzzle</source>
        <translation>Rätsel bearbeiten</translation>
    </message>
    <message>
        <source>Create New Puzzle (copy of existing puzzle)</source>
        <translation>Neues Rätsel erstellen (Kopie eines Rätsels)</translation>
    </message>
    <message>
        <source>Unable to load puzzle.</source>
        <translation>Das Rätsel kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>These files could not be copied into %1: %2</source>
        <translation>Diese Dateien konnten nicht nach %1 kopiert werden: %2</translation>
    </message>
    <message>
        <source>The settings could not be read; the program starts with its defaults.</source>
        <translation>Die Einstellungen konnten nicht gelesen werden; das Programm startet mit den Standardwerten.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Mitteilung</translation>
    </message>
    <message>
        <source>User generated puzzles from a previous version of Quorvex have been detected.  Would you like to convert them to a puzzle group?</source>
        <translation>Es wurden selbst erstellte Rätsel aus einer früheren Version von Quorvex gefunden. Möchten Sie sie in eine Rätselsammlung umwandeln?</translation>
    </message>
    <message>
        <source>Puzzles could not be imported.</source>
        <translation>Die Rätsel konnten nicht importiert werden.</translation>
    </message>
    <message>
        <source>Unable to save puzzles.</source>
        <translation>Die Rätsel können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A new puzzle group named &quot;%1&quot; has been created.</source>
        <translation>Eine neue Rätselsammlung mit dem Namen „%1“ wurde angelegt.</translation>
    </message>
    <message>
        <source>User generated shapes from a previous version of Quorvex have been detected.  Would you like to add them to the current list of puzzle shapes?</source>
        <translation>Es wurden selbst erstellte Formen aus einer früheren Version von Quorvex gefunden. Möchten Sie sie zur aktuellen Liste der Rätselformen hinzufügen?</translation>
    </message>
    <message>
        <source>Unable to add shapes.</source>
        <translation>Die Formen können nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Puzzle shapes have been added.</source>
        <translation>Die Rätselformen wurden hinzugefügt.</translation>
    </message>
    <message>
        <source>Creation Attempt #%1</source>
        <translation>Erstellungsversuch Nr. %1</translation>
    </message>
    <message>
        <source>%1 of %2 words</source>
        <translation>%1 von %2 Wörtern</translation>
    </message>
    <message>
        <source>Thorough Search</source>
        <translation>Gründliche Suche</translation>
    </message>
    <message>
        <source>Aborted: %1</source>
        <translation>Abgebrochen: %1</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Aborted on creation Attempt #%1</source>
        <translation>Abgebrochen bei Erstellungsversuch Nr. %1</translation>
    </message>
    <message>
        <source>Square %1 × %1</source>
        <translation>Quadrat %1 × %1</translation>
    </message>
    <message>
        <source>Aborted on square %1 × %1</source>
        <translation>Abgebrochen bei Quadrat %1 × %1</translation>
    </message>
    <message>
        <source>%1 × %1 every word</source>
        <translation>%1 × %1: alle Wörter</translation>
    </message>
    <message>
        <source>%1 × %1 %2</source>
        <translation>%1 × %1: %2</translation>
    </message>
    <message>
        <source>Squares tried: %1.</source>
        <translation>Geprüfte Quadrate: %1.</translation>
    </message>
    <message>
        <source>Longer than any row or column of the shape.</source>
        <translation>Länger als jede Zeile und Spalte der Form.</translation>
    </message>
    <message>
        <source>No letter in common with the words placed.</source>
        <translation>Kein gemeinsamer Buchstabe mit den platzierten Wörtern.</translation>
    </message>
    <message>
        <source>Every position crossing a placed word is blocked; the first by &quot;%1&quot;.</source>
        <translation>Jede Position, die ein platziertes Wort kreuzt, ist blockiert; die erste durch „%1“.</translation>
    </message>
    <message>
        <source>Every position crossing a placed word is blocked; the first by the edge of the shape.</source>
        <translation>Jede Position, die ein platziertes Wort kreuzt, ist blockiert; die erste durch den Rand der Form.</translation>
    </message>
    <message>
        <source>Not tried: the attempt stopped early.</source>
        <translation>Nicht versucht: Der Versuch wurde vorzeitig beendet.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 words
%4 crossings per word, %5% fill</source>
        <translation>%1: %2 von %3 Wörtern
%4 Kreuzungen pro Wort, %5 % gefüllt</translation>
    </message>
    <message>
        <source>Best Fit</source>
        <translation>Beste Variante</translation>
    </message>
    <message>
        <source>Second Best Fit</source>
        <translation>Zweitbeste Variante</translation>
    </message>
    <message>
        <source>Third Best Fit</source>
        <translation>Drittbeste Variante</translation>
    </message>
    <message>
        <source>Fourth Best Fit</source>
        <translation>Viertbeste Variante</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; (%2) cannot be stored in a shape name.</source>
        <translation>Das Zeichen „%1“ (%2) kann nicht in einem Formnamen gespeichert werden.</translation>
    </message>
    <message>
        <source>The character %1 cannot be stored in a shape name.</source>
        <translation>Das Zeichen %1 kann nicht in einem Formnamen gespeichert werden.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; (%2) cannot be used in a heading.</source>
        <translation>Das Zeichen „%1“ (%2) kann nicht in einer Überschrift verwendet werden.</translation>
    </message>
    <message>
        <source>The character %1 cannot be used in a heading.</source>
        <translation>Das Zeichen %1 kann nicht in einer Überschrift verwendet werden.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; (%2) cannot be stored in a puzzle.</source>
        <translation>Das Zeichen „%1“ (%2) kann nicht in einem Rätsel gespeichert werden.</translation>
    </message>
    <message>
        <source>The character %1 cannot be stored in a puzzle.</source>
        <translation>Das Zeichen %1 kann nicht in einem Rätsel gespeichert werden.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1-Datei</translation>
    </message>
    <message>
        <source>Font Colour</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>%1 was changed by another program.  %2</source>
        <translation>%1 wurde von einem anderen Programm geändert. %2</translation>
    </message>
    <message>
        <source>Load Bitmap File</source>
        <translation>Bitmap-Datei laden</translation>
    </message>
    <message>
        <source>The file selected is not a valid bitmap file.</source>
        <translation>Die gewählte Datei ist keine gültige Bitmap-Datei.</translation>
    </message>
    <message>
        <source>Your puzzle was not saved; reopen the collection to see the change.</source>
        <translation>Ihr Rätsel wurde nicht gespeichert; öffnen Sie die Sammlung erneut, um die Änderung zu sehen.</translation>
    </message>
    <message>
        <source>You have selected a puzzle shape with large dimensions.  Be advised that you may need to select a &quot;Page Layout&quot; that has a very large area for the puzzle in order for the puzzle to appear in a normal size.</source>
        <translation>Sie haben eine Rätselform mit großen Abmessungen gewählt. Damit das Rätsel in normaler Größe erscheint, müssen Sie eventuell ein „Seitenlayout“ mit einer sehr großen Fläche für das Rätsel wählen.</translation>
    </message>
    <message>
        <source>No title specified.  Please correct.</source>
        <translation>Kein Titel angegeben. Bitte korrigieren Sie dies.</translation>
    </message>
    <message>
        <source>No category specified.  Please correct.</source>
        <translation>Keine Kategorie angegeben. Bitte korrigieren Sie dies.</translation>
    </message>
    <message>
        <source>No words have been entered.  Please correct.</source>
        <translation>Es wurden keine Wörter eingegeben. Bitte korrigieren Sie dies.</translation>
    </message>
    <message>
        <source>Attempts must be between 1 and 999.  Please correct.</source>
        <translation>Die Anzahl der Versuche muss zwischen 1 und 999 liegen. Bitte korrigieren Sie dies.</translation>
    </message>
    <message>
        <source>Word is greater than puzzle dimension size of %1 characters in &quot;%2&quot;.</source>
        <translation>Das Wort „%2“ ist länger als die Rätselgröße von %1 Zeichen.</translation>
    </message>
    <message>
        <source>The maximum word length as provided by the selected layout is %1.  The following word is greater than the maximum word length: &quot;%2&quot;.  You will need to correct the word or change the layout.</source>
        <translation>Die größte Wortlänge, die das gewählte Layout erlaubt, ist %1. Das folgende Wort ist länger: „%2“. Korrigieren Sie das Wort oder wählen Sie ein anderes Layout.</translation>
    </message>
    <message>
        <source>The length of the clue for the word &quot;%1&quot; is %2 characters longer than the maximum clue size of 150.</source>
        <translation>Der Hinweis zum Wort „%1“ ist %2 Zeichen länger als die höchstens erlaubten 150 Zeichen.</translation>
    </message>
    <message>
        <source>A puzzle has never been generated for this word/clue list. Please select &quot;File|Modify&quot; from the menu and create the puzzle first</source>
        <translation>Für diese Wort-/Hinweisliste wurde noch nie ein Rätsel erstellt. Bitte wählen Sie im Menü „Datei|Rätsel bearbeiten“ und erstellen Sie zuerst das Rätsel.</translation>
    </message>
    <message>
        <source>This puzzle already holds %1 words, the most a puzzle can hold.  No word can be added.</source>
        <translation>Dieses Rätsel enthält bereits %1 Wörter, die Höchstzahl für ein Rätsel. Es kann kein Wort hinzugefügt werden.</translation>
    </message>
    <message>
        <source>The letters typed make %1 new words, but this puzzle has room for only %2 more.  Please remove some letters.</source>
        <translation>Die eingegebenen Buchstaben ergeben %1 neue Wörter, aber in diesem Rätsel ist nur noch Platz für %2. Bitte entfernen Sie einige Buchstaben.</translation>
    </message>
    <message>
        <source>The letters &quot;%1&quot; make a word of %2 letters, but a word holds at most %3.  Please remove some letters.</source>
        <translation>Die Buchstaben „%1“ ergeben ein Wort mit %2 Buchstaben, aber ein Wort hat höchstens %3. Bitte entfernen Sie einige Buchstaben.</translation>
    </message>
    <message>
        <source>Separator Char</source>
        <translation>Trennzeichen</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more line(s).</source>
        <translation>
            <numerusform>... und %n weitere Zeile.</numerusform>
            <numerusform>... und %n weitere Zeilen.</numerusform>
        </translation>
    </message>
    <message>
        <source>These lines of the file hold a character a puzzle cannot store:</source>
        <translation>Diese Zeilen der Datei enthalten ein Zeichen, das ein Rätsel nicht speichern kann:</translation>
    </message>
    <message>
        <source>Import the other lines?</source>
        <translation>Die übrigen Zeilen importieren?</translation>
    </message>
    <message>
        <source>word</source>
        <translation>das letzte Wort</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>die letzten %1 Wörter</translation>
    </message>
    <message>
        <source>Too many words selected.  Last %1 will not be used.  Continue?</source>
        <translation>Zu viele Wörter ausgewählt. Ohne %1 fortfahren?</translation>
    </message>
    <message>
        <source>Bitmap (*.BMP)|*.BMP</source>
        <translation>Bitmap (*.BMP)|*.BMP</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt|all files (*.*)|*.*</source>
        <translation>Text (*.txt)|*.txt|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt</source>
        <translation>Text (*.txt)|*.txt</translation>
    </message>
</context>
<context>
    <name>SolvablePage</name>
    <message>
        <source>Every letter is right: the puzzle is solved.</source>
        <translation>Alle Buchstaben stimmen: Das Rätsel ist gelöst.</translation>
    </message>
    <message>
        <source>Every square is filled in correctly.</source>
        <translation>Alle Felder sind richtig ausgefüllt.</translation>
    </message>
    <message>
        <source>The puzzle is complete, with one letter revealed.</source>
        <translation>Das Rätsel ist vollständig, ein Buchstabe wurde aufgedeckt.</translation>
    </message>
    <message>
        <source>The puzzle is complete, with {n} letters revealed.</source>
        <extracomment>{n} stands for a number; keep it as it is.</extracomment>
        <translation>Das Rätsel ist vollständig, {n} Buchstaben wurden aufgedeckt.</translation>
    </message>
    <message>
        <source>One letter is wrong.</source>
        <translation>Ein Buchstabe ist falsch.</translation>
    </message>
    <message>
        <source>{n} letters are wrong.</source>
        <extracomment>{n} stands for a number; keep it as it is.</extracomment>
        <translation>{n} Buchstaben sind falsch.</translation>
    </message>
    <message>
        <source>The letters filled in so far are right; one square is still empty.</source>
        <translation>Die bisher eingetragenen Buchstaben stimmen; ein Feld ist noch leer.</translation>
    </message>
    <message>
        <source>The letters filled in so far are right; {n} squares are still empty.</source>
        <extracomment>{n} stands for a number; keep it as it is.</extracomment>
        <translation>Die bisher eingetragenen Buchstaben stimmen; {n} Felder sind noch leer.</translation>
    </message>
    <message>
        <source>This letter is right.</source>
        <translation>Dieser Buchstabe ist richtig.</translation>
    </message>
    <message>
        <source>This word is right.</source>
        <translation>Dieses Wort ist richtig.</translation>
    </message>
    <message>
        <source>The letter is revealed.</source>
        <translation>Der Buchstabe wurde aufgedeckt.</translation>
    </message>
    <message>
        <source>The word is revealed.</source>
        <translation>Das Wort wurde aufgedeckt.</translation>
    </message>
    <message>
        <source>The whole puzzle is revealed.</source>
        <translation>Das ganze Rätsel wurde aufgedeckt.</translation>
    </message>
    <message>
        <source>The word is cleared.</source>
        <translation>Das Wort wurde gelöscht.</translation>
    </message>
    <message>
        <source>Reveal every letter of this puzzle?  Revealed letters are marked and counted.</source>
        <translation>Alle Buchstaben dieses Rätsels aufdecken? Aufgedeckte Buchstaben werden markiert und gezählt.</translation>
    </message>
    <message>
        <source>Reveal puzzle</source>
        <translation>Rätsel aufdecken</translation>
    </message>
    <message>
        <source>Clear every letter of this puzzle?</source>
        <translation>Alle Buchstaben dieses Rätsels löschen?</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Time {n}</source>
        <extracomment>{n} stands for the time on the clock; keep it as it is.</extracomment>
        <translation>Zeit {n}</translation>
    </message>
    <message>
        <source>Pause the timer</source>
        <translation>Zeitmessung anhalten</translation>
    </message>
    <message>
        <source>Resume the timer</source>
        <translation>Zeitmessung fortsetzen</translation>
    </message>
    <message>
        <source>The timer is paused.</source>
        <translation>Die Zeitmessung ist angehalten.</translation>
    </message>
</context>
<context>
    <name>TipOfTheDayDialog</name>
    <message>
        <source>You can spell check your words and clues using an American, British, Spanish, Italian, French, German, Dutch or Swedish dictionary.</source>
        <translation>Sie können die Rechtschreibung Ihrer Wörter und Hinweise mit einem amerikanischen, britischen, spanischen, italienischen, französischen, deutschen, niederländischen oder schwedischen Wörterbuch prüfen.</translation>
    </message>
    <message>
        <source>You can add words or exclude words from each of the spell checking dictionaries.</source>
        <translation>Sie können jedem Wörterbuch der Rechtschreibprüfung Wörter hinzufügen oder Wörter daraus ausschließen.</translation>
    </message>
    <message>
        <source>You can look up definitions of words using a 50,000 word American or British thesaurus.</source>
        <translation>Sie können Wortbedeutungen in einem amerikanischen oder britischen Thesaurus mit 50.000 Wörtern nachschlagen.</translation>
    </message>
    <message>
        <source>You can specify &quot;word separator&quot; characters that can be used to split up multi-word answers.  These characters will show up in the puzzle.</source>
        <translation>Sie können „Worttrennzeichen“ festlegen, mit denen Antworten aus mehreren Wörtern getrennt werden. Diese Zeichen erscheinen im Rätsel.</translation>
    </message>
    <message>
        <source>You can specify fonts to use for input fields, labels and buttons. User specified fonts for input fields greatly facilitates foreign language input.</source>
        <translation>Sie können Schriften für Eingabefelder, Beschriftungen und Schaltflächen festlegen. Eine eigene Schrift für Eingabefelder erleichtert die Eingabe in Fremdsprachen sehr.</translation>
    </message>
    <message>
        <source>You can change the puzzle title and category after it has been created.</source>
        <translation>Sie können Titel und Kategorie eines Rätsels ändern, nachdem es erstellt wurde.</translation>
    </message>
    <message>
        <source>You can change the clues to the puzzle after it has been created.</source>
        <translation>Sie können die Hinweise eines Rätsels ändern, nachdem es erstellt wurde.</translation>
    </message>
    <message>
        <source>You can add new words and clues, placing the words manually in the location you desire after the puzzle has been created.</source>
        <translation>Sie können einem fertigen Rätsel neue Wörter und Hinweise hinzufügen und die Wörter von Hand an die gewünschte Stelle setzen.</translation>
    </message>
    <message>
        <source>You can change the puzzle layout or change the bonus question after the puzzle has been created.</source>
        <translation>Sie können das Seitenlayout oder die Bonusfrage ändern, nachdem das Rätsel erstellt wurde.</translation>
    </message>
    <message>
        <source>You can create your own puzzle shapes from scratch or from an existing shape.  You can also share them with others (import &amp;&amp; export)</source>
        <translation>Sie können eigene Rätselformen neu oder aus einer vorhandenen Form erstellen. Sie können sie auch mit anderen teilen (Import &amp;&amp; Export).</translation>
    </message>
    <message>
        <source>You can export your created puzzles in a variety of graphic formats so that the puzzles can readily be used in Word Processors, Desktop Publishers, etc.</source>
        <translation>Sie können Ihre Rätsel in verschiedenen Grafikformaten exportieren, sodass Sie sie direkt in Textverarbeitung, Desktop-Publishing usw. verwenden können.</translation>
    </message>
    <message>
        <source>You can choose to print the puzzle with some of the answers filled in to give a &quot;head start&quot;.</source>
        <translation>Sie können das Rätsel mit einigen bereits eingetragenen Antworten drucken, als „Starthilfe“.</translation>
    </message>
    <message>
        <source>You can choose to print the puzzle with certain letters showing up in the puzzle.  Great for hints.</source>
        <translation>Sie können das Rätsel so drucken, dass bestimmte Buchstaben bereits im Rätsel stehen. Ideal als Hilfestellung.</translation>
    </message>
    <message>
        <source>You can choose and override any fonts for any section of puzzle print out.  This includes size, color and style.</source>
        <translation>Sie können für jeden Teil des Rätselausdrucks die Schrift frei wählen, einschließlich Größe, Farbe und Schnitt.</translation>
    </message>
    <message>
        <source>You can choose to have text printed in a &quot;transparent&quot; mode so that underlying graphics and bitmaps will show through.</source>
        <translation>Sie können Text „transparent“ drucken lassen, sodass darunterliegende Grafiken und Bitmaps durchscheinen.</translation>
    </message>
    <message>
        <source>You can choose to have borders placed around clues, titles, headers, text, shapes and specify the width and color.</source>
        <translation>Sie können Hinweise, Titel, Überschriften, Text und Formen mit Rahmen versehen und deren Breite und Farbe festlegen.</translation>
    </message>
    <message>
        <source>You can choose to have the numbered letters in the puzzle print out either vertical or horizontal.</source>
        <translation>Sie können die Nummern im Rätsel waagerecht oder senkrecht drucken lassen.</translation>
    </message>
    <message>
        <source>You can choose to print a list of the words in the puzzle on the printout as a guide or as clues.</source>
        <translation>Sie können eine Liste der Rätselwörter mit ausdrucken, als Hilfe oder anstelle der Hinweise.</translation>
    </message>
    <message>
        <source>You can add bonus questions to the puzzles--good for extra credit.</source>
        <translation>Sie können den Rätseln Bonusfragen hinzufügen – gut für Zusatzpunkte.</translation>
    </message>
    <message>
        <source>You can add squares, circles, bitmaps and text to the puzzle layouts.  Spice it up with fancy bitmaps or add your own informative text.</source>
        <translation>Sie können den Seitenlayouts Rechtecke, Kreise, Bitmaps und Text hinzufügen. Gestalten Sie sie mit schönen Bildern oder ergänzen Sie eigene Erklärungen.</translation>
    </message>
    <message>
        <source>You can design your own Puzzle Page layout. Place the puzzle, clues, title, etc where you want them, the size you want them, the color you want them and more!</source>
        <translation>Sie können Ihr eigenes Seitenlayout gestalten. Platzieren Sie Rätsel, Hinweise, Titel usw. wo Sie möchten, in der gewünschten Größe und Farbe und vieles mehr!</translation>
    </message>
    <message>
        <source>You can instruct the program to &quot;Auto Fit&quot; fonts into the designated areas you have specified for clues, titles, words, text, etc.</source>
        <translation>Sie können Schriften mit „Einpassen“ automatisch an die Bereiche anpassen lassen, die Sie für Hinweise, Titel, Wörter, Text usw. festgelegt haben.</translation>
    </message>
    <message>
        <source>You can export a puzzle as a ready to use Web Page (in HTML format)</source>
        <translation>Sie können ein Rätsel als fertige Webseite (im HTML-Format) exportieren.</translation>
    </message>
    <message>
        <source>You can assign over 60 foreign characters to the F1 - F12 keys to be used in the puzzle creation window.</source>
        <translation>Sie können den Tasten F1 bis F12 über 60 internationale Zeichen zuweisen und sie im Fenster zur Rätselerstellung verwenden.</translation>
    </message>
    <message>
        <source>You can choose to print the puzzle as a &quot;skeleton&quot; puzzle where just the blocks containing words are printed.</source>
        <translation>Sie können das Rätsel als „Skeletträtsel“ drucken, bei dem nur die Felder mit Buchstaben gedruckt werden.</translation>
    </message>
    <message>
        <source>You can choose the number of columns to use for printing clues in each designated area for the clues.</source>
        <translation>Sie können festlegen, in wie vielen Spalten die Hinweise in ihrem Bereich gedruckt werden.</translation>
    </message>
    <message>
        <source>You can create your own puzzle page layouts from scratch or from an existing layout.  You can also share them with others (import &amp;&amp; export)</source>
        <translation>Sie können eigene Seitenlayouts neu oder aus einem vorhandenen Layout erstellen. Sie können sie auch mit anderen teilen (Import &amp;&amp; Export).</translation>
    </message>
    <message>
        <source>You can have the best 4 puzzle creation fits displayed and you can choose from them for your desired puzzle.  Double clicking on one one of them will zoom in for a closer look.</source>
        <translation>Sie können sich die 4 besten Varianten der Rätselerstellung anzeigen lassen und daraus Ihr Rätsel auswählen. Ein Doppelklick auf eine Variante zeigt sie vergrößert.</translation>
    </message>
    <message>
        <source>You can maintain multiple sets of crosswords files.  Import and export puzzles among the files.</source>
        <translation>Sie können mehrere Rätselsammlungen führen und Rätsel zwischen den Dateien importieren und exportieren.</translation>
    </message>
    <message>
        <source>You can import a word list, clue list or combined word and clue list from a text file.</source>
        <translation>Sie können eine Wortliste, eine Hinweisliste oder eine kombinierte Wort- und Hinweisliste aus einer Textdatei importieren.</translation>
    </message>
</context>
<context>
    <name>qx</name>
    <message>
        <source>Not a regular file</source>
        <translation>Keine normale Datei</translation>
    </message>
    <message>
        <source>File is larger than %1 bytes</source>
        <translation>Die Datei ist größer als %1 Byte</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;?</source>
        <translation>Möchten Sie „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Löschen?</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Datenträgerfehler</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Waagerecht</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Senkrecht</translation>
    </message>
    <message>
        <source>%1 %2: %3, letter %4 of %5</source>
        <translation>%1 %2: %3, Buchstabe %4 von %5</translation>
    </message>
    <message>
        <source>Puzzle tools</source>
        <translation>Rätselwerkzeuge</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Check letter</source>
        <translation>Buchstaben prüfen</translation>
    </message>
    <message>
        <source>Check word</source>
        <translation>Wort prüfen</translation>
    </message>
    <message>
        <source>Check puzzle</source>
        <translation>Rätsel prüfen</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>Aufdecken</translation>
    </message>
    <message>
        <source>Reveal letter</source>
        <translation>Buchstaben aufdecken</translation>
    </message>
    <message>
        <source>Reveal word</source>
        <translation>Wort aufdecken</translation>
    </message>
    <message>
        <source>Reveal puzzle...</source>
        <translation>Rätsel aufdecken...</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Bleistift</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>Clear word</source>
        <translation>Wort löschen</translation>
    </message>
    <message>
        <source>Clear all...</source>
        <translation>Alles löschen...</translation>
    </message>
    <message>
        <source>Print blank grid</source>
        <translation>Leeres Gitter drucken</translation>
    </message>
    <message>
        <source>Print with my letters</source>
        <translation>Mit meinen Buchstaben drucken</translation>
    </message>
    <message>
        <source>Previous word</source>
        <translation>Vorheriges Wort</translation>
    </message>
    <message>
        <source>Next word</source>
        <translation>Nächstes Wort</translation>
    </message>
    <message>
        <source>page layout library</source>
        <translation>Seitenlayout-Bibliothek</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>Rechtschreibprüfung</translation>
    </message>
    <message>
        <source>Could not find one of the dictionary files.</source>
        <translation>Eine der Wörterbuchdateien wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Spelling Ok</source>
        <translation>Rechtschreibung OK</translation>
    </message>
    <message>
        <source>All words were found in the dictionary.</source>
        <translation>Alle Wörter wurden im Wörterbuch gefunden.</translation>
    </message>
    <message>
        <source>Spelling Status</source>
        <translation>Rechtschreibprüfung</translation>
    </message>
    <message>
        <source>Spell checking aborted.</source>
        <translation>Rechtschreibprüfung abgebrochen.</translation>
    </message>
    <message>
        <source>Spell checking complete.</source>
        <translation>Rechtschreibprüfung abgeschlossen.</translation>
    </message>
    <message>
        <source>Thesaurus</source>
        <translation>Thesaurus</translation>
    </message>
    <message>
        <source>There is no Dutch thesaurus: Dutch words can be spell checked but not looked up.</source>
        <translation>Es gibt keinen niederländischen Thesaurus: Niederländische Wörter können auf Rechtschreibung geprüft, aber nicht nachgeschlagen werden.</translation>
    </message>
    <message>
        <source>Suggested clues need WordNet (the Debian package wordnet-base) or a thesaurus, and neither is installed.</source>
        <translation>Für Hinweisvorschläge wird WordNet (das Debian-Paket wordnet-base) oder ein Thesaurus benötigt; beides ist nicht installiert.</translation>
    </message>
    <message>
        <source>Suggest Clues</source>
        <translation>Hinweise vorschlagen</translation>
    </message>
    <message>
        <source>There is no Dutch thesaurus, so no clues can be suggested for Dutch words.  Choose another thesaurus under Options, Thesaurus Type.</source>
        <translation>Es gibt keinen niederländischen Thesaurus, daher können für niederländische Wörter keine Hinweise vorgeschlagen werden. Wählen Sie unter „Optionen“, „Thesaurus-Typ“ einen anderen Thesaurus.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>No clues can be suggested: neither WordNet (the Debian package wordnet-base) nor the English thesaurus is installed.</source>
        <translation>Es können keine Hinweise vorgeschlagen werden: Weder WordNet (das Debian-Paket wordnet-base) noch der englische Thesaurus ist installiert.</translation>
    </message>
    <message>
        <source>No clues can be suggested: the %1 thesaurus is not installed.</source>
        <translation>Es können keine Hinweise vorgeschlagen werden: Der Thesaurus (%1) ist nicht installiert.</translation>
    </message>
    <message>
        <source>shape library</source>
        <translation>Formenbibliothek</translation>
    </message>
    <message>
        <source>puzzle collection</source>
        <translation>Rätselsammlung</translation>
    </message>
    <message>
        <source>A link another user made in a shared folder is not followed; nothing was written</source>
        <translation>Einem Link, den ein anderer Benutzer in einem gemeinsamen Ordner angelegt hat, wird nicht gefolgt; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>There is no puzzle to export</source>
        <translation>Es gibt kein Rätsel zum Exportieren</translation>
    </message>
    <message>
        <source>The puzzle has no placed word to solve</source>
        <translation>Das Rätsel hat kein platziertes Wort zum Lösen</translation>
    </message>
    <message>
        <source>The .puz format holds grids of at most %1 by %1 squares; this one is %2 by %3</source>
        <translation>Das .puz-Format fasst Gitter von höchstens %1 × %1 Feldern; dieses hat %2 × %3</translation>
    </message>
    <message>
        <source>The .puz format cannot hold this puzzle: two words lie on the same squares (&quot;%1&quot;)</source>
        <translation>Das .puz-Format kann dieses Rätsel nicht aufnehmen: Zwei Wörter liegen auf denselben Feldern („%1“)</translation>
    </message>
    <message>
        <source>The .puz format cannot hold the character &quot;%1&quot; in a square</source>
        <translation>Das .puz-Format kann das Zeichen „%1“ nicht in einem Feld speichern</translation>
    </message>
    <message>
        <source>The .puz format cannot hold this puzzle: the squares %1 from row %2, column %3 are not one of its words</source>
        <translation>Das .puz-Format kann dieses Rätsel nicht aufnehmen: Die Felder %1 ab Zeile %2, Spalte %3 bilden keines seiner Wörter</translation>
    </message>
    <message>
        <source>down</source>
        <translation>senkrecht</translation>
    </message>
    <message>
        <source>across</source>
        <translation>waagerecht</translation>
    </message>
    <message>
        <source>The .puz format cannot hold this puzzle: the word &quot;%1&quot; is not a run of two or more squares between black squares</source>
        <translation>Das .puz-Format kann dieses Rätsel nicht aufnehmen: Das Wort „%1“ ist keine Folge von zwei oder mehr Feldern zwischen schwarzen Feldern</translation>
    </message>
    <message>
        <source>A page %1 pixels wide cannot be made</source>
        <translation>Eine Seite mit %1 Pixel Breite kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>A metafile needs a rendered page to draw again</source>
        <translation>Eine Metadatei braucht eine gezeichnete Seite, um neu zu zeichnen</translation>
    </message>
    <message>
        <source>A text holds a character the page cannot hold</source>
        <translation>Ein Text enthält ein Zeichen, das die Seite nicht darstellen kann</translation>
    </message>
    <message>
        <source>Its picture would have the same name</source>
        <translation>Das zugehörige Bild hätte denselben Namen</translation>
    </message>
    <message>
        <source>The %1 could not be made</source>
        <translation>Die Datei (%1) konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Legal</translation>
    </message>
    <message>
        <source>Executive</source>
        <translation>Executive</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lesen über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>The file was changed by another program</source>
        <translation>Die Datei wurde von einem anderen Programm geändert</translation>
    </message>
    <message>
        <source>%1 is damaged or is not a %2.  Nothing was saved.</source>
        <translation>%1 ist beschädigt oder keine %2. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Not a whole number of records</source>
        <translation>Keine ganze Zahl von Datensätzen</translation>
    </message>
    <message>
        <source>No such record</source>
        <translation>Kein solcher Datensatz</translation>
    </message>
    <message>
        <source>The file is in use by another program</source>
        <translation>Die Datei wird von einem anderen Programm verwendet</translation>
    </message>
    <message>
        <source>The file keeps changing</source>
        <translation>Die Datei ändert sich ständig</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)|*.bmp</source>
        <translation>Bitmap (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>ipuz (*.ipuz)|*.ipuz</source>
        <translation>ipuz (*.ipuz)|*.ipuz</translation>
    </message>
    <message>
        <source>JPEG (*.jpg)|*.jpg</source>
        <translation>JPEG (*.jpg)|*.jpg</translation>
    </message>
    <message>
        <source>Metafile (*.WMF)|*.WMF</source>
        <translation>Metadatei (*.WMF)|*.WMF</translation>
    </message>
    <message>
        <source>Enhanced Metafile (*.EMF)|*.EMF</source>
        <translation>Erweiterte Metadatei (*.EMF)|*.EMF</translation>
    </message>
    <message>
        <source>metafile</source>
        <translation>Metadatei</translation>
    </message>
    <message>
        <source>PDF (*.pdf)|*.pdf</source>
        <translation>PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>PNG (*.png)|*.png</source>
        <translation>PNG (*.png)|*.png</translation>
    </message>
    <message>
        <source>puz (*.puz)|*.puz</source>
        <translation>puz (*.puz)|*.puz</translation>
    </message>
    <message>
        <source>web page (*.html)|*.html</source>
        <translation>Webseite (*.html)|*.html</translation>
    </message>
    <message>
        <source>Crossword Puzzle</source>
        <translation>Kreuzworträtsel</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a word&apos;s label: its number, then Across or Down</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Skip to the clues</source>
        <translation>Zu den Hinweisen springen</translation>
    </message>
    <message>
        <source>en</source>
        <comment>language code</comment>
        <extracomment>The language code (BCP 47) of this translation: the page&apos;s lang attribute.</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <source>Click a square or a clue and type the answer; typing follows the word&apos;s direction. The arrow keys move, Tab and Shift+Tab go to the next and the previous word, Backspace erases, a second click on a square (or the space bar) turns the direction, and Escape leaves the grid.</source>
        <translation>Klicken Sie auf ein Feld oder einen Hinweis und tippen Sie die Antwort; die Eingabe folgt der Richtung des Wortes. Die Pfeiltasten bewegen, Tab und Umschalt+Tab springen zum nächsten und vorherigen Wort, die Rücktaste löscht, ein zweiter Klick auf ein Feld (oder die Leertaste) wechselt die Richtung, und Esc verlässt das Gitter.</translation>
    </message>
    <message>
        <source>Tap a square or a clue and type; tap the square again to turn.</source>
        <translation>Tippen Sie auf ein Feld oder einen Hinweis und geben Sie ein; erneutes Tippen auf das Feld wechselt die Richtung.</translation>
    </message>
    <message>
        <source>Puzzle grid, %1 squares wide and %2 high</source>
        <translation>Rätselgitter, %1 Felder breit und %2 hoch</translation>
    </message>
    <message>
        <source>Your letters and your time are kept in this browser. The answers are stored in this page in a simply scrambled form, so they cannot be read in its source at a glance.</source>
        <translation>Ihre Buchstaben und Ihre Zeit werden in diesem Browser gespeichert. Die Lösungen stehen in einfach verschlüsselter Form in dieser Seite, sodass man sie im Quelltext nicht auf einen Blick lesen kann.</translation>
    </message>
    <message>
        <source>SVG (*.svg)|*.svg</source>
        <translation>SVG (*.svg)|*.svg</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt</source>
        <translation>Text (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>html (*.htm)|*.htm</source>
        <translation>HTML (*.htm)|*.htm</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>A&amp;merikanisch</translation>
    </message>
    <message>
        <source>American</source>
        <translation>Amerikanisch</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>&amp;Britisch</translation>
    </message>
    <message>
        <source>British</source>
        <translation>Britisch</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>&amp;Spanisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>&amp;Italienisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Französisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Deutsch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>&amp;Dutch</source>
        <translation>&amp;Niederländisch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>S&amp;wedish</source>
        <translation>Sch&amp;wedisch</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <source>not a thesaurus</source>
        <translation>keine Thesaurus-Datei</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Mitteilung</translation>
    </message>
    <message>
        <source>%1 was not found in the dictionary.  No suggestions could be found.</source>
        <translation>%1 wurde im Wörterbuch nicht gefunden. Es wurden keine Vorschläge gefunden.</translation>
    </message>
    <message>
        <source>Printing Page %p
%0
%1</source>
        <extracomment>%p is the page number; %0 and %1 are two lines of progress the renderer fills in.</extracomment>
        <translation>Seite %p wird gedruckt
%0
%1</translation>
    </message>
    <message>
        <source>Printing page %p</source>
        <extracomment>%p is the page number.</extracomment>
        <translation>Seite %p wird gedruckt</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>QXMOR Files (*.QX3)|*.QX3</source>
        <translation>QXMOR-Dateien (*.QX3)|*.QX3</translation>
    </message>
    <message>
        <source>QXMOR Files (*.QX3)|*.QX3|16 bit QXMOR Files (*.QXM)|*.QXM</source>
        <translation>QXMOR-Dateien (*.QX3)|*.QX3|16-Bit-QXMOR-Dateien (*.QXM)|*.QXM</translation>
    </message>
    <message>
        <source>&lt;Current Puzzle&gt;</source>
        <translation>&lt;Aktuelles Rätsel&gt;</translation>
    </message>
    <message>
        <source>&lt;Smallest Square&gt;</source>
        <translation>&lt;Kleinstes Quadrat&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;DEFAULT&gt;&gt;</source>
        <translation>&lt;&lt;STANDARD&gt;&gt;</translation>
    </message>
</context>
<context>
    <name>qx::AboutBox</name>
    <message>
        <source>About</source>
        <translation>Über Quorvex</translation>
    </message>
    <message>
        <source>Quorvex 98</source>
        <translation>Quorvex 98</translation>
    </message>
    <message>
        <source>Version 3.1</source>
        <translation>Version 3.1</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>qx::AddAClueDialog</name>
    <message>
        <source>Add A Clue</source>
        <translation>Hinweis hinzufügen</translation>
    </message>
    <message>
        <source>Word:</source>
        <translation>Wort:</translation>
    </message>
    <message>
        <source>Clue:</source>
        <translation>Hinweis:</translation>
    </message>
    <message>
        <source>&amp;Upper Case</source>
        <translation>&amp;Großbuchstaben</translation>
    </message>
    <message>
        <source>&amp;Lower Case</source>
        <translation>&amp;Kleinbuchstaben</translation>
    </message>
    <message>
        <source>&amp;First Letter Cap</source>
        <translation>&amp;Anfang groß</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>qx::BonusQuestionDialog</name>
    <message>
        <source>Bonus Question</source>
        <translation>Bonusfrage</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>qx::BorderDialog</name>
    <message>
        <source>&amp;Use Border</source>
        <translation>Rahmen &amp;verwenden</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>Farbe ä&amp;ndern</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Rahmenfarbe</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Invalid width entered.</source>
        <translation>Ungültige Breite eingegeben.</translation>
    </message>
    <message>
        <source>Border Info for %1</source>
        <translation>Rahmen für %1</translation>
    </message>
</context>
<context>
    <name>qx::BuildProgressDialog</name>
    <message>
        <source>Building Puzzles</source>
        <translation>Rätsel werden erstellt</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>qx::CandidatesDialog</name>
    <message>
        <source>Created Puzzle</source>
        <translation>Erstelltes Rätsel</translation>
    </message>
    <message>
        <source>&amp;Save Puzzle</source>
        <translation>Rätsel &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>One or more words did not fit into the puzzle.  Save Puzzle anyway?</source>
        <translation>Mindestens ein Wort passte nicht in das Rätsel. Rätsel trotzdem speichern?</translation>
    </message>
    <message>
        <source>%1 Included Word</source>
        <translation>%1 enthaltenes Wort</translation>
    </message>
    <message>
        <source>%1 Included Words</source>
        <translation>%1 enthaltene Wörter</translation>
    </message>
    <message>
        <source>%1 Excluded Word</source>
        <translation>%1 ausgelassenes Wort</translation>
    </message>
    <message>
        <source>%1 Excluded Words</source>
        <translation>%1 ausgelassene Wörter</translation>
    </message>
</context>
<context>
    <name>qx::ClueHeadersDialog</name>
    <message>
        <source>Default Clue Headers</source>
        <translation>Standard-Überschriften der Hinweise</translation>
    </message>
    <message>
        <source>Clue Headers</source>
        <translation>Überschriften der Hinweise</translation>
    </message>
    <message>
        <source>Across Header</source>
        <translation>Überschrift waagerecht</translation>
    </message>
    <message>
        <source>Down Header</source>
        <translation>Überschrift senkrecht</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>qx::ClueSuggestionsDialog</name>
    <message>
        <source>Suggest Clues</source>
        <translation>Hinweise vorschlagen</translation>
    </message>
    <message>
        <source>Suggestions (%1) for %2 of %3 words.  Choose or change each clue, then accept; a clue left empty is not changed.</source>
        <translation>Vorschläge (%1) für %2 von %3 Wörtern. Wählen oder ändern Sie jeden Hinweis und übernehmen Sie dann; ein leer gelassener Hinweis wird nicht geändert.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>(no suggestion)</source>
        <translation>(kein Vorschlag)</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>qx::CopiesDialog</name>
    <message>
        <source>Multi-Copies</source>
        <translation>Mehrere Kopien</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Copies To Print</source>
        <translation>Anzahl der Kopien</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Invalid number of copies entered.</source>
        <translation>Ungültige Anzahl von Kopien eingegeben.</translation>
    </message>
</context>
<context>
    <name>qx::DictionaryMaintenanceDialog</name>
    <message>
        <source>Dictionary Maintenance</source>
        <translation>Wörterbuch pflegen</translation>
    </message>
    <message>
        <source>These words will be added to the %1 dictionary and counted as valid.</source>
        <translation>Diese Wörter werden zum Wörterbuch (%1) hinzugefügt und als gültig gewertet.</translation>
    </message>
    <message>
        <source>These words will be excluded from the  %1 dictionary and will be invalid.</source>
        <translation>Diese Wörter werden aus dem Wörterbuch (%1) ausgeschlossen und als ungültig gewertet.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>qx::EnlargedCandidateDialog</name>
    <message>
        <source>E&amp;xit</source>
        <translation>S&amp;chließen</translation>
    </message>
</context>
<context>
    <name>qx::ExportPuzzlesDialog</name>
    <message>
        <source>Export Crossword Puzzles</source>
        <translation>Kreuzworträtsel exportieren</translation>
    </message>
    <message>
        <source>Puzzles Available For Export</source>
        <translation>Zum Export verfügbare Rätsel</translation>
    </message>
    <message>
        <source>Save &amp;File</source>
        <translation>In &amp;Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>No puzzles have been selected for export.</source>
        <translation>Es wurden keine Rätsel zum Export ausgewählt.</translation>
    </message>
    <message>
        <source>Save Crossword Puzzles</source>
        <translation>Kreuzworträtsel speichern</translation>
    </message>
    <message>
        <source>No puzzles were exported; the list now shows the change.</source>
        <translation>Es wurden keine Rätsel exportiert; die Liste zeigt jetzt die Änderung.</translation>
    </message>
    <message>
        <source>Unable to export puzzles.</source>
        <translation>Die Rätsel können nicht exportiert werden.</translation>
    </message>
    <message>
        <source>Export File cannot be the same as the currently open file.</source>
        <translation>Die Exportdatei darf nicht die aktuell geöffnete Datei sein.</translation>
    </message>
</context>
<context>
    <name>qx::ExtractLayoutDialog</name>
    <message>
        <source>Extract Page Layout From Puzzle</source>
        <translation>Seitenlayout aus Rätsel extrahieren</translation>
    </message>
    <message>
        <source>Available Puzzles</source>
        <translation>Verfügbare Rätsel</translation>
    </message>
    <message>
        <source>&amp;Extract</source>
        <translation>&amp;Extrahieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>No puzzles have been selected for export.</source>
        <translation>Es wurden keine Rätsel ausgewählt.</translation>
    </message>
    <message>
        <source>No layout was extracted; the list now shows the change.</source>
        <translation>Es wurde kein Layout extrahiert; die Liste zeigt jetzt die Änderung.</translation>
    </message>
    <message>
        <source>Unable to open puzzle.</source>
        <translation>Das Rätsel kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Datenträgerfehler</translation>
    </message>
    <message>
        <source>Unable to add page layout.</source>
        <translation>Das Seitenlayout kann nicht hinzugefügt werden.</translation>
    </message>
</context>
<context>
    <name>qx::FillDialog</name>
    <message>
        <source>&amp;Fill In Shape</source>
        <translation>Form &amp;füllen</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>Farbe ä&amp;ndern</translation>
    </message>
    <message>
        <source>Fill Color</source>
        <translation>Füllfarbe</translation>
    </message>
    <message>
        <source>Fill Info for %1</source>
        <translation>Füllung für %1</translation>
    </message>
</context>
<context>
    <name>qx::GridPropertiesDialog</name>
    <message>
        <source>Skeleton Puzzle</source>
        <translation>Skeletträtsel</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>Farbe ä&amp;ndern</translation>
    </message>
    <message>
        <source>Ch&amp;ange Color</source>
        <translation>Far&amp;be ändern</translation>
    </message>
    <message>
        <source>Puzzle Fill Color</source>
        <translation>Farbe gefüllter Felder</translation>
    </message>
    <message>
        <source>Puzzle Block Color</source>
        <translation>Farbe der Buchstabenfelder</translation>
    </message>
    <message>
        <source>Puzzle Line Color</source>
        <translation>Linienfarbe</translation>
    </message>
    <message>
        <source>Puzzle Line Width</source>
        <translation>Linienbreite</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Invalid width entered.</source>
        <translation>Ungültige Breite eingegeben.</translation>
    </message>
    <message>
        <source>Properties for %1</source>
        <translation>Eigenschaften von %1</translation>
    </message>
</context>
<context>
    <name>qx::HeadingTextDialog</name>
    <message>
        <source>Across Header</source>
        <translation>Überschrift waagerecht</translation>
    </message>
    <message>
        <source>Down Header</source>
        <translation>Überschrift senkrecht</translation>
    </message>
</context>
<context>
    <name>qx::HelpWindow</name>
    <message>
        <source>Quorvex 98 Help</source>
        <translation>Quorvex 98 – Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>S&amp;chließen</translation>
    </message>
</context>
<context>
    <name>qx::ImportPuzzlesDialog</name>
    <message>
        <source>Import Crossword Puzzles</source>
        <translation>Kreuzworträtsel importieren</translation>
    </message>
    <message>
        <source>Puzzles in File</source>
        <translation>Rätsel in der Datei</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>No puzzles have been selected for import.</source>
        <translation>Es wurden keine Rätsel zum Import ausgewählt.</translation>
    </message>
    <message>
        <source>No puzzles were imported; the list now shows the change.</source>
        <translation>Es wurden keine Rätsel importiert; die Liste zeigt jetzt die Änderung.</translation>
    </message>
    <message>
        <source>Unable to import puzzles.</source>
        <translation>Die Rätsel können nicht importiert werden.</translation>
    </message>
    <message>
        <source>File Name: %1</source>
        <translation>Dateiname: %1</translation>
    </message>
</context>
<context>
    <name>qx::InternationalCharactersDialog</name>
    <message>
        <source>International Characters</source>
        <translation>Internationale Zeichen</translation>
    </message>
    <message>
        <source>The function keys F1 through F12 can be assigned any number of international characters.  The function keys will play back the assigned international key in the Puzzle Creation Window.</source>
        <translation>Den Funktionstasten F1 bis F12 können beliebige internationale Zeichen zugewiesen werden. Im Fenster zur Rätselerstellung geben die Funktionstasten dann das zugewiesene Zeichen ein.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>qx::JpegFactorDialog</name>
    <message>
        <source>JPEG Factor</source>
        <translation>JPEG-Faktor</translation>
    </message>
    <message>
        <source>JPEG Compression/Quality Factor (Range: 1 - 100)</source>
        <translation>JPEG-Kompressions-/Qualitätsfaktor (Bereich: 1–100)</translation>
    </message>
    <message>
        <source>When the Factor is high, the image will be sharper, but the file size will be larger.  If the factor is lower, then the file size will be smaller, but the image will not be as sharp.</source>
        <translation>Ist der Faktor hoch, wird das Bild schärfer, aber die Datei größer. Ist der Faktor niedriger, wird die Datei kleiner, aber das Bild weniger scharf.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Invalid factor entered.  Factor must be between 1 and 100</source>
        <translation>Ungültiger Faktor eingegeben. Der Faktor muss zwischen 1 und 100 liegen.</translation>
    </message>
</context>
<context>
    <name>qx::LanguageChoiceDialog</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>qx::LayoutLibraryDialog</name>
    <message>
        <source>Unable to delete page layout.</source>
        <translation>Das Seitenlayout kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Page layout could not be imported.</source>
        <translation>Das Seitenlayout konnte nicht importiert werden.</translation>
    </message>
    <message>
        <source>Page layout file is corrupt or incompatible.  Import aborted.</source>
        <translation>Die Seitenlayout-Datei ist beschädigt oder nicht kompatibel. Import abgebrochen.</translation>
    </message>
    <message>
        <source>Unable to add page layout.</source>
        <translation>Das Seitenlayout kann nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Page layout could not be exported.</source>
        <translation>Das Seitenlayout konnte nicht exportiert werden.</translation>
    </message>
    <message>
        <source>Page Layout Exported!</source>
        <translation>Seitenlayout exportiert!</translation>
    </message>
    <message>
        <source>Page Layouts (*.PAG)|*.PAG</source>
        <translation>Seitenlayouts (*.PAG)|*.PAG</translation>
    </message>
    <message>
        <source>Puzzle Page Layouts</source>
        <translation>Seitenlayouts für Rätsel</translation>
    </message>
    <message>
        <source>Page Layouts</source>
        <translation>Seitenlayouts</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Rätsel</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Waagerecht</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Senkrecht</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Text, Shapes</source>
        <translation>Text, Formen</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>Aus&amp;wählen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>Set De&amp;fault</source>
        <translation>Als &amp;Standard</translation>
    </message>
    <message>
        <source>Ex&amp;tract</source>
        <translation>E&amp;xtrahieren</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>No saved page layouts could be found.</source>
        <translation>Es wurden keine gespeicherten Seitenlayouts gefunden.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>No page layout selected.</source>
        <translation>Kein Seitenlayout ausgewählt.</translation>
    </message>
    <message>
        <source>No layout has been selected.</source>
        <translation>Es wurde kein Layout ausgewählt.</translation>
    </message>
    <message>
        <source>Import Page Layouts</source>
        <translation>Seitenlayouts importieren</translation>
    </message>
    <message>
        <source>Export Page Layouts</source>
        <translation>Seitenlayouts exportieren</translation>
    </message>
</context>
<context>
    <name>qx::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Puzzle Collection File</source>
        <translation>&amp;Neue Rätselsammlung</translation>
    </message>
    <message>
        <source>Create New Puzzle Collection File</source>
        <translation>Neue Rätselsammlung (Datei) anlegen</translation>
    </message>
    <message>
        <source>&amp;Open Puzzle Collection File</source>
        <translation>Rätselsammlung ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open Puzzle Collection File</source>
        <translation>Rätselsammlung (Datei) öffnen</translation>
    </message>
    <message>
        <source>Ne&amp;w Puzzle</source>
        <translation>Neues &amp;Rätsel</translation>
    </message>
    <message>
        <source>Create New Puzzle</source>
        <translation>Neues Rätsel erstellen</translation>
    </message>
    <message>
        <source>&amp;Modify Puzzle</source>
        <translation>Rätsel &amp;bearbeiten</translation>
    </message>
    <message>
        <source>Modify Puzzle</source>
        <translation>Rätsel bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy Puzzle</source>
        <translation>Rätsel &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Rätsel kopieren</translation>
    </message>
    <message>
        <source>&amp;Delete Puzzle</source>
        <translation>Rätsel &amp;löschen</translation>
    </message>
    <message>
        <source>Delete Puzzle</source>
        <translation>Rätsel löschen</translation>
    </message>
    <message>
        <source>&amp;Import Puzzles</source>
        <translation>Rätsel &amp;importieren</translation>
    </message>
    <message>
        <source>Import Puzzles</source>
        <translation>Rätsel importieren</translation>
    </message>
    <message>
        <source>&amp;Export Puzzles</source>
        <translation>Rätsel e&amp;xportieren</translation>
    </message>
    <message>
        <source>Export Puzzles</source>
        <translation>Rätsel exportieren</translation>
    </message>
    <message>
        <source>&amp;Print Puzzle</source>
        <translation>Rätsel &amp;drucken</translation>
    </message>
    <message>
        <source>Print Puzzle</source>
        <translation>Rätsel drucken</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>Dru&amp;ckereinrichtung</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Page Layout</source>
        <translation>&amp;Seitenlayout</translation>
    </message>
    <message>
        <source>Page Layout Designer</source>
        <translation>Seitenlayout-Designer</translation>
    </message>
    <message>
        <source>Puzzle &amp;Shape</source>
        <translation>Rätsel&amp;form</translation>
    </message>
    <message>
        <source>Create Puzzle Shape</source>
        <translation>Rätselform erstellen</translation>
    </message>
    <message>
        <source>Puzzle &amp;Words</source>
        <translation>Rätsel&amp;wörter</translation>
    </message>
    <message>
        <source>Modify Puzzle Words</source>
        <translation>Rätselwörter bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Background Bitmap</source>
        <translation>&amp;Hintergrund-Bitmap</translation>
    </message>
    <message>
        <source>&amp;JPEG Compression Factor</source>
        <translation>&amp;JPEG-Kompressionsfaktor</translation>
    </message>
    <message>
        <source>&amp;International Characters</source>
        <translation>&amp;Internationale Zeichen</translation>
    </message>
    <message>
        <source>&amp;Clue Headers</source>
        <translation>Hinweis-Übe&amp;rschriften</translation>
    </message>
    <message>
        <source>&amp;Word Separator Chars</source>
        <translation>&amp;Worttrennzeichen</translation>
    </message>
    <message>
        <source>&amp;Label Font</source>
        <translation>Schrift für &amp;Beschriftungen</translation>
    </message>
    <message>
        <source>E&amp;dit Font</source>
        <translation>Schrift für &amp;Eingabefelder</translation>
    </message>
    <message>
        <source>B&amp;utton Font</source>
        <translation>Schrift für Schaltf&amp;lächen</translation>
    </message>
    <message>
        <source>S&amp;creen Size</source>
        <translation>Bildschirm&amp;größe</translation>
    </message>
    <message>
        <source>C&amp;olors For Saving Bitmaps &amp;&amp; JPEGs</source>
        <translation>&amp;Farben für Bitmaps &amp;&amp; JPEGs</translation>
    </message>
    <message>
        <source>&amp;256 Colors</source>
        <translation>&amp;256 Farben</translation>
    </message>
    <message>
        <source>&amp;16 Million Colors</source>
        <translation>&amp;16 Millionen Farben</translation>
    </message>
    <message>
        <source>&amp;Dictionary Type</source>
        <translation>Wörterbuch&amp;sprache</translation>
    </message>
    <message>
        <source>&amp;Choose At Spell Check Time</source>
        <translation>Bei Rechtschreib&amp;prüfung wählen</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>&amp;Amerikanisch</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>&amp;Britisch</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>&amp;Spanisch</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>&amp;Italienisch</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Französisch</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Deutsch</translation>
    </message>
    <message>
        <source>&amp;Dutch</source>
        <translation>&amp;Niederländisch</translation>
    </message>
    <message>
        <source>S&amp;wedish</source>
        <translation>Sch&amp;wedisch</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>Zum Wörterbuch hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Exclude From Dictionary</source>
        <translation>Aus Wörterbuch &amp;ausschließen</translation>
    </message>
    <message>
        <source>&amp;Thesaurus Type</source>
        <translation>&amp;Thesaurus-Typ</translation>
    </message>
    <message>
        <source>&amp;Choose at Thesaurus Use Time</source>
        <translation>Bei &amp;Nachschlagen wählen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
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
        <source>&amp;User Manual</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message>
        <source>&amp;Review Tips of the Day</source>
        <translation>&amp;Tipps des Tages</translation>
    </message>
    <message>
        <source>&amp;Data Exchange via Internet</source>
        <translation>&amp;Datenaustausch über das Internet</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über Quorvex</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Rätsel</translation>
    </message>
    <message>
        <source>Quorvex 98 (%1)</source>
        <translation>Quorvex 98 (%1)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>No puzzle selected.  Please select a puzzle first.</source>
        <translation>Kein Rätsel ausgewählt. Bitte wählen Sie zuerst ein Rätsel aus.</translation>
    </message>
    <message>
        <source>The lists now show the change; select the puzzle again.</source>
        <translation>Die Listen zeigen jetzt die Änderung; wählen Sie das Rätsel erneut aus.</translation>
    </message>
    <message>
        <source>Create New Puzzle Group</source>
        <translation>Neue Rätselsammlung anlegen</translation>
    </message>
    <message>
        <source>The puzzle collection file %1 could not be created.</source>
        <translation>Die Rätselsammlung %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Neues Rätsel</translation>
    </message>
    <message>
        <source>Would you like to create your first puzzle now for this new puzzle collection?</source>
        <translation>Möchten Sie jetzt das erste Rätsel für diese neue Rätselsammlung erstellen?</translation>
    </message>
    <message>
        <source>Open Puzzle Group</source>
        <translation>Rätselsammlung öffnen</translation>
    </message>
    <message>
        <source>The file selected is not a valid Crossword file.</source>
        <translation>Die gewählte Datei ist keine gültige Kreuzworträtsel-Datei.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Möchten Sie %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>The puzzle was not deleted; the lists now show the change.</source>
        <translation>Das Rätsel wurde nicht gelöscht; die Listen zeigen jetzt die Änderung.</translation>
    </message>
    <message>
        <source>Unable to load puzzle.</source>
        <translation>Das Rätsel kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>A puzzle has never been generated for this word/clue list. Please select &quot;File|Modify&quot; from the menu and create the puzzle first</source>
        <translation>Für diese Wort-/Hinweisliste wurde noch nie ein Rätsel erstellt. Bitte wählen Sie im Menü „Datei|Rätsel bearbeiten“ und erstellen Sie zuerst das Rätsel.</translation>
    </message>
    <message>
        <source>Your current screen resolution does not support %1 pixels.</source>
        <translation>Ihre aktuelle Bildschirmauflösung unterstützt keine %1 Pixel.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>&amp;Systemsprache</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>%1 shows the new language the next time it starts.</source>
        <translation>%1 zeigt die neue Sprache beim nächsten Start.</translation>
    </message>
</context>
<context>
    <name>qx::ManualNoticeDialog</name>
    <message>
        <source>User Manual Notice</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>The User Manual for Quorvex 98 is a word-processor document, &quot;%1&quot;, in the program&apos;s folder.  Any word processor that reads Microsoft Word documents, such as LibreOffice Writer, can show and print it.</source>
        <translation>Das Benutzerhandbuch für Quorvex 98 ist ein Textverarbeitungsdokument, „%1“, im Programmordner. Jede Textverarbeitung, die Microsoft-Word-Dokumente liest, etwa LibreOffice Writer, kann es anzeigen und drucken.</translation>
    </message>
    <message>
        <source>The User Manual is also available as a PDF document, &quot;%1&quot;.  Any PDF reader can show and print it.</source>
        <translation>Das Benutzerhandbuch gibt es auch als PDF-Dokument, „%1“. Jeder PDF-Betrachter kann es anzeigen und drucken.</translation>
    </message>
    <message>
        <source>View in &amp;Word</source>
        <translation>In &amp;Word anzeigen</translation>
    </message>
    <message>
        <source>View in &amp;Acrobat</source>
        <translation>In A&amp;crobat anzeigen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>The User Manual could not be located.  Please make sure the user manual was installed.  A copy is available at our web site.</source>
        <translation>Das Benutzerhandbuch wurde nicht gefunden. Bitte prüfen Sie, ob das Benutzerhandbuch installiert ist. Eine Kopie finden Sie auf unserer Website.</translation>
    </message>
    <message>
        <source>User Manual could not be located.  Please make sure that it was installed.</source>
        <translation>Das Benutzerhandbuch wurde nicht gefunden. Bitte prüfen Sie, ob es installiert ist.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened.  Please make sure that a program to view it is installed.</source>
        <translation>„%1“ konnte nicht geöffnet werden. Bitte prüfen Sie, ob ein Programm zum Anzeigen installiert ist.</translation>
    </message>
</context>
<context>
    <name>qx::ManualPlacementDialog</name>
    <message>
        <source>Manual Word Addition</source>
        <translation>Wörter von Hand hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>&amp;Reject</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Puzzle letter must be between A and Z.</source>
        <translation>Der Buchstabe muss zwischen A und Z liegen.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Mitteilung</translation>
    </message>
    <message>
        <source>No changes to the puzzle were detected.</source>
        <translation>Es wurden keine Änderungen am Rätsel festgestellt.</translation>
    </message>
</context>
<context>
    <name>qx::MetafileCreationDialog</name>
    <message>
        <source>Metafile Creation</source>
        <translation>Metadatei erstellen</translation>
    </message>
    <message>
        <source>Creating Metafile...  Please Wait.</source>
        <translation>Metadatei wird erstellt... Bitte warten.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Metafile Created</source>
        <translation>Metadatei erstellt</translation>
    </message>
</context>
<context>
    <name>qx::NumberFontDialog</name>
    <message>
        <source>Numbers In Puzzle</source>
        <translation>Nummern im Rätsel</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>&amp;Horizontal</source>
        <translation>&amp;Horizontal</translation>
    </message>
    <message>
        <source>&amp;Vertical</source>
        <translation>&amp;Vertikal</translation>
    </message>
    <message>
        <source>Change &amp;Font</source>
        <translation>&amp;Schrift ändern</translation>
    </message>
</context>
<context>
    <name>qx::ObjectPropertiesDialog</name>
    <message>
        <source>&amp;Transparent Background</source>
        <translation>&amp;Transparenter Hintergrund</translation>
    </message>
    <message>
        <source>&amp;Make It Fit (Auto-Shrink Font)</source>
        <translation>&amp;Einpassen (Schrift automatisch verkleinern)</translation>
    </message>
    <message>
        <source>Number of Columns</source>
        <translation>Anzahl der Spalten</translation>
    </message>
    <message>
        <source>&amp;Split Columns</source>
        <translation>&amp;Spalten aufteilen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Invalid columns entered.</source>
        <translation>Ungültige Spaltenzahl eingegeben.</translation>
    </message>
    <message>
        <source>Properties for %1</source>
        <translation>Eigenschaften von %1</translation>
    </message>
</context>
<context>
    <name>qx::PageDesignerWindow</name>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Rätsel</translation>
    </message>
    <message>
        <source>Down Heading</source>
        <translation>Überschrift senkrecht</translation>
    </message>
    <message>
        <source>Across Heading</source>
        <translation>Überschrift waagerecht</translation>
    </message>
    <message>
        <source>Down Clues</source>
        <translation>Hinweise senkrecht</translation>
    </message>
    <message>
        <source>Across Clues</source>
        <translation>Hinweise waagerecht</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>Wortliste</translation>
    </message>
    <message>
        <source>Bonus Quest</source>
        <translation>Bonusfrage</translation>
    </message>
    <message>
        <source>Combined Clues</source>
        <translation>Alle Hinweise</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Bitmap</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Page Creator</source>
        <translation>Seitengestaltung</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Papierformat</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>&amp;Portrait</source>
        <translation>Hoch&amp;format</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Querformat</translation>
    </message>
    <message>
        <source>Crossword Objects</source>
        <translation>Kreuzworträtsel-Objekte</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Weitere Objekte</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Objekte</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Small</source>
        <translation>&amp;Klein</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Mittel</translation>
    </message>
    <message>
        <source>&amp;Large</source>
        <translation>&amp;Groß</translation>
    </message>
    <message>
        <source>Ctrl+F1</source>
        <translation>Ctrl+F1</translation>
    </message>
    <message>
        <source>Ctrl+F2</source>
        <translation>Ctrl+F2</translation>
    </message>
    <message>
        <source>Ctrl+F3</source>
        <translation>Ctrl+F3</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>A bitmap for this layout could not be located.</source>
        <translation>Eine Bitmap dieses Layouts wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Some printers do not support odd sized pages.  Printed results may vary.</source>
        <translation>Manche Drucker unterstützen keine ungewöhnlichen Seitenformate. Das Druckergebnis kann abweichen.</translation>
    </message>
    <message>
        <source>Width must be between 3 and 12 inches.  Please re-enter width.</source>
        <translation>Die Breite muss zwischen 3 und 12 Zoll liegen. Bitte geben Sie die Breite erneut ein.</translation>
    </message>
    <message>
        <source>Width must be between 7 and 31 centimeters.  Please re-enter width.</source>
        <translation>Die Breite muss zwischen 7 und 31 Zentimetern liegen. Bitte geben Sie die Breite erneut ein.</translation>
    </message>
    <message>
        <source>Height must be between 4 and 18 inches.  Please re-enter height.</source>
        <translation>Die Höhe muss zwischen 4 und 18 Zoll liegen. Bitte geben Sie die Höhe erneut ein.</translation>
    </message>
    <message>
        <source>Height must be between 10 and 46 centimeters.  Please re-enter height.</source>
        <translation>Die Höhe muss zwischen 10 und 46 Zentimetern liegen. Bitte geben Sie die Höhe erneut ein.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Datenträgerfehler</translation>
    </message>
    <message>
        <source>Unable to add page layout.</source>
        <translation>Das Seitenlayout kann nicht hinzugefügt werden.</translation>
    </message>
</context>
<context>
    <name>qx::PartialAnswersDialog</name>
    <message>
        <source>Partial Answer</source>
        <translation>Teillösung</translation>
    </message>
    <message>
        <source>Select those words you would like filled in the puzzle.</source>
        <translation>Wählen Sie die Wörter aus, die im Rätsel eingetragen sein sollen.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>qx::PixelWidthDialog</name>
    <message>
        <source>Bitmap</source>
        <translation>Bitmap</translation>
    </message>
    <message>
        <source>JPeg</source>
        <translation>JPEG</translation>
    </message>
    <message>
        <source>Create &amp;Bitmap</source>
        <translation>&amp;Bitmap erstellen</translation>
    </message>
    <message>
        <source>Create &amp;JPeg</source>
        <translation>&amp;JPEG erstellen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Width of Bitmap</source>
        <translation>Breite der Bitmap</translation>
    </message>
    <message>
        <source>Width of JPeg</source>
        <translation>Breite des JPEG-Bildes</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Invalid width specified.  Please correct.</source>
        <translation>Ungültige Breite angegeben. Bitte korrigieren Sie dies.</translation>
    </message>
</context>
<context>
    <name>qx::PreviewWindow</name>
    <message>
        <source>Puzzle Preview</source>
        <translation>Rätselvorschau</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Print Page</source>
        <translation>Seite &amp;drucken</translation>
    </message>
    <message>
        <source>Print &amp;Multiple Copies</source>
        <translation>Mehrere &amp;Kopien drucken</translation>
    </message>
    <message>
        <source>Export As &amp;Metafile</source>
        <translation>Als &amp;Metadatei exportieren</translation>
    </message>
    <message>
        <source>&amp;Windows MetaFile (WMF)</source>
        <translation>&amp;Windows-Metadatei (WMF)</translation>
    </message>
    <message>
        <source>&amp;Enhanced MetaFile (EMF)</source>
        <translation>&amp;Erweiterte Metadatei (EMF)</translation>
    </message>
    <message>
        <source>Export As &amp;Picture</source>
        <translation>Als &amp;Bild exportieren</translation>
    </message>
    <message>
        <source>Windows &amp;Bitmap (BMP)</source>
        <translation>Windows-&amp;Bitmap (BMP)</translation>
    </message>
    <message>
        <source>&amp;JPEG (JPG)</source>
        <translation>&amp;JPEG (JPG)</translation>
    </message>
    <message>
        <source>Ctrl+J</source>
        <translation>Ctrl+J</translation>
    </message>
    <message>
        <source>JPEG Compression &amp;Factor</source>
        <translation>JPEG-&amp;Kompressionsfaktor</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>&amp;HTML Export</source>
        <translation>&amp;HTML-Export</translation>
    </message>
    <message>
        <source>&amp;Text Export</source>
        <translation>&amp;Textexport</translation>
    </message>
    <message>
        <source>&amp;Clues</source>
        <translation>&amp;Hinweise</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Wörter</translation>
    </message>
    <message>
        <source>Export As P&amp;DF...</source>
        <translation>Als &amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>Export As S&amp;VG...</source>
        <translation>Als &amp;SVG exportieren...</translation>
    </message>
    <message>
        <source>Export For Solving &amp;Apps</source>
        <translation>Für &amp;Rätsel-Apps exportieren</translation>
    </message>
    <message>
        <source>&amp;ipuz File...</source>
        <translation>&amp;ipuz-Datei...</translation>
    </message>
    <message>
        <source>&amp;PUZ File...</source>
        <translation>&amp;PUZ-Datei...</translation>
    </message>
    <message>
        <source>Export As &amp;Solvable Web Page...</source>
        <translation>Als &amp;interaktive Webseite exportieren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>S&amp;chließen</translation>
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
        <source>&amp;1 : 1</source>
        <translation>&amp;1 : 1</translation>
    </message>
    <message>
        <source>&amp;2 : 1</source>
        <translation>&amp;2 : 1</translation>
    </message>
    <message>
        <source>1 : &amp;1</source>
        <translation>1 : &amp;1</translation>
    </message>
    <message>
        <source>1 : &amp;2</source>
        <translation>1 : &amp;2</translation>
    </message>
    <message>
        <source>1 : &amp;3</source>
        <translation>1 : &amp;3</translation>
    </message>
    <message>
        <source>1 : &amp;4</source>
        <translation>1 : &amp;4</translation>
    </message>
    <message>
        <source>1 : &amp;5</source>
        <translation>1 : &amp;5</translation>
    </message>
    <message>
        <source>Zoom Page Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Zoom Whole Page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>Print Page</source>
        <translation>Seite drucken</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Export As Metafile</source>
        <translation>Als Metadatei exportieren</translation>
    </message>
    <message>
        <source>Export As Bitmap</source>
        <translation>Als Bitmap exportieren</translation>
    </message>
    <message>
        <source>Export As JPEG</source>
        <translation>Als JPEG exportieren</translation>
    </message>
    <message>
        <source>Create Web Page</source>
        <translation>Webseite erstellen</translation>
    </message>
    <message>
        <source>Export As PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>Zoom %</source>
        <translation>Zoom %</translation>
    </message>
    <message>
        <source>Pixel Width</source>
        <translation>Breite in Pixel</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Previous print job has not yet finished.  Try again later.</source>
        <translation>Der vorherige Druckauftrag ist noch nicht abgeschlossen. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>The page could not be printed.  To keep it as a PDF file instead, use Export As PDF, or choose &quot;Print to File (PDF)&quot; in Printer Setup.</source>
        <translation>Die Seite konnte nicht gedruckt werden. Um sie stattdessen als PDF-Datei zu speichern, verwenden Sie „Als PDF exportieren“ oder wählen Sie in der Druckereinrichtung „Print to File (PDF)“.</translation>
    </message>
    <message>
        <source>Export Clues</source>
        <translation>Hinweise exportieren</translation>
    </message>
    <message>
        <source>Export Words</source>
        <translation>Wörter exportieren</translation>
    </message>
    <message>
        <source>Unable to create export file.</source>
        <translation>Die Exportdatei kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Export As SVG</source>
        <translation>Als SVG exportieren</translation>
    </message>
    <message>
        <source>Export As Solvable Web Page</source>
        <translation>Als interaktive Webseite exportieren</translation>
    </message>
    <message>
        <source>Export For Solving Apps</source>
        <translation>Für Rätsel-Apps exportieren</translation>
    </message>
    <message>
        <source>Save Puzzle As MetaFile</source>
        <translation>Rätsel als Metadatei speichern</translation>
    </message>
    <message>
        <source>Save Puzzle As Enhanced MetaFile</source>
        <translation>Rätsel als erweiterte Metadatei speichern</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Bitmaps in this puzzle will not be saved in the metafile.</source>
        <translation>Bitmaps in diesem Rätsel werden nicht in der Metadatei gespeichert.</translation>
    </message>
    <message>
        <source>Save Puzzle As Bitmap</source>
        <translation>Rätsel als Bitmap speichern</translation>
    </message>
    <message>
        <source>Save Puzzle As JPeg</source>
        <translation>Rätsel als JPEG speichern</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Gespeichert unter %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt</source>
        <translation>Text (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Metafile (*.WMF)|*.WMF</source>
        <translation>Metadatei (*.WMF)|*.WMF</translation>
    </message>
    <message>
        <source>Enhanced Metafile (*.EMF)|*.EMF</source>
        <translation>Erweiterte Metadatei (*.EMF)|*.EMF</translation>
    </message>
    <message>
        <source>Bitmap (*.BMP)|*.BMP</source>
        <translation>Bitmap (*.BMP)|*.BMP</translation>
    </message>
    <message>
        <source>JPeg (*.JPG)|*.JPG</source>
        <translation>JPEG (*.JPG)|*.JPG</translation>
    </message>
</context>
<context>
    <name>qx::PrintOptionsDialog</name>
    <message>
        <source>Reports</source>
        <translation>Druckoptionen</translation>
    </message>
    <message>
        <source>Puzzle &amp;Title</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <source>Puzzle &amp;Body</source>
        <translation>&amp;Gitter</translation>
    </message>
    <message>
        <source>Puzzle &amp;Clues</source>
        <translation>Hi&amp;nweise</translation>
    </message>
    <message>
        <source>Puzzle &amp;Words</source>
        <translation>&amp;Wörter</translation>
    </message>
    <message>
        <source>Bonus &amp;Question</source>
        <translation>&amp;Bonusfrage</translation>
    </message>
    <message>
        <source>Parts To Print</source>
        <translation>Zu druckende Teile</translation>
    </message>
    <message>
        <source>&amp;Answer Key</source>
        <translation>&amp;Lösung</translation>
    </message>
    <message>
        <source>&amp;Partial Answers</source>
        <translation>T&amp;eillösung</translation>
    </message>
    <message>
        <source>Pa&amp;rtial Letters</source>
        <translation>&amp;Vorgegebene Buchstaben</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Auswählen</translation>
    </message>
    <message>
        <source>Answer Key</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Buchstaben</translation>
    </message>
    <message>
        <source>&amp;Skeleton Puzzle</source>
        <translation>&amp;Skeletträtsel</translation>
    </message>
    <message>
        <source>&amp;Filled Box Color</source>
        <translation>&amp;Farbe gefüllter Felder</translation>
    </message>
    <message>
        <source>Puzzle Boxes</source>
        <translation>Rätselfelder</translation>
    </message>
    <message>
        <source>&amp;View/Print</source>
        <translation>An&amp;zeigen/Drucken</translation>
    </message>
    <message>
        <source>Change Page &amp;Layout</source>
        <translation>Seitenla&amp;yout ändern</translation>
    </message>
    <message>
        <source>Change &amp;Fonts</source>
        <translation>Schr&amp;iften ändern</translation>
    </message>
    <message>
        <source>Change Clue &amp;Headers</source>
        <translation>Übe&amp;rschriften ändern</translation>
    </message>
    <message>
        <source>Change Bon&amp;us Question</source>
        <translation>Bon&amp;usfrage ändern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>&amp;Druckereinrichtung</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Puzzle Clue Numbers Font</source>
        <translation>Schrift der Hinweisnummern</translation>
    </message>
    <message>
        <source>Puzzle Answer Font</source>
        <translation>Schrift der Lösung</translation>
    </message>
    <message>
        <source>%1 Font</source>
        <translation>%1 – Schrift</translation>
    </message>
</context>
<context>
    <name>qx::PrintStatusDialog</name>
    <message>
        <source>Report Status Screen</source>
        <translation>Statusanzeige</translation>
    </message>
    <message>
        <source>Printing Status</source>
        <translation>Druckstatus</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Puzzle Generation Canceled!</source>
        <translation>Rätselerstellung abgebrochen!</translation>
    </message>
    <message>
        <source>Puzzle Generated!</source>
        <translation>Rätsel erstellt!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>qx::PuzzlePicker</name>
    <message>
        <source>&amp;Select All</source>
        <translation>Alle au&amp;swählen</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>Alle a&amp;bwählen</translation>
    </message>
</context>
<context>
    <name>qx::ShapeEditorDialog</name>
    <message>
        <source>Shape Creator</source>
        <translation>Formen-Editor</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Bedienung</translation>
    </message>
    <message>
        <source>Left Click To Toggle</source>
        <translation>Linksklick: umschalten</translation>
    </message>
    <message>
        <source>Right Click To Fill</source>
        <translation>Rechtsklick: füllen</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Breite</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Höhe</translation>
    </message>
    <message>
        <source>Shift Grid</source>
        <translation>Gitter verschieben</translation>
    </message>
    <message>
        <source>Adjust Grid</source>
        <translation>Gitter anpassen</translation>
    </message>
    <message>
        <source>&amp;Reverse</source>
        <translation>&amp;Umkehren</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Width must be between 5 and 49.  Please re-enter width.</source>
        <translation>Die Breite muss zwischen 5 und 49 liegen. Bitte geben Sie die Breite erneut ein.</translation>
    </message>
    <message>
        <source>Height must be between 5 and 49.  Please re-enter height.</source>
        <translation>Die Höhe muss zwischen 5 und 49 liegen. Bitte geben Sie die Höhe erneut ein.</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Datenträgerfehler</translation>
    </message>
    <message>
        <source>Unable to add shape.</source>
        <translation>Die Form kann nicht hinzugefügt werden.</translation>
    </message>
</context>
<context>
    <name>qx::ShapeLibraryDialog</name>
    <message>
        <source>Shapes</source>
        <translation>Formen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>S&amp;chließen</translation>
    </message>
</context>
<context>
    <name>qx::ShapeListPanel</name>
    <message>
        <source>Unable to delete puzzle shape.</source>
        <translation>Die Rätselform kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Puzzle shape could not be imported.</source>
        <translation>Die Rätselform konnte nicht importiert werden.</translation>
    </message>
    <message>
        <source>Puzzle shape file is corrupt or incompatible.  Import aborted.</source>
        <translation>Die Datei der Rätselform ist beschädigt oder nicht kompatibel. Import abgebrochen.</translation>
    </message>
    <message>
        <source>Unable to add shape.</source>
        <translation>Die Form kann nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Shape could not be exported.</source>
        <translation>Die Form konnte nicht exportiert werden.</translation>
    </message>
    <message>
        <source>Puzzle Shape Exported!</source>
        <translation>Rätselform exportiert!</translation>
    </message>
    <message>
        <source>Puzzle Shape</source>
        <translation>Rätselform</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>Ne&amp;u</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>L&amp;öschen</translation>
    </message>
    <message>
        <source>Im&amp;port</source>
        <translation>I&amp;mportieren</translation>
    </message>
    <message>
        <source>Expo&amp;rt</source>
        <translation>Exportiere&amp;n</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>No saved shape information could be found.</source>
        <translation>Es wurden keine gespeicherten Formen gefunden.</translation>
    </message>
    <message>
        <source>Import Puzzle Shape</source>
        <translation>Rätselform importieren</translation>
    </message>
    <message>
        <source>Puzzle Shapes (*.LAY)|*.LAY</source>
        <translation>Rätselformen (*.LAY)|*.LAY</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>No shape selected.</source>
        <translation>Keine Form ausgewählt.</translation>
    </message>
    <message>
        <source>Export Puzzle Shape</source>
        <translation>Rätselform exportieren</translation>
    </message>
    <message>
        <source>Puzzle Shape (*.LAY)|*.LAY</source>
        <translation>Rätselform (*.LAY)|*.LAY</translation>
    </message>
</context>
<context>
    <name>qx::SizePositionDialog</name>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Values In Inches</source>
        <translation>Werte in Zoll</translation>
    </message>
    <message>
        <source>Values In Centimeters</source>
        <translation>Werte in Zentimetern</translation>
    </message>
    <message>
        <source>Invalid left position entered.</source>
        <translation>Ungültige linke Position eingegeben.</translation>
    </message>
    <message>
        <source>Invalid top position entered.</source>
        <translation>Ungültige obere Position eingegeben.</translation>
    </message>
    <message>
        <source>Invalid width entered.</source>
        <translation>Ungültige Breite eingegeben.</translation>
    </message>
    <message>
        <source>Invalid height entered.</source>
        <translation>Ungültige Höhe eingegeben.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The location you have specified will place the object off the page.  Do you wish abort your changes?</source>
        <translation>Mit der angegebenen Position liegt das Objekt außerhalb der Seite. Möchten Sie Ihre Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>Size &amp; Location of %1</source>
        <translation>Größe &amp; Position von %1</translation>
    </message>
</context>
<context>
    <name>qx::SpellingSuggestionsDialog</name>
    <message>
        <source>Spelling Suggestions</source>
        <translation>Rechtschreibvorschläge</translation>
    </message>
    <message>
        <source>The following word was not found in the %1 dictionary.  Suggestions are listed below.</source>
        <translation>Das folgende Wort wurde im Wörterbuch (%1) nicht gefunden. Vorschläge sind unten aufgeführt.</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Vorschläge</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorieren</translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>No replacement word has been selected.  Please choose a replacement first.</source>
        <translation>Es wurde kein Ersatzwort ausgewählt. Bitte wählen Sie zuerst ein Ersatzwort.</translation>
    </message>
</context>
<context>
    <name>qx::TextInputDialog</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>qx::ThesaurusLookupDialog</name>
    <message>
        <source>Thesaurus Lookup</source>
        <translation>Im Thesaurus nachschlagen</translation>
    </message>
    <message>
        <source>&amp;Look Up</source>
        <translation>&amp;Nachschlagen</translation>
    </message>
    <message>
        <source>&amp;Suggest</source>
        <translation>&amp;Vorschlagen</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <source>&amp;Word</source>
        <translation>&amp;Wort</translation>
    </message>
    <message>
        <source>&amp;Categories</source>
        <translation>&amp;Kategorien</translation>
    </message>
    <message>
        <source>A&amp;ntonyms</source>
        <translation>An&amp;tonyme</translation>
    </message>
    <message>
        <source>S&amp;ynonyms</source>
        <translation>S&amp;ynonyme</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Could not find the Thesaurus file.</source>
        <translation>Die Thesaurus-Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Word not found in Thesaurus.  Click on &quot;suggest&quot; for possible substitute words.</source>
        <translation>Wort nicht im Thesaurus gefunden. Klicken Sie auf „Vorschlagen“, um mögliche Ersatzwörter zu erhalten.</translation>
    </message>
    <message>
        <source>No suggestions found for the word %1.</source>
        <translation>Keine Vorschläge für das Wort %1 gefunden.</translation>
    </message>
    <message>
        <source>No replacement word has been selected.  Please choose a replacement first.</source>
        <translation>Es wurde kein Ersatzwort ausgewählt. Bitte wählen Sie zuerst ein Ersatzwort.</translation>
    </message>
</context>
<context>
    <name>qx::TipOfTheDayDialog</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <source>&lt;b&gt;Did you know?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Wussten Sie schon?&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>Tipps beim &amp;Start zeigen</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Nächster Tipp</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
</context>
<context>
    <name>qx::WebPageDialog</name>
    <message>
        <source>HTML Creation</source>
        <translation>HTML erstellen</translation>
    </message>
    <message>
        <source>Create A Web Page</source>
        <translation>Webseite erstellen</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Horizontale Linie</translation>
    </message>
    <message>
        <source>Puzzle will go here</source>
        <translation>Hier steht das Rätsel</translation>
    </message>
    <message>
        <source>&amp;Save HTML</source>
        <translation>HTML &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>First Header Lines</source>
        <translation>Erste Kopfzeilen</translation>
    </message>
    <message>
        <source>Second Header Lines</source>
        <translation>Zweite Kopfzeilen</translation>
    </message>
    <message>
        <source>First Footer Lines</source>
        <translation>Erste Fußzeilen</translation>
    </message>
    <message>
        <source>Second Footer Lines</source>
        <translation>Zweite Fußzeilen</translation>
    </message>
    <message>
        <source>Web Page Title</source>
        <translation>Titel der Webseite</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>%1 and its picture %2 already exist.
Do you want to replace them?</source>
        <translation>%1 und das zugehörige Bild %2 sind bereits vorhanden.
Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>%1 already exists; its picture will be saved as %2.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden; das zugehörige Bild wird als %2 gespeichert.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>The picture %2 of %1 already exists.
Do you want to replace it?</source>
        <translation>Das Bild %2 zu %1 ist bereits vorhanden.
Möchten Sie es ersetzen?</translation>
    </message>
    <message>
        <source>Save HTML Document</source>
        <translation>HTML-Dokument speichern</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Unable to create html file.</source>
        <translation>Die HTML-Datei kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>%1 pt</source>
        <translation>%1 pt</translation>
    </message>
    <message>
        <source>html (*.htm)|*.htm</source>
        <translation>HTML (*.htm)|*.htm</translation>
    </message>
</context>
<context>
    <name>qx::WordGrid</name>
    <message>
        <source>Cnt</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>U</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>qx::WordListEditor</name>
    <message>
        <source>Word List Input</source>
        <translation>Wortliste eingeben</translation>
    </message>
    <message>
        <source>Puzzle Title</source>
        <translation>Rätseltitel</translation>
    </message>
    <message>
        <source>Categor&amp;y</source>
        <translation>Kateg&amp;orie</translation>
    </message>
    <message>
        <source>Bonus Question</source>
        <translation>Bonusfrage</translation>
    </message>
    <message>
        <source>Words and Clues</source>
        <translation>Wörter und Hinweise</translation>
    </message>
    <message>
        <source>Delete &amp;All</source>
        <translation>&amp;Alle löschen</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <source>International Characters</source>
        <translation>Internationale Zeichen</translation>
    </message>
    <message>
        <source>&amp;Spell Check</source>
        <translation>&amp;Rechtschreibung</translation>
    </message>
    <message>
        <source>&amp;Thesaurus</source>
        <translation>&amp;Thesaurus</translation>
    </message>
    <message>
        <source>Su&amp;ggest Clues</source>
        <translation>&amp;Hinweise vorschlagen</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Seitenlayout</translation>
    </message>
    <message>
        <source>Change La&amp;yout</source>
        <translation>La&amp;yout ändern</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>&amp;Verkleinern</translation>
    </message>
    <message>
        <source>&amp;Quick Create</source>
        <translation>&amp;Schnell erstellen</translation>
    </message>
    <message>
        <source>T&amp;horough</source>
        <translation>&amp;Gründlich</translation>
    </message>
    <message>
        <source>Search for the grid with the most words, then the most crossings, for the effort&apos;s seconds, instead of running the creation attempts.</source>
        <translation>Statt der Erstellungsversuche wird so viele Sekunden, wie der Aufwand angibt, nach dem Gitter mit den meisten Wörtern und dann den meisten Kreuzungen gesucht.</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>How long the thorough search and the search for the smallest square run on an ordinary machine: longer finds better grids.</source>
        <translation>Wie lange die gründliche Suche und die Suche nach dem kleinsten Quadrat auf einem gewöhnlichen Rechner dauern: Längere Suche findet bessere Gitter.</translation>
    </message>
    <message>
        <source>E&amp;ffort</source>
        <translation>Aufwan&amp;d</translation>
    </message>
    <message>
        <source>Creation Attempts</source>
        <translation>Erstellungsversuche</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Erstellen</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>Add &amp;Words</source>
        <translation>&amp;Wörter hinzufügen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Suggest clues for the selected rows, or for every word without a clue.</source>
        <translation>Hinweise für die ausgewählten Zeilen vorschlagen oder für jedes Wort ohne Hinweis.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Smallest square: %1 × %1, every word placed.</source>
        <translation>Kleinstes Quadrat: %1 × %1, alle Wörter platziert.</translation>
    </message>
    <message>
        <source>No square up to 49 × 49 holds every word: %1 × %1 holds the most.</source>
        <translation>Kein Quadrat bis 49 × 49 nimmt alle Wörter auf: %1 × %1 nimmt die meisten auf.</translation>
    </message>
    <message>
        <source>No title specified.  Please correct.</source>
        <translation>Kein Titel angegeben. Bitte korrigieren Sie dies.</translation>
    </message>
    <message>
        <source>No category specified.  Please correct.</source>
        <translation>Keine Kategorie angegeben. Bitte korrigieren Sie dies.</translation>
    </message>
    <message>
        <source>Puzzle has been modified.  Save changes?</source>
        <translation>Das Rätsel wurde geändert. Änderungen speichern?</translation>
    </message>
    <message>
        <source>All words are already cleared.</source>
        <translation>Alle Wörter sind bereits gelöscht.</translation>
    </message>
    <message>
        <source>This will remove all words and clues.  Continue?</source>
        <translation>Damit werden alle Wörter und Hinweise entfernt. Fortfahren?</translation>
    </message>
    <message>
        <source>Suggest Clues</source>
        <translation>Hinweise vorschlagen</translation>
    </message>
    <message>
        <source>Every word has a clue.  Select the rows whose clues should be suggested again.</source>
        <translation>Jedes Wort hat einen Hinweis. Wählen Sie die Zeilen aus, für die erneut Hinweise vorgeschlagen werden sollen.</translation>
    </message>
</context>
<context>
    <name>qx::WordListExportDialog</name>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Save &amp;File</source>
        <translation>In &amp;Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>Auswahl &amp;löschen</translation>
    </message>
    <message>
        <source>Select &amp;Used</source>
        <translation>&amp;Verwendete auswählen</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Wörter</translation>
    </message>
    <message>
        <source>&amp;Clues</source>
        <translation>&amp;Hinweise</translation>
    </message>
    <message>
        <source>Words &amp;And Clues</source>
        <translation>Wörter &amp;und Hinweise</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>No words/clues selected for output.  Please select the desired words/clues.</source>
        <translation>Keine Wörter/Hinweise für die Ausgabe ausgewählt. Bitte wählen Sie die gewünschten Wörter/Hinweise aus.</translation>
    </message>
    <message>
        <source>Save Word/Clue List</source>
        <translation>Wort-/Hinweisliste speichern</translation>
    </message>
    <message>
        <source>Unable to create export file.</source>
        <translation>Die Exportdatei kann nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>qx::WordListImportDialog</name>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>Datei ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alle au&amp;swählen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>Auswahl &amp;löschen</translation>
    </message>
    <message>
        <source>As &amp;Words</source>
        <translation>Als &amp;Wörter</translation>
    </message>
    <message>
        <source>As &amp;Clues</source>
        <translation>Als Hi&amp;nweise</translation>
    </message>
    <message>
        <source>&amp;As Words and Clues</source>
        <translation>Als Wörter &amp;und Hinweise</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
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
    <message>
        <source>Import Word/Clue List</source>
        <translation>Wort-/Hinweisliste importieren</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Unable to open import file.</source>
        <translation>Die Importdatei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>No word/clue seperator character specified.</source>
        <translation>Kein Trennzeichen zwischen Wort und Hinweis angegeben.</translation>
    </message>
</context>
<context>
    <name>qx::WordSeparatorsDialog</name>
    <message>
        <source>Word Separator Characters</source>
        <translation>Worttrennzeichen</translation>
    </message>
    <message>
        <source>The following characters (if checked) will be displayed in the puzzle where they are used by words.  This is useful in instances where the word to solve for is actually more than one word and you wish to have them separated in the puzzle itself.</source>
        <translation>Die folgenden Zeichen werden (wenn angekreuzt) im Rätsel angezeigt, wo Wörter sie enthalten. Das ist nützlich, wenn das gesuchte Wort eigentlich aus mehreren Wörtern besteht und diese im Rätsel selbst getrennt erscheinen sollen.</translation>
    </message>
    <message>
        <source>&amp;Dash (-)</source>
        <translation>&amp;Bindestrich (-)</translation>
    </message>
    <message>
        <source>&amp;Slash (/)</source>
        <translation>&amp;Schrägstrich (/)</translation>
    </message>
    <message>
        <source>&amp;Plus (+)</source>
        <translation>&amp;Plus (+)</translation>
    </message>
    <message>
        <source>S&amp;tar (*)</source>
        <translation>S&amp;tern (*)</translation>
    </message>
    <message>
        <source>&amp;User Defined</source>
        <translation>&amp;Eigenes Zeichen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Character cannot be in A..Z.  Please correct.</source>
        <translation>Das Zeichen darf nicht zwischen A und Z liegen. Bitte korrigieren Sie dies.</translation>
    </message>
</context>
<context>
    <name>qx::WordSuggestionsDialog</name>
    <message>
        <source>Word Suggestions</source>
        <translation>Wortvorschläge</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Suggestion for</source>
        <translation>Vorschlag für</translation>
    </message>
</context>
</TS>
