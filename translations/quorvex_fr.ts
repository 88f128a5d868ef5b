<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ObjectMenu</name>
    <message>
        <source>&amp;Size &amp;&amp; Position...</source>
        <translation>&amp;Taille &amp;&amp; position...</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propriétés</translation>
    </message>
    <message>
        <source>B&amp;order</source>
        <translation>&amp;Bordure</translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation>&amp;Remplissage</translation>
    </message>
    <message>
        <source>Change &amp;Text...</source>
        <translation>Modifier le te&amp;xte...</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>À &amp;gauche</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Centré</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>À &amp;droite</translation>
    </message>
    <message>
        <source>Text &amp;Font</source>
        <translation>P&amp;olice du texte</translation>
    </message>
    <message>
        <source>&amp;Clue Number Font</source>
        <translation>Police des &amp;numéros</translation>
    </message>
    <message>
        <source>Load B&amp;itmap</source>
        <translation>Charger une &amp;image</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Bring To Front</source>
        <translation>Mettre au premier p&amp;lan</translation>
    </message>
    <message>
        <source>&amp;Send To Back</source>
        <translation>Mettre à l&apos;&amp;arrière-plan</translation>
    </message>
    <message>
        <source>Answer Key Font</source>
        <translation>Police du corrigé</translation>
    </message>
    <message>
        <source>Text &amp;Alignment</source>
        <translation>Ali&amp;gnement du texte</translation>
    </message>
</context>
<context>
    <name>PrintStatusDialog</name>
    <message>
        <source>One or more bitmaps in the layout design could not be located.</source>
        <translation>Une ou plusieurs images de la mise en page sont introuvables.</translation>
    </message>
    <message>
        <source>Puzzle Clues would not fit in allocated space.  You will need to change the alotted clue space on the page layout, change the font size for the clues or select the &quot;Make It Fit&quot; attribute for the clue fonts.</source>
        <translation>Les définitions ne tiennent pas dans l&apos;espace prévu. Agrandissez l&apos;espace réservé aux définitions dans la mise en page, réduisez la taille de leur police ou activez l&apos;option «&#xa0;Ajuster au cadre&#xa0;» de leur police.</translation>
    </message>
    <message>
        <source>Puzzle Words would not fit in allocated space.  You will need to change the alotted word space on the page layout, change the font size for the words or select the &quot;Make It Fit&quot; attribute for the puzzle words.</source>
        <translation>Les mots de la grille ne tiennent pas dans l&apos;espace prévu. Agrandissez l&apos;espace réservé aux mots dans la mise en page, réduisez la taille de leur police ou activez l&apos;option «&#xa0;Ajuster au cadre&#xa0;» pour les mots de la grille.</translation>
    </message>
    <message>
        <source>Text would not fit in allocated space.  You will need to change the alotted text space on the page layout, change the font size for the text or select the &quot;Make It Fit&quot; attribute for the text object.</source>
        <translation>Le texte ne tient pas dans l&apos;espace prévu. Agrandissez l&apos;espace réservé au texte dans la mise en page, réduisez la taille de sa police ou activez l&apos;option «&#xa0;Ajuster au cadre&#xa0;» de l&apos;objet texte.</translation>
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
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be located.  Please make sure that it was installed.</source>
        <translation>Le fichier d&apos;aide «&#xa0;%1&#xa0;» est introuvable. Vérifiez qu&apos;il a bien été installé.</translation>
    </message>
    <message>
        <source>its title</source>
        <translation>son titre</translation>
    </message>
    <message>
        <source>its category</source>
        <translation>sa catégorie</translation>
    </message>
    <message>
        <source>its bonus question</source>
        <translation>sa question bonus</translation>
    </message>
    <message>
        <source>its word %1</source>
        <translation>son mot %1</translation>
    </message>
    <message>
        <source>its clue %1</source>
        <translation>sa définition %1</translation>
    </message>
    <message>
        <source>%1 holds the control character %2</source>
        <translation>%1 contient le caractère de contrôle %2</translation>
    </message>
    <message>
        <source>The puzzle &quot;%1&quot; cannot be imported: %2.  Nothing was imported.</source>
        <translation>La grille «&#xa0;%1&#xa0;» ne peut pas être importée&#xa0;: %2. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Import Puzzles</source>
        <translation>Importer des grilles</translation>
    </message>
    <message>
        <source>The file selected is not a valid Quorvex file.</source>
        <translation>Le fichier choisi n&apos;est pas un fichier Quorvex valide.</translation>
    </message>
    <message>
        <source>Puzzle could not be imported.</source>
        <translation>La grille n&apos;a pas pu être importée.</translation>
    </message>
    <message>
        <source>Puzzle file is corrupt or incompatible.  Import aborted.</source>
        <translation>Le fichier de grilles est endommagé ou incompatible. Importation annulée.</translation>
    </message>
    <message>
        <source>Unable to save puzzle.</source>
        <translation>Impossible d&apos;enregistrer la grille.</translation>
    </message>
    <message>
        <source>Import File cannot be the same as the currently open file.</source>
        <translation>Le fichier à importer ne peut pas être le fichier actuellement ouvert.</translation>
    </message>
    <message>
        <source>Create New Puzzle</source>
        <translation>Créer une grille</translation>
    </message>
    <message>
        <source>Unable to access Word List file.</source>
        <translation>Impossible d&apos;accéder au fichier de la liste de mots.</translation>
    </message>
    <message>
        <source>Modify Existing Puzzle</source>
        <translation>Modifier une grille</translation>
    </message>
    <message>
        <source>Create New Puzzle (copy of existing puzzle)</source>
        <translation>Créer une grille (copie d&apos;une grille existante)</translation>
    </message>
    <message>
        <source>Unable to load puzzle.</source>
        <translation>Impossible de charger la grille.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>These files could not be copied into %1: %2</source>
        <translation>Ces fichiers n&apos;ont pas pu être copiés dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The settings could not be read; the program starts with its defaults.</source>
        <translation>Les paramètres n&apos;ont pas pu être lus&#xa0;; le programme démarre avec les valeurs par défaut.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>User generated puzzles from a previous version of Quorvex have been detected.  Would you like to convert them to a puzzle group?</source>
        <translation>Des grilles créées avec une version précédente de Quorvex ont été détectées. Voulez-vous les convertir en une collection&#xa0;?</translation>
    </message>
    <message>
        <source>Puzzles could not be imported.</source>
        <translation>Les grilles n&apos;ont pas pu être importées.</translation>
    </message>
    <message>
        <source>Unable to save puzzles.</source>
        <translation>Impossible d&apos;enregistrer les grilles.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A new puzzle group named &quot;%1&quot; has been created.</source>
        <translation>Une nouvelle collection nommée «&#xa0;%1&#xa0;» a été créée.</translation>
    </message>
    <message>
        <source>User generated shapes from a previous version of Quorvex have been detected.  Would you like to add them to the current list of puzzle shapes?</source>
        <translation>Des formes créées avec une version précédente de Quorvex ont été détectées. Voulez-vous les ajouter à la liste actuelle des formes de grille&#xa0;?</translation>
    </message>
    <message>
        <source>Unable to add shapes.</source>
        <translation>Impossible d&apos;ajouter les formes.</translation>
    </message>
    <message>
        <source>Puzzle shapes have been added.</source>
        <translation>Les formes de grille ont été ajoutées.</translation>
    </message>
    <message>
        <source>Creation Attempt #%1</source>
        <translation>Essai de création nº %1</translation>
    </message>
    <message>
        <source>%1 of %2 words</source>
        <translation>%1 mots sur %2</translation>
    </message>
    <message>
        <source>Thorough Search</source>
        <translation>Recherche approfondie</translation>
    </message>
    <message>
        <source>Aborted: %1</source>
        <translation>Interrompu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Aborted on creation Attempt #%1</source>
        <translation>Interrompu à l&apos;essai de création nº %1</translation>
    </message>
    <message>
        <source>Square %1 × %1</source>
        <translation>Carré %1 × %1</translation>
    </message>
    <message>
        <source>Aborted on square %1 × %1</source>
        <translation>Interrompu au carré %1 × %1</translation>
    </message>
    <message>
        <source>%1 × %1 every word</source>
        <translation>%1 × %1 (tous les mots)</translation>
    </message>
    <message>
        <source>%1 × %1 %2</source>
        <translation>%1 × %1 (%2)</translation>
    </message>
    <message>
        <source>Squares tried: %1.</source>
        <translation>Carrés essayés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Longer than any row or column of the shape.</source>
        <translation>Plus long que toutes les lignes et colonnes de la forme.</translation>
    </message>
    <message>
        <source>No letter in common with the words placed.</source>
        <translation>Aucune lettre en commun avec les mots placés.</translation>
    </message>
    <message>
        <source>Every position crossing a placed word is blocked; the first by &quot;%1&quot;.</source>
        <translation>Toutes les positions croisant un mot placé sont bloquées&#xa0;; la première par «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Every position crossing a placed word is blocked; the first by the edge of the shape.</source>
        <translation>Toutes les positions croisant un mot placé sont bloquées&#xa0;; la première par le bord de la forme.</translation>
    </message>
    <message>
        <source>Not tried: the attempt stopped early.</source>
        <translation>Non essayé&#xa0;: l&apos;essai s&apos;est arrêté trop tôt.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 words
%4 crossings per word, %5% fill</source>
        <translation>%1&#xa0;: %2 mots sur %3
%4 croisements par mot, remplissage %5&#xa0;%</translation>
    </message>
    <message>
        <source>Best Fit</source>
        <translation>Meilleure grille</translation>
    </message>
    <message>
        <source>Second Best Fit</source>
        <translation>Deuxième grille</translation>
    </message>
    <message>
        <source>Third Best Fit</source>
        <translation>Troisième grille</translation>
    </message>
    <message>
        <source>Fourth Best Fit</source>
        <translation>Quatrième grille</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; (%2) cannot be stored in a shape name.</source>
        <translation>Le caractère «&#xa0;%1&#xa0;» (%2) ne peut pas figurer dans un nom de forme.</translation>
    </message>
    <message>
        <source>The character %1 cannot be stored in a shape name.</source>
        <translation>Le caractère %1 ne peut pas figurer dans un nom de forme.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; (%2) cannot be used in a heading.</source>
        <translation>Le caractère «&#xa0;%1&#xa0;» (%2) ne peut pas être utilisé dans un en-tête.</translation>
    </message>
    <message>
        <source>The character %1 cannot be used in a heading.</source>
        <translation>Le caractère %1 ne peut pas être utilisé dans un en-tête.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; (%2) cannot be stored in a puzzle.</source>
        <translation>Le caractère «&#xa0;%1&#xa0;» (%2) ne peut pas être enregistré dans une grille.</translation>
    </message>
    <message>
        <source>The character %1 cannot be stored in a puzzle.</source>
        <translation>Le caractère %1 ne peut pas être enregistré dans une grille.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>Fichier %1</translation>
    </message>
    <message>
        <source>Font Colour</source>
        <translation>Couleur de la police</translation>
    </message>
    <message>
        <source>%1 was changed by another program.  %2</source>
        <translation>%1 a été modifié par un autre programme. %2</translation>
    </message>
    <message>
        <source>Load Bitmap File</source>
        <translation>Charger un fichier image</translation>
    </message>
    <message>
        <source>The file selected is not a valid bitmap file.</source>
        <translation>Le fichier choisi n&apos;est pas un fichier image valide.</translation>
    </message>
    <message>
        <source>Your puzzle was not saved; reopen the collection to see the change.</source>
        <translation>Votre grille n&apos;a pas été enregistrée&#xa0;; rouvrez la collection pour voir la modification.</translation>
    </message>
    <message>
        <source>You have selected a puzzle shape with large dimensions.  Be advised that you may need to select a &quot;Page Layout&quot; that has a very large area for the puzzle in order for the puzzle to appear in a normal size.</source>
        <translation>Vous avez choisi une forme de grille de grandes dimensions. Il vous faudra peut-être choisir une «&#xa0;mise en page&#xa0;» qui réserve une très grande surface à la grille pour qu&apos;elle s&apos;affiche à une taille normale.</translation>
    </message>
    <message>
        <source>No title specified.  Please correct.</source>
        <translation>Aucun titre indiqué. Veuillez corriger.</translation>
    </message>
    <message>
        <source>No category specified.  Please correct.</source>
        <translation>Aucune catégorie indiquée. Veuillez corriger.</translation>
    </message>
    <message>
        <source>No words have been entered.  Please correct.</source>
        <translation>Aucun mot n&apos;a été saisi. Veuillez corriger.</translation>
    </message>
    <message>
        <source>Attempts must be between 1 and 999.  Please correct.</source>
        <translation>Le nombre d&apos;essais doit être compris entre 1 et 999. Veuillez corriger.</translation>
    </message>
    <message>
        <source>Word is greater than puzzle dimension size of %1 characters in &quot;%2&quot;.</source>
        <translation>Le mot «&#xa0;%2&#xa0;» dépasse la taille de la grille, qui est de %1 caractères.</translation>
    </message>
    <message>
        <source>The maximum word length as provided by the selected layout is %1.  The following word is greater than the maximum word length: &quot;%2&quot;.  You will need to correct the word or change the layout.</source>
        <translation>La longueur maximale des mots permise par la mise en page choisie est de %1. Le mot suivant dépasse cette longueur maximale&#xa0;: «&#xa0;%2&#xa0;». Corrigez le mot ou changez de mise en page.</translation>
    </message>
    <message>
        <source>The length of the clue for the word &quot;%1&quot; is %2 characters longer than the maximum clue size of 150.</source>
        <translation>La définition du mot «&#xa0;%1&#xa0;» dépasse de %2 caractères la longueur maximale de 150 caractères.</translation>
    </message>
    <message>
        <source>A puzzle has never been generated for this word/clue list. Please select &quot;File|Modify&quot; from the menu and create the puzzle first</source>
        <translation>Aucune grille n&apos;a encore été générée pour cette liste de mots et de définitions. Choisissez «&#xa0;Fichier | Modifier la grille&#xa0;» dans le menu et créez d&apos;abord la grille.</translation>
    </message>
    <message>
        <source>This puzzle already holds %1 words, the most a puzzle can hold.  No word can be added.</source>
        <translation>Cette grille contient déjà %1 mots, le maximum possible. Aucun mot ne peut être ajouté.</translation>
    </message>
    <message>
        <source>The letters typed make %1 new words, but this puzzle has room for only %2 more.  Please remove some letters.</source>
        <translation>Les lettres saisies forment %1 nouveaux mots, mais cette grille ne peut plus en accueillir que %2. Veuillez supprimer des lettres.</translation>
    </message>
    <message>
        <source>The letters &quot;%1&quot; make a word of %2 letters, but a word holds at most %3.  Please remove some letters.</source>
        <translation>Les lettres «&#xa0;%1&#xa0;» forment un mot de %2 lettres, mais un mot ne peut en compter que %3 au maximum. Veuillez supprimer des lettres.</translation>
    </message>
    <message>
        <source>Separator Char</source>
        <translation>Caractère séparateur</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more line(s).</source>
        <translation>
            <numerusform>... et %n autre ligne.</numerusform>
            <numerusform>... et %n autres lignes.</numerusform>
        </translation>
    </message>
    <message>
        <source>These lines of the file hold a character a puzzle cannot store:</source>
        <translation>Ces lignes du fichier contiennent un caractère qu&apos;une grille ne peut pas enregistrer&#xa0;:</translation>
    </message>
    <message>
        <source>Import the other lines?</source>
        <translation>Importer les autres lignes&#xa0;?</translation>
    </message>
    <message>
        <source>word</source>
        <translation>le dernier mot</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>les %1 derniers mots</translation>
    </message>
    <message>
        <source>Too many words selected.  Last %1 will not be used.  Continue?</source>
        <translation>Trop de mots sélectionnés. Quorvex laissera de côté %1. Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Bitmap (*.BMP)|*.BMP</source>
        <translation>Image BMP (*.BMP)|*.BMP</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt|all files (*.*)|*.*</source>
        <translation>Fichiers texte (*.txt)|*.txt|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt</source>
        <translation>Fichiers texte (*.txt)|*.txt</translation>
    </message>
</context>
<context>
    <name>SolvablePage</name>
    <message>
        <source>Every letter is right: the puzzle is solved.</source>
        <translation>Toutes les lettres sont justes&#xa0;: la grille est résolue.</translation>
    </message>
    <message>
        <source>Every square is filled in correctly.</source>
        <translation>Toutes les cases sont correctement remplies.</translation>
    </message>
    <message>
        <source>The puzzle is complete, with one letter revealed.</source>
        <translation>La grille est terminée, avec une lettre révélée.</translation>
    </message>
    <message>
        <source>The puzzle is complete, with {n} letters revealed.</source>
        <extracomment>{n} stands for a number; keep it as it is.</extracomment>
        <translation>La grille est terminée, avec {n} lettres révélées.</translation>
    </message>
    <message>
        <source>One letter is wrong.</source>
        <translation>Une lettre est fausse.</translation>
    </message>
    <message>
        <source>{n} letters are wrong.</source>
        <extracomment>{n} stands for a number; keep it as it is.</extracomment>
        <translation>{n} lettres sont fausses.</translation>
    </message>
    <message>
        <source>The letters filled in so far are right; one square is still empty.</source>
        <translation>Les lettres inscrites jusqu&apos;ici sont justes&#xa0;; il reste une case vide.</translation>
    </message>
    <message>
        <source>The letters filled in so far are right; {n} squares are still empty.</source>
        <extracomment>{n} stands for a number; keep it as it is.</extracomment>
        <translation>Les lettres inscrites jusqu&apos;ici sont justes&#xa0;; il reste {n} cases vides.</translation>
    </message>
    <message>
        <source>This letter is right.</source>
        <translation>Cette lettre est juste.</translation>
    </message>
    <message>
        <source>This word is right.</source>
        <translation>Ce mot est juste.</translation>
    </message>
    <message>
        <source>The letter is revealed.</source>
        <translation>La lettre est révélée.</translation>
    </message>
    <message>
        <source>The word is revealed.</source>
        <translation>Le mot est révélé.</translation>
    </message>
    <message>
        <source>The whole puzzle is revealed.</source>
        <translation>Toute la grille est révélée.</translation>
    </message>
    <message>
        <source>The word is cleared.</source>
        <translation>Le mot est effacé.</translation>
    </message>
    <message>
        <source>Reveal every letter of this puzzle?  Revealed letters are marked and counted.</source>
        <translation>Révéler toutes les lettres de cette grille&#xa0;? Les lettres révélées sont marquées et comptées.</translation>
    </message>
    <message>
        <source>Reveal puzzle</source>
        <translation>Révéler la grille</translation>
    </message>
    <message>
        <source>Clear every letter of this puzzle?</source>
        <translation>Effacer toutes les lettres de cette grille&#xa0;?</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Time {n}</source>
        <extracomment>{n} stands for the time on the clock; keep it as it is.</extracomment>
        <translation>Temps {n}</translation>
    </message>
    <message>
        <source>Pause the timer</source>
        <translation>Mettre le chronomètre en pause</translation>
    </message>
    <message>
        <source>Resume the timer</source>
        <translation>Relancer le chronomètre</translation>
    </message>
    <message>
        <source>The timer is paused.</source>
        <translation>Le chronomètre est en pause.</translation>
    </message>
</context>
<context>
    <name>TipOfTheDayDialog</name>
    <message>
        <source>You can spell check your words and clues using an American, British, Spanish, Italian, French, German, Dutch or Swedish dictionary.</source>
        <translation>Vous pouvez vérifier l&apos;orthographe de vos mots et de vos définitions avec un dictionnaire anglais américain, anglais britannique, espagnol, italien, français, allemand, néerlandais ou suédois.</translation>
    </message>
    <message>
        <source>You can add words or exclude words from each of the spell checking dictionaries.</source>
        <translation>Vous pouvez ajouter des mots à chacun des dictionnaires orthographiques, ou en exclure.</translation>
    </message>
    <message>
        <source>You can look up definitions of words using a 50,000 word American or British thesaurus.</source>
        <translation>Vous pouvez chercher le sens des mots dans un dictionnaire des synonymes américain ou britannique de 50&#xa0;000 mots.</translation>
    </message>
    <message>
        <source>You can specify &quot;word separator&quot; characters that can be used to split up multi-word answers.  These characters will show up in the puzzle.</source>
        <translation>Vous pouvez indiquer des «&#xa0;séparateurs de mots&#xa0;», qui servent à découper les réponses de plusieurs mots. Ces caractères apparaissent dans la grille.</translation>
    </message>
    <message>
        <source>You can specify fonts to use for input fields, labels and buttons. User specified fonts for input fields greatly facilitates foreign language input.</source>
        <translation>Vous pouvez choisir les polices des champs de saisie, des étiquettes et des boutons. Une police de saisie choisie par vos soins facilite beaucoup la saisie en langue étrangère.</translation>
    </message>
    <message>
        <source>You can change the puzzle title and category after it has been created.</source>
        <translation>Vous pouvez modifier le titre et la catégorie d&apos;une grille après sa création.</translation>
    </message>
    <message>
        <source>You can change the clues to the puzzle after it has been created.</source>
        <translation>Vous pouvez modifier les définitions d&apos;une grille après sa création.</translation>
    </message>
    <message>
        <source>You can add new words and clues, placing the words manually in the location you desire after the puzzle has been created.</source>
        <translation>Après la création d&apos;une grille, vous pouvez ajouter de nouveaux mots et définitions, en plaçant vous-même les mots à l&apos;endroit voulu.</translation>
    </message>
    <message>
        <source>You can change the puzzle layout or change the bonus question after the puzzle has been created.</source>
        <translation>Vous pouvez changer la mise en page d&apos;une grille ou modifier sa question bonus après sa création.</translation>
    </message>
    <message>
        <source>You can create your own puzzle shapes from scratch or from an existing shape.  You can also share them with others (import &amp;&amp; export)</source>
        <translation>Vous pouvez créer vos propres formes de grille, à partir de zéro ou d&apos;une forme existante. Vous pouvez aussi les partager avec d&apos;autres (importer &amp;&amp; exporter)</translation>
    </message>
    <message>
        <source>You can export your created puzzles in a variety of graphic formats so that the puzzles can readily be used in Word Processors, Desktop Publishers, etc.</source>
        <translation>Vous pouvez exporter vos grilles dans différents formats graphiques, pour les utiliser facilement dans un traitement de texte, un logiciel de PAO, etc.</translation>
    </message>
    <message>
        <source>You can choose to print the puzzle with some of the answers filled in to give a &quot;head start&quot;.</source>
        <translation>Vous pouvez imprimer la grille avec certaines réponses déjà inscrites, pour donner un «&#xa0;coup de pouce&#xa0;».</translation>
    </message>
    <message>
        <source>You can choose to print the puzzle with certain letters showing up in the puzzle.  Great for hints.</source>
        <translation>Vous pouvez imprimer la grille en y faisant apparaître certaines lettres. Idéal pour donner des indices.</translation>
    </message>
    <message>
        <source>You can choose and override any fonts for any section of puzzle print out.  This includes size, color and style.</source>
        <translation>Vous pouvez choisir et remplacer les polices de chaque partie de la grille imprimée&#xa0;: taille, couleur et style compris.</translation>
    </message>
    <message>
        <source>You can choose to have text printed in a &quot;transparent&quot; mode so that underlying graphics and bitmaps will show through.</source>
        <translation>Vous pouvez imprimer du texte en mode «&#xa0;transparent&#xa0;», pour laisser apparaître les dessins et les images placés dessous.</translation>
    </message>
    <message>
        <source>You can choose to have borders placed around clues, titles, headers, text, shapes and specify the width and color.</source>
        <translation>Vous pouvez entourer de bordures les définitions, les titres, les en-têtes, le texte et les figures, et en choisir l&apos;épaisseur et la couleur.</translation>
    </message>
    <message>
        <source>You can choose to have the numbered letters in the puzzle print out either vertical or horizontal.</source>
        <translation>Vous pouvez imprimer les numéros de la grille à la verticale ou à l&apos;horizontale.</translation>
    </message>
    <message>
        <source>You can choose to print a list of the words in the puzzle on the printout as a guide or as clues.</source>
        <translation>Vous pouvez imprimer sur la page la liste des mots de la grille, comme aide ou comme définitions.</translation>
    </message>
    <message>
        <source>You can add bonus questions to the puzzles--good for extra credit.</source>
        <translation>Vous pouvez ajouter des questions bonus aux grilles, idéales pour des points en plus.</translation>
    </message>
    <message>
        <source>You can add squares, circles, bitmaps and text to the puzzle layouts.  Spice it up with fancy bitmaps or add your own informative text.</source>
        <translation>Vous pouvez ajouter des carrés, des cercles, des images et du texte aux mises en page. Égayez-les avec de belles images ou ajoutez vos propres textes explicatifs.</translation>
    </message>
    <message>
        <source>You can design your own Puzzle Page layout. Place the puzzle, clues, title, etc where you want them, the size you want them, the color you want them and more!</source>
        <translation>Vous pouvez concevoir vos propres mises en page. Placez la grille, les définitions, le titre, etc. où vous voulez, à la taille et dans la couleur de votre choix, et plus encore&#xa0;!</translation>
    </message>
    <message>
        <source>You can instruct the program to &quot;Auto Fit&quot; fonts into the designated areas you have specified for clues, titles, words, text, etc.</source>
        <translation>Vous pouvez demander au programme d&apos;«&#xa0;ajuster au cadre&#xa0;» les polices dans les zones prévues pour les définitions, les titres, les mots, le texte, etc.</translation>
    </message>
    <message>
        <source>You can export a puzzle as a ready to use Web Page (in HTML format)</source>
        <translation>Vous pouvez exporter une grille sous forme de page web prête à l&apos;emploi (au format HTML)</translation>
    </message>
    <message>
        <source>You can assign over 60 foreign characters to the F1 - F12 keys to be used in the puzzle creation window.</source>
        <translation>Vous pouvez associer plus de 60 caractères étrangers aux touches F1 à F12, pour les utiliser dans la fenêtre de saisie de la liste de mots.</translation>
    </message>
    <message>
        <source>You can choose to print the puzzle as a &quot;skeleton&quot; puzzle where just the blocks containing words are printed.</source>
        <translation>Vous pouvez imprimer la grille «&#xa0;sans cases noires&#xa0;»&#xa0;: seules les cases qui contiennent des lettres sont imprimées.</translation>
    </message>
    <message>
        <source>You can choose the number of columns to use for printing clues in each designated area for the clues.</source>
        <translation>Vous pouvez choisir le nombre de colonnes sur lesquelles les définitions s&apos;impriment dans chaque zone prévue pour elles.</translation>
    </message>
    <message>
        <source>You can create your own puzzle page layouts from scratch or from an existing layout.  You can also share them with others (import &amp;&amp; export)</source>
        <translation>Vous pouvez créer vos propres mises en page, à partir de zéro ou d&apos;une mise en page existante. Vous pouvez aussi les partager avec d&apos;autres (importer &amp;&amp; exporter)</translation>
    </message>
    <message>
        <source>You can have the best 4 puzzle creation fits displayed and you can choose from them for your desired puzzle.  Double clicking on one one of them will zoom in for a closer look.</source>
        <translation>Vous pouvez afficher les 4 meilleures grilles obtenues et choisir parmi elles celle que vous voulez. Un double-clic sur l&apos;une d&apos;elles l&apos;agrandit pour la voir de plus près.</translation>
    </message>
    <message>
        <source>You can maintain multiple sets of crosswords files.  Import and export puzzles among the files.</source>
        <translation>Vous pouvez tenir plusieurs fichiers de mots croisés. Importez et exportez des grilles d&apos;un fichier à l&apos;autre.</translation>
    </message>
    <message>
        <source>You can import a word list, clue list or combined word and clue list from a text file.</source>
        <translation>Vous pouvez importer depuis un fichier texte une liste de mots, une liste de définitions ou une liste de mots et de définitions.</translation>
    </message>
</context>
<context>
    <name>qx</name>
    <message>
        <source>Not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>File is larger than %1 bytes</source>
        <translation>Le fichier dépasse %1 octets</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;?</source>
        <translation>Voulez-vous vraiment supprimer «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Supprimer&#xa0;?</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Erreur de disque</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>%2 %1&#xa0;: %3, lettre %4 sur %5</translation>
    </message>
    <message>
        <source>Puzzle tools</source>
        <translation>Outils de la grille</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Check letter</source>
        <translation>Vérifier la lettre</translation>
    </message>
    <message>
        <source>Check word</source>
        <translation>Vérifier le mot</translation>
    </message>
    <message>
        <source>Check puzzle</source>
        <translation>Vérifier la grille</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>Révéler</translation>
    </message>
    <message>
        <source>Reveal letter</source>
        <translation>Révéler la lettre</translation>
    </message>
    <message>
        <source>Reveal word</source>
        <translation>Révéler le mot</translation>
    </message>
    <message>
        <source>Reveal puzzle...</source>
        <translation>Révéler la grille...</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Crayon</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Clear word</source>
        <translation>Effacer le mot</translation>
    </message>
    <message>
        <source>Clear all...</source>
        <translation>Tout effacer...</translation>
    </message>
    <message>
        <source>Print blank grid</source>
        <translation>Imprimer la grille vide</translation>
    </message>
    <message>
        <source>Print with my letters</source>
        <translation>Imprimer avec mes lettres</translation>
    </message>
    <message>
        <source>Previous word</source>
        <translation>Mot précédent</translation>
    </message>
    <message>
        <source>Next word</source>
        <translation>Mot suivant</translation>
    </message>
    <message>
        <source>page layout library</source>
        <translation>bibliothèque de mises en page</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>Vérification orthographique</translation>
    </message>
    <message>
        <source>Could not find one of the dictionary files.</source>
        <translation>Impossible de trouver l&apos;un des fichiers du dictionnaire.</translation>
    </message>
    <message>
        <source>Spelling Ok</source>
        <translation>Orthographe correcte</translation>
    </message>
    <message>
        <source>All words were found in the dictionary.</source>
        <translation>Tous les mots ont été trouvés dans le dictionnaire.</translation>
    </message>
    <message>
        <source>Spelling Status</source>
        <translation>Vérification orthographique</translation>
    </message>
    <message>
        <source>Spell checking aborted.</source>
        <translation>Vérification orthographique interrompue.</translation>
    </message>
    <message>
        <source>Spell checking complete.</source>
        <translation>Vérification orthographique terminée.</translation>
    </message>
    <message>
        <source>Thesaurus</source>
        <translation>Dictionnaire des synonymes</translation>
    </message>
    <message>
        <source>There is no Dutch thesaurus: Dutch words can be spell checked but not looked up.</source>
        <translation>Il n&apos;existe pas de dictionnaire des synonymes néerlandais&#xa0;: l&apos;orthographe des mots néerlandais peut être vérifiée, mais on ne peut pas y chercher de synonymes.</translation>
    </message>
    <message>
        <source>Suggested clues need WordNet (the Debian package wordnet-base) or a thesaurus, and neither is installed.</source>
        <translation>Les définitions suggérées nécessitent WordNet (le paquet Debian wordnet-base) ou un dictionnaire des synonymes, et aucun des deux n&apos;est installé.</translation>
    </message>
    <message>
        <source>Suggest Clues</source>
        <translation>Suggérer des définitions</translation>
    </message>
    <message>
        <source>There is no Dutch thesaurus, so no clues can be suggested for Dutch words.  Choose another thesaurus under Options, Thesaurus Type.</source>
        <translation>Il n&apos;existe pas de dictionnaire des synonymes néerlandais&#xa0;: aucune définition ne peut donc être suggérée pour des mots néerlandais. Choisissez un autre dictionnaire dans Options, Dictionnaire des synonymes.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>anglais</translation>
    </message>
    <message>
        <source>No clues can be suggested: neither WordNet (the Debian package wordnet-base) nor the English thesaurus is installed.</source>
        <translation>Aucune définition ne peut être suggérée&#xa0;: ni WordNet (le paquet Debian wordnet-base) ni le dictionnaire des synonymes anglais ne sont installés.</translation>
    </message>
    <message>
        <source>No clues can be suggested: the %1 thesaurus is not installed.</source>
        <translation>Aucune définition ne peut être suggérée&#xa0;: le dictionnaire des synonymes (%1) n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>shape library</source>
        <translation>bibliothèque de formes</translation>
    </message>
    <message>
        <source>puzzle collection</source>
        <translation>collection de grilles</translation>
    </message>
    <message>
        <source>A link another user made in a shared folder is not followed; nothing was written</source>
        <translation>Un lien créé par un autre utilisateur dans un dossier partagé n&apos;est pas suivi&#xa0;; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>There is no puzzle to export</source>
        <translation>Il n&apos;y a aucune grille à exporter</translation>
    </message>
    <message>
        <source>The puzzle has no placed word to solve</source>
        <translation>La grille ne contient aucun mot placé à résoudre</translation>
    </message>
    <message>
        <source>The .puz format holds grids of at most %1 by %1 squares; this one is %2 by %3</source>
        <translation>Le format .puz accepte des grilles de %1 sur %1 cases au plus&#xa0;; celle-ci fait %2 sur %3</translation>
    </message>
    <message>
        <source>The .puz format cannot hold this puzzle: two words lie on the same squares (&quot;%1&quot;)</source>
        <translation>Le format .puz ne peut pas contenir cette grille&#xa0;: deux mots occupent les mêmes cases («&#xa0;%1&#xa0;»)</translation>
    </message>
    <message>
        <source>The .puz format cannot hold the character &quot;%1&quot; in a square</source>
        <translation>Le format .puz ne peut pas contenir le caractère «&#xa0;%1&#xa0;» dans une case</translation>
    </message>
    <message>
        <source>The .puz format cannot hold this puzzle: the squares %1 from row %2, column %3 are not one of its words</source>
        <translation>Le format .puz ne peut pas contenir cette grille&#xa0;: les cases %1 à partir de la ligne %2, colonne %3, ne forment pas l&apos;un de ses mots</translation>
    </message>
    <message>
        <source>down</source>
        <translation>verticales</translation>
    </message>
    <message>
        <source>across</source>
        <translation>horizontales</translation>
    </message>
    <message>
        <source>The .puz format cannot hold this puzzle: the word &quot;%1&quot; is not a run of two or more squares between black squares</source>
        <translation>Le format .puz ne peut pas contenir cette grille&#xa0;: le mot «&#xa0;%1&#xa0;» n&apos;est pas une suite d&apos;au moins deux cases entre des cases noires</translation>
    </message>
    <message>
        <source>A page %1 pixels wide cannot be made</source>
        <translation>Impossible de créer une page de %1 pixels de large</translation>
    </message>
    <message>
        <source>A metafile needs a rendered page to draw again</source>
        <translation>Un métafichier a besoin d&apos;une page déjà rendue pour être redessiné</translation>
    </message>
    <message>
        <source>A text holds a character the page cannot hold</source>
        <translation>Un texte contient un caractère que la page ne peut pas contenir</translation>
    </message>
    <message>
        <source>Its picture would have the same name</source>
        <translation>Son image porterait le même nom</translation>
    </message>
    <message>
        <source>The %1 could not be made</source>
        <translation>Impossible de créer le %1</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lettre US</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Légal US</translation>
    </message>
    <message>
        <source>Executive</source>
        <translation>Exécutif US</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lecture au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>The file was changed by another program</source>
        <translation>Le fichier a été modifié par un autre programme</translation>
    </message>
    <message>
        <source>%1 is damaged or is not a %2.  Nothing was saved.</source>
        <translation>Le fichier %1 est endommagé ou n&apos;est pas une %2. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Not a whole number of records</source>
        <translation>Le nombre d&apos;enregistrements n&apos;est pas entier</translation>
    </message>
    <message>
        <source>No such record</source>
        <translation>Enregistrement inexistant</translation>
    </message>
    <message>
        <source>The file is in use by another program</source>
        <translation>Le fichier est utilisé par un autre programme</translation>
    </message>
    <message>
        <source>The file keeps changing</source>
        <translation>Le fichier ne cesse de changer</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)|*.bmp</source>
        <translation>Image BMP (*.bmp)|*.bmp</translation>
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
        <translation>Métafichier (*.WMF)|*.WMF</translation>
    </message>
    <message>
        <source>Enhanced Metafile (*.EMF)|*.EMF</source>
        <translation>Métafichier amélioré (*.EMF)|*.EMF</translation>
    </message>
    <message>
        <source>metafile</source>
        <translation>métafichier</translation>
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
        <translation>Page web (*.html)|*.html</translation>
    </message>
    <message>
        <source>Crossword Puzzle</source>
        <translation>Mots croisés</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a word&apos;s label: its number, then Across or Down</comment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>Skip to the clues</source>
        <translation>Aller aux définitions</translation>
    </message>
    <message>
        <source>en</source>
        <comment>language code</comment>
        <extracomment>The language code (BCP 47) of this translation: the page&apos;s lang attribute.</extracomment>
        <translation>fr</translation>
    </message>
    <message>
        <source>Click a square or a clue and type the answer; typing follows the word&apos;s direction. The arrow keys move, Tab and Shift+Tab go to the next and the previous word, Backspace erases, a second click on a square (or the space bar) turns the direction, and Escape leaves the grid.</source>
        <translation>Cliquez sur une case ou une définition et tapez la réponse&#xa0;; la saisie suit le sens du mot. Les touches fléchées déplacent le curseur, Tab et Maj+Tab passent au mot suivant et au mot précédent, Retour arrière efface, un second clic sur une case (ou la barre d&apos;espace) change de sens, et Échap quitte la grille.</translation>
    </message>
    <message>
        <source>Tap a square or a clue and type; tap the square again to turn.</source>
        <translation>Touchez une case ou une définition et tapez&#xa0;; touchez de nouveau la case pour changer de sens.</translation>
    </message>
    <message>
        <source>Puzzle grid, %1 squares wide and %2 high</source>
        <translation>Grille de %1 cases de large sur %2 de haut</translation>
    </message>
    <message>
        <source>Your letters and your time are kept in this browser. The answers are stored in this page in a simply scrambled form, so they cannot be read in its source at a glance.</source>
        <translation>Vos lettres et votre temps sont conservés dans ce navigateur. Les réponses sont stockées dans cette page sous une forme simplement brouillée, pour qu&apos;on ne puisse pas les lire d&apos;un coup d&apos;œil dans son code source.</translation>
    </message>
    <message>
        <source>SVG (*.svg)|*.svg</source>
        <translation>SVG (*.svg)|*.svg</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt</source>
        <translation>Fichiers texte (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>html (*.htm)|*.htm</source>
        <translation>HTML (*.htm)|*.htm</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>Anglais a&amp;méricain</translation>
    </message>
    <message>
        <source>American</source>
        <translation>anglais américain</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>Anglais &amp;britannique</translation>
    </message>
    <message>
        <source>British</source>
        <translation>anglais britannique</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>&amp;Espagnol</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>espagnol</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>&amp;Italien</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>italien</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Français</translation>
    </message>
    <message>
        <source>French</source>
        <translation>français</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>A&amp;llemand</translation>
    </message>
    <message>
        <source>German</source>
        <translation>allemand</translation>
    </message>
    <message>
        <source>&amp;Dutch</source>
        <translation>&amp;Néerlandais</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>néerlandais</translation>
    </message>
    <message>
        <source>S&amp;wedish</source>
        <translation>&amp;Suédois</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>suédois</translation>
    </message>
    <message>
        <source>not a thesaurus</source>
        <translation>pas un dictionnaire des synonymes</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>%1 was not found in the dictionary.  No suggestions could be found.</source>
        <translation>Le mot «&#xa0;%1&#xa0;» est absent du dictionnaire. Aucune suggestion n&apos;a été trouvée.</translation>
    </message>
    <message>
        <source>Printing Page %p
%0
%1</source>
        <extracomment>%p is the page number; %0 and %1 are two lines of progress the renderer fills in.</extracomment>
        <translation>Impression de la page %p
%0
%1</translation>
    </message>
    <message>
        <source>Printing page %p</source>
        <extracomment>%p is the page number.</extracomment>
        <translation>Impression de la page %p</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>L&apos;imprimante n&apos;a pas pu être démarrée.</translation>
    </message>
    <message>
        <source>QXMOR Files (*.QX3)|*.QX3</source>
        <translation>Fichiers QXMOR (*.QX3)|*.QX3</translation>
    </message>
    <message>
        <source>QXMOR Files (*.QX3)|*.QX3|16 bit QXMOR Files (*.QXM)|*.QXM</source>
        <translation>Fichiers QXMOR (*.QX3)|*.QX3|Fichiers QXMOR 16 bits (*.QXM)|*.QXM</translation>
    </message>
    <message>
        <source>&lt;Current Puzzle&gt;</source>
        <translation>&lt;Grille actuelle&gt;</translation>
    </message>
    <message>
        <source>&lt;Smallest Square&gt;</source>
        <translation>&lt;Plus petit carré&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;DEFAULT&gt;&gt;</source>
        <translation>&lt;&lt;PAR DÉFAUT&gt;&gt;</translation>
    </message>
</context>
<context>
    <name>qx::AboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>Ajouter une définition</translation>
    </message>
    <message>
        <source>Word:</source>
        <translation>Mot&#xa0;:</translation>
    </message>
    <message>
        <source>Clue:</source>
        <translation>Définition&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Upper Case</source>
        <translation>&amp;Majuscules</translation>
    </message>
    <message>
        <source>&amp;Lower Case</source>
        <translation>Mi&amp;nuscules</translation>
    </message>
    <message>
        <source>&amp;First Letter Cap</source>
        <translation>&amp;Initiale majuscule</translation>
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
        <translation>Question bonus</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>qx::BorderDialog</name>
    <message>
        <source>&amp;Use Border</source>
        <translation>&amp;Utiliser une bordure</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>&amp;Modifier la couleur</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Épaisseur</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Couleur de la bordure</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Invalid width entered.</source>
        <translation>Épaisseur non valide.</translation>
    </message>
    <message>
        <source>Border Info for %1</source>
        <translation>Bordure de l&apos;objet %1</translation>
    </message>
</context>
<context>
    <name>qx::BuildProgressDialog</name>
    <message>
        <source>Building Puzzles</source>
        <translation>Création des grilles</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Interrompre</translation>
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
        <translation>Grille créée</translation>
    </message>
    <message>
        <source>&amp;Save Puzzle</source>
        <translation>&amp;Enregistrer la grille</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>One or more words did not fit into the puzzle.  Save Puzzle anyway?</source>
        <translation>Un ou plusieurs mots n&apos;ont pas pu être placés dans la grille. Enregistrer la grille quand même&#xa0;?</translation>
    </message>
    <message>
        <source>%1 Included Word</source>
        <translation>%1 mot inclus</translation>
    </message>
    <message>
        <source>%1 Included Words</source>
        <translation>%1 mots inclus</translation>
    </message>
    <message>
        <source>%1 Excluded Word</source>
        <translation>%1 mot exclu</translation>
    </message>
    <message>
        <source>%1 Excluded Words</source>
        <translation>%1 mots exclus</translation>
    </message>
</context>
<context>
    <name>qx::ClueHeadersDialog</name>
    <message>
        <source>Default Clue Headers</source>
        <translation>En-têtes de définitions par défaut</translation>
    </message>
    <message>
        <source>Clue Headers</source>
        <translation>En-têtes de définitions</translation>
    </message>
    <message>
        <source>Across Header</source>
        <translation>En-tête horizontal</translation>
    </message>
    <message>
        <source>Down Header</source>
        <translation>En-tête vertical</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>qx::ClueSuggestionsDialog</name>
    <message>
        <source>Suggest Clues</source>
        <translation>Suggérer des définitions</translation>
    </message>
    <message>
        <source>Suggestions (%1) for %2 of %3 words.  Choose or change each clue, then accept; a clue left empty is not changed.</source>
        <translation>Suggestions (%1) pour %2 mots sur %3. Choisissez ou modifiez chaque définition, puis acceptez&#xa0;; une définition laissée vide n&apos;est pas modifiée.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Définition</translation>
    </message>
    <message>
        <source>(no suggestion)</source>
        <translation>(aucune suggestion)</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>A&amp;ccepter</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>qx::CopiesDialog</name>
    <message>
        <source>Multi-Copies</source>
        <translation>Plusieurs exemplaires</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Copies To Print</source>
        <translation>Nombre d&apos;exemplaires</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Invalid number of copies entered.</source>
        <translation>Nombre d&apos;exemplaires non valide.</translation>
    </message>
</context>
<context>
    <name>qx::DictionaryMaintenanceDialog</name>
    <message>
        <source>Dictionary Maintenance</source>
        <translation>Gestion du dictionnaire</translation>
    </message>
    <message>
        <source>These words will be added to the %1 dictionary and counted as valid.</source>
        <translation>Ces mots seront ajoutés au dictionnaire (%1) et considérés comme corrects.</translation>
    </message>
    <message>
        <source>These words will be excluded from the  %1 dictionary and will be invalid.</source>
        <translation>Ces mots seront exclus du dictionnaire (%1) et considérés comme incorrects.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>qx::EnlargedCandidateDialog</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>qx::ExportPuzzlesDialog</name>
    <message>
        <source>Export Crossword Puzzles</source>
        <translation>Exporter des grilles de mots croisés</translation>
    </message>
    <message>
        <source>Puzzles Available For Export</source>
        <translation>Grilles disponibles pour l&apos;exportation</translation>
    </message>
    <message>
        <source>Save &amp;File</source>
        <translation>Enregistrer le &amp;fichier</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>No puzzles have been selected for export.</source>
        <translation>Aucune grille n&apos;a été sélectionnée pour l&apos;exportation.</translation>
    </message>
    <message>
        <source>Save Crossword Puzzles</source>
        <translation>Enregistrer les grilles de mots croisés</translation>
    </message>
    <message>
        <source>No puzzles were exported; the list now shows the change.</source>
        <translation>Aucune grille n&apos;a été exportée&#xa0;; la liste a été mise à jour.</translation>
    </message>
    <message>
        <source>Unable to export puzzles.</source>
        <translation>Impossible d&apos;exporter les grilles.</translation>
    </message>
    <message>
        <source>Export File cannot be the same as the currently open file.</source>
        <translation>Le fichier d&apos;exportation ne peut pas être le fichier actuellement ouvert.</translation>
    </message>
</context>
<context>
    <name>qx::ExtractLayoutDialog</name>
    <message>
        <source>Extract Page Layout From Puzzle</source>
        <translation>Extraire la mise en page d&apos;une grille</translation>
    </message>
    <message>
        <source>Available Puzzles</source>
        <translation>Grilles disponibles</translation>
    </message>
    <message>
        <source>&amp;Extract</source>
        <translation>&amp;Extraire</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>No puzzles have been selected for export.</source>
        <translation>Aucune grille n&apos;a été sélectionnée pour l&apos;extraction.</translation>
    </message>
    <message>
        <source>No layout was extracted; the list now shows the change.</source>
        <translation>Aucune mise en page n&apos;a été extraite&#xa0;; la liste a été mise à jour.</translation>
    </message>
    <message>
        <source>Unable to open puzzle.</source>
        <translation>Impossible d&apos;ouvrir la grille.</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Erreur de disque</translation>
    </message>
    <message>
        <source>Unable to add page layout.</source>
        <translation>Impossible d&apos;ajouter la mise en page.</translation>
    </message>
</context>
<context>
    <name>qx::FillDialog</name>
    <message>
        <source>&amp;Fill In Shape</source>
        <translation>&amp;Remplir la figure</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>&amp;Modifier la couleur</translation>
    </message>
    <message>
        <source>Fill Color</source>
        <translation>Couleur de remplissage</translation>
    </message>
    <message>
        <source>Fill Info for %1</source>
        <translation>Remplissage de l&apos;objet %1</translation>
    </message>
</context>
<context>
    <name>qx::GridPropertiesDialog</name>
    <message>
        <source>Skeleton Puzzle</source>
        <translation>Grille sans cases noires</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>&amp;Modifier la couleur</translation>
    </message>
    <message>
        <source>Ch&amp;ange Color</source>
        <translation>Mo&amp;difier la couleur</translation>
    </message>
    <message>
        <source>Puzzle Fill Color</source>
        <translation>Couleur des cases pleines</translation>
    </message>
    <message>
        <source>Puzzle Block Color</source>
        <translation>Couleur des cases de lettres</translation>
    </message>
    <message>
        <source>Puzzle Line Color</source>
        <translation>Couleur des lignes</translation>
    </message>
    <message>
        <source>Puzzle Line Width</source>
        <translation>Épaisseur des lignes</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Invalid width entered.</source>
        <translation>Épaisseur non valide.</translation>
    </message>
    <message>
        <source>Properties for %1</source>
        <translation>Propriétés de l&apos;objet %1</translation>
    </message>
</context>
<context>
    <name>qx::HeadingTextDialog</name>
    <message>
        <source>Across Header</source>
        <translation>En-tête horizontal</translation>
    </message>
    <message>
        <source>Down Header</source>
        <translation>En-tête vertical</translation>
    </message>
</context>
<context>
    <name>qx::HelpWindow</name>
    <message>
        <source>Quorvex 98 Help</source>
        <translation>Aide de Quorvex 98</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Sui&amp;vant</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>qx::ImportPuzzlesDialog</name>
    <message>
        <source>Import Crossword Puzzles</source>
        <translation>Importer des grilles de mots croisés</translation>
    </message>
    <message>
        <source>Puzzles in File</source>
        <translation>Grilles du fichier</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>No puzzles have been selected for import.</source>
        <translation>Aucune grille n&apos;a été sélectionnée pour l&apos;importation.</translation>
    </message>
    <message>
        <source>No puzzles were imported; the list now shows the change.</source>
        <translation>Aucune grille n&apos;a été importée&#xa0;; la liste a été mise à jour.</translation>
    </message>
    <message>
        <source>Unable to import puzzles.</source>
        <translation>Impossible d&apos;importer les grilles.</translation>
    </message>
    <message>
        <source>File Name: %1</source>
        <translation>Nom du fichier&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>qx::InternationalCharactersDialog</name>
    <message>
        <source>International Characters</source>
        <translation>Caractères internationaux</translation>
    </message>
    <message>
        <source>The function keys F1 through F12 can be assigned any number of international characters.  The function keys will play back the assigned international key in the Puzzle Creation Window.</source>
        <translation>Vous pouvez associer des caractères internationaux aux touches de fonction F1 à F12. Dans la fenêtre de saisie de la liste de mots, chaque touche de fonction tape alors le caractère qui lui est associé.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>qx::JpegFactorDialog</name>
    <message>
        <source>JPEG Factor</source>
        <translation>Facteur JPEG</translation>
    </message>
    <message>
        <source>JPEG Compression/Quality Factor (Range: 1 - 100)</source>
        <translation>Facteur de compression/qualité JPEG (de 1 à 100)</translation>
    </message>
    <message>
        <source>When the Factor is high, the image will be sharper, but the file size will be larger.  If the factor is lower, then the file size will be smaller, but the image will not be as sharp.</source>
        <translation>Plus le facteur est élevé, plus l&apos;image est nette, mais plus le fichier est volumineux. Plus le facteur est faible, plus le fichier est petit, mais moins l&apos;image est nette.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Invalid factor entered.  Factor must be between 1 and 100</source>
        <translation>Facteur non valide. Le facteur doit être compris entre 1 et 100.</translation>
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
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>qx::LayoutLibraryDialog</name>
    <message>
        <source>Unable to delete page layout.</source>
        <translation>Impossible de supprimer la mise en page.</translation>
    </message>
    <message>
        <source>Page layout could not be imported.</source>
        <translation>La mise en page n&apos;a pas pu être importée.</translation>
    </message>
    <message>
        <source>Page layout file is corrupt or incompatible.  Import aborted.</source>
        <translation>Le fichier de mise en page est endommagé ou incompatible. Importation annulée.</translation>
    </message>
    <message>
        <source>Unable to add page layout.</source>
        <translation>Impossible d&apos;ajouter la mise en page.</translation>
    </message>
    <message>
        <source>Page layout could not be exported.</source>
        <translation>La mise en page n&apos;a pas pu être exportée.</translation>
    </message>
    <message>
        <source>Page Layout Exported!</source>
        <translation>Mise en page exportée&#xa0;!</translation>
    </message>
    <message>
        <source>Page Layouts (*.PAG)|*.PAG</source>
        <translation>Mises en page (*.PAG)|*.PAG</translation>
    </message>
    <message>
        <source>Puzzle Page Layouts</source>
        <translation>Mises en page des grilles</translation>
    </message>
    <message>
        <source>Page Layouts</source>
        <translation>Mises en page</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Grille</translation>
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
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Text, Shapes</source>
        <translation>Texte, figures</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Sélectionner</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>S&amp;upprimer</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>Set De&amp;fault</source>
        <translation>Définir par &amp;défaut</translation>
    </message>
    <message>
        <source>Ex&amp;tract</source>
        <translation>Ex&amp;traire</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>No saved page layouts could be found.</source>
        <translation>Aucune mise en page enregistrée n&apos;a été trouvée.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>No page layout selected.</source>
        <translation>Aucune mise en page sélectionnée.</translation>
    </message>
    <message>
        <source>No layout has been selected.</source>
        <translation>Aucune mise en page n&apos;a été sélectionnée.</translation>
    </message>
    <message>
        <source>Import Page Layouts</source>
        <translation>Importer des mises en page</translation>
    </message>
    <message>
        <source>Export Page Layouts</source>
        <translation>Exporter des mises en page</translation>
    </message>
</context>
<context>
    <name>qx::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Puzzle Collection File</source>
        <translation>&amp;Nouveau fichier de collection</translation>
    </message>
    <message>
        <source>Create New Puzzle Collection File</source>
        <translation>Créer un fichier de collection</translation>
    </message>
    <message>
        <source>&amp;Open Puzzle Collection File</source>
        <translation>&amp;Ouvrir un fichier de collection</translation>
    </message>
    <message>
        <source>Open Puzzle Collection File</source>
        <translation>Ouvrir un fichier de collection</translation>
    </message>
    <message>
        <source>Ne&amp;w Puzzle</source>
        <translation>Nouvelle &amp;grille</translation>
    </message>
    <message>
        <source>Create New Puzzle</source>
        <translation>Créer une grille</translation>
    </message>
    <message>
        <source>&amp;Modify Puzzle</source>
        <translation>&amp;Modifier la grille</translation>
    </message>
    <message>
        <source>Modify Puzzle</source>
        <translation>Modifier la grille</translation>
    </message>
    <message>
        <source>&amp;Copy Puzzle</source>
        <translation>&amp;Copier la grille</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Copier la grille</translation>
    </message>
    <message>
        <source>&amp;Delete Puzzle</source>
        <translation>&amp;Supprimer la grille</translation>
    </message>
    <message>
        <source>Delete Puzzle</source>
        <translation>Supprimer la grille</translation>
    </message>
    <message>
        <source>&amp;Import Puzzles</source>
        <translation>&amp;Importer des grilles</translation>
    </message>
    <message>
        <source>Import Puzzles</source>
        <translation>Importer des grilles</translation>
    </message>
    <message>
        <source>&amp;Export Puzzles</source>
        <translation>&amp;Exporter des grilles</translation>
    </message>
    <message>
        <source>Export Puzzles</source>
        <translation>Exporter des grilles</translation>
    </message>
    <message>
        <source>&amp;Print Puzzle</source>
        <translation>Im&amp;primer la grille</translation>
    </message>
    <message>
        <source>Print Puzzle</source>
        <translation>Imprimer la grille</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>Configuration de l&apos;imp&amp;rimante</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Page Layout</source>
        <translation>&amp;Mise en page</translation>
    </message>
    <message>
        <source>Page Layout Designer</source>
        <translation>Éditeur de mises en page</translation>
    </message>
    <message>
        <source>Puzzle &amp;Shape</source>
        <translation>&amp;Forme de grille</translation>
    </message>
    <message>
        <source>Create Puzzle Shape</source>
        <translation>Créer une forme de grille</translation>
    </message>
    <message>
        <source>Puzzle &amp;Words</source>
        <translation>M&amp;ots de la grille</translation>
    </message>
    <message>
        <source>Modify Puzzle Words</source>
        <translation>Modifier les mots de la grille</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Background Bitmap</source>
        <translation>&amp;Image d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>&amp;JPEG Compression Factor</source>
        <translation>Facteur de compression &amp;JPEG</translation>
    </message>
    <message>
        <source>&amp;International Characters</source>
        <translation>Caractères i&amp;nternationaux</translation>
    </message>
    <message>
        <source>&amp;Clue Headers</source>
        <translation>&amp;En-têtes de définitions</translation>
    </message>
    <message>
        <source>&amp;Word Separator Chars</source>
        <translation>Sé&amp;parateurs de mots</translation>
    </message>
    <message>
        <source>&amp;Label Font</source>
        <translation>Police des é&amp;tiquettes</translation>
    </message>
    <message>
        <source>E&amp;dit Font</source>
        <translation>Po&amp;lice de saisie</translation>
    </message>
    <message>
        <source>B&amp;utton Font</source>
        <translation>Police des &amp;boutons</translation>
    </message>
    <message>
        <source>S&amp;creen Size</source>
        <translation>Taille de l&apos;é&amp;cran</translation>
    </message>
    <message>
        <source>C&amp;olors For Saving Bitmaps &amp;&amp; JPEGs</source>
        <translation>C&amp;ouleurs des images BMP &amp;&amp; JPEG</translation>
    </message>
    <message>
        <source>&amp;256 Colors</source>
        <translation>&amp;256 couleurs</translation>
    </message>
    <message>
        <source>&amp;16 Million Colors</source>
        <translation>&amp;16 millions de couleurs</translation>
    </message>
    <message>
        <source>&amp;Dictionary Type</source>
        <translation>Type de &amp;dictionnaire</translation>
    </message>
    <message>
        <source>&amp;Choose At Spell Check Time</source>
        <translation>&amp;Choisir à chaque vérification</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>Anglais a&amp;méricain</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>Anglais &amp;britannique</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>&amp;Espagnol</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>&amp;Italien</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Français</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>A&amp;llemand</translation>
    </message>
    <message>
        <source>&amp;Dutch</source>
        <translation>&amp;Néerlandais</translation>
    </message>
    <message>
        <source>S&amp;wedish</source>
        <translation>&amp;Suédois</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>&amp;Ajouter au dictionnaire</translation>
    </message>
    <message>
        <source>&amp;Exclude From Dictionary</source>
        <translation>E&amp;xclure du dictionnaire</translation>
    </message>
    <message>
        <source>&amp;Thesaurus Type</source>
        <translation>Dictionnaire des &amp;synonymes</translation>
    </message>
    <message>
        <source>&amp;Choose at Thesaurus Use Time</source>
        <translation>&amp;Choisir à chaque utilisation</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;User Manual</source>
        <translation>&amp;Manuel de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>&amp;Review Tips of the Day</source>
        <translation>&amp;Revoir les astuces du jour</translation>
    </message>
    <message>
        <source>&amp;Data Exchange via Internet</source>
        <translation>Échange de &amp;données par Internet</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Grilles</translation>
    </message>
    <message>
        <source>Quorvex 98 (%1)</source>
        <translation>Quorvex 98 (%1)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>No puzzle selected.  Please select a puzzle first.</source>
        <translation>Aucune grille sélectionnée. Veuillez d&apos;abord sélectionner une grille.</translation>
    </message>
    <message>
        <source>The lists now show the change; select the puzzle again.</source>
        <translation>Les listes ont été mises à jour&#xa0;; sélectionnez de nouveau la grille.</translation>
    </message>
    <message>
        <source>Create New Puzzle Group</source>
        <translation>Créer une collection de grilles</translation>
    </message>
    <message>
        <source>The puzzle collection file %1 could not be created.</source>
        <translation>Le fichier de collection %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Nouvelle grille</translation>
    </message>
    <message>
        <source>Would you like to create your first puzzle now for this new puzzle collection?</source>
        <translation>Voulez-vous créer dès maintenant la première grille de cette nouvelle collection&#xa0;?</translation>
    </message>
    <message>
        <source>Open Puzzle Group</source>
        <translation>Ouvrir une collection de grilles</translation>
    </message>
    <message>
        <source>The file selected is not a valid Crossword file.</source>
        <translation>Le fichier choisi n&apos;est pas un fichier de mots croisés valide.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Voulez-vous vraiment supprimer %1&#xa0;?</translation>
    </message>
    <message>
        <source>The puzzle was not deleted; the lists now show the change.</source>
        <translation>La grille n&apos;a pas été supprimée&#xa0;; les listes ont été mises à jour.</translation>
    </message>
    <message>
        <source>Unable to load puzzle.</source>
        <translation>Impossible de charger la grille.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>A puzzle has never been generated for this word/clue list. Please select &quot;File|Modify&quot; from the menu and create the puzzle first</source>
        <translation>Aucune grille n&apos;a encore été générée pour cette liste de mots et de définitions. Choisissez «&#xa0;Fichier | Modifier la grille&#xa0;» dans le menu et créez d&apos;abord la grille.</translation>
    </message>
    <message>
        <source>Your current screen resolution does not support %1 pixels.</source>
        <translation>La résolution actuelle de votre écran ne permet pas une largeur de %1 pixels.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés.</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>Lan&amp;gue</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Langue du &amp;système</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>%1 shows the new language the next time it starts.</source>
        <translation>%1 affichera la nouvelle langue au prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>qx::ManualNoticeDialog</name>
    <message>
        <source>User Manual Notice</source>
        <translation>Manuel de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>The User Manual for Quorvex 98 is a word-processor document, &quot;%1&quot;, in the program&apos;s folder.  Any word processor that reads Microsoft Word documents, such as LibreOffice Writer, can show and print it.</source>
        <translation>Le manuel de l&apos;utilisateur de Quorvex 98 est un document de traitement de texte, «&#xa0;%1&#xa0;», situé dans le dossier du programme. Tout traitement de texte capable de lire les documents Microsoft Word, comme LibreOffice Writer, permet de l&apos;afficher et de l&apos;imprimer.</translation>
    </message>
    <message>
        <source>The User Manual is also available as a PDF document, &quot;%1&quot;.  Any PDF reader can show and print it.</source>
        <translation>Le manuel de l&apos;utilisateur existe aussi au format PDF, «&#xa0;%1&#xa0;». Tout lecteur PDF permet de l&apos;afficher et de l&apos;imprimer.</translation>
    </message>
    <message>
        <source>View in &amp;Word</source>
        <translation>Afficher avec &amp;Word</translation>
    </message>
    <message>
        <source>View in &amp;Acrobat</source>
        <translation>Afficher avec A&amp;crobat</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>The User Manual could not be located.  Please make sure the user manual was installed.  A copy is available at our web site.</source>
        <translation>Le manuel de l&apos;utilisateur est introuvable. Vérifiez qu&apos;il a bien été installé. Une copie est disponible sur notre site web.</translation>
    </message>
    <message>
        <source>User Manual could not be located.  Please make sure that it was installed.</source>
        <translation>Le manuel de l&apos;utilisateur est introuvable. Vérifiez qu&apos;il a bien été installé.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened.  Please make sure that a program to view it is installed.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être ouvert. Vérifiez qu&apos;un programme permettant de l&apos;afficher est installé.</translation>
    </message>
</context>
<context>
    <name>qx::ManualPlacementDialog</name>
    <message>
        <source>Manual Word Addition</source>
        <translation>Ajout manuel de mots</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>A&amp;ccepter</translation>
    </message>
    <message>
        <source>&amp;Reject</source>
        <translation>&amp;Refuser</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Puzzle letter must be between A and Z.</source>
        <translation>La lettre doit être comprise entre A et Z.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>No changes to the puzzle were detected.</source>
        <translation>Aucune modification de la grille n&apos;a été détectée.</translation>
    </message>
</context>
<context>
    <name>qx::MetafileCreationDialog</name>
    <message>
        <source>Metafile Creation</source>
        <translation>Création du métafichier</translation>
    </message>
    <message>
        <source>Creating Metafile...  Please Wait.</source>
        <translation>Création du métafichier en cours... Veuillez patienter.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Metafile Created</source>
        <translation>Métafichier créé</translation>
    </message>
</context>
<context>
    <name>qx::NumberFontDialog</name>
    <message>
        <source>Numbers In Puzzle</source>
        <translation>Numéros dans la grille</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>&amp;Horizontal</source>
        <translation>&amp;Horizontale</translation>
    </message>
    <message>
        <source>&amp;Vertical</source>
        <translation>&amp;Verticale</translation>
    </message>
    <message>
        <source>Change &amp;Font</source>
        <translation>Modifier la &amp;police</translation>
    </message>
</context>
<context>
    <name>qx::ObjectPropertiesDialog</name>
    <message>
        <source>&amp;Transparent Background</source>
        <translation>Fond &amp;transparent</translation>
    </message>
    <message>
        <source>&amp;Make It Fit (Auto-Shrink Font)</source>
        <translation>A&amp;juster au cadre (réduire la police)</translation>
    </message>
    <message>
        <source>Number of Columns</source>
        <translation>Nombre de colonnes</translation>
    </message>
    <message>
        <source>&amp;Split Columns</source>
        <translation>&amp;Répartir les colonnes</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Invalid columns entered.</source>
        <translation>Nombre de colonnes non valide.</translation>
    </message>
    <message>
        <source>Properties for %1</source>
        <translation>Propriétés de l&apos;objet %1</translation>
    </message>
</context>
<context>
    <name>qx::PageDesignerWindow</name>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Down Heading</source>
        <translation>En-tête vertical</translation>
    </message>
    <message>
        <source>Across Heading</source>
        <translation>En-tête horizontal</translation>
    </message>
    <message>
        <source>Down Clues</source>
        <translation>Définitions verticales</translation>
    </message>
    <message>
        <source>Across Clues</source>
        <translation>Définitions horizontales</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>Liste de mots</translation>
    </message>
    <message>
        <source>Bonus Quest</source>
        <translation>Question bonus</translation>
    </message>
    <message>
        <source>Combined Clues</source>
        <translation>Définitions groupées</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Page Creator</source>
        <translation>Éditeur de mise en page</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Format du papier</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pouces</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>&amp;Portrait</source>
        <translation>&amp;Portrait</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>Pa&amp;ysage</translation>
    </message>
    <message>
        <source>Crossword Objects</source>
        <translation>Objets de mots croisés</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Autres objets</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Objets</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Small</source>
        <translation>&amp;Petit</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Moyen</translation>
    </message>
    <message>
        <source>&amp;Large</source>
        <translation>&amp;Grand</translation>
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
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>A bitmap for this layout could not be located.</source>
        <translation>Une image de cette mise en page est introuvable.</translation>
    </message>
    <message>
        <source>Some printers do not support odd sized pages.  Printed results may vary.</source>
        <translation>Certaines imprimantes ne prennent pas en charge les formats de page inhabituels. Le résultat imprimé peut varier.</translation>
    </message>
    <message>
        <source>Width must be between 3 and 12 inches.  Please re-enter width.</source>
        <translation>La largeur doit être comprise entre 3 et 12 pouces. Veuillez saisir une autre largeur.</translation>
    </message>
    <message>
        <source>Width must be between 7 and 31 centimeters.  Please re-enter width.</source>
        <translation>La largeur doit être comprise entre 7 et 31 centimètres. Veuillez saisir une autre largeur.</translation>
    </message>
    <message>
        <source>Height must be between 4 and 18 inches.  Please re-enter height.</source>
        <translation>La hauteur doit être comprise entre 4 et 18 pouces. Veuillez saisir une autre hauteur.</translation>
    </message>
    <message>
        <source>Height must be between 10 and 46 centimeters.  Please re-enter height.</source>
        <translation>La hauteur doit être comprise entre 10 et 46 centimètres. Veuillez saisir une autre hauteur.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Erreur de disque</translation>
    </message>
    <message>
        <source>Unable to add page layout.</source>
        <translation>Impossible d&apos;ajouter la mise en page.</translation>
    </message>
</context>
<context>
    <name>qx::PartialAnswersDialog</name>
    <message>
        <source>Partial Answer</source>
        <translation>Réponses partielles</translation>
    </message>
    <message>
        <source>Select those words you would like filled in the puzzle.</source>
        <translation>Sélectionnez les mots à inscrire dans la grille.</translation>
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
        <translation>Image BMP</translation>
    </message>
    <message>
        <source>JPeg</source>
        <translation>Image JPEG</translation>
    </message>
    <message>
        <source>Create &amp;Bitmap</source>
        <translation>Créer l&apos;image &amp;BMP</translation>
    </message>
    <message>
        <source>Create &amp;JPeg</source>
        <translation>Créer l&apos;image &amp;JPEG</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Width of Bitmap</source>
        <translation>Largeur de l&apos;image BMP</translation>
    </message>
    <message>
        <source>Width of JPeg</source>
        <translation>Largeur de l&apos;image JPEG</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Invalid width specified.  Please correct.</source>
        <translation>Largeur non valide. Veuillez corriger.</translation>
    </message>
</context>
<context>
    <name>qx::PreviewWindow</name>
    <message>
        <source>Puzzle Preview</source>
        <translation>Aperçu de la grille</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Print Page</source>
        <translation>Im&amp;primer la page</translation>
    </message>
    <message>
        <source>Print &amp;Multiple Copies</source>
        <translation>Imprimer plusieurs &amp;exemplaires</translation>
    </message>
    <message>
        <source>Export As &amp;Metafile</source>
        <translation>Exporter en &amp;métafichier</translation>
    </message>
    <message>
        <source>&amp;Windows MetaFile (WMF)</source>
        <translation>Métafichier &amp;Windows (WMF)</translation>
    </message>
    <message>
        <source>&amp;Enhanced MetaFile (EMF)</source>
        <translation>Métafichier &amp;amélioré (EMF)</translation>
    </message>
    <message>
        <source>Export As &amp;Picture</source>
        <translation>Exporter en &amp;image</translation>
    </message>
    <message>
        <source>Windows &amp;Bitmap (BMP)</source>
        <translation>&amp;Bitmap Windows (BMP)</translation>
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
        <translation>&amp;Facteur de compression JPEG</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>&amp;HTML Export</source>
        <translation>Exporter en &amp;HTML</translation>
    </message>
    <message>
        <source>&amp;Text Export</source>
        <translation>Exporter en &amp;texte</translation>
    </message>
    <message>
        <source>&amp;Clues</source>
        <translation>&amp;Définitions</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Mots</translation>
    </message>
    <message>
        <source>Export As P&amp;DF...</source>
        <translation>Exporter en P&amp;DF...</translation>
    </message>
    <message>
        <source>Export As S&amp;VG...</source>
        <translation>Exporter en S&amp;VG...</translation>
    </message>
    <message>
        <source>Export For Solving &amp;Apps</source>
        <translation>Exporter pour les &amp;applis de mots croisés</translation>
    </message>
    <message>
        <source>&amp;ipuz File...</source>
        <translation>Fichier &amp;ipuz...</translation>
    </message>
    <message>
        <source>&amp;PUZ File...</source>
        <translation>Fichier &amp;PUZ...</translation>
    </message>
    <message>
        <source>Export As &amp;Solvable Web Page...</source>
        <translation>Exporter en page &amp;web interactive...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;1 : 1</source>
        <translation>&amp;1&#xa0;: 1</translation>
    </message>
    <message>
        <source>&amp;2 : 1</source>
        <translation>&amp;2&#xa0;: 1</translation>
    </message>
    <message>
        <source>1 : &amp;1</source>
        <translation>1&#xa0;: &amp;1</translation>
    </message>
    <message>
        <source>1 : &amp;2</source>
        <translation>1&#xa0;: &amp;2</translation>
    </message>
    <message>
        <source>1 : &amp;3</source>
        <translation>1&#xa0;: &amp;3</translation>
    </message>
    <message>
        <source>1 : &amp;4</source>
        <translation>1&#xa0;: &amp;4</translation>
    </message>
    <message>
        <source>1 : &amp;5</source>
        <translation>1&#xa0;: &amp;5</translation>
    </message>
    <message>
        <source>Zoom Page Width</source>
        <translation>Zoom sur la largeur de page</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Zoom Whole Page</source>
        <translation>Zoom sur la page entière</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>Print Page</source>
        <translation>Imprimer la page</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Export As Metafile</source>
        <translation>Exporter en métafichier</translation>
    </message>
    <message>
        <source>Export As Bitmap</source>
        <translation>Exporter en BMP</translation>
    </message>
    <message>
        <source>Export As JPEG</source>
        <translation>Exporter en JPEG</translation>
    </message>
    <message>
        <source>Create Web Page</source>
        <translation>Créer une page web</translation>
    </message>
    <message>
        <source>Export As PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>Zoom %</source>
        <translation>Zoom&#xa0;%</translation>
    </message>
    <message>
        <source>Pixel Width</source>
        <translation>Largeur en pixels</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Previous print job has not yet finished.  Try again later.</source>
        <translation>L&apos;impression précédente n&apos;est pas encore terminée. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>The page could not be printed.  To keep it as a PDF file instead, use Export As PDF, or choose &quot;Print to File (PDF)&quot; in Printer Setup.</source>
        <translation>La page n&apos;a pas pu être imprimée. Pour la conserver plutôt sous forme de fichier PDF, utilisez Exporter en PDF ou choisissez «&#xa0;Imprimer dans un fichier (PDF)&#xa0;» dans Configuration de l&apos;imprimante.</translation>
    </message>
    <message>
        <source>Export Clues</source>
        <translation>Exporter les définitions</translation>
    </message>
    <message>
        <source>Export Words</source>
        <translation>Exporter les mots</translation>
    </message>
    <message>
        <source>Unable to create export file.</source>
        <translation>Impossible de créer le fichier d&apos;exportation.</translation>
    </message>
    <message>
        <source>Export As SVG</source>
        <translation>Exporter en SVG</translation>
    </message>
    <message>
        <source>Export As Solvable Web Page</source>
        <translation>Exporter en page web interactive</translation>
    </message>
    <message>
        <source>Export For Solving Apps</source>
        <translation>Exporter pour les applis de mots croisés</translation>
    </message>
    <message>
        <source>Save Puzzle As MetaFile</source>
        <translation>Enregistrer la grille en métafichier</translation>
    </message>
    <message>
        <source>Save Puzzle As Enhanced MetaFile</source>
        <translation>Enregistrer la grille en métafichier amélioré</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Bitmaps in this puzzle will not be saved in the metafile.</source>
        <translation>Les images de cette grille ne seront pas enregistrées dans le métafichier.</translation>
    </message>
    <message>
        <source>Save Puzzle As Bitmap</source>
        <translation>Enregistrer la grille en image BMP</translation>
    </message>
    <message>
        <source>Save Puzzle As JPeg</source>
        <translation>Enregistrer la grille en image JPEG</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Enregistré sous %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt</source>
        <translation>Fichiers texte (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Metafile (*.WMF)|*.WMF</source>
        <translation>Métafichier (*.WMF)|*.WMF</translation>
    </message>
    <message>
        <source>Enhanced Metafile (*.EMF)|*.EMF</source>
        <translation>Métafichier amélioré (*.EMF)|*.EMF</translation>
    </message>
    <message>
        <source>Bitmap (*.BMP)|*.BMP</source>
        <translation>Image BMP (*.BMP)|*.BMP</translation>
    </message>
    <message>
        <source>JPeg (*.JPG)|*.JPG</source>
        <translation>Image JPEG (*.JPG)|*.JPG</translation>
    </message>
</context>
<context>
    <name>qx::PrintOptionsDialog</name>
    <message>
        <source>Reports</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>Puzzle &amp;Title</source>
        <translation>&amp;Titre</translation>
    </message>
    <message>
        <source>Puzzle &amp;Body</source>
        <translation>&amp;Grille</translation>
    </message>
    <message>
        <source>Puzzle &amp;Clues</source>
        <translation>&amp;Définitions</translation>
    </message>
    <message>
        <source>Puzzle &amp;Words</source>
        <translation>&amp;Mots</translation>
    </message>
    <message>
        <source>Bonus &amp;Question</source>
        <translation>Question &amp;bonus</translation>
    </message>
    <message>
        <source>Parts To Print</source>
        <translation>Éléments à imprimer</translation>
    </message>
    <message>
        <source>&amp;Answer Key</source>
        <translation>&amp;Corrigé</translation>
    </message>
    <message>
        <source>&amp;Partial Answers</source>
        <translation>Réponses &amp;partielles</translation>
    </message>
    <message>
        <source>Pa&amp;rtial Letters</source>
        <translation>Lettres pa&amp;rtielles</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>C&amp;hoisir</translation>
    </message>
    <message>
        <source>Answer Key</source>
        <translation>Corrigé</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Lettres</translation>
    </message>
    <message>
        <source>&amp;Skeleton Puzzle</source>
        <translation>Grille sans cases &amp;noires</translation>
    </message>
    <message>
        <source>&amp;Filled Box Color</source>
        <translation>Couleur des cases p&amp;leines</translation>
    </message>
    <message>
        <source>Puzzle Boxes</source>
        <translation>Cases de la grille</translation>
    </message>
    <message>
        <source>&amp;View/Print</source>
        <translation>Afficher/&amp;Imprimer</translation>
    </message>
    <message>
        <source>Change Page &amp;Layout</source>
        <translation>Changer de mi&amp;se en page</translation>
    </message>
    <message>
        <source>Change &amp;Fonts</source>
        <translation>Modifier les p&amp;olices</translation>
    </message>
    <message>
        <source>Change Clue &amp;Headers</source>
        <translation>Modifier les &amp;en-têtes</translation>
    </message>
    <message>
        <source>Change Bon&amp;us Question</source>
        <translation>Modifier la q&amp;uestion bonus</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>Configuration de l&apos;imp&amp;rimante</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Puzzle Clue Numbers Font</source>
        <translation>Police des numéros de la grille</translation>
    </message>
    <message>
        <source>Puzzle Answer Font</source>
        <translation>Police des réponses de la grille</translation>
    </message>
    <message>
        <source>%1 Font</source>
        <translation>%1 (police)</translation>
    </message>
</context>
<context>
    <name>qx::PrintStatusDialog</name>
    <message>
        <source>Report Status Screen</source>
        <translation>État de l&apos;impression</translation>
    </message>
    <message>
        <source>Printing Status</source>
        <translation>Impression en cours</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Puzzle Generation Canceled!</source>
        <translation>Création de la grille annulée&#xa0;!</translation>
    </message>
    <message>
        <source>Puzzle Generated!</source>
        <translation>Grille générée&#xa0;!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
</context>
<context>
    <name>qx::PuzzlePicker</name>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>Tout &amp;désélectionner</translation>
    </message>
</context>
<context>
    <name>qx::ShapeEditorDialog</name>
    <message>
        <source>Shape Creator</source>
        <translation>Éditeur de forme</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Left Click To Toggle</source>
        <translation>Clic gauche&#xa0;: activer/désactiver</translation>
    </message>
    <message>
        <source>Right Click To Fill</source>
        <translation>Clic droit&#xa0;: remplir</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Largeur</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Hauteur</translation>
    </message>
    <message>
        <source>Shift Grid</source>
        <translation>Décaler la grille</translation>
    </message>
    <message>
        <source>Adjust Grid</source>
        <translation>Ajuster la grille</translation>
    </message>
    <message>
        <source>&amp;Reverse</source>
        <translation>&amp;Inverser</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Défaire</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Width must be between 5 and 49.  Please re-enter width.</source>
        <translation>La largeur doit être comprise entre 5 et 49. Veuillez saisir une autre largeur.</translation>
    </message>
    <message>
        <source>Height must be between 5 and 49.  Please re-enter height.</source>
        <translation>La hauteur doit être comprise entre 5 et 49. Veuillez saisir une autre hauteur.</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Erreur de disque</translation>
    </message>
    <message>
        <source>Unable to add shape.</source>
        <translation>Impossible d&apos;ajouter la forme.</translation>
    </message>
</context>
<context>
    <name>qx::ShapeLibraryDialog</name>
    <message>
        <source>Shapes</source>
        <translation>Formes</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>qx::ShapeListPanel</name>
    <message>
        <source>Unable to delete puzzle shape.</source>
        <translation>Impossible de supprimer la forme de grille.</translation>
    </message>
    <message>
        <source>Puzzle shape could not be imported.</source>
        <translation>La forme de grille n&apos;a pas pu être importée.</translation>
    </message>
    <message>
        <source>Puzzle shape file is corrupt or incompatible.  Import aborted.</source>
        <translation>Le fichier de forme de grille est endommagé ou incompatible. Importation annulée.</translation>
    </message>
    <message>
        <source>Unable to add shape.</source>
        <translation>Impossible d&apos;ajouter la forme.</translation>
    </message>
    <message>
        <source>Shape could not be exported.</source>
        <translation>La forme n&apos;a pas pu être exportée.</translation>
    </message>
    <message>
        <source>Puzzle Shape Exported!</source>
        <translation>Forme de grille exportée&#xa0;!</translation>
    </message>
    <message>
        <source>Puzzle Shape</source>
        <translation>Forme de grille</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>Nou&amp;velle</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>C&amp;opier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Im&amp;port</source>
        <translation>Im&amp;porter</translation>
    </message>
    <message>
        <source>Expo&amp;rt</source>
        <translation>Expo&amp;rter</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>No saved shape information could be found.</source>
        <translation>Aucune forme enregistrée n&apos;a été trouvée.</translation>
    </message>
    <message>
        <source>Import Puzzle Shape</source>
        <translation>Importer une forme de grille</translation>
    </message>
    <message>
        <source>Puzzle Shapes (*.LAY)|*.LAY</source>
        <translation>Formes de grille (*.LAY)|*.LAY</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>No shape selected.</source>
        <translation>Aucune forme sélectionnée.</translation>
    </message>
    <message>
        <source>Export Puzzle Shape</source>
        <translation>Exporter une forme de grille</translation>
    </message>
    <message>
        <source>Puzzle Shape (*.LAY)|*.LAY</source>
        <translation>Forme de grille (*.LAY)|*.LAY</translation>
    </message>
</context>
<context>
    <name>qx::SizePositionDialog</name>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Values In Inches</source>
        <translation>Valeurs en pouces</translation>
    </message>
    <message>
        <source>Values In Centimeters</source>
        <translation>Valeurs en centimètres</translation>
    </message>
    <message>
        <source>Invalid left position entered.</source>
        <translation>Position gauche non valide.</translation>
    </message>
    <message>
        <source>Invalid top position entered.</source>
        <translation>Position haute non valide.</translation>
    </message>
    <message>
        <source>Invalid width entered.</source>
        <translation>Largeur non valide.</translation>
    </message>
    <message>
        <source>Invalid height entered.</source>
        <translation>Hauteur non valide.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>The location you have specified will place the object off the page.  Do you wish abort your changes?</source>
        <translation>L&apos;emplacement indiqué placera l&apos;objet hors de la page. Voulez-vous annuler vos modifications&#xa0;?</translation>
    </message>
    <message>
        <source>Size &amp; Location of %1</source>
        <translation>Taille et position de l&apos;objet %1</translation>
    </message>
</context>
<context>
    <name>qx::SpellingSuggestionsDialog</name>
    <message>
        <source>Spelling Suggestions</source>
        <translation>Suggestions orthographiques</translation>
    </message>
    <message>
        <source>The following word was not found in the %1 dictionary.  Suggestions are listed below.</source>
        <translation>Le mot suivant est absent du dictionnaire (%1). Des suggestions sont proposées ci-dessous.</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Suggestions</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation>A&amp;bandonner</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>No replacement word has been selected.  Please choose a replacement first.</source>
        <translation>Aucun mot de remplacement n&apos;a été sélectionné. Veuillez d&apos;abord choisir un mot de remplacement.</translation>
    </message>
</context>
<context>
    <name>qx::TextInputDialog</name>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
</context>
<context>
    <name>qx::ThesaurusLookupDialog</name>
    <message>
        <source>Thesaurus Lookup</source>
        <translation>Recherche de synonymes</translation>
    </message>
    <message>
        <source>&amp;Look Up</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>&amp;Suggest</source>
        <translation>&amp;Suggérer</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Accepter</translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation>A&amp;bandonner</translation>
    </message>
    <message>
        <source>&amp;Word</source>
        <translation>&amp;Mot</translation>
    </message>
    <message>
        <source>&amp;Categories</source>
        <translation>&amp;Catégories</translation>
    </message>
    <message>
        <source>A&amp;ntonyms</source>
        <translation>A&amp;ntonymes</translation>
    </message>
    <message>
        <source>S&amp;ynonyms</source>
        <translation>S&amp;ynonymes</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Could not find the Thesaurus file.</source>
        <translation>Impossible de trouver le fichier du dictionnaire des synonymes.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Word not found in Thesaurus.  Click on &quot;suggest&quot; for possible substitute words.</source>
        <translation>Mot absent du dictionnaire des synonymes. Cliquez sur «&#xa0;Suggérer&#xa0;» pour obtenir des mots de remplacement possibles.</translation>
    </message>
    <message>
        <source>No suggestions found for the word %1.</source>
        <translation>Aucune suggestion trouvée pour le mot %1.</translation>
    </message>
    <message>
        <source>No replacement word has been selected.  Please choose a replacement first.</source>
        <translation>Aucun mot de remplacement n&apos;a été sélectionné. Veuillez d&apos;abord choisir un mot de remplacement.</translation>
    </message>
</context>
<context>
    <name>qx::TipOfTheDayDialog</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Astuce du jour</translation>
    </message>
    <message>
        <source>&lt;b&gt;Did you know?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Le saviez-vous&#xa0;?&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>&amp;Afficher les astuces au démarrage</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>Astuce &amp;suivante</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>qx::WebPageDialog</name>
    <message>
        <source>HTML Creation</source>
        <translation>Création HTML</translation>
    </message>
    <message>
        <source>Create A Web Page</source>
        <translation>Créer une page web</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Ligne horizontale</translation>
    </message>
    <message>
        <source>Puzzle will go here</source>
        <translation>La grille viendra ici</translation>
    </message>
    <message>
        <source>&amp;Save HTML</source>
        <translation>&amp;Enregistrer le HTML</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>First Header Lines</source>
        <translation>Lignes d&apos;en-tête 1</translation>
    </message>
    <message>
        <source>Second Header Lines</source>
        <translation>Lignes d&apos;en-tête 2</translation>
    </message>
    <message>
        <source>First Footer Lines</source>
        <translation>Lignes de pied de page 1</translation>
    </message>
    <message>
        <source>Second Footer Lines</source>
        <translation>Lignes de pied de page 2</translation>
    </message>
    <message>
        <source>Web Page Title</source>
        <translation>Titre de la page web</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centré</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>%1 and its picture %2 already exist.
Do you want to replace them?</source>
        <translation>%1 et son image %2 existent déjà.
Voulez-vous les remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>%1 already exists; its picture will be saved as %2.
Do you want to replace it?</source>
        <translation>%1 existe déjà&#xa0;; son image sera enregistrée sous %2.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>The picture %2 of %1 already exists.
Do you want to replace it?</source>
        <translation>L&apos;image %2 de %1 existe déjà.
Voulez-vous la remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Save HTML Document</source>
        <translation>Enregistrer le document HTML</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Unable to create html file.</source>
        <translation>Impossible de créer le fichier HTML.</translation>
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
        <translation>Nº</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Définition</translation>
    </message>
</context>
<context>
    <name>qx::WordListEditor</name>
    <message>
        <source>Word List Input</source>
        <translation>Saisie de la liste de mots</translation>
    </message>
    <message>
        <source>Puzzle Title</source>
        <translation>Titre de la grille</translation>
    </message>
    <message>
        <source>Categor&amp;y</source>
        <translation>Ca&amp;tégorie</translation>
    </message>
    <message>
        <source>Bonus Question</source>
        <translation>Question bonus</translation>
    </message>
    <message>
        <source>Words and Clues</source>
        <translation>Mots et définitions</translation>
    </message>
    <message>
        <source>Delete &amp;All</source>
        <translation>To&amp;ut supprimer</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>Supprimer la &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>International Characters</source>
        <translation>Caractères internationaux</translation>
    </message>
    <message>
        <source>&amp;Spell Check</source>
        <translation>Ort&amp;hographe</translation>
    </message>
    <message>
        <source>&amp;Thesaurus</source>
        <translation>S&amp;ynonymes</translation>
    </message>
    <message>
        <source>Su&amp;ggest Clues</source>
        <translation>Su&amp;ggérer des définitions</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>Change La&amp;yout</source>
        <translation>Changer de mise e&amp;n page</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>Rogner les &amp;bords</translation>
    </message>
    <message>
        <source>&amp;Quick Create</source>
        <translation>Création r&amp;apide</translation>
    </message>
    <message>
        <source>T&amp;horough</source>
        <translation>Recherche appro&amp;fondie</translation>
    </message>
    <message>
        <source>Search for the grid with the most words, then the most crossings, for the effort&apos;s seconds, instead of running the creation attempts.</source>
        <translation>Pendant la durée indiquée (en secondes), chercher la grille qui contient le plus de mots, puis le plus de croisements, au lieu d&apos;effectuer les essais de création.</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>How long the thorough search and the search for the smallest square run on an ordinary machine: longer finds better grids.</source>
        <translation>Durée de la recherche approfondie et de la recherche du plus petit carré sur un ordinateur ordinaire&#xa0;: plus elle est longue, meilleures sont les grilles trouvées.</translation>
    </message>
    <message>
        <source>E&amp;ffort</source>
        <translation>&amp;Durée</translation>
    </message>
    <message>
        <source>Creation Attempts</source>
        <translation>Essais de création</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Créer</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Add &amp;Words</source>
        <translation>A&amp;jouter des mots</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Suggest clues for the selected rows, or for every word without a clue.</source>
        <translation>Suggérer des définitions pour les lignes sélectionnées ou pour chaque mot sans définition.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Smallest square: %1 × %1, every word placed.</source>
        <translation>Plus petit carré&#xa0;: %1 × %1, tous les mots placés.</translation>
    </message>
    <message>
        <source>No square up to 49 × 49 holds every word: %1 × %1 holds the most.</source>
        <translation>Aucun carré jusqu&apos;à 49 × 49 ne contient tous les mots&#xa0;: %1 × %1 en contient le plus.</translation>
    </message>
    <message>
        <source>No title specified.  Please correct.</source>
        <translation>Aucun titre indiqué. Veuillez corriger.</translation>
    </message>
    <message>
        <source>No category specified.  Please correct.</source>
        <translation>Aucune catégorie indiquée. Veuillez corriger.</translation>
    </message>
    <message>
        <source>Puzzle has been modified.  Save changes?</source>
        <translation>La grille a été modifiée. Enregistrer les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>All words are already cleared.</source>
        <translation>Tous les mots sont déjà effacés.</translation>
    </message>
    <message>
        <source>This will remove all words and clues.  Continue?</source>
        <translation>Tous les mots et toutes les définitions vont être supprimés. Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Suggest Clues</source>
        <translation>Suggérer des définitions</translation>
    </message>
    <message>
        <source>Every word has a clue.  Select the rows whose clues should be suggested again.</source>
        <translation>Chaque mot a une définition. Sélectionnez les lignes dont les définitions doivent être suggérées à nouveau.</translation>
    </message>
</context>
<context>
    <name>qx::WordListExportDialog</name>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Save &amp;File</source>
        <translation>Enregistrer le &amp;fichier</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Désélectionner</translation>
    </message>
    <message>
        <source>Select &amp;Used</source>
        <translation>Sélectionner les mots &amp;utilisés</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Mots</translation>
    </message>
    <message>
        <source>&amp;Clues</source>
        <translation>Déf&amp;initions</translation>
    </message>
    <message>
        <source>Words &amp;And Clues</source>
        <translation>Mots &amp;et définitions</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>No words/clues selected for output.  Please select the desired words/clues.</source>
        <translation>Aucun mot ni aucune définition sélectionnés pour l&apos;exportation. Veuillez sélectionner les mots ou les définitions voulus.</translation>
    </message>
    <message>
        <source>Save Word/Clue List</source>
        <translation>Enregistrer la liste de mots et de définitions</translation>
    </message>
    <message>
        <source>Unable to create export file.</source>
        <translation>Impossible de créer le fichier d&apos;exportation.</translation>
    </message>
</context>
<context>
    <name>qx::WordListImportDialog</name>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>Ou&amp;vrir un fichier</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Désélectionner</translation>
    </message>
    <message>
        <source>As &amp;Words</source>
        <translation>&amp;Mots</translation>
    </message>
    <message>
        <source>As &amp;Clues</source>
        <translation>Dé&amp;finitions</translation>
    </message>
    <message>
        <source>&amp;As Words and Clues</source>
        <translation>Mots &amp;et définitions</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Import Word/Clue List</source>
        <translation>Importer une liste de mots et de définitions</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Unable to open import file.</source>
        <translation>Impossible d&apos;ouvrir le fichier à importer.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>No word/clue seperator character specified.</source>
        <translation>Aucun caractère séparateur entre mot et définition n&apos;a été indiqué.</translation>
    </message>
</context>
<context>
    <name>qx::WordSeparatorsDialog</name>
    <message>
        <source>Word Separator Characters</source>
        <translation>Caractères séparateurs de mots</translation>
    </message>
    <message>
        <source>The following characters (if checked) will be displayed in the puzzle where they are used by words.  This is useful in instances where the word to solve for is actually more than one word and you wish to have them separated in the puzzle itself.</source>
        <translation>Les caractères suivants (s&apos;ils sont cochés) seront affichés dans la grille là où les mots les contiennent. C&apos;est utile lorsque la réponse à trouver se compose en fait de plusieurs mots et que vous souhaitez les séparer dans la grille elle-même.</translation>
    </message>
    <message>
        <source>&amp;Dash (-)</source>
        <translation>&amp;Tiret (-)</translation>
    </message>
    <message>
        <source>&amp;Slash (/)</source>
        <translation>&amp;Barre oblique (/)</translation>
    </message>
    <message>
        <source>&amp;Plus (+)</source>
        <translation>&amp;Plus (+)</translation>
    </message>
    <message>
        <source>S&amp;tar (*)</source>
        <translation>Éto&amp;ile (*)</translation>
    </message>
    <message>
        <source>&amp;User Defined</source>
        <translation>Per&amp;sonnalisé</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Character cannot be in A..Z.  Please correct.</source>
        <translation>Le caractère ne peut pas être une lettre de A à Z. Veuillez corriger.</translation>
    </message>
</context>
<context>
    <name>qx::WordSuggestionsDialog</name>
    <message>
        <source>Word Suggestions</source>
        <translation>Suggestions de mots</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Suggestion for</source>
        <translation>Suggestion pour</translation>
    </message>
</context>
</TS>
