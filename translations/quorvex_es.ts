<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ObjectMenu</name>
    <message>
        <source>&amp;Size &amp;&amp; Position...</source>
        <translation>Tamaño &amp;&amp; po&amp;sición...</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propiedades</translation>
    </message>
    <message>
        <source>B&amp;order</source>
        <translation>&amp;Borde</translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation>&amp;Relleno</translation>
    </message>
    <message>
        <source>Change &amp;Text...</source>
        <translation>Cambiar te&amp;xto...</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Izquierda</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Centro</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Derecha</translation>
    </message>
    <message>
        <source>Text &amp;Font</source>
        <translation>&amp;Fuente del texto</translation>
    </message>
    <message>
        <source>&amp;Clue Number Font</source>
        <translation>Fuente de &amp;números</translation>
    </message>
    <message>
        <source>Load B&amp;itmap</source>
        <translation>Cargar &amp;mapa de bits</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Bring To Front</source>
        <translation>&amp;Traer al frente</translation>
    </message>
    <message>
        <source>&amp;Send To Back</source>
        <translation>En&amp;viar al fondo</translation>
    </message>
    <message>
        <source>Answer Key Font</source>
        <translation>Fuente de la solución</translation>
    </message>
    <message>
        <source>Text &amp;Alignment</source>
        <translation>&amp;Alineación del texto</translation>
    </message>
</context>
<context>
    <name>PrintStatusDialog</name>
    <message>
        <source>One or more bitmaps in the layout design could not be located.</source>
        <translation>No se encontraron uno o varios mapas de bits del diseño.</translation>
    </message>
    <message>
        <source>Puzzle Clues would not fit in allocated space.  You will need to change the alotted clue space on the page layout, change the font size for the clues or select the &quot;Make It Fit&quot; attribute for the clue fonts.</source>
        <translation>Las pistas del crucigrama no caben en el espacio asignado. Deberá ampliar el espacio de las pistas en el diseño de página, cambiar el tamaño de fuente de las pistas o activar la opción «Ajustar al espacio» en las fuentes de las pistas.</translation>
    </message>
    <message>
        <source>Puzzle Words would not fit in allocated space.  You will need to change the alotted word space on the page layout, change the font size for the words or select the &quot;Make It Fit&quot; attribute for the puzzle words.</source>
        <translation>Las palabras del crucigrama no caben en el espacio asignado. Deberá ampliar el espacio de las palabras en el diseño de página, cambiar el tamaño de fuente de las palabras o activar la opción «Ajustar al espacio» en las palabras del crucigrama.</translation>
    </message>
    <message>
        <source>Text would not fit in allocated space.  You will need to change the alotted text space on the page layout, change the font size for the text or select the &quot;Make It Fit&quot; attribute for the text object.</source>
        <translation>El texto no cabe en el espacio asignado. Deberá ampliar el espacio del texto en el diseño de página, cambiar el tamaño de fuente del texto o activar la opción «Ajustar al espacio» en el objeto de texto.</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be located.  Please make sure that it was installed.</source>
        <translation>No se encontró el archivo de ayuda «%1». Compruebe que esté instalado.</translation>
    </message>
    <message>
        <source>its title</source>
        <translation>su título</translation>
    </message>
    <message>
        <source>its category</source>
        <translation>su categoría</translation>
    </message>
    <message>
        <source>its bonus question</source>
        <translation>su pregunta extra</translation>
    </message>
    <message>
        <source>its word %1</source>
        <translation>su palabra %1</translation>
    </message>
    <message>
        <source>its clue %1</source>
        <translation>su pista %1</translation>
    </message>
    <message>
        <source>%1 holds the control character %2</source>
        <translation>%1 contiene el carácter de control %2</translation>
    </message>
    <message>
        <source>The puzzle &quot;%1&quot; cannot be imported: %2.  Nothing was imported.</source>
        <translation>No se puede importar el crucigrama «%1»: %2. No se ha importado nada.</translation>
    </message>
    <message>
        <source>Import Puzzles</source>
        <translation>Importar crucigramas</translation>
    </message>
    <message>
        <source>The file selected is not a valid Quorvex file.</source>
        <translation>El archivo seleccionado no es un archivo de Quorvex válido.</translation>
    </message>
    <message>
        <source>Puzzle could not be imported.</source>
        <translation>No se pudo importar el crucigrama.</translation>
    </message>
    <message>
        <source>Puzzle file is corrupt or incompatible.  Import aborted.</source>
        <translation>El archivo de crucigramas está dañado o no es compatible. Importación cancelada.</translation>
    </message>
    <message>
        <source>Unable to save puzzle.</source>
        <translation>No se puede guardar el crucigrama.</translation>
    </message>
    <message>
        <source>Import File cannot be the same as the currently open file.</source>
        <translation>El archivo que se importa no puede ser el archivo abierto actualmente.</translation>
    </message>
    <message>
        <source>Create New Puzzle</source>
        <translation>Crear nuevo crucigrama</translation>
    </message>
    <message>
        <source>Unable to access Word List file.</source>
        <translation>No se puede acceder al archivo de la lista de palabras.</translation>
    </message>
    <message>
        <source>Modify Existing Puzzle</source>
        <translation>Modificar crucigrama existente</translation>
    </message>
    <message>
        <source>Create New Puzzle (copy of existing puzzle)</source>
        <translation>Crear nuevo crucigrama (copia de uno existente)</translation>
    </message>
    <message>
        <source>Unable to load puzzle.</source>
        <translation>No se puede cargar el crucigrama.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>These files could not be copied into %1: %2</source>
        <translation>No se pudieron copiar estos archivos en %1: %2</translation>
    </message>
    <message>
        <source>The settings could not be read; the program starts with its defaults.</source>
        <translation>No se pudo leer la configuración; el programa se inicia con los valores predeterminados.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>User generated puzzles from a previous version of Quorvex have been detected.  Would you like to convert them to a puzzle group?</source>
        <translation>Se han encontrado crucigramas creados por el usuario con una versión anterior de Quorvex. ¿Desea convertirlos en una colección de crucigramas?</translation>
    </message>
    <message>
        <source>Puzzles could not be imported.</source>
        <translation>No se pudieron importar los crucigramas.</translation>
    </message>
    <message>
        <source>Unable to save puzzles.</source>
        <translation>No se pueden guardar los crucigramas.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>A new puzzle group named &quot;%1&quot; has been created.</source>
        <translation>Se ha creado una nueva colección de crucigramas llamada «%1».</translation>
    </message>
    <message>
        <source>User generated shapes from a previous version of Quorvex have been detected.  Would you like to add them to the current list of puzzle shapes?</source>
        <translation>Se han encontrado formas creadas por el usuario con una versión anterior de Quorvex. ¿Desea añadirlas a la lista actual de formas de crucigrama?</translation>
    </message>
    <message>
        <source>Unable to add shapes.</source>
        <translation>No se pueden añadir las formas.</translation>
    </message>
    <message>
        <source>Puzzle shapes have been added.</source>
        <translation>Se han añadido las formas de crucigrama.</translation>
    </message>
    <message>
        <source>Creation Attempt #%1</source>
        <translation>Intento de creación n.º %1</translation>
    </message>
    <message>
        <source>%1 of %2 words</source>
        <translation>%1 de %2 palabras</translation>
    </message>
    <message>
        <source>Thorough Search</source>
        <translation>Búsqueda exhaustiva</translation>
    </message>
    <message>
        <source>Aborted: %1</source>
        <translation>Cancelado: %1</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Aborted on creation Attempt #%1</source>
        <translation>Cancelado en el intento de creación n.º %1</translation>
    </message>
    <message>
        <source>Square %1 × %1</source>
        <translation>Cuadrado de %1 × %1</translation>
    </message>
    <message>
        <source>Aborted on square %1 × %1</source>
        <translation>Cancelado en el cuadrado de %1 × %1</translation>
    </message>
    <message>
        <source>%1 × %1 every word</source>
        <translation>%1 × %1, todas las palabras</translation>
    </message>
    <message>
        <source>%1 × %1 %2</source>
        <translation>%1 × %1, %2</translation>
    </message>
    <message>
        <source>Squares tried: %1.</source>
        <translation>Cuadrados probados: %1.</translation>
    </message>
    <message>
        <source>Longer than any row or column of the shape.</source>
        <translation>Es más larga que cualquier fila o columna de la forma.</translation>
    </message>
    <message>
        <source>No letter in common with the words placed.</source>
        <translation>No tiene ninguna letra en común con las palabras colocadas.</translation>
    </message>
    <message>
        <source>Every position crossing a placed word is blocked; the first by &quot;%1&quot;.</source>
        <translation>Todas las posiciones que cruzan una palabra colocada están bloqueadas; la primera, por «%1».</translation>
    </message>
    <message>
        <source>Every position crossing a placed word is blocked; the first by the edge of the shape.</source>
        <translation>Todas las posiciones que cruzan una palabra colocada están bloqueadas; la primera, por el borde de la forma.</translation>
    </message>
    <message>
        <source>Not tried: the attempt stopped early.</source>
        <translation>No se probó: el intento terminó antes de tiempo.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 words
%4 crossings per word, %5% fill</source>
        <translation>%1: %2 de %3 palabras
%4 cruces por palabra, %5 % de relleno</translation>
    </message>
    <message>
        <source>Best Fit</source>
        <translation>Mejor ajuste</translation>
    </message>
    <message>
        <source>Second Best Fit</source>
        <translation>Segundo mejor ajuste</translation>
    </message>
    <message>
        <source>Third Best Fit</source>
        <translation>Tercer mejor ajuste</translation>
    </message>
    <message>
        <source>Fourth Best Fit</source>
        <translation>Cuarto mejor ajuste</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; (%2) cannot be stored in a shape name.</source>
        <translation>El carácter «%1» (%2) no se puede guardar en el nombre de una forma.</translation>
    </message>
    <message>
        <source>The character %1 cannot be stored in a shape name.</source>
        <translation>El carácter %1 no se puede guardar en el nombre de una forma.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; (%2) cannot be used in a heading.</source>
        <translation>El carácter «%1» (%2) no se puede usar en un encabezado.</translation>
    </message>
    <message>
        <source>The character %1 cannot be used in a heading.</source>
        <translation>El carácter %1 no se puede usar en un encabezado.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; (%2) cannot be stored in a puzzle.</source>
        <translation>El carácter «%1» (%2) no se puede guardar en un crucigrama.</translation>
    </message>
    <message>
        <source>The character %1 cannot be stored in a puzzle.</source>
        <translation>El carácter %1 no se puede guardar en un crucigrama.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>Archivo %1</translation>
    </message>
    <message>
        <source>Font Colour</source>
        <translation>Color de fuente</translation>
    </message>
    <message>
        <source>%1 was changed by another program.  %2</source>
        <translation>Otro programa ha modificado %1. %2</translation>
    </message>
    <message>
        <source>Load Bitmap File</source>
        <translation>Cargar archivo de mapa de bits</translation>
    </message>
    <message>
        <source>The file selected is not a valid bitmap file.</source>
        <translation>El archivo seleccionado no es un archivo de mapa de bits válido.</translation>
    </message>
    <message>
        <source>Your puzzle was not saved; reopen the collection to see the change.</source>
        <translation>El crucigrama no se ha guardado; vuelva a abrir la colección para ver el cambio.</translation>
    </message>
    <message>
        <source>You have selected a puzzle shape with large dimensions.  Be advised that you may need to select a &quot;Page Layout&quot; that has a very large area for the puzzle in order for the puzzle to appear in a normal size.</source>
        <translation>Ha seleccionado una forma de crucigrama de grandes dimensiones. Tenga en cuenta que quizá deba elegir un «diseño de página» con un área muy grande para el crucigrama, para que este se vea con un tamaño normal.</translation>
    </message>
    <message>
        <source>No title specified.  Please correct.</source>
        <translation>No se ha indicado el título. Corríjalo, por favor.</translation>
    </message>
    <message>
        <source>No category specified.  Please correct.</source>
        <translation>No se ha indicado la categoría. Corríjalo, por favor.</translation>
    </message>
    <message>
        <source>No words have been entered.  Please correct.</source>
        <translation>No se ha escrito ninguna palabra. Corríjalo, por favor.</translation>
    </message>
    <message>
        <source>Attempts must be between 1 and 999.  Please correct.</source>
        <translation>El número de intentos debe estar entre 1 y 999. Corríjalo, por favor.</translation>
    </message>
    <message>
        <source>Word is greater than puzzle dimension size of %1 characters in &quot;%2&quot;.</source>
        <translation>Una palabra supera el tamaño del crucigrama, de %1 caracteres: «%2».</translation>
    </message>
    <message>
        <source>The maximum word length as provided by the selected layout is %1.  The following word is greater than the maximum word length: &quot;%2&quot;.  You will need to correct the word or change the layout.</source>
        <translation>La longitud máxima de palabra que admite el diseño seleccionado es %1. La siguiente palabra supera esa longitud máxima: «%2». Deberá corregir la palabra o cambiar de diseño.</translation>
    </message>
    <message>
        <source>The length of the clue for the word &quot;%1&quot; is %2 characters longer than the maximum clue size of 150.</source>
        <translation>La pista de la palabra «%1» supera en %2 caracteres el tamaño máximo de pista, que es de 150.</translation>
    </message>
    <message>
        <source>A puzzle has never been generated for this word/clue list. Please select &quot;File|Modify&quot; from the menu and create the puzzle first</source>
        <translation>Todavía no se ha generado ningún crucigrama para esta lista de palabras y pistas. Seleccione «Archivo|Modificar crucigrama» en el menú y cree primero el crucigrama.</translation>
    </message>
    <message>
        <source>This puzzle already holds %1 words, the most a puzzle can hold.  No word can be added.</source>
        <translation>Este crucigrama ya contiene %1 palabras, el máximo que admite un crucigrama. No se puede añadir ninguna palabra.</translation>
    </message>
    <message>
        <source>The letters typed make %1 new words, but this puzzle has room for only %2 more.  Please remove some letters.</source>
        <translation>Las letras escritas forman %1 palabras nuevas, pero en este crucigrama solo caben %2 más. Quite algunas letras.</translation>
    </message>
    <message>
        <source>The letters &quot;%1&quot; make a word of %2 letters, but a word holds at most %3.  Please remove some letters.</source>
        <translation>Las letras «%1» forman una palabra de %2 letras, pero una palabra tiene como máximo %3. Quite algunas letras.</translation>
    </message>
    <message>
        <source>Separator Char</source>
        <translation>Carácter separador</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more line(s).</source>
        <translation>
            <numerusform>... y %n línea más.</numerusform>
            <numerusform>... y %n líneas más.</numerusform>
        </translation>
    </message>
    <message>
        <source>These lines of the file hold a character a puzzle cannot store:</source>
        <translation>Estas líneas del archivo contienen un carácter que un crucigrama no puede guardar:</translation>
    </message>
    <message>
        <source>Import the other lines?</source>
        <translation>¿Desea importar las demás líneas?</translation>
    </message>
    <message>
        <source>word</source>
        <translation>una palabra</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 palabras</translation>
    </message>
    <message>
        <source>Too many words selected.  Last %1 will not be used.  Continue?</source>
        <translation>Se han seleccionado demasiadas palabras. No se usará lo que sobra al final: %1. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Bitmap (*.BMP)|*.BMP</source>
        <translation>Mapa de bits (*.BMP)|*.BMP</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt|all files (*.*)|*.*</source>
        <translation>Archivos de texto (*.txt)|*.txt|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt</source>
        <translation>Archivos de texto (*.txt)|*.txt</translation>
    </message>
</context>
<context>
    <name>SolvablePage</name>
    <message>
        <source>Every letter is right: the puzzle is solved.</source>
        <translation>Todas las letras son correctas: el crucigrama está resuelto.</translation>
    </message>
    <message>
        <source>Every square is filled in correctly.</source>
        <translation>Todas las casillas están bien rellenadas.</translation>
    </message>
    <message>
        <source>The puzzle is complete, with one letter revealed.</source>
        <translation>El crucigrama está completo, con una letra mostrada.</translation>
    </message>
    <message>
        <source>The puzzle is complete, with {n} letters revealed.</source>
        <extracomment>{n} stands for a number; keep it as it is.</extracomment>
        <translation>El crucigrama está completo, con {n} letras mostradas.</translation>
    </message>
    <message>
        <source>One letter is wrong.</source>
        <translation>Hay una letra incorrecta.</translation>
    </message>
    <message>
        <source>{n} letters are wrong.</source>
        <extracomment>{n} stands for a number; keep it as it is.</extracomment>
        <translation>Hay {n} letras incorrectas.</translation>
    </message>
    <message>
        <source>The letters filled in so far are right; one square is still empty.</source>
        <translation>Las letras escritas hasta ahora son correctas; aún queda una casilla vacía.</translation>
    </message>
    <message>
        <source>The letters filled in so far are right; {n} squares are still empty.</source>
        <extracomment>{n} stands for a number; keep it as it is.</extracomment>
        <translation>Las letras escritas hasta ahora son correctas; aún quedan {n} casillas vacías.</translation>
    </message>
    <message>
        <source>This letter is right.</source>
        <translation>Esta letra es correcta.</translation>
    </message>
    <message>
        <source>This word is right.</source>
        <translation>Esta palabra es correcta.</translation>
    </message>
    <message>
        <source>The letter is revealed.</source>
        <translation>Se ha mostrado la letra.</translation>
    </message>
    <message>
        <source>The word is revealed.</source>
        <translation>Se ha mostrado la palabra.</translation>
    </message>
    <message>
        <source>The whole puzzle is revealed.</source>
        <translation>Se ha mostrado todo el crucigrama.</translation>
    </message>
    <message>
        <source>The word is cleared.</source>
        <translation>Se ha borrado la palabra.</translation>
    </message>
    <message>
        <source>Reveal every letter of this puzzle?  Revealed letters are marked and counted.</source>
        <translation>¿Mostrar todas las letras de este crucigrama? Las letras mostradas se marcan y se cuentan.</translation>
    </message>
    <message>
        <source>Reveal puzzle</source>
        <translation>Mostrar crucigrama</translation>
    </message>
    <message>
        <source>Clear every letter of this puzzle?</source>
        <translation>¿Borrar todas las letras de este crucigrama?</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Time {n}</source>
        <extracomment>{n} stands for the time on the clock; keep it as it is.</extracomment>
        <translation>Tiempo {n}</translation>
    </message>
    <message>
        <source>Pause the timer</source>
        <translation>Pausar el cronómetro</translation>
    </message>
    <message>
        <source>Resume the timer</source>
        <translation>Reanudar el cronómetro</translation>
    </message>
    <message>
        <source>The timer is paused.</source>
        <translation>El cronómetro está en pausa.</translation>
    </message>
</context>
<context>
    <name>TipOfTheDayDialog</name>
    <message>
        <source>You can spell check your words and clues using an American, British, Spanish, Italian, French, German, Dutch or Swedish dictionary.</source>
        <translation>Puede revisar la ortografía de sus palabras y pistas con un diccionario de inglés (EE. UU.), inglés (Reino Unido), español, italiano, francés, alemán, neerlandés o sueco.</translation>
    </message>
    <message>
        <source>You can add words or exclude words from each of the spell checking dictionaries.</source>
        <translation>Puede añadir palabras a cada uno de los diccionarios ortográficos o excluirlas de ellos.</translation>
    </message>
    <message>
        <source>You can look up definitions of words using a 50,000 word American or British thesaurus.</source>
        <translation>Puede consultar definiciones de palabras con un diccionario de sinónimos en inglés (EE. UU. o Reino Unido) de 50&#xa0;000 palabras.</translation>
    </message>
    <message>
        <source>You can specify &quot;word separator&quot; characters that can be used to split up multi-word answers.  These characters will show up in the puzzle.</source>
        <translation>Puede indicar caracteres «separadores de palabras» para dividir las respuestas de varias palabras. Estos caracteres aparecerán en el crucigrama.</translation>
    </message>
    <message>
        <source>You can specify fonts to use for input fields, labels and buttons. User specified fonts for input fields greatly facilitates foreign language input.</source>
        <translation>Puede elegir las fuentes de los campos de escritura, las etiquetas y los botones. Una fuente propia para los campos de escritura facilita mucho escribir en otros idiomas.</translation>
    </message>
    <message>
        <source>You can change the puzzle title and category after it has been created.</source>
        <translation>Puede cambiar el título y la categoría del crucigrama después de crearlo.</translation>
    </message>
    <message>
        <source>You can change the clues to the puzzle after it has been created.</source>
        <translation>Puede cambiar las pistas del crucigrama después de crearlo.</translation>
    </message>
    <message>
        <source>You can add new words and clues, placing the words manually in the location you desire after the puzzle has been created.</source>
        <translation>Después de crear el crucigrama, puede añadir palabras y pistas nuevas y colocar las palabras a mano donde quiera.</translation>
    </message>
    <message>
        <source>You can change the puzzle layout or change the bonus question after the puzzle has been created.</source>
        <translation>Puede cambiar el diseño del crucigrama o la pregunta extra después de crearlo.</translation>
    </message>
    <message>
        <source>You can create your own puzzle shapes from scratch or from an existing shape.  You can also share them with others (import &amp;&amp; export)</source>
        <translation>Puede crear sus propias formas de crucigrama desde cero o a partir de una forma existente. También puede compartirlas con otras personas (importar &amp;&amp; exportar)</translation>
    </message>
    <message>
        <source>You can export your created puzzles in a variety of graphic formats so that the puzzles can readily be used in Word Processors, Desktop Publishers, etc.</source>
        <translation>Puede exportar sus crucigramas en varios formatos gráficos para usarlos fácilmente en procesadores de textos, programas de autoedición, etc.</translation>
    </message>
    <message>
        <source>You can choose to print the puzzle with some of the answers filled in to give a &quot;head start&quot;.</source>
        <translation>Puede imprimir el crucigrama con algunas respuestas ya escritas, para ayudar a empezar.</translation>
    </message>
    <message>
        <source>You can choose to print the puzzle with certain letters showing up in the puzzle.  Great for hints.</source>
        <translation>Puede imprimir el crucigrama con ciertas letras ya visibles. Ideal para dar pistas.</translation>
    </message>
    <message>
        <source>You can choose and override any fonts for any section of puzzle print out.  This includes size, color and style.</source>
        <translation>Puede elegir y cambiar la fuente de cualquier parte del crucigrama impreso, incluidos el tamaño, el color y el estilo.</translation>
    </message>
    <message>
        <source>You can choose to have text printed in a &quot;transparent&quot; mode so that underlying graphics and bitmaps will show through.</source>
        <translation>Puede imprimir el texto en modo «transparente» para que se vean los gráficos y los mapas de bits que hay debajo.</translation>
    </message>
    <message>
        <source>You can choose to have borders placed around clues, titles, headers, text, shapes and specify the width and color.</source>
        <translation>Puede poner bordes alrededor de las pistas, los títulos, los encabezados, el texto y las figuras, y elegir su grosor y su color.</translation>
    </message>
    <message>
        <source>You can choose to have the numbered letters in the puzzle print out either vertical or horizontal.</source>
        <translation>Puede imprimir los números de las casillas del crucigrama en vertical o en horizontal.</translation>
    </message>
    <message>
        <source>You can choose to print a list of the words in the puzzle on the printout as a guide or as clues.</source>
        <translation>Puede imprimir en la hoja una lista de las palabras del crucigrama, como ayuda o como pistas.</translation>
    </message>
    <message>
        <source>You can add bonus questions to the puzzles--good for extra credit.</source>
        <translation>Puede añadir preguntas extra a los crucigramas, ideales para dar puntos extra.</translation>
    </message>
    <message>
        <source>You can add squares, circles, bitmaps and text to the puzzle layouts.  Spice it up with fancy bitmaps or add your own informative text.</source>
        <translation>Puede añadir cuadrados, círculos, mapas de bits y texto a los diseños de crucigrama. Anímelos con mapas de bits vistosos o añada su propio texto informativo.</translation>
    </message>
    <message>
        <source>You can design your own Puzzle Page layout. Place the puzzle, clues, title, etc where you want them, the size you want them, the color you want them and more!</source>
        <translation>Puede crear su propio diseño de página. Coloque el crucigrama, las pistas, el título, etc. donde quiera, del tamaño y del color que quiera, ¡y mucho más!</translation>
    </message>
    <message>
        <source>You can instruct the program to &quot;Auto Fit&quot; fonts into the designated areas you have specified for clues, titles, words, text, etc.</source>
        <translation>Puede pedir al programa que ajuste automáticamente las fuentes («Ajustar al espacio») a las zonas que haya indicado para las pistas, los títulos, las palabras, el texto, etc.</translation>
    </message>
    <message>
        <source>You can export a puzzle as a ready to use Web Page (in HTML format)</source>
        <translation>Puede exportar un crucigrama como página web lista para usar (en formato HTML)</translation>
    </message>
    <message>
        <source>You can assign over 60 foreign characters to the F1 - F12 keys to be used in the puzzle creation window.</source>
        <translation>Puede asignar más de 60 caracteres extranjeros a las teclas F1 - F12 para usarlos en la ventana Lista de palabras.</translation>
    </message>
    <message>
        <source>You can choose to print the puzzle as a &quot;skeleton&quot; puzzle where just the blocks containing words are printed.</source>
        <translation>Puede imprimir el crucigrama como «crucigrama esqueleto», en el que solo se imprimen las casillas que contienen palabras.</translation>
    </message>
    <message>
        <source>You can choose the number of columns to use for printing clues in each designated area for the clues.</source>
        <translation>Puede elegir el número de columnas con que se imprimen las pistas en cada zona de pistas.</translation>
    </message>
    <message>
        <source>You can create your own puzzle page layouts from scratch or from an existing layout.  You can also share them with others (import &amp;&amp; export)</source>
        <translation>Puede crear sus propios diseños de página desde cero o a partir de un diseño existente. También puede compartirlos con otras personas (importar &amp;&amp; exportar)</translation>
    </message>
    <message>
        <source>You can have the best 4 puzzle creation fits displayed and you can choose from them for your desired puzzle.  Double clicking on one one of them will zoom in for a closer look.</source>
        <translation>Puede ver los 4 mejores resultados de la creación del crucigrama y elegir entre ellos el que prefiera. Al hacer doble clic en uno de ellos se amplía para verlo mejor.</translation>
    </message>
    <message>
        <source>You can maintain multiple sets of crosswords files.  Import and export puzzles among the files.</source>
        <translation>Puede tener varios archivos de colecciones de crucigramas. Importe y exporte crucigramas entre ellos.</translation>
    </message>
    <message>
        <source>You can import a word list, clue list or combined word and clue list from a text file.</source>
        <translation>Puede importar de un archivo de texto una lista de palabras, una lista de pistas o una lista combinada de palabras y pistas.</translation>
    </message>
</context>
<context>
    <name>qx</name>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>File is larger than %1 bytes</source>
        <translation>El archivo ocupa más de %1 bytes</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;?</source>
        <translation>¿Seguro que desea eliminar «%1»?</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>¿Eliminar?</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Error de disco</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>%1 %2: %3, letter %4 of %5</source>
        <translation>%1 %2: %3, letra %4 de %5</translation>
    </message>
    <message>
        <source>Puzzle tools</source>
        <translation>Herramientas del crucigrama</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Check letter</source>
        <translation>Comprobar letra</translation>
    </message>
    <message>
        <source>Check word</source>
        <translation>Comprobar palabra</translation>
    </message>
    <message>
        <source>Check puzzle</source>
        <translation>Comprobar crucigrama</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Reveal letter</source>
        <translation>Mostrar letra</translation>
    </message>
    <message>
        <source>Reveal word</source>
        <translation>Mostrar palabra</translation>
    </message>
    <message>
        <source>Reveal puzzle...</source>
        <translation>Mostrar crucigrama...</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>Clear word</source>
        <translation>Borrar palabra</translation>
    </message>
    <message>
        <source>Clear all...</source>
        <translation>Borrar todo...</translation>
    </message>
    <message>
        <source>Print blank grid</source>
        <translation>Imprimir cuadrícula vacía</translation>
    </message>
    <message>
        <source>Print with my letters</source>
        <translation>Imprimir con mis letras</translation>
    </message>
    <message>
        <source>Previous word</source>
        <translation>Palabra anterior</translation>
    </message>
    <message>
        <source>Next word</source>
        <translation>Palabra siguiente</translation>
    </message>
    <message>
        <source>page layout library</source>
        <translation>biblioteca de diseños de página</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>Revisión ortográfica</translation>
    </message>
    <message>
        <source>Could not find one of the dictionary files.</source>
        <translation>No se encontró uno de los archivos de diccionario.</translation>
    </message>
    <message>
        <source>Spelling Ok</source>
        <translation>Ortografía correcta</translation>
    </message>
    <message>
        <source>All words were found in the dictionary.</source>
        <translation>Todas las palabras están en el diccionario.</translation>
    </message>
    <message>
        <source>Spelling Status</source>
        <translation>Estado de la revisión ortográfica</translation>
    </message>
    <message>
        <source>Spell checking aborted.</source>
        <translation>Revisión ortográfica cancelada.</translation>
    </message>
    <message>
        <source>Spell checking complete.</source>
        <translation>Revisión ortográfica terminada.</translation>
    </message>
    <message>
        <source>Thesaurus</source>
        <translation>Diccionario de sinónimos</translation>
    </message>
    <message>
        <source>There is no Dutch thesaurus: Dutch words can be spell checked but not looked up.</source>
        <translation>No hay diccionario de sinónimos en neerlandés: las palabras en neerlandés se pueden revisar, pero no consultar.</translation>
    </message>
    <message>
        <source>Suggested clues need WordNet (the Debian package wordnet-base) or a thesaurus, and neither is installed.</source>
        <translation>Las pistas sugeridas necesitan WordNet (el paquete de Debian wordnet-base) o un diccionario de sinónimos, y no hay ninguno instalado.</translation>
    </message>
    <message>
        <source>Suggest Clues</source>
        <translation>Sugerir pistas</translation>
    </message>
    <message>
        <source>There is no Dutch thesaurus, so no clues can be suggested for Dutch words.  Choose another thesaurus under Options, Thesaurus Type.</source>
        <translation>No hay diccionario de sinónimos en neerlandés, así que no se pueden sugerir pistas para palabras en neerlandés. Elija otro diccionario de sinónimos en Opciones, Tipo de diccionario de sinónimos.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>inglés</translation>
    </message>
    <message>
        <source>No clues can be suggested: neither WordNet (the Debian package wordnet-base) nor the English thesaurus is installed.</source>
        <translation>No se pueden sugerir pistas: no están instalados ni WordNet (el paquete de Debian wordnet-base) ni el diccionario de sinónimos en inglés.</translation>
    </message>
    <message>
        <source>No clues can be suggested: the %1 thesaurus is not installed.</source>
        <translation>No se pueden sugerir pistas: no está instalado el diccionario de sinónimos (%1).</translation>
    </message>
    <message>
        <source>shape library</source>
        <translation>biblioteca de formas</translation>
    </message>
    <message>
        <source>puzzle collection</source>
        <translation>colección de crucigramas</translation>
    </message>
    <message>
        <source>A link another user made in a shared folder is not followed; nothing was written</source>
        <translation>No se sigue un enlace que otro usuario creó en una carpeta compartida; no se ha escrito nada</translation>
    </message>
    <message>
        <source>There is no puzzle to export</source>
        <translation>No hay ningún crucigrama que exportar</translation>
    </message>
    <message>
        <source>The puzzle has no placed word to solve</source>
        <translation>El crucigrama no tiene ninguna palabra colocada que resolver</translation>
    </message>
    <message>
        <source>The .puz format holds grids of at most %1 by %1 squares; this one is %2 by %3</source>
        <translation>El formato .puz admite cuadrículas de %1 por %1 casillas como máximo; esta es de %2 por %3</translation>
    </message>
    <message>
        <source>The .puz format cannot hold this puzzle: two words lie on the same squares (&quot;%1&quot;)</source>
        <translation>El formato .puz no admite este crucigrama: dos palabras ocupan las mismas casillas («%1»)</translation>
    </message>
    <message>
        <source>The .puz format cannot hold the character &quot;%1&quot; in a square</source>
        <translation>El formato .puz no admite el carácter «%1» en una casilla</translation>
    </message>
    <message>
        <source>The .puz format cannot hold this puzzle: the squares %1 from row %2, column %3 are not one of its words</source>
        <translation>El formato .puz no admite este crucigrama: las casillas en %1 desde la fila %2, columna %3 no forman ninguna de sus palabras</translation>
    </message>
    <message>
        <source>down</source>
        <translation>vertical</translation>
    </message>
    <message>
        <source>across</source>
        <translation>horizontal</translation>
    </message>
    <message>
        <source>The .puz format cannot hold this puzzle: the word &quot;%1&quot; is not a run of two or more squares between black squares</source>
        <translation>El formato .puz no admite este crucigrama: la palabra «%1» no es una serie de dos o más casillas entre casillas negras</translation>
    </message>
    <message>
        <source>A page %1 pixels wide cannot be made</source>
        <translation>No se puede crear una página de %1 píxeles de ancho</translation>
    </message>
    <message>
        <source>A metafile needs a rendered page to draw again</source>
        <translation>Un metarchivo necesita una página ya dibujada para volver a dibujarla</translation>
    </message>
    <message>
        <source>A text holds a character the page cannot hold</source>
        <translation>Un texto contiene un carácter que la página no admite</translation>
    </message>
    <message>
        <source>Its picture would have the same name</source>
        <translation>Su imagen tendría el mismo nombre</translation>
    </message>
    <message>
        <source>The %1 could not be made</source>
        <translation>No se pudo crear el %1</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Legal</translation>
    </message>
    <message>
        <source>Executive</source>
        <translation>Ejecutivo</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lectura más allá del final del archivo</translation>
    </message>
    <message>
        <source>The file was changed by another program</source>
        <translation>Otro programa ha modificado el archivo</translation>
    </message>
    <message>
        <source>%1 is damaged or is not a %2.  Nothing was saved.</source>
        <translation>%1 está dañado o no es un archivo de %2. No se ha guardado nada.</translation>
    </message>
    <message>
        <source>Not a whole number of records</source>
        <translation>El tamaño no corresponde a un número entero de registros</translation>
    </message>
    <message>
        <source>No such record</source>
        <translation>No existe ese registro</translation>
    </message>
    <message>
        <source>The file is in use by another program</source>
        <translation>Otro programa está usando el archivo</translation>
    </message>
    <message>
        <source>The file keeps changing</source>
        <translation>El archivo no deja de cambiar</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)|*.bmp</source>
        <translation>Mapa de bits (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>ipuz (*.ipuz)|*.ipuz</source>
        <translation>Archivo ipuz (*.ipuz)|*.ipuz</translation>
    </message>
    <message>
        <source>JPEG (*.jpg)|*.jpg</source>
        <translation>Imagen JPEG (*.jpg)|*.jpg</translation>
    </message>
    <message>
        <source>Metafile (*.WMF)|*.WMF</source>
        <translation>Metarchivo (*.WMF)|*.WMF</translation>
    </message>
    <message>
        <source>Enhanced Metafile (*.EMF)|*.EMF</source>
        <translation>Metarchivo mejorado (*.EMF)|*.EMF</translation>
    </message>
    <message>
        <source>metafile</source>
        <translation>metarchivo</translation>
    </message>
    <message>
        <source>PDF (*.pdf)|*.pdf</source>
        <translation>Documento PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>PNG (*.png)|*.png</source>
        <translation>Imagen PNG (*.png)|*.png</translation>
    </message>
    <message>
        <source>puz (*.puz)|*.puz</source>
        <translation>Archivo puz (*.puz)|*.puz</translation>
    </message>
    <message>
        <source>web page (*.html)|*.html</source>
        <translation>Página web (*.html)|*.html</translation>
    </message>
    <message>
        <source>Crossword Puzzle</source>
        <translation>Crucigrama</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a word&apos;s label: its number, then Across or Down</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Skip to the clues</source>
        <translation>Ir a las pistas</translation>
    </message>
    <message>
        <source>en</source>
        <comment>language code</comment>
        <extracomment>The language code (BCP 47) of this translation: the page&apos;s lang attribute.</extracomment>
        <translation>es</translation>
    </message>
    <message>
        <source>Click a square or a clue and type the answer; typing follows the word&apos;s direction. The arrow keys move, Tab and Shift+Tab go to the next and the previous word, Backspace erases, a second click on a square (or the space bar) turns the direction, and Escape leaves the grid.</source>
        <translation>Haga clic en una casilla o en una pista y escriba la respuesta; la escritura sigue la dirección de la palabra. Las teclas de flecha mueven el cursor, Tab y Mayús+Tab van a la palabra siguiente y a la anterior, Retroceso borra, un segundo clic en una casilla (o la barra espaciadora) cambia la dirección y Esc sale de la cuadrícula.</translation>
    </message>
    <message>
        <source>Tap a square or a clue and type; tap the square again to turn.</source>
        <translation>Toque una casilla o una pista y escriba; vuelva a tocar la casilla para cambiar de dirección.</translation>
    </message>
    <message>
        <source>Puzzle grid, %1 squares wide and %2 high</source>
        <translation>Cuadrícula del crucigrama, de %1 casillas de ancho y %2 de alto</translation>
    </message>
    <message>
        <source>Your letters and your time are kept in this browser. The answers are stored in this page in a simply scrambled form, so they cannot be read in its source at a glance.</source>
        <translation>Sus letras y su tiempo se guardan en este navegador. Las respuestas se guardan en esta página de forma simplemente codificada, para que no se puedan leer de un vistazo en su código fuente.</translation>
    </message>
    <message>
        <source>SVG (*.svg)|*.svg</source>
        <translation>Imagen SVG (*.svg)|*.svg</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt</source>
        <translation>Archivos de texto (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>html (*.htm)|*.htm</source>
        <translation>Página HTML (*.htm)|*.htm</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>&amp;Inglés (EE. UU.)</translation>
    </message>
    <message>
        <source>American</source>
        <translation>inglés de EE. UU.</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>Inglés (&amp;Reino Unido)</translation>
    </message>
    <message>
        <source>British</source>
        <translation>inglés británico</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>Es&amp;pañol</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>español</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>I&amp;taliano</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>italiano</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Francés</translation>
    </message>
    <message>
        <source>French</source>
        <translation>francés</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>Ale&amp;mán</translation>
    </message>
    <message>
        <source>German</source>
        <translation>alemán</translation>
    </message>
    <message>
        <source>&amp;Dutch</source>
        <translation>&amp;Neerlandés</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>neerlandés</translation>
    </message>
    <message>
        <source>S&amp;wedish</source>
        <translation>&amp;Sueco</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>sueco</translation>
    </message>
    <message>
        <source>not a thesaurus</source>
        <translation>no es un diccionario de sinónimos</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>%1 was not found in the dictionary.  No suggestions could be found.</source>
        <translation>%1 no está en el diccionario. No se encontró ninguna sugerencia.</translation>
    </message>
    <message>
        <source>Printing Page %p
%0
%1</source>
        <extracomment>%p is the page number; %0 and %1 are two lines of progress the renderer fills in.</extracomment>
        <translation>Imprimiendo página %p
%0
%1</translation>
    </message>
    <message>
        <source>Printing page %p</source>
        <extracomment>%p is the page number.</extracomment>
        <translation>Imprimiendo página %p</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>No se pudo iniciar la impresora.</translation>
    </message>
    <message>
        <source>QXMOR Files (*.QX3)|*.QX3</source>
        <translation>Archivos QXMOR (*.QX3)|*.QX3</translation>
    </message>
    <message>
        <source>QXMOR Files (*.QX3)|*.QX3|16 bit QXMOR Files (*.QXM)|*.QXM</source>
        <translation>Archivos QXMOR (*.QX3)|*.QX3|Archivos QXMOR de 16 bits (*.QXM)|*.QXM</translation>
    </message>
    <message>
        <source>&lt;Current Puzzle&gt;</source>
        <translation>&lt;Crucigrama actual&gt;</translation>
    </message>
    <message>
        <source>&lt;Smallest Square&gt;</source>
        <translation>&lt;Cuadrado más pequeño&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;DEFAULT&gt;&gt;</source>
        <translation>&lt;&lt;PREDETERMINADO&gt;&gt;</translation>
    </message>
</context>
<context>
    <name>qx::AboutBox</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Quorvex 98</source>
        <translation>Quorvex 98</translation>
    </message>
    <message>
        <source>Version 3.1</source>
        <translation>Versión 3.1</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>qx::AddAClueDialog</name>
    <message>
        <source>Add A Clue</source>
        <translation>Añadir una pista</translation>
    </message>
    <message>
        <source>Word:</source>
        <translation>Palabra:</translation>
    </message>
    <message>
        <source>Clue:</source>
        <translation>Pista:</translation>
    </message>
    <message>
        <source>&amp;Upper Case</source>
        <translation>&amp;Mayúsculas</translation>
    </message>
    <message>
        <source>&amp;Lower Case</source>
        <translation>Mi&amp;núsculas</translation>
    </message>
    <message>
        <source>&amp;First Letter Cap</source>
        <translation>&amp;Primera en mayúscula</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>qx::BonusQuestionDialog</name>
    <message>
        <source>Bonus Question</source>
        <translation>Pregunta extra</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>qx::BorderDialog</name>
    <message>
        <source>&amp;Use Border</source>
        <translation>&amp;Usar borde</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>Cambiar c&amp;olor</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Grosor</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Color del borde</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Invalid width entered.</source>
        <translation>El grosor indicado no es válido.</translation>
    </message>
    <message>
        <source>Border Info for %1</source>
        <translation>Borde de %1</translation>
    </message>
</context>
<context>
    <name>qx::BuildProgressDialog</name>
    <message>
        <source>Building Puzzles</source>
        <translation>Creando crucigramas</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>qx::CandidatesDialog</name>
    <message>
        <source>Created Puzzle</source>
        <translation>Crucigrama creado</translation>
    </message>
    <message>
        <source>&amp;Save Puzzle</source>
        <translation>&amp;Guardar crucigrama</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>One or more words did not fit into the puzzle.  Save Puzzle anyway?</source>
        <translation>Una o varias palabras no cupieron en el crucigrama. ¿Desea guardar el crucigrama de todos modos?</translation>
    </message>
    <message>
        <source>%1 Included Word</source>
        <translation>%1 palabra incluida</translation>
    </message>
    <message>
        <source>%1 Included Words</source>
        <translation>%1 palabras incluidas</translation>
    </message>
    <message>
        <source>%1 Excluded Word</source>
        <translation>%1 palabra excluida</translation>
    </message>
    <message>
        <source>%1 Excluded Words</source>
        <translation>%1 palabras excluidas</translation>
    </message>
</context>
<context>
    <name>qx::ClueHeadersDialog</name>
    <message>
        <source>Default Clue Headers</source>
        <translation>Encabezados de pistas predeterminados</translation>
    </message>
    <message>
        <source>Clue Headers</source>
        <translation>Encabezados de pistas</translation>
    </message>
    <message>
        <source>Across Header</source>
        <translation>Encabezado horizontal</translation>
    </message>
    <message>
        <source>Down Header</source>
        <translation>Encabezado vertical</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>qx::ClueSuggestionsDialog</name>
    <message>
        <source>Suggest Clues</source>
        <translation>Sugerir pistas</translation>
    </message>
    <message>
        <source>Suggestions (%1) for %2 of %3 words.  Choose or change each clue, then accept; a clue left empty is not changed.</source>
        <translation>Sugerencias (%1) para %2 de %3 palabras. Elija o cambie cada pista y luego acepte; las pistas que queden vacías no se cambian.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>(no suggestion)</source>
        <translation>(sin sugerencia)</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>qx::CopiesDialog</name>
    <message>
        <source>Multi-Copies</source>
        <translation>Varias copias</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Copies To Print</source>
        <translation>Copias que imprimir</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Invalid number of copies entered.</source>
        <translation>El número de copias indicado no es válido.</translation>
    </message>
</context>
<context>
    <name>qx::DictionaryMaintenanceDialog</name>
    <message>
        <source>Dictionary Maintenance</source>
        <translation>Mantenimiento del diccionario</translation>
    </message>
    <message>
        <source>These words will be added to the %1 dictionary and counted as valid.</source>
        <translation>Estas palabras se añadirán al diccionario (%1) y se considerarán válidas.</translation>
    </message>
    <message>
        <source>These words will be excluded from the  %1 dictionary and will be invalid.</source>
        <translation>Estas palabras se excluirán del diccionario (%1) y se considerarán no válidas.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Aña&amp;dir</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>qx::EnlargedCandidateDialog</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>qx::ExportPuzzlesDialog</name>
    <message>
        <source>Export Crossword Puzzles</source>
        <translation>Exportar crucigramas</translation>
    </message>
    <message>
        <source>Puzzles Available For Export</source>
        <translation>Crucigramas disponibles para exportar</translation>
    </message>
    <message>
        <source>Save &amp;File</source>
        <translation>Guardar &amp;archivo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>No puzzles have been selected for export.</source>
        <translation>No se ha seleccionado ningún crucigrama para exportar.</translation>
    </message>
    <message>
        <source>Save Crossword Puzzles</source>
        <translation>Guardar crucigramas</translation>
    </message>
    <message>
        <source>No puzzles were exported; the list now shows the change.</source>
        <translation>No se ha exportado ningún crucigrama; la lista muestra ahora el cambio.</translation>
    </message>
    <message>
        <source>Unable to export puzzles.</source>
        <translation>No se pueden exportar los crucigramas.</translation>
    </message>
    <message>
        <source>Export File cannot be the same as the currently open file.</source>
        <translation>El archivo de exportación no puede ser el archivo abierto actualmente.</translation>
    </message>
</context>
<context>
    <name>qx::ExtractLayoutDialog</name>
    <message>
        <source>Extract Page Layout From Puzzle</source>
        <translation>Extraer diseño de página de un crucigrama</translation>
    </message>
    <message>
        <source>Available Puzzles</source>
        <translation>Crucigramas disponibles</translation>
    </message>
    <message>
        <source>&amp;Extract</source>
        <translation>&amp;Extraer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>No puzzles have been selected for export.</source>
        <translation>No se ha seleccionado ningún crucigrama para exportar.</translation>
    </message>
    <message>
        <source>No layout was extracted; the list now shows the change.</source>
        <translation>No se ha extraído ningún diseño; la lista muestra ahora el cambio.</translation>
    </message>
    <message>
        <source>Unable to open puzzle.</source>
        <translation>No se puede abrir el crucigrama.</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Error de disco</translation>
    </message>
    <message>
        <source>Unable to add page layout.</source>
        <translation>No se puede añadir el diseño de página.</translation>
    </message>
</context>
<context>
    <name>qx::FillDialog</name>
    <message>
        <source>&amp;Fill In Shape</source>
        <translation>&amp;Rellenar la figura</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>Cambiar c&amp;olor</translation>
    </message>
    <message>
        <source>Fill Color</source>
        <translation>Color de relleno</translation>
    </message>
    <message>
        <source>Fill Info for %1</source>
        <translation>Relleno de %1</translation>
    </message>
</context>
<context>
    <name>qx::GridPropertiesDialog</name>
    <message>
        <source>Skeleton Puzzle</source>
        <translation>Crucigrama esqueleto</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>Cambiar c&amp;olor</translation>
    </message>
    <message>
        <source>Ch&amp;ange Color</source>
        <translation>Cambiar co&amp;lor</translation>
    </message>
    <message>
        <source>Puzzle Fill Color</source>
        <translation>Color de casillas rellenas</translation>
    </message>
    <message>
        <source>Puzzle Block Color</source>
        <translation>Color de casillas de letras</translation>
    </message>
    <message>
        <source>Puzzle Line Color</source>
        <translation>Color de líneas</translation>
    </message>
    <message>
        <source>Puzzle Line Width</source>
        <translation>Grosor de líneas</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Invalid width entered.</source>
        <translation>El grosor indicado no es válido.</translation>
    </message>
    <message>
        <source>Properties for %1</source>
        <translation>Propiedades de %1</translation>
    </message>
</context>
<context>
    <name>qx::HeadingTextDialog</name>
    <message>
        <source>Across Header</source>
        <translation>Encabezado horizontal</translation>
    </message>
    <message>
        <source>Down Header</source>
        <translation>Encabezado vertical</translation>
    </message>
</context>
<context>
    <name>qx::HelpWindow</name>
    <message>
        <source>Quorvex 98 Help</source>
        <translation>Ayuda de Quorvex 98</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Ce&amp;rrar</translation>
    </message>
</context>
<context>
    <name>qx::ImportPuzzlesDialog</name>
    <message>
        <source>Import Crossword Puzzles</source>
        <translation>Importar crucigramas</translation>
    </message>
    <message>
        <source>Puzzles in File</source>
        <translation>Crucigramas del archivo</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>No puzzles have been selected for import.</source>
        <translation>No se ha seleccionado ningún crucigrama para importar.</translation>
    </message>
    <message>
        <source>No puzzles were imported; the list now shows the change.</source>
        <translation>No se ha importado ningún crucigrama; la lista muestra ahora el cambio.</translation>
    </message>
    <message>
        <source>Unable to import puzzles.</source>
        <translation>No se pueden importar los crucigramas.</translation>
    </message>
    <message>
        <source>File Name: %1</source>
        <translation>Nombre de archivo: %1</translation>
    </message>
</context>
<context>
    <name>qx::InternationalCharactersDialog</name>
    <message>
        <source>International Characters</source>
        <translation>Caracteres internacionales</translation>
    </message>
    <message>
        <source>The function keys F1 through F12 can be assigned any number of international characters.  The function keys will play back the assigned international key in the Puzzle Creation Window.</source>
        <translation>A las teclas de función F1 a F12 se les puede asignar cualquier carácter internacional. En la ventana Lista de palabras, cada tecla de función escribe el carácter que tiene asignado.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>qx::JpegFactorDialog</name>
    <message>
        <source>JPEG Factor</source>
        <translation>Factor JPEG</translation>
    </message>
    <message>
        <source>JPEG Compression/Quality Factor (Range: 1 - 100)</source>
        <translation>Factor de compresión/calidad JPEG (intervalo: 1 - 100)</translation>
    </message>
    <message>
        <source>When the Factor is high, the image will be sharper, but the file size will be larger.  If the factor is lower, then the file size will be smaller, but the image will not be as sharp.</source>
        <translation>Cuanto más alto sea el factor, más nítida será la imagen, pero más grande será el archivo. Cuanto más bajo sea el factor, más pequeño será el archivo, pero la imagen será menos nítida.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Invalid factor entered.  Factor must be between 1 and 100</source>
        <translation>El factor indicado no es válido. El factor debe estar entre 1 y 100</translation>
    </message>
</context>
<context>
    <name>qx::LanguageChoiceDialog</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>qx::LayoutLibraryDialog</name>
    <message>
        <source>Unable to delete page layout.</source>
        <translation>No se puede eliminar el diseño de página.</translation>
    </message>
    <message>
        <source>Page layout could not be imported.</source>
        <translation>No se pudo importar el diseño de página.</translation>
    </message>
    <message>
        <source>Page layout file is corrupt or incompatible.  Import aborted.</source>
        <translation>El archivo de diseño de página está dañado o no es compatible. Importación cancelada.</translation>
    </message>
    <message>
        <source>Unable to add page layout.</source>
        <translation>No se puede añadir el diseño de página.</translation>
    </message>
    <message>
        <source>Page layout could not be exported.</source>
        <translation>No se pudo exportar el diseño de página.</translation>
    </message>
    <message>
        <source>Page Layout Exported!</source>
        <translation>¡Diseño de página exportado!</translation>
    </message>
    <message>
        <source>Page Layouts (*.PAG)|*.PAG</source>
        <translation>Diseños de página (*.PAG)|*.PAG</translation>
    </message>
    <message>
        <source>Puzzle Page Layouts</source>
        <translation>Diseños de página de crucigramas</translation>
    </message>
    <message>
        <source>Page Layouts</source>
        <translation>Diseños de página</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Crucigrama</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Horizontales</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Verticales</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Pregunta extra</translation>
    </message>
    <message>
        <source>Text, Shapes</source>
        <translation>Texto, figuras</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Seleccionar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modificar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>Set De&amp;fault</source>
        <translation>&amp;Predeterminado</translation>
    </message>
    <message>
        <source>Ex&amp;tract</source>
        <translation>Ex&amp;traer</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>No saved page layouts could be found.</source>
        <translation>No se encontró ningún diseño de página guardado.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>No page layout selected.</source>
        <translation>No se ha seleccionado ningún diseño de página.</translation>
    </message>
    <message>
        <source>No layout has been selected.</source>
        <translation>No se ha seleccionado ningún diseño.</translation>
    </message>
    <message>
        <source>Import Page Layouts</source>
        <translation>Importar diseños de página</translation>
    </message>
    <message>
        <source>Export Page Layouts</source>
        <translation>Exportar diseños de página</translation>
    </message>
</context>
<context>
    <name>qx::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Puzzle Collection File</source>
        <translation>&amp;Nueva colección de crucigramas</translation>
    </message>
    <message>
        <source>Create New Puzzle Collection File</source>
        <translation>Crear una nueva colección de crucigramas</translation>
    </message>
    <message>
        <source>&amp;Open Puzzle Collection File</source>
        <translation>&amp;Abrir colección de crucigramas</translation>
    </message>
    <message>
        <source>Open Puzzle Collection File</source>
        <translation>Abrir una colección de crucigramas</translation>
    </message>
    <message>
        <source>Ne&amp;w Puzzle</source>
        <translation>Nue&amp;vo crucigrama</translation>
    </message>
    <message>
        <source>Create New Puzzle</source>
        <translation>Crear un crucigrama nuevo</translation>
    </message>
    <message>
        <source>&amp;Modify Puzzle</source>
        <translation>&amp;Modificar crucigrama</translation>
    </message>
    <message>
        <source>Modify Puzzle</source>
        <translation>Modificar el crucigrama</translation>
    </message>
    <message>
        <source>&amp;Copy Puzzle</source>
        <translation>&amp;Copiar crucigrama</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Copiar el crucigrama</translation>
    </message>
    <message>
        <source>&amp;Delete Puzzle</source>
        <translation>&amp;Eliminar crucigrama</translation>
    </message>
    <message>
        <source>Delete Puzzle</source>
        <translation>Eliminar el crucigrama</translation>
    </message>
    <message>
        <source>&amp;Import Puzzles</source>
        <translation>&amp;Importar crucigramas</translation>
    </message>
    <message>
        <source>Import Puzzles</source>
        <translation>Importar crucigramas</translation>
    </message>
    <message>
        <source>&amp;Export Puzzles</source>
        <translation>E&amp;xportar crucigramas</translation>
    </message>
    <message>
        <source>Export Puzzles</source>
        <translation>Exportar crucigramas</translation>
    </message>
    <message>
        <source>&amp;Print Puzzle</source>
        <translation>Im&amp;primir crucigrama</translation>
    </message>
    <message>
        <source>Print Puzzle</source>
        <translation>Imprimir el crucigrama</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>Con&amp;figurar impresora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Page Layout</source>
        <translation>&amp;Diseño de página</translation>
    </message>
    <message>
        <source>Page Layout Designer</source>
        <translation>Diseñador de páginas</translation>
    </message>
    <message>
        <source>Puzzle &amp;Shape</source>
        <translation>&amp;Forma del crucigrama</translation>
    </message>
    <message>
        <source>Create Puzzle Shape</source>
        <translation>Crear una forma de crucigrama</translation>
    </message>
    <message>
        <source>Puzzle &amp;Words</source>
        <translation>&amp;Palabras del crucigrama</translation>
    </message>
    <message>
        <source>Modify Puzzle Words</source>
        <translation>Modificar las palabras del crucigrama</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Background Bitmap</source>
        <translation>&amp;Mapa de bits de fondo</translation>
    </message>
    <message>
        <source>&amp;JPEG Compression Factor</source>
        <translation>Factor de compresión &amp;JPEG</translation>
    </message>
    <message>
        <source>&amp;International Characters</source>
        <translation>Caracteres &amp;internacionales</translation>
    </message>
    <message>
        <source>&amp;Clue Headers</source>
        <translation>Encabezados de &amp;pistas</translation>
    </message>
    <message>
        <source>&amp;Word Separator Chars</source>
        <translation>Caracteres &amp;separadores</translation>
    </message>
    <message>
        <source>&amp;Label Font</source>
        <translation>Fuente de &amp;etiquetas</translation>
    </message>
    <message>
        <source>E&amp;dit Font</source>
        <translation>Fuente de &amp;campos</translation>
    </message>
    <message>
        <source>B&amp;utton Font</source>
        <translation>Fuente de &amp;botones</translation>
    </message>
    <message>
        <source>S&amp;creen Size</source>
        <translation>&amp;Tamaño de pantalla</translation>
    </message>
    <message>
        <source>C&amp;olors For Saving Bitmaps &amp;&amp; JPEGs</source>
        <translation>C&amp;olores al guardar mapas de bits &amp;&amp; JPEG</translation>
    </message>
    <message>
        <source>&amp;256 Colors</source>
        <translation>&amp;256 colores</translation>
    </message>
    <message>
        <source>&amp;16 Million Colors</source>
        <translation>&amp;16 millones de colores</translation>
    </message>
    <message>
        <source>&amp;Dictionary Type</source>
        <translation>Tipo de &amp;diccionario</translation>
    </message>
    <message>
        <source>&amp;Choose At Spell Check Time</source>
        <translation>&amp;Elegir al revisar la ortografía</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>&amp;Inglés (EE. UU.)</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>Inglés (&amp;Reino Unido)</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>Es&amp;pañol</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>I&amp;taliano</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Francés</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Alemán</translation>
    </message>
    <message>
        <source>&amp;Dutch</source>
        <translation>&amp;Neerlandés</translation>
    </message>
    <message>
        <source>S&amp;wedish</source>
        <translation>&amp;Sueco</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>&amp;Añadir al diccionario</translation>
    </message>
    <message>
        <source>&amp;Exclude From Dictionary</source>
        <translation>E&amp;xcluir del diccionario</translation>
    </message>
    <message>
        <source>&amp;Thesaurus Type</source>
        <translation>Tipo de diccionario de si&amp;nónimos</translation>
    </message>
    <message>
        <source>&amp;Choose at Thesaurus Use Time</source>
        <translation>&amp;Elegir al consultar sinónimos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;User Manual</source>
        <translation>&amp;Manual del usuario</translation>
    </message>
    <message>
        <source>&amp;Review Tips of the Day</source>
        <translation>&amp;Ver consejos del día</translation>
    </message>
    <message>
        <source>&amp;Data Exchange via Internet</source>
        <translation>&amp;Intercambio de datos por Internet</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Crucigramas</translation>
    </message>
    <message>
        <source>Quorvex 98 (%1)</source>
        <translation>Quorvex 98 (%1)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>No puzzle selected.  Please select a puzzle first.</source>
        <translation>No se ha seleccionado ningún crucigrama. Seleccione primero un crucigrama.</translation>
    </message>
    <message>
        <source>The lists now show the change; select the puzzle again.</source>
        <translation>Las listas muestran ahora el cambio; vuelva a seleccionar el crucigrama.</translation>
    </message>
    <message>
        <source>Create New Puzzle Group</source>
        <translation>Crear nueva colección de crucigramas</translation>
    </message>
    <message>
        <source>The puzzle collection file %1 could not be created.</source>
        <translation>No se pudo crear el archivo de colección de crucigramas %1.</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Nuevo crucigrama</translation>
    </message>
    <message>
        <source>Would you like to create your first puzzle now for this new puzzle collection?</source>
        <translation>¿Desea crear ahora el primer crucigrama de esta nueva colección?</translation>
    </message>
    <message>
        <source>Open Puzzle Group</source>
        <translation>Abrir colección de crucigramas</translation>
    </message>
    <message>
        <source>The file selected is not a valid Crossword file.</source>
        <translation>El archivo seleccionado no es un archivo de crucigramas válido.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>¿Seguro que desea eliminar %1?</translation>
    </message>
    <message>
        <source>The puzzle was not deleted; the lists now show the change.</source>
        <translation>El crucigrama no se ha eliminado; las listas muestran ahora el cambio.</translation>
    </message>
    <message>
        <source>Unable to load puzzle.</source>
        <translation>No se puede cargar el crucigrama.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>A puzzle has never been generated for this word/clue list. Please select &quot;File|Modify&quot; from the menu and create the puzzle first</source>
        <translation>Todavía no se ha generado ningún crucigrama para esta lista de palabras y pistas. Seleccione «Archivo|Modificar crucigrama» en el menú y cree primero el crucigrama.</translation>
    </message>
    <message>
        <source>Your current screen resolution does not support %1 pixels.</source>
        <translation>La resolución de pantalla actual no admite %1 píxeles.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>No se pudo guardar la configuración.</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>Idioma de &amp;la interfaz</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Idioma del &amp;sistema</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>%1 shows the new language the next time it starts.</source>
        <translation>%1 mostrará el nuevo idioma la próxima vez que se inicie.</translation>
    </message>
</context>
<context>
    <name>qx::ManualNoticeDialog</name>
    <message>
        <source>User Manual Notice</source>
        <translation>Aviso sobre el manual del usuario</translation>
    </message>
    <message>
        <source>The User Manual for Quorvex 98 is a word-processor document, &quot;%1&quot;, in the program&apos;s folder.  Any word processor that reads Microsoft Word documents, such as LibreOffice Writer, can show and print it.</source>
        <translation>El manual del usuario de Quorvex 98 es un documento de procesador de textos, «%1», que está en la carpeta del programa. Cualquier procesador de textos que lea documentos de Microsoft Word, como LibreOffice Writer, puede mostrarlo e imprimirlo.</translation>
    </message>
    <message>
        <source>The User Manual is also available as a PDF document, &quot;%1&quot;.  Any PDF reader can show and print it.</source>
        <translation>El manual del usuario también está disponible como documento PDF, «%1». Cualquier lector de PDF puede mostrarlo e imprimirlo.</translation>
    </message>
    <message>
        <source>View in &amp;Word</source>
        <translation>Ver en &amp;Word</translation>
    </message>
    <message>
        <source>View in &amp;Acrobat</source>
        <translation>Ver en &amp;Acrobat</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>The User Manual could not be located.  Please make sure the user manual was installed.  A copy is available at our web site.</source>
        <translation>No se encontró el manual del usuario. Compruebe que esté instalado. Hay una copia disponible en nuestro sitio web.</translation>
    </message>
    <message>
        <source>User Manual could not be located.  Please make sure that it was installed.</source>
        <translation>No se encontró el manual del usuario. Compruebe que esté instalado.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened.  Please make sure that a program to view it is installed.</source>
        <translation>No se pudo abrir «%1». Compruebe que haya instalado un programa para verlo.</translation>
    </message>
</context>
<context>
    <name>qx::ManualPlacementDialog</name>
    <message>
        <source>Manual Word Addition</source>
        <translation>Añadir palabras a mano</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Validar</translation>
    </message>
    <message>
        <source>&amp;Reject</source>
        <translation>&amp;Rechazar</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Puzzle letter must be between A and Z.</source>
        <translation>La letra del crucigrama debe estar entre la A y la Z.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>No changes to the puzzle were detected.</source>
        <translation>No se ha detectado ningún cambio en el crucigrama.</translation>
    </message>
</context>
<context>
    <name>qx::MetafileCreationDialog</name>
    <message>
        <source>Metafile Creation</source>
        <translation>Creación de metarchivo</translation>
    </message>
    <message>
        <source>Creating Metafile...  Please Wait.</source>
        <translation>Creando el metarchivo... Espere, por favor.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Metafile Created</source>
        <translation>Metarchivo creado</translation>
    </message>
</context>
<context>
    <name>qx::NumberFontDialog</name>
    <message>
        <source>Numbers In Puzzle</source>
        <translation>Números del crucigrama</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientación</translation>
    </message>
    <message>
        <source>&amp;Horizontal</source>
        <translation>&amp;Horizontal</translation>
    </message>
    <message>
        <source>&amp;Vertical</source>
        <translation>&amp;Vertical</translation>
    </message>
    <message>
        <source>Change &amp;Font</source>
        <translation>Cambiar &amp;fuente</translation>
    </message>
</context>
<context>
    <name>qx::ObjectPropertiesDialog</name>
    <message>
        <source>&amp;Transparent Background</source>
        <translation>Fondo &amp;transparente</translation>
    </message>
    <message>
        <source>&amp;Make It Fit (Auto-Shrink Font)</source>
        <translation>A&amp;justar al espacio (reducir fuente)</translation>
    </message>
    <message>
        <source>Number of Columns</source>
        <translation>Número de columnas</translation>
    </message>
    <message>
        <source>&amp;Split Columns</source>
        <translation>&amp;Dividir columnas</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Invalid columns entered.</source>
        <translation>El número de columnas indicado no es válido.</translation>
    </message>
    <message>
        <source>Properties for %1</source>
        <translation>Propiedades de %1</translation>
    </message>
</context>
<context>
    <name>qx::PageDesignerWindow</name>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Crucigrama</translation>
    </message>
    <message>
        <source>Down Heading</source>
        <translation>Encabezado vertical</translation>
    </message>
    <message>
        <source>Across Heading</source>
        <translation>Encabezado horizontal</translation>
    </message>
    <message>
        <source>Down Clues</source>
        <translation>Pistas verticales</translation>
    </message>
    <message>
        <source>Across Clues</source>
        <translation>Pistas horizontales</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>Lista de palabras</translation>
    </message>
    <message>
        <source>Bonus Quest</source>
        <translation>Pregunta extra</translation>
    </message>
    <message>
        <source>Combined Clues</source>
        <translation>Pistas combinadas</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Mapa de bits</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Page Creator</source>
        <translation>Diseñador de páginas</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Tamaño del papel</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pulgadas</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>&amp;Portrait</source>
        <translation>&amp;Vertical</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Horizontal</translation>
    </message>
    <message>
        <source>Crossword Objects</source>
        <translation>Objetos del crucigrama</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Otros objetos</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Objetos</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Small</source>
        <translation>&amp;Pequeño</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Mediano</translation>
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
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>A bitmap for this layout could not be located.</source>
        <translation>No se encontró un mapa de bits de este diseño.</translation>
    </message>
    <message>
        <source>Some printers do not support odd sized pages.  Printed results may vary.</source>
        <translation>Algunas impresoras no admiten páginas de tamaño no estándar. El resultado impreso puede variar.</translation>
    </message>
    <message>
        <source>Width must be between 3 and 12 inches.  Please re-enter width.</source>
        <translation>El ancho debe estar entre 3 y 12 pulgadas. Vuelva a escribir el ancho.</translation>
    </message>
    <message>
        <source>Width must be between 7 and 31 centimeters.  Please re-enter width.</source>
        <translation>El ancho debe estar entre 7 y 31 centímetros. Vuelva a escribir el ancho.</translation>
    </message>
    <message>
        <source>Height must be between 4 and 18 inches.  Please re-enter height.</source>
        <translation>El alto debe estar entre 4 y 18 pulgadas. Vuelva a escribir el alto.</translation>
    </message>
    <message>
        <source>Height must be between 10 and 46 centimeters.  Please re-enter height.</source>
        <translation>El alto debe estar entre 10 y 46 centímetros. Vuelva a escribir el alto.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Error de disco</translation>
    </message>
    <message>
        <source>Unable to add page layout.</source>
        <translation>No se puede añadir el diseño de página.</translation>
    </message>
</context>
<context>
    <name>qx::PartialAnswersDialog</name>
    <message>
        <source>Partial Answer</source>
        <translation>Respuestas parciales</translation>
    </message>
    <message>
        <source>Select those words you would like filled in the puzzle.</source>
        <translation>Seleccione las palabras que desea que aparezcan rellenas en el crucigrama.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>qx::PixelWidthDialog</name>
    <message>
        <source>Bitmap</source>
        <translation>Mapa de bits</translation>
    </message>
    <message>
        <source>JPeg</source>
        <translation>JPEG</translation>
    </message>
    <message>
        <source>Create &amp;Bitmap</source>
        <translation>Crear &amp;mapa de bits</translation>
    </message>
    <message>
        <source>Create &amp;JPeg</source>
        <translation>Crear &amp;JPEG</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Width of Bitmap</source>
        <translation>Ancho del mapa de bits</translation>
    </message>
    <message>
        <source>Width of JPeg</source>
        <translation>Ancho del JPEG</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Invalid width specified.  Please correct.</source>
        <translation>El ancho indicado no es válido. Corríjalo, por favor.</translation>
    </message>
</context>
<context>
    <name>qx::PreviewWindow</name>
    <message>
        <source>Puzzle Preview</source>
        <translation>Vista previa del crucigrama</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Print Page</source>
        <translation>Im&amp;primir página</translation>
    </message>
    <message>
        <source>Print &amp;Multiple Copies</source>
        <translation>Imprimir &amp;varias copias</translation>
    </message>
    <message>
        <source>Export As &amp;Metafile</source>
        <translation>Exportar como &amp;metarchivo</translation>
    </message>
    <message>
        <source>&amp;Windows MetaFile (WMF)</source>
        <translation>Metarchivo de &amp;Windows (WMF)</translation>
    </message>
    <message>
        <source>&amp;Enhanced MetaFile (EMF)</source>
        <translation>Metarchivo &amp;mejorado (EMF)</translation>
    </message>
    <message>
        <source>Export As &amp;Picture</source>
        <translation>Exportar como &amp;imagen</translation>
    </message>
    <message>
        <source>Windows &amp;Bitmap (BMP)</source>
        <translation>Mapa de &amp;bits de Windows (BMP)</translation>
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
        <translation>&amp;Factor de compresión JPEG</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>&amp;HTML Export</source>
        <translation>Exportar a &amp;HTML</translation>
    </message>
    <message>
        <source>&amp;Text Export</source>
        <translation>Exportar &amp;texto</translation>
    </message>
    <message>
        <source>&amp;Clues</source>
        <translation>&amp;Pistas</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>P&amp;alabras</translation>
    </message>
    <message>
        <source>Export As P&amp;DF...</source>
        <translation>Exportar como P&amp;DF...</translation>
    </message>
    <message>
        <source>Export As S&amp;VG...</source>
        <translation>Exportar como SV&amp;G...</translation>
    </message>
    <message>
        <source>Export For Solving &amp;Apps</source>
        <translation>Exportar para &amp;aplicaciones de crucigramas</translation>
    </message>
    <message>
        <source>&amp;ipuz File...</source>
        <translation>Archivo &amp;ipuz...</translation>
    </message>
    <message>
        <source>&amp;PUZ File...</source>
        <translation>Archivo &amp;PUZ...</translation>
    </message>
    <message>
        <source>Export As &amp;Solvable Web Page...</source>
        <translation>Exportar como página web para &amp;resolver...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
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
        <translation>Ajustar al ancho de página</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Zoom Whole Page</source>
        <translation>Página completa</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>Print Page</source>
        <translation>Imprimir página</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Export As Metafile</source>
        <translation>Exportar como metarchivo</translation>
    </message>
    <message>
        <source>Export As Bitmap</source>
        <translation>Exportar como mapa de bits</translation>
    </message>
    <message>
        <source>Export As JPEG</source>
        <translation>Exportar como JPEG</translation>
    </message>
    <message>
        <source>Create Web Page</source>
        <translation>Crear página web</translation>
    </message>
    <message>
        <source>Export As PDF</source>
        <translation>Exportar como PDF</translation>
    </message>
    <message>
        <source>Zoom %</source>
        <translation>Zoom %</translation>
    </message>
    <message>
        <source>Pixel Width</source>
        <translation>Ancho en píxeles</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Previous print job has not yet finished.  Try again later.</source>
        <translation>El trabajo de impresión anterior aún no ha terminado. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>The page could not be printed.  To keep it as a PDF file instead, use Export As PDF, or choose &quot;Print to File (PDF)&quot; in Printer Setup.</source>
        <translation>No se pudo imprimir la página. Para guardarla como archivo PDF, use Exportar como PDF o elija «Imprimir en un archivo (PDF)» en Configurar impresora.</translation>
    </message>
    <message>
        <source>Export Clues</source>
        <translation>Exportar pistas</translation>
    </message>
    <message>
        <source>Export Words</source>
        <translation>Exportar palabras</translation>
    </message>
    <message>
        <source>Unable to create export file.</source>
        <translation>No se puede crear el archivo de exportación.</translation>
    </message>
    <message>
        <source>Export As SVG</source>
        <translation>Exportar como SVG</translation>
    </message>
    <message>
        <source>Export As Solvable Web Page</source>
        <translation>Exportar como página web para resolver</translation>
    </message>
    <message>
        <source>Export For Solving Apps</source>
        <translation>Exportar para aplicaciones de crucigramas</translation>
    </message>
    <message>
        <source>Save Puzzle As MetaFile</source>
        <translation>Guardar crucigrama como metarchivo</translation>
    </message>
    <message>
        <source>Save Puzzle As Enhanced MetaFile</source>
        <translation>Guardar crucigrama como metarchivo mejorado</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Bitmaps in this puzzle will not be saved in the metafile.</source>
        <translation>Los mapas de bits de este crucigrama no se guardarán en el metarchivo.</translation>
    </message>
    <message>
        <source>Save Puzzle As Bitmap</source>
        <translation>Guardar crucigrama como mapa de bits</translation>
    </message>
    <message>
        <source>Save Puzzle As JPeg</source>
        <translation>Guardar crucigrama como JPEG</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Guardado en %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt</source>
        <translation>Archivos de texto (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Metafile (*.WMF)|*.WMF</source>
        <translation>Metarchivo (*.WMF)|*.WMF</translation>
    </message>
    <message>
        <source>Enhanced Metafile (*.EMF)|*.EMF</source>
        <translation>Metarchivo mejorado (*.EMF)|*.EMF</translation>
    </message>
    <message>
        <source>Bitmap (*.BMP)|*.BMP</source>
        <translation>Mapa de bits (*.BMP)|*.BMP</translation>
    </message>
    <message>
        <source>JPeg (*.JPG)|*.JPG</source>
        <translation>Imagen JPEG (*.JPG)|*.JPG</translation>
    </message>
</context>
<context>
    <name>qx::PrintOptionsDialog</name>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Puzzle &amp;Title</source>
        <translation>&amp;Título</translation>
    </message>
    <message>
        <source>Puzzle &amp;Body</source>
        <translation>&amp;Cuadrícula</translation>
    </message>
    <message>
        <source>Puzzle &amp;Clues</source>
        <translation>&amp;Pistas</translation>
    </message>
    <message>
        <source>Puzzle &amp;Words</source>
        <translation>Pala&amp;bras</translation>
    </message>
    <message>
        <source>Bonus &amp;Question</source>
        <translation>Pre&amp;gunta extra</translation>
    </message>
    <message>
        <source>Parts To Print</source>
        <translation>Partes que imprimir</translation>
    </message>
    <message>
        <source>&amp;Answer Key</source>
        <translation>&amp;Solución</translation>
    </message>
    <message>
        <source>&amp;Partial Answers</source>
        <translation>&amp;Respuestas parciales</translation>
    </message>
    <message>
        <source>Pa&amp;rtial Letters</source>
        <translation>&amp;Letras parciales</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>Seleccio&amp;nar</translation>
    </message>
    <message>
        <source>Answer Key</source>
        <translation>Solución</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Letras</translation>
    </message>
    <message>
        <source>&amp;Skeleton Puzzle</source>
        <translation>Crucigrama &amp;esqueleto</translation>
    </message>
    <message>
        <source>&amp;Filled Box Color</source>
        <translation>C&amp;olor de casillas rellenas</translation>
    </message>
    <message>
        <source>Puzzle Boxes</source>
        <translation>Casillas del crucigrama</translation>
    </message>
    <message>
        <source>&amp;View/Print</source>
        <translation>&amp;Ver/Imprimir</translation>
    </message>
    <message>
        <source>Change Page &amp;Layout</source>
        <translation>Cambiar &amp;diseño de página</translation>
    </message>
    <message>
        <source>Change &amp;Fonts</source>
        <translation>Cambiar &amp;fuentes</translation>
    </message>
    <message>
        <source>Change Clue &amp;Headers</source>
        <translation>Cambiar encabe&amp;zados de pistas</translation>
    </message>
    <message>
        <source>Change Bon&amp;us Question</source>
        <translation>Cambiar preg&amp;unta extra</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sal&amp;ir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>&amp;Configurar impresora</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Puzzle Clue Numbers Font</source>
        <translation>Fuente de los números de pista</translation>
    </message>
    <message>
        <source>Puzzle Answer Font</source>
        <translation>Fuente de la solución</translation>
    </message>
    <message>
        <source>%1 Font</source>
        <translation>Fuente de %1</translation>
    </message>
</context>
<context>
    <name>qx::PrintStatusDialog</name>
    <message>
        <source>Report Status Screen</source>
        <translation>Estado del informe</translation>
    </message>
    <message>
        <source>Printing Status</source>
        <translation>Estado de la impresión</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Puzzle Generation Canceled!</source>
        <translation>¡Generación del crucigrama cancelada!</translation>
    </message>
    <message>
        <source>Puzzle Generated!</source>
        <translation>¡Crucigrama generado!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
</context>
<context>
    <name>qx::PuzzlePicker</name>
    <message>
        <source>&amp;Select All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>&amp;Deseleccionar todo</translation>
    </message>
</context>
<context>
    <name>qx::ShapeEditorDialog</name>
    <message>
        <source>Shape Creator</source>
        <translation>Creador de formas</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Left Click To Toggle</source>
        <translation>Clic izquierdo para alternar</translation>
    </message>
    <message>
        <source>Right Click To Fill</source>
        <translation>Clic derecho para rellenar</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Ancho</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>A&amp;lto</translation>
    </message>
    <message>
        <source>Shift Grid</source>
        <translation>Desplazar cuadrícula</translation>
    </message>
    <message>
        <source>Adjust Grid</source>
        <translation>Ajustar cuadrícula</translation>
    </message>
    <message>
        <source>&amp;Reverse</source>
        <translation>&amp;Invertir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Width must be between 5 and 49.  Please re-enter width.</source>
        <translation>El ancho debe estar entre 5 y 49. Vuelva a escribir el ancho.</translation>
    </message>
    <message>
        <source>Height must be between 5 and 49.  Please re-enter height.</source>
        <translation>El alto debe estar entre 5 y 49. Vuelva a escribir el alto.</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Error de disco</translation>
    </message>
    <message>
        <source>Unable to add shape.</source>
        <translation>No se puede añadir la forma.</translation>
    </message>
</context>
<context>
    <name>qx::ShapeLibraryDialog</name>
    <message>
        <source>Shapes</source>
        <translation>Formas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>qx::ShapeListPanel</name>
    <message>
        <source>Unable to delete puzzle shape.</source>
        <translation>No se puede eliminar la forma de crucigrama.</translation>
    </message>
    <message>
        <source>Puzzle shape could not be imported.</source>
        <translation>No se pudo importar la forma de crucigrama.</translation>
    </message>
    <message>
        <source>Puzzle shape file is corrupt or incompatible.  Import aborted.</source>
        <translation>El archivo de formas de crucigrama está dañado o no es compatible. Importación cancelada.</translation>
    </message>
    <message>
        <source>Unable to add shape.</source>
        <translation>No se puede añadir la forma.</translation>
    </message>
    <message>
        <source>Shape could not be exported.</source>
        <translation>No se pudo exportar la forma.</translation>
    </message>
    <message>
        <source>Puzzle Shape Exported!</source>
        <translation>¡Forma de crucigrama exportada!</translation>
    </message>
    <message>
        <source>Puzzle Shape</source>
        <translation>Forma del crucigrama</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>Nue&amp;va</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>Modi&amp;ficar</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>Co&amp;piar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Elimi&amp;nar</translation>
    </message>
    <message>
        <source>Im&amp;port</source>
        <translation>I&amp;mportar</translation>
    </message>
    <message>
        <source>Expo&amp;rt</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>No saved shape information could be found.</source>
        <translation>No se encontró ninguna forma guardada.</translation>
    </message>
    <message>
        <source>Import Puzzle Shape</source>
        <translation>Importar forma de crucigrama</translation>
    </message>
    <message>
        <source>Puzzle Shapes (*.LAY)|*.LAY</source>
        <translation>Formas de crucigrama (*.LAY)|*.LAY</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>No shape selected.</source>
        <translation>No se ha seleccionado ninguna forma.</translation>
    </message>
    <message>
        <source>Export Puzzle Shape</source>
        <translation>Exportar forma de crucigrama</translation>
    </message>
    <message>
        <source>Puzzle Shape (*.LAY)|*.LAY</source>
        <translation>Forma de crucigrama (*.LAY)|*.LAY</translation>
    </message>
</context>
<context>
    <name>qx::SizePositionDialog</name>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Values In Inches</source>
        <translation>Valores en pulgadas</translation>
    </message>
    <message>
        <source>Values In Centimeters</source>
        <translation>Valores en centímetros</translation>
    </message>
    <message>
        <source>Invalid left position entered.</source>
        <translation>La posición izquierda indicada no es válida.</translation>
    </message>
    <message>
        <source>Invalid top position entered.</source>
        <translation>La posición superior indicada no es válida.</translation>
    </message>
    <message>
        <source>Invalid width entered.</source>
        <translation>El ancho indicado no es válido.</translation>
    </message>
    <message>
        <source>Invalid height entered.</source>
        <translation>El alto indicado no es válido.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>The location you have specified will place the object off the page.  Do you wish abort your changes?</source>
        <translation>La posición que ha indicado dejará el objeto fuera de la página. ¿Desea descartar los cambios?</translation>
    </message>
    <message>
        <source>Size &amp; Location of %1</source>
        <translation>Tamaño y posición de %1</translation>
    </message>
</context>
<context>
    <name>qx::SpellingSuggestionsDialog</name>
    <message>
        <source>Spelling Suggestions</source>
        <translation>Sugerencias ortográficas</translation>
    </message>
    <message>
        <source>The following word was not found in the %1 dictionary.  Suggestions are listed below.</source>
        <translation>La siguiente palabra no está en el diccionario (%1). Debajo aparecen las sugerencias.</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Sugerencias</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Omitir</translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>No replacement word has been selected.  Please choose a replacement first.</source>
        <translation>No se ha seleccionado ninguna palabra de reemplazo. Elija primero una palabra de reemplazo.</translation>
    </message>
</context>
<context>
    <name>qx::TextInputDialog</name>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
</context>
<context>
    <name>qx::ThesaurusLookupDialog</name>
    <message>
        <source>Thesaurus Lookup</source>
        <translation>Consultar sinónimos</translation>
    </message>
    <message>
        <source>&amp;Look Up</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Suggest</source>
        <translation>&amp;Sugerir</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Word</source>
        <translation>&amp;Palabra</translation>
    </message>
    <message>
        <source>&amp;Categories</source>
        <translation>Ca&amp;tegorías</translation>
    </message>
    <message>
        <source>A&amp;ntonyms</source>
        <translation>A&amp;ntónimos</translation>
    </message>
    <message>
        <source>S&amp;ynonyms</source>
        <translation>S&amp;inónimos</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Could not find the Thesaurus file.</source>
        <translation>No se encontró el archivo del diccionario de sinónimos.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Word not found in Thesaurus.  Click on &quot;suggest&quot; for possible substitute words.</source>
        <translation>La palabra no está en el diccionario de sinónimos. Haga clic en «Sugerir» para ver posibles palabras alternativas.</translation>
    </message>
    <message>
        <source>No suggestions found for the word %1.</source>
        <translation>No se encontraron sugerencias para la palabra %1.</translation>
    </message>
    <message>
        <source>No replacement word has been selected.  Please choose a replacement first.</source>
        <translation>No se ha seleccionado ninguna palabra de reemplazo. Elija primero una palabra de reemplazo.</translation>
    </message>
</context>
<context>
    <name>qx::TipOfTheDayDialog</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Consejo del día</translation>
    </message>
    <message>
        <source>&lt;b&gt;Did you know?&lt;/b&gt;</source>
        <translation>&lt;b&gt;¿Sabía que...?&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>&amp;Mostrar consejos al iniciar</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Siguiente consejo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>qx::WebPageDialog</name>
    <message>
        <source>HTML Creation</source>
        <translation>Creación de HTML</translation>
    </message>
    <message>
        <source>Create A Web Page</source>
        <translation>Crear una página web</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Línea horizontal</translation>
    </message>
    <message>
        <source>Puzzle will go here</source>
        <translation>Aquí irá el crucigrama</translation>
    </message>
    <message>
        <source>&amp;Save HTML</source>
        <translation>&amp;Guardar HTML</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>First Header Lines</source>
        <translation>Primeras líneas del encabezado</translation>
    </message>
    <message>
        <source>Second Header Lines</source>
        <translation>Segundas líneas del encabezado</translation>
    </message>
    <message>
        <source>First Footer Lines</source>
        <translation>Primeras líneas del pie</translation>
    </message>
    <message>
        <source>Second Footer Lines</source>
        <translation>Segundas líneas del pie</translation>
    </message>
    <message>
        <source>Web Page Title</source>
        <translation>Título de la página web</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrado</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamaño de fuente</translation>
    </message>
    <message>
        <source>%1 and its picture %2 already exist.
Do you want to replace them?</source>
        <translation>%1 y su imagen %2 ya existen.
¿Desea reemplazarlos?</translation>
    </message>
    <message>
        <source>%1 already exists; its picture will be saved as %2.
Do you want to replace it?</source>
        <translation>%1 ya existe; su imagen se guardará como %2.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>The picture %2 of %1 already exists.
Do you want to replace it?</source>
        <translation>La imagen %2 de %1 ya existe.
¿Desea reemplazarla?</translation>
    </message>
    <message>
        <source>Save HTML Document</source>
        <translation>Guardar documento HTML</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Unable to create html file.</source>
        <translation>No se puede crear el archivo HTML.</translation>
    </message>
    <message>
        <source>%1 pt</source>
        <translation>%1 pt</translation>
    </message>
    <message>
        <source>html (*.htm)|*.htm</source>
        <translation>Página HTML (*.htm)|*.htm</translation>
    </message>
</context>
<context>
    <name>qx::WordGrid</name>
    <message>
        <source>Cnt</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Pista</translation>
    </message>
</context>
<context>
    <name>qx::WordListEditor</name>
    <message>
        <source>Word List Input</source>
        <translation>Lista de palabras</translation>
    </message>
    <message>
        <source>Puzzle Title</source>
        <translation>Título del crucigrama</translation>
    </message>
    <message>
        <source>Categor&amp;y</source>
        <translation>Ca&amp;tegoría</translation>
    </message>
    <message>
        <source>Bonus Question</source>
        <translation>Pregunta extra</translation>
    </message>
    <message>
        <source>Words and Clues</source>
        <translation>Palabras y pistas</translation>
    </message>
    <message>
        <source>Delete &amp;All</source>
        <translation>&amp;Borrar todo</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>International Characters</source>
        <translation>Caracteres internacionales</translation>
    </message>
    <message>
        <source>&amp;Spell Check</source>
        <translation>&amp;Ortografía</translation>
    </message>
    <message>
        <source>&amp;Thesaurus</source>
        <translation>&amp;Sinónimos</translation>
    </message>
    <message>
        <source>Su&amp;ggest Clues</source>
        <translation>S&amp;ugerir pistas</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Diseño de página</translation>
    </message>
    <message>
        <source>Change La&amp;yout</source>
        <translation>Cambiar &amp;diseño</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>A&amp;justar</translation>
    </message>
    <message>
        <source>&amp;Quick Create</source>
        <translation>Creación &amp;rápida</translation>
    </message>
    <message>
        <source>T&amp;horough</source>
        <translation>Ex&amp;haustiva</translation>
    </message>
    <message>
        <source>Search for the grid with the most words, then the most crossings, for the effort&apos;s seconds, instead of running the creation attempts.</source>
        <translation>Busca la cuadrícula con más palabras y, después, con más cruces durante los segundos indicados en Esfuerzo, en lugar de hacer los intentos de creación.</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>How long the thorough search and the search for the smallest square run on an ordinary machine: longer finds better grids.</source>
        <translation>Cuánto tiempo duran la búsqueda exhaustiva y la búsqueda del cuadrado más pequeño en un equipo normal: cuanto más tiempo, mejores cuadrículas.</translation>
    </message>
    <message>
        <source>E&amp;ffort</source>
        <translation>Esfuer&amp;zo</translation>
    </message>
    <message>
        <source>Creation Attempts</source>
        <translation>Intentos de creación</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Crear</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Add &amp;Words</source>
        <translation>&amp;Añadir palabras</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>Suggest clues for the selected rows, or for every word without a clue.</source>
        <translation>Sugiere pistas para las filas seleccionadas o para todas las palabras sin pista.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Smallest square: %1 × %1, every word placed.</source>
        <translation>Cuadrado más pequeño: %1 × %1, con todas las palabras colocadas.</translation>
    </message>
    <message>
        <source>No square up to 49 × 49 holds every word: %1 × %1 holds the most.</source>
        <translation>Ningún cuadrado de hasta 49 × 49 admite todas las palabras: el de %1 × %1 es el que más admite.</translation>
    </message>
    <message>
        <source>No title specified.  Please correct.</source>
        <translation>No se ha indicado el título. Corríjalo, por favor.</translation>
    </message>
    <message>
        <source>No category specified.  Please correct.</source>
        <translation>No se ha indicado la categoría. Corríjalo, por favor.</translation>
    </message>
    <message>
        <source>Puzzle has been modified.  Save changes?</source>
        <translation>El crucigrama se ha modificado. ¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>All words are already cleared.</source>
        <translation>Ya se han borrado todas las palabras.</translation>
    </message>
    <message>
        <source>This will remove all words and clues.  Continue?</source>
        <translation>Se quitarán todas las palabras y pistas. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Suggest Clues</source>
        <translation>Sugerir pistas</translation>
    </message>
    <message>
        <source>Every word has a clue.  Select the rows whose clues should be suggested again.</source>
        <translation>Todas las palabras tienen pista. Seleccione las filas cuyas pistas quiera que se vuelvan a sugerir.</translation>
    </message>
</context>
<context>
    <name>qx::WordListExportDialog</name>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Save &amp;File</source>
        <translation>Guardar &amp;archivo</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Seleccionar todo</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Quitar selección</translation>
    </message>
    <message>
        <source>Select &amp;Used</source>
        <translation>Seleccionar &amp;usadas</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Palabras</translation>
    </message>
    <message>
        <source>&amp;Clues</source>
        <translation>P&amp;istas</translation>
    </message>
    <message>
        <source>Words &amp;And Clues</source>
        <translation>Palabras &amp;y pistas</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>No words/clues selected for output.  Please select the desired words/clues.</source>
        <translation>No se han seleccionado palabras ni pistas para exportar. Seleccione las palabras o pistas que desee.</translation>
    </message>
    <message>
        <source>Save Word/Clue List</source>
        <translation>Guardar lista de palabras y pistas</translation>
    </message>
    <message>
        <source>Unable to create export file.</source>
        <translation>No se puede crear el archivo de exportación.</translation>
    </message>
</context>
<context>
    <name>qx::WordListImportDialog</name>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>&amp;Abrir archivo</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Seleccionar todo</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Quitar selección</translation>
    </message>
    <message>
        <source>As &amp;Words</source>
        <translation>Como &amp;palabras</translation>
    </message>
    <message>
        <source>As &amp;Clues</source>
        <translation>Como p&amp;istas</translation>
    </message>
    <message>
        <source>&amp;As Words and Clues</source>
        <translation>Como palabras &amp;y pistas</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>Ac&amp;eptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Import Word/Clue List</source>
        <translation>Importar lista de palabras y pistas</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Unable to open import file.</source>
        <translation>No se puede abrir el archivo de importación.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>No word/clue seperator character specified.</source>
        <translation>No se ha indicado el carácter separador entre palabra y pista.</translation>
    </message>
</context>
<context>
    <name>qx::WordSeparatorsDialog</name>
    <message>
        <source>Word Separator Characters</source>
        <translation>Caracteres separadores de palabras</translation>
    </message>
    <message>
        <source>The following characters (if checked) will be displayed in the puzzle where they are used by words.  This is useful in instances where the word to solve for is actually more than one word and you wish to have them separated in the puzzle itself.</source>
        <translation>Los siguientes caracteres (si están marcados) se mostrarán en el crucigrama allí donde los usen las palabras. Es útil cuando la respuesta que hay que encontrar está formada en realidad por varias palabras y desea que aparezcan separadas en el propio crucigrama.</translation>
    </message>
    <message>
        <source>&amp;Dash (-)</source>
        <translation>&amp;Guion (-)</translation>
    </message>
    <message>
        <source>&amp;Slash (/)</source>
        <translation>&amp;Barra (/)</translation>
    </message>
    <message>
        <source>&amp;Plus (+)</source>
        <translation>&amp;Más (+)</translation>
    </message>
    <message>
        <source>S&amp;tar (*)</source>
        <translation>As&amp;terisco (*)</translation>
    </message>
    <message>
        <source>&amp;User Defined</source>
        <translation>&amp;Definido por el usuario</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Character cannot be in A..Z.  Please correct.</source>
        <translation>El carácter no puede estar entre la A y la Z. Corríjalo, por favor.</translation>
    </message>
</context>
<context>
    <name>qx::WordSuggestionsDialog</name>
    <message>
        <source>Word Suggestions</source>
        <translation>Sugerencias de palabras</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Suggestion for</source>
        <translation>Sugerencia para</translation>
    </message>
</context>
</TS>
