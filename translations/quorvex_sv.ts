<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>ObjectMenu</name>
    <message>
        <source>&amp;Size &amp;&amp; Position...</source>
        <translation>&amp;Storlek &amp;&amp; position...</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Egenskaper</translation>
    </message>
    <message>
        <source>B&amp;order</source>
        <translation>&amp;Kantlinje</translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation>&amp;Fyllning</translation>
    </message>
    <message>
        <source>Change &amp;Text...</source>
        <translation>Ändra &amp;text...</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Vänster</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Centrerat</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Höger</translation>
    </message>
    <message>
        <source>Text &amp;Font</source>
        <translation>Teckens&amp;nitt för text</translation>
    </message>
    <message>
        <source>&amp;Clue Number Font</source>
        <translation>Teckensnitt för &amp;ledtrådsnummer</translation>
    </message>
    <message>
        <source>Load B&amp;itmap</source>
        <translation>Läs in &amp;bild</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Ta b&amp;ort</translation>
    </message>
    <message>
        <source>&amp;Bring To Front</source>
        <translation>Flytta &amp;överst</translation>
    </message>
    <message>
        <source>&amp;Send To Back</source>
        <translation>Flytta &amp;underst</translation>
    </message>
    <message>
        <source>Answer Key Font</source>
        <translation>Teckensnitt för facit</translation>
    </message>
    <message>
        <source>Text &amp;Alignment</source>
        <translation>Text&amp;justering</translation>
    </message>
</context>
<context>
    <name>PrintStatusDialog</name>
    <message>
        <source>One or more bitmaps in the layout design could not be located.</source>
        <translation>En eller flera bilder i sidlayouten kunde inte hittas.</translation>
    </message>
    <message>
        <source>Puzzle Clues would not fit in allocated space.  You will need to change the alotted clue space on the page layout, change the font size for the clues or select the &quot;Make It Fit&quot; attribute for the clue fonts.</source>
        <translation>Korsordets ledtrådar fick inte plats i det tilldelade utrymmet. Du behöver ändra utrymmet för ledtrådarna i sidlayouten, ändra teckenstorleken för ledtrådarna eller välja egenskapen ”Anpassa storlek” för ledtrådarnas teckensnitt.</translation>
    </message>
    <message>
        <source>Puzzle Words would not fit in allocated space.  You will need to change the alotted word space on the page layout, change the font size for the words or select the &quot;Make It Fit&quot; attribute for the puzzle words.</source>
        <translation>Korsordets ord fick inte plats i det tilldelade utrymmet. Du behöver ändra utrymmet för orden i sidlayouten, ändra teckenstorleken för orden eller välja egenskapen ”Anpassa storlek” för korsordets ord.</translation>
    </message>
    <message>
        <source>Text would not fit in allocated space.  You will need to change the alotted text space on the page layout, change the font size for the text or select the &quot;Make It Fit&quot; attribute for the text object.</source>
        <translation>Texten fick inte plats i det tilldelade utrymmet. Du behöver ändra utrymmet för texten i sidlayouten, ändra teckenstorleken för texten eller välja egenskapen ”Anpassa storlek” för textobjektet.</translation>
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
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be located.  Please make sure that it was installed.</source>
        <translation>Hjälpfilen ”%1” kunde inte hittas. Kontrollera att den har installerats.</translation>
    </message>
    <message>
        <source>its title</source>
        <translation>dess titel</translation>
    </message>
    <message>
        <source>its category</source>
        <translation>dess kategori</translation>
    </message>
    <message>
        <source>its bonus question</source>
        <translation>dess bonusfråga</translation>
    </message>
    <message>
        <source>its word %1</source>
        <translation>dess ord %1</translation>
    </message>
    <message>
        <source>its clue %1</source>
        <translation>dess ledtråd %1</translation>
    </message>
    <message>
        <source>%1 holds the control character %2</source>
        <translation>%1 innehåller styrtecknet %2</translation>
    </message>
    <message>
        <source>The puzzle &quot;%1&quot; cannot be imported: %2.  Nothing was imported.</source>
        <translation>Korsordet ”%1” kan inte importeras: %2. Ingenting importerades.</translation>
    </message>
    <message>
        <source>Import Puzzles</source>
        <translation>Importera korsord</translation>
    </message>
    <message>
        <source>The file selected is not a valid Quorvex file.</source>
        <translation>Den valda filen är inte en giltig Quorvex-fil.</translation>
    </message>
    <message>
        <source>Puzzle could not be imported.</source>
        <translation>Korsordet kunde inte importeras.</translation>
    </message>
    <message>
        <source>Puzzle file is corrupt or incompatible.  Import aborted.</source>
        <translation>Korsordsfilen är skadad eller inte kompatibel. Importen avbröts.</translation>
    </message>
    <message>
        <source>Unable to save puzzle.</source>
        <translation>Det gick inte att spara korsordet.</translation>
    </message>
    <message>
        <source>Import File cannot be the same as the currently open file.</source>
        <translation>Importfilen kan inte vara samma fil som den som är öppen.</translation>
    </message>
    <message>
        <source>Create New Puzzle</source>
        <translation>Skapa nytt korsord</translation>
    </message>
    <message>
        <source>Unable to access Word List file.</source>
        <translation>Det gick inte att komma åt ordlistefilen.</translation>
    </message>
    <message>
        <source>Modify Existing Puzzle</source>
        <translation>Ändra befintligt korsord</translation>
    </message>
    <message>
        <source>Create New Puzzle (copy of existing puzzle)</source>
        <translation>Skapa nytt korsord (kopia av befintligt korsord)</translation>
    </message>
    <message>
        <source>Unable to load puzzle.</source>
        <translation>Det gick inte att läsa in korsordet.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>These files could not be copied into %1: %2</source>
        <translation>De här filerna kunde inte kopieras till %1: %2</translation>
    </message>
    <message>
        <source>The settings could not be read; the program starts with its defaults.</source>
        <translation>Inställningarna kunde inte läsas in; programmet startar med standardinställningarna.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Meddelande</translation>
    </message>
    <message>
        <source>User generated puzzles from a previous version of Quorvex have been detected.  Would you like to convert them to a puzzle group?</source>
        <translation>Korsord som skapats i en tidigare version av Quorvex har hittats. Vill du konvertera dem till en korsordssamling?</translation>
    </message>
    <message>
        <source>Puzzles could not be imported.</source>
        <translation>Korsorden kunde inte importeras.</translation>
    </message>
    <message>
        <source>Unable to save puzzles.</source>
        <translation>Det gick inte att spara korsorden.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A new puzzle group named &quot;%1&quot; has been created.</source>
        <translation>En ny korsordssamling med namnet ”%1” har skapats.</translation>
    </message>
    <message>
        <source>User generated shapes from a previous version of Quorvex have been detected.  Would you like to add them to the current list of puzzle shapes?</source>
        <translation>Korsordsformer som skapats i en tidigare version av Quorvex har hittats. Vill du lägga till dem i den aktuella listan med korsordsformer?</translation>
    </message>
    <message>
        <source>Unable to add shapes.</source>
        <translation>Det gick inte att lägga till formerna.</translation>
    </message>
    <message>
        <source>Puzzle shapes have been added.</source>
        <translation>Korsordsformerna har lagts till.</translation>
    </message>
    <message>
        <source>Creation Attempt #%1</source>
        <translation>Försök nr %1</translation>
    </message>
    <message>
        <source>%1 of %2 words</source>
        <translation>%1 av %2 ord</translation>
    </message>
    <message>
        <source>Thorough Search</source>
        <translation>Grundlig sökning</translation>
    </message>
    <message>
        <source>Aborted: %1</source>
        <translation>Avbrutet: %1</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Klart</translation>
    </message>
    <message>
        <source>Aborted on creation Attempt #%1</source>
        <translation>Avbröts vid försök nr %1</translation>
    </message>
    <message>
        <source>Square %1 × %1</source>
        <translation>Kvadrat %1 × %1</translation>
    </message>
    <message>
        <source>Aborted on square %1 × %1</source>
        <translation>Avbröts vid kvadrat %1 × %1</translation>
    </message>
    <message>
        <source>%1 × %1 every word</source>
        <translation>%1 × %1 alla ord</translation>
    </message>
    <message>
        <source>%1 × %1 %2</source>
        <translation>%1 × %1 %2</translation>
    </message>
    <message>
        <source>Squares tried: %1.</source>
        <translation>Prövade kvadrater: %1.</translation>
    </message>
    <message>
        <source>Longer than any row or column of the shape.</source>
        <translation>Längre än alla rader och kolumner i formen.</translation>
    </message>
    <message>
        <source>No letter in common with the words placed.</source>
        <translation>Ingen bokstav gemensam med de placerade orden.</translation>
    </message>
    <message>
        <source>Every position crossing a placed word is blocked; the first by &quot;%1&quot;.</source>
        <translation>Alla positioner som korsar ett placerat ord är blockerade; den första av ”%1”.</translation>
    </message>
    <message>
        <source>Every position crossing a placed word is blocked; the first by the edge of the shape.</source>
        <translation>Alla positioner som korsar ett placerat ord är blockerade; den första av formens kant.</translation>
    </message>
    <message>
        <source>Not tried: the attempt stopped early.</source>
        <translation>Inte prövat: försöket avbröts i förtid.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 words
%4 crossings per word, %5% fill</source>
        <translation>%1: %2 av %3 ord
%4 korsningar per ord, %5% fyllt</translation>
    </message>
    <message>
        <source>Best Fit</source>
        <translation>Bästa passning</translation>
    </message>
    <message>
        <source>Second Best Fit</source>
        <translation>Näst bästa passning</translation>
    </message>
    <message>
        <source>Third Best Fit</source>
        <translation>Tredje bästa passning</translation>
    </message>
    <message>
        <source>Fourth Best Fit</source>
        <translation>Fjärde bästa passning</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; (%2) cannot be stored in a shape name.</source>
        <translation>Tecknet ”%1” (%2) kan inte sparas i ett formnamn.</translation>
    </message>
    <message>
        <source>The character %1 cannot be stored in a shape name.</source>
        <translation>Tecknet %1 kan inte sparas i ett formnamn.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; (%2) cannot be used in a heading.</source>
        <translation>Tecknet ”%1” (%2) kan inte användas i en rubrik.</translation>
    </message>
    <message>
        <source>The character %1 cannot be used in a heading.</source>
        <translation>Tecknet %1 kan inte användas i en rubrik.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; (%2) cannot be stored in a puzzle.</source>
        <translation>Tecknet ”%1” (%2) kan inte sparas i ett korsord.</translation>
    </message>
    <message>
        <source>The character %1 cannot be stored in a puzzle.</source>
        <translation>Tecknet %1 kan inte sparas i ett korsord.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Mapp</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1-fil</translation>
    </message>
    <message>
        <source>Font Colour</source>
        <translation>Teckenfärg</translation>
    </message>
    <message>
        <source>%1 was changed by another program.  %2</source>
        <translation>%1 har ändrats av ett annat program. %2</translation>
    </message>
    <message>
        <source>Load Bitmap File</source>
        <translation>Läs in bildfil</translation>
    </message>
    <message>
        <source>The file selected is not a valid bitmap file.</source>
        <translation>Den valda filen är inte en giltig bildfil.</translation>
    </message>
    <message>
        <source>Your puzzle was not saved; reopen the collection to see the change.</source>
        <translation>Korsordet sparades inte; öppna samlingen igen för att se ändringen.</translation>
    </message>
    <message>
        <source>You have selected a puzzle shape with large dimensions.  Be advised that you may need to select a &quot;Page Layout&quot; that has a very large area for the puzzle in order for the puzzle to appear in a normal size.</source>
        <translation>Du har valt en korsordsform med stora mått. Tänk på att du kan behöva välja en ”Sidlayout” med mycket stort utrymme för korsordet för att det ska visas i normal storlek.</translation>
    </message>
    <message>
        <source>No title specified.  Please correct.</source>
        <translation>Ingen titel har angetts. Rätta till det.</translation>
    </message>
    <message>
        <source>No category specified.  Please correct.</source>
        <translation>Ingen kategori har angetts. Rätta till det.</translation>
    </message>
    <message>
        <source>No words have been entered.  Please correct.</source>
        <translation>Inga ord har skrivits in. Rätta till det.</translation>
    </message>
    <message>
        <source>Attempts must be between 1 and 999.  Please correct.</source>
        <translation>Antalet försök måste vara mellan 1 och 999. Rätta till det.</translation>
    </message>
    <message>
        <source>Word is greater than puzzle dimension size of %1 characters in &quot;%2&quot;.</source>
        <translation>Ordet är längre än korsordets storlek på %1 tecken i ”%2”.</translation>
    </message>
    <message>
        <source>The maximum word length as provided by the selected layout is %1.  The following word is greater than the maximum word length: &quot;%2&quot;.  You will need to correct the word or change the layout.</source>
        <translation>Den största ordlängd som den valda layouten tillåter är %1. Följande ord är längre än så: ”%2”. Du behöver rätta ordet eller byta layout.</translation>
    </message>
    <message>
        <source>The length of the clue for the word &quot;%1&quot; is %2 characters longer than the maximum clue size of 150.</source>
        <translation>Ledtråden till ordet ”%1” är %2 tecken längre än den största tillåtna längden på 150 tecken.</translation>
    </message>
    <message>
        <source>A puzzle has never been generated for this word/clue list. Please select &quot;File|Modify&quot; from the menu and create the puzzle first</source>
        <translation>Inget korsord har någonsin skapats för den här ord- och ledtrådslistan. Välj ”Arkiv|Ändra korsord” i menyn och skapa korsordet först</translation>
    </message>
    <message>
        <source>This puzzle already holds %1 words, the most a puzzle can hold.  No word can be added.</source>
        <translation>Det här korsordet innehåller redan %1 ord, det största antal ett korsord kan innehålla. Inget ord kan läggas till.</translation>
    </message>
    <message>
        <source>The letters typed make %1 new words, but this puzzle has room for only %2 more.  Please remove some letters.</source>
        <translation>De inskrivna bokstäverna bildar %1 nya ord, men det här korsordet har bara plats för %2 till. Ta bort några bokstäver.</translation>
    </message>
    <message>
        <source>The letters &quot;%1&quot; make a word of %2 letters, but a word holds at most %3.  Please remove some letters.</source>
        <translation>Bokstäverna ”%1” bildar ett ord på %2 bokstäver, men ett ord kan ha högst %3. Ta bort några bokstäver.</translation>
    </message>
    <message>
        <source>Separator Char</source>
        <translation>Avgränsningstecken</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Rad %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more line(s).</source>
        <translation>
            <numerusform>... och %n rad till.</numerusform>
            <numerusform>... och %n rader till.</numerusform>
        </translation>
    </message>
    <message>
        <source>These lines of the file hold a character a puzzle cannot store:</source>
        <translation>De här raderna i filen innehåller ett tecken som inte kan sparas i ett korsord:</translation>
    </message>
    <message>
        <source>Import the other lines?</source>
        <translation>Vill du importera de övriga raderna?</translation>
    </message>
    <message>
        <source>word</source>
        <translation>Det sista ordet</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>De sista %1 orden</translation>
    </message>
    <message>
        <source>Too many words selected.  Last %1 will not be used.  Continue?</source>
        <translation>För många ord har valts. %1 kommer inte att användas. Vill du fortsätta?</translation>
    </message>
    <message>
        <source>Bitmap (*.BMP)|*.BMP</source>
        <translation>Bitmappsbild (*.BMP)|*.BMP</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt|all files (*.*)|*.*</source>
        <translation>text (*.txt)|*.txt|alla filer (*.*)|*.*</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt</source>
        <translation>text (*.txt)|*.txt</translation>
    </message>
</context>
<context>
    <name>SolvablePage</name>
    <message>
        <source>Every letter is right: the puzzle is solved.</source>
        <translation>Alla bokstäver är rätt: korsordet är löst.</translation>
    </message>
    <message>
        <source>Every square is filled in correctly.</source>
        <translation>Alla rutor är rätt ifyllda.</translation>
    </message>
    <message>
        <source>The puzzle is complete, with one letter revealed.</source>
        <translation>Korsordet är klart, med en visad bokstav.</translation>
    </message>
    <message>
        <source>The puzzle is complete, with {n} letters revealed.</source>
        <extracomment>{n} stands for a number; keep it as it is.</extracomment>
        <translation>Korsordet är klart, med {n} visade bokstäver.</translation>
    </message>
    <message>
        <source>One letter is wrong.</source>
        <translation>En bokstav är fel.</translation>
    </message>
    <message>
        <source>{n} letters are wrong.</source>
        <extracomment>{n} stands for a number; keep it as it is.</extracomment>
        <translation>{n} bokstäver är fel.</translation>
    </message>
    <message>
        <source>The letters filled in so far are right; one square is still empty.</source>
        <translation>Bokstäverna som hittills är ifyllda är rätt; en ruta är fortfarande tom.</translation>
    </message>
    <message>
        <source>The letters filled in so far are right; {n} squares are still empty.</source>
        <extracomment>{n} stands for a number; keep it as it is.</extracomment>
        <translation>Bokstäverna som hittills är ifyllda är rätt; {n} rutor är fortfarande tomma.</translation>
    </message>
    <message>
        <source>This letter is right.</source>
        <translation>Den här bokstaven är rätt.</translation>
    </message>
    <message>
        <source>This word is right.</source>
        <translation>Det här ordet är rätt.</translation>
    </message>
    <message>
        <source>The letter is revealed.</source>
        <translation>Bokstaven har visats.</translation>
    </message>
    <message>
        <source>The word is revealed.</source>
        <translation>Ordet har visats.</translation>
    </message>
    <message>
        <source>The whole puzzle is revealed.</source>
        <translation>Hela korsordet har visats.</translation>
    </message>
    <message>
        <source>The word is cleared.</source>
        <translation>Ordet har rensats.</translation>
    </message>
    <message>
        <source>Reveal every letter of this puzzle?  Revealed letters are marked and counted.</source>
        <translation>Vill du visa alla bokstäver i korsordet? Visade bokstäver markeras och räknas.</translation>
    </message>
    <message>
        <source>Reveal puzzle</source>
        <translation>Visa hela korsordet</translation>
    </message>
    <message>
        <source>Clear every letter of this puzzle?</source>
        <translation>Vill du rensa alla bokstäver i korsordet?</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Rensa allt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Time {n}</source>
        <extracomment>{n} stands for the time on the clock; keep it as it is.</extracomment>
        <translation>Tid {n}</translation>
    </message>
    <message>
        <source>Pause the timer</source>
        <translation>Pausa tidtagningen</translation>
    </message>
    <message>
        <source>Resume the timer</source>
        <translation>Fortsätt tidtagningen</translation>
    </message>
    <message>
        <source>The timer is paused.</source>
        <translation>Tidtagningen är pausad.</translation>
    </message>
</context>
<context>
    <name>TipOfTheDayDialog</name>
    <message>
        <source>You can spell check your words and clues using an American, British, Spanish, Italian, French, German, Dutch or Swedish dictionary.</source>
        <translation>Du kan stavningskontrollera dina ord och ledtrådar med en amerikansk-engelsk, brittisk-engelsk, spansk, italiensk, fransk, tysk, nederländsk eller svensk ordbok.</translation>
    </message>
    <message>
        <source>You can add words or exclude words from each of the spell checking dictionaries.</source>
        <translation>Du kan lägga till ord i eller utesluta ord ur var och en av ordböckerna för stavningskontroll.</translation>
    </message>
    <message>
        <source>You can look up definitions of words using a 50,000 word American or British thesaurus.</source>
        <translation>Du kan slå upp ords betydelser i en amerikansk eller brittisk synonymordbok med 50 000 ord.</translation>
    </message>
    <message>
        <source>You can specify &quot;word separator&quot; characters that can be used to split up multi-word answers.  These characters will show up in the puzzle.</source>
        <translation>Du kan ange ”ordavgränsare”, tecken som används för att dela upp svar som består av flera ord. Tecknen syns i korsordet.</translation>
    </message>
    <message>
        <source>You can specify fonts to use for input fields, labels and buttons. User specified fonts for input fields greatly facilitates foreign language input.</source>
        <translation>Du kan välja teckensnitt för inmatningsfält, etiketter och knappar. Egna teckensnitt för inmatningsfälten gör det mycket lättare att skriva på andra språk.</translation>
    </message>
    <message>
        <source>You can change the puzzle title and category after it has been created.</source>
        <translation>Du kan ändra korsordets titel och kategori efter att det har skapats.</translation>
    </message>
    <message>
        <source>You can change the clues to the puzzle after it has been created.</source>
        <translation>Du kan ändra korsordets ledtrådar efter att det har skapats.</translation>
    </message>
    <message>
        <source>You can add new words and clues, placing the words manually in the location you desire after the puzzle has been created.</source>
        <translation>Du kan lägga till nya ord och ledtrådar och placera orden för hand där du vill efter att korsordet har skapats.</translation>
    </message>
    <message>
        <source>You can change the puzzle layout or change the bonus question after the puzzle has been created.</source>
        <translation>Du kan byta korsordets layout eller ändra bonusfrågan efter att korsordet har skapats.</translation>
    </message>
    <message>
        <source>You can create your own puzzle shapes from scratch or from an existing shape.  You can also share them with others (import &amp;&amp; export)</source>
        <translation>Du kan skapa egna korsordsformer från grunden eller utifrån en befintlig form. Du kan också dela dem med andra (importera &amp;&amp; exportera)</translation>
    </message>
    <message>
        <source>You can export your created puzzles in a variety of graphic formats so that the puzzles can readily be used in Word Processors, Desktop Publishers, etc.</source>
        <translation>Du kan exportera dina korsord i flera olika bildformat, så att de lätt kan användas i ordbehandlare, layoutprogram och liknande.</translation>
    </message>
    <message>
        <source>You can choose to print the puzzle with some of the answers filled in to give a &quot;head start&quot;.</source>
        <translation>Du kan välja att skriva ut korsordet med några av svaren ifyllda för att ge en ”flygande start”.</translation>
    </message>
    <message>
        <source>You can choose to print the puzzle with certain letters showing up in the puzzle.  Great for hints.</source>
        <translation>Du kan välja att skriva ut korsordet med vissa bokstäver synliga i korsordet. Perfekt som ledtrådar.</translation>
    </message>
    <message>
        <source>You can choose and override any fonts for any section of puzzle print out.  This includes size, color and style.</source>
        <translation>Du kan välja och byta teckensnitt för alla delar av korsordsutskriften. Det gäller även storlek, färg och stil.</translation>
    </message>
    <message>
        <source>You can choose to have text printed in a &quot;transparent&quot; mode so that underlying graphics and bitmaps will show through.</source>
        <translation>Du kan välja att skriva ut text i ”genomskinligt” läge så att underliggande grafik och bilder syns igenom.</translation>
    </message>
    <message>
        <source>You can choose to have borders placed around clues, titles, headers, text, shapes and specify the width and color.</source>
        <translation>Du kan välja att sätta kantlinjer runt ledtrådar, titlar, rubriker, text och former och ange deras bredd och färg.</translation>
    </message>
    <message>
        <source>You can choose to have the numbered letters in the puzzle print out either vertical or horizontal.</source>
        <translation>Du kan välja om numren i korsordets rutor ska skrivas ut lodrätt eller vågrätt.</translation>
    </message>
    <message>
        <source>You can choose to print a list of the words in the puzzle on the printout as a guide or as clues.</source>
        <translation>Du kan välja att skriva ut en lista över korsordets ord på utskriften, som hjälp eller som ledtrådar.</translation>
    </message>
    <message>
        <source>You can add bonus questions to the puzzles--good for extra credit.</source>
        <translation>Du kan lägga till bonusfrågor i korsorden – bra för extrapoäng.</translation>
    </message>
    <message>
        <source>You can add squares, circles, bitmaps and text to the puzzle layouts.  Spice it up with fancy bitmaps or add your own informative text.</source>
        <translation>Du kan lägga till rektanglar, cirklar, bilder och text i sidlayouterna. Pigga upp dem med snygga bilder eller lägg till din egen informativa text.</translation>
    </message>
    <message>
        <source>You can design your own Puzzle Page layout. Place the puzzle, clues, title, etc where you want them, the size you want them, the color you want them and more!</source>
        <translation>Du kan utforma din egen sidlayout. Placera korsordet, ledtrådarna, titeln och annat där du vill ha dem, i den storlek och den färg du vill – och mycket mer!</translation>
    </message>
    <message>
        <source>You can instruct the program to &quot;Auto Fit&quot; fonts into the designated areas you have specified for clues, titles, words, text, etc.</source>
        <translation>Du kan låta programmet anpassa teckensnittens storlek (”Anpassa storlek”) efter de områden du har angett för ledtrådar, titlar, ord, text och annat.</translation>
    </message>
    <message>
        <source>You can export a puzzle as a ready to use Web Page (in HTML format)</source>
        <translation>Du kan exportera ett korsord som en färdig webbsida (i HTML-format)</translation>
    </message>
    <message>
        <source>You can assign over 60 foreign characters to the F1 - F12 keys to be used in the puzzle creation window.</source>
        <translation>Du kan tilldela över 60 utländska tecken till tangenterna F1–F12 och använda dem i fönstret där korsordet skapas.</translation>
    </message>
    <message>
        <source>You can choose to print the puzzle as a &quot;skeleton&quot; puzzle where just the blocks containing words are printed.</source>
        <translation>Du kan välja att skriva ut korsordet som ett ”skelettkorsord” där bara rutorna som innehåller ord skrivs ut.</translation>
    </message>
    <message>
        <source>You can choose the number of columns to use for printing clues in each designated area for the clues.</source>
        <translation>Du kan välja hur många kolumner som ska användas när ledtrådarna skrivs ut i varje område för ledtrådar.</translation>
    </message>
    <message>
        <source>You can create your own puzzle page layouts from scratch or from an existing layout.  You can also share them with others (import &amp;&amp; export)</source>
        <translation>Du kan skapa egna sidlayouter från grunden eller utifrån en befintlig layout. Du kan också dela dem med andra (importera &amp;&amp; exportera)</translation>
    </message>
    <message>
        <source>You can have the best 4 puzzle creation fits displayed and you can choose from them for your desired puzzle.  Double clicking on one one of them will zoom in for a closer look.</source>
        <translation>Du kan få de 4 bästa förslagen på korsord visade och välja det du vill ha bland dem. Om du dubbelklickar på ett av dem förstoras det så att du kan se det närmare.</translation>
    </message>
    <message>
        <source>You can maintain multiple sets of crosswords files.  Import and export puzzles among the files.</source>
        <translation>Du kan ha flera korsordssamlingar. Importera och exportera korsord mellan dem.</translation>
    </message>
    <message>
        <source>You can import a word list, clue list or combined word and clue list from a text file.</source>
        <translation>Du kan importera en ordlista, en ledtrådslista eller en kombinerad ord- och ledtrådslista från en textfil.</translation>
    </message>
</context>
<context>
    <name>qx</name>
    <message>
        <source>Not a regular file</source>
        <translation>Inte en vanlig fil</translation>
    </message>
    <message>
        <source>File is larger than %1 bytes</source>
        <translation>Filen är större än %1 byte</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;?</source>
        <translation>Vill du verkligen ta bort ”%1”?</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Ta bort?</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Diskfel</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Vågrätt</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Lodrätt</translation>
    </message>
    <message>
        <source>%1 %2: %3, letter %4 of %5</source>
        <translation>%1 %2: %3, bokstav %4 av %5</translation>
    </message>
    <message>
        <source>Puzzle tools</source>
        <translation>Korsordsverktyg</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Kontrollera</translation>
    </message>
    <message>
        <source>Check letter</source>
        <translation>Kontrollera bokstav</translation>
    </message>
    <message>
        <source>Check word</source>
        <translation>Kontrollera ord</translation>
    </message>
    <message>
        <source>Check puzzle</source>
        <translation>Kontrollera korsord</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>Visa</translation>
    </message>
    <message>
        <source>Reveal letter</source>
        <translation>Visa bokstav</translation>
    </message>
    <message>
        <source>Reveal word</source>
        <translation>Visa ord</translation>
    </message>
    <message>
        <source>Reveal puzzle...</source>
        <translation>Visa hela korsordet...</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Blyerts</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zooma</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mer</translation>
    </message>
    <message>
        <source>Clear word</source>
        <translation>Rensa ord</translation>
    </message>
    <message>
        <source>Clear all...</source>
        <translation>Rensa allt...</translation>
    </message>
    <message>
        <source>Print blank grid</source>
        <translation>Skriv ut tomt rutnät</translation>
    </message>
    <message>
        <source>Print with my letters</source>
        <translation>Skriv ut med mina bokstäver</translation>
    </message>
    <message>
        <source>Previous word</source>
        <translation>Föregående ord</translation>
    </message>
    <message>
        <source>Next word</source>
        <translation>Nästa ord</translation>
    </message>
    <message>
        <source>page layout library</source>
        <translation>sidlayoutbibliotek</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>Stavningskontroll</translation>
    </message>
    <message>
        <source>Could not find one of the dictionary files.</source>
        <translation>Det gick inte att hitta en av ordboksfilerna.</translation>
    </message>
    <message>
        <source>Spelling Ok</source>
        <translation>Stavningen är OK</translation>
    </message>
    <message>
        <source>All words were found in the dictionary.</source>
        <translation>Alla ord fanns i ordboken.</translation>
    </message>
    <message>
        <source>Spelling Status</source>
        <translation>Stavningsstatus</translation>
    </message>
    <message>
        <source>Spell checking aborted.</source>
        <translation>Stavningskontrollen avbröts.</translation>
    </message>
    <message>
        <source>Spell checking complete.</source>
        <translation>Stavningskontrollen är klar.</translation>
    </message>
    <message>
        <source>Thesaurus</source>
        <translation>Synonymordbok</translation>
    </message>
    <message>
        <source>There is no Dutch thesaurus: Dutch words can be spell checked but not looked up.</source>
        <translation>Det finns ingen nederländsk synonymordbok: nederländska ord kan stavningskontrolleras men inte slås upp.</translation>
    </message>
    <message>
        <source>Suggested clues need WordNet (the Debian package wordnet-base) or a thesaurus, and neither is installed.</source>
        <translation>Förslag på ledtrådar kräver WordNet (Debian-paketet wordnet-base) eller en synonymordbok, och ingen av dem är installerad.</translation>
    </message>
    <message>
        <source>Suggest Clues</source>
        <translation>Föreslå ledtrådar</translation>
    </message>
    <message>
        <source>There is no Dutch thesaurus, so no clues can be suggested for Dutch words.  Choose another thesaurus under Options, Thesaurus Type.</source>
        <translation>Det finns ingen nederländsk synonymordbok, så inga ledtrådar kan föreslås för nederländska ord. Välj en annan synonymordbok under Inställningar, Typ av synonymordbok.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>engelska</translation>
    </message>
    <message>
        <source>No clues can be suggested: neither WordNet (the Debian package wordnet-base) nor the English thesaurus is installed.</source>
        <translation>Inga ledtrådar kan föreslås: varken WordNet (Debian-paketet wordnet-base) eller den engelska synonymordboken är installerad.</translation>
    </message>
    <message>
        <source>No clues can be suggested: the %1 thesaurus is not installed.</source>
        <translation>Inga ledtrådar kan föreslås: synonymordboken (%1) är inte installerad.</translation>
    </message>
    <message>
        <source>shape library</source>
        <translation>formbibliotek</translation>
    </message>
    <message>
        <source>puzzle collection</source>
        <translation>korsordssamling</translation>
    </message>
    <message>
        <source>A link another user made in a shared folder is not followed; nothing was written</source>
        <translation>En länk som en annan användare har skapat i en delad mapp följs inte; ingenting skrevs</translation>
    </message>
    <message>
        <source>There is no puzzle to export</source>
        <translation>Det finns inget korsord att exportera</translation>
    </message>
    <message>
        <source>The puzzle has no placed word to solve</source>
        <translation>Korsordet har inget placerat ord att lösa</translation>
    </message>
    <message>
        <source>The .puz format holds grids of at most %1 by %1 squares; this one is %2 by %3</source>
        <translation>Formatet .puz rymmer rutnät på högst %1 × %1 rutor; det här är %2 × %3</translation>
    </message>
    <message>
        <source>The .puz format cannot hold this puzzle: two words lie on the same squares (&quot;%1&quot;)</source>
        <translation>Formatet .puz kan inte rymma det här korsordet: två ord ligger på samma rutor (”%1”)</translation>
    </message>
    <message>
        <source>The .puz format cannot hold the character &quot;%1&quot; in a square</source>
        <translation>Formatet .puz kan inte rymma tecknet ”%1” i en ruta</translation>
    </message>
    <message>
        <source>The .puz format cannot hold this puzzle: the squares %1 from row %2, column %3 are not one of its words</source>
        <translation>Formatet .puz kan inte rymma det här korsordet: rutorna %1 från rad %2, kolumn %3 är inte ett av dess ord</translation>
    </message>
    <message>
        <source>down</source>
        <translation>lodrätt</translation>
    </message>
    <message>
        <source>across</source>
        <translation>vågrätt</translation>
    </message>
    <message>
        <source>The .puz format cannot hold this puzzle: the word &quot;%1&quot; is not a run of two or more squares between black squares</source>
        <translation>Formatet .puz kan inte rymma det här korsordet: ordet ”%1” är inte en följd av två eller fler rutor mellan svarta rutor</translation>
    </message>
    <message>
        <source>A page %1 pixels wide cannot be made</source>
        <translation>En sida som är %1 bildpunkter bred kan inte skapas</translation>
    </message>
    <message>
        <source>A metafile needs a rendered page to draw again</source>
        <translation>En metafil behöver en renderad sida för att kunna ritas igen</translation>
    </message>
    <message>
        <source>A text holds a character the page cannot hold</source>
        <translation>En text innehåller ett tecken som sidan inte kan innehålla</translation>
    </message>
    <message>
        <source>Its picture would have the same name</source>
        <translation>Bilden skulle få samma namn</translation>
    </message>
    <message>
        <source>The %1 could not be made</source>
        <translation>Det gick inte att skapa %1</translation>
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
        <translation>Anpassad</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Läsning bortom filens slut</translation>
    </message>
    <message>
        <source>The file was changed by another program</source>
        <translation>Filen ändrades av ett annat program</translation>
    </message>
    <message>
        <source>%1 is damaged or is not a %2.  Nothing was saved.</source>
        <translation>%1 är skadad eller är ingen giltig fil av typen %2. Ingenting sparades.</translation>
    </message>
    <message>
        <source>Not a whole number of records</source>
        <translation>Inte ett helt antal poster</translation>
    </message>
    <message>
        <source>No such record</source>
        <translation>Posten finns inte</translation>
    </message>
    <message>
        <source>The file is in use by another program</source>
        <translation>Filen används av ett annat program</translation>
    </message>
    <message>
        <source>The file keeps changing</source>
        <translation>Filen ändras hela tiden</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)|*.bmp</source>
        <translation>Bitmappsbild (*.bmp)|*.bmp</translation>
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
        <translation>Metafil (*.WMF)|*.WMF</translation>
    </message>
    <message>
        <source>Enhanced Metafile (*.EMF)|*.EMF</source>
        <translation>Utökad metafil (*.EMF)|*.EMF</translation>
    </message>
    <message>
        <source>metafile</source>
        <translation>metafilen</translation>
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
        <translation>webbsida (*.html)|*.html</translation>
    </message>
    <message>
        <source>Crossword Puzzle</source>
        <translation>Korsord</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a word&apos;s label: its number, then Across or Down</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Skip to the clues</source>
        <translation>Hoppa till ledtrådarna</translation>
    </message>
    <message>
        <source>en</source>
        <comment>language code</comment>
        <extracomment>The language code (BCP 47) of this translation: the page&apos;s lang attribute.</extracomment>
        <translation>sv</translation>
    </message>
    <message>
        <source>Click a square or a clue and type the answer; typing follows the word&apos;s direction. The arrow keys move, Tab and Shift+Tab go to the next and the previous word, Backspace erases, a second click on a square (or the space bar) turns the direction, and Escape leaves the grid.</source>
        <translation>Klicka på en ruta eller en ledtråd och skriv svaret; texten fortsätter i ordets riktning. Piltangenterna flyttar, Tabb och Skift+Tabb går till nästa och föregående ord, Backsteg raderar, ett andra klick på en ruta (eller mellanslag) byter riktning och Esc lämnar rutnätet.</translation>
    </message>
    <message>
        <source>Tap a square or a clue and type; tap the square again to turn.</source>
        <translation>Tryck på en ruta eller en ledtråd och skriv; tryck på rutan igen för att byta riktning.</translation>
    </message>
    <message>
        <source>Puzzle grid, %1 squares wide and %2 high</source>
        <translation>Korsordets rutnät, %1 rutor brett och %2 högt</translation>
    </message>
    <message>
        <source>Your letters and your time are kept in this browser. The answers are stored in this page in a simply scrambled form, so they cannot be read in its source at a glance.</source>
        <translation>Dina bokstäver och din tid sparas i den här webbläsaren. Svaren finns i sidan i en enkelt förvrängd form, så att de inte kan läsas direkt i källkoden.</translation>
    </message>
    <message>
        <source>SVG (*.svg)|*.svg</source>
        <translation>SVG (*.svg)|*.svg</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt</source>
        <translation>text (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>html (*.htm)|*.htm</source>
        <translation>html (*.htm)|*.htm</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>A&amp;merikansk engelska</translation>
    </message>
    <message>
        <source>American</source>
        <translation>amerikansk engelska</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>&amp;Brittisk engelska</translation>
    </message>
    <message>
        <source>British</source>
        <translation>brittisk engelska</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>&amp;Spanska</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>spanska</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>&amp;Italienska</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>italienska</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Franska</translation>
    </message>
    <message>
        <source>French</source>
        <translation>franska</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Tyska</translation>
    </message>
    <message>
        <source>German</source>
        <translation>tyska</translation>
    </message>
    <message>
        <source>&amp;Dutch</source>
        <translation>&amp;Nederländska</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>nederländska</translation>
    </message>
    <message>
        <source>S&amp;wedish</source>
        <translation>S&amp;venska</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>svenska</translation>
    </message>
    <message>
        <source>not a thesaurus</source>
        <translation>inte en synonymordbok</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Meddelande</translation>
    </message>
    <message>
        <source>%1 was not found in the dictionary.  No suggestions could be found.</source>
        <translation>%1 fanns inte i ordboken. Inga förslag kunde hittas.</translation>
    </message>
    <message>
        <source>Printing Page %p
%0
%1</source>
        <extracomment>%p is the page number; %0 and %1 are two lines of progress the renderer fills in.</extracomment>
        <translation>Skriver ut sida %p
%0
%1</translation>
    </message>
    <message>
        <source>Printing page %p</source>
        <extracomment>%p is the page number.</extracomment>
        <translation>Skriver ut sida %p</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Skrivaren kunde inte startas.</translation>
    </message>
    <message>
        <source>QXMOR Files (*.QX3)|*.QX3</source>
        <translation>QXMOR-filer (*.QX3)|*.QX3</translation>
    </message>
    <message>
        <source>QXMOR Files (*.QX3)|*.QX3|16 bit QXMOR Files (*.QXM)|*.QXM</source>
        <translation>QXMOR-filer (*.QX3)|*.QX3|16-bitars QXMOR-filer (*.QXM)|*.QXM</translation>
    </message>
    <message>
        <source>&lt;Current Puzzle&gt;</source>
        <translation>&lt;Aktuellt korsord&gt;</translation>
    </message>
    <message>
        <source>&lt;Smallest Square&gt;</source>
        <translation>&lt;Minsta kvadrat&gt;</translation>
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
        <translation>Om</translation>
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
        <translation>Lägg till en ledtråd</translation>
    </message>
    <message>
        <source>Word:</source>
        <translation>Ord:</translation>
    </message>
    <message>
        <source>Clue:</source>
        <translation>Ledtråd:</translation>
    </message>
    <message>
        <source>&amp;Upper Case</source>
        <translation>&amp;Versaler</translation>
    </message>
    <message>
        <source>&amp;Lower Case</source>
        <translation>&amp;Gemener</translation>
    </message>
    <message>
        <source>&amp;First Letter Cap</source>
        <translation>&amp;Stor första bokstav</translation>
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
        <translation>Bonusfråga</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>qx::BorderDialog</name>
    <message>
        <source>&amp;Use Border</source>
        <translation>Använd &amp;kantlinje</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>Ä&amp;ndra färg</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Bredd</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Kantlinjens färg</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Invalid width entered.</source>
        <translation>Ogiltig bredd har angetts.</translation>
    </message>
    <message>
        <source>Border Info for %1</source>
        <translation>Kantlinje för %1</translation>
    </message>
</context>
<context>
    <name>qx::BuildProgressDialog</name>
    <message>
        <source>Building Puzzles</source>
        <translation>Skapar korsord</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Avbryt</translation>
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
        <translation>Skapat korsord</translation>
    </message>
    <message>
        <source>&amp;Save Puzzle</source>
        <translation>&amp;Spara korsord</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>One or more words did not fit into the puzzle.  Save Puzzle anyway?</source>
        <translation>Ett eller flera ord fick inte plats i korsordet. Vill du spara korsordet ändå?</translation>
    </message>
    <message>
        <source>%1 Included Word</source>
        <translation>%1 medtaget ord</translation>
    </message>
    <message>
        <source>%1 Included Words</source>
        <translation>%1 medtagna ord</translation>
    </message>
    <message>
        <source>%1 Excluded Word</source>
        <translation>%1 utelämnat ord</translation>
    </message>
    <message>
        <source>%1 Excluded Words</source>
        <translation>%1 utelämnade ord</translation>
    </message>
</context>
<context>
    <name>qx::ClueHeadersDialog</name>
    <message>
        <source>Default Clue Headers</source>
        <translation>Standardrubriker för ledtrådar</translation>
    </message>
    <message>
        <source>Clue Headers</source>
        <translation>Rubriker för ledtrådar</translation>
    </message>
    <message>
        <source>Across Header</source>
        <translation>Rubrik för vågrätt</translation>
    </message>
    <message>
        <source>Down Header</source>
        <translation>Rubrik för lodrätt</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>qx::ClueSuggestionsDialog</name>
    <message>
        <source>Suggest Clues</source>
        <translation>Föreslå ledtrådar</translation>
    </message>
    <message>
        <source>Suggestions (%1) for %2 of %3 words.  Choose or change each clue, then accept; a clue left empty is not changed.</source>
        <translation>Förslag (%1) för %2 av %3 ord. Välj eller ändra varje ledtråd och godkänn sedan; en ledtråd som lämnas tom ändras inte.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Ord</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Ledtråd</translation>
    </message>
    <message>
        <source>(no suggestion)</source>
        <translation>(inget förslag)</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Godkänn</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>qx::CopiesDialog</name>
    <message>
        <source>Multi-Copies</source>
        <translation>Flera kopior</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>Copies To Print</source>
        <translation>Antal kopior att skriva ut</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Invalid number of copies entered.</source>
        <translation>Ogiltigt antal kopior har angetts.</translation>
    </message>
</context>
<context>
    <name>qx::DictionaryMaintenanceDialog</name>
    <message>
        <source>Dictionary Maintenance</source>
        <translation>Underhåll av ordbok</translation>
    </message>
    <message>
        <source>These words will be added to the %1 dictionary and counted as valid.</source>
        <translation>De här orden läggs till i ordboken (%1) och räknas som giltiga.</translation>
    </message>
    <message>
        <source>These words will be excluded from the  %1 dictionary and will be invalid.</source>
        <translation>De här orden utesluts ur ordboken (%1) och räknas som ogiltiga.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Lägg till</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Ta bort</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>qx::EnlargedCandidateDialog</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Stäng</translation>
    </message>
</context>
<context>
    <name>qx::ExportPuzzlesDialog</name>
    <message>
        <source>Export Crossword Puzzles</source>
        <translation>Exportera korsord</translation>
    </message>
    <message>
        <source>Puzzles Available For Export</source>
        <translation>Korsord som kan exporteras</translation>
    </message>
    <message>
        <source>Save &amp;File</source>
        <translation>Spara &amp;fil</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>No puzzles have been selected for export.</source>
        <translation>Inga korsord har valts för export.</translation>
    </message>
    <message>
        <source>Save Crossword Puzzles</source>
        <translation>Spara korsord</translation>
    </message>
    <message>
        <source>No puzzles were exported; the list now shows the change.</source>
        <translation>Inga korsord exporterades; listan visar nu ändringen.</translation>
    </message>
    <message>
        <source>Unable to export puzzles.</source>
        <translation>Det gick inte att exportera korsorden.</translation>
    </message>
    <message>
        <source>Export File cannot be the same as the currently open file.</source>
        <translation>Exportfilen kan inte vara samma fil som den som är öppen.</translation>
    </message>
</context>
<context>
    <name>qx::ExtractLayoutDialog</name>
    <message>
        <source>Extract Page Layout From Puzzle</source>
        <translation>Hämta sidlayout från korsord</translation>
    </message>
    <message>
        <source>Available Puzzles</source>
        <translation>Tillgängliga korsord</translation>
    </message>
    <message>
        <source>&amp;Extract</source>
        <translation>&amp;Hämta</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>No puzzles have been selected for export.</source>
        <translation>Inga korsord har valts för export.</translation>
    </message>
    <message>
        <source>No layout was extracted; the list now shows the change.</source>
        <translation>Ingen layout hämtades; listan visar nu ändringen.</translation>
    </message>
    <message>
        <source>Unable to open puzzle.</source>
        <translation>Det gick inte att öppna korsordet.</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Diskfel</translation>
    </message>
    <message>
        <source>Unable to add page layout.</source>
        <translation>Det gick inte att lägga till sidlayouten.</translation>
    </message>
</context>
<context>
    <name>qx::FillDialog</name>
    <message>
        <source>&amp;Fill In Shape</source>
        <translation>&amp;Fyll formen</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>Ä&amp;ndra färg</translation>
    </message>
    <message>
        <source>Fill Color</source>
        <translation>Fyllnadsfärg</translation>
    </message>
    <message>
        <source>Fill Info for %1</source>
        <translation>Fyllning för %1</translation>
    </message>
</context>
<context>
    <name>qx::GridPropertiesDialog</name>
    <message>
        <source>Skeleton Puzzle</source>
        <translation>Skelettkorsord</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>Ä&amp;ndra färg</translation>
    </message>
    <message>
        <source>Ch&amp;ange Color</source>
        <translation>Än&amp;dra färg</translation>
    </message>
    <message>
        <source>Puzzle Fill Color</source>
        <translation>Korsordets fyllnadsfärg</translation>
    </message>
    <message>
        <source>Puzzle Block Color</source>
        <translation>Korsordets blockfärg</translation>
    </message>
    <message>
        <source>Puzzle Line Color</source>
        <translation>Korsordets linjefärg</translation>
    </message>
    <message>
        <source>Puzzle Line Width</source>
        <translation>Korsordets linjebredd</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Invalid width entered.</source>
        <translation>Ogiltig bredd har angetts.</translation>
    </message>
    <message>
        <source>Properties for %1</source>
        <translation>Egenskaper för %1</translation>
    </message>
</context>
<context>
    <name>qx::HeadingTextDialog</name>
    <message>
        <source>Across Header</source>
        <translation>Rubrik för vågrätt</translation>
    </message>
    <message>
        <source>Down Header</source>
        <translation>Rubrik för lodrätt</translation>
    </message>
</context>
<context>
    <name>qx::HelpWindow</name>
    <message>
        <source>Quorvex 98 Help</source>
        <translation>Hjälp för Quorvex 98</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Innehåll</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Bakåt</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Framåt</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Stäng</translation>
    </message>
</context>
<context>
    <name>qx::ImportPuzzlesDialog</name>
    <message>
        <source>Import Crossword Puzzles</source>
        <translation>Importera korsord</translation>
    </message>
    <message>
        <source>Puzzles in File</source>
        <translation>Korsord i filen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>No puzzles have been selected for import.</source>
        <translation>Inga korsord har valts för import.</translation>
    </message>
    <message>
        <source>No puzzles were imported; the list now shows the change.</source>
        <translation>Inga korsord importerades; listan visar nu ändringen.</translation>
    </message>
    <message>
        <source>Unable to import puzzles.</source>
        <translation>Det gick inte att importera korsorden.</translation>
    </message>
    <message>
        <source>File Name: %1</source>
        <translation>Filnamn: %1</translation>
    </message>
</context>
<context>
    <name>qx::InternationalCharactersDialog</name>
    <message>
        <source>International Characters</source>
        <translation>Internationella tecken</translation>
    </message>
    <message>
        <source>The function keys F1 through F12 can be assigned any number of international characters.  The function keys will play back the assigned international key in the Puzzle Creation Window.</source>
        <translation>Funktionstangenterna F1 till F12 kan tilldelas valfria internationella tecken. Funktionstangenterna skriver sedan det tilldelade tecknet i fönstret där korsordet skapas.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>qx::JpegFactorDialog</name>
    <message>
        <source>JPEG Factor</source>
        <translation>JPEG-faktor</translation>
    </message>
    <message>
        <source>JPEG Compression/Quality Factor (Range: 1 - 100)</source>
        <translation>JPEG-komprimering/kvalitetsfaktor (intervall: 1–100)</translation>
    </message>
    <message>
        <source>When the Factor is high, the image will be sharper, but the file size will be larger.  If the factor is lower, then the file size will be smaller, but the image will not be as sharp.</source>
        <translation>När faktorn är hög blir bilden skarpare, men filen blir större. När faktorn är lägre blir filen mindre, men bilden blir inte lika skarp.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Invalid factor entered.  Factor must be between 1 and 100</source>
        <translation>Ogiltig faktor har angetts. Faktorn måste vara mellan 1 och 100</translation>
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
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>qx::LayoutLibraryDialog</name>
    <message>
        <source>Unable to delete page layout.</source>
        <translation>Det gick inte att ta bort sidlayouten.</translation>
    </message>
    <message>
        <source>Page layout could not be imported.</source>
        <translation>Sidlayouten kunde inte importeras.</translation>
    </message>
    <message>
        <source>Page layout file is corrupt or incompatible.  Import aborted.</source>
        <translation>Sidlayoutfilen är skadad eller inte kompatibel. Importen avbröts.</translation>
    </message>
    <message>
        <source>Unable to add page layout.</source>
        <translation>Det gick inte att lägga till sidlayouten.</translation>
    </message>
    <message>
        <source>Page layout could not be exported.</source>
        <translation>Sidlayouten kunde inte exporteras.</translation>
    </message>
    <message>
        <source>Page Layout Exported!</source>
        <translation>Sidlayouten har exporterats!</translation>
    </message>
    <message>
        <source>Page Layouts (*.PAG)|*.PAG</source>
        <translation>Sidlayouter (*.PAG)|*.PAG</translation>
    </message>
    <message>
        <source>Puzzle Page Layouts</source>
        <translation>Sidlayouter för korsord</translation>
    </message>
    <message>
        <source>Page Layouts</source>
        <translation>Sidlayouter</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Korsord</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Vågrätt</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Lodrätt</translation>
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
        <translation>Text, former</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Ord</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Välj</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Ändra</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiera</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Ta bort</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importera</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportera</translation>
    </message>
    <message>
        <source>Set De&amp;fault</source>
        <translation>&amp;Ange som standard</translation>
    </message>
    <message>
        <source>Ex&amp;tract</source>
        <translation>&amp;Hämta</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>No saved page layouts could be found.</source>
        <translation>Inga sparade sidlayouter kunde hittas.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>No page layout selected.</source>
        <translation>Ingen sidlayout har valts.</translation>
    </message>
    <message>
        <source>No layout has been selected.</source>
        <translation>Ingen layout har valts.</translation>
    </message>
    <message>
        <source>Import Page Layouts</source>
        <translation>Importera sidlayouter</translation>
    </message>
    <message>
        <source>Export Page Layouts</source>
        <translation>Exportera sidlayouter</translation>
    </message>
</context>
<context>
    <name>qx::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;New Puzzle Collection File</source>
        <translation>&amp;Ny korsordssamling</translation>
    </message>
    <message>
        <source>Create New Puzzle Collection File</source>
        <translation>Skapa ny korsordssamling</translation>
    </message>
    <message>
        <source>&amp;Open Puzzle Collection File</source>
        <translation>&amp;Öppna korsordssamling</translation>
    </message>
    <message>
        <source>Open Puzzle Collection File</source>
        <translation>Öppna korsordssamling</translation>
    </message>
    <message>
        <source>Ne&amp;w Puzzle</source>
        <translation>N&amp;ytt korsord</translation>
    </message>
    <message>
        <source>Create New Puzzle</source>
        <translation>Skapa nytt korsord</translation>
    </message>
    <message>
        <source>&amp;Modify Puzzle</source>
        <translation>&amp;Ändra korsord</translation>
    </message>
    <message>
        <source>Modify Puzzle</source>
        <translation>Ändra korsord</translation>
    </message>
    <message>
        <source>&amp;Copy Puzzle</source>
        <translation>&amp;Kopiera korsord</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Kopiera korsord</translation>
    </message>
    <message>
        <source>&amp;Delete Puzzle</source>
        <translation>&amp;Ta bort korsord</translation>
    </message>
    <message>
        <source>Delete Puzzle</source>
        <translation>Ta bort korsord</translation>
    </message>
    <message>
        <source>&amp;Import Puzzles</source>
        <translation>&amp;Importera korsord</translation>
    </message>
    <message>
        <source>Import Puzzles</source>
        <translation>Importera korsord</translation>
    </message>
    <message>
        <source>&amp;Export Puzzles</source>
        <translation>&amp;Exportera korsord</translation>
    </message>
    <message>
        <source>Export Puzzles</source>
        <translation>Exportera korsord</translation>
    </message>
    <message>
        <source>&amp;Print Puzzle</source>
        <translation>Skriv &amp;ut korsord</translation>
    </message>
    <message>
        <source>Print Puzzle</source>
        <translation>Skriv ut korsord</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>Skriva&amp;rinställningar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Avsluta programmet</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Redigera</translation>
    </message>
    <message>
        <source>&amp;Page Layout</source>
        <translation>&amp;Sidlayout</translation>
    </message>
    <message>
        <source>Page Layout Designer</source>
        <translation>Sidlayoutdesigner</translation>
    </message>
    <message>
        <source>Puzzle &amp;Shape</source>
        <translation>Korsords&amp;form</translation>
    </message>
    <message>
        <source>Create Puzzle Shape</source>
        <translation>Skapa korsordsform</translation>
    </message>
    <message>
        <source>Puzzle &amp;Words</source>
        <translation>Korsordets &amp;ord</translation>
    </message>
    <message>
        <source>Modify Puzzle Words</source>
        <translation>Ändra korsordets ord</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Inställningar</translation>
    </message>
    <message>
        <source>&amp;Background Bitmap</source>
        <translation>&amp;Bakgrundsbild</translation>
    </message>
    <message>
        <source>&amp;JPEG Compression Factor</source>
        <translation>&amp;JPEG-komprimeringsfaktor</translation>
    </message>
    <message>
        <source>&amp;International Characters</source>
        <translation>I&amp;nternationella tecken</translation>
    </message>
    <message>
        <source>&amp;Clue Headers</source>
        <translation>&amp;Rubriker för ledtrådar</translation>
    </message>
    <message>
        <source>&amp;Word Separator Chars</source>
        <translation>&amp;Ordavgränsare</translation>
    </message>
    <message>
        <source>&amp;Label Font</source>
        <translation>Teckensnitt för &amp;etiketter</translation>
    </message>
    <message>
        <source>E&amp;dit Font</source>
        <translation>Teckensnitt för redi&amp;gering</translation>
    </message>
    <message>
        <source>B&amp;utton Font</source>
        <translation>Teckensnitt för &amp;knappar</translation>
    </message>
    <message>
        <source>S&amp;creen Size</source>
        <translation>Skär&amp;mstorlek</translation>
    </message>
    <message>
        <source>C&amp;olors For Saving Bitmaps &amp;&amp; JPEGs</source>
        <translation>&amp;Färger när bilder &amp;&amp; JPEG sparas</translation>
    </message>
    <message>
        <source>&amp;256 Colors</source>
        <translation>&amp;256 färger</translation>
    </message>
    <message>
        <source>&amp;16 Million Colors</source>
        <translation>&amp;16 miljoner färger</translation>
    </message>
    <message>
        <source>&amp;Dictionary Type</source>
        <translation>Typ av or&amp;dbok</translation>
    </message>
    <message>
        <source>&amp;Choose At Spell Check Time</source>
        <translation>Väl&amp;j vid stavningskontroll</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>&amp;Amerikansk engelska</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>&amp;Brittisk engelska</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>&amp;Spanska</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>&amp;Italienska</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Franska</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Tyska</translation>
    </message>
    <message>
        <source>&amp;Dutch</source>
        <translation>&amp;Nederländska</translation>
    </message>
    <message>
        <source>S&amp;wedish</source>
        <translation>S&amp;venska</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>&amp;Lägg till i ordboken</translation>
    </message>
    <message>
        <source>&amp;Exclude From Dictionary</source>
        <translation>&amp;Uteslut ur ordboken</translation>
    </message>
    <message>
        <source>&amp;Thesaurus Type</source>
        <translation>Typ av &amp;synonymordbok</translation>
    </message>
    <message>
        <source>&amp;Choose at Thesaurus Use Time</source>
        <translation>Välj &amp;när synonymordboken används</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Innehåll</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>&amp;User Manual</source>
        <translation>&amp;Användarhandbok</translation>
    </message>
    <message>
        <source>&amp;Review Tips of the Day</source>
        <translation>Dagens &amp;tips</translation>
    </message>
    <message>
        <source>&amp;Data Exchange via Internet</source>
        <translation>&amp;Datautbyte via internet</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Om</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Kommandon</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategori</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Korsord</translation>
    </message>
    <message>
        <source>Quorvex 98 (%1)</source>
        <translation>Quorvex 98 (%1)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>No puzzle selected.  Please select a puzzle first.</source>
        <translation>Inget korsord har valts. Välj ett korsord först.</translation>
    </message>
    <message>
        <source>The lists now show the change; select the puzzle again.</source>
        <translation>Listorna visar nu ändringen; välj korsordet igen.</translation>
    </message>
    <message>
        <source>Create New Puzzle Group</source>
        <translation>Skapa ny korsordssamling</translation>
    </message>
    <message>
        <source>The puzzle collection file %1 could not be created.</source>
        <translation>Korsordssamlingen %1 kunde inte skapas.</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Nytt korsord</translation>
    </message>
    <message>
        <source>Would you like to create your first puzzle now for this new puzzle collection?</source>
        <translation>Vill du skapa ditt första korsord i den nya korsordssamlingen nu?</translation>
    </message>
    <message>
        <source>Open Puzzle Group</source>
        <translation>Öppna korsordssamling</translation>
    </message>
    <message>
        <source>The file selected is not a valid Crossword file.</source>
        <translation>Den valda filen är inte en giltig korsordsfil.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Vill du verkligen ta bort %1?</translation>
    </message>
    <message>
        <source>The puzzle was not deleted; the lists now show the change.</source>
        <translation>Korsordet togs inte bort; listorna visar nu ändringen.</translation>
    </message>
    <message>
        <source>Unable to load puzzle.</source>
        <translation>Det gick inte att läsa in korsordet.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>A puzzle has never been generated for this word/clue list. Please select &quot;File|Modify&quot; from the menu and create the puzzle first</source>
        <translation>Inget korsord har någonsin skapats för den här ord- och ledtrådslistan. Välj ”Arkiv|Ändra korsord” i menyn och skapa korsordet först</translation>
    </message>
    <message>
        <source>Your current screen resolution does not support %1 pixels.</source>
        <translation>Din nuvarande skärmupplösning räcker inte för %1 bildpunkter.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Inställningarna kunde inte sparas.</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>S&amp;pråk</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>&amp;Systemspråk</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>%1 shows the new language the next time it starts.</source>
        <translation>%1 visar det nya språket nästa gång det startar.</translation>
    </message>
</context>
<context>
    <name>qx::ManualNoticeDialog</name>
    <message>
        <source>User Manual Notice</source>
        <translation>Om användarhandboken</translation>
    </message>
    <message>
        <source>The User Manual for Quorvex 98 is a word-processor document, &quot;%1&quot;, in the program&apos;s folder.  Any word processor that reads Microsoft Word documents, such as LibreOffice Writer, can show and print it.</source>
        <translation>Användarhandboken till Quorvex 98 är ett ordbehandlingsdokument, ”%1”, i programmets mapp. Alla ordbehandlare som kan läsa Microsoft Word-dokument, till exempel LibreOffice Writer, kan visa och skriva ut den.</translation>
    </message>
    <message>
        <source>The User Manual is also available as a PDF document, &quot;%1&quot;.  Any PDF reader can show and print it.</source>
        <translation>Användarhandboken finns också som PDF-dokument, ”%1”. Alla PDF-läsare kan visa och skriva ut den.</translation>
    </message>
    <message>
        <source>View in &amp;Word</source>
        <translation>Visa i &amp;Word</translation>
    </message>
    <message>
        <source>View in &amp;Acrobat</source>
        <translation>Visa i &amp;Acrobat</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;vbryt</translation>
    </message>
    <message>
        <source>The User Manual could not be located.  Please make sure the user manual was installed.  A copy is available at our web site.</source>
        <translation>Användarhandboken kunde inte hittas. Kontrollera att användarhandboken har installerats. En kopia finns på vår webbplats.</translation>
    </message>
    <message>
        <source>User Manual could not be located.  Please make sure that it was installed.</source>
        <translation>Användarhandboken kunde inte hittas. Kontrollera att den har installerats.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened.  Please make sure that a program to view it is installed.</source>
        <translation>”%1” kunde inte öppnas. Kontrollera att ett program som kan visa filen är installerat.</translation>
    </message>
</context>
<context>
    <name>qx::ManualPlacementDialog</name>
    <message>
        <source>Manual Word Addition</source>
        <translation>Lägg till ord manuellt</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Godkänn</translation>
    </message>
    <message>
        <source>&amp;Reject</source>
        <translation>&amp;Förkasta</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Puzzle letter must be between A and Z.</source>
        <translation>Bokstaven måste vara mellan A och Z.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Meddelande</translation>
    </message>
    <message>
        <source>No changes to the puzzle were detected.</source>
        <translation>Inga ändringar i korsordet upptäcktes.</translation>
    </message>
</context>
<context>
    <name>qx::MetafileCreationDialog</name>
    <message>
        <source>Metafile Creation</source>
        <translation>Skapa metafil</translation>
    </message>
    <message>
        <source>Creating Metafile...  Please Wait.</source>
        <translation>Skapar metafil... Vänta.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Metafile Created</source>
        <translation>Metafilen har skapats</translation>
    </message>
</context>
<context>
    <name>qx::NumberFontDialog</name>
    <message>
        <source>Numbers In Puzzle</source>
        <translation>Nummer i korsordet</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Riktning</translation>
    </message>
    <message>
        <source>&amp;Horizontal</source>
        <translation>&amp;Vågrät</translation>
    </message>
    <message>
        <source>&amp;Vertical</source>
        <translation>&amp;Lodrät</translation>
    </message>
    <message>
        <source>Change &amp;Font</source>
        <translation>Ändra &amp;teckensnitt</translation>
    </message>
</context>
<context>
    <name>qx::ObjectPropertiesDialog</name>
    <message>
        <source>&amp;Transparent Background</source>
        <translation>&amp;Genomskinlig bakgrund</translation>
    </message>
    <message>
        <source>&amp;Make It Fit (Auto-Shrink Font)</source>
        <translation>Anpassa &amp;storlek (krymp teckensnittet automatiskt)</translation>
    </message>
    <message>
        <source>Number of Columns</source>
        <translation>Antal kolumner</translation>
    </message>
    <message>
        <source>&amp;Split Columns</source>
        <translation>Dela upp i &amp;kolumner</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Invalid columns entered.</source>
        <translation>Ogiltigt antal kolumner har angetts.</translation>
    </message>
    <message>
        <source>Properties for %1</source>
        <translation>Egenskaper för %1</translation>
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
        <translation>Korsord</translation>
    </message>
    <message>
        <source>Down Heading</source>
        <translation>Rubrik lodrätt</translation>
    </message>
    <message>
        <source>Across Heading</source>
        <translation>Rubrik vågrätt</translation>
    </message>
    <message>
        <source>Down Clues</source>
        <translation>Ledtrådar lodrätt</translation>
    </message>
    <message>
        <source>Across Clues</source>
        <translation>Ledtrådar vågrätt</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>Ordlista</translation>
    </message>
    <message>
        <source>Bonus Quest</source>
        <translation>Bonusfråga</translation>
    </message>
    <message>
        <source>Combined Clues</source>
        <translation>Alla ledtrådar</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rektangel</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cirkel</translation>
    </message>
    <message>
        <source>Page Creator</source>
        <translation>Sidlayoutdesigner</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Pappersstorlek</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Tum</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Bredd</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höjd</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>&amp;Portrait</source>
        <translation>S&amp;tående</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Liggande</translation>
    </message>
    <message>
        <source>Crossword Objects</source>
        <translation>Korsordsobjekt</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Övriga objekt</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Spara</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;vbryt</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>St&amp;äng</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Objekt</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Small</source>
        <translation>&amp;Liten</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Mellan</translation>
    </message>
    <message>
        <source>&amp;Large</source>
        <translation>&amp;Stor</translation>
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
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>A bitmap for this layout could not be located.</source>
        <translation>En bild för den här sidlayouten kunde inte hittas.</translation>
    </message>
    <message>
        <source>Some printers do not support odd sized pages.  Printed results may vary.</source>
        <translation>Vissa skrivare klarar inte udda pappersstorlekar. Utskriften kan bli annorlunda än väntat.</translation>
    </message>
    <message>
        <source>Width must be between 3 and 12 inches.  Please re-enter width.</source>
        <translation>Bredden måste vara mellan 3 och 12 tum. Ange bredden igen.</translation>
    </message>
    <message>
        <source>Width must be between 7 and 31 centimeters.  Please re-enter width.</source>
        <translation>Bredden måste vara mellan 7 och 31 centimeter. Ange bredden igen.</translation>
    </message>
    <message>
        <source>Height must be between 4 and 18 inches.  Please re-enter height.</source>
        <translation>Höjden måste vara mellan 4 och 18 tum. Ange höjden igen.</translation>
    </message>
    <message>
        <source>Height must be between 10 and 46 centimeters.  Please re-enter height.</source>
        <translation>Höjden måste vara mellan 10 och 46 centimeter. Ange höjden igen.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Diskfel</translation>
    </message>
    <message>
        <source>Unable to add page layout.</source>
        <translation>Det gick inte att lägga till sidlayouten.</translation>
    </message>
</context>
<context>
    <name>qx::PartialAnswersDialog</name>
    <message>
        <source>Partial Answer</source>
        <translation>Delvis facit</translation>
    </message>
    <message>
        <source>Select those words you would like filled in the puzzle.</source>
        <translation>Markera de ord som du vill ska fyllas i i korsordet.</translation>
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
        <translation>Bitmappsbild</translation>
    </message>
    <message>
        <source>JPeg</source>
        <translation>JPEG</translation>
    </message>
    <message>
        <source>Create &amp;Bitmap</source>
        <translation>Skapa &amp;bitmappsbild</translation>
    </message>
    <message>
        <source>Create &amp;JPeg</source>
        <translation>Skapa &amp;JPEG</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>Width of Bitmap</source>
        <translation>Bitmappsbildens bredd</translation>
    </message>
    <message>
        <source>Width of JPeg</source>
        <translation>JPEG-bildens bredd</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Invalid width specified.  Please correct.</source>
        <translation>Ogiltig bredd har angetts. Rätta till det.</translation>
    </message>
</context>
<context>
    <name>qx::PreviewWindow</name>
    <message>
        <source>Puzzle Preview</source>
        <translation>Förhandsgranskning</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visa</translation>
    </message>
    <message>
        <source>&amp;Print Page</source>
        <translation>Skriv &amp;ut sida</translation>
    </message>
    <message>
        <source>Print &amp;Multiple Copies</source>
        <translation>Skriv ut &amp;flera kopior</translation>
    </message>
    <message>
        <source>Export As &amp;Metafile</source>
        <translation>Exportera som &amp;metafil</translation>
    </message>
    <message>
        <source>&amp;Windows MetaFile (WMF)</source>
        <translation>&amp;Windows-metafil (WMF)</translation>
    </message>
    <message>
        <source>&amp;Enhanced MetaFile (EMF)</source>
        <translation>&amp;Utökad metafil (EMF)</translation>
    </message>
    <message>
        <source>Export As &amp;Picture</source>
        <translation>Exportera som &amp;bild</translation>
    </message>
    <message>
        <source>Windows &amp;Bitmap (BMP)</source>
        <translation>Windows-&amp;bitmappsbild (BMP)</translation>
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
        <translation>JPEG-komprimerings&amp;faktor</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>&amp;HTML Export</source>
        <translation>&amp;HTML-export</translation>
    </message>
    <message>
        <source>&amp;Text Export</source>
        <translation>&amp;Textexport</translation>
    </message>
    <message>
        <source>&amp;Clues</source>
        <translation>&amp;Ledtrådar</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Ord</translation>
    </message>
    <message>
        <source>Export As P&amp;DF...</source>
        <translation>Exportera som P&amp;DF...</translation>
    </message>
    <message>
        <source>Export As S&amp;VG...</source>
        <translation>Exportera som S&amp;VG...</translation>
    </message>
    <message>
        <source>Export For Solving &amp;Apps</source>
        <translation>Exportera för korsords&amp;appar</translation>
    </message>
    <message>
        <source>&amp;ipuz File...</source>
        <translation>&amp;ipuz-fil...</translation>
    </message>
    <message>
        <source>&amp;PUZ File...</source>
        <translation>&amp;PUZ-fil...</translation>
    </message>
    <message>
        <source>Export As &amp;Solvable Web Page...</source>
        <translation>Exportera som &amp;lösbar webbsida...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zooma &amp;in</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zooma &amp;ut</translation>
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
        <translation>Zooma till sidbredd</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Zoom Whole Page</source>
        <translation>Zooma till hela sidan</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>Print Page</source>
        <translation>Skriv ut sida</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zooma in</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zooma ut</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Export As Metafile</source>
        <translation>Exportera som metafil</translation>
    </message>
    <message>
        <source>Export As Bitmap</source>
        <translation>Exportera som bitmappsbild</translation>
    </message>
    <message>
        <source>Export As JPEG</source>
        <translation>Exportera som JPEG</translation>
    </message>
    <message>
        <source>Create Web Page</source>
        <translation>Skapa webbsida</translation>
    </message>
    <message>
        <source>Export As PDF</source>
        <translation>Exportera som PDF</translation>
    </message>
    <message>
        <source>Zoom %</source>
        <translation>Zoom %</translation>
    </message>
    <message>
        <source>Pixel Width</source>
        <translation>Bredd i bildpunkter</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Previous print job has not yet finished.  Try again later.</source>
        <translation>Den förra utskriften är inte klar än. Försök igen senare.</translation>
    </message>
    <message>
        <source>The page could not be printed.  To keep it as a PDF file instead, use Export As PDF, or choose &quot;Print to File (PDF)&quot; in Printer Setup.</source>
        <translation>Sidan kunde inte skrivas ut. Om du vill spara den som PDF-fil i stället använder du Exportera som PDF, eller väljer ”Skriv ut till fil (PDF)” under Skrivarinställningar.</translation>
    </message>
    <message>
        <source>Export Clues</source>
        <translation>Exportera ledtrådar</translation>
    </message>
    <message>
        <source>Export Words</source>
        <translation>Exportera ord</translation>
    </message>
    <message>
        <source>Unable to create export file.</source>
        <translation>Det gick inte att skapa exportfilen.</translation>
    </message>
    <message>
        <source>Export As SVG</source>
        <translation>Exportera som SVG</translation>
    </message>
    <message>
        <source>Export As Solvable Web Page</source>
        <translation>Exportera som lösbar webbsida</translation>
    </message>
    <message>
        <source>Export For Solving Apps</source>
        <translation>Exportera för korsordsappar</translation>
    </message>
    <message>
        <source>Save Puzzle As MetaFile</source>
        <translation>Spara korsordet som metafil</translation>
    </message>
    <message>
        <source>Save Puzzle As Enhanced MetaFile</source>
        <translation>Spara korsordet som utökad metafil</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>Bitmaps in this puzzle will not be saved in the metafile.</source>
        <translation>Bilderna i det här korsordet sparas inte i metafilen.</translation>
    </message>
    <message>
        <source>Save Puzzle As Bitmap</source>
        <translation>Spara korsordet som bitmappsbild</translation>
    </message>
    <message>
        <source>Save Puzzle As JPeg</source>
        <translation>Spara korsordet som JPEG</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Sparat i %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> och </translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt</source>
        <translation>text (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Metafile (*.WMF)|*.WMF</source>
        <translation>Metafil (*.WMF)|*.WMF</translation>
    </message>
    <message>
        <source>Enhanced Metafile (*.EMF)|*.EMF</source>
        <translation>Utökad metafil (*.EMF)|*.EMF</translation>
    </message>
    <message>
        <source>Bitmap (*.BMP)|*.BMP</source>
        <translation>Bitmappsbild (*.BMP)|*.BMP</translation>
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
        <translation>Utskrifter</translation>
    </message>
    <message>
        <source>Puzzle &amp;Title</source>
        <translation>Korsordets &amp;titel</translation>
    </message>
    <message>
        <source>Puzzle &amp;Body</source>
        <translation>Korsordets &amp;rutnät</translation>
    </message>
    <message>
        <source>Puzzle &amp;Clues</source>
        <translation>Korsordets &amp;ledtrådar</translation>
    </message>
    <message>
        <source>Puzzle &amp;Words</source>
        <translation>Korsordets &amp;ord</translation>
    </message>
    <message>
        <source>Bonus &amp;Question</source>
        <translation>&amp;Bonusfråga</translation>
    </message>
    <message>
        <source>Parts To Print</source>
        <translation>Delar att skriva ut</translation>
    </message>
    <message>
        <source>&amp;Answer Key</source>
        <translation>&amp;Facit</translation>
    </message>
    <message>
        <source>&amp;Partial Answers</source>
        <translation>&amp;Delvis facit</translation>
    </message>
    <message>
        <source>Pa&amp;rtial Letters</source>
        <translation>&amp;Utvalda bokstäver</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>Väl&amp;j</translation>
    </message>
    <message>
        <source>Answer Key</source>
        <translation>Facit</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Bokstäver</translation>
    </message>
    <message>
        <source>&amp;Skeleton Puzzle</source>
        <translation>&amp;Skelettkorsord</translation>
    </message>
    <message>
        <source>&amp;Filled Box Color</source>
        <translation>Färg för f&amp;yllda rutor</translation>
    </message>
    <message>
        <source>Puzzle Boxes</source>
        <translation>Korsordets rutor</translation>
    </message>
    <message>
        <source>&amp;View/Print</source>
        <translation>&amp;Visa/skriv ut</translation>
    </message>
    <message>
        <source>Change Page &amp;Layout</source>
        <translation>Byt s&amp;idlayout</translation>
    </message>
    <message>
        <source>Change &amp;Fonts</source>
        <translation>Ändra teckens&amp;nitt</translation>
    </message>
    <message>
        <source>Change Clue &amp;Headers</source>
        <translation>Ändra rubri&amp;ker för ledtrådar</translation>
    </message>
    <message>
        <source>Change Bon&amp;us Question</source>
        <translation>&amp;Ändra bonusfråga</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Stän&amp;g</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>Skriva&amp;rinställningar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>Puzzle Clue Numbers Font</source>
        <translation>Teckensnitt för korsordets ledtrådsnummer</translation>
    </message>
    <message>
        <source>Puzzle Answer Font</source>
        <translation>Teckensnitt för korsordets facit</translation>
    </message>
    <message>
        <source>%1 Font</source>
        <translation>Teckensnitt för %1</translation>
    </message>
</context>
<context>
    <name>qx::PrintStatusDialog</name>
    <message>
        <source>Report Status Screen</source>
        <translation>Status för utskrift</translation>
    </message>
    <message>
        <source>Printing Status</source>
        <translation>Utskriftsstatus</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Puzzle Generation Canceled!</source>
        <translation>Skapandet av korsordet avbröts!</translation>
    </message>
    <message>
        <source>Puzzle Generated!</source>
        <translation>Korsordet har skapats!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
</context>
<context>
    <name>qx::PuzzlePicker</name>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Markera alla</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>A&amp;vmarkera alla</translation>
    </message>
</context>
<context>
    <name>qx::ShapeEditorDialog</name>
    <message>
        <source>Shape Creator</source>
        <translation>Formdesigner</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Anteckningar</translation>
    </message>
    <message>
        <source>Left Click To Toggle</source>
        <translation>Vänsterklicka för att växla</translation>
    </message>
    <message>
        <source>Right Click To Fill</source>
        <translation>Högerklicka för att fylla</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Namn</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Bredd</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Höjd</translation>
    </message>
    <message>
        <source>Shift Grid</source>
        <translation>Flytta rutnätet</translation>
    </message>
    <message>
        <source>Adjust Grid</source>
        <translation>Justera rutnätet</translation>
    </message>
    <message>
        <source>&amp;Reverse</source>
        <translation>&amp;Invertera</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ångra</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Spara</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Width must be between 5 and 49.  Please re-enter width.</source>
        <translation>Bredden måste vara mellan 5 och 49. Ange bredden igen.</translation>
    </message>
    <message>
        <source>Height must be between 5 and 49.  Please re-enter height.</source>
        <translation>Höjden måste vara mellan 5 och 49. Ange höjden igen.</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Diskfel</translation>
    </message>
    <message>
        <source>Unable to add shape.</source>
        <translation>Det gick inte att lägga till formen.</translation>
    </message>
</context>
<context>
    <name>qx::ShapeLibraryDialog</name>
    <message>
        <source>Shapes</source>
        <translation>Former</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Stäng</translation>
    </message>
</context>
<context>
    <name>qx::ShapeListPanel</name>
    <message>
        <source>Unable to delete puzzle shape.</source>
        <translation>Det gick inte att ta bort korsordsformen.</translation>
    </message>
    <message>
        <source>Puzzle shape could not be imported.</source>
        <translation>Korsordsformen kunde inte importeras.</translation>
    </message>
    <message>
        <source>Puzzle shape file is corrupt or incompatible.  Import aborted.</source>
        <translation>Korsordsformfilen är skadad eller inte kompatibel. Importen avbröts.</translation>
    </message>
    <message>
        <source>Unable to add shape.</source>
        <translation>Det gick inte att lägga till formen.</translation>
    </message>
    <message>
        <source>Shape could not be exported.</source>
        <translation>Formen kunde inte exporteras.</translation>
    </message>
    <message>
        <source>Puzzle Shape Exported!</source>
        <translation>Korsordsformen har exporterats!</translation>
    </message>
    <message>
        <source>Puzzle Shape</source>
        <translation>Korsordsform</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>N&amp;y</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Ändra</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>K&amp;opiera</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Ta bort</translation>
    </message>
    <message>
        <source>Im&amp;port</source>
        <translation>I&amp;mportera</translation>
    </message>
    <message>
        <source>Expo&amp;rt</source>
        <translation>E&amp;xportera</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>No saved shape information could be found.</source>
        <translation>Ingen sparad formdata kunde hittas.</translation>
    </message>
    <message>
        <source>Import Puzzle Shape</source>
        <translation>Importera korsordsform</translation>
    </message>
    <message>
        <source>Puzzle Shapes (*.LAY)|*.LAY</source>
        <translation>Korsordsformer (*.LAY)|*.LAY</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>No shape selected.</source>
        <translation>Ingen form har valts.</translation>
    </message>
    <message>
        <source>Export Puzzle Shape</source>
        <translation>Exportera korsordsform</translation>
    </message>
    <message>
        <source>Puzzle Shape (*.LAY)|*.LAY</source>
        <translation>Korsordsform (*.LAY)|*.LAY</translation>
    </message>
</context>
<context>
    <name>qx::SizePositionDialog</name>
    <message>
        <source>Left</source>
        <translation>Vänster</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Överkant</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Bredd</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höjd</translation>
    </message>
    <message>
        <source>Values In Inches</source>
        <translation>Värden i tum</translation>
    </message>
    <message>
        <source>Values In Centimeters</source>
        <translation>Värden i centimeter</translation>
    </message>
    <message>
        <source>Invalid left position entered.</source>
        <translation>Ogiltig vänsterposition har angetts.</translation>
    </message>
    <message>
        <source>Invalid top position entered.</source>
        <translation>Ogiltig position för överkanten har angetts.</translation>
    </message>
    <message>
        <source>Invalid width entered.</source>
        <translation>Ogiltig bredd har angetts.</translation>
    </message>
    <message>
        <source>Invalid height entered.</source>
        <translation>Ogiltig höjd har angetts.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>The location you have specified will place the object off the page.  Do you wish abort your changes?</source>
        <translation>Den placering du har angett flyttar objektet utanför sidan. Vill du ångra dina ändringar?</translation>
    </message>
    <message>
        <source>Size &amp; Location of %1</source>
        <translation>Storlek och placering för %1</translation>
    </message>
</context>
<context>
    <name>qx::SpellingSuggestionsDialog</name>
    <message>
        <source>Spelling Suggestions</source>
        <translation>Stavningsförslag</translation>
    </message>
    <message>
        <source>The following word was not found in the %1 dictionary.  Suggestions are listed below.</source>
        <translation>Följande ord fanns inte i ordboken (%1). Förslag visas nedan.</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Förslag</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersätt</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorera</translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation>A&amp;vbryt</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Lägg till</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>No replacement word has been selected.  Please choose a replacement first.</source>
        <translation>Inget ersättningsord har valts. Välj ett ersättningsord först.</translation>
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
        <translation>Slå upp i synonymordboken</translation>
    </message>
    <message>
        <source>&amp;Look Up</source>
        <translation>&amp;Slå upp</translation>
    </message>
    <message>
        <source>&amp;Suggest</source>
        <translation>&amp;Föreslå</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Godkänn</translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation>A&amp;vbryt</translation>
    </message>
    <message>
        <source>&amp;Word</source>
        <translation>&amp;Ord</translation>
    </message>
    <message>
        <source>&amp;Categories</source>
        <translation>&amp;Kategorier</translation>
    </message>
    <message>
        <source>A&amp;ntonyms</source>
        <translation>&amp;Antonymer</translation>
    </message>
    <message>
        <source>S&amp;ynonyms</source>
        <translation>S&amp;ynonymer</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Could not find the Thesaurus file.</source>
        <translation>Det gick inte att hitta synonymordboksfilen.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>Word not found in Thesaurus.  Click on &quot;suggest&quot; for possible substitute words.</source>
        <translation>Ordet finns inte i synonymordboken. Klicka på ”Föreslå” för att få förslag på andra ord.</translation>
    </message>
    <message>
        <source>No suggestions found for the word %1.</source>
        <translation>Inga förslag hittades för ordet %1.</translation>
    </message>
    <message>
        <source>No replacement word has been selected.  Please choose a replacement first.</source>
        <translation>Inget ersättningsord har valts. Välj ett ersättningsord först.</translation>
    </message>
</context>
<context>
    <name>qx::TipOfTheDayDialog</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Dagens tips</translation>
    </message>
    <message>
        <source>&lt;b&gt;Did you know?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Visste du att...&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>&amp;Visa tips vid start</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Nästa tips</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Stäng</translation>
    </message>
</context>
<context>
    <name>qx::WebPageDialog</name>
    <message>
        <source>HTML Creation</source>
        <translation>Skapa HTML</translation>
    </message>
    <message>
        <source>Create A Web Page</source>
        <translation>Skapa en webbsida</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Vågrät linje</translation>
    </message>
    <message>
        <source>Puzzle will go here</source>
        <translation>Här hamnar korsordet</translation>
    </message>
    <message>
        <source>&amp;Save HTML</source>
        <translation>&amp;Spara HTML</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>First Header Lines</source>
        <translation>Första sidhuvudraderna</translation>
    </message>
    <message>
        <source>Second Header Lines</source>
        <translation>Andra sidhuvudraderna</translation>
    </message>
    <message>
        <source>First Footer Lines</source>
        <translation>Första sidfotsraderna</translation>
    </message>
    <message>
        <source>Second Footer Lines</source>
        <translation>Andra sidfotsraderna</translation>
    </message>
    <message>
        <source>Web Page Title</source>
        <translation>Webbsidans titel</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fet</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrerad</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Teckenstorlek</translation>
    </message>
    <message>
        <source>%1 and its picture %2 already exist.
Do you want to replace them?</source>
        <translation>%1 och dess bild %2 finns redan.
Vill du ersätta dem?</translation>
    </message>
    <message>
        <source>%1 already exists; its picture will be saved as %2.
Do you want to replace it?</source>
        <translation>%1 finns redan; dess bild kommer att sparas som %2.
Vill du ersätta den?</translation>
    </message>
    <message>
        <source>The picture %2 of %1 already exists.
Do you want to replace it?</source>
        <translation>Bilden %2 till %1 finns redan.
Vill du ersätta den?</translation>
    </message>
    <message>
        <source>Save HTML Document</source>
        <translation>Spara HTML-dokument</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Unable to create html file.</source>
        <translation>Det gick inte att skapa HTML-filen.</translation>
    </message>
    <message>
        <source>%1 pt</source>
        <translation>%1 pt</translation>
    </message>
    <message>
        <source>html (*.htm)|*.htm</source>
        <translation>html (*.htm)|*.htm</translation>
    </message>
</context>
<context>
    <name>qx::WordGrid</name>
    <message>
        <source>Cnt</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>U</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Ord</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Ledtråd</translation>
    </message>
</context>
<context>
    <name>qx::WordListEditor</name>
    <message>
        <source>Word List Input</source>
        <translation>Inmatning av ordlista</translation>
    </message>
    <message>
        <source>Puzzle Title</source>
        <translation>Korsordets titel</translation>
    </message>
    <message>
        <source>Categor&amp;y</source>
        <translation>&amp;Kategori</translation>
    </message>
    <message>
        <source>Bonus Question</source>
        <translation>Bonusfråga</translation>
    </message>
    <message>
        <source>Words and Clues</source>
        <translation>Ord och ledtrådar</translation>
    </message>
    <message>
        <source>Delete &amp;All</source>
        <translation>Ta bort &amp;alla</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>Ta &amp;bort</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importera</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportera</translation>
    </message>
    <message>
        <source>International Characters</source>
        <translation>Internationella tecken</translation>
    </message>
    <message>
        <source>&amp;Spell Check</source>
        <translation>Sta&amp;vningskontroll</translation>
    </message>
    <message>
        <source>&amp;Thesaurus</source>
        <translation>&amp;Synonymordbok</translation>
    </message>
    <message>
        <source>Su&amp;ggest Clues</source>
        <translation>Föresl&amp;å ledtrådar</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Sidlayout</translation>
    </message>
    <message>
        <source>Change La&amp;yout</source>
        <translation>Byt &amp;layout</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>&amp;Förminska</translation>
    </message>
    <message>
        <source>&amp;Quick Create</source>
        <translation>S&amp;nabbskapa</translation>
    </message>
    <message>
        <source>T&amp;horough</source>
        <translation>&amp;Grundlig</translation>
    </message>
    <message>
        <source>Search for the grid with the most words, then the most crossings, for the effort&apos;s seconds, instead of running the creation attempts.</source>
        <translation>Sök efter rutnätet med flest ord, och sedan flest korsningar, under söktidens sekunder i stället för att köra skapandeförsöken.</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>How long the thorough search and the search for the smallest square run on an ordinary machine: longer finds better grids.</source>
        <translation>Hur länge den grundliga sökningen och sökningen efter den minsta kvadraten pågår på en vanlig dator: längre tid ger bättre rutnät.</translation>
    </message>
    <message>
        <source>E&amp;ffort</source>
        <translation>S&amp;öktid</translation>
    </message>
    <message>
        <source>Creation Attempts</source>
        <translation>Antal försök</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>Ska&amp;pa</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Spa&amp;ra</translation>
    </message>
    <message>
        <source>Add &amp;Words</source>
        <translation>Lägg till or&amp;d</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Avsl&amp;uta</translation>
    </message>
    <message>
        <source>Suggest clues for the selected rows, or for every word without a clue.</source>
        <translation>Föreslå ledtrådar för de markerade raderna, eller för alla ord som saknar ledtråd.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Smallest square: %1 × %1, every word placed.</source>
        <translation>Minsta kvadrat: %1 × %1, alla ord placerade.</translation>
    </message>
    <message>
        <source>No square up to 49 × 49 holds every word: %1 × %1 holds the most.</source>
        <translation>Ingen kvadrat upp till 49 × 49 rymmer alla ord: %1 × %1 rymmer flest.</translation>
    </message>
    <message>
        <source>No title specified.  Please correct.</source>
        <translation>Ingen titel har angetts. Rätta till det.</translation>
    </message>
    <message>
        <source>No category specified.  Please correct.</source>
        <translation>Ingen kategori har angetts. Rätta till det.</translation>
    </message>
    <message>
        <source>Puzzle has been modified.  Save changes?</source>
        <translation>Korsordet har ändrats. Vill du spara ändringarna?</translation>
    </message>
    <message>
        <source>All words are already cleared.</source>
        <translation>Alla ord är redan borttagna.</translation>
    </message>
    <message>
        <source>This will remove all words and clues.  Continue?</source>
        <translation>Detta tar bort alla ord och ledtrådar. Vill du fortsätta?</translation>
    </message>
    <message>
        <source>Suggest Clues</source>
        <translation>Föreslå ledtrådar</translation>
    </message>
    <message>
        <source>Every word has a clue.  Select the rows whose clues should be suggested again.</source>
        <translation>Alla ord har en ledtråd. Markera de rader vars ledtrådar ska föreslås på nytt.</translation>
    </message>
</context>
<context>
    <name>qx::WordListExportDialog</name>
    <message>
        <source>Export</source>
        <translation>Exportera</translation>
    </message>
    <message>
        <source>Save &amp;File</source>
        <translation>Spara &amp;fil</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Markera alla</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>A&amp;vmarkera</translation>
    </message>
    <message>
        <source>Select &amp;Used</source>
        <translation>Markera &amp;använda</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Ord</translation>
    </message>
    <message>
        <source>&amp;Clues</source>
        <translation>&amp;Ledtrådar</translation>
    </message>
    <message>
        <source>Words &amp;And Clues</source>
        <translation>Ord och le&amp;dtrådar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>No words/clues selected for output.  Please select the desired words/clues.</source>
        <translation>Inga ord eller ledtrådar har valts för export. Markera de ord eller ledtrådar du vill ha.</translation>
    </message>
    <message>
        <source>Save Word/Clue List</source>
        <translation>Spara ord- och ledtrådslista</translation>
    </message>
    <message>
        <source>Unable to create export file.</source>
        <translation>Det gick inte att skapa exportfilen.</translation>
    </message>
</context>
<context>
    <name>qx::WordListImportDialog</name>
    <message>
        <source>Import</source>
        <translation>Importera</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>&amp;Öppna fil</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Markera alla</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>A&amp;vmarkera</translation>
    </message>
    <message>
        <source>As &amp;Words</source>
        <translation>Som o&amp;rd</translation>
    </message>
    <message>
        <source>As &amp;Clues</source>
        <translation>Som &amp;ledtrådar</translation>
    </message>
    <message>
        <source>&amp;As Words and Clues</source>
        <translation>&amp;Som ord och ledtrådar</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>Import Word/Clue List</source>
        <translation>Importera ord- och ledtrådslista</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Unable to open import file.</source>
        <translation>Det gick inte att öppna importfilen.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>No word/clue seperator character specified.</source>
        <translation>Inget avgränsningstecken mellan ord och ledtråd har angetts.</translation>
    </message>
</context>
<context>
    <name>qx::WordSeparatorsDialog</name>
    <message>
        <source>Word Separator Characters</source>
        <translation>Ordavgränsare</translation>
    </message>
    <message>
        <source>The following characters (if checked) will be displayed in the puzzle where they are used by words.  This is useful in instances where the word to solve for is actually more than one word and you wish to have them separated in the puzzle itself.</source>
        <translation>Följande tecken visas (om de är markerade) i korsordet där orden innehåller dem. Det är användbart när svaret egentligen består av flera ord och du vill att de ska visas åtskilda i själva korsordet.</translation>
    </message>
    <message>
        <source>&amp;Dash (-)</source>
        <translation>&amp;Bindestreck (-)</translation>
    </message>
    <message>
        <source>&amp;Slash (/)</source>
        <translation>&amp;Snedstreck (/)</translation>
    </message>
    <message>
        <source>&amp;Plus (+)</source>
        <translation>&amp;Plus (+)</translation>
    </message>
    <message>
        <source>S&amp;tar (*)</source>
        <translation>S&amp;tjärna (*)</translation>
    </message>
    <message>
        <source>&amp;User Defined</source>
        <translation>&amp;Användardefinierat</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Character cannot be in A..Z.  Please correct.</source>
        <translation>Tecknet får inte vara A–Z. Rätta till det.</translation>
    </message>
</context>
<context>
    <name>qx::WordSuggestionsDialog</name>
    <message>
        <source>Word Suggestions</source>
        <translation>Ordförslag</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>Suggestion for</source>
        <translation>Förslag för</translation>
    </message>
</context>
</TS>
