<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>ObjectMenu</name>
    <message>
        <source>&amp;Size &amp;&amp; Position...</source>
        <translation>Grootte &amp;&amp; &amp;positie...</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschappen</translation>
    </message>
    <message>
        <source>B&amp;order</source>
        <translation>&amp;Rand</translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation>&amp;Opvulling</translation>
    </message>
    <message>
        <source>Change &amp;Text...</source>
        <translation>&amp;Tekst wijzigen...</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Links</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Gecentreerd</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Rechts</translation>
    </message>
    <message>
        <source>Text &amp;Font</source>
        <translation>&amp;Lettertype tekst</translation>
    </message>
    <message>
        <source>&amp;Clue Number Font</source>
        <translation>Lettertype &amp;nummers</translation>
    </message>
    <message>
        <source>Load B&amp;itmap</source>
        <translation>Af&amp;beelding laden</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Bring To Front</source>
        <translation>Naar voor&amp;grond</translation>
    </message>
    <message>
        <source>&amp;Send To Back</source>
        <translation>Naar &amp;achtergrond</translation>
    </message>
    <message>
        <source>Answer Key Font</source>
        <translation>Lettertype oplossing</translation>
    </message>
    <message>
        <source>Text &amp;Alignment</source>
        <translation>Tekst&amp;uitlijning</translation>
    </message>
</context>
<context>
    <name>PrintStatusDialog</name>
    <message>
        <source>One or more bitmaps in the layout design could not be located.</source>
        <translation>Een of meer afbeeldingen uit de pagina-indeling zijn niet gevonden.</translation>
    </message>
    <message>
        <source>Puzzle Clues would not fit in allocated space.  You will need to change the alotted clue space on the page layout, change the font size for the clues or select the &quot;Make It Fit&quot; attribute for the clue fonts.</source>
        <translation>De omschrijvingen passen niet in de beschikbare ruimte. Vergroot de ruimte voor de omschrijvingen in de pagina-indeling, kies een kleiner lettertype voor de omschrijvingen of zet de eigenschap “Passend maken” aan voor het lettertype van de omschrijvingen.</translation>
    </message>
    <message>
        <source>Puzzle Words would not fit in allocated space.  You will need to change the alotted word space on the page layout, change the font size for the words or select the &quot;Make It Fit&quot; attribute for the puzzle words.</source>
        <translation>De puzzelwoorden passen niet in de beschikbare ruimte. Vergroot de ruimte voor de woorden in de pagina-indeling, kies een kleiner lettertype voor de woorden of zet de eigenschap “Passend maken” aan voor de puzzelwoorden.</translation>
    </message>
    <message>
        <source>Text would not fit in allocated space.  You will need to change the alotted text space on the page layout, change the font size for the text or select the &quot;Make It Fit&quot; attribute for the text object.</source>
        <translation>De tekst past niet in de beschikbare ruimte. Vergroot de ruimte voor de tekst in de pagina-indeling, kies een kleiner lettertype voor de tekst of zet de eigenschap “Passend maken” aan voor het tekstobject.</translation>
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
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be located.  Please make sure that it was installed.</source>
        <translation>Het helpbestand “%1” is niet gevonden. Controleer of het is geïnstalleerd.</translation>
    </message>
    <message>
        <source>its title</source>
        <translation>de titel</translation>
    </message>
    <message>
        <source>its category</source>
        <translation>de categorie</translation>
    </message>
    <message>
        <source>its bonus question</source>
        <translation>de bonusvraag</translation>
    </message>
    <message>
        <source>its word %1</source>
        <translation>woord %1</translation>
    </message>
    <message>
        <source>its clue %1</source>
        <translation>omschrijving %1</translation>
    </message>
    <message>
        <source>%1 holds the control character %2</source>
        <translation>%1 bevat het stuurteken %2</translation>
    </message>
    <message>
        <source>The puzzle &quot;%1&quot; cannot be imported: %2.  Nothing was imported.</source>
        <translation>De puzzel “%1” kan niet worden geïmporteerd: %2. Er is niets geïmporteerd.</translation>
    </message>
    <message>
        <source>Import Puzzles</source>
        <translation>Puzzels importeren</translation>
    </message>
    <message>
        <source>The file selected is not a valid Quorvex file.</source>
        <translation>Het gekozen bestand is geen geldig Quorvex-bestand.</translation>
    </message>
    <message>
        <source>Puzzle could not be imported.</source>
        <translation>De puzzel kon niet worden geïmporteerd.</translation>
    </message>
    <message>
        <source>Puzzle file is corrupt or incompatible.  Import aborted.</source>
        <translation>Het puzzelbestand is beschadigd of niet compatibel. Importeren afgebroken.</translation>
    </message>
    <message>
        <source>Unable to save puzzle.</source>
        <translation>De puzzel kon niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>Import File cannot be the same as the currently open file.</source>
        <translation>Het importbestand mag niet het bestand zijn dat nu geopend is.</translation>
    </message>
    <message>
        <source>Create New Puzzle</source>
        <translation>Nieuwe puzzel maken</translation>
    </message>
    <message>
        <source>Unable to access Word List file.</source>
        <translation>Geen toegang tot het woordenlijstbestand.</translation>
    </message>
    <message>
        <source>Modify Existing Puzzle</source>
        <translation>Bestaande puzzel wijzigen</translation>
    </message>
    <message>
        <source>Create New Puzzle (copy of existing puzzle)</source>
        <translation>Nieuwe puzzel maken (kopie van bestaande puzzel)</translation>
    </message>
    <message>
        <source>Unable to load puzzle.</source>
        <translation>De puzzel kon niet worden geladen.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>These files could not be copied into %1: %2</source>
        <translation>Deze bestanden konden niet worden gekopieerd naar %1: %2</translation>
    </message>
    <message>
        <source>The settings could not be read; the program starts with its defaults.</source>
        <translation>De instellingen konden niet worden gelezen; het programma start met de standaardinstellingen.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>User generated puzzles from a previous version of Quorvex have been detected.  Would you like to convert them to a puzzle group?</source>
        <translation>Er zijn zelfgemaakte puzzels uit een vorige versie van Quorvex gevonden. Wil je ze omzetten naar een puzzelverzameling?</translation>
    </message>
    <message>
        <source>Puzzles could not be imported.</source>
        <translation>De puzzels konden niet worden geïmporteerd.</translation>
    </message>
    <message>
        <source>Unable to save puzzles.</source>
        <translation>De puzzels konden niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A new puzzle group named &quot;%1&quot; has been created.</source>
        <translation>Er is een nieuwe puzzelverzameling met de naam “%1” gemaakt.</translation>
    </message>
    <message>
        <source>User generated shapes from a previous version of Quorvex have been detected.  Would you like to add them to the current list of puzzle shapes?</source>
        <translation>Er zijn zelfgemaakte vormen uit een vorige versie van Quorvex gevonden. Wil je ze toevoegen aan de huidige lijst met puzzelvormen?</translation>
    </message>
    <message>
        <source>Unable to add shapes.</source>
        <translation>De vormen konden niet worden toegevoegd.</translation>
    </message>
    <message>
        <source>Puzzle shapes have been added.</source>
        <translation>De puzzelvormen zijn toegevoegd.</translation>
    </message>
    <message>
        <source>Creation Attempt #%1</source>
        <translation>Aanmaakpoging %1</translation>
    </message>
    <message>
        <source>%1 of %2 words</source>
        <translation>%1 van %2 woorden</translation>
    </message>
    <message>
        <source>Thorough Search</source>
        <translation>Grondig zoeken</translation>
    </message>
    <message>
        <source>Aborted: %1</source>
        <translation>Afgebroken: %1</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Voltooid</translation>
    </message>
    <message>
        <source>Aborted on creation Attempt #%1</source>
        <translation>Afgebroken bij aanmaakpoging %1</translation>
    </message>
    <message>
        <source>Square %1 × %1</source>
        <translation>Vierkant %1 × %1</translation>
    </message>
    <message>
        <source>Aborted on square %1 × %1</source>
        <translation>Afgebroken bij vierkant %1 × %1</translation>
    </message>
    <message>
        <source>%1 × %1 every word</source>
        <translation>%1 × %1 alle woorden</translation>
    </message>
    <message>
        <source>%1 × %1 %2</source>
        <translation>%1 × %1: %2</translation>
    </message>
    <message>
        <source>Squares tried: %1.</source>
        <translation>Geprobeerde vierkanten: %1.</translation>
    </message>
    <message>
        <source>Longer than any row or column of the shape.</source>
        <translation>Langer dan elke rij of kolom van de vorm.</translation>
    </message>
    <message>
        <source>No letter in common with the words placed.</source>
        <translation>Geen letter gemeen met de geplaatste woorden.</translation>
    </message>
    <message>
        <source>Every position crossing a placed word is blocked; the first by &quot;%1&quot;.</source>
        <translation>Elke positie die een geplaatst woord kruist, is geblokkeerd; de eerste door “%1”.</translation>
    </message>
    <message>
        <source>Every position crossing a placed word is blocked; the first by the edge of the shape.</source>
        <translation>Elke positie die een geplaatst woord kruist, is geblokkeerd; de eerste door de rand van de vorm.</translation>
    </message>
    <message>
        <source>Not tried: the attempt stopped early.</source>
        <translation>Niet geprobeerd: de poging is vroegtijdig gestopt.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 words
%4 crossings per word, %5% fill</source>
        <translation>%1: %2 van %3 woorden
%4 kruisingen per woord, %5% gevuld</translation>
    </message>
    <message>
        <source>Best Fit</source>
        <translation>Beste resultaat</translation>
    </message>
    <message>
        <source>Second Best Fit</source>
        <translation>Op één na beste</translation>
    </message>
    <message>
        <source>Third Best Fit</source>
        <translation>Op twee na beste</translation>
    </message>
    <message>
        <source>Fourth Best Fit</source>
        <translation>Op drie na beste</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; (%2) cannot be stored in a shape name.</source>
        <translation>Het teken “%1” (%2) kan niet in de naam van een vorm worden opgeslagen.</translation>
    </message>
    <message>
        <source>The character %1 cannot be stored in a shape name.</source>
        <translation>Het teken %1 kan niet in de naam van een vorm worden opgeslagen.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; (%2) cannot be used in a heading.</source>
        <translation>Het teken “%1” (%2) kan niet in een kop worden gebruikt.</translation>
    </message>
    <message>
        <source>The character %1 cannot be used in a heading.</source>
        <translation>Het teken %1 kan niet in een kop worden gebruikt.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; (%2) cannot be stored in a puzzle.</source>
        <translation>Het teken “%1” (%2) kan niet in een puzzel worden opgeslagen.</translation>
    </message>
    <message>
        <source>The character %1 cannot be stored in a puzzle.</source>
        <translation>Het teken %1 kan niet in een puzzel worden opgeslagen.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1-bestand</translation>
    </message>
    <message>
        <source>Font Colour</source>
        <translation>Letterkleur</translation>
    </message>
    <message>
        <source>%1 was changed by another program.  %2</source>
        <translation>%1 is gewijzigd door een ander programma. %2</translation>
    </message>
    <message>
        <source>Load Bitmap File</source>
        <translation>Afbeeldingsbestand laden</translation>
    </message>
    <message>
        <source>The file selected is not a valid bitmap file.</source>
        <translation>Het gekozen bestand is geen geldig afbeeldingsbestand.</translation>
    </message>
    <message>
        <source>Your puzzle was not saved; reopen the collection to see the change.</source>
        <translation>Je puzzel is niet opgeslagen; open de puzzelverzameling opnieuw om de wijziging te zien.</translation>
    </message>
    <message>
        <source>You have selected a puzzle shape with large dimensions.  Be advised that you may need to select a &quot;Page Layout&quot; that has a very large area for the puzzle in order for the puzzle to appear in a normal size.</source>
        <translation>Je hebt een puzzelvorm met grote afmetingen gekozen. Houd er rekening mee dat je misschien een pagina-indeling met een zeer groot puzzelvlak moet kiezen om de puzzel op normale grootte te laten verschijnen.</translation>
    </message>
    <message>
        <source>No title specified.  Please correct.</source>
        <translation>Geen titel opgegeven. Corrigeer dit.</translation>
    </message>
    <message>
        <source>No category specified.  Please correct.</source>
        <translation>Geen categorie opgegeven. Corrigeer dit.</translation>
    </message>
    <message>
        <source>No words have been entered.  Please correct.</source>
        <translation>Er zijn geen woorden ingevoerd. Corrigeer dit.</translation>
    </message>
    <message>
        <source>Attempts must be between 1 and 999.  Please correct.</source>
        <translation>Het aantal pogingen moet tussen 1 en 999 liggen. Corrigeer dit.</translation>
    </message>
    <message>
        <source>Word is greater than puzzle dimension size of %1 characters in &quot;%2&quot;.</source>
        <translation>Het woord “%2” is langer dan de puzzelafmeting van %1 tekens.</translation>
    </message>
    <message>
        <source>The maximum word length as provided by the selected layout is %1.  The following word is greater than the maximum word length: &quot;%2&quot;.  You will need to correct the word or change the layout.</source>
        <translation>De gekozen vorm staat woorden van hoogstens %1 letters toe. Het volgende woord is langer: “%2”. Pas het woord aan of kies een andere vorm.</translation>
    </message>
    <message>
        <source>The length of the clue for the word &quot;%1&quot; is %2 characters longer than the maximum clue size of 150.</source>
        <translation>De omschrijving bij het woord “%1” is %2 tekens langer dan de maximale lengte van 150 tekens.</translation>
    </message>
    <message>
        <source>A puzzle has never been generated for this word/clue list. Please select &quot;File|Modify&quot; from the menu and create the puzzle first</source>
        <translation>Voor deze lijst met woorden en omschrijvingen is nog nooit een puzzel gemaakt. Kies eerst “Bestand|Puzzel wijzigen” in het menu en maak de puzzel.</translation>
    </message>
    <message>
        <source>This puzzle already holds %1 words, the most a puzzle can hold.  No word can be added.</source>
        <translation>Deze puzzel bevat al %1 woorden, het maximum voor een puzzel. Er kan geen woord meer worden toegevoegd.</translation>
    </message>
    <message>
        <source>The letters typed make %1 new words, but this puzzle has room for only %2 more.  Please remove some letters.</source>
        <translation>De getypte letters vormen %1 nieuwe woorden, maar deze puzzel heeft nog maar ruimte voor %2. Verwijder enkele letters.</translation>
    </message>
    <message>
        <source>The letters &quot;%1&quot; make a word of %2 letters, but a word holds at most %3.  Please remove some letters.</source>
        <translation>De letters “%1” vormen een woord van %2 letters, maar een woord heeft hoogstens %3 letters. Verwijder enkele letters.</translation>
    </message>
    <message>
        <source>Separator Char</source>
        <translation>Scheidingsteken</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Regel %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more line(s).</source>
        <translation>
            <numerusform>... en nog %n regel.</numerusform>
            <numerusform>... en nog %n regels.</numerusform>
        </translation>
    </message>
    <message>
        <source>These lines of the file hold a character a puzzle cannot store:</source>
        <translation>Deze regels van het bestand bevatten een teken dat een puzzel niet kan opslaan:</translation>
    </message>
    <message>
        <source>Import the other lines?</source>
        <translation>De andere regels importeren?</translation>
    </message>
    <message>
        <source>word</source>
        <translation>het laatste woord</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>de laatste %1 woorden</translation>
    </message>
    <message>
        <source>Too many words selected.  Last %1 will not be used.  Continue?</source>
        <translation>Te veel woorden geselecteerd. Doorgaan zonder %1?</translation>
    </message>
    <message>
        <source>Bitmap (*.BMP)|*.BMP</source>
        <translation>BMP-afbeelding (*.BMP)|*.BMP</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt|all files (*.*)|*.*</source>
        <translation>Tekstbestanden (*.txt)|*.txt|Alle bestanden (*.*)|*.*</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt</source>
        <translation>Tekstbestanden (*.txt)|*.txt</translation>
    </message>
</context>
<context>
    <name>SolvablePage</name>
    <message>
        <source>Every letter is right: the puzzle is solved.</source>
        <translation>Alle letters zijn goed: de puzzel is opgelost.</translation>
    </message>
    <message>
        <source>Every square is filled in correctly.</source>
        <translation>Alle vakjes zijn goed ingevuld.</translation>
    </message>
    <message>
        <source>The puzzle is complete, with one letter revealed.</source>
        <translation>De puzzel is af, met één getoonde letter.</translation>
    </message>
    <message>
        <source>The puzzle is complete, with {n} letters revealed.</source>
        <extracomment>{n} stands for a number; keep it as it is.</extracomment>
        <translation>De puzzel is af, met {n} getoonde letters.</translation>
    </message>
    <message>
        <source>One letter is wrong.</source>
        <translation>Eén letter is fout.</translation>
    </message>
    <message>
        <source>{n} letters are wrong.</source>
        <extracomment>{n} stands for a number; keep it as it is.</extracomment>
        <translation>{n} letters zijn fout.</translation>
    </message>
    <message>
        <source>The letters filled in so far are right; one square is still empty.</source>
        <translation>De letters die tot nu toe zijn ingevuld, zijn goed; er is nog één vakje leeg.</translation>
    </message>
    <message>
        <source>The letters filled in so far are right; {n} squares are still empty.</source>
        <extracomment>{n} stands for a number; keep it as it is.</extracomment>
        <translation>De letters die tot nu toe zijn ingevuld, zijn goed; er zijn nog {n} vakjes leeg.</translation>
    </message>
    <message>
        <source>This letter is right.</source>
        <translation>Deze letter is goed.</translation>
    </message>
    <message>
        <source>This word is right.</source>
        <translation>Dit woord is goed.</translation>
    </message>
    <message>
        <source>The letter is revealed.</source>
        <translation>De letter is getoond.</translation>
    </message>
    <message>
        <source>The word is revealed.</source>
        <translation>Het woord is getoond.</translation>
    </message>
    <message>
        <source>The whole puzzle is revealed.</source>
        <translation>De hele puzzel is getoond.</translation>
    </message>
    <message>
        <source>The word is cleared.</source>
        <translation>Het woord is gewist.</translation>
    </message>
    <message>
        <source>Reveal every letter of this puzzle?  Revealed letters are marked and counted.</source>
        <translation>Alle letters van deze puzzel tonen? Getoonde letters worden gemarkeerd en geteld.</translation>
    </message>
    <message>
        <source>Reveal puzzle</source>
        <translation>Puzzel tonen</translation>
    </message>
    <message>
        <source>Clear every letter of this puzzle?</source>
        <translation>Alle letters van deze puzzel wissen?</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Alles wissen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Time {n}</source>
        <extracomment>{n} stands for the time on the clock; keep it as it is.</extracomment>
        <translation>Tijd {n}</translation>
    </message>
    <message>
        <source>Pause the timer</source>
        <translation>Timer pauzeren</translation>
    </message>
    <message>
        <source>Resume the timer</source>
        <translation>Timer hervatten</translation>
    </message>
    <message>
        <source>The timer is paused.</source>
        <translation>De timer is gepauzeerd.</translation>
    </message>
</context>
<context>
    <name>TipOfTheDayDialog</name>
    <message>
        <source>You can spell check your words and clues using an American, British, Spanish, Italian, French, German, Dutch or Swedish dictionary.</source>
        <translation>Je kunt de spelling van je woorden en omschrijvingen controleren met een Amerikaans, Brits, Spaans, Italiaans, Frans, Duits, Nederlands of Zweeds woordenboek.</translation>
    </message>
    <message>
        <source>You can add words or exclude words from each of the spell checking dictionaries.</source>
        <translation>Je kunt aan elk woordenboek voor de spellingcontrole woorden toevoegen of er woorden van uitsluiten.</translation>
    </message>
    <message>
        <source>You can look up definitions of words using a 50,000 word American or British thesaurus.</source>
        <translation>Je kunt betekenissen van woorden opzoeken in een Amerikaanse of Britse thesaurus met 50.000 woorden.</translation>
    </message>
    <message>
        <source>You can specify &quot;word separator&quot; characters that can be used to split up multi-word answers.  These characters will show up in the puzzle.</source>
        <translation>Je kunt “woordscheidingstekens” opgeven om antwoorden van meerdere woorden te splitsen. Deze tekens worden in de puzzel getoond.</translation>
    </message>
    <message>
        <source>You can specify fonts to use for input fields, labels and buttons. User specified fonts for input fields greatly facilitates foreign language input.</source>
        <translation>Je kunt lettertypen kiezen voor invoervelden, labels en knoppen. Met een zelfgekozen lettertype voor de invoervelden wordt invoer in een andere taal veel makkelijker.</translation>
    </message>
    <message>
        <source>You can change the puzzle title and category after it has been created.</source>
        <translation>Je kunt de titel en de categorie van een puzzel wijzigen nadat de puzzel is gemaakt.</translation>
    </message>
    <message>
        <source>You can change the clues to the puzzle after it has been created.</source>
        <translation>Je kunt de omschrijvingen van een puzzel wijzigen nadat de puzzel is gemaakt.</translation>
    </message>
    <message>
        <source>You can add new words and clues, placing the words manually in the location you desire after the puzzle has been created.</source>
        <translation>Je kunt nieuwe woorden en omschrijvingen toevoegen en de woorden met de hand op de gewenste plek zetten nadat de puzzel is gemaakt.</translation>
    </message>
    <message>
        <source>You can change the puzzle layout or change the bonus question after the puzzle has been created.</source>
        <translation>Je kunt de pagina-indeling of de bonusvraag wijzigen nadat de puzzel is gemaakt.</translation>
    </message>
    <message>
        <source>You can create your own puzzle shapes from scratch or from an existing shape.  You can also share them with others (import &amp;&amp; export)</source>
        <translation>Je kunt je eigen puzzelvormen maken, helemaal zelf of op basis van een bestaande vorm. Je kunt ze ook met anderen delen (importeren &amp;&amp; exporteren)</translation>
    </message>
    <message>
        <source>You can export your created puzzles in a variety of graphic formats so that the puzzles can readily be used in Word Processors, Desktop Publishers, etc.</source>
        <translation>Je kunt gemaakte puzzels exporteren in verschillende grafische formaten, zodat je ze direct kunt gebruiken in tekstverwerkers, opmaakprogramma’s enzovoort.</translation>
    </message>
    <message>
        <source>You can choose to print the puzzle with some of the answers filled in to give a &quot;head start&quot;.</source>
        <translation>Je kunt de puzzel afdrukken met een deel van de antwoorden al ingevuld, als “steuntje in de rug”.</translation>
    </message>
    <message>
        <source>You can choose to print the puzzle with certain letters showing up in the puzzle.  Great for hints.</source>
        <translation>Je kunt de puzzel afdrukken met bepaalde letters al zichtbaar in de puzzel. Ideaal als hint.</translation>
    </message>
    <message>
        <source>You can choose and override any fonts for any section of puzzle print out.  This includes size, color and style.</source>
        <translation>Je kunt voor elk onderdeel van de afgedrukte puzzel zelf het lettertype kiezen, inclusief grootte, kleur en stijl.</translation>
    </message>
    <message>
        <source>You can choose to have text printed in a &quot;transparent&quot; mode so that underlying graphics and bitmaps will show through.</source>
        <translation>Je kunt tekst “transparant” laten afdrukken, zodat onderliggende figuren en afbeeldingen zichtbaar blijven.</translation>
    </message>
    <message>
        <source>You can choose to have borders placed around clues, titles, headers, text, shapes and specify the width and color.</source>
        <translation>Je kunt randen laten plaatsen rond omschrijvingen, titels, koppen, tekst en figuren, met een breedte en kleur naar keuze.</translation>
    </message>
    <message>
        <source>You can choose to have the numbered letters in the puzzle print out either vertical or horizontal.</source>
        <translation>Je kunt de nummers in de puzzel verticaal of horizontaal laten afdrukken.</translation>
    </message>
    <message>
        <source>You can choose to print a list of the words in the puzzle on the printout as a guide or as clues.</source>
        <translation>Je kunt een lijst met de woorden van de puzzel op de afdruk zetten, als hulp of als omschrijvingen.</translation>
    </message>
    <message>
        <source>You can add bonus questions to the puzzles--good for extra credit.</source>
        <translation>Je kunt bonusvragen aan de puzzels toevoegen, handig voor extra punten.</translation>
    </message>
    <message>
        <source>You can add squares, circles, bitmaps and text to the puzzle layouts.  Spice it up with fancy bitmaps or add your own informative text.</source>
        <translation>Je kunt vierkanten, cirkels, afbeeldingen en tekst aan de pagina-indelingen toevoegen. Fleur de puzzel op met mooie afbeeldingen of voeg je eigen uitleg toe.</translation>
    </message>
    <message>
        <source>You can design your own Puzzle Page layout. Place the puzzle, clues, title, etc where you want them, the size you want them, the color you want them and more!</source>
        <translation>Je kunt je eigen pagina-indeling voor puzzels ontwerpen. Zet de puzzel, de omschrijvingen, de titel enzovoort waar je wilt, zo groot als je wilt, in de kleur die je wilt, en nog veel meer!</translation>
    </message>
    <message>
        <source>You can instruct the program to &quot;Auto Fit&quot; fonts into the designated areas you have specified for clues, titles, words, text, etc.</source>
        <translation>Je kunt het programma lettertypen “passend laten maken” in de vlakken die je hebt ingesteld voor omschrijvingen, titels, woorden, tekst enzovoort.</translation>
    </message>
    <message>
        <source>You can export a puzzle as a ready to use Web Page (in HTML format)</source>
        <translation>Je kunt een puzzel exporteren als kant-en-klare webpagina (in HTML-formaat)</translation>
    </message>
    <message>
        <source>You can assign over 60 foreign characters to the F1 - F12 keys to be used in the puzzle creation window.</source>
        <translation>Je kunt meer dan 60 buitenlandse tekens toewijzen aan de toetsen F1 - F12, om ze te gebruiken in het venster waarin je de puzzel maakt.</translation>
    </message>
    <message>
        <source>You can choose to print the puzzle as a &quot;skeleton&quot; puzzle where just the blocks containing words are printed.</source>
        <translation>Je kunt de puzzel afdrukken als “skeletpuzzel”, waarbij alleen de vakjes met letters worden afgedrukt.</translation>
    </message>
    <message>
        <source>You can choose the number of columns to use for printing clues in each designated area for the clues.</source>
        <translation>Je kunt kiezen in hoeveel kolommen de omschrijvingen worden afgedrukt in elk vlak voor omschrijvingen.</translation>
    </message>
    <message>
        <source>You can create your own puzzle page layouts from scratch or from an existing layout.  You can also share them with others (import &amp;&amp; export)</source>
        <translation>Je kunt je eigen pagina-indelingen maken, helemaal zelf of op basis van een bestaande indeling. Je kunt ze ook met anderen delen (importeren &amp;&amp; exporteren)</translation>
    </message>
    <message>
        <source>You can have the best 4 puzzle creation fits displayed and you can choose from them for your desired puzzle.  Double clicking on one one of them will zoom in for a closer look.</source>
        <translation>Je krijgt de 4 beste resultaten van het maken van de puzzel te zien en kiest daaruit de puzzel die je wilt. Dubbelklik op een van de vier om hem vergroot te bekijken.</translation>
    </message>
    <message>
        <source>You can maintain multiple sets of crosswords files.  Import and export puzzles among the files.</source>
        <translation>Je kunt meerdere puzzelverzamelingen bijhouden. Importeer en exporteer puzzels tussen de bestanden.</translation>
    </message>
    <message>
        <source>You can import a word list, clue list or combined word and clue list from a text file.</source>
        <translation>Je kunt een woordenlijst, een lijst met omschrijvingen of een gecombineerde lijst met woorden en omschrijvingen importeren uit een tekstbestand.</translation>
    </message>
</context>
<context>
    <name>qx</name>
    <message>
        <source>Not a regular file</source>
        <translation>Geen gewoon bestand</translation>
    </message>
    <message>
        <source>File is larger than %1 bytes</source>
        <translation>Het bestand is groter dan %1 bytes</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;?</source>
        <translation>Weet je zeker dat je “%1” wilt verwijderen?</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Verwijderen?</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Schijffout</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Horizontaal</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Verticaal</translation>
    </message>
    <message>
        <source>%1 %2: %3, letter %4 of %5</source>
        <translation>%1 %2: %3, letter %4 van %5</translation>
    </message>
    <message>
        <source>Puzzle tools</source>
        <translation>Puzzelhulpmiddelen</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Controleren</translation>
    </message>
    <message>
        <source>Check letter</source>
        <translation>Letter controleren</translation>
    </message>
    <message>
        <source>Check word</source>
        <translation>Woord controleren</translation>
    </message>
    <message>
        <source>Check puzzle</source>
        <translation>Puzzel controleren</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>Tonen</translation>
    </message>
    <message>
        <source>Reveal letter</source>
        <translation>Letter tonen</translation>
    </message>
    <message>
        <source>Reveal word</source>
        <translation>Woord tonen</translation>
    </message>
    <message>
        <source>Reveal puzzle...</source>
        <translation>Puzzel tonen...</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Potlood</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoomen</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Meer</translation>
    </message>
    <message>
        <source>Clear word</source>
        <translation>Woord wissen</translation>
    </message>
    <message>
        <source>Clear all...</source>
        <translation>Alles wissen...</translation>
    </message>
    <message>
        <source>Print blank grid</source>
        <translation>Leeg rooster afdrukken</translation>
    </message>
    <message>
        <source>Print with my letters</source>
        <translation>Afdrukken met mijn letters</translation>
    </message>
    <message>
        <source>Previous word</source>
        <translation>Vorig woord</translation>
    </message>
    <message>
        <source>Next word</source>
        <translation>Volgend woord</translation>
    </message>
    <message>
        <source>page layout library</source>
        <translation>bibliotheek met pagina-indelingen</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>Spellingcontrole</translation>
    </message>
    <message>
        <source>Could not find one of the dictionary files.</source>
        <translation>Een van de woordenboekbestanden is niet gevonden.</translation>
    </message>
    <message>
        <source>Spelling Ok</source>
        <translation>Spelling in orde</translation>
    </message>
    <message>
        <source>All words were found in the dictionary.</source>
        <translation>Alle woorden staan in het woordenboek.</translation>
    </message>
    <message>
        <source>Spelling Status</source>
        <translation>Status spellingcontrole</translation>
    </message>
    <message>
        <source>Spell checking aborted.</source>
        <translation>Spellingcontrole afgebroken.</translation>
    </message>
    <message>
        <source>Spell checking complete.</source>
        <translation>Spellingcontrole voltooid.</translation>
    </message>
    <message>
        <source>Thesaurus</source>
        <translation>Thesaurus</translation>
    </message>
    <message>
        <source>There is no Dutch thesaurus: Dutch words can be spell checked but not looked up.</source>
        <translation>Er is geen Nederlandse thesaurus: Nederlandse woorden kunnen wel op spelling worden gecontroleerd, maar niet worden opgezocht.</translation>
    </message>
    <message>
        <source>Suggested clues need WordNet (the Debian package wordnet-base) or a thesaurus, and neither is installed.</source>
        <translation>Voor voorgestelde omschrijvingen is WordNet (het Debian-pakket wordnet-base) of een thesaurus nodig, en geen van beide is geïnstalleerd.</translation>
    </message>
    <message>
        <source>Suggest Clues</source>
        <translation>Omschrijvingen voorstellen</translation>
    </message>
    <message>
        <source>There is no Dutch thesaurus, so no clues can be suggested for Dutch words.  Choose another thesaurus under Options, Thesaurus Type.</source>
        <translation>Er is geen Nederlandse thesaurus, dus voor Nederlandse woorden kunnen geen omschrijvingen worden voorgesteld. Kies een andere thesaurus onder Opties, Thesaurustype.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Engels</translation>
    </message>
    <message>
        <source>No clues can be suggested: neither WordNet (the Debian package wordnet-base) nor the English thesaurus is installed.</source>
        <translation>Er kunnen geen omschrijvingen worden voorgesteld: WordNet (het Debian-pakket wordnet-base) en de Engelse thesaurus zijn allebei niet geïnstalleerd.</translation>
    </message>
    <message>
        <source>No clues can be suggested: the %1 thesaurus is not installed.</source>
        <translation>Er kunnen geen omschrijvingen worden voorgesteld: de thesaurus %1 is niet geïnstalleerd.</translation>
    </message>
    <message>
        <source>shape library</source>
        <translation>vormenbibliotheek</translation>
    </message>
    <message>
        <source>puzzle collection</source>
        <translation>puzzelverzameling</translation>
    </message>
    <message>
        <source>A link another user made in a shared folder is not followed; nothing was written</source>
        <translation>Een koppeling die een andere gebruiker in een gedeelde map heeft gemaakt, wordt niet gevolgd; er is niets geschreven</translation>
    </message>
    <message>
        <source>There is no puzzle to export</source>
        <translation>Er is geen puzzel om te exporteren</translation>
    </message>
    <message>
        <source>The puzzle has no placed word to solve</source>
        <translation>De puzzel heeft geen geplaatst woord om op te lossen</translation>
    </message>
    <message>
        <source>The .puz format holds grids of at most %1 by %1 squares; this one is %2 by %3</source>
        <translation>Het .puz-formaat bevat roosters van hoogstens %1 bij %1 vakjes; dit rooster is %2 bij %3</translation>
    </message>
    <message>
        <source>The .puz format cannot hold this puzzle: two words lie on the same squares (&quot;%1&quot;)</source>
        <translation>Het .puz-formaat kan deze puzzel niet bevatten: twee woorden liggen op dezelfde vakjes (“%1”)</translation>
    </message>
    <message>
        <source>The .puz format cannot hold the character &quot;%1&quot; in a square</source>
        <translation>Het .puz-formaat kan het teken “%1” niet in een vakje bevatten</translation>
    </message>
    <message>
        <source>The .puz format cannot hold this puzzle: the squares %1 from row %2, column %3 are not one of its words</source>
        <translation>Het .puz-formaat kan deze puzzel niet bevatten: de vakjes %1 vanaf rij %2, kolom %3 vormen geen woord van de puzzel</translation>
    </message>
    <message>
        <source>down</source>
        <translation>verticaal</translation>
    </message>
    <message>
        <source>across</source>
        <translation>horizontaal</translation>
    </message>
    <message>
        <source>The .puz format cannot hold this puzzle: the word &quot;%1&quot; is not a run of two or more squares between black squares</source>
        <translation>Het .puz-formaat kan deze puzzel niet bevatten: het woord “%1” is geen reeks van twee of meer vakjes tussen zwarte vakjes</translation>
    </message>
    <message>
        <source>A page %1 pixels wide cannot be made</source>
        <translation>Een pagina van %1 pixels breed kan niet worden gemaakt</translation>
    </message>
    <message>
        <source>A metafile needs a rendered page to draw again</source>
        <translation>Een metabestand heeft een opgebouwde pagina nodig om opnieuw te tekenen</translation>
    </message>
    <message>
        <source>A text holds a character the page cannot hold</source>
        <translation>Een tekst bevat een teken dat de pagina niet kan bevatten</translation>
    </message>
    <message>
        <source>Its picture would have the same name</source>
        <translation>De afbeelding zou dezelfde naam krijgen</translation>
    </message>
    <message>
        <source>The %1 could not be made</source>
        <translation>Het %1 kon niet worden gemaakt</translation>
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
        <translation>Aangepast</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Gelezen voorbij het einde van het bestand</translation>
    </message>
    <message>
        <source>The file was changed by another program</source>
        <translation>Het bestand is gewijzigd door een ander programma</translation>
    </message>
    <message>
        <source>%1 is damaged or is not a %2.  Nothing was saved.</source>
        <translation>%1 is beschadigd of is geen %2. Er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>Not a whole number of records</source>
        <translation>Geen geheel aantal records</translation>
    </message>
    <message>
        <source>No such record</source>
        <translation>Record bestaat niet</translation>
    </message>
    <message>
        <source>The file is in use by another program</source>
        <translation>Het bestand is in gebruik door een ander programma</translation>
    </message>
    <message>
        <source>The file keeps changing</source>
        <translation>Het bestand blijft veranderen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)|*.bmp</source>
        <translation>BMP-afbeelding (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>ipuz (*.ipuz)|*.ipuz</source>
        <translation>ipuz-bestand (*.ipuz)|*.ipuz</translation>
    </message>
    <message>
        <source>JPEG (*.jpg)|*.jpg</source>
        <translation>JPEG-afbeelding (*.jpg)|*.jpg</translation>
    </message>
    <message>
        <source>Metafile (*.WMF)|*.WMF</source>
        <translation>Metabestand (*.WMF)|*.WMF</translation>
    </message>
    <message>
        <source>Enhanced Metafile (*.EMF)|*.EMF</source>
        <translation>Uitgebreid metabestand (*.EMF)|*.EMF</translation>
    </message>
    <message>
        <source>metafile</source>
        <translation>metabestand</translation>
    </message>
    <message>
        <source>PDF (*.pdf)|*.pdf</source>
        <translation>PDF-document (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>PNG (*.png)|*.png</source>
        <translation>PNG-afbeelding (*.png)|*.png</translation>
    </message>
    <message>
        <source>puz (*.puz)|*.puz</source>
        <translation>puz-bestand (*.puz)|*.puz</translation>
    </message>
    <message>
        <source>web page (*.html)|*.html</source>
        <translation>Webpagina (*.html)|*.html</translation>
    </message>
    <message>
        <source>Crossword Puzzle</source>
        <translation>Kruiswoordpuzzel</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a word&apos;s label: its number, then Across or Down</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Skip to the clues</source>
        <translation>Naar de omschrijvingen</translation>
    </message>
    <message>
        <source>en</source>
        <comment>language code</comment>
        <extracomment>The language code (BCP 47) of this translation: the page&apos;s lang attribute.</extracomment>
        <translation>nl</translation>
    </message>
    <message>
        <source>Click a square or a clue and type the answer; typing follows the word&apos;s direction. The arrow keys move, Tab and Shift+Tab go to the next and the previous word, Backspace erases, a second click on a square (or the space bar) turns the direction, and Escape leaves the grid.</source>
        <translation>Klik op een vakje of een omschrijving en typ het antwoord; het typen volgt de richting van het woord. De pijltoetsen verplaatsen de cursor, Tab en Shift+Tab gaan naar het volgende en het vorige woord, Backspace wist, een tweede klik op een vakje (of de spatiebalk) draait de richting om en Escape verlaat het rooster.</translation>
    </message>
    <message>
        <source>Tap a square or a clue and type; tap the square again to turn.</source>
        <translation>Tik op een vakje of een omschrijving en typ; tik nog eens op het vakje om de richting om te draaien.</translation>
    </message>
    <message>
        <source>Puzzle grid, %1 squares wide and %2 high</source>
        <translation>Puzzelrooster, %1 vakjes breed en %2 hoog</translation>
    </message>
    <message>
        <source>Your letters and your time are kept in this browser. The answers are stored in this page in a simply scrambled form, so they cannot be read in its source at a glance.</source>
        <translation>Je letters en je tijd worden in deze browser bewaard. De antwoorden staan in deze pagina in eenvoudig versleutelde vorm, zodat ze niet in één oogopslag in de broncode te lezen zijn.</translation>
    </message>
    <message>
        <source>SVG (*.svg)|*.svg</source>
        <translation>SVG-afbeelding (*.svg)|*.svg</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt</source>
        <translation>Tekstbestanden (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>html (*.htm)|*.htm</source>
        <translation>HTML-bestand (*.htm)|*.htm</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>A&amp;merikaans</translation>
    </message>
    <message>
        <source>American</source>
        <translation>Amerikaans</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>&amp;Brits</translation>
    </message>
    <message>
        <source>British</source>
        <translation>Brits</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>&amp;Spaans</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spaans</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>&amp;Italiaans</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiaans</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Frans</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Frans</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Duits</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Duits</translation>
    </message>
    <message>
        <source>&amp;Dutch</source>
        <translation>&amp;Nederlands</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>S&amp;wedish</source>
        <translation>&amp;Zweeds</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Zweeds</translation>
    </message>
    <message>
        <source>not a thesaurus</source>
        <translation>geen synoniemenbestand</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>%1 was not found in the dictionary.  No suggestions could be found.</source>
        <translation>%1 staat niet in het woordenboek. Er zijn geen suggesties gevonden.</translation>
    </message>
    <message>
        <source>Printing Page %p
%0
%1</source>
        <extracomment>%p is the page number; %0 and %1 are two lines of progress the renderer fills in.</extracomment>
        <translation>Pagina %p wordt afgedrukt
%0
%1</translation>
    </message>
    <message>
        <source>Printing page %p</source>
        <extracomment>%p is the page number.</extracomment>
        <translation>Pagina %p wordt afgedrukt</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>De printer kon niet worden gestart.</translation>
    </message>
    <message>
        <source>QXMOR Files (*.QX3)|*.QX3</source>
        <translation>QXMOR-bestanden (*.QX3)|*.QX3</translation>
    </message>
    <message>
        <source>QXMOR Files (*.QX3)|*.QX3|16 bit QXMOR Files (*.QXM)|*.QXM</source>
        <translation>QXMOR-bestanden (*.QX3)|*.QX3|16-bits QXMOR-bestanden (*.QXM)|*.QXM</translation>
    </message>
    <message>
        <source>&lt;Current Puzzle&gt;</source>
        <translation>&lt;Huidige puzzel&gt;</translation>
    </message>
    <message>
        <source>&lt;Smallest Square&gt;</source>
        <translation>&lt;Kleinste vierkant&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;DEFAULT&gt;&gt;</source>
        <translation>&lt;&lt;STANDAARD&gt;&gt;</translation>
    </message>
</context>
<context>
    <name>qx::AboutBox</name>
    <message>
        <source>About</source>
        <translation>Over Quorvex</translation>
    </message>
    <message>
        <source>Quorvex 98</source>
        <translation>Quorvex 98</translation>
    </message>
    <message>
        <source>Version 3.1</source>
        <translation>Versie 3.1</translation>
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
        <translation>Omschrijving toevoegen</translation>
    </message>
    <message>
        <source>Word:</source>
        <translation>Woord:</translation>
    </message>
    <message>
        <source>Clue:</source>
        <translation>Omschrijving:</translation>
    </message>
    <message>
        <source>&amp;Upper Case</source>
        <translation>&amp;Hoofdletters</translation>
    </message>
    <message>
        <source>&amp;Lower Case</source>
        <translation>&amp;Kleine letters</translation>
    </message>
    <message>
        <source>&amp;First Letter Cap</source>
        <translation>&amp;Eerste letter hoofdletter</translation>
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
        <translation>Bonusvraag</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>qx::BorderDialog</name>
    <message>
        <source>&amp;Use Border</source>
        <translation>&amp;Rand gebruiken</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>&amp;Kleur wijzigen</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breedte</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Randkleur</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Invalid width entered.</source>
        <translation>Ongeldige breedte ingevoerd.</translation>
    </message>
    <message>
        <source>Border Info for %1</source>
        <translation>Rand van %1</translation>
    </message>
</context>
<context>
    <name>qx::BuildProgressDialog</name>
    <message>
        <source>Building Puzzles</source>
        <translation>Puzzels maken</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Afbreken</translation>
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
        <translation>Gemaakte puzzel</translation>
    </message>
    <message>
        <source>&amp;Save Puzzle</source>
        <translation>Puzzel &amp;opslaan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>One or more words did not fit into the puzzle.  Save Puzzle anyway?</source>
        <translation>Een of meer woorden passen niet in de puzzel. Puzzel toch opslaan?</translation>
    </message>
    <message>
        <source>%1 Included Word</source>
        <translation>%1 opgenomen woord</translation>
    </message>
    <message>
        <source>%1 Included Words</source>
        <translation>%1 opgenomen woorden</translation>
    </message>
    <message>
        <source>%1 Excluded Word</source>
        <translation>%1 weggelaten woord</translation>
    </message>
    <message>
        <source>%1 Excluded Words</source>
        <translation>%1 weggelaten woorden</translation>
    </message>
</context>
<context>
    <name>qx::ClueHeadersDialog</name>
    <message>
        <source>Default Clue Headers</source>
        <translation>Standaard omschrijvingskoppen</translation>
    </message>
    <message>
        <source>Clue Headers</source>
        <translation>Omschrijvingskoppen</translation>
    </message>
    <message>
        <source>Across Header</source>
        <translation>Kop horizontaal</translation>
    </message>
    <message>
        <source>Down Header</source>
        <translation>Kop verticaal</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>qx::ClueSuggestionsDialog</name>
    <message>
        <source>Suggest Clues</source>
        <translation>Omschrijvingen voorstellen</translation>
    </message>
    <message>
        <source>Suggestions (%1) for %2 of %3 words.  Choose or change each clue, then accept; a clue left empty is not changed.</source>
        <translation>Suggesties (%1) voor %2 van de %3 woorden. Kies of wijzig elke omschrijving en accepteer dan; een omschrijving die leeg blijft, wordt niet gewijzigd.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Woord</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Omschrijving</translation>
    </message>
    <message>
        <source>(no suggestion)</source>
        <translation>(geen suggestie)</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>Acc&amp;epteren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>qx::CopiesDialog</name>
    <message>
        <source>Multi-Copies</source>
        <translation>Meerdere exemplaren</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Copies To Print</source>
        <translation>Aantal exemplaren</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Invalid number of copies entered.</source>
        <translation>Ongeldig aantal exemplaren ingevoerd.</translation>
    </message>
</context>
<context>
    <name>qx::DictionaryMaintenanceDialog</name>
    <message>
        <source>Dictionary Maintenance</source>
        <translation>Woordenboekbeheer</translation>
    </message>
    <message>
        <source>These words will be added to the %1 dictionary and counted as valid.</source>
        <translation>Deze woorden worden toegevoegd aan het woordenboek %1 en gelden als juist.</translation>
    </message>
    <message>
        <source>These words will be excluded from the  %1 dictionary and will be invalid.</source>
        <translation>Deze woorden worden uitgesloten van het woordenboek %1 en gelden als onjuist.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>qx::EnlargedCandidateDialog</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>qx::ExportPuzzlesDialog</name>
    <message>
        <source>Export Crossword Puzzles</source>
        <translation>Kruiswoordpuzzels exporteren</translation>
    </message>
    <message>
        <source>Puzzles Available For Export</source>
        <translation>Puzzels om te exporteren</translation>
    </message>
    <message>
        <source>Save &amp;File</source>
        <translation>&amp;Bestand opslaan</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>No puzzles have been selected for export.</source>
        <translation>Er zijn geen puzzels geselecteerd om te exporteren.</translation>
    </message>
    <message>
        <source>Save Crossword Puzzles</source>
        <translation>Kruiswoordpuzzels opslaan</translation>
    </message>
    <message>
        <source>No puzzles were exported; the list now shows the change.</source>
        <translation>Er zijn geen puzzels geëxporteerd; de lijst toont nu de wijziging.</translation>
    </message>
    <message>
        <source>Unable to export puzzles.</source>
        <translation>De puzzels konden niet worden geëxporteerd.</translation>
    </message>
    <message>
        <source>Export File cannot be the same as the currently open file.</source>
        <translation>Het exportbestand mag niet het bestand zijn dat nu geopend is.</translation>
    </message>
</context>
<context>
    <name>qx::ExtractLayoutDialog</name>
    <message>
        <source>Extract Page Layout From Puzzle</source>
        <translation>Pagina-indeling overnemen uit puzzel</translation>
    </message>
    <message>
        <source>Available Puzzles</source>
        <translation>Beschikbare puzzels</translation>
    </message>
    <message>
        <source>&amp;Extract</source>
        <translation>&amp;Overnemen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>No puzzles have been selected for export.</source>
        <translation>Er zijn geen puzzels geselecteerd.</translation>
    </message>
    <message>
        <source>No layout was extracted; the list now shows the change.</source>
        <translation>Er is geen indeling overgenomen; de lijst toont nu de wijziging.</translation>
    </message>
    <message>
        <source>Unable to open puzzle.</source>
        <translation>De puzzel kon niet worden geopend.</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Schijffout</translation>
    </message>
    <message>
        <source>Unable to add page layout.</source>
        <translation>De pagina-indeling kon niet worden toegevoegd.</translation>
    </message>
</context>
<context>
    <name>qx::FillDialog</name>
    <message>
        <source>&amp;Fill In Shape</source>
        <translation>&amp;Vorm opvullen</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>&amp;Kleur wijzigen</translation>
    </message>
    <message>
        <source>Fill Color</source>
        <translation>Opvulkleur</translation>
    </message>
    <message>
        <source>Fill Info for %1</source>
        <translation>Opvulling van %1</translation>
    </message>
</context>
<context>
    <name>qx::GridPropertiesDialog</name>
    <message>
        <source>Skeleton Puzzle</source>
        <translation>Skeletpuzzel</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>&amp;Kleur wijzigen</translation>
    </message>
    <message>
        <source>Ch&amp;ange Color</source>
        <translation>Kl&amp;eur wijzigen</translation>
    </message>
    <message>
        <source>Puzzle Fill Color</source>
        <translation>Kleur gevulde vakjes</translation>
    </message>
    <message>
        <source>Puzzle Block Color</source>
        <translation>Kleur lettervakjes</translation>
    </message>
    <message>
        <source>Puzzle Line Color</source>
        <translation>Lijnkleur puzzel</translation>
    </message>
    <message>
        <source>Puzzle Line Width</source>
        <translation>Lijndikte puzzel</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Invalid width entered.</source>
        <translation>Ongeldige lijndikte ingevoerd.</translation>
    </message>
    <message>
        <source>Properties for %1</source>
        <translation>Eigenschappen van %1</translation>
    </message>
</context>
<context>
    <name>qx::HeadingTextDialog</name>
    <message>
        <source>Across Header</source>
        <translation>Kop horizontaal</translation>
    </message>
    <message>
        <source>Down Header</source>
        <translation>Kop verticaal</translation>
    </message>
</context>
<context>
    <name>qx::HelpWindow</name>
    <message>
        <source>Quorvex 98 Help</source>
        <translation>Help bij Quorvex 98</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vooruit</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>qx::ImportPuzzlesDialog</name>
    <message>
        <source>Import Crossword Puzzles</source>
        <translation>Kruiswoordpuzzels importeren</translation>
    </message>
    <message>
        <source>Puzzles in File</source>
        <translation>Puzzels in bestand</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>No puzzles have been selected for import.</source>
        <translation>Er zijn geen puzzels geselecteerd om te importeren.</translation>
    </message>
    <message>
        <source>No puzzles were imported; the list now shows the change.</source>
        <translation>Er zijn geen puzzels geïmporteerd; de lijst toont nu de wijziging.</translation>
    </message>
    <message>
        <source>Unable to import puzzles.</source>
        <translation>De puzzels konden niet worden geïmporteerd.</translation>
    </message>
    <message>
        <source>File Name: %1</source>
        <translation>Bestandsnaam: %1</translation>
    </message>
</context>
<context>
    <name>qx::InternationalCharactersDialog</name>
    <message>
        <source>International Characters</source>
        <translation>Internationale tekens</translation>
    </message>
    <message>
        <source>The function keys F1 through F12 can be assigned any number of international characters.  The function keys will play back the assigned international key in the Puzzle Creation Window.</source>
        <translation>Aan de functietoetsen F1 tot en met F12 kun je internationale tekens toewijzen. In het venster waarin je de puzzel maakt, typen de functietoetsen dan het toegewezen teken.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>qx::JpegFactorDialog</name>
    <message>
        <source>JPEG Factor</source>
        <translation>JPEG-factor</translation>
    </message>
    <message>
        <source>JPEG Compression/Quality Factor (Range: 1 - 100)</source>
        <translation>JPEG-compressie-/kwaliteitsfactor (bereik: 1 - 100)</translation>
    </message>
    <message>
        <source>When the Factor is high, the image will be sharper, but the file size will be larger.  If the factor is lower, then the file size will be smaller, but the image will not be as sharp.</source>
        <translation>Hoe hoger de factor, hoe scherper de afbeelding, maar hoe groter het bestand. Hoe lager de factor, hoe kleiner het bestand, maar hoe minder scherp de afbeelding.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Invalid factor entered.  Factor must be between 1 and 100</source>
        <translation>Ongeldige factor ingevoerd. De factor moet tussen 1 en 100 liggen.</translation>
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
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>qx::LayoutLibraryDialog</name>
    <message>
        <source>Unable to delete page layout.</source>
        <translation>De pagina-indeling kon niet worden verwijderd.</translation>
    </message>
    <message>
        <source>Page layout could not be imported.</source>
        <translation>De pagina-indeling kon niet worden geïmporteerd.</translation>
    </message>
    <message>
        <source>Page layout file is corrupt or incompatible.  Import aborted.</source>
        <translation>Het bestand met de pagina-indeling is beschadigd of niet compatibel. Importeren afgebroken.</translation>
    </message>
    <message>
        <source>Unable to add page layout.</source>
        <translation>De pagina-indeling kon niet worden toegevoegd.</translation>
    </message>
    <message>
        <source>Page layout could not be exported.</source>
        <translation>De pagina-indeling kon niet worden geëxporteerd.</translation>
    </message>
    <message>
        <source>Page Layout Exported!</source>
        <translation>Pagina-indeling geëxporteerd!</translation>
    </message>
    <message>
        <source>Page Layouts (*.PAG)|*.PAG</source>
        <translation>Pagina-indelingen (*.PAG)|*.PAG</translation>
    </message>
    <message>
        <source>Puzzle Page Layouts</source>
        <translation>Pagina-indelingen voor puzzels</translation>
    </message>
    <message>
        <source>Page Layouts</source>
        <translation>Pagina-indelingen</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Puzzel</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Horizontaal</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Verticaal</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonusvraag</translation>
    </message>
    <message>
        <source>Text, Shapes</source>
        <translation>Tekst, figuren</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Woorden</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Kiezen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Wijzigen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Ko&amp;piëren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importeren</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporteren</translation>
    </message>
    <message>
        <source>Set De&amp;fault</source>
        <translation>Als stan&amp;daard instellen</translation>
    </message>
    <message>
        <source>Ex&amp;tract</source>
        <translation>&amp;Overnemen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>No saved page layouts could be found.</source>
        <translation>Er zijn geen opgeslagen pagina-indelingen gevonden.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>No page layout selected.</source>
        <translation>Geen pagina-indeling geselecteerd.</translation>
    </message>
    <message>
        <source>No layout has been selected.</source>
        <translation>Er is geen indeling geselecteerd.</translation>
    </message>
    <message>
        <source>Import Page Layouts</source>
        <translation>Pagina-indelingen importeren</translation>
    </message>
    <message>
        <source>Export Page Layouts</source>
        <translation>Pagina-indelingen exporteren</translation>
    </message>
</context>
<context>
    <name>qx::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New Puzzle Collection File</source>
        <translation>&amp;Nieuwe puzzelverzameling</translation>
    </message>
    <message>
        <source>Create New Puzzle Collection File</source>
        <translation>Nieuwe puzzelverzameling maken</translation>
    </message>
    <message>
        <source>&amp;Open Puzzle Collection File</source>
        <translation>Puzzelverzameling &amp;openen</translation>
    </message>
    <message>
        <source>Open Puzzle Collection File</source>
        <translation>Puzzelverzameling openen</translation>
    </message>
    <message>
        <source>Ne&amp;w Puzzle</source>
        <translation>Nieuwe &amp;puzzel</translation>
    </message>
    <message>
        <source>Create New Puzzle</source>
        <translation>Nieuwe puzzel maken</translation>
    </message>
    <message>
        <source>&amp;Modify Puzzle</source>
        <translation>Puzzel &amp;wijzigen</translation>
    </message>
    <message>
        <source>Modify Puzzle</source>
        <translation>Puzzel wijzigen</translation>
    </message>
    <message>
        <source>&amp;Copy Puzzle</source>
        <translation>Puzzel &amp;kopiëren</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Puzzel kopiëren</translation>
    </message>
    <message>
        <source>&amp;Delete Puzzle</source>
        <translation>Puzzel &amp;verwijderen</translation>
    </message>
    <message>
        <source>Delete Puzzle</source>
        <translation>Puzzel verwijderen</translation>
    </message>
    <message>
        <source>&amp;Import Puzzles</source>
        <translation>Puzzels &amp;importeren</translation>
    </message>
    <message>
        <source>Import Puzzles</source>
        <translation>Puzzels importeren</translation>
    </message>
    <message>
        <source>&amp;Export Puzzles</source>
        <translation>Puzzels &amp;exporteren</translation>
    </message>
    <message>
        <source>Export Puzzles</source>
        <translation>Puzzels exporteren</translation>
    </message>
    <message>
        <source>&amp;Print Puzzle</source>
        <translation>Puzzel af&amp;drukken</translation>
    </message>
    <message>
        <source>Print Puzzle</source>
        <translation>Puzzel afdrukken</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>P&amp;rinterinstellingen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Programma afsluiten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Page Layout</source>
        <translation>&amp;Pagina-indeling</translation>
    </message>
    <message>
        <source>Page Layout Designer</source>
        <translation>Pagina-indelingen ontwerpen</translation>
    </message>
    <message>
        <source>Puzzle &amp;Shape</source>
        <translation>Puzzel&amp;vorm</translation>
    </message>
    <message>
        <source>Create Puzzle Shape</source>
        <translation>Puzzelvorm maken</translation>
    </message>
    <message>
        <source>Puzzle &amp;Words</source>
        <translation>Puzzel&amp;woorden</translation>
    </message>
    <message>
        <source>Modify Puzzle Words</source>
        <translation>Puzzelwoorden wijzigen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Background Bitmap</source>
        <translation>&amp;Achtergrondafbeelding</translation>
    </message>
    <message>
        <source>&amp;JPEG Compression Factor</source>
        <translation>&amp;JPEG-compressiefactor</translation>
    </message>
    <message>
        <source>&amp;International Characters</source>
        <translation>&amp;Internationale tekens</translation>
    </message>
    <message>
        <source>&amp;Clue Headers</source>
        <translation>&amp;Omschrijvingskoppen</translation>
    </message>
    <message>
        <source>&amp;Word Separator Chars</source>
        <translation>&amp;Woordscheidingstekens</translation>
    </message>
    <message>
        <source>&amp;Label Font</source>
        <translation>&amp;Lettertype labels</translation>
    </message>
    <message>
        <source>E&amp;dit Font</source>
        <translation>Lettertype in&amp;voervelden</translation>
    </message>
    <message>
        <source>B&amp;utton Font</source>
        <translation>Lettertype k&amp;noppen</translation>
    </message>
    <message>
        <source>S&amp;creen Size</source>
        <translation>&amp;Schermgrootte</translation>
    </message>
    <message>
        <source>C&amp;olors For Saving Bitmaps &amp;&amp; JPEGs</source>
        <translation>&amp;Kleuren voor opslaan als BMP &amp;&amp; JPEG</translation>
    </message>
    <message>
        <source>&amp;256 Colors</source>
        <translation>&amp;256 kleuren</translation>
    </message>
    <message>
        <source>&amp;16 Million Colors</source>
        <translation>&amp;16 miljoen kleuren</translation>
    </message>
    <message>
        <source>&amp;Dictionary Type</source>
        <translation>Woorden&amp;boektype</translation>
    </message>
    <message>
        <source>&amp;Choose At Spell Check Time</source>
        <translation>&amp;Kiezen bij spellingcontrole</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>&amp;Amerikaans</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>&amp;Brits</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>&amp;Spaans</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>&amp;Italiaans</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Frans</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Duits</translation>
    </message>
    <message>
        <source>&amp;Dutch</source>
        <translation>&amp;Nederlands</translation>
    </message>
    <message>
        <source>S&amp;wedish</source>
        <translation>&amp;Zweeds</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>&amp;Toevoegen aan woordenboek</translation>
    </message>
    <message>
        <source>&amp;Exclude From Dictionary</source>
        <translation>&amp;Uitsluiten van woordenboek</translation>
    </message>
    <message>
        <source>&amp;Thesaurus Type</source>
        <translation>T&amp;hesaurustype</translation>
    </message>
    <message>
        <source>&amp;Choose at Thesaurus Use Time</source>
        <translation>&amp;Kiezen bij gebruik thesaurus</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&amp;User Manual</source>
        <translation>&amp;Gebruikershandleiding</translation>
    </message>
    <message>
        <source>&amp;Review Tips of the Day</source>
        <translation>&amp;Tips van de dag bekijken</translation>
    </message>
    <message>
        <source>&amp;Data Exchange via Internet</source>
        <translation>Gegevens &amp;uitwisselen via internet</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over Quorvex</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Opdrachten</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Puzzels</translation>
    </message>
    <message>
        <source>Quorvex 98 (%1)</source>
        <translation>Quorvex 98 (%1)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>No puzzle selected.  Please select a puzzle first.</source>
        <translation>Geen puzzel geselecteerd. Selecteer eerst een puzzel.</translation>
    </message>
    <message>
        <source>The lists now show the change; select the puzzle again.</source>
        <translation>De lijsten tonen nu de wijziging; selecteer de puzzel opnieuw.</translation>
    </message>
    <message>
        <source>Create New Puzzle Group</source>
        <translation>Nieuwe puzzelverzameling maken</translation>
    </message>
    <message>
        <source>The puzzle collection file %1 could not be created.</source>
        <translation>De puzzelverzameling %1 kon niet worden gemaakt.</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Nieuwe puzzel</translation>
    </message>
    <message>
        <source>Would you like to create your first puzzle now for this new puzzle collection?</source>
        <translation>Wil je nu de eerste puzzel voor deze nieuwe puzzelverzameling maken?</translation>
    </message>
    <message>
        <source>Open Puzzle Group</source>
        <translation>Puzzelverzameling openen</translation>
    </message>
    <message>
        <source>The file selected is not a valid Crossword file.</source>
        <translation>Het gekozen bestand is geen geldig kruiswoordbestand.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Weet je zeker dat je %1 wilt verwijderen?</translation>
    </message>
    <message>
        <source>The puzzle was not deleted; the lists now show the change.</source>
        <translation>De puzzel is niet verwijderd; de lijsten tonen nu de wijziging.</translation>
    </message>
    <message>
        <source>Unable to load puzzle.</source>
        <translation>De puzzel kon niet worden geladen.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>A puzzle has never been generated for this word/clue list. Please select &quot;File|Modify&quot; from the menu and create the puzzle first</source>
        <translation>Voor deze lijst met woorden en omschrijvingen is nog nooit een puzzel gemaakt. Kies eerst “Bestand|Puzzel wijzigen” in het menu en maak de puzzel.</translation>
    </message>
    <message>
        <source>Your current screen resolution does not support %1 pixels.</source>
        <translation>Je huidige schermresolutie ondersteunt geen %1 pixels.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>De instellingen konden niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Programmataal</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>&amp;Systeemtaal</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>%1 shows the new language the next time it starts.</source>
        <translation>%1 gebruikt de nieuwe taal vanaf de volgende start.</translation>
    </message>
</context>
<context>
    <name>qx::ManualNoticeDialog</name>
    <message>
        <source>User Manual Notice</source>
        <translation>Gebruikershandleiding</translation>
    </message>
    <message>
        <source>The User Manual for Quorvex 98 is a word-processor document, &quot;%1&quot;, in the program&apos;s folder.  Any word processor that reads Microsoft Word documents, such as LibreOffice Writer, can show and print it.</source>
        <translation>De gebruikershandleiding van Quorvex 98 is een tekstverwerkingsdocument, “%1”, in de map van het programma. Elke tekstverwerker die Microsoft Word-documenten kan lezen, zoals LibreOffice Writer, kan het tonen en afdrukken.</translation>
    </message>
    <message>
        <source>The User Manual is also available as a PDF document, &quot;%1&quot;.  Any PDF reader can show and print it.</source>
        <translation>De gebruikershandleiding is ook beschikbaar als PDF-document, “%1”. Elk programma dat PDF-bestanden kan lezen, kan het tonen en afdrukken.</translation>
    </message>
    <message>
        <source>View in &amp;Word</source>
        <translation>Openen in &amp;Word</translation>
    </message>
    <message>
        <source>View in &amp;Acrobat</source>
        <translation>Openen in A&amp;crobat</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>The User Manual could not be located.  Please make sure the user manual was installed.  A copy is available at our web site.</source>
        <translation>De gebruikershandleiding is niet gevonden. Controleer of de gebruikershandleiding is geïnstalleerd. Een exemplaar is beschikbaar op onze website.</translation>
    </message>
    <message>
        <source>User Manual could not be located.  Please make sure that it was installed.</source>
        <translation>De gebruikershandleiding is niet gevonden. Controleer of deze is geïnstalleerd.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened.  Please make sure that a program to view it is installed.</source>
        <translation>“%1” kon niet worden geopend. Controleer of er een programma is geïnstalleerd om het te bekijken.</translation>
    </message>
</context>
<context>
    <name>qx::ManualPlacementDialog</name>
    <message>
        <source>Manual Word Addition</source>
        <translation>Woorden handmatig toevoegen</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>Acc&amp;epteren</translation>
    </message>
    <message>
        <source>&amp;Reject</source>
        <translation>&amp;Weigeren</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Puzzle letter must be between A and Z.</source>
        <translation>De puzzelletter moet tussen A en Z liggen.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>No changes to the puzzle were detected.</source>
        <translation>Er zijn geen wijzigingen in de puzzel gevonden.</translation>
    </message>
</context>
<context>
    <name>qx::MetafileCreationDialog</name>
    <message>
        <source>Metafile Creation</source>
        <translation>Metabestand maken</translation>
    </message>
    <message>
        <source>Creating Metafile...  Please Wait.</source>
        <translation>Metabestand wordt gemaakt... Even geduld.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Metafile Created</source>
        <translation>Metabestand gemaakt</translation>
    </message>
</context>
<context>
    <name>qx::NumberFontDialog</name>
    <message>
        <source>Numbers In Puzzle</source>
        <translation>Nummers in puzzel</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Richting</translation>
    </message>
    <message>
        <source>&amp;Horizontal</source>
        <translation>&amp;Horizontaal</translation>
    </message>
    <message>
        <source>&amp;Vertical</source>
        <translation>&amp;Verticaal</translation>
    </message>
    <message>
        <source>Change &amp;Font</source>
        <translation>&amp;Lettertype wijzigen</translation>
    </message>
</context>
<context>
    <name>qx::ObjectPropertiesDialog</name>
    <message>
        <source>&amp;Transparent Background</source>
        <translation>&amp;Transparante achtergrond</translation>
    </message>
    <message>
        <source>&amp;Make It Fit (Auto-Shrink Font)</source>
        <translation>&amp;Passend maken (lettertype automatisch verkleinen)</translation>
    </message>
    <message>
        <source>Number of Columns</source>
        <translation>Aantal kolommen</translation>
    </message>
    <message>
        <source>&amp;Split Columns</source>
        <translation>&amp;Kolommen splitsen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Invalid columns entered.</source>
        <translation>Ongeldig aantal kolommen ingevoerd.</translation>
    </message>
    <message>
        <source>Properties for %1</source>
        <translation>Eigenschappen van %1</translation>
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
        <translation>Puzzel</translation>
    </message>
    <message>
        <source>Down Heading</source>
        <translation>Kop verticaal</translation>
    </message>
    <message>
        <source>Across Heading</source>
        <translation>Kop horizontaal</translation>
    </message>
    <message>
        <source>Down Clues</source>
        <translation>Omschr. verticaal</translation>
    </message>
    <message>
        <source>Across Clues</source>
        <translation>Omschr. horizontaal</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>Woordenlijst</translation>
    </message>
    <message>
        <source>Bonus Quest</source>
        <translation>Bonusvraag</translation>
    </message>
    <message>
        <source>Combined Clues</source>
        <translation>Alle omschrijvingen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Afbeelding</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechthoek</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cirkel</translation>
    </message>
    <message>
        <source>Page Creator</source>
        <translation>Pagina-ontwerper</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Papierformaat</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>In inch</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breedte</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>&amp;Portrait</source>
        <translation>&amp;Staand</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Liggend</translation>
    </message>
    <message>
        <source>Crossword Objects</source>
        <translation>Kruiswoordobjecten</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Overige objecten</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>Ob&amp;jecten</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoomen</translation>
    </message>
    <message>
        <source>&amp;Small</source>
        <translation>&amp;Klein</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Middel</translation>
    </message>
    <message>
        <source>&amp;Large</source>
        <translation>&amp;Groot</translation>
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
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>A bitmap for this layout could not be located.</source>
        <translation>Een afbeelding voor deze indeling is niet gevonden.</translation>
    </message>
    <message>
        <source>Some printers do not support odd sized pages.  Printed results may vary.</source>
        <translation>Sommige printers ondersteunen geen afwijkende paginaformaten. Het afdrukresultaat kan afwijken.</translation>
    </message>
    <message>
        <source>Width must be between 3 and 12 inches.  Please re-enter width.</source>
        <translation>De breedte moet tussen 3 en 12 inch liggen. Voer de breedte opnieuw in.</translation>
    </message>
    <message>
        <source>Width must be between 7 and 31 centimeters.  Please re-enter width.</source>
        <translation>De breedte moet tussen 7 en 31 centimeter liggen. Voer de breedte opnieuw in.</translation>
    </message>
    <message>
        <source>Height must be between 4 and 18 inches.  Please re-enter height.</source>
        <translation>De hoogte moet tussen 4 en 18 inch liggen. Voer de hoogte opnieuw in.</translation>
    </message>
    <message>
        <source>Height must be between 10 and 46 centimeters.  Please re-enter height.</source>
        <translation>De hoogte moet tussen 10 en 46 centimeter liggen. Voer de hoogte opnieuw in.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Schijffout</translation>
    </message>
    <message>
        <source>Unable to add page layout.</source>
        <translation>De pagina-indeling kon niet worden toegevoegd.</translation>
    </message>
</context>
<context>
    <name>qx::PartialAnswersDialog</name>
    <message>
        <source>Partial Answer</source>
        <translation>Gedeeltelijke oplossing</translation>
    </message>
    <message>
        <source>Select those words you would like filled in the puzzle.</source>
        <translation>Selecteer de woorden die je in de puzzel ingevuld wilt hebben.</translation>
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
        <translation>BMP</translation>
    </message>
    <message>
        <source>JPeg</source>
        <translation>JPEG</translation>
    </message>
    <message>
        <source>Create &amp;Bitmap</source>
        <translation>&amp;BMP maken</translation>
    </message>
    <message>
        <source>Create &amp;JPeg</source>
        <translation>&amp;JPEG maken</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Width of Bitmap</source>
        <translation>Breedte van BMP</translation>
    </message>
    <message>
        <source>Width of JPeg</source>
        <translation>Breedte van JPEG</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Invalid width specified.  Please correct.</source>
        <translation>Ongeldige breedte opgegeven. Corrigeer dit.</translation>
    </message>
</context>
<context>
    <name>qx::PreviewWindow</name>
    <message>
        <source>Puzzle Preview</source>
        <translation>Puzzelvoorbeeld</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Bee&amp;ld</translation>
    </message>
    <message>
        <source>&amp;Print Page</source>
        <translation>Pagina af&amp;drukken</translation>
    </message>
    <message>
        <source>Print &amp;Multiple Copies</source>
        <translation>&amp;Meerdere exemplaren afdrukken</translation>
    </message>
    <message>
        <source>Export As &amp;Metafile</source>
        <translation>Exporteren als m&amp;etabestand</translation>
    </message>
    <message>
        <source>&amp;Windows MetaFile (WMF)</source>
        <translation>&amp;Windows-metabestand (WMF)</translation>
    </message>
    <message>
        <source>&amp;Enhanced MetaFile (EMF)</source>
        <translation>&amp;Uitgebreid metabestand (EMF)</translation>
    </message>
    <message>
        <source>Export As &amp;Picture</source>
        <translation>Exporteren als a&amp;fbeelding</translation>
    </message>
    <message>
        <source>Windows &amp;Bitmap (BMP)</source>
        <translation>Windows-&amp;bitmap (BMP)</translation>
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
        <translation>JPEG-&amp;compressiefactor</translation>
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
        <translation>&amp;Tekstexport</translation>
    </message>
    <message>
        <source>&amp;Clues</source>
        <translation>&amp;Omschrijvingen</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Woorden</translation>
    </message>
    <message>
        <source>Export As P&amp;DF...</source>
        <translation>Exporteren als &amp;PDF...</translation>
    </message>
    <message>
        <source>Export As S&amp;VG...</source>
        <translation>Exporteren als &amp;SVG...</translation>
    </message>
    <message>
        <source>Export For Solving &amp;Apps</source>
        <translation>Exporteren voor puzzel&amp;apps</translation>
    </message>
    <message>
        <source>&amp;ipuz File...</source>
        <translation>&amp;ipuz-bestand...</translation>
    </message>
    <message>
        <source>&amp;PUZ File...</source>
        <translation>&amp;PUZ-bestand...</translation>
    </message>
    <message>
        <source>Export As &amp;Solvable Web Page...</source>
        <translation>Exporteren als &amp;oplosbare webpagina...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>S&amp;luiten</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Inzoomen</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Uitzoomen</translation>
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
        <translation>Paginabreedte</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Zoom Whole Page</source>
        <translation>Hele pagina</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>Print Page</source>
        <translation>Pagina afdrukken</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Export As Metafile</source>
        <translation>Exporteren als metabestand</translation>
    </message>
    <message>
        <source>Export As Bitmap</source>
        <translation>Exporteren als BMP</translation>
    </message>
    <message>
        <source>Export As JPEG</source>
        <translation>Exporteren als JPEG</translation>
    </message>
    <message>
        <source>Create Web Page</source>
        <translation>Webpagina maken</translation>
    </message>
    <message>
        <source>Export As PDF</source>
        <translation>Exporteren als PDF</translation>
    </message>
    <message>
        <source>Zoom %</source>
        <translation>Zoom (%)</translation>
    </message>
    <message>
        <source>Pixel Width</source>
        <translation>Breedte in pixels</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Previous print job has not yet finished.  Try again later.</source>
        <translation>De vorige afdruktaak is nog niet klaar. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>The page could not be printed.  To keep it as a PDF file instead, use Export As PDF, or choose &quot;Print to File (PDF)&quot; in Printer Setup.</source>
        <translation>De pagina kon niet worden afgedrukt. Wil je hem als PDF-bestand bewaren, gebruik dan Exporteren als PDF of kies “Afdrukken naar bestand (PDF)” in Printerinstellingen.</translation>
    </message>
    <message>
        <source>Export Clues</source>
        <translation>Omschrijvingen exporteren</translation>
    </message>
    <message>
        <source>Export Words</source>
        <translation>Woorden exporteren</translation>
    </message>
    <message>
        <source>Unable to create export file.</source>
        <translation>Het exportbestand kon niet worden gemaakt.</translation>
    </message>
    <message>
        <source>Export As SVG</source>
        <translation>Exporteren als SVG</translation>
    </message>
    <message>
        <source>Export As Solvable Web Page</source>
        <translation>Exporteren als oplosbare webpagina</translation>
    </message>
    <message>
        <source>Export For Solving Apps</source>
        <translation>Exporteren voor puzzelapps</translation>
    </message>
    <message>
        <source>Save Puzzle As MetaFile</source>
        <translation>Puzzel opslaan als metabestand</translation>
    </message>
    <message>
        <source>Save Puzzle As Enhanced MetaFile</source>
        <translation>Puzzel opslaan als uitgebreid metabestand</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Bitmaps in this puzzle will not be saved in the metafile.</source>
        <translation>Afbeeldingen in deze puzzel worden niet in het metabestand opgeslagen.</translation>
    </message>
    <message>
        <source>Save Puzzle As Bitmap</source>
        <translation>Puzzel opslaan als BMP</translation>
    </message>
    <message>
        <source>Save Puzzle As JPeg</source>
        <translation>Puzzel opslaan als JPEG</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Opgeslagen als %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> en </translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt</source>
        <translation>Tekstbestanden (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Metafile (*.WMF)|*.WMF</source>
        <translation>Metabestand (*.WMF)|*.WMF</translation>
    </message>
    <message>
        <source>Enhanced Metafile (*.EMF)|*.EMF</source>
        <translation>Uitgebreid metabestand (*.EMF)|*.EMF</translation>
    </message>
    <message>
        <source>Bitmap (*.BMP)|*.BMP</source>
        <translation>BMP-afbeelding (*.BMP)|*.BMP</translation>
    </message>
    <message>
        <source>JPeg (*.JPG)|*.JPG</source>
        <translation>JPEG-afbeelding (*.JPG)|*.JPG</translation>
    </message>
</context>
<context>
    <name>qx::PrintOptionsDialog</name>
    <message>
        <source>Reports</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Puzzle &amp;Title</source>
        <translation>Puzzel&amp;titel</translation>
    </message>
    <message>
        <source>Puzzle &amp;Body</source>
        <translation>Puzzel&amp;rooster</translation>
    </message>
    <message>
        <source>Puzzle &amp;Clues</source>
        <translation>Puzzel&amp;omschrijvingen</translation>
    </message>
    <message>
        <source>Puzzle &amp;Words</source>
        <translation>Puzzel&amp;woorden</translation>
    </message>
    <message>
        <source>Bonus &amp;Question</source>
        <translation>Bonus&amp;vraag</translation>
    </message>
    <message>
        <source>Parts To Print</source>
        <translation>Af te drukken onderdelen</translation>
    </message>
    <message>
        <source>&amp;Answer Key</source>
        <translation>Oplossi&amp;ng</translation>
    </message>
    <message>
        <source>&amp;Partial Answers</source>
        <translation>&amp;Gedeeltelijke oplossing</translation>
    </message>
    <message>
        <source>Pa&amp;rtial Letters</source>
        <translation>Gegeven l&amp;etters</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>Kie&amp;zen</translation>
    </message>
    <message>
        <source>Answer Key</source>
        <translation>Oplossing</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Letters</translation>
    </message>
    <message>
        <source>&amp;Skeleton Puzzle</source>
        <translation>&amp;Skeletpuzzel</translation>
    </message>
    <message>
        <source>&amp;Filled Box Color</source>
        <translation>Kleur gevulde vak&amp;jes</translation>
    </message>
    <message>
        <source>Puzzle Boxes</source>
        <translation>Puzzelvakjes</translation>
    </message>
    <message>
        <source>&amp;View/Print</source>
        <translation>Be&amp;kijken/afdrukken</translation>
    </message>
    <message>
        <source>Change Page &amp;Layout</source>
        <translation>&amp;Pagina-indeling wijzigen</translation>
    </message>
    <message>
        <source>Change &amp;Fonts</source>
        <translation>&amp;Lettertypen wijzigen</translation>
    </message>
    <message>
        <source>Change Clue &amp;Headers</source>
        <translation>Omschrijvingskoppen w&amp;ijzigen</translation>
    </message>
    <message>
        <source>Change Bon&amp;us Question</source>
        <translation>Bonusvr&amp;aag wijzigen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sl&amp;uiten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>P&amp;rinterinstellingen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Puzzle Clue Numbers Font</source>
        <translation>Lettertype nummers puzzel</translation>
    </message>
    <message>
        <source>Puzzle Answer Font</source>
        <translation>Lettertype oplossing</translation>
    </message>
    <message>
        <source>%1 Font</source>
        <translation>Lettertype %1</translation>
    </message>
</context>
<context>
    <name>qx::PrintStatusDialog</name>
    <message>
        <source>Report Status Screen</source>
        <translation>Afdrukstatus</translation>
    </message>
    <message>
        <source>Printing Status</source>
        <translation>Status van de afdruk</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Puzzle Generation Canceled!</source>
        <translation>Maken van de puzzel geannuleerd!</translation>
    </message>
    <message>
        <source>Puzzle Generated!</source>
        <translation>Puzzel gemaakt!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
</context>
<context>
    <name>qx::PuzzlePicker</name>
    <message>
        <source>&amp;Select All</source>
        <translation>Alles se&amp;lecteren</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>&amp;Niets selecteren</translation>
    </message>
</context>
<context>
    <name>qx::ShapeEditorDialog</name>
    <message>
        <source>Shape Creator</source>
        <translation>Vormontwerper</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Uitleg</translation>
    </message>
    <message>
        <source>Left Click To Toggle</source>
        <translation>Klik links om aan/uit te zetten</translation>
    </message>
    <message>
        <source>Right Click To Fill</source>
        <translation>Klik rechts om op te vullen</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Naam</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Breedte</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Hoogte</translation>
    </message>
    <message>
        <source>Shift Grid</source>
        <translation>Rooster verschuiven</translation>
    </message>
    <message>
        <source>Adjust Grid</source>
        <translation>Rooster aanpassen</translation>
    </message>
    <message>
        <source>&amp;Reverse</source>
        <translation>&amp;Omkeren</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Onge&amp;daan maken</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Width must be between 5 and 49.  Please re-enter width.</source>
        <translation>De breedte moet tussen 5 en 49 liggen. Voer de breedte opnieuw in.</translation>
    </message>
    <message>
        <source>Height must be between 5 and 49.  Please re-enter height.</source>
        <translation>De hoogte moet tussen 5 en 49 liggen. Voer de hoogte opnieuw in.</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Schijffout</translation>
    </message>
    <message>
        <source>Unable to add shape.</source>
        <translation>De vorm kon niet worden toegevoegd.</translation>
    </message>
</context>
<context>
    <name>qx::ShapeLibraryDialog</name>
    <message>
        <source>Shapes</source>
        <translation>Vormen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>qx::ShapeListPanel</name>
    <message>
        <source>Unable to delete puzzle shape.</source>
        <translation>De puzzelvorm kon niet worden verwijderd.</translation>
    </message>
    <message>
        <source>Puzzle shape could not be imported.</source>
        <translation>De puzzelvorm kon niet worden geïmporteerd.</translation>
    </message>
    <message>
        <source>Puzzle shape file is corrupt or incompatible.  Import aborted.</source>
        <translation>Het bestand met de puzzelvorm is beschadigd of niet compatibel. Importeren afgebroken.</translation>
    </message>
    <message>
        <source>Unable to add shape.</source>
        <translation>De vorm kon niet worden toegevoegd.</translation>
    </message>
    <message>
        <source>Shape could not be exported.</source>
        <translation>De vorm kon niet worden geëxporteerd.</translation>
    </message>
    <message>
        <source>Puzzle Shape Exported!</source>
        <translation>Puzzelvorm geëxporteerd!</translation>
    </message>
    <message>
        <source>Puzzle Shape</source>
        <translation>Puzzelvorm</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>Wi&amp;jzigen</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Im&amp;port</source>
        <translation>&amp;Importeren</translation>
    </message>
    <message>
        <source>Expo&amp;rt</source>
        <translation>&amp;Exporteren</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>No saved shape information could be found.</source>
        <translation>Er zijn geen opgeslagen vormen gevonden.</translation>
    </message>
    <message>
        <source>Import Puzzle Shape</source>
        <translation>Puzzelvorm importeren</translation>
    </message>
    <message>
        <source>Puzzle Shapes (*.LAY)|*.LAY</source>
        <translation>Puzzelvormen (*.LAY)|*.LAY</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>No shape selected.</source>
        <translation>Geen vorm geselecteerd.</translation>
    </message>
    <message>
        <source>Export Puzzle Shape</source>
        <translation>Puzzelvorm exporteren</translation>
    </message>
    <message>
        <source>Puzzle Shape (*.LAY)|*.LAY</source>
        <translation>Puzzelvorm (*.LAY)|*.LAY</translation>
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
        <translation>Boven</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breedte</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Values In Inches</source>
        <translation>Waarden in inch</translation>
    </message>
    <message>
        <source>Values In Centimeters</source>
        <translation>Waarden in centimeter</translation>
    </message>
    <message>
        <source>Invalid left position entered.</source>
        <translation>Ongeldige positie links ingevoerd.</translation>
    </message>
    <message>
        <source>Invalid top position entered.</source>
        <translation>Ongeldige positie boven ingevoerd.</translation>
    </message>
    <message>
        <source>Invalid width entered.</source>
        <translation>Ongeldige breedte ingevoerd.</translation>
    </message>
    <message>
        <source>Invalid height entered.</source>
        <translation>Ongeldige hoogte ingevoerd.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>The location you have specified will place the object off the page.  Do you wish abort your changes?</source>
        <translation>Op de opgegeven positie komt het object buiten de pagina te staan. Wil je je wijzigingen ongedaan maken?</translation>
    </message>
    <message>
        <source>Size &amp; Location of %1</source>
        <translation>Grootte &amp; positie van %1</translation>
    </message>
</context>
<context>
    <name>qx::SpellingSuggestionsDialog</name>
    <message>
        <source>Spelling Suggestions</source>
        <translation>Spellingsuggesties</translation>
    </message>
    <message>
        <source>The following word was not found in the %1 dictionary.  Suggestions are listed below.</source>
        <translation>Het volgende woord staat niet in het woordenboek %1. Hieronder staan suggesties.</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Suggesties</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Vervangen</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Negeren</translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation>&amp;Afbreken</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>No replacement word has been selected.  Please choose a replacement first.</source>
        <translation>Er is geen vervangend woord geselecteerd. Kies eerst een vervanging.</translation>
    </message>
</context>
<context>
    <name>qx::TextInputDialog</name>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
</context>
<context>
    <name>qx::ThesaurusLookupDialog</name>
    <message>
        <source>Thesaurus Lookup</source>
        <translation>Thesaurus raadplegen</translation>
    </message>
    <message>
        <source>&amp;Look Up</source>
        <translation>&amp;Opzoeken</translation>
    </message>
    <message>
        <source>&amp;Suggest</source>
        <translation>&amp;Suggesties</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>Acc&amp;epteren</translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation>A&amp;fbreken</translation>
    </message>
    <message>
        <source>&amp;Word</source>
        <translation>&amp;Woord</translation>
    </message>
    <message>
        <source>&amp;Categories</source>
        <translation>&amp;Betekenissen</translation>
    </message>
    <message>
        <source>A&amp;ntonyms</source>
        <translation>&amp;Antoniemen</translation>
    </message>
    <message>
        <source>S&amp;ynonyms</source>
        <translation>S&amp;ynoniemen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Could not find the Thesaurus file.</source>
        <translation>Het thesaurusbestand is niet gevonden.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Word not found in Thesaurus.  Click on &quot;suggest&quot; for possible substitute words.</source>
        <translation>Woord niet gevonden in de thesaurus. Klik op “Suggesties” voor mogelijke vervangende woorden.</translation>
    </message>
    <message>
        <source>No suggestions found for the word %1.</source>
        <translation>Geen suggesties gevonden voor het woord %1.</translation>
    </message>
    <message>
        <source>No replacement word has been selected.  Please choose a replacement first.</source>
        <translation>Er is geen vervangend woord geselecteerd. Kies eerst een vervanging.</translation>
    </message>
</context>
<context>
    <name>qx::TipOfTheDayDialog</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Tip van de dag</translation>
    </message>
    <message>
        <source>&lt;b&gt;Did you know?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Wist je dat?&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>&amp;Tips tonen bij opstarten</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Volgende tip</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>qx::WebPageDialog</name>
    <message>
        <source>HTML Creation</source>
        <translation>HTML maken</translation>
    </message>
    <message>
        <source>Create A Web Page</source>
        <translation>Een webpagina maken</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Horizontale lijn</translation>
    </message>
    <message>
        <source>Puzzle will go here</source>
        <translation>Hier komt de puzzel</translation>
    </message>
    <message>
        <source>&amp;Save HTML</source>
        <translation>HTML &amp;opslaan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>First Header Lines</source>
        <translation>Eerste kopregels</translation>
    </message>
    <message>
        <source>Second Header Lines</source>
        <translation>Tweede kopregels</translation>
    </message>
    <message>
        <source>First Footer Lines</source>
        <translation>Eerste voetregels</translation>
    </message>
    <message>
        <source>Second Footer Lines</source>
        <translation>Tweede voetregels</translation>
    </message>
    <message>
        <source>Web Page Title</source>
        <translation>Titel webpagina</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Vet</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursief</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centreren</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Lettergrootte</translation>
    </message>
    <message>
        <source>%1 and its picture %2 already exist.
Do you want to replace them?</source>
        <translation>%1 en de bijbehorende afbeelding %2 bestaan al.
Wil je ze vervangen?</translation>
    </message>
    <message>
        <source>%1 already exists; its picture will be saved as %2.
Do you want to replace it?</source>
        <translation>%1 bestaat al; de afbeelding wordt opgeslagen als %2.
Wil je het bestand vervangen?</translation>
    </message>
    <message>
        <source>The picture %2 of %1 already exists.
Do you want to replace it?</source>
        <translation>De afbeelding %2 bij %1 bestaat al.
Wil je deze vervangen?</translation>
    </message>
    <message>
        <source>Save HTML Document</source>
        <translation>HTML-document opslaan</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Unable to create html file.</source>
        <translation>Het HTML-bestand kon niet worden gemaakt.</translation>
    </message>
    <message>
        <source>%1 pt</source>
        <translation>%1 pt</translation>
    </message>
    <message>
        <source>html (*.htm)|*.htm</source>
        <translation>HTML-bestand (*.htm)|*.htm</translation>
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
        <translation>G</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Woord</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Omschrijving</translation>
    </message>
</context>
<context>
    <name>qx::WordListEditor</name>
    <message>
        <source>Word List Input</source>
        <translation>Woordenlijst invoeren</translation>
    </message>
    <message>
        <source>Puzzle Title</source>
        <translation>Puzzeltitel</translation>
    </message>
    <message>
        <source>Categor&amp;y</source>
        <translation>&amp;Categorie</translation>
    </message>
    <message>
        <source>Bonus Question</source>
        <translation>Bonusvraag</translation>
    </message>
    <message>
        <source>Words and Clues</source>
        <translation>Woorden en omschrijvingen</translation>
    </message>
    <message>
        <source>Delete &amp;All</source>
        <translation>&amp;Alles verwijderen</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>Ve&amp;rwijderen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>Im&amp;porteren</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xporteren</translation>
    </message>
    <message>
        <source>International Characters</source>
        <translation>Internationale tekens</translation>
    </message>
    <message>
        <source>&amp;Spell Check</source>
        <translation>&amp;Spellingcontrole</translation>
    </message>
    <message>
        <source>&amp;Thesaurus</source>
        <translation>&amp;Thesaurus</translation>
    </message>
    <message>
        <source>Su&amp;ggest Clues</source>
        <translation>Omsc&amp;hrijvingen voorstellen</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Pagina-indeling</translation>
    </message>
    <message>
        <source>Change La&amp;yout</source>
        <translation>In&amp;deling wijzigen</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>&amp;Bijsnijden</translation>
    </message>
    <message>
        <source>&amp;Quick Create</source>
        <translation>Sne&amp;l maken</translation>
    </message>
    <message>
        <source>T&amp;horough</source>
        <translation>&amp;Grondig</translation>
    </message>
    <message>
        <source>Search for the grid with the most words, then the most crossings, for the effort&apos;s seconds, instead of running the creation attempts.</source>
        <translation>Zoekt gedurende de ingestelde zoektijd naar het rooster met de meeste woorden en daarna de meeste kruisingen, in plaats van de aanmaakpogingen uit te voeren.</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>How long the thorough search and the search for the smallest square run on an ordinary machine: longer finds better grids.</source>
        <translation>Hoe lang het grondig zoeken en het zoeken naar het kleinste vierkant duren op een gewone computer: langer zoeken levert betere roosters op.</translation>
    </message>
    <message>
        <source>E&amp;ffort</source>
        <translation>&amp;Zoektijd</translation>
    </message>
    <message>
        <source>Creation Attempts</source>
        <translation>Aanmaakpogingen</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Maken</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>Add &amp;Words</source>
        <translation>&amp;Woorden toevoegen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sl&amp;uiten</translation>
    </message>
    <message>
        <source>Suggest clues for the selected rows, or for every word without a clue.</source>
        <translation>Stelt omschrijvingen voor bij de geselecteerde rijen, of bij elk woord zonder omschrijving.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Smallest square: %1 × %1, every word placed.</source>
        <translation>Kleinste vierkant: %1 × %1, alle woorden geplaatst.</translation>
    </message>
    <message>
        <source>No square up to 49 × 49 holds every word: %1 × %1 holds the most.</source>
        <translation>Geen enkel vierkant tot 49 × 49 bevat alle woorden: %1 × %1 bevat er de meeste.</translation>
    </message>
    <message>
        <source>No title specified.  Please correct.</source>
        <translation>Geen titel opgegeven. Corrigeer dit.</translation>
    </message>
    <message>
        <source>No category specified.  Please correct.</source>
        <translation>Geen categorie opgegeven. Corrigeer dit.</translation>
    </message>
    <message>
        <source>Puzzle has been modified.  Save changes?</source>
        <translation>De puzzel is gewijzigd. Wijzigingen opslaan?</translation>
    </message>
    <message>
        <source>All words are already cleared.</source>
        <translation>Alle woorden zijn al gewist.</translation>
    </message>
    <message>
        <source>This will remove all words and clues.  Continue?</source>
        <translation>Hiermee worden alle woorden en omschrijvingen verwijderd. Doorgaan?</translation>
    </message>
    <message>
        <source>Suggest Clues</source>
        <translation>Omschrijvingen voorstellen</translation>
    </message>
    <message>
        <source>Every word has a clue.  Select the rows whose clues should be suggested again.</source>
        <translation>Elk woord heeft een omschrijving. Selecteer de rijen waarvoor opnieuw omschrijvingen moeten worden voorgesteld.</translation>
    </message>
</context>
<context>
    <name>qx::WordListExportDialog</name>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>Save &amp;File</source>
        <translation>&amp;Bestand opslaan</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Alles selecteren</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Niets selecteren</translation>
    </message>
    <message>
        <source>Select &amp;Used</source>
        <translation>&amp;Gebruikte selecteren</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Woorden</translation>
    </message>
    <message>
        <source>&amp;Clues</source>
        <translation>&amp;Omschrijvingen</translation>
    </message>
    <message>
        <source>Words &amp;And Clues</source>
        <translation>Woorden &amp;en omschrijvingen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>No words/clues selected for output.  Please select the desired words/clues.</source>
        <translation>Geen woorden/omschrijvingen geselecteerd om te exporteren. Selecteer de gewenste woorden/omschrijvingen.</translation>
    </message>
    <message>
        <source>Save Word/Clue List</source>
        <translation>Lijst met woorden/omschrijvingen opslaan</translation>
    </message>
    <message>
        <source>Unable to create export file.</source>
        <translation>Het exportbestand kon niet worden gemaakt.</translation>
    </message>
</context>
<context>
    <name>qx::WordListImportDialog</name>
    <message>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>&amp;Bestand openen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles &amp;selecteren</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Niets selecteren</translation>
    </message>
    <message>
        <source>As &amp;Words</source>
        <translation>Als &amp;woorden</translation>
    </message>
    <message>
        <source>As &amp;Clues</source>
        <translation>Als o&amp;mschrijvingen</translation>
    </message>
    <message>
        <source>&amp;As Words and Clues</source>
        <translation>Als woorden &amp;en omschrijvingen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Import Word/Clue List</source>
        <translation>Lijst met woorden/omschrijvingen importeren</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Unable to open import file.</source>
        <translation>Het importbestand kon niet worden geopend.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>No word/clue seperator character specified.</source>
        <translation>Geen scheidingsteken tussen woord en omschrijving opgegeven.</translation>
    </message>
</context>
<context>
    <name>qx::WordSeparatorsDialog</name>
    <message>
        <source>Word Separator Characters</source>
        <translation>Woordscheidingstekens</translation>
    </message>
    <message>
        <source>The following characters (if checked) will be displayed in the puzzle where they are used by words.  This is useful in instances where the word to solve for is actually more than one word and you wish to have them separated in the puzzle itself.</source>
        <translation>De volgende tekens worden (indien aangevinkt) in de puzzel getoond op de plaats waar ze in woorden voorkomen. Dat is handig als het te raden woord eigenlijk uit meer dan één woord bestaat en je de delen in de puzzel zelf gescheiden wilt tonen.</translation>
    </message>
    <message>
        <source>&amp;Dash (-)</source>
        <translation>&amp;Streepje (-)</translation>
    </message>
    <message>
        <source>&amp;Slash (/)</source>
        <translation>Schuine st&amp;reep (/)</translation>
    </message>
    <message>
        <source>&amp;Plus (+)</source>
        <translation>&amp;Plusteken (+)</translation>
    </message>
    <message>
        <source>S&amp;tar (*)</source>
        <translation>S&amp;terretje (*)</translation>
    </message>
    <message>
        <source>&amp;User Defined</source>
        <translation>&amp;Eigen teken</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Character cannot be in A..Z.  Please correct.</source>
        <translation>Het teken mag niet tussen A en Z liggen. Corrigeer dit.</translation>
    </message>
</context>
<context>
    <name>qx::WordSuggestionsDialog</name>
    <message>
        <source>Word Suggestions</source>
        <translation>Woordsuggesties</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Suggestion for</source>
        <translation>Suggestie voor</translation>
    </message>
</context>
</TS>
