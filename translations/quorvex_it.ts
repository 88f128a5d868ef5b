<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ObjectMenu</name>
    <message>
        <source>&amp;Size &amp;&amp; Position...</source>
        <translation>&amp;Dimensioni &amp;&amp; posizione...</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Proprietà</translation>
    </message>
    <message>
        <source>B&amp;order</source>
        <translation>&amp;Bordo</translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation>&amp;Riempimento</translation>
    </message>
    <message>
        <source>Change &amp;Text...</source>
        <translation>Cambia &amp;testo...</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Sinistra</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Centro</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Destra</translation>
    </message>
    <message>
        <source>Text &amp;Font</source>
        <translation>&amp;Carattere testo</translation>
    </message>
    <message>
        <source>&amp;Clue Number Font</source>
        <translation>Carattere &amp;numeri</translation>
    </message>
    <message>
        <source>Load B&amp;itmap</source>
        <translation>Carica &amp;immagine</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>&amp;Bring To Front</source>
        <translation>Porta in pri&amp;mo piano</translation>
    </message>
    <message>
        <source>&amp;Send To Back</source>
        <translation>Porta in &amp;secondo piano</translation>
    </message>
    <message>
        <source>Answer Key Font</source>
        <translation>Carattere soluzioni</translation>
    </message>
    <message>
        <source>Text &amp;Alignment</source>
        <translation>&amp;Allineamento testo</translation>
    </message>
</context>
<context>
    <name>PrintStatusDialog</name>
    <message>
        <source>One or more bitmaps in the layout design could not be located.</source>
        <translation>Impossibile trovare una o più immagini del layout.</translation>
    </message>
    <message>
        <source>Puzzle Clues would not fit in allocated space.  You will need to change the alotted clue space on the page layout, change the font size for the clues or select the &quot;Make It Fit&quot; attribute for the clue fonts.</source>
        <translation>Le definizioni non entrano nello spazio assegnato. Cambia lo spazio riservato alle definizioni nel layout di pagina, cambia la dimensione del carattere delle definizioni oppure attiva l&apos;opzione «Adatta dimensione» per il carattere delle definizioni.</translation>
    </message>
    <message>
        <source>Puzzle Words would not fit in allocated space.  You will need to change the alotted word space on the page layout, change the font size for the words or select the &quot;Make It Fit&quot; attribute for the puzzle words.</source>
        <translation>Le parole non entrano nello spazio assegnato. Cambia lo spazio riservato alle parole nel layout di pagina, cambia la dimensione del carattere delle parole oppure attiva l&apos;opzione «Adatta dimensione» per le parole del cruciverba.</translation>
    </message>
    <message>
        <source>Text would not fit in allocated space.  You will need to change the alotted text space on the page layout, change the font size for the text or select the &quot;Make It Fit&quot; attribute for the text object.</source>
        <translation>Il testo non entra nello spazio assegnato. Cambia lo spazio riservato al testo nel layout di pagina, cambia la dimensione del carattere del testo oppure attiva l&apos;opzione «Adatta dimensione» per l&apos;oggetto di testo.</translation>
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
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be located.  Please make sure that it was installed.</source>
        <translation>Impossibile trovare il file della guida «%1». Verifica che sia stato installato.</translation>
    </message>
    <message>
        <source>its title</source>
        <translation>il titolo</translation>
    </message>
    <message>
        <source>its category</source>
        <translation>la categoria</translation>
    </message>
    <message>
        <source>its bonus question</source>
        <translation>la domanda bonus</translation>
    </message>
    <message>
        <source>its word %1</source>
        <translation>la parola %1</translation>
    </message>
    <message>
        <source>its clue %1</source>
        <translation>la definizione %1</translation>
    </message>
    <message>
        <source>%1 holds the control character %2</source>
        <translation>%1 contiene il carattere di controllo %2</translation>
    </message>
    <message>
        <source>The puzzle &quot;%1&quot; cannot be imported: %2.  Nothing was imported.</source>
        <translation>Impossibile importare il cruciverba «%1»: %2. Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>Import Puzzles</source>
        <translation>Importa cruciverba</translation>
    </message>
    <message>
        <source>The file selected is not a valid Quorvex file.</source>
        <translation>Il file selezionato non è un file Quorvex valido.</translation>
    </message>
    <message>
        <source>Puzzle could not be imported.</source>
        <translation>Impossibile importare il cruciverba.</translation>
    </message>
    <message>
        <source>Puzzle file is corrupt or incompatible.  Import aborted.</source>
        <translation>Il file del cruciverba è danneggiato o incompatibile. Importazione interrotta.</translation>
    </message>
    <message>
        <source>Unable to save puzzle.</source>
        <translation>Impossibile salvare il cruciverba.</translation>
    </message>
    <message>
        <source>Import File cannot be the same as the currently open file.</source>
        <translation>Il file da importare non può essere il file aperto.</translation>
    </message>
    <message>
        <source>Create New Puzzle</source>
        <translation>Crea nuovo cruciverba</translation>
    </message>
    <message>
        <source>Unable to access Word List file.</source>
        <translation>Impossibile accedere al file dell&apos;elenco di parole.</translation>
    </message>
    <message>
        <source>Modify Existing Puzzle</source>
        <translation>Modifica cruciverba esistente</translation>
    </message>
    <message>
        <source>Create New Puzzle (copy of existing puzzle)</source>
        <translation>Crea nuovo cruciverba (copia di un cruciverba esistente)</translation>
    </message>
    <message>
        <source>Unable to load puzzle.</source>
        <translation>Impossibile caricare il cruciverba.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>These files could not be copied into %1: %2</source>
        <translation>Impossibile copiare questi file in %1: %2</translation>
    </message>
    <message>
        <source>The settings could not be read; the program starts with its defaults.</source>
        <translation>Impossibile leggere le impostazioni; il programma parte con le impostazioni predefinite.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>User generated puzzles from a previous version of Quorvex have been detected.  Would you like to convert them to a puzzle group?</source>
        <translation>Sono stati trovati cruciverba creati con una versione precedente di Quorvex. Vuoi convertirli in una raccolta?</translation>
    </message>
    <message>
        <source>Puzzles could not be imported.</source>
        <translation>Impossibile importare i cruciverba.</translation>
    </message>
    <message>
        <source>Unable to save puzzles.</source>
        <translation>Impossibile salvare i cruciverba.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A new puzzle group named &quot;%1&quot; has been created.</source>
        <translation>È stata creata una nuova raccolta di nome «%1».</translation>
    </message>
    <message>
        <source>User generated shapes from a previous version of Quorvex have been detected.  Would you like to add them to the current list of puzzle shapes?</source>
        <translation>Sono state trovate forme create con una versione precedente di Quorvex. Vuoi aggiungerle all&apos;elenco attuale delle forme?</translation>
    </message>
    <message>
        <source>Unable to add shapes.</source>
        <translation>Impossibile aggiungere le forme.</translation>
    </message>
    <message>
        <source>Puzzle shapes have been added.</source>
        <translation>Le forme sono state aggiunte.</translation>
    </message>
    <message>
        <source>Creation Attempt #%1</source>
        <translation>Tentativo di creazione n. %1</translation>
    </message>
    <message>
        <source>%1 of %2 words</source>
        <translation>%1 parole su %2</translation>
    </message>
    <message>
        <source>Thorough Search</source>
        <translation>Ricerca approfondita</translation>
    </message>
    <message>
        <source>Aborted: %1</source>
        <translation>Interrotto: %1</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Aborted on creation Attempt #%1</source>
        <translation>Interrotto al tentativo di creazione n. %1</translation>
    </message>
    <message>
        <source>Square %1 × %1</source>
        <translation>Quadrato %1 × %1</translation>
    </message>
    <message>
        <source>Aborted on square %1 × %1</source>
        <translation>Interrotto al quadrato %1 × %1</translation>
    </message>
    <message>
        <source>%1 × %1 every word</source>
        <translation>%1 × %1 tutte le parole</translation>
    </message>
    <message>
        <source>%1 × %1 %2</source>
        <translation>%1 × %1 %2</translation>
    </message>
    <message>
        <source>Squares tried: %1.</source>
        <translation>Quadrati provati: %1.</translation>
    </message>
    <message>
        <source>Longer than any row or column of the shape.</source>
        <translation>Più lunga di qualsiasi riga o colonna della forma.</translation>
    </message>
    <message>
        <source>No letter in common with the words placed.</source>
        <translation>Nessuna lettera in comune con le parole inserite.</translation>
    </message>
    <message>
        <source>Every position crossing a placed word is blocked; the first by &quot;%1&quot;.</source>
        <translation>Ogni posizione che incrocia una parola inserita è bloccata; la prima da «%1».</translation>
    </message>
    <message>
        <source>Every position crossing a placed word is blocked; the first by the edge of the shape.</source>
        <translation>Ogni posizione che incrocia una parola inserita è bloccata; la prima dal bordo della forma.</translation>
    </message>
    <message>
        <source>Not tried: the attempt stopped early.</source>
        <translation>Non provata: il tentativo si è fermato prima.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 words
%4 crossings per word, %5% fill</source>
        <translation>%1: %2 parole su %3
%4 incroci per parola, riempimento %5%</translation>
    </message>
    <message>
        <source>Best Fit</source>
        <translation>Miglior risultato</translation>
    </message>
    <message>
        <source>Second Best Fit</source>
        <translation>Secondo risultato</translation>
    </message>
    <message>
        <source>Third Best Fit</source>
        <translation>Terzo risultato</translation>
    </message>
    <message>
        <source>Fourth Best Fit</source>
        <translation>Quarto risultato</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; (%2) cannot be stored in a shape name.</source>
        <translation>Il carattere «%1» (%2) non può essere memorizzato nel nome di una forma.</translation>
    </message>
    <message>
        <source>The character %1 cannot be stored in a shape name.</source>
        <translation>Il carattere %1 non può essere memorizzato nel nome di una forma.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; (%2) cannot be used in a heading.</source>
        <translation>Il carattere «%1» (%2) non può essere usato in un&apos;intestazione.</translation>
    </message>
    <message>
        <source>The character %1 cannot be used in a heading.</source>
        <translation>Il carattere %1 non può essere usato in un&apos;intestazione.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; (%2) cannot be stored in a puzzle.</source>
        <translation>Il carattere «%1» (%2) non può essere memorizzato in un cruciverba.</translation>
    </message>
    <message>
        <source>The character %1 cannot be stored in a puzzle.</source>
        <translation>Il carattere %1 non può essere memorizzato in un cruciverba.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>File %1</translation>
    </message>
    <message>
        <source>Font Colour</source>
        <translation>Colore carattere</translation>
    </message>
    <message>
        <source>%1 was changed by another program.  %2</source>
        <translation>%1 è stato modificato da un altro programma. %2</translation>
    </message>
    <message>
        <source>Load Bitmap File</source>
        <translation>Carica file immagine</translation>
    </message>
    <message>
        <source>The file selected is not a valid bitmap file.</source>
        <translation>Il file selezionato non è un file immagine valido.</translation>
    </message>
    <message>
        <source>Your puzzle was not saved; reopen the collection to see the change.</source>
        <translation>Il cruciverba non è stato salvato; riapri la raccolta per vedere la modifica.</translation>
    </message>
    <message>
        <source>You have selected a puzzle shape with large dimensions.  Be advised that you may need to select a &quot;Page Layout&quot; that has a very large area for the puzzle in order for the puzzle to appear in a normal size.</source>
        <translation>Hai scelto una forma di grandi dimensioni. Potrebbe servire un «Layout di pagina» con un&apos;area molto grande per il cruciverba, perché il cruciverba appaia di dimensioni normali.</translation>
    </message>
    <message>
        <source>No title specified.  Please correct.</source>
        <translation>Nessun titolo indicato. Correggi.</translation>
    </message>
    <message>
        <source>No category specified.  Please correct.</source>
        <translation>Nessuna categoria indicata. Correggi.</translation>
    </message>
    <message>
        <source>No words have been entered.  Please correct.</source>
        <translation>Non è stata inserita nessuna parola. Correggi.</translation>
    </message>
    <message>
        <source>Attempts must be between 1 and 999.  Please correct.</source>
        <translation>I tentativi devono essere tra 1 e 999. Correggi.</translation>
    </message>
    <message>
        <source>Word is greater than puzzle dimension size of %1 characters in &quot;%2&quot;.</source>
        <translation>Parola più lunga della dimensione del cruciverba (%1 caratteri) in «%2».</translation>
    </message>
    <message>
        <source>The maximum word length as provided by the selected layout is %1.  The following word is greater than the maximum word length: &quot;%2&quot;.  You will need to correct the word or change the layout.</source>
        <translation>La lunghezza massima delle parole consentita dal layout scelto è %1. La parola seguente supera la lunghezza massima: «%2». Correggi la parola o cambia il layout.</translation>
    </message>
    <message>
        <source>The length of the clue for the word &quot;%1&quot; is %2 characters longer than the maximum clue size of 150.</source>
        <translation>La definizione della parola «%1» supera di %2 caratteri la lunghezza massima di 150.</translation>
    </message>
    <message>
        <source>A puzzle has never been generated for this word/clue list. Please select &quot;File|Modify&quot; from the menu and create the puzzle first</source>
        <translation>Per questo elenco di parole e definizioni non è mai stato generato un cruciverba. Scegli «File|Modifica cruciverba» dal menu e crea prima il cruciverba</translation>
    </message>
    <message>
        <source>This puzzle already holds %1 words, the most a puzzle can hold.  No word can be added.</source>
        <translation>Questo cruciverba contiene già %1 parole, il massimo possibile. Non si possono aggiungere altre parole.</translation>
    </message>
    <message>
        <source>The letters typed make %1 new words, but this puzzle has room for only %2 more.  Please remove some letters.</source>
        <translation>Le lettere digitate formano %1 nuove parole, ma in questo cruciverba c&apos;è posto solo per altre %2. Togli alcune lettere.</translation>
    </message>
    <message>
        <source>The letters &quot;%1&quot; make a word of %2 letters, but a word holds at most %3.  Please remove some letters.</source>
        <translation>Le lettere «%1» formano una parola di %2 lettere, ma una parola può averne al massimo %3. Togli alcune lettere.</translation>
    </message>
    <message>
        <source>Separator Char</source>
        <translation>Carattere separatore</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Riga %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more line(s).</source>
        <translation>
            <numerusform>... e ancora %n riga.</numerusform>
            <numerusform>... e ancora %n righe.</numerusform>
        </translation>
    </message>
    <message>
        <source>These lines of the file hold a character a puzzle cannot store:</source>
        <translation>Queste righe del file contengono un carattere che un cruciverba non può memorizzare:</translation>
    </message>
    <message>
        <source>Import the other lines?</source>
        <translation>Vuoi importare le altre righe?</translation>
    </message>
    <message>
        <source>word</source>
        <translation>l&apos;ultima parola</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>le ultime %1 parole</translation>
    </message>
    <message>
        <source>Too many words selected.  Last %1 will not be used.  Continue?</source>
        <translation>Troppe parole selezionate: il programma ignorerà %1. Vuoi continuare?</translation>
    </message>
    <message>
        <source>Bitmap (*.BMP)|*.BMP</source>
        <translation>Immagine bitmap (*.BMP)|*.BMP</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt|all files (*.*)|*.*</source>
        <translation>testo (*.txt)|*.txt|tutti i file (*.*)|*.*</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt</source>
        <translation>testo (*.txt)|*.txt</translation>
    </message>
</context>
<context>
    <name>SolvablePage</name>
    <message>
        <source>Every letter is right: the puzzle is solved.</source>
        <translation>Tutte le lettere sono giuste: il cruciverba è risolto.</translation>
    </message>
    <message>
        <source>Every square is filled in correctly.</source>
        <translation>Tutte le caselle sono compilate correttamente.</translation>
    </message>
    <message>
        <source>The puzzle is complete, with one letter revealed.</source>
        <translation>Il cruciverba è completo, con una lettera mostrata.</translation>
    </message>
    <message>
        <source>The puzzle is complete, with {n} letters revealed.</source>
        <extracomment>{n} stands for a number; keep it as it is.</extracomment>
        <translation>Il cruciverba è completo, con {n} lettere mostrate.</translation>
    </message>
    <message>
        <source>One letter is wrong.</source>
        <translation>Una lettera è sbagliata.</translation>
    </message>
    <message>
        <source>{n} letters are wrong.</source>
        <extracomment>{n} stands for a number; keep it as it is.</extracomment>
        <translation>{n} lettere sono sbagliate.</translation>
    </message>
    <message>
        <source>The letters filled in so far are right; one square is still empty.</source>
        <translation>Le lettere inserite finora sono giuste; una casella è ancora vuota.</translation>
    </message>
    <message>
        <source>The letters filled in so far are right; {n} squares are still empty.</source>
        <extracomment>{n} stands for a number; keep it as it is.</extracomment>
        <translation>Le lettere inserite finora sono giuste; {n} caselle sono ancora vuote.</translation>
    </message>
    <message>
        <source>This letter is right.</source>
        <translation>Questa lettera è giusta.</translation>
    </message>
    <message>
        <source>This word is right.</source>
        <translation>Questa parola è giusta.</translation>
    </message>
    <message>
        <source>The letter is revealed.</source>
        <translation>La lettera è stata mostrata.</translation>
    </message>
    <message>
        <source>The word is revealed.</source>
        <translation>La parola è stata mostrata.</translation>
    </message>
    <message>
        <source>The whole puzzle is revealed.</source>
        <translation>Tutto il cruciverba è stato mostrato.</translation>
    </message>
    <message>
        <source>The word is cleared.</source>
        <translation>La parola è stata cancellata.</translation>
    </message>
    <message>
        <source>Reveal every letter of this puzzle?  Revealed letters are marked and counted.</source>
        <translation>Vuoi mostrare tutte le lettere di questo cruciverba? Le lettere mostrate vengono segnate e contate.</translation>
    </message>
    <message>
        <source>Reveal puzzle</source>
        <translation>Mostra soluzione</translation>
    </message>
    <message>
        <source>Clear every letter of this puzzle?</source>
        <translation>Vuoi cancellare tutte le lettere di questo cruciverba?</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Cancella tutto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Time {n}</source>
        <extracomment>{n} stands for the time on the clock; keep it as it is.</extracomment>
        <translation>Tempo {n}</translation>
    </message>
    <message>
        <source>Pause the timer</source>
        <translation>Metti in pausa il cronometro</translation>
    </message>
    <message>
        <source>Resume the timer</source>
        <translation>Riprendi il cronometro</translation>
    </message>
    <message>
        <source>The timer is paused.</source>
        <translation>Il cronometro è in pausa.</translation>
    </message>
</context>
<context>
    <name>TipOfTheDayDialog</name>
    <message>
        <source>You can spell check your words and clues using an American, British, Spanish, Italian, French, German, Dutch or Swedish dictionary.</source>
        <translation>Puoi controllare l&apos;ortografia di parole e definizioni con un dizionario americano, britannico, spagnolo, italiano, francese, tedesco, olandese o svedese.</translation>
    </message>
    <message>
        <source>You can add words or exclude words from each of the spell checking dictionaries.</source>
        <translation>Puoi aggiungere o escludere parole in ciascuno dei dizionari del controllo ortografico.</translation>
    </message>
    <message>
        <source>You can look up definitions of words using a 50,000 word American or British thesaurus.</source>
        <translation>Puoi cercare il significato delle parole in un dizionario dei sinonimi americano o britannico di 50.000 parole.</translation>
    </message>
    <message>
        <source>You can specify &quot;word separator&quot; characters that can be used to split up multi-word answers.  These characters will show up in the puzzle.</source>
        <translation>Puoi indicare dei caratteri «separatori di parole» con cui dividere le risposte formate da più parole. Questi caratteri compariranno nel cruciverba.</translation>
    </message>
    <message>
        <source>You can specify fonts to use for input fields, labels and buttons. User specified fonts for input fields greatly facilitates foreign language input.</source>
        <translation>Puoi scegliere i caratteri da usare per i campi di inserimento, le etichette e i pulsanti. Un carattere scelto apposta per i campi di inserimento facilita molto la scrittura in lingue straniere.</translation>
    </message>
    <message>
        <source>You can change the puzzle title and category after it has been created.</source>
        <translation>Puoi cambiare il titolo e la categoria del cruciverba dopo averlo creato.</translation>
    </message>
    <message>
        <source>You can change the clues to the puzzle after it has been created.</source>
        <translation>Puoi cambiare le definizioni del cruciverba dopo averlo creato.</translation>
    </message>
    <message>
        <source>You can add new words and clues, placing the words manually in the location you desire after the puzzle has been created.</source>
        <translation>Dopo aver creato il cruciverba puoi aggiungere nuove parole e definizioni, inserendo a mano le parole nella posizione che preferisci.</translation>
    </message>
    <message>
        <source>You can change the puzzle layout or change the bonus question after the puzzle has been created.</source>
        <translation>Puoi cambiare il layout del cruciverba o la domanda bonus dopo aver creato il cruciverba.</translation>
    </message>
    <message>
        <source>You can create your own puzzle shapes from scratch or from an existing shape.  You can also share them with others (import &amp;&amp; export)</source>
        <translation>Puoi creare le tue forme del cruciverba da zero o partendo da una forma esistente. Puoi anche condividerle con altri (importa &amp;&amp; esporta)</translation>
    </message>
    <message>
        <source>You can export your created puzzles in a variety of graphic formats so that the puzzles can readily be used in Word Processors, Desktop Publishers, etc.</source>
        <translation>Puoi esportare i cruciverba creati in diversi formati grafici, così da usarli facilmente in programmi di videoscrittura, di impaginazione, ecc.</translation>
    </message>
    <message>
        <source>You can choose to print the puzzle with some of the answers filled in to give a &quot;head start&quot;.</source>
        <translation>Puoi stampare il cruciverba con alcune risposte già scritte, per dare un «aiuto iniziale».</translation>
    </message>
    <message>
        <source>You can choose to print the puzzle with certain letters showing up in the puzzle.  Great for hints.</source>
        <translation>Puoi stampare il cruciverba con alcune lettere già visibili nella griglia. Ottimo per dare indizi.</translation>
    </message>
    <message>
        <source>You can choose and override any fonts for any section of puzzle print out.  This includes size, color and style.</source>
        <translation>Puoi scegliere e cambiare i caratteri di qualsiasi parte del cruciverba stampato, compresi dimensione, colore e stile.</translation>
    </message>
    <message>
        <source>You can choose to have text printed in a &quot;transparent&quot; mode so that underlying graphics and bitmaps will show through.</source>
        <translation>Puoi far stampare il testo in modalità «trasparente», così che la grafica e le immagini sottostanti restino visibili.</translation>
    </message>
    <message>
        <source>You can choose to have borders placed around clues, titles, headers, text, shapes and specify the width and color.</source>
        <translation>Puoi mettere bordi attorno a definizioni, titoli, intestazioni, testo e forme, scegliendone lo spessore e il colore.</translation>
    </message>
    <message>
        <source>You can choose to have the numbered letters in the puzzle print out either vertical or horizontal.</source>
        <translation>Puoi far stampare i numeri nella griglia in verticale o in orizzontale.</translation>
    </message>
    <message>
        <source>You can choose to print a list of the words in the puzzle on the printout as a guide or as clues.</source>
        <translation>Puoi stampare sul foglio l&apos;elenco delle parole del cruciverba, come aiuto o come definizioni.</translation>
    </message>
    <message>
        <source>You can add bonus questions to the puzzles--good for extra credit.</source>
        <translation>Puoi aggiungere domande bonus ai cruciverba, utili per un punteggio extra.</translation>
    </message>
    <message>
        <source>You can add squares, circles, bitmaps and text to the puzzle layouts.  Spice it up with fancy bitmaps or add your own informative text.</source>
        <translation>Puoi aggiungere quadrati, cerchi, immagini e testo ai layout dei cruciverba. Rendili più vivaci con belle immagini o aggiungi testi informativi tuoi.</translation>
    </message>
    <message>
        <source>You can design your own Puzzle Page layout. Place the puzzle, clues, title, etc where you want them, the size you want them, the color you want them and more!</source>
        <translation>Puoi progettare il tuo layout di pagina. Metti il cruciverba, le definizioni, il titolo e il resto dove vuoi, della dimensione e del colore che vuoi, e molto altro!</translation>
    </message>
    <message>
        <source>You can instruct the program to &quot;Auto Fit&quot; fonts into the designated areas you have specified for clues, titles, words, text, etc.</source>
        <translation>Con l&apos;opzione «Adatta dimensione» puoi far entrare automaticamente i caratteri nelle aree che hai stabilito per definizioni, titoli, parole, testo, ecc.</translation>
    </message>
    <message>
        <source>You can export a puzzle as a ready to use Web Page (in HTML format)</source>
        <translation>Puoi esportare un cruciverba come pagina web pronta all&apos;uso (in formato HTML)</translation>
    </message>
    <message>
        <source>You can assign over 60 foreign characters to the F1 - F12 keys to be used in the puzzle creation window.</source>
        <translation>Puoi assegnare ai tasti da F1 a F12 più di 60 caratteri stranieri da usare nella finestra di creazione del cruciverba.</translation>
    </message>
    <message>
        <source>You can choose to print the puzzle as a &quot;skeleton&quot; puzzle where just the blocks containing words are printed.</source>
        <translation>Puoi stampare il cruciverba «senza caselle nere», cioè stampando solo le caselle che contengono le parole.</translation>
    </message>
    <message>
        <source>You can choose the number of columns to use for printing clues in each designated area for the clues.</source>
        <translation>Puoi scegliere il numero di colonne con cui stampare le definizioni in ciascuna area riservata alle definizioni.</translation>
    </message>
    <message>
        <source>You can create your own puzzle page layouts from scratch or from an existing layout.  You can also share them with others (import &amp;&amp; export)</source>
        <translation>Puoi creare i tuoi layout di pagina da zero o partendo da un layout esistente. Puoi anche condividerli con altri (importa &amp;&amp; esporta)</translation>
    </message>
    <message>
        <source>You can have the best 4 puzzle creation fits displayed and you can choose from them for your desired puzzle.  Double clicking on one one of them will zoom in for a closer look.</source>
        <translation>Puoi vedere i 4 migliori risultati della creazione e scegliere fra questi il cruciverba che preferisci. Con un doppio clic su uno di essi lo ingrandisci per guardarlo meglio.</translation>
    </message>
    <message>
        <source>You can maintain multiple sets of crosswords files.  Import and export puzzles among the files.</source>
        <translation>Puoi tenere più raccolte di cruciverba in file diversi. Importa ed esporta i cruciverba da un file all&apos;altro.</translation>
    </message>
    <message>
        <source>You can import a word list, clue list or combined word and clue list from a text file.</source>
        <translation>Puoi importare da un file di testo un elenco di parole, di definizioni o di parole e definizioni insieme.</translation>
    </message>
</context>
<context>
    <name>qx</name>
    <message>
        <source>Not a regular file</source>
        <translation>Non è un file normale</translation>
    </message>
    <message>
        <source>File is larger than %1 bytes</source>
        <translation>Il file supera i %1 byte</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;?</source>
        <translation>Vuoi davvero eliminare «%1»?</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Eliminare?</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Errore del disco</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Orizzontali</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Verticali</translation>
    </message>
    <message>
        <source>%1 %2: %3, letter %4 of %5</source>
        <translation>%1 %2: %3, lettera %4 di %5</translation>
    </message>
    <message>
        <source>Puzzle tools</source>
        <translation>Strumenti del cruciverba</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Check letter</source>
        <translation>Verifica lettera</translation>
    </message>
    <message>
        <source>Check word</source>
        <translation>Verifica parola</translation>
    </message>
    <message>
        <source>Check puzzle</source>
        <translation>Verifica cruciverba</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Reveal letter</source>
        <translation>Mostra lettera</translation>
    </message>
    <message>
        <source>Reveal word</source>
        <translation>Mostra parola</translation>
    </message>
    <message>
        <source>Reveal puzzle...</source>
        <translation>Mostra soluzione...</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Matita</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Clear word</source>
        <translation>Cancella parola</translation>
    </message>
    <message>
        <source>Clear all...</source>
        <translation>Cancella tutto...</translation>
    </message>
    <message>
        <source>Print blank grid</source>
        <translation>Stampa griglia vuota</translation>
    </message>
    <message>
        <source>Print with my letters</source>
        <translation>Stampa con le mie lettere</translation>
    </message>
    <message>
        <source>Previous word</source>
        <translation>Parola precedente</translation>
    </message>
    <message>
        <source>Next word</source>
        <translation>Parola successiva</translation>
    </message>
    <message>
        <source>page layout library</source>
        <translation>libreria dei layout di pagina</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>Controllo ortografico</translation>
    </message>
    <message>
        <source>Could not find one of the dictionary files.</source>
        <translation>Impossibile trovare uno dei file del dizionario.</translation>
    </message>
    <message>
        <source>Spelling Ok</source>
        <translation>Ortografia corretta</translation>
    </message>
    <message>
        <source>All words were found in the dictionary.</source>
        <translation>Tutte le parole sono state trovate nel dizionario.</translation>
    </message>
    <message>
        <source>Spelling Status</source>
        <translation>Stato del controllo ortografico</translation>
    </message>
    <message>
        <source>Spell checking aborted.</source>
        <translation>Controllo ortografico interrotto.</translation>
    </message>
    <message>
        <source>Spell checking complete.</source>
        <translation>Controllo ortografico completato.</translation>
    </message>
    <message>
        <source>Thesaurus</source>
        <translation>Sinonimi</translation>
    </message>
    <message>
        <source>There is no Dutch thesaurus: Dutch words can be spell checked but not looked up.</source>
        <translation>Non esiste un dizionario dei sinonimi olandese: le parole olandesi si possono controllare nell&apos;ortografia, ma non cercare tra i sinonimi.</translation>
    </message>
    <message>
        <source>Suggested clues need WordNet (the Debian package wordnet-base) or a thesaurus, and neither is installed.</source>
        <translation>Per suggerire le definizioni servono WordNet (il pacchetto Debian wordnet-base) o un dizionario dei sinonimi, e nessuno dei due è installato.</translation>
    </message>
    <message>
        <source>Suggest Clues</source>
        <translation>Suggerisci definizioni</translation>
    </message>
    <message>
        <source>There is no Dutch thesaurus, so no clues can be suggested for Dutch words.  Choose another thesaurus under Options, Thesaurus Type.</source>
        <translation>Non esiste un dizionario dei sinonimi olandese, quindi non si possono suggerire definizioni per parole olandesi. Scegli un altro dizionario dei sinonimi in Opzioni, Dizionario dei sinonimi.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>No clues can be suggested: neither WordNet (the Debian package wordnet-base) nor the English thesaurus is installed.</source>
        <translation>Impossibile suggerire definizioni: non sono installati né WordNet (il pacchetto Debian wordnet-base) né il dizionario dei sinonimi inglese.</translation>
    </message>
    <message>
        <source>No clues can be suggested: the %1 thesaurus is not installed.</source>
        <translation>Impossibile suggerire definizioni: il dizionario dei sinonimi (%1) non è installato.</translation>
    </message>
    <message>
        <source>shape library</source>
        <translation>libreria delle forme</translation>
    </message>
    <message>
        <source>puzzle collection</source>
        <translation>raccolta di cruciverba</translation>
    </message>
    <message>
        <source>A link another user made in a shared folder is not followed; nothing was written</source>
        <translation>Un collegamento creato da un altro utente in una cartella condivisa non viene seguito; non è stato scritto nulla</translation>
    </message>
    <message>
        <source>There is no puzzle to export</source>
        <translation>Non c&apos;è nessun cruciverba da esportare</translation>
    </message>
    <message>
        <source>The puzzle has no placed word to solve</source>
        <translation>Il cruciverba non ha parole inserite da risolvere</translation>
    </message>
    <message>
        <source>The .puz format holds grids of at most %1 by %1 squares; this one is %2 by %3</source>
        <translation>Il formato .puz contiene griglie di al massimo %1 per %1 caselle; questa è di %2 per %3</translation>
    </message>
    <message>
        <source>The .puz format cannot hold this puzzle: two words lie on the same squares (&quot;%1&quot;)</source>
        <translation>Il formato .puz non può contenere questo cruciverba: due parole occupano le stesse caselle («%1»)</translation>
    </message>
    <message>
        <source>The .puz format cannot hold the character &quot;%1&quot; in a square</source>
        <translation>Il formato .puz non può contenere il carattere «%1» in una casella</translation>
    </message>
    <message>
        <source>The .puz format cannot hold this puzzle: the squares %1 from row %2, column %3 are not one of its words</source>
        <translation>Il formato .puz non può contenere questo cruciverba: le caselle %1 dalla riga %2, colonna %3 non formano una delle sue parole</translation>
    </message>
    <message>
        <source>down</source>
        <translation>in verticale</translation>
    </message>
    <message>
        <source>across</source>
        <translation>in orizzontale</translation>
    </message>
    <message>
        <source>The .puz format cannot hold this puzzle: the word &quot;%1&quot; is not a run of two or more squares between black squares</source>
        <translation>Il formato .puz non può contenere questo cruciverba: la parola «%1» non è una sequenza di due o più caselle tra caselle nere</translation>
    </message>
    <message>
        <source>A page %1 pixels wide cannot be made</source>
        <translation>Impossibile creare una pagina larga %1 pixel</translation>
    </message>
    <message>
        <source>A metafile needs a rendered page to draw again</source>
        <translation>Per ridisegnare un metafile serve una pagina già elaborata</translation>
    </message>
    <message>
        <source>A text holds a character the page cannot hold</source>
        <translation>Un testo contiene un carattere che la pagina non può contenere</translation>
    </message>
    <message>
        <source>Its picture would have the same name</source>
        <translation>La sua immagine avrebbe lo stesso nome</translation>
    </message>
    <message>
        <source>The %1 could not be made</source>
        <translation>Impossibile creare il file %1</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lettera</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Legale</translation>
    </message>
    <message>
        <source>Executive</source>
        <translation>Executive</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lettura oltre la fine del file</translation>
    </message>
    <message>
        <source>The file was changed by another program</source>
        <translation>Il file è stato modificato da un altro programma</translation>
    </message>
    <message>
        <source>%1 is damaged or is not a %2.  Nothing was saved.</source>
        <translation>Il file %1 è danneggiato o non è una %2. Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Not a whole number of records</source>
        <translation>Il file non contiene un numero intero di record</translation>
    </message>
    <message>
        <source>No such record</source>
        <translation>Record inesistente</translation>
    </message>
    <message>
        <source>The file is in use by another program</source>
        <translation>Il file è in uso da parte di un altro programma</translation>
    </message>
    <message>
        <source>The file keeps changing</source>
        <translation>Il file continua a cambiare</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)|*.bmp</source>
        <translation>Immagine bitmap (*.bmp)|*.bmp</translation>
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
        <translation>Metafile (*.WMF)|*.WMF</translation>
    </message>
    <message>
        <source>Enhanced Metafile (*.EMF)|*.EMF</source>
        <translation>Metafile esteso (*.EMF)|*.EMF</translation>
    </message>
    <message>
        <source>metafile</source>
        <translation>metafile</translation>
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
        <translation>pagina web (*.html)|*.html</translation>
    </message>
    <message>
        <source>Crossword Puzzle</source>
        <translation>Cruciverba</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a word&apos;s label: its number, then Across or Down</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Skip to the clues</source>
        <translation>Vai alle definizioni</translation>
    </message>
    <message>
        <source>en</source>
        <comment>language code</comment>
        <extracomment>The language code (BCP 47) of this translation: the page&apos;s lang attribute.</extracomment>
        <translation>it</translation>
    </message>
    <message>
        <source>Click a square or a clue and type the answer; typing follows the word&apos;s direction. The arrow keys move, Tab and Shift+Tab go to the next and the previous word, Backspace erases, a second click on a square (or the space bar) turns the direction, and Escape leaves the grid.</source>
        <translation>Fai clic su una casella o su una definizione e scrivi la risposta; le lettere seguono la direzione della parola. I tasti freccia spostano, Tab e Maiusc+Tab passano alla parola successiva e a quella precedente, Backspace cancella, un secondo clic su una casella (o la barra spaziatrice) cambia direzione ed Esc esce dalla griglia.</translation>
    </message>
    <message>
        <source>Tap a square or a clue and type; tap the square again to turn.</source>
        <translation>Tocca una casella o una definizione e scrivi; tocca di nuovo la casella per cambiare direzione.</translation>
    </message>
    <message>
        <source>Puzzle grid, %1 squares wide and %2 high</source>
        <translation>Griglia del cruciverba, larga %1 caselle e alta %2</translation>
    </message>
    <message>
        <source>Your letters and your time are kept in this browser. The answers are stored in this page in a simply scrambled form, so they cannot be read in its source at a glance.</source>
        <translation>Le tue lettere e il tuo tempo restano salvati in questo browser. Le soluzioni sono memorizzate in questa pagina in forma semplicemente rimescolata, così non si possono leggere a colpo d&apos;occhio nel codice sorgente.</translation>
    </message>
    <message>
        <source>SVG (*.svg)|*.svg</source>
        <translation>SVG (*.svg)|*.svg</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt</source>
        <translation>testo (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>html (*.htm)|*.htm</source>
        <translation>html (*.htm)|*.htm</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>A&amp;mericano</translation>
    </message>
    <message>
        <source>American</source>
        <translation>americano</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>&amp;Britannico</translation>
    </message>
    <message>
        <source>British</source>
        <translation>britannico</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>Spa&amp;gnolo</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>spagnolo</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>&amp;Italiano</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>italiano</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Francese</translation>
    </message>
    <message>
        <source>French</source>
        <translation>francese</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Tedesco</translation>
    </message>
    <message>
        <source>German</source>
        <translation>tedesco</translation>
    </message>
    <message>
        <source>&amp;Dutch</source>
        <translation>O&amp;landese</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>olandese</translation>
    </message>
    <message>
        <source>S&amp;wedish</source>
        <translation>S&amp;vedese</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>svedese</translation>
    </message>
    <message>
        <source>not a thesaurus</source>
        <translation>non è un dizionario dei sinonimi</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>%1 was not found in the dictionary.  No suggestions could be found.</source>
        <translation>«%1» non è nel dizionario. Non è stato trovato nessun suggerimento.</translation>
    </message>
    <message>
        <source>Printing Page %p
%0
%1</source>
        <extracomment>%p is the page number; %0 and %1 are two lines of progress the renderer fills in.</extracomment>
        <translation>Stampa pagina %p
%0
%1</translation>
    </message>
    <message>
        <source>Printing page %p</source>
        <extracomment>%p is the page number.</extracomment>
        <translation>Stampa pagina %p</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Impossibile avviare la stampante.</translation>
    </message>
    <message>
        <source>QXMOR Files (*.QX3)|*.QX3</source>
        <translation>File QXMOR (*.QX3)|*.QX3</translation>
    </message>
    <message>
        <source>QXMOR Files (*.QX3)|*.QX3|16 bit QXMOR Files (*.QXM)|*.QXM</source>
        <translation>File QXMOR (*.QX3)|*.QX3|File QXMOR a 16 bit (*.QXM)|*.QXM</translation>
    </message>
    <message>
        <source>&lt;Current Puzzle&gt;</source>
        <translation>&lt;Cruciverba attuale&gt;</translation>
    </message>
    <message>
        <source>&lt;Smallest Square&gt;</source>
        <translation>&lt;Quadrato più piccolo&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;DEFAULT&gt;&gt;</source>
        <translation>&lt;&lt;PREDEFINITO&gt;&gt;</translation>
    </message>
</context>
<context>
    <name>qx::AboutBox</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Quorvex 98</source>
        <translation>Quorvex 98</translation>
    </message>
    <message>
        <source>Version 3.1</source>
        <translation>Versione 3.1</translation>
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
        <translation>Aggiungi una definizione</translation>
    </message>
    <message>
        <source>Word:</source>
        <translation>Parola:</translation>
    </message>
    <message>
        <source>Clue:</source>
        <translation>Definizione:</translation>
    </message>
    <message>
        <source>&amp;Upper Case</source>
        <translation>&amp;Maiuscolo</translation>
    </message>
    <message>
        <source>&amp;Lower Case</source>
        <translation>Mi&amp;nuscolo</translation>
    </message>
    <message>
        <source>&amp;First Letter Cap</source>
        <translation>&amp;Iniziale maiuscola</translation>
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
        <translation>Domanda bonus</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>qx::BorderDialog</name>
    <message>
        <source>&amp;Use Border</source>
        <translation>&amp;Usa bordo</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>&amp;Cambia colore</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Spessore</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Colore bordo</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Invalid width entered.</source>
        <translation>Spessore non valido.</translation>
    </message>
    <message>
        <source>Border Info for %1</source>
        <translation>Bordo di %1</translation>
    </message>
</context>
<context>
    <name>qx::BuildProgressDialog</name>
    <message>
        <source>Building Puzzles</source>
        <translation>Creazione dei cruciverba</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Interrompi</translation>
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
        <translation>Cruciverba creato</translation>
    </message>
    <message>
        <source>&amp;Save Puzzle</source>
        <translation>&amp;Salva cruciverba</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>One or more words did not fit into the puzzle.  Save Puzzle anyway?</source>
        <translation>Una o più parole non sono entrate nel cruciverba. Vuoi salvare comunque il cruciverba?</translation>
    </message>
    <message>
        <source>%1 Included Word</source>
        <translation>%1 parola inclusa</translation>
    </message>
    <message>
        <source>%1 Included Words</source>
        <translation>%1 parole incluse</translation>
    </message>
    <message>
        <source>%1 Excluded Word</source>
        <translation>%1 parola esclusa</translation>
    </message>
    <message>
        <source>%1 Excluded Words</source>
        <translation>%1 parole escluse</translation>
    </message>
</context>
<context>
    <name>qx::ClueHeadersDialog</name>
    <message>
        <source>Default Clue Headers</source>
        <translation>Intestazioni predefinite delle definizioni</translation>
    </message>
    <message>
        <source>Clue Headers</source>
        <translation>Intestazioni delle definizioni</translation>
    </message>
    <message>
        <source>Across Header</source>
        <translation>Intestazione orizzontali</translation>
    </message>
    <message>
        <source>Down Header</source>
        <translation>Intestazione verticali</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>qx::ClueSuggestionsDialog</name>
    <message>
        <source>Suggest Clues</source>
        <translation>Suggerisci definizioni</translation>
    </message>
    <message>
        <source>Suggestions (%1) for %2 of %3 words.  Choose or change each clue, then accept; a clue left empty is not changed.</source>
        <translation>Suggerimenti (%1) per %2 parole su %3. Scegli o modifica ogni definizione, poi accetta; una definizione lasciata vuota non viene cambiata.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Definizione</translation>
    </message>
    <message>
        <source>(no suggestion)</source>
        <translation>(nessun suggerimento)</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>A&amp;ccetta</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>qx::CopiesDialog</name>
    <message>
        <source>Multi-Copies</source>
        <translation>Copie multiple</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Copies To Print</source>
        <translation>Copie da stampare</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Invalid number of copies entered.</source>
        <translation>Numero di copie non valido.</translation>
    </message>
</context>
<context>
    <name>qx::DictionaryMaintenanceDialog</name>
    <message>
        <source>Dictionary Maintenance</source>
        <translation>Gestione dizionario</translation>
    </message>
    <message>
        <source>These words will be added to the %1 dictionary and counted as valid.</source>
        <translation>Queste parole saranno aggiunte al dizionario (%1) e considerate valide.</translation>
    </message>
    <message>
        <source>These words will be excluded from the  %1 dictionary and will be invalid.</source>
        <translation>Queste parole saranno escluse dal dizionario (%1) e considerate non valide.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;ggiungi</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>qx::EnlargedCandidateDialog</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>qx::ExportPuzzlesDialog</name>
    <message>
        <source>Export Crossword Puzzles</source>
        <translation>Esporta cruciverba</translation>
    </message>
    <message>
        <source>Puzzles Available For Export</source>
        <translation>Cruciverba disponibili per l&apos;esportazione</translation>
    </message>
    <message>
        <source>Save &amp;File</source>
        <translation>Salva &amp;file</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>No puzzles have been selected for export.</source>
        <translation>Non è stato selezionato nessun cruciverba da esportare.</translation>
    </message>
    <message>
        <source>Save Crossword Puzzles</source>
        <translation>Salva cruciverba</translation>
    </message>
    <message>
        <source>No puzzles were exported; the list now shows the change.</source>
        <translation>Non è stato esportato nessun cruciverba; l&apos;elenco ora mostra la modifica.</translation>
    </message>
    <message>
        <source>Unable to export puzzles.</source>
        <translation>Impossibile esportare i cruciverba.</translation>
    </message>
    <message>
        <source>Export File cannot be the same as the currently open file.</source>
        <translation>Il file di esportazione non può essere il file aperto.</translation>
    </message>
</context>
<context>
    <name>qx::ExtractLayoutDialog</name>
    <message>
        <source>Extract Page Layout From Puzzle</source>
        <translation>Estrai layout di pagina da un cruciverba</translation>
    </message>
    <message>
        <source>Available Puzzles</source>
        <translation>Cruciverba disponibili</translation>
    </message>
    <message>
        <source>&amp;Extract</source>
        <translation>&amp;Estrai</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>No puzzles have been selected for export.</source>
        <translation>Non è stato selezionato nessun cruciverba.</translation>
    </message>
    <message>
        <source>No layout was extracted; the list now shows the change.</source>
        <translation>Non è stato estratto nessun layout; l&apos;elenco ora mostra la modifica.</translation>
    </message>
    <message>
        <source>Unable to open puzzle.</source>
        <translation>Impossibile aprire il cruciverba.</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Errore del disco</translation>
    </message>
    <message>
        <source>Unable to add page layout.</source>
        <translation>Impossibile aggiungere il layout di pagina.</translation>
    </message>
</context>
<context>
    <name>qx::FillDialog</name>
    <message>
        <source>&amp;Fill In Shape</source>
        <translation>&amp;Riempi la forma</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>&amp;Cambia colore</translation>
    </message>
    <message>
        <source>Fill Color</source>
        <translation>Colore riempimento</translation>
    </message>
    <message>
        <source>Fill Info for %1</source>
        <translation>Riempimento di %1</translation>
    </message>
</context>
<context>
    <name>qx::GridPropertiesDialog</name>
    <message>
        <source>Skeleton Puzzle</source>
        <translation>Senza caselle nere</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>&amp;Cambia colore</translation>
    </message>
    <message>
        <source>Ch&amp;ange Color</source>
        <translation>Cam&amp;bia colore</translation>
    </message>
    <message>
        <source>Puzzle Fill Color</source>
        <translation>Colore caselle nere</translation>
    </message>
    <message>
        <source>Puzzle Block Color</source>
        <translation>Colore caselle bianche</translation>
    </message>
    <message>
        <source>Puzzle Line Color</source>
        <translation>Colore linee</translation>
    </message>
    <message>
        <source>Puzzle Line Width</source>
        <translation>Spessore linee</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Invalid width entered.</source>
        <translation>Spessore non valido.</translation>
    </message>
    <message>
        <source>Properties for %1</source>
        <translation>Proprietà di %1</translation>
    </message>
</context>
<context>
    <name>qx::HeadingTextDialog</name>
    <message>
        <source>Across Header</source>
        <translation>Intestazione orizzontali</translation>
    </message>
    <message>
        <source>Down Header</source>
        <translation>Intestazione verticali</translation>
    </message>
</context>
<context>
    <name>qx::HelpWindow</name>
    <message>
        <source>Quorvex 98 Help</source>
        <translation>Guida di Quorvex 98</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>qx::ImportPuzzlesDialog</name>
    <message>
        <source>Import Crossword Puzzles</source>
        <translation>Importa cruciverba</translation>
    </message>
    <message>
        <source>Puzzles in File</source>
        <translation>Cruciverba nel file</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>No puzzles have been selected for import.</source>
        <translation>Non è stato selezionato nessun cruciverba da importare.</translation>
    </message>
    <message>
        <source>No puzzles were imported; the list now shows the change.</source>
        <translation>Non è stato importato nessun cruciverba; l&apos;elenco ora mostra la modifica.</translation>
    </message>
    <message>
        <source>Unable to import puzzles.</source>
        <translation>Impossibile importare i cruciverba.</translation>
    </message>
    <message>
        <source>File Name: %1</source>
        <translation>Nome file: %1</translation>
    </message>
</context>
<context>
    <name>qx::InternationalCharactersDialog</name>
    <message>
        <source>International Characters</source>
        <translation>Caratteri internazionali</translation>
    </message>
    <message>
        <source>The function keys F1 through F12 can be assigned any number of international characters.  The function keys will play back the assigned international key in the Puzzle Creation Window.</source>
        <translation>Ai tasti funzione da F1 a F12 si può assegnare qualsiasi carattere internazionale. Nella finestra di creazione del cruciverba i tasti funzione inseriscono il carattere assegnato.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>qx::JpegFactorDialog</name>
    <message>
        <source>JPEG Factor</source>
        <translation>Fattore JPEG</translation>
    </message>
    <message>
        <source>JPEG Compression/Quality Factor (Range: 1 - 100)</source>
        <translation>Fattore di compressione/qualità JPEG (intervallo: 1 - 100)</translation>
    </message>
    <message>
        <source>When the Factor is high, the image will be sharper, but the file size will be larger.  If the factor is lower, then the file size will be smaller, but the image will not be as sharp.</source>
        <translation>Con un fattore alto l&apos;immagine sarà più nitida, ma il file sarà più grande. Con un fattore più basso il file sarà più piccolo, ma l&apos;immagine sarà meno nitida.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Invalid factor entered.  Factor must be between 1 and 100</source>
        <translation>Fattore non valido. Il fattore deve essere tra 1 e 100</translation>
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
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>qx::LayoutLibraryDialog</name>
    <message>
        <source>Unable to delete page layout.</source>
        <translation>Impossibile eliminare il layout di pagina.</translation>
    </message>
    <message>
        <source>Page layout could not be imported.</source>
        <translation>Impossibile importare il layout di pagina.</translation>
    </message>
    <message>
        <source>Page layout file is corrupt or incompatible.  Import aborted.</source>
        <translation>Il file del layout di pagina è danneggiato o incompatibile. Importazione interrotta.</translation>
    </message>
    <message>
        <source>Unable to add page layout.</source>
        <translation>Impossibile aggiungere il layout di pagina.</translation>
    </message>
    <message>
        <source>Page layout could not be exported.</source>
        <translation>Impossibile esportare il layout di pagina.</translation>
    </message>
    <message>
        <source>Page Layout Exported!</source>
        <translation>Layout di pagina esportato.</translation>
    </message>
    <message>
        <source>Page Layouts (*.PAG)|*.PAG</source>
        <translation>Layout di pagina (*.PAG)|*.PAG</translation>
    </message>
    <message>
        <source>Puzzle Page Layouts</source>
        <translation>Layout di pagina dei cruciverba</translation>
    </message>
    <message>
        <source>Page Layouts</source>
        <translation>Layout di pagina</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Orizzontali</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Verticali</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Text, Shapes</source>
        <translation>Testo, forme</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Seleziona</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;limina</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>Es&amp;porta</translation>
    </message>
    <message>
        <source>Set De&amp;fault</source>
        <translation>Imposta pre&amp;definito</translation>
    </message>
    <message>
        <source>Ex&amp;tract</source>
        <translation>Es&amp;trai</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>No saved page layouts could be found.</source>
        <translation>Non è stato trovato nessun layout di pagina salvato.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>No page layout selected.</source>
        <translation>Nessun layout di pagina selezionato.</translation>
    </message>
    <message>
        <source>No layout has been selected.</source>
        <translation>Non è stato selezionato nessun layout.</translation>
    </message>
    <message>
        <source>Import Page Layouts</source>
        <translation>Importa layout di pagina</translation>
    </message>
    <message>
        <source>Export Page Layouts</source>
        <translation>Esporta layout di pagina</translation>
    </message>
</context>
<context>
    <name>qx::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New Puzzle Collection File</source>
        <translation>&amp;Nuovo file di raccolta</translation>
    </message>
    <message>
        <source>Create New Puzzle Collection File</source>
        <translation>Crea un nuovo file di raccolta di cruciverba</translation>
    </message>
    <message>
        <source>&amp;Open Puzzle Collection File</source>
        <translation>&amp;Apri file di raccolta</translation>
    </message>
    <message>
        <source>Open Puzzle Collection File</source>
        <translation>Apri un file di raccolta di cruciverba</translation>
    </message>
    <message>
        <source>Ne&amp;w Puzzle</source>
        <translation>N&amp;uovo cruciverba</translation>
    </message>
    <message>
        <source>Create New Puzzle</source>
        <translation>Crea un nuovo cruciverba</translation>
    </message>
    <message>
        <source>&amp;Modify Puzzle</source>
        <translation>&amp;Modifica cruciverba</translation>
    </message>
    <message>
        <source>Modify Puzzle</source>
        <translation>Modifica il cruciverba</translation>
    </message>
    <message>
        <source>&amp;Copy Puzzle</source>
        <translation>&amp;Copia cruciverba</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Copia il cruciverba</translation>
    </message>
    <message>
        <source>&amp;Delete Puzzle</source>
        <translation>E&amp;limina cruciverba</translation>
    </message>
    <message>
        <source>Delete Puzzle</source>
        <translation>Elimina il cruciverba</translation>
    </message>
    <message>
        <source>&amp;Import Puzzles</source>
        <translation>&amp;Importa cruciverba</translation>
    </message>
    <message>
        <source>Import Puzzles</source>
        <translation>Importa cruciverba</translation>
    </message>
    <message>
        <source>&amp;Export Puzzles</source>
        <translation>Espo&amp;rta cruciverba</translation>
    </message>
    <message>
        <source>Export Puzzles</source>
        <translation>Esporta cruciverba</translation>
    </message>
    <message>
        <source>&amp;Print Puzzle</source>
        <translation>&amp;Stampa cruciverba</translation>
    </message>
    <message>
        <source>Print Puzzle</source>
        <translation>Stampa il cruciverba</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>Im&amp;posta stampante</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Esci dal programma</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Page Layout</source>
        <translation>&amp;Layout di pagina</translation>
    </message>
    <message>
        <source>Page Layout Designer</source>
        <translation>Progettazione del layout di pagina</translation>
    </message>
    <message>
        <source>Puzzle &amp;Shape</source>
        <translation>&amp;Forma del cruciverba</translation>
    </message>
    <message>
        <source>Create Puzzle Shape</source>
        <translation>Crea una forma del cruciverba</translation>
    </message>
    <message>
        <source>Puzzle &amp;Words</source>
        <translation>&amp;Parole del cruciverba</translation>
    </message>
    <message>
        <source>Modify Puzzle Words</source>
        <translation>Modifica le parole del cruciverba</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Background Bitmap</source>
        <translation>Immagine di s&amp;fondo</translation>
    </message>
    <message>
        <source>&amp;JPEG Compression Factor</source>
        <translation>Fattore di compressione &amp;JPEG</translation>
    </message>
    <message>
        <source>&amp;International Characters</source>
        <translation>Caratteri &amp;internazionali</translation>
    </message>
    <message>
        <source>&amp;Clue Headers</source>
        <translation>Intes&amp;tazioni definizioni</translation>
    </message>
    <message>
        <source>&amp;Word Separator Chars</source>
        <translation>Separatori di paro&amp;le</translation>
    </message>
    <message>
        <source>&amp;Label Font</source>
        <translation>Carattere eti&amp;chette</translation>
    </message>
    <message>
        <source>E&amp;dit Font</source>
        <translation>Carattere ca&amp;mpi</translation>
    </message>
    <message>
        <source>B&amp;utton Font</source>
        <translation>Carattere &amp;pulsanti</translation>
    </message>
    <message>
        <source>S&amp;creen Size</source>
        <translation>Dimensioni &amp;schermo</translation>
    </message>
    <message>
        <source>C&amp;olors For Saving Bitmaps &amp;&amp; JPEGs</source>
        <translation>C&amp;olori per salvare BMP &amp;&amp; JPEG</translation>
    </message>
    <message>
        <source>&amp;256 Colors</source>
        <translation>&amp;256 colori</translation>
    </message>
    <message>
        <source>&amp;16 Million Colors</source>
        <translation>&amp;16 milioni di colori</translation>
    </message>
    <message>
        <source>&amp;Dictionary Type</source>
        <translation>Tipo di &amp;dizionario</translation>
    </message>
    <message>
        <source>&amp;Choose At Spell Check Time</source>
        <translation>&amp;Scegli al momento del controllo</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>&amp;Americano</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>&amp;Britannico</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>Spa&amp;gnolo</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>&amp;Italiano</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Francese</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Tedesco</translation>
    </message>
    <message>
        <source>&amp;Dutch</source>
        <translation>&amp;Olandese</translation>
    </message>
    <message>
        <source>S&amp;wedish</source>
        <translation>S&amp;vedese</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>&amp;Aggiungi al dizionario</translation>
    </message>
    <message>
        <source>&amp;Exclude From Dictionary</source>
        <translation>&amp;Escludi dal dizionario</translation>
    </message>
    <message>
        <source>&amp;Thesaurus Type</source>
        <translation>Dizionario dei si&amp;nonimi</translation>
    </message>
    <message>
        <source>&amp;Choose at Thesaurus Use Time</source>
        <translation>&amp;Scegli al momento dell&apos;uso</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>&amp;User Manual</source>
        <translation>&amp;Manuale utente</translation>
    </message>
    <message>
        <source>&amp;Review Tips of the Day</source>
        <translation>&amp;Rivedi i suggerimenti del giorno</translation>
    </message>
    <message>
        <source>&amp;Data Exchange via Internet</source>
        <translation>Scambio &amp;dati via Internet</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandi</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Cruciverba</translation>
    </message>
    <message>
        <source>Quorvex 98 (%1)</source>
        <translation>Quorvex 98 (%1)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>No puzzle selected.  Please select a puzzle first.</source>
        <translation>Nessun cruciverba selezionato. Seleziona prima un cruciverba.</translation>
    </message>
    <message>
        <source>The lists now show the change; select the puzzle again.</source>
        <translation>Gli elenchi ora mostrano la modifica; seleziona di nuovo il cruciverba.</translation>
    </message>
    <message>
        <source>Create New Puzzle Group</source>
        <translation>Crea nuova raccolta</translation>
    </message>
    <message>
        <source>The puzzle collection file %1 could not be created.</source>
        <translation>Impossibile creare il file di raccolta %1.</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Nuovo cruciverba</translation>
    </message>
    <message>
        <source>Would you like to create your first puzzle now for this new puzzle collection?</source>
        <translation>Vuoi creare adesso il primo cruciverba di questa nuova raccolta?</translation>
    </message>
    <message>
        <source>Open Puzzle Group</source>
        <translation>Apri raccolta</translation>
    </message>
    <message>
        <source>The file selected is not a valid Crossword file.</source>
        <translation>Il file selezionato non è un file di cruciverba valido.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Vuoi davvero eliminare %1?</translation>
    </message>
    <message>
        <source>The puzzle was not deleted; the lists now show the change.</source>
        <translation>Il cruciverba non è stato eliminato; gli elenchi ora mostrano la modifica.</translation>
    </message>
    <message>
        <source>Unable to load puzzle.</source>
        <translation>Impossibile caricare il cruciverba.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>A puzzle has never been generated for this word/clue list. Please select &quot;File|Modify&quot; from the menu and create the puzzle first</source>
        <translation>Per questo elenco di parole e definizioni non è mai stato generato un cruciverba. Scegli «File|Modifica cruciverba» dal menu e crea prima il cruciverba</translation>
    </message>
    <message>
        <source>Your current screen resolution does not support %1 pixels.</source>
        <translation>La risoluzione attuale dello schermo non supporta %1 pixel.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Impossibile salvare le impostazioni.</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>Lin&amp;gua</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Lingua di &amp;sistema</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>%1 shows the new language the next time it starts.</source>
        <translation>%1 userà la nuova lingua al prossimo avvio.</translation>
    </message>
</context>
<context>
    <name>qx::ManualNoticeDialog</name>
    <message>
        <source>User Manual Notice</source>
        <translation>Avviso sul manuale utente</translation>
    </message>
    <message>
        <source>The User Manual for Quorvex 98 is a word-processor document, &quot;%1&quot;, in the program&apos;s folder.  Any word processor that reads Microsoft Word documents, such as LibreOffice Writer, can show and print it.</source>
        <translation>Il manuale utente di Quorvex 98 è un documento di videoscrittura, «%1», nella cartella del programma. Qualsiasi programma di videoscrittura che legga i documenti di Microsoft Word, come LibreOffice Writer, può mostrarlo e stamparlo.</translation>
    </message>
    <message>
        <source>The User Manual is also available as a PDF document, &quot;%1&quot;.  Any PDF reader can show and print it.</source>
        <translation>Il manuale utente è disponibile anche come documento PDF, «%1». Qualsiasi lettore PDF può mostrarlo e stamparlo.</translation>
    </message>
    <message>
        <source>View in &amp;Word</source>
        <translation>Apri con &amp;Word</translation>
    </message>
    <message>
        <source>View in &amp;Acrobat</source>
        <translation>Apri con A&amp;crobat</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>The User Manual could not be located.  Please make sure the user manual was installed.  A copy is available at our web site.</source>
        <translation>Impossibile trovare il manuale utente. Verifica che il manuale utente sia stato installato. Una copia è disponibile sul nostro sito web.</translation>
    </message>
    <message>
        <source>User Manual could not be located.  Please make sure that it was installed.</source>
        <translation>Impossibile trovare il manuale utente. Verifica che sia stato installato.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened.  Please make sure that a program to view it is installed.</source>
        <translation>Impossibile aprire «%1». Verifica che sia installato un programma per visualizzarlo.</translation>
    </message>
</context>
<context>
    <name>qx::ManualPlacementDialog</name>
    <message>
        <source>Manual Word Addition</source>
        <translation>Aggiunta manuale di parole</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>A&amp;ccetta</translation>
    </message>
    <message>
        <source>&amp;Reject</source>
        <translation>&amp;Rifiuta</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Puzzle letter must be between A and Z.</source>
        <translation>La lettera deve essere tra A e Z.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>No changes to the puzzle were detected.</source>
        <translation>Non è stata rilevata nessuna modifica al cruciverba.</translation>
    </message>
</context>
<context>
    <name>qx::MetafileCreationDialog</name>
    <message>
        <source>Metafile Creation</source>
        <translation>Creazione metafile</translation>
    </message>
    <message>
        <source>Creating Metafile...  Please Wait.</source>
        <translation>Creazione del metafile in corso... Attendi.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Metafile Created</source>
        <translation>Metafile creato</translation>
    </message>
</context>
<context>
    <name>qx::NumberFontDialog</name>
    <message>
        <source>Numbers In Puzzle</source>
        <translation>Numeri nella griglia</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientamento</translation>
    </message>
    <message>
        <source>&amp;Horizontal</source>
        <translation>Or&amp;izzontale</translation>
    </message>
    <message>
        <source>&amp;Vertical</source>
        <translation>&amp;Verticale</translation>
    </message>
    <message>
        <source>Change &amp;Font</source>
        <translation>Cambia &amp;carattere</translation>
    </message>
</context>
<context>
    <name>qx::ObjectPropertiesDialog</name>
    <message>
        <source>&amp;Transparent Background</source>
        <translation>Sfondo &amp;trasparente</translation>
    </message>
    <message>
        <source>&amp;Make It Fit (Auto-Shrink Font)</source>
        <translation>Adatta &amp;dimensione (riduce il carattere)</translation>
    </message>
    <message>
        <source>Number of Columns</source>
        <translation>Numero di colonne</translation>
    </message>
    <message>
        <source>&amp;Split Columns</source>
        <translation>&amp;Suddividi colonne</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Invalid columns entered.</source>
        <translation>Numero di colonne non valido.</translation>
    </message>
    <message>
        <source>Properties for %1</source>
        <translation>Proprietà di %1</translation>
    </message>
</context>
<context>
    <name>qx::PageDesignerWindow</name>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>Down Heading</source>
        <translation>Intestazione verticali</translation>
    </message>
    <message>
        <source>Across Heading</source>
        <translation>Intestazione orizzontali</translation>
    </message>
    <message>
        <source>Down Clues</source>
        <translation>Definizioni verticali</translation>
    </message>
    <message>
        <source>Across Clues</source>
        <translation>Definizioni orizzontali</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>Elenco di parole</translation>
    </message>
    <message>
        <source>Bonus Quest</source>
        <translation>Domanda bonus</translation>
    </message>
    <message>
        <source>Combined Clues</source>
        <translation>Definizioni unite</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rettangolo</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cerchio</translation>
    </message>
    <message>
        <source>Page Creator</source>
        <translation>Progettazione pagina</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Formato carta</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pollici</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>&amp;Portrait</source>
        <translation>&amp;Verticale</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>O&amp;rizzontale</translation>
    </message>
    <message>
        <source>Crossword Objects</source>
        <translation>Oggetti del cruciverba</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Altri oggetti</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Oggetti</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Small</source>
        <translation>&amp;Piccolo</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Medio</translation>
    </message>
    <message>
        <source>&amp;Large</source>
        <translation>&amp;Grande</translation>
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
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>A bitmap for this layout could not be located.</source>
        <translation>Impossibile trovare un&apos;immagine di questo layout.</translation>
    </message>
    <message>
        <source>Some printers do not support odd sized pages.  Printed results may vary.</source>
        <translation>Alcune stampanti non supportano formati di pagina non standard. I risultati di stampa possono variare.</translation>
    </message>
    <message>
        <source>Width must be between 3 and 12 inches.  Please re-enter width.</source>
        <translation>La larghezza deve essere tra 3 e 12 pollici. Inserisci di nuovo la larghezza.</translation>
    </message>
    <message>
        <source>Width must be between 7 and 31 centimeters.  Please re-enter width.</source>
        <translation>La larghezza deve essere tra 7 e 31 centimetri. Inserisci di nuovo la larghezza.</translation>
    </message>
    <message>
        <source>Height must be between 4 and 18 inches.  Please re-enter height.</source>
        <translation>L&apos;altezza deve essere tra 4 e 18 pollici. Inserisci di nuovo l&apos;altezza.</translation>
    </message>
    <message>
        <source>Height must be between 10 and 46 centimeters.  Please re-enter height.</source>
        <translation>L&apos;altezza deve essere tra 10 e 46 centimetri. Inserisci di nuovo l&apos;altezza.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Errore del disco</translation>
    </message>
    <message>
        <source>Unable to add page layout.</source>
        <translation>Impossibile aggiungere il layout di pagina.</translation>
    </message>
</context>
<context>
    <name>qx::PartialAnswersDialog</name>
    <message>
        <source>Partial Answer</source>
        <translation>Soluzioni parziali</translation>
    </message>
    <message>
        <source>Select those words you would like filled in the puzzle.</source>
        <translation>Seleziona le parole da scrivere già nel cruciverba.</translation>
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
        <translation>Crea &amp;bitmap</translation>
    </message>
    <message>
        <source>Create &amp;JPeg</source>
        <translation>Crea &amp;JPEG</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Width of Bitmap</source>
        <translation>Larghezza bitmap</translation>
    </message>
    <message>
        <source>Width of JPeg</source>
        <translation>Larghezza JPEG</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Invalid width specified.  Please correct.</source>
        <translation>Larghezza non valida. Correggi.</translation>
    </message>
</context>
<context>
    <name>qx::PreviewWindow</name>
    <message>
        <source>Puzzle Preview</source>
        <translation>Anteprima del cruciverba</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Print Page</source>
        <translation>&amp;Stampa pagina</translation>
    </message>
    <message>
        <source>Print &amp;Multiple Copies</source>
        <translation>Stampa &amp;più copie</translation>
    </message>
    <message>
        <source>Export As &amp;Metafile</source>
        <translation>Esporta come &amp;metafile</translation>
    </message>
    <message>
        <source>&amp;Windows MetaFile (WMF)</source>
        <translation>Metafile di &amp;Windows (WMF)</translation>
    </message>
    <message>
        <source>&amp;Enhanced MetaFile (EMF)</source>
        <translation>Metafile &amp;esteso (EMF)</translation>
    </message>
    <message>
        <source>Export As &amp;Picture</source>
        <translation>Esporta come &amp;immagine</translation>
    </message>
    <message>
        <source>Windows &amp;Bitmap (BMP)</source>
        <translation>&amp;Bitmap di Windows (BMP)</translation>
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
        <translation>&amp;Fattore di compressione JPEG</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>&amp;HTML Export</source>
        <translation>Esportazione &amp;HTML</translation>
    </message>
    <message>
        <source>&amp;Text Export</source>
        <translation>Esportazione &amp;testo</translation>
    </message>
    <message>
        <source>&amp;Clues</source>
        <translation>&amp;Definizioni</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Parole</translation>
    </message>
    <message>
        <source>Export As P&amp;DF...</source>
        <translation>Esporta come P&amp;DF...</translation>
    </message>
    <message>
        <source>Export As S&amp;VG...</source>
        <translation>Esporta come S&amp;VG...</translation>
    </message>
    <message>
        <source>Export For Solving &amp;Apps</source>
        <translation>Esporta per &amp;app di cruciverba</translation>
    </message>
    <message>
        <source>&amp;ipuz File...</source>
        <translation>File &amp;ipuz...</translation>
    </message>
    <message>
        <source>&amp;PUZ File...</source>
        <translation>File &amp;PUZ...</translation>
    </message>
    <message>
        <source>Export As &amp;Solvable Web Page...</source>
        <translation>Esporta come pagina &amp;web da risolvere...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avanti</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom &amp;indietro</translation>
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
        <translation>Larghezza pagina</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Zoom Whole Page</source>
        <translation>Pagina intera</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>Print Page</source>
        <translation>Stampa pagina</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avanti</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom indietro</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Export As Metafile</source>
        <translation>Esporta come metafile</translation>
    </message>
    <message>
        <source>Export As Bitmap</source>
        <translation>Esporta come bitmap</translation>
    </message>
    <message>
        <source>Export As JPEG</source>
        <translation>Esporta come JPEG</translation>
    </message>
    <message>
        <source>Create Web Page</source>
        <translation>Crea pagina web</translation>
    </message>
    <message>
        <source>Export As PDF</source>
        <translation>Esporta come PDF</translation>
    </message>
    <message>
        <source>Zoom %</source>
        <translation>Zoom %</translation>
    </message>
    <message>
        <source>Pixel Width</source>
        <translation>Larghezza in pixel</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Previous print job has not yet finished.  Try again later.</source>
        <translation>La stampa precedente non è ancora terminata. Riprova più tardi.</translation>
    </message>
    <message>
        <source>The page could not be printed.  To keep it as a PDF file instead, use Export As PDF, or choose &quot;Print to File (PDF)&quot; in Printer Setup.</source>
        <translation>Impossibile stampare la pagina. Per salvarla invece come file PDF, usa Esporta come PDF oppure scegli «Stampa su file (PDF)» in Imposta stampante.</translation>
    </message>
    <message>
        <source>Export Clues</source>
        <translation>Esporta definizioni</translation>
    </message>
    <message>
        <source>Export Words</source>
        <translation>Esporta parole</translation>
    </message>
    <message>
        <source>Unable to create export file.</source>
        <translation>Impossibile creare il file di esportazione.</translation>
    </message>
    <message>
        <source>Export As SVG</source>
        <translation>Esporta come SVG</translation>
    </message>
    <message>
        <source>Export As Solvable Web Page</source>
        <translation>Esporta come pagina web da risolvere</translation>
    </message>
    <message>
        <source>Export For Solving Apps</source>
        <translation>Esporta per app di cruciverba</translation>
    </message>
    <message>
        <source>Save Puzzle As MetaFile</source>
        <translation>Salva cruciverba come metafile</translation>
    </message>
    <message>
        <source>Save Puzzle As Enhanced MetaFile</source>
        <translation>Salva cruciverba come metafile esteso</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Bitmaps in this puzzle will not be saved in the metafile.</source>
        <translation>Le immagini di questo cruciverba non saranno salvate nel metafile.</translation>
    </message>
    <message>
        <source>Save Puzzle As Bitmap</source>
        <translation>Salva cruciverba come bitmap</translation>
    </message>
    <message>
        <source>Save Puzzle As JPeg</source>
        <translation>Salva cruciverba come JPEG</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Salvato in %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt</source>
        <translation>testo (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Metafile (*.WMF)|*.WMF</source>
        <translation>Metafile (*.WMF)|*.WMF</translation>
    </message>
    <message>
        <source>Enhanced Metafile (*.EMF)|*.EMF</source>
        <translation>Metafile esteso (*.EMF)|*.EMF</translation>
    </message>
    <message>
        <source>Bitmap (*.BMP)|*.BMP</source>
        <translation>Immagine bitmap (*.BMP)|*.BMP</translation>
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
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Puzzle &amp;Title</source>
        <translation>&amp;Titolo</translation>
    </message>
    <message>
        <source>Puzzle &amp;Body</source>
        <translation>&amp;Griglia</translation>
    </message>
    <message>
        <source>Puzzle &amp;Clues</source>
        <translation>&amp;Definizioni</translation>
    </message>
    <message>
        <source>Puzzle &amp;Words</source>
        <translation>&amp;Parole</translation>
    </message>
    <message>
        <source>Bonus &amp;Question</source>
        <translation>Domanda &amp;bonus</translation>
    </message>
    <message>
        <source>Parts To Print</source>
        <translation>Parti da stampare</translation>
    </message>
    <message>
        <source>&amp;Answer Key</source>
        <translation>&amp;Soluzioni</translation>
    </message>
    <message>
        <source>&amp;Partial Answers</source>
        <translation>Soluzioni pa&amp;rziali</translation>
    </message>
    <message>
        <source>Pa&amp;rtial Letters</source>
        <translation>&amp;Lettere suggerite</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>Sc&amp;egli</translation>
    </message>
    <message>
        <source>Answer Key</source>
        <translation>Soluzioni</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Lettere</translation>
    </message>
    <message>
        <source>&amp;Skeleton Puzzle</source>
        <translation>Senza caselle &amp;nere</translation>
    </message>
    <message>
        <source>&amp;Filled Box Color</source>
        <translation>C&amp;olore caselle nere</translation>
    </message>
    <message>
        <source>Puzzle Boxes</source>
        <translation>Caselle</translation>
    </message>
    <message>
        <source>&amp;View/Print</source>
        <translation>&amp;Visualizza/Stampa</translation>
    </message>
    <message>
        <source>Change Page &amp;Layout</source>
        <translation>Cambia la&amp;yout di pagina</translation>
    </message>
    <message>
        <source>Change &amp;Fonts</source>
        <translation>Ca&amp;mbia caratteri</translation>
    </message>
    <message>
        <source>Change Clue &amp;Headers</source>
        <translation>Cambia &amp;intestazioni</translation>
    </message>
    <message>
        <source>Change Bon&amp;us Question</source>
        <translation>Cambia domanda bon&amp;us</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>Imposta &amp;stampante</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Puzzle Clue Numbers Font</source>
        <translation>Carattere numeri della griglia</translation>
    </message>
    <message>
        <source>Puzzle Answer Font</source>
        <translation>Carattere soluzioni della griglia</translation>
    </message>
    <message>
        <source>%1 Font</source>
        <translation>Carattere: %1</translation>
    </message>
</context>
<context>
    <name>qx::PrintStatusDialog</name>
    <message>
        <source>Report Status Screen</source>
        <translation>Stato della stampa</translation>
    </message>
    <message>
        <source>Printing Status</source>
        <translation>Stampa in corso</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Puzzle Generation Canceled!</source>
        <translation>Generazione del cruciverba annullata.</translation>
    </message>
    <message>
        <source>Puzzle Generated!</source>
        <translation>Cruciverba generato.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
</context>
<context>
    <name>qx::PuzzlePicker</name>
    <message>
        <source>&amp;Select All</source>
        <translation>Seleziona &amp;tutto</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>&amp;Deseleziona tutto</translation>
    </message>
</context>
<context>
    <name>qx::ShapeEditorDialog</name>
    <message>
        <source>Shape Creator</source>
        <translation>Creazione forma</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Left Click To Toggle</source>
        <translation>Clic sinistro: attiva/disattiva</translation>
    </message>
    <message>
        <source>Right Click To Fill</source>
        <translation>Clic destro: riempie</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Larghezza</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>Al&amp;tezza</translation>
    </message>
    <message>
        <source>Shift Grid</source>
        <translation>Sposta griglia</translation>
    </message>
    <message>
        <source>Adjust Grid</source>
        <translation>Regola griglia</translation>
    </message>
    <message>
        <source>&amp;Reverse</source>
        <translation>&amp;Inverti</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ann&amp;ulla modifica</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Width must be between 5 and 49.  Please re-enter width.</source>
        <translation>La larghezza deve essere tra 5 e 49. Inserisci di nuovo la larghezza.</translation>
    </message>
    <message>
        <source>Height must be between 5 and 49.  Please re-enter height.</source>
        <translation>L&apos;altezza deve essere tra 5 e 49. Inserisci di nuovo l&apos;altezza.</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Errore del disco</translation>
    </message>
    <message>
        <source>Unable to add shape.</source>
        <translation>Impossibile aggiungere la forma.</translation>
    </message>
</context>
<context>
    <name>qx::ShapeLibraryDialog</name>
    <message>
        <source>Shapes</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>C&amp;hiudi</translation>
    </message>
</context>
<context>
    <name>qx::ShapeListPanel</name>
    <message>
        <source>Unable to delete puzzle shape.</source>
        <translation>Impossibile eliminare la forma.</translation>
    </message>
    <message>
        <source>Puzzle shape could not be imported.</source>
        <translation>Impossibile importare la forma.</translation>
    </message>
    <message>
        <source>Puzzle shape file is corrupt or incompatible.  Import aborted.</source>
        <translation>Il file della forma è danneggiato o incompatibile. Importazione interrotta.</translation>
    </message>
    <message>
        <source>Unable to add shape.</source>
        <translation>Impossibile aggiungere la forma.</translation>
    </message>
    <message>
        <source>Shape could not be exported.</source>
        <translation>Impossibile esportare la forma.</translation>
    </message>
    <message>
        <source>Puzzle Shape Exported!</source>
        <translation>Forma esportata.</translation>
    </message>
    <message>
        <source>Puzzle Shape</source>
        <translation>Forma del cruciverba</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuova</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Duplica</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Im&amp;port</source>
        <translation>Impo&amp;rta</translation>
    </message>
    <message>
        <source>Expo&amp;rt</source>
        <translation>Esp&amp;orta</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>No saved shape information could be found.</source>
        <translation>Non è stata trovata nessuna forma salvata.</translation>
    </message>
    <message>
        <source>Import Puzzle Shape</source>
        <translation>Importa forma</translation>
    </message>
    <message>
        <source>Puzzle Shapes (*.LAY)|*.LAY</source>
        <translation>Forme (*.LAY)|*.LAY</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>No shape selected.</source>
        <translation>Nessuna forma selezionata.</translation>
    </message>
    <message>
        <source>Export Puzzle Shape</source>
        <translation>Esporta forma</translation>
    </message>
    <message>
        <source>Puzzle Shape (*.LAY)|*.LAY</source>
        <translation>Forma (*.LAY)|*.LAY</translation>
    </message>
</context>
<context>
    <name>qx::SizePositionDialog</name>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Values In Inches</source>
        <translation>Valori in pollici</translation>
    </message>
    <message>
        <source>Values In Centimeters</source>
        <translation>Valori in centimetri</translation>
    </message>
    <message>
        <source>Invalid left position entered.</source>
        <translation>Posizione da sinistra non valida.</translation>
    </message>
    <message>
        <source>Invalid top position entered.</source>
        <translation>Posizione dall&apos;alto non valida.</translation>
    </message>
    <message>
        <source>Invalid width entered.</source>
        <translation>Larghezza non valida.</translation>
    </message>
    <message>
        <source>Invalid height entered.</source>
        <translation>Altezza non valida.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>The location you have specified will place the object off the page.  Do you wish abort your changes?</source>
        <translation>Con la posizione indicata l&apos;oggetto finirebbe fuori dalla pagina. Vuoi annullare le modifiche?</translation>
    </message>
    <message>
        <source>Size &amp; Location of %1</source>
        <translation>Dimensioni e posizione di %1</translation>
    </message>
</context>
<context>
    <name>qx::SpellingSuggestionsDialog</name>
    <message>
        <source>Spelling Suggestions</source>
        <translation>Suggerimenti ortografici</translation>
    </message>
    <message>
        <source>The following word was not found in the %1 dictionary.  Suggestions are listed below.</source>
        <translation>La parola seguente non è stata trovata nel dizionario (%1). Qui sotto sono elencati i suggerimenti.</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Suggerimenti</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Sostituisci</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignora</translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation>Interrom&amp;pi</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>No replacement word has been selected.  Please choose a replacement first.</source>
        <translation>Non è stata selezionata nessuna parola sostitutiva. Scegli prima una sostituzione.</translation>
    </message>
</context>
<context>
    <name>qx::TextInputDialog</name>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
</context>
<context>
    <name>qx::ThesaurusLookupDialog</name>
    <message>
        <source>Thesaurus Lookup</source>
        <translation>Ricerca sinonimi</translation>
    </message>
    <message>
        <source>&amp;Look Up</source>
        <translation>&amp;Cerca</translation>
    </message>
    <message>
        <source>&amp;Suggest</source>
        <translation>&amp;Suggerisci</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Accetta</translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation>Interrom&amp;pi</translation>
    </message>
    <message>
        <source>&amp;Word</source>
        <translation>Paro&amp;la</translation>
    </message>
    <message>
        <source>&amp;Categories</source>
        <translation>Si&amp;gnificati</translation>
    </message>
    <message>
        <source>A&amp;ntonyms</source>
        <translation>A&amp;ntonimi</translation>
    </message>
    <message>
        <source>S&amp;ynonyms</source>
        <translation>Sin&amp;onimi</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Could not find the Thesaurus file.</source>
        <translation>Impossibile trovare il file del dizionario dei sinonimi.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Word not found in Thesaurus.  Click on &quot;suggest&quot; for possible substitute words.</source>
        <translation>Parola non trovata nel dizionario dei sinonimi. Fai clic su «Suggerisci» per vedere parole alternative.</translation>
    </message>
    <message>
        <source>No suggestions found for the word %1.</source>
        <translation>Nessun suggerimento trovato per la parola %1.</translation>
    </message>
    <message>
        <source>No replacement word has been selected.  Please choose a replacement first.</source>
        <translation>Non è stata selezionata nessuna parola sostitutiva. Scegli prima una sostituzione.</translation>
    </message>
</context>
<context>
    <name>qx::TipOfTheDayDialog</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Suggerimento del giorno</translation>
    </message>
    <message>
        <source>&lt;b&gt;Did you know?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Lo sapevi?&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>&amp;Mostra i suggerimenti all&apos;avvio</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Suggerimento successivo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>qx::WebPageDialog</name>
    <message>
        <source>HTML Creation</source>
        <translation>Creazione HTML</translation>
    </message>
    <message>
        <source>Create A Web Page</source>
        <translation>Crea una pagina web</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Linea orizzontale</translation>
    </message>
    <message>
        <source>Puzzle will go here</source>
        <translation>Qui andrà il cruciverba</translation>
    </message>
    <message>
        <source>&amp;Save HTML</source>
        <translation>&amp;Salva HTML</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>First Header Lines</source>
        <translation>Prima intestazione</translation>
    </message>
    <message>
        <source>Second Header Lines</source>
        <translation>Seconda intestazione</translation>
    </message>
    <message>
        <source>First Footer Lines</source>
        <translation>Primo piè di pagina</translation>
    </message>
    <message>
        <source>Second Footer Lines</source>
        <translation>Secondo piè di pagina</translation>
    </message>
    <message>
        <source>Web Page Title</source>
        <translation>Titolo della pagina web</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Corsivo</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrato</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Dimensione carattere</translation>
    </message>
    <message>
        <source>%1 and its picture %2 already exist.
Do you want to replace them?</source>
        <translation>%1 e la sua immagine %2 esistono già.
Vuoi sostituirli?</translation>
    </message>
    <message>
        <source>%1 already exists; its picture will be saved as %2.
Do you want to replace it?</source>
        <translation>%1 esiste già; la sua immagine sarà salvata come %2.
Vuoi sostituirlo?</translation>
    </message>
    <message>
        <source>The picture %2 of %1 already exists.
Do you want to replace it?</source>
        <translation>L&apos;immagine %2 di %1 esiste già.
Vuoi sostituirla?</translation>
    </message>
    <message>
        <source>Save HTML Document</source>
        <translation>Salva documento HTML</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Unable to create html file.</source>
        <translation>Impossibile creare il file HTML.</translation>
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
        <translation>N.</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Definizione</translation>
    </message>
</context>
<context>
    <name>qx::WordListEditor</name>
    <message>
        <source>Word List Input</source>
        <translation>Inserimento elenco di parole</translation>
    </message>
    <message>
        <source>Puzzle Title</source>
        <translation>Titolo del cruciverba</translation>
    </message>
    <message>
        <source>Categor&amp;y</source>
        <translation>C&amp;ategoria</translation>
    </message>
    <message>
        <source>Bonus Question</source>
        <translation>Domanda bonus</translation>
    </message>
    <message>
        <source>Words and Clues</source>
        <translation>Parole e definizioni</translation>
    </message>
    <message>
        <source>Delete &amp;All</source>
        <translation>S&amp;vuota</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>E&amp;limina</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>Es&amp;porta</translation>
    </message>
    <message>
        <source>International Characters</source>
        <translation>Caratteri internazionali</translation>
    </message>
    <message>
        <source>&amp;Spell Check</source>
        <translation>Or&amp;tografia</translation>
    </message>
    <message>
        <source>&amp;Thesaurus</source>
        <translation>&amp;Sinonimi</translation>
    </message>
    <message>
        <source>Su&amp;ggest Clues</source>
        <translation>Su&amp;ggerisci definizioni</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Layout di pagina</translation>
    </message>
    <message>
        <source>Change La&amp;yout</source>
        <translation>Cambia la&amp;yout</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>Riduci &amp;bordi</translation>
    </message>
    <message>
        <source>&amp;Quick Create</source>
        <translation>Crea&amp;zione rapida</translation>
    </message>
    <message>
        <source>T&amp;horough</source>
        <translation>Appro&amp;fondita</translation>
    </message>
    <message>
        <source>Search for the grid with the most words, then the most crossings, for the effort&apos;s seconds, instead of running the creation attempts.</source>
        <translation>Cerca la griglia con più parole, poi con più incroci, per i secondi indicati in Durata, invece di eseguire i tentativi di creazione.</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>How long the thorough search and the search for the smallest square run on an ordinary machine: longer finds better grids.</source>
        <translation>Quanto durano, su un computer normale, la ricerca approfondita e la ricerca del quadrato più piccolo: una durata maggiore trova griglie migliori.</translation>
    </message>
    <message>
        <source>E&amp;ffort</source>
        <translation>D&amp;urata</translation>
    </message>
    <message>
        <source>Creation Attempts</source>
        <translation>Tentativi di creazione</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Crea</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Sal&amp;va</translation>
    </message>
    <message>
        <source>Add &amp;Words</source>
        <translation>Aggiungi pa&amp;role</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>Suggest clues for the selected rows, or for every word without a clue.</source>
        <translation>Suggerisci definizioni per le righe selezionate o per ogni parola senza definizione.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Smallest square: %1 × %1, every word placed.</source>
        <translation>Quadrato più piccolo: %1 × %1, tutte le parole inserite.</translation>
    </message>
    <message>
        <source>No square up to 49 × 49 holds every word: %1 × %1 holds the most.</source>
        <translation>Nessun quadrato fino a 49 × 49 contiene tutte le parole: %1 × %1 ne contiene di più.</translation>
    </message>
    <message>
        <source>No title specified.  Please correct.</source>
        <translation>Nessun titolo indicato. Correggi.</translation>
    </message>
    <message>
        <source>No category specified.  Please correct.</source>
        <translation>Nessuna categoria indicata. Correggi.</translation>
    </message>
    <message>
        <source>Puzzle has been modified.  Save changes?</source>
        <translation>Il cruciverba è stato modificato. Vuoi salvare le modifiche?</translation>
    </message>
    <message>
        <source>All words are already cleared.</source>
        <translation>Tutte le parole sono già state cancellate.</translation>
    </message>
    <message>
        <source>This will remove all words and clues.  Continue?</source>
        <translation>Verranno eliminate tutte le parole e le definizioni. Vuoi continuare?</translation>
    </message>
    <message>
        <source>Suggest Clues</source>
        <translation>Suggerisci definizioni</translation>
    </message>
    <message>
        <source>Every word has a clue.  Select the rows whose clues should be suggested again.</source>
        <translation>Ogni parola ha già una definizione. Seleziona le righe per cui vuoi nuovi suggerimenti.</translation>
    </message>
</context>
<context>
    <name>qx::WordListExportDialog</name>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Save &amp;File</source>
        <translation>Salva &amp;file</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>Seleziona &amp;tutto</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Deseleziona tutto</translation>
    </message>
    <message>
        <source>Select &amp;Used</source>
        <translation>Seleziona &amp;usate</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Parole</translation>
    </message>
    <message>
        <source>&amp;Clues</source>
        <translation>Defi&amp;nizioni</translation>
    </message>
    <message>
        <source>Words &amp;And Clues</source>
        <translation>Parole e def&amp;inizioni</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>No words/clues selected for output.  Please select the desired words/clues.</source>
        <translation>Nessuna parola o definizione selezionata per l&apos;esportazione. Seleziona le parole o le definizioni desiderate.</translation>
    </message>
    <message>
        <source>Save Word/Clue List</source>
        <translation>Salva elenco di parole e definizioni</translation>
    </message>
    <message>
        <source>Unable to create export file.</source>
        <translation>Impossibile creare il file di esportazione.</translation>
    </message>
</context>
<context>
    <name>qx::WordListImportDialog</name>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>Apri &amp;file</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleziona &amp;tutto</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Deseleziona tutto</translation>
    </message>
    <message>
        <source>As &amp;Words</source>
        <translation>Come &amp;parole</translation>
    </message>
    <message>
        <source>As &amp;Clues</source>
        <translation>Come defi&amp;nizioni</translation>
    </message>
    <message>
        <source>&amp;As Words and Clues</source>
        <translation>Come parole e def&amp;inizioni</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;uto</translation>
    </message>
    <message>
        <source>Import Word/Clue List</source>
        <translation>Importa elenco di parole e definizioni</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Unable to open import file.</source>
        <translation>Impossibile aprire il file da importare.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>No word/clue seperator character specified.</source>
        <translation>Non è stato indicato il carattere separatore tra parola e definizione.</translation>
    </message>
</context>
<context>
    <name>qx::WordSeparatorsDialog</name>
    <message>
        <source>Word Separator Characters</source>
        <translation>Separatori di parole</translation>
    </message>
    <message>
        <source>The following characters (if checked) will be displayed in the puzzle where they are used by words.  This is useful in instances where the word to solve for is actually more than one word and you wish to have them separated in the puzzle itself.</source>
        <translation>I caratteri seguenti (se selezionati) verranno mostrati nel cruciverba nei punti in cui compaiono nelle parole. È utile quando la parola da trovare è in realtà formata da più parole e vuoi che restino separate nel cruciverba stesso.</translation>
    </message>
    <message>
        <source>&amp;Dash (-)</source>
        <translation>&amp;Trattino (-)</translation>
    </message>
    <message>
        <source>&amp;Slash (/)</source>
        <translation>&amp;Barra (/)</translation>
    </message>
    <message>
        <source>&amp;Plus (+)</source>
        <translation>&amp;Più (+)</translation>
    </message>
    <message>
        <source>S&amp;tar (*)</source>
        <translation>&amp;Asterisco (*)</translation>
    </message>
    <message>
        <source>&amp;User Defined</source>
        <translation>&amp;Definito dall&apos;utente</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Character cannot be in A..Z.  Please correct.</source>
        <translation>Il carattere non può essere una lettera da A a Z. Correggi.</translation>
    </message>
</context>
<context>
    <name>qx::WordSuggestionsDialog</name>
    <message>
        <source>Word Suggestions</source>
        <translation>Parole suggerite</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Suggestion for</source>
        <translation>Suggerimento per</translation>
    </message>
</context>
</TS>
